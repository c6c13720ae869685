#pragma once
// The month calendar as assistive technology sees it: a table of six week
// rows and seven weekday columns whose cells are named by their full date,
// with the day names as column headers and, with mcoWeekNumbers, the week
// numbers as row headers. The title band (month buttons, caption, year
// editor) comes first among the children.

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "LeafAccessible.h"

namespace zar {

class TCustomZarMonthCalendar;

class TMonthCalAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  static constexpr int Rows = 6;
  static constexpr int Columns = 7;

  explicit TMonthCalAccessible(TCustomZarMonthCalendar* calendar);
  ~TMonthCalAccessible() override;

  QString text(QAccessible::Text t) const override;
  // Multi-selectable with mcoMultiSelect or mcoRangeSelect.
  QAccessible::State state() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // Table: a week per row, a weekday per logical column (the grid is
  // painted mirrored under right-to-left reading).
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return Columns; }
  int rowCount() const override { return Rows; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  // Next/previous page step a month, show menu opens the month menu and
  // "Edit year" the year editor, as PageDown, PageUp, F4 and F2 do.
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;
  static QString EditYearAction();

  // A column header (day name), row header (week number) or day cell.
  QAccessibleInterface* ColumnHeader(int column) const;
  QAccessibleInterface* RowHeader(int row) const;
  bool WeekNumbers() const;

  // Notifications the calendar sends; nothing while accessibility is off.
  static void NotifyDateChanged(TCustomZarMonthCalendar* calendar, bool monthChanged);
  static void NotifySelectionChanged(TCustomZarMonthCalendar* calendar);
  // Names the title band's buttons by what they do in the reading direction.
  static void NameTitleParts(TCustomZarMonthCalendar* calendar);

  TCustomZarMonthCalendar* Calendar() const;

 private:
  enum class TItemKind { Cell, ColumnHeader, RowHeader };
  QAccessibleInterface* Item(TItemKind kind, int index) const;
  int WidgetChildCount() const;

  // Interfaces made on first use: 42 cells, 7 column and 6 row headers.
  mutable std::array<QAccessible::Id, Rows * Columns + Columns + Rows> FItemIds{};
};

// One cell of the calendar's table: a day, a day name or a week number.
class TMonthCalCellAccessible : public TLeafAccessible,
                                public QAccessibleTableCellInterface,
                                public QAccessibleActionInterface {
 public:
  enum TKind { Day, DayName, WeekNumber };
  TMonthCalCellAccessible(TCustomZarMonthCalendar* calendar, TKind kind, int row, int column);

  bool isValid() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  // Name: the full date of a day, the day's name, the week's number.
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override;
  // Days: selected, the calendar's date active (and focused with the
  // calendar), disabled outside the limits.
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  int columnIndex() const override { return FColumn; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  // A day's press moves the calendar's date there, as a click does.
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  // The day this cell shows (0 for headers).
  double CellDate() const;

 private:
  // The grid cell behind this item.
  int GridCol() const;
  int GridRow() const;

  QPointer<QWidget> FWidget;
  TCustomZarMonthCalendar* FCalendar;
  TKind FKind;
  int FRow;
  int FColumn;
};

// The title band: a title bar holding the month buttons, the caption and
// the year editor; its name is the caption.
class TMonthCalTitleAccessible : public QAccessibleWidget {
 public:
  TMonthCalTitleAccessible(QWidget* panel, TCustomZarMonthCalendar* calendar);
  QString text(QAccessible::Text t) const override;

 private:
  QPointer<QWidget> FCalendar;
};

}  // namespace zar
