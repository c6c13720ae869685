// The month grid and the day selection as plain values, without a window:
// layouts of months starting on every weekday in both calendars, the
// boundary years, the cell and index mappings with their errors, and the
// selection modes with their range limit, toggles and collapse.

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "CalendarRoutines.h"
#include "DaySelection.h"
#include "Exceptions.h"
#include "MonthCalTestSupport.h"
#include "MonthGrid.h"

namespace zar::test {
namespace {

using TCellMask = TDaySelection::TCellMask;

TCellMask Cells(std::initializer_list<int> indexes) {
  TCellMask mask = 0;
  for (const int i : indexes) mask |= TCellMask{1} << i;
  return mask;
}

TCellMask Span(int low, int high) {
  TCellMask mask = 0;
  for (int i = low; i <= high; ++i) mask |= TCellMask{1} << i;
  return mask;
}

const TCalendarRoutines& RoutinesOf(bool gregorian) { return CalendarRoutines(gregorian); }

TMonthGrid GridOf(TDateTime date, bool gregorian = false, TMonthGridShape shape = {}) {
  return TMonthGrid(date, RoutinesOf(gregorian), 1, shape);
}

// ---- Layouts -------------------------------------------------------------------------------

struct MonthCase {
  const char* name;
  bool gregorian;
  TDate dayOne;
  int lead;  // day cells before day 1
  int days;
};

// 1403/1/1 is a Wednesday; the solar months 1 to 6 have 31 days, so the
// first seven months of 1403 start on seven different weekdays. The
// Gregorian months are those of 2024, a leap year starting on a Monday.
const std::vector<MonthCase> WeekdayStarts = {
    {"1403/1 Wednesday", false, Solar(1403, 1, 1), 4, 31},
    {"1403/2 Saturday", false, Solar(1403, 2, 1), 7, 31},
    {"1403/3 Tuesday", false, Solar(1403, 3, 1), 3, 31},
    {"1403/4 Friday", false, Solar(1403, 4, 1), 6, 31},
    {"1403/5 Monday", false, Solar(1403, 5, 1), 2, 31},
    {"1403/6 Thursday", false, Solar(1403, 6, 1), 5, 31},
    {"1403/7 Sunday", false, Solar(1403, 7, 1), 1, 30},
    {"2024-01 Monday", true, Greg(2024, 1, 1), 7, 31},
    {"2024-10 Tuesday", true, Greg(2024, 10, 1), 1, 31},
    {"2024-05 Wednesday", true, Greg(2024, 5, 1), 2, 31},
    {"2024-02 Thursday", true, Greg(2024, 2, 1), 3, 29},
    {"2024-03 Friday", true, Greg(2024, 3, 1), 4, 31},
    {"2024-06 Saturday", true, Greg(2024, 6, 1), 5, 30},
    {"2024-09 Sunday", true, Greg(2024, 9, 1), 6, 30},
    // Esfand of a common and of a leap solar year.
    {"1402/12 common", false, Solar(1402, 12, 1), 3, 29},
    {"1403/12 leap", false, Solar(1403, 12, 1), 4, 30},
    // The last month the calendars show: 9999-12-31 is a Friday.
    {"9999-12 Wednesday", true, Greg(9999, 12, 1), 2, 31},
};

TEST(MonthGridTest, LaysOutMonthsStartingOnEveryWeekday) {
  for (const MonthCase& c : WeekdayStarts) {
    SCOPED_TRACE(c.name);
    // Any day of the month, with a time of day, lays out the same month.
    for (const TDateTime date : {c.dayOne, c.dayOne + c.days - 1 + 0.5, c.dayOne + 12.25}) {
      const TMonthGrid grid = GridOf(date, c.gregorian);
      EXPECT_EQ(grid.MonthStart(), c.dayOne);
      EXPECT_EQ(grid.MonthEnd(), c.dayOne + c.days - 1);
      EXPECT_EQ(grid.FirstCell(), c.dayOne - c.lead);
      EXPECT_EQ(grid.LastCell(), c.dayOne - c.lead + 41);
      EXPECT_EQ(grid.IndexOf(c.dayOne), c.lead);
      EXPECT_TRUE(grid.InMonth(grid.MonthEnd()));
      EXPECT_FALSE(grid.InMonth(grid.MonthStart() - 1));
      EXPECT_FALSE(grid.InMonth(grid.MonthEnd() + 1));
    }
  }
}

// The first day column may show another weekday than the calendar's first.
TEST(MonthGridTest, LeadFollowsTheWeekStart) {
  const struct {
    Word weekStart;
    int lead;
  } cases[] = {{1, 4}, {2, 3}, {5, 7}, {6, 6}, {7, 5}};  // 1403/1/1: weekday 5
  for (const auto& c : cases) {
    SCOPED_TRACE(c.weekStart);
    const TMonthGrid grid(Solar(1403, 1, 10), SolarRoutines, c.weekStart, {});
    EXPECT_EQ(grid.MonthStart() - grid.FirstCell(), c.lead);
    EXPECT_EQ(grid.WeekDayOf(0), c.weekStart);
    EXPECT_EQ(grid.WeekDayOf(6), (c.weekStart + 5) % 7 + 1);
  }
  for (const Word bad : {0, 8})
    EXPECT_THROW(TMonthGrid(Solar(1403, 1, 10), SolarRoutines, bad, {}), ECustomCalendarError);
}

// The first and last years the calendars show lay out like any other: the
// first day column holds weekday 1, day 1 lands in cells 1 to 7.
TEST(MonthGridTest, LaysOutTheFirstAndLastSupportedYears) {
  const struct {
    bool gregorian;
    Word year, month;
  } cases[] = {{false, 100, 1}, {false, 9999, 12}, {true, 722, 1}, {true, 9999, 12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + (c.gregorian ? " Gregorian" : " solar"));
    const TCalendarRoutines& calendar = RoutinesOf(c.gregorian);
    const TDate dayOne = calendar.EncodeDate(c.year, c.month, 1);
    const TMonthGrid grid = GridOf(dayOne + 5, c.gregorian);
    EXPECT_EQ(grid.MonthStart(), dayOne);
    EXPECT_EQ(calendar.DayOfWeek(grid.FirstCell()), 1);
    EXPECT_GE(grid.MonthStart() - grid.FirstCell(), 1);
    EXPECT_LE(grid.MonthStart() - grid.FirstCell(), 7);
    Word year, month, day;
    calendar.DecodeDate(grid.MonthEnd(), year, month, day);
    EXPECT_EQ(year, c.year);
    EXPECT_EQ(month, c.month);
    EXPECT_GE(day, 29);
    calendar.DecodeDate(grid.MonthStart() - 1, year, month, day);
    EXPECT_NE(month, c.month);
  }
}

// A date before the solar epoch decodes to no month at all.
TEST(MonthGridTest, RefusesADateTheCalendarCannotShow) {
  EXPECT_THROW(GridOf(-500000.0), EConvertError);
}

// ---- Cells, indexes and dates -----------------------------------------------------------------

TEST(MonthGridTest, IndexesAndDatesRoundTrip) {
  for (const bool weekNumbers : {false, true}) {
    SCOPED_TRACE(weekNumbers ? "week numbers" : "no week numbers");
    const TMonthGrid grid = GridOf(Solar(1404, 6, 10), false, {weekNumbers, true});
    for (int i = 0; i < TMonthGrid::CellCount; ++i) {
      const TDateTime date = grid.DateOf(i);
      EXPECT_EQ(date, grid.FirstCell() + i);
      EXPECT_EQ(grid.IndexOf(date), i);
      EXPECT_EQ(grid.IndexOf(date + 0.9), i);  // the time of day does not count
      Word col, row;
      grid.IndexToCell(static_cast<Word>(i), col, row);
      EXPECT_EQ(col, grid.FixedCols() + i % 7);
      EXPECT_EQ(row, 3 + i / 7);
      EXPECT_EQ(grid.CellToIndex(col, row), i);
      EXPECT_EQ(grid.KindOf(col, row), TGridCellKind::Day);
    }
  }
}

TEST(MonthGridTest, CellsAndDatesOutsideTheDayAreaRaise) {
  const struct {
    bool weekNumbers;
    Word col, row;
  } cells[] = {
      {true, 0, 3},   // the week number of the first week row
      {true, 3, 2},   // a day name
      {true, 0, 0},   // under the title
      {true, 1, 10},  // below the today line
      {false, 7, 8},  // right of the last day
      {false, 0, 9},  // the today line
  };
  for (const auto& c : cells) {
    SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row));
    const TMonthGrid grid = GridOf(Solar(1403, 1, 1), false, {c.weekNumbers, true});
    EXPECT_THROW(grid.CellToIndex(c.col, c.row), ECustomCalendarError);
  }
  const TMonthGrid grid = GridOf(Solar(1403, 1, 1), false, {true, true});
  Word col, row;
  try {
    grid.IndexToCell(42, col, row);
    ADD_FAILURE() << "IndexToCell(42) did not raise";
  } catch (const ECustomCalendarError& e) {
    EXPECT_EQ(e.Message(), "Invalid cell index: 42");
  }
  EXPECT_THROW(grid.DateOf(-1), ECustomCalendarError);
  EXPECT_THROW(grid.DateOf(42), ECustomCalendarError);
  EXPECT_THROW(grid.IndexOf(grid.FirstCell() - 1), ECustomCalendarError);
  EXPECT_THROW(grid.IndexOf(grid.FirstCell() - 0.5), ECustomCalendarError);
  EXPECT_THROW(grid.IndexOf(grid.LastCell() + 1), ECustomCalendarError);
  EXPECT_THROW(grid.WeekNumber(2), ECustomCalendarError);
  EXPECT_THROW(grid.WeekNumber(9), ECustomCalendarError);
  EXPECT_THROW(grid.WeekDayOf(0), ECustomCalendarError);
  EXPECT_THROW(grid.WeekDayOf(8), ECustomCalendarError);
}

TEST(MonthGridTest, ShapeFollowsWeekNumbersAndTheTodayLine) {
  const struct {
    TMonthGridShape shape;
    int fixedCols, colCount, rowCount, todayRow;
  } cases[] = {
      {{false, false}, 0, 7, 9, -1},
      {{false, true}, 0, 7, 10, 9},
      {{true, false}, 1, 8, 9, -1},
      {{true, true}, 1, 8, 10, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.shape.WeekNumbers) + std::to_string(c.shape.TodayLine));
    TMonthGrid grid = GridOf(Solar(1403, 1, 1));
    const TDateTime first = grid.FirstCell();
    grid.SetShape(c.shape);
    EXPECT_EQ(grid.FixedCols(), c.fixedCols);
    EXPECT_EQ(grid.ColCount(), c.colCount);
    EXPECT_EQ(grid.RowCount(), c.rowCount);
    EXPECT_EQ(grid.TodayRow(), c.todayRow);
    EXPECT_EQ(grid.FirstCell(), first);  // the dates stay
  }
}

TEST(MonthGridTest, TellsTheKindOfEveryCell) {
  const struct {
    TMonthGridShape shape;
    int col, row;
    TGridCellKind kind;
  } cases[] = {
      {{true, true}, 0, 0, TGridCellKind::Title},
      {{true, true}, 5, 1, TGridCellKind::Title},
      {{true, true}, 0, 2, TGridCellKind::Corner},
      {{true, true}, 1, 2, TGridCellKind::DayName},
      {{true, true}, 0, 3, TGridCellKind::WeekNumber},
      {{true, true}, 0, 8, TGridCellKind::WeekNumber},
      {{true, true}, 0, 9, TGridCellKind::TodayLine},
      {{true, true}, 7, 9, TGridCellKind::TodayLine},
      {{true, true}, 1, 3, TGridCellKind::Day},
      {{false, true}, 0, 2, TGridCellKind::DayName},
      {{false, true}, 0, 3, TGridCellKind::Day},
      {{false, false}, 6, 8, TGridCellKind::Day},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row));
    EXPECT_EQ(GridOf(Solar(1403, 1, 1), false, c.shape).KindOf(c.col, c.row), c.kind);
  }
}

// A row's week number is that of its fourth day: the solar first-week rule
// gives 1403/1 the weeks 53, 1..5; the Gregorian rows are ISO weeks.
TEST(MonthGridTest, NumbersTheWeekRows) {
  const struct {
    bool gregorian;
    TDate date;
    std::vector<Word> weeks;
  } cases[] = {
      {false, Solar(1403, 1, 1), {53, 1, 2, 3, 4, 5}},
      {true, Greg(2024, 3, 1), {9, 10, 11, 12, 13, 14}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gregorian ? "Gregorian" : "solar");
    const TMonthGrid grid = GridOf(c.date, c.gregorian, {true, true});
    for (int row = 3; row <= 8; ++row) EXPECT_EQ(grid.WeekNumber(row), c.weeks.at(row - 3)) << row;
  }
}

TEST(MonthGridTest, MovesAnIndexIntoTheMonth) {
  const TMonthGrid grid = GridOf(Solar(1403, 1, 1));  // day 1 in cell 4, day 31 in cell 34
  const struct {
    int index, inMonth;
  } cases[] = {{0, 4}, {3, 4}, {4, 4}, {20, 20}, {34, 34}, {35, 34}, {41, 34}};
  for (const auto& c : cases) EXPECT_EQ(grid.IndexInMonth(c.index), c.inMonth) << c.index;
}

// ---- The day selection ---------------------------------------------------------------------

TDaySelection SelectionOf(TSelectMode mode, int current, Integer maxRange = 0) {
  TDaySelection selection;
  selection.SetMode(mode);
  selection.SetMaxRange(maxRange);
  selection.Reset(current, true);
  return selection;
}

TEST(DaySelectionTest, RangeLimitHoldsInBothDirections) {
  const struct {
    Integer maxRange;
    int end;
    bool allowed;
  } cases[] = {
      {5, 10, true}, {5, 14, true},  {5, 15, false}, {5, 6, true},  {5, 5, false},
      {1, 10, true}, {1, 11, false}, {1, 9, false},  {0, 41, true}, {-3, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.maxRange) + " to " + std::to_string(c.end));
    EXPECT_EQ(SelectionOf(TSelectMode::Range, 10, c.maxRange).AllowsEnd(c.end), c.allowed);
  }
  // Other modes know no limit.
  EXPECT_TRUE(SelectionOf(TSelectMode::Multi, 10, 5).AllowsEnd(30));
  EXPECT_TRUE(SelectionOf(TSelectMode::Single, 10, 5).AllowsEnd(30));
}

TEST(DaySelectionTest, RangeFollowsItsMovingEnd) {
  const struct {
    int anchor;
    std::vector<int> ends;  // the end's steps
    int low, high;
    Word count;
    TCellMask lastRepaint;
  } cases[] = {
      {10, {11, 12, 13, 14}, 10, 14, 5, Cells({13, 14})},
      {10, {14, 8}, 8, 10, 3, Span(8, 14)},  // back across the anchor
      {20, {12}, 12, 20, 9, Span(12, 20)},   // pressed at the later end
      {20, {20}, 20, 20, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.anchor);
    TDaySelection selection = SelectionOf(TSelectMode::Range, c.anchor);
    TCellMask repaint = 0;
    for (const int end : c.ends) repaint = selection.Extend(end);
    EXPECT_EQ(selection.Anchor(), c.anchor);
    EXPECT_EQ(selection.Low(), c.low);
    EXPECT_EQ(selection.High(), c.high);
    EXPECT_EQ(selection.Count(), c.count);
    EXPECT_EQ(selection.HasMany(), c.count > 1);
    EXPECT_EQ(repaint, c.lastRepaint);
    for (int i = 0; i < 42; ++i)
      EXPECT_EQ(selection.IsSelected(i, c.anchor), c.low <= i && i <= c.high) << i;
  }
}

// Press is a press without Ctrl after a reset to nothing, or a Ctrl+press.
TEST(DaySelectionTest, MultiSelectTogglesDaysAndDrags) {
  enum Step { Reset, Press, Extend };
  const struct {
    const char* name;
    std::vector<std::pair<Step, int>> steps;
    TCellMask cells;
    TCellMask lastRepaint;
  } cases[] = {
      {"ctrl toggles", {{Reset, 3}, {Press, 3}, {Press, 7}, {Press, 3}}, Cells({7}), Cells({3})},
      // The first step away from the anchor repaints the anchor too.
      {"drag over unselected days", {{Reset, 5}, {Press, 5}, {Extend, 9}}, Span(5, 9), Span(5, 9)},
      {"drag back", {{Reset, 5}, {Press, 5}, {Extend, 9}, {Extend, 7}}, Span(5, 7), Cells({8, 9})},
      {"drag across the anchor",
       {{Reset, 10}, {Press, 10}, {Extend, 12}, {Extend, 8}},
       Span(8, 10),
       Span(8, 12)},
      // A drag from a selected day flips the days it reaches, selected or not.
      {"drag over selected days",
       {{Reset, 6}, {Press, 6}, {Press, 7}, {Press, 2}, {Extend, 8}},
       Cells({2, 3, 4, 5, 8}),
       Span(2, 8)},
      {"no step", {{Reset, 4}, {Press, 4}, {Extend, 4}}, Cells({4}), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TDaySelection selection;
    selection.SetMode(TSelectMode::Multi);
    TCellMask repaint = 0;
    for (const auto& [step, index] : c.steps) {
      if (step == Reset)
        repaint = selection.Reset(index, false);
      else if (step == Press)
        repaint = selection.Press(index);
      else
        repaint = selection.Extend(index);
    }
    EXPECT_EQ(selection.Cells(), c.cells);
    EXPECT_EQ(selection.Count(), std::popcount(c.cells));
    EXPECT_EQ(selection.HasMany(), std::popcount(c.cells) > 1);
    EXPECT_EQ(repaint, c.lastRepaint);
    for (int i = 0; i < 42; ++i) EXPECT_EQ(selection.IsSelected(i, 0), ((c.cells >> i) & 1U) != 0);
  }
}

TEST(DaySelectionTest, GroupsSelectAllOrClearAll) {
  const TCellMask column = Cells({5, 12, 19, 26, 33, 40});
  const struct {
    const char* name;
    TCellMask before;
    TCellMask after;
  } cases[] = {
      {"none selected", 0, column},
      {"some selected", Cells({12, 2}), column | Cells({2})},
      {"all selected", column | Cells({2}), Cells({2})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TDaySelection selection;
    selection.SetMode(TSelectMode::Multi);
    selection.Reset(0, false);
    for (int i = 0; i < 42; ++i)
      if ((c.before >> i) & 1U) selection.Flip(i);
    EXPECT_EQ(selection.ToggleGroup(column), column);
    EXPECT_EQ(selection.Cells(), c.after);
  }
}

TEST(DaySelectionTest, ResetAndCollapseLeaveOneDay) {
  const struct {
    const char* name;
    TSelectMode mode;
    int anchor, end;
    bool selectCurrent;
    int current;
    TCellMask repaint;  // the cells selected before
    Word count;
  } cases[] = {
      {"range collapses", TSelectMode::Range, 12, 20, true, 15, Span(12, 20), 1},
      {"range reversed", TSelectMode::Range, 20, 12, false, 3, Span(12, 20), 1},
      {"multi collapses", TSelectMode::Multi, 12, 14, true, 13, Span(12, 14), 1},
      {"multi empties", TSelectMode::Multi, 12, 14, false, 13, Span(12, 14), 0},
      {"single keeps nothing", TSelectMode::Single, 0, 0, true, 7, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TDaySelection selection = SelectionOf(c.mode, c.anchor);
    selection.Extend(c.end);
    const TCellMask repaint =
        c.selectCurrent ? selection.Collapse(c.current) : selection.Reset(c.current, false);
    EXPECT_EQ(repaint, c.repaint);
    EXPECT_EQ(selection.Count(), c.count);
    EXPECT_FALSE(selection.HasMany());
    if (c.mode != TSelectMode::Single) {
      EXPECT_EQ(selection.Anchor(), c.current);
      EXPECT_EQ(selection.End(), c.current);
    }
    EXPECT_EQ(selection.IsSelected(c.current, c.current), c.count == 1);
    EXPECT_FALSE(selection.IsSelected(c.current + 1, c.current));
  }
}

// A mode switch keeps the fields: the owner decides when to reset them.
TEST(DaySelectionTest, ModeDecidesWhatTheFieldsMean) {
  TDaySelection selection = SelectionOf(TSelectMode::Range, 10);
  selection.Extend(13);
  EXPECT_EQ(selection.Count(), 4);
  selection.SetMode(TSelectMode::Single);
  EXPECT_EQ(selection.Count(), 1);
  EXPECT_FALSE(selection.HasMany());
  EXPECT_TRUE(selection.IsSelected(30, 30));
  EXPECT_FALSE(selection.IsSelected(11, 30));
  EXPECT_EQ(selection.Extend(20), 0u);
  selection.SetMode(TSelectMode::Range);
  EXPECT_EQ(selection.Low(), 10);
  EXPECT_EQ(selection.High(), 13);
}

}  // namespace
}  // namespace zar::test
