// The month grid: where a month's days fall and how cells, day cell
// indexes and dates map onto each other.

#include "MonthGrid.h"

#include <algorithm>
#include <cmath>

#include "CalendarRoutines.h"
#include "Exceptions.h"
#include "TextFormat.h"

namespace zar {

namespace {

constexpr char SInvalidColOrRow[] = "Invalid Col Or Row";
constexpr char SInvalidCellIndex[] = "Invalid cell index: %d";

}  // namespace

TMonthGrid::TMonthGrid(TDateTime Date, const TCalendarRoutines& Calendar, Word WeekStart,
                       TMonthGridShape Shape)
    : FCalendar(&Calendar), FWeekStart(WeekStart), FShape(Shape) {
  if (WeekStart < 1 || WeekStart > 7)
    throw ECustomCalendarError(Format("Invalid first weekday: %d", WeekStart));
  Word year, month, day;
  Calendar.DecodeDate(Date, year, month, day);
  FMonthStart = Calendar.EncodeDate(year, month, 1);  // raises outside the calendar's years
  FMonthEnd = FMonthStart + Calendar.DaysInMonth(year, month) - 1;
  // A month starting on the first weekday gets a whole leading week, so
  // the grid never opens on day 1.
  int lead = (Calendar.DayOfWeek(FMonthStart) - WeekStart + 7) % 7;
  if (lead == 0) lead = 7;
  FFirstCell = FMonthStart - lead;
}

TDateTime TMonthGrid::DateOf(int Index) const {
  if (Index < 0 || Index >= CellCount) throw ECustomCalendarError(Format(SInvalidCellIndex, Index));
  return FFirstCell + Index;
}

int TMonthGrid::IndexOf(TDateTime Date) const {
  const double index = std::floor(Date - FFirstCell);
  if (index < 0 || index >= CellCount)
    throw ECustomCalendarError(Format("Invalid cell date: %s", FCalendar->DateToStr(Date)));
  return static_cast<int>(index);
}

int TMonthGrid::IndexInMonth(int Index) const {
  return std::clamp(Index, static_cast<int>(FMonthStart - FFirstCell),
                    static_cast<int>(FMonthEnd - FFirstCell));
}

Word TMonthGrid::CellToIndex(Word ACol, Word ARow) const {
  const auto index = static_cast<Word>((ACol - FixedCols()) + (ARow - FixedRows) * 7);
  if (index > 41) throw ECustomCalendarError(SInvalidColOrRow);
  return index;
}

void TMonthGrid::IndexToCell(Word Index, Word& Col, Word& Row) const {
  if (Index > 41) throw ECustomCalendarError(Format(SInvalidCellIndex, Index));
  Col = static_cast<Word>(FixedCols() + Index % 7);
  Row = static_cast<Word>(FixedRows + Index / 7);
}

TGridCellKind TMonthGrid::KindOf(int ACol, int ARow) const {
  const bool weekColumn = ACol < FixedCols();
  const bool headerRow = ARow < FixedRows;
  if (ARow < FixedRows - 1) return TGridCellKind::Title;
  if (ARow == TodayRow()) return TGridCellKind::TodayLine;
  if (weekColumn != headerRow)
    return weekColumn ? TGridCellKind::WeekNumber : TGridCellKind::DayName;
  if (weekColumn) return TGridCellKind::Corner;
  return TGridCellKind::Day;
}

Word TMonthGrid::WeekDayOf(int ACol) const {
  const int column = ACol - FixedCols();
  if (column < 0 || column > 6) throw ECustomCalendarError(SInvalidColOrRow);
  return static_cast<Word>((FWeekStart - 1 + column) % 7 + 1);
}

Word TMonthGrid::WeekNumber(int ARow) const {
  if (ARow < FixedRows || ARow > LastWeekRow()) throw ECustomCalendarError(SInvalidColOrRow);
  // The fourth day: Tuesday in the solar layout, Thursday (the ISO rule)
  // in the Gregorian one.
  const Word first = CellToIndex(static_cast<Word>(FixedCols()), static_cast<Word>(ARow));
  return FCalendar->WeekOfYear(FFirstCell + first + 3);
}

}  // namespace zar
