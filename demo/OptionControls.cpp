#include "OptionControls.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DemoFonts.h"
#include "ZarApplication.h"

namespace zar::demo {

TRadioGroup::TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* parent)
    : QGroupBox(Caption, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 2, 8, 2);
  layout->setSpacing(0);
  for (const QString& text : Items) {
    auto* item = new QRadioButton(text, this);
    layout->addWidget(item);
    FItems.push_back(item);
    connect(item, &QRadioButton::toggled, this, [this](bool on) {
      if (on && OnClick) GuardedCall(OnClick);
    });
  }
}

int TRadioGroup::ItemIndex() const {
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void TRadioGroup::SetItemIndex(int Index) { FItems.at(Index)->setChecked(true); }

QCheckBox* AddOptionCheckBox(QWidget* Page, const char* Name, const QString& Caption,
                             bool Checked, QRect Bounds, std::function<void(bool)> OnClick,
                             const QString& Hint) {
  auto* box = new QCheckBox(Caption, Page);
  box->setObjectName(Name);
  box->setGeometry(Bounds);
  box->setChecked(Checked);
  box->setToolTip(Hint);
  QObject::connect(box, &QCheckBox::toggled, box, [run = std::move(OnClick)](bool on) {
    GuardedCall([&] { run(on); });
  });
  return box;
}

namespace {

// A disabled, borderless, plain-text box; it keeps its text colour while
// disabled, as the program's help tables do.
QPlainTextEdit* AddHelpBox(QWidget* Page, const QStringList& Lines, QRect Bounds, QColor Color,
                           Qt::LayoutDirection Direction) {
  auto* box = new QPlainTextEdit(Page);
  box->setGeometry(Bounds);
  box->setFrameShape(QFrame::NoFrame);
  box->setLayoutDirection(Direction);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setFont(DesignedFont("Tahoma", 8, false, ChooseFormFamily(QFontDatabase::families())));
  QPalette palette = box->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Text, Color);
    palette.setColor(group, QPalette::Base, palette.color(QPalette::Active, QPalette::Base));
  }
  box->setPalette(palette);
  box->document()->setDocumentMargin(0);
  box->setPlainText(Lines.join('\n'));
  QTextOption option = box->document()->defaultTextOption();
  option.setTextDirection(Direction);
  option.setAlignment(Direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
  box->document()->setDefaultTextOption(option);
  box->setEnabled(false);
  return box;
}

}  // namespace

void AddKeyHelpTable(QWidget* Page, const std::vector<std::pair<const char*, const char*>>& Rows,
                     QRect Bounds, int KeysWidth) {
  QStringList keys, meanings;
  for (const auto& [key, meaning] : Rows) {
    keys << QString::fromUtf8(key);
    meanings << QString::fromUtf8(meaning);
  }
  AddHelpBox(Page, keys, QRect(Bounds.left(), Bounds.top(), KeysWidth, Bounds.height()),
             QColor(0, 0, 128), Qt::LeftToRight);
  AddHelpBox(Page, meanings,
             QRect(Bounds.left() + KeysWidth, Bounds.top(), Bounds.width() - KeysWidth,
                   Bounds.height()),
             QColor(128, 0, 0), Qt::RightToLeft);
}

}  // namespace zar::demo
