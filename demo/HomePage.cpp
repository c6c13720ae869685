#include "HomePage.h"

#include <QFrame>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextEdit>

#include "DemoFonts.h"
#include "LinkLabel.h"
#include "PageTexts.h"

namespace zar::demo {

namespace {

const QColor LinkColor(0, 128, 255), LinkHoverColor(255, 128, 0);
const QColor Maroon(128, 0, 0), Blue(0, 0, 255);

// The section links' right edge; each bullet stands right of its link.
constexpr int LinksRight = 610, LinksWidth = 330;
constexpr int SectionTops[] = {44, 76, 108, 140, 168};

QPixmap Bullet() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(LinkColor);
  // A triangle pointing left, into the right-to-left text it introduces.
  QPainterPath path;
  path.moveTo(12, 3);
  path.lineTo(4, 8);
  path.lineTo(12, 13);
  path.closeSubpath();
  painter.drawPath(path);
  return pixmap;
}

}  // namespace

THomePage::THomePage(QWidget* parent) : QWidget(parent) {
  auto* prompt = new QLabel("لطفا يکي از بخشها را براي ديدن انتخاب نماييد:", this);
  prompt->setGeometry(LinksRight - LinksWidth, 14, LinksWidth + 30, 20);

  const QPixmap bullet = Bullet();
  for (int section = 1; section <= 5; ++section) {
    const int top = SectionTops[section - 1];
    const int height = section == 5 ? 64 : 32;
    auto* link = new TLinkLabel(
        QString::fromUtf8(PageTitles[section].data(), static_cast<int>(PageTitles[section].size())),
        LinkColor, LinkHoverColor, this);
    link->setObjectName(QString("SectionLink%1").arg(section));
    link->setWordWrap(true);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    link->setGeometry(LinksRight - LinksWidth, top, LinksWidth, height);
    link->OnClick = [this, section](TLinkLabel*) {
      if (OnSectionClick) OnSectionClick(section);
    };
    FSectionLinks[section - 1] = link;

    auto* image = new QLabel(this);
    image->setPixmap(bullet);
    image->setGeometry(LinksRight + 4, top + 8, 16, 16);
  }

  auto* orderFrame = new QFrame(this);
  orderFrame->setFrameShape(QFrame::Box);
  orderFrame->setStyleSheet("QFrame { color: silver; }");
  orderFrame->setGeometry(LinksRight - 170, 250, 170, 56);
  FOrderLink = new TLinkLabel("سفارش خريد", Maroon, Blue, this);
  FOrderLink->setObjectName("Label85");
  FOrderLink->setAlignment(Qt::AlignCenter);
  FOrderLink->setGeometry(orderFrame->geometry().adjusted(2, 2, -2, -2));
  FOrderLink->OnClick = [this](TLinkLabel*) {
    if (OnOrderClick) OnOrderClick();
  };

  auto* separator = new QFrame(this);
  separator->setFrameShape(QFrame::VLine);
  separator->setFrameShadow(QFrame::Sunken);
  separator->setGeometry(252, 14, 4, 310);

  auto* maker = new QLabel("پروژه زر: تقويم جلالي براي برنامههاي Qt", this);
  maker->setGeometry(12, 14, 232, 20);
  auto* service = new QTextEdit(this);
  service->setAcceptRichText(false);
  service->setFrameShape(QFrame::NoFrame);
  service->setPlainText(
      "اين مجموعه شامل روالهاي پايه تقويم جلالي، انتخابگر تاريخ و زمان، تقويم ماهانه و "
      "فيلدهاي تاريخ هجري شمسي براي بانکهاي اطلاعاتي است.\n\n"
      "نسخه تازه، راهنماي کامل و پاسخ پرسشها را در وبگاه پروژه بيابيد؛ گزارش اشکال و "
      "پيشنهادهاي خود را نيز از همان جا براي ما بفرستيد.");
  service->setEnabled(false);
  service->setGeometry(12, 40, 232, 280);
}

void THomePage::ApplyFormFamily(const QString& FormFamily) {
  for (TLinkLabel* link : FSectionLinks) link->setFont(DesignedFont("Arial", 14, true, FormFamily));
  FOrderLink->setFont(DesignedFont("Arial", 20, true, FormFamily));
}

}  // namespace zar::demo
