// The month calendar's accessible table, its cells and its title band.
// Actions take the path of the keys and the mouse, so limits, OnYMChanging
// and OnClick apply to them as to the user's own presses.

#include "MonthCalAccessible.h"

#include <QAccessibleEvent>
#include <QWindow>
#include <cmath>

#include "ControlAccessibility.h"
#include "GregorianDates.h"
#include "HostControls.h"
#include "MonthCalendar.h"
#include "YearEdit.h"

namespace zar {

namespace {

constexpr int CellCount = TMonthCalAccessible::Rows * TMonthCalAccessible::Columns;

void Send(QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); }

TMonthCalAccessible* InterfaceOf(TCustomZarMonthCalendar* calendar) {
  return dynamic_cast<TMonthCalAccessible*>(QAccessible::queryAccessibleInterface(calendar));
}

}  // namespace

// ---- The table -------------------------------------------------------------------------------

TMonthCalAccessible::TMonthCalAccessible(TCustomZarMonthCalendar* calendar)
    : QAccessibleWidget(calendar, QAccessible::Table) {}

TMonthCalAccessible::~TMonthCalAccessible() {
  for (QAccessible::Id id : FItemIds)
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

TCustomZarMonthCalendar* TMonthCalAccessible::Calendar() const {
  return static_cast<TCustomZarMonthCalendar*>(widget());
}

bool TMonthCalAccessible::WeekNumbers() const {
  return Calendar()->Options().Contains(mcoWeekNumbers);
}

QAccessibleInterface* TMonthCalAccessible::Item(TItemKind kind, int index) const {
  int slot = index;
  TMonthCalCellAccessible::TKind cellKind = TMonthCalCellAccessible::Day;
  int row = index / Columns, column = index % Columns;
  if (kind == TItemKind::ColumnHeader) {
    slot = CellCount + index;
    cellKind = TMonthCalCellAccessible::DayName;
    row = -1;
    column = index;
  } else if (kind == TItemKind::RowHeader) {
    slot = CellCount + Columns + index;
    cellKind = TMonthCalCellAccessible::WeekNumber;
    row = index;
    column = -1;
  }
  QAccessible::Id& id = FItemIds.at(static_cast<std::size_t>(slot));
  if (id == 0)
    id = QAccessible::registerAccessibleInterface(
        new TMonthCalCellAccessible(Calendar(), cellKind, row, column));
  return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* TMonthCalAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= Rows || column < 0 || column >= Columns) return nullptr;
  return Item(TItemKind::Cell, row * Columns + column);
}

QAccessibleInterface* TMonthCalAccessible::ColumnHeader(int column) const {
  if (column < 0 || column >= Columns) return nullptr;
  return Item(TItemKind::ColumnHeader, column);
}

QAccessibleInterface* TMonthCalAccessible::RowHeader(int row) const {
  if (!WeekNumbers() || row < 0 || row >= Rows) return nullptr;
  return Item(TItemKind::RowHeader, row);
}

int TMonthCalAccessible::WidgetChildCount() const { return QAccessibleWidget::childCount(); }

// The child widgets (the title band) first, then the day names, then the
// weeks, each led by its week number when those are shown.
int TMonthCalAccessible::childCount() const {
  return WidgetChildCount() + Columns + Rows * (Columns + (WeekNumbers() ? 1 : 0));
}

QAccessibleInterface* TMonthCalAccessible::child(int index) const {
  if (index < 0) return nullptr;
  const int widgets = WidgetChildCount();
  if (index < widgets) return QAccessibleWidget::child(index);
  index -= widgets;
  if (index < Columns) return ColumnHeader(index);
  index -= Columns;
  const int perRow = Columns + (WeekNumbers() ? 1 : 0);
  const int row = index / perRow;
  int column = index % perRow;
  if (row >= Rows) return nullptr;
  if (WeekNumbers() && column-- == 0) return RowHeader(row);
  return cellAt(row, column);
}

int TMonthCalAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (!child) return -1;
  const int widgets = WidgetChildCount();
  if (const auto* cell = dynamic_cast<const TMonthCalCellAccessible*>(child)) {
    if (cell->parent() != this) return -1;
    const int perRow = Columns + (WeekNumbers() ? 1 : 0);
    const int offset = WeekNumbers() ? 1 : 0;
    switch (cell->role()) {
      case QAccessible::ColumnHeader: return widgets + cell->columnIndex();
      case QAccessible::RowHeader:
        return WeekNumbers() ? widgets + Columns + cell->rowIndex() * perRow : -1;
      default: return widgets + Columns + cell->rowIndex() * perRow + offset + cell->columnIndex();
    }
  }
  return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* TMonthCalAccessible::childAt(int x, int y) const {
  if (QAccessibleInterface* found = QAccessibleWidget::childAt(x, y)) return found;
  for (int i = WidgetChildCount(), count = childCount(); i < count; ++i) {
    QAccessibleInterface* item = child(i);
    if (item && item->rect().contains(x, y)) return item;
  }
  return nullptr;
}

// The calendar's date is the focused cell while the calendar has the focus.
QAccessibleInterface* TMonthCalAccessible::focusChild() const {
  const TCustomZarMonthCalendar* calendar = Calendar();
  if (!calendar->hasFocus()) return QAccessibleWidget::focusChild();
  const double index = std::trunc(calendar->Date()) - calendar->FirstCellDate();
  if (index < 0 || index >= CellCount) return nullptr;
  return cellAt(static_cast<int>(index) / Columns, static_cast<int>(index) % Columns);
}

void* TMonthCalAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString TMonthCalAccessible::text(QAccessible::Text t) const {
  TCustomZarMonthCalendar* calendar = Calendar();
  const bool gregorian = calendar->UseSystemCalendar();
  switch (t) {
    case QAccessible::Name: {
      const QString own = QAccessibleWidget::text(t);
      if (!own.isEmpty()) return own;
      Word year, month, day;
      calendar->CalDecodeDate(calendar->Date(), year, month, day);
      return QString::fromStdString(calendar->CalMonthName(month)) + u' ' +
             SpokenText(std::to_string(year), gregorian);
    }
    case QAccessible::Value: return SpokenDate(calendar->Date(), gregorian);
    case QAccessible::Description: {
      QStringList parts;
      const QString own = QAccessibleWidget::text(t);
      if (!own.isEmpty()) parts << own;
      if (calendar->MinDate() != 0)
        parts << QStringLiteral("earliest ") + SpokenDate(calendar->MinDate(), gregorian);
      if (calendar->MaxDate() != 0)
        parts << QStringLiteral("latest ") + SpokenDate(calendar->MaxDate(), gregorian);
      return parts.join(QStringLiteral(", "));
    }
    default: return QAccessibleWidget::text(t);
  }
}

QAccessible::State TMonthCalAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.multiSelectable = !Calendar()->SingleMode();
  return s;
}

int TMonthCalAccessible::selectedCellCount() const {
  return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> TMonthCalAccessible::selectedCells() const {
  QList<QAccessibleInterface*> cells;
  for (int i = 0; i < CellCount; ++i) {
    QAccessibleInterface* cell = cellAt(i / Columns, i % Columns);
    if (cell->state().selected) cells << cell;
  }
  return cells;
}

QString TMonthCalAccessible::columnDescription(int column) const {
  QAccessibleInterface* header = ColumnHeader(column);
  return header ? header->text(QAccessible::Name) : QString();
}

QString TMonthCalAccessible::rowDescription(int row) const {
  QAccessibleInterface* header = RowHeader(row);
  return header ? header->text(QAccessible::Name) : QString();
}

QString TMonthCalAccessible::EditYearAction() { return QStringLiteral("Edit year"); }

QStringList TMonthCalAccessible::actionNames() const {
  QStringList names = QAccessibleWidget::actionNames();
  const TCustomZarMonthCalendar* calendar = Calendar();
  if (!calendar->isEnabled()) return names;
  names << QAccessibleActionInterface::nextPageAction()
        << QAccessibleActionInterface::previousPageAction();
  if (calendar->Options().Contains(mcoMonthPopupMenu) && calendar->MonthMenu())
    names << QAccessibleActionInterface::showMenuAction();
  if (calendar->Options().Contains(mcoYearEditor) && calendar->YearEdit())
    names << EditYearAction();
  return names;
}

void TMonthCalAccessible::doAction(const QString& actionName) {
  TCustomZarMonthCalendar* calendar = Calendar();
  if (!actionNames().contains(actionName)) return;
  Word key = 0;
  if (actionName == QAccessibleActionInterface::nextPageAction())
    key = vk::Next;
  else if (actionName == QAccessibleActionInterface::previousPageAction())
    key = vk::Prior;
  else if (actionName == QAccessibleActionInterface::showMenuAction())
    key = vk::F4;
  else if (actionName == EditYearAction())
    key = vk::F1 + 1;
  if (key != 0)
    calendar->KeyDown(key, {});  // as if typed
  else
    QAccessibleWidget::doAction(actionName);
}

QStringList TMonthCalAccessible::keyBindingsForAction(const QString& actionName) const {
  if (actionName == QAccessibleActionInterface::nextPageAction()) return {QStringLiteral("PgDown")};
  if (actionName == QAccessibleActionInterface::previousPageAction())
    return {QStringLiteral("PgUp")};
  if (actionName == QAccessibleActionInterface::showMenuAction()) return {QStringLiteral("F4")};
  if (actionName == EditYearAction()) return {QStringLiteral("F2")};
  return QAccessibleWidget::keyBindingsForAction(actionName);
}

void TMonthCalAccessible::NotifyDateChanged(TCustomZarMonthCalendar* calendar, bool monthChanged) {
  if (!QAccessible::isActive()) return;
  TMonthCalAccessible* iface = InterfaceOf(calendar);
  if (!iface) return;
  if (monthChanged) {
    QAccessibleEvent named(calendar, QAccessible::NameChanged);
    Send(named);
    QAccessibleTableModelChangeEvent reset(calendar, QAccessibleTableModelChangeEvent::ModelReset);
    Send(reset);
  }
  QAccessibleValueChangeEvent value(calendar, iface->text(QAccessible::Value));
  Send(value);
  if (QAccessibleInterface* cell = iface->focusChild()) {
    QAccessibleEvent focus(cell, QAccessible::Focus);
    Send(focus);
  }
  NotifySelectionChanged(calendar);
}

void TMonthCalAccessible::NotifySelectionChanged(TCustomZarMonthCalendar* calendar) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(calendar, QAccessible::SelectionWithin);
  Send(event);
}

// ---- One cell ---------------------------------------------------------------------------------

TMonthCalCellAccessible::TMonthCalCellAccessible(TCustomZarMonthCalendar* calendar, TKind kind,
                                                 int row, int column)
    : FWidget(calendar), FCalendar(calendar), FKind(kind), FRow(row), FColumn(column) {}

bool TMonthCalCellAccessible::isValid() const { return !FWidget.isNull(); }

QWindow* TMonthCalCellAccessible::window() const {
  return isValid() ? FCalendar->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TMonthCalCellAccessible::parent() const {
  return isValid() ? QAccessible::queryAccessibleInterface(FCalendar) : nullptr;
}

int TMonthCalCellAccessible::GridCol() const {
  return FKind == WeekNumber ? 0 : FCalendar->FixedCols() + FColumn;
}

int TMonthCalCellAccessible::GridRow() const {
  return FKind == DayName ? FCalendar->FixedRows() - 1 : FCalendar->FixedRows() + FRow;
}

double TMonthCalCellAccessible::CellDate() const {
  if (!isValid() || FKind != Day) return 0;
  return FCalendar->FirstCellDate() + FRow * TMonthCalAccessible::Columns + FColumn;
}

QAccessible::Role TMonthCalCellAccessible::role() const {
  switch (FKind) {
    case DayName: return QAccessible::ColumnHeader;
    case WeekNumber: return QAccessible::RowHeader;
    default: return QAccessible::Cell;
  }
}

QString TMonthCalCellAccessible::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  const bool gregorian = FCalendar->UseSystemCalendar();
  if (t == QAccessible::Description && FKind == Day && CellDate() == zar::Date())
    return QStringLiteral("today");
  if (t != QAccessible::Name) return {};
  if (FKind == Day) return SpokenDate(CellDate(), gregorian);
  if (FKind == WeekNumber && !FCalendar->Options().Contains(mcoWeekNumbers)) return {};
  TCalendarDrawState state;
  std::string text;
  TDateTime date;
  FCalendar->GetCellInfo(GridCol(), GridRow(), state, text, date);
  return SpokenText(text, gregorian);
}

QRect TMonthCalCellAccessible::rect() const {
  if (!isValid()) return {};
  const TRect r = FCalendar->ToScreen(FCalendar->LogicalCellRect(GridCol(), GridRow()));
  const QPoint topLeft = FCalendar->mapToGlobal(FCalendar->ClientOrigin() + QPoint(r.Left, r.Top));
  return {topLeft, QSize(r.Width(), r.Height())};
}

QAccessible::State TMonthCalCellAccessible::state() const {
  QAccessible::State s;
  if (!isValid()) return s;
  s.disabled = !FCalendar->isEnabled();
  s.invisible = !FCalendar->isVisible();
  if (FKind != Day) return s;
  const TDateTime date = CellDate();
  s.selectable = true;
  s.focusable = true;
  s.selected = isSelected();
  s.active = date == std::trunc(FCalendar->Date());
  s.focused = s.active && FCalendar->hasFocus();
  if (!FCalendar->IsValidDate(date)) s.disabled = true;
  return s;
}

void* TMonthCalCellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface)
    return static_cast<QAccessibleTableCellInterface*>(this);
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

bool TMonthCalCellAccessible::isSelected() const {
  return isValid() && FKind == Day && FCalendar->IsSelected(CellDate());
}

QList<QAccessibleInterface*> TMonthCalCellAccessible::columnHeaderCells() const {
  auto* table = dynamic_cast<TMonthCalAccessible*>(parent());
  if (!table || FKind != Day) return {};
  return {table->ColumnHeader(FColumn)};
}

QList<QAccessibleInterface*> TMonthCalCellAccessible::rowHeaderCells() const {
  auto* table = dynamic_cast<TMonthCalAccessible*>(parent());
  if (!table || FKind != Day || !table->WeekNumbers()) return {};
  return {table->RowHeader(FRow)};
}

QStringList TMonthCalCellAccessible::actionNames() const {
  if (!isValid() || FKind != Day || !FCalendar->isEnabled()) return {};
  return {QAccessibleActionInterface::pressAction()};
}

// Where the user could click the day: inside the limits, and a trailing
// day only with mcoSelectTrailDays.
void TMonthCalCellAccessible::doAction(const QString& actionName) {
  if (!actionNames().contains(actionName)) return;
  const TDateTime date = CellDate();
  const bool inMonth = FCalendar->MonthStart() <= date && date <= FCalendar->MonthEnd();
  if (!FCalendar->IsValidDate(date) ||
      (!inMonth && !FCalendar->Options().Contains(mcoSelectTrailDays)))
    return;
  FCalendar->CollapseSelection();
  FCalendar->GotoDate(date, true);
}

// ---- The title band -----------------------------------------------------------------------------

void TMonthCalAccessible::NameTitleParts(TCustomZarMonthCalendar* calendar) {
  // The button whose arrow points in the reading direction goes forward.
  const bool rightToLeft = calendar->UseRightToLeftAlignment();
  if (TSpeedButton* left = calendar->LeftMonthButton())
    left->setAccessibleName(rightToLeft ? QStringLiteral("Next month")
                                        : QStringLiteral("Previous month"));
  if (TSpeedButton* right = calendar->RightMonthButton())
    right->setAccessibleName(rightToLeft ? QStringLiteral("Previous month")
                                         : QStringLiteral("Next month"));
  if (TYearEdit* year = calendar->YearEdit()) year->setAccessibleName(QStringLiteral("Year"));
}

TMonthCalTitleAccessible::TMonthCalTitleAccessible(QWidget* panel,
                                                   TCustomZarMonthCalendar* calendar)
    : QAccessibleWidget(panel, QAccessible::TitleBar), FCalendar(calendar) {}

QString TMonthCalTitleAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) {
    if (auto* calendar = qobject_cast<TCustomZarMonthCalendar*>(FCalendar.data()))
      if (calendar->TitleLabel()) return calendar->TitleLabel()->text();
  }
  return QAccessibleWidget::text(t);
}

}  // namespace zar
