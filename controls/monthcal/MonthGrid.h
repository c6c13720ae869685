#pragma once
// TMonthGrid: one month laid out into the month calendar's grid, as a value.
// It knows the grid's shape (the week-number column and the today line),
// which date each of the 42 day cells shows, and the mapping between grid
// cells, day cell indexes and dates with its errors. It needs no window:
// the calendar keeps one and asks it, and tests build their own.
//
// Rows 0 and 1 lie under the title band, row 2 holds the day names, rows 3
// to 8 the six weeks and row 9, with the today line, the today line. Column
// 0 is the week-number column when there is one.

#include <cstdint>

#include "DateTimeBase.h"

namespace zar {

struct TCalendarRoutines;

// The options that change the grid's shape.
struct TMonthGridShape {
  bool WeekNumbers = false;  // a leading fixed column of week numbers
  bool TodayLine = false;    // the last row is the today line
};

// What a grid cell shows, by its place.
enum class TGridCellKind : std::uint8_t {
  Title,       // under the title band
  TodayLine,   // any column of the today line
  WeekNumber,  // the week-number cell of a week row
  DayName,     // a cell of the day-name row
  Corner,      // above the week numbers
  Day,         // one of the 42 day cells
};

class TMonthGrid {
 public:
  static constexpr int CellCount = 42;
  static constexpr int FixedRows = 3;

  // Lays out the month of Date in the given calendar. WeekStart (1..7, the
  // calendar's own weekday numbering) is the weekday of the first day
  // column. Day 1 always lands in cells 1 to 7, so cell 0 shows a day of
  // the month before. Raises the calendar's conversion error when it cannot
  // encode the month of Date (outside its years) and ECustomCalendarError
  // for a WeekStart outside 1..7.
  TMonthGrid(TDateTime Date, const TCalendarRoutines& Calendar, Word WeekStart,
             TMonthGridShape Shape);

  // ---- The month ---------------------------------------------------------------------------
  TDateTime FirstCell() const { return FFirstCell; }      // the date of day cell 0
  TDateTime LastCell() const { return FFirstCell + 41; }  // the date of day cell 41
  TDateTime MonthStart() const { return FMonthStart; }    // day 1 of the month
  TDateTime MonthEnd() const { return FMonthEnd; }        // the month's last day
  // Date (a whole day) lies within MonthStart..MonthEnd.
  bool InMonth(TDateTime Date) const { return FMonthStart <= Date && Date <= FMonthEnd; }
  // Date (a whole day) is shown by one of the 42 cells.
  bool Visible(TDateTime Date) const { return FirstCell() <= Date && Date <= LastCell(); }
  // The date of day cell Index 0..41; ECustomCalendarError for any other.
  TDateTime DateOf(int Index) const;
  // The day cell of a date, its time of day ignored; ECustomCalendarError
  // for a date outside the 42 cells.
  int IndexOf(TDateTime Date) const;
  // The index of Index's day moved into the month: day 1's for a leading
  // trailing day, the last day's for a following one.
  int IndexInMonth(int Index) const;

  // ---- The shape ---------------------------------------------------------------------------
  TMonthGridShape Shape() const { return FShape; }
  // Changes the shape; the dates stay.
  void SetShape(TMonthGridShape Value) { FShape = Value; }
  int FixedCols() const { return FShape.WeekNumbers ? 1 : 0; }
  int ColCount() const { return FixedCols() + 7; }
  int RowCount() const { return FixedRows + (FShape.TodayLine ? 7 : 6); }
  // The row of the today line, or -1 without one.
  int TodayRow() const { return FShape.TodayLine ? RowCount() - 1 : -1; }
  // The last of the six week rows.
  int LastWeekRow() const { return FixedRows + 5; }

  // ---- Cells -------------------------------------------------------------------------------
  // (ACol - FixedCols) + (ARow - FixedRows) * 7 in unsigned 16-bit
  // arithmetic; a result above 41 raises ECustomCalendarError. The
  // week-number cell of a later week row thus maps onto the last day of the
  // row above: pass day cells only.
  Word CellToIndex(Word ACol, Word ARow) const;
  // The cell of day cell Index; ECustomCalendarError above 41.
  void IndexToCell(Word Index, Word& Col, Word& Row) const;
  // The kind of any cell, by the first rule that holds: title rows, the
  // today line, week-number or day-name cell, corner, day cell.
  TGridCellKind KindOf(int ACol, int ARow) const;
  // The weekday (1..7, the calendar's numbering) of a day column;
  // ECustomCalendarError for the week-number column or beyond the last.
  Word WeekDayOf(int ACol) const;
  // The week number of a week row: that of its fourth day, so an ISO week
  // in the Gregorian calendar. ECustomCalendarError for other rows.
  Word WeekNumber(int ARow) const;

 private:
  const TCalendarRoutines* FCalendar;
  Word FWeekStart;
  TMonthGridShape FShape;
  TDateTime FFirstCell = 0;
  TDateTime FMonthStart = 0;
  TDateTime FMonthEnd = 0;
};

}  // namespace zar
