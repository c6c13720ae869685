#include "DBNavigator.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "DBDataSet.h"
#include "ZarApplication.h"

namespace zar {

namespace {

constexpr std::array<const char*, 10> DefaultHints{
    "First record",  "Prior record", "Next record", "Last record", "Insert record",
    "Delete record", "Edit record",  "Post edit",   "Cancel edit", "Refresh data"};

// The button's glyph, drawn on a 16 x 16 grid in the given colour.
QIcon Glyph(TNavigateBtn button, const QColor& color) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  auto triangle = [&](qreal tipX, qreal baseX) {
    p.drawPolygon(QPolygonF{QPointF(tipX, 8), QPointF(baseX, 3.5), QPointF(baseX, 12.5)});
  };
  QPen line(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  switch (button) {
    case nbFirst:
      p.drawRect(QRectF(4, 3.5, 2, 9));
      triangle(6.5, 12);
      break;
    case nbPrior: triangle(5, 11); break;
    case nbNext: triangle(11, 5); break;
    case nbLast:
      p.drawRect(QRectF(10, 3.5, 2, 9));
      triangle(9.5, 4);
      break;
    case nbInsert:
      p.drawRect(QRectF(7, 3, 2, 10));
      p.drawRect(QRectF(3, 7, 10, 2));
      break;
    case nbDelete: p.drawRect(QRectF(3, 7, 10, 2)); break;
    case nbEdit: p.drawPolygon(QPolygonF{QPointF(8, 4), QPointF(3, 12), QPointF(13, 12)}); break;
    case nbPost:
      p.setPen(line);
      p.setBrush(Qt::NoBrush);
      p.drawPolyline(QPolygonF{QPointF(3.5, 8.5), QPointF(6.5, 11.5), QPointF(12.5, 4.5)});
      break;
    case nbCancel:
      p.setPen(line);
      p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
      p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
      break;
    case nbRefresh: {
      p.setPen(QPen(color, 1.8));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(3.5, 3.5, 9, 9), 90 * 16, 270 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(color);
      p.drawPolygon(QPolygonF{QPointF(8, 1.5), QPointF(11, 3.5), QPointF(8, 5.5)});
      break;
    }
  }
  return QIcon(pixmap);
}

}  // namespace

// Follows the dataset's state and position for the buttons.
class TDBNavigator::TLink : public TDataLink {
 public:
  explicit TLink(TDBNavigator& owner) : FOwner(owner) {}

 protected:
  void ActiveChanged() override { FOwner.UpdateButtons(); }
  void EditingChanged() override { FOwner.UpdateButtons(); }
  void DataSetChanged() override { FOwner.UpdateButtons(); }
  void RecordChanged(TField*) override { FOwner.UpdateButtons(); }

 private:
  TDBNavigator& FOwner;
};

TDBNavigator::TDBNavigator(QWidget* parent)
    : QWidget(parent), FDataLink(std::make_unique<TLink>(*this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The arrows point where they move in either reading direction.
  setLayoutDirection(Qt::LeftToRight);
  for (std::size_t i = 0; i < FButtons.size(); ++i) {
    const auto button = static_cast<TNavigateBtn>(i);
    auto* b = new QToolButton(this);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumSize(8, 8);
    connect(b, &QToolButton::clicked, this, [this, button] { ButtonClicked(button); });
    layout->addWidget(b);
    FButtons[i] = b;
  }
  UpdateIcons();
  UpdateHints();
  UpdateButtons();
  resize(240, 25);
}

TDBNavigator::~TDBNavigator() = default;

TDataSource* TDBNavigator::DataSource() const noexcept { return FDataLink->DataSource(); }

void TDBNavigator::SetDataSource(TDataSource* Value) {
  FDataLink->SetDataSource(Value);
  UpdateButtons();
}

void TDBNavigator::SetVisibleButtons(TNavButtonSet Value) {
  FVisibleButtons = Value;
  for (std::size_t i = 0; i < FButtons.size(); ++i)
    FButtons[i]->setVisible(Value.Contains(static_cast<TNavigateBtn>(i)));
}

void TDBNavigator::SetFlat(bool Value) {
  FFlat = Value;
  for (QToolButton* b : FButtons) b->setAutoRaise(Value);
}

void TDBNavigator::SetHints(std::vector<std::string> Value) {
  FHints = std::move(Value);
  UpdateHints();
}

std::string TDBNavigator::Hint(TNavigateBtn Button) const {
  const auto i = static_cast<std::size_t>(Button);
  if (i < FHints.size() && !FHints[i].empty()) return FHints[i];
  return DefaultHints[i];
}

QToolButton* TDBNavigator::Button(TNavigateBtn Button) const {
  return FButtons[static_cast<std::size_t>(Button)];
}

void TDBNavigator::UpdateHints() {
  for (std::size_t i = 0; i < FButtons.size(); ++i)
    FButtons[i]->setToolTip(QString::fromStdString(Hint(static_cast<TNavigateBtn>(i))));
}

void TDBNavigator::UpdateIcons() {
  const QColor color = palette().color(QPalette::ButtonText);
  for (std::size_t i = 0; i < FButtons.size(); ++i)
    FButtons[i]->setIcon(Glyph(static_cast<TNavigateBtn>(i), color));
}

void TDBNavigator::UpdateButtons() {
  const TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  const bool active = dataSet != nullptr;
  const bool inserting = active && dataSet->State() == TDataSetState::Insert;
  const bool hasRecords = active && !dataSet->IsEmpty();
  // While inserting, every move leaves the new record, so all moves apply.
  const bool up = hasRecords && (inserting || dataSet->RecNo() > 1);
  const bool down = hasRecords && (inserting || dataSet->RecNo() < dataSet->RecordCount());
  const bool canModify = active && dataSet->CanModify() && !FDataLink->ReadOnly();
  const bool editing = FDataLink->Editing();
  const std::array<bool, 10> enabled{up,
                                     up,
                                     down,
                                     down,
                                     canModify,
                                     canModify && hasRecords,
                                     canModify && !editing,
                                     canModify && editing,
                                     canModify && editing,
                                     active};
  for (std::size_t i = 0; i < FButtons.size(); ++i) FButtons[i]->setEnabled(enabled[i]);
}

void TDBNavigator::ButtonClicked(TNavigateBtn Button) {
  GuardedCall([this, Button] { BtnClick(Button); });
}

void TDBNavigator::BtnClick(TNavigateBtn Button) {
  if (BeforeAction) BeforeAction(*this, Button);
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (dataSet) {
    switch (Button) {
      case nbFirst: dataSet->First(); break;
      case nbPrior: dataSet->Prior(); break;
      case nbNext: dataSet->Next(); break;
      case nbLast: dataSet->Last(); break;
      case nbInsert: dataSet->Insert(); break;
      case nbDelete:
        if (dataSet->IsEmpty() && dataSet->State() != TDataSetState::Insert) break;
        if (FConfirmDelete &&
            QMessageBox::question(this, QString(), tr("Delete record?"),
                                  QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
          break;
        dataSet->Delete();
        break;
      case nbEdit: dataSet->Edit(); break;
      case nbPost:
        if (IsEditState(dataSet->State())) dataSet->Post();
        break;
      case nbCancel: dataSet->Cancel(); break;
      case nbRefresh: dataSet->Refresh(); break;
    }
  }
  if (OnClick) OnClick(*this, Button);
}

void TDBNavigator::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) UpdateIcons();
  if (event->type() == QEvent::EnabledChange) UpdateButtons();
  QWidget::changeEvent(event);
}

}  // namespace zar
