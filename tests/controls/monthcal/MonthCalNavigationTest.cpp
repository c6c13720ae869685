// Selection and navigation with real key, mouse and wheel events: the key
// table in both reading directions, the three selection modes, the wheel
// and the options setter.

#include <gtest/gtest.h>

#include <QTest>

#include "MonthCalTestSupport.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

using NavigationTest = CalendarTest;

using Events = std::vector<std::string>;
const Events MonthAndClick{"YMChanging", "YMChange", "Click"};

struct KeyCase {
  const char* name;
  TDate start;
  Qt::Key key;
  Qt::KeyboardModifiers mods;
  bool rightToLeft;
  TMonthCalOptions removed;
  TDate expected;  // 0: unchanged
  Events events;
};

class KeyTableTest : public CalendarTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTableTest, MovesTheDateAsTheKeyTableSays) {
  const KeyCase& c = GetParam();
  Show(c.rightToLeft);
  cal->SetOptions(cal->Options() - c.removed);
  cal->SetDate(c.start);
  cal->Events.clear();
  Key(c.key, c.mods);
  EXPECT_EQ(SolarText(cal->Date()), SolarText(c.expected ? c.expected : c.start));
  EXPECT_EQ(cal->Events, c.events);
  EXPECT_EQ(cal->FirstCellDate() + cal->CellToIndex(cal->Col(), cal->Row()), cal->Date());
}

const Qt::KeyboardModifiers None{};
const Qt::KeyboardModifiers Ctrl{Qt::ControlModifier};

INSTANTIATE_TEST_SUITE_P(
    SingleMode, KeyTableTest,
    // clang-format off
    ::testing::Values(
        KeyCase{"RightWrapsIntoTheNextMonth", Solar(1403, 1, 31), Qt::Key_Right, None, false, {},
                Solar(1403, 2, 1), MonthAndClick},
        KeyCase{"RightStopsBeforeAnUnselectableTrailingDay", Solar(1403, 1, 31), Qt::Key_Right,
                None, false, {mcoSelectTrailDays}, 0, {}},
        KeyCase{"RightWrapsToTheNextRow", Solar(1403, 1, 3), Qt::Key_Right, None, false, {},
                Solar(1403, 1, 4), {"Click"}},
        KeyCase{"LeftWrapsToThePreviousRow", Solar(1403, 1, 4), Qt::Key_Left, None, false, {},
                Solar(1403, 1, 3), {"Click"}},
        KeyCase{"LeftIsForwardRightToLeft", Solar(1403, 1, 3), Qt::Key_Left, None, true, {},
                Solar(1403, 1, 4), {"Click"}},
        KeyCase{"RightIsBackwardRightToLeft", Solar(1403, 1, 4), Qt::Key_Right, None, true, {},
                Solar(1403, 1, 3), {"Click"}},
        KeyCase{"CtrlRightGoesToTheLastColumn", Solar(1403, 1, 4), Qt::Key_Right, Ctrl, false, {},
                Solar(1403, 1, 10), {"Click"}},
        KeyCase{"DownMovesAWeek", Solar(1403, 1, 4), Qt::Key_Down, None, false, {},
                Solar(1403, 1, 11), {"Click"}},
        KeyCase{"DownStopsAboveTheTodayLine", Solar(1404, 6, 31), Qt::Key_Down, None, false, {}, 0,
                {}},
        KeyCase{"UpStopsAtTheFirstWeekRow", Solar(1403, 1, 2), Qt::Key_Up, None, false, {}, 0, {}},
        KeyCase{"UpIntoTheLeadingWeek", Solar(1403, 1, 5), Qt::Key_Up, None, false, {},
                Solar(1402, 12, 27), MonthAndClick},
        KeyCase{"CtrlEndGoesToTheLastDayOfTheYear", Solar(1403, 5, 10), Qt::Key_End, Ctrl, false,
                {}, Solar(1403, 12, 30), MonthAndClick},
        KeyCase{"CtrlHomeGoesToTheFirstDayOfTheYear", Solar(1403, 5, 10), Qt::Key_Home, Ctrl, false,
                {}, Solar(1403, 1, 1), MonthAndClick},
        KeyCase{"EndGoesToTheLastDayOfTheMonth", Solar(1403, 7, 10), Qt::Key_End, None, false, {},
                Solar(1403, 7, 30), {"Click"}},
        KeyCase{"CtrlPageDownGoesAYear", Solar(1402, 12, 29), Qt::Key_PageDown, Ctrl, false, {},
                Solar(1403, 12, 29), MonthAndClick},
        KeyCase{"PageDownClampsTheDay", Solar(1403, 6, 31), Qt::Key_PageDown, None, false, {},
                Solar(1403, 7, 30), MonthAndClick},
        KeyCase{"PageUpGoesAMonthBack", Solar(1403, 2, 31), Qt::Key_PageUp, None, false, {},
                Solar(1403, 1, 31), MonthAndClick},
        KeyCase{"SpaceAloneDoesNothing", Solar(1390, 1, 1), Qt::Key_Space, None, false, {}, 0, {}},
        KeyCase{"OtherKeysAreIgnored", Solar(1390, 1, 1), Qt::Key_A, None, false, {}, 0, {}}),
    // clang-format on
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(NavigationTest, CtrlSpaceGoesToToday) {
  cal->SetDate(Solar(1390, 1, 1));
  Key(Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(cal->Date(), zar::Date());
}

TEST_F(NavigationTest, KeysNeverLeaveTheLimits) {
  cal->SetMinDate(Solar(1403, 1, 5));
  cal->SetMaxDate(Solar(1403, 1, 20));
  cal->SetDate(Solar(1403, 1, 6));
  Key(Qt::Key_Up);  // 1403/1/-1 is below the minimum: refused by SelectCell
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 6));
  Key(Qt::Key_PageDown);
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 20));
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 5));
}

// ---- Mouse ------------------------------------------------------------------------------------

TEST_F(NavigationTest, SingleClickOnATrailingDayShowsItsMonth) {
  cal->SetDate(Solar(1403, 1, 10));
  cal->Events.clear();
  ClickCell(36);  // 1403/2/2
  EXPECT_EQ(cal->Date(), Solar(1403, 2, 2));
  EXPECT_EQ(cal->Events, MonthAndClick);
}

TEST_F(NavigationTest, ClickOnTheTodayLineGoesToToday) {
  cal->SetDate(Solar(1390, 1, 1));
  Press(GridCellCenter(3, cal->RowCount() - 1));
  Release(GridCellCenter(3, cal->RowCount() - 1));
  EXPECT_EQ(cal->Date(), zar::Date());
  EXPECT_EQ(beeps, 0);
  cal->SetMaxDate(Solar(1390, 1, 1));
  Press(GridCellCenter(3, cal->RowCount() - 1));
  Release(GridCellCenter(3, cal->RowCount() - 1));
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(cal->Date(), Solar(1390, 1, 1));
}

TEST_F(NavigationTest, RangeDragStopsAtMaxSelectRange) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoRangeSelect});
  cal->SetMaxSelectRange(5);
  cal->SetDate(Solar(1403, 1, 10));
  const int day10 = IndexOf(Solar(1403, 1, 10));
  Press(CellCenter(day10));
  for (int i = 1; i <= 10; ++i) MoveTo(CellCenter(day10 + i));
  EXPECT_EQ(cal->SelectedCount(), 5);
  EXPECT_EQ(cal->RangeStart(), Solar(1403, 1, 10));
  EXPECT_EQ(cal->RangeEnd(), Solar(1403, 1, 14));
  MoveTo(CellCenter(day10 - 2));
  Release(CellCenter(day10 - 2));
  EXPECT_EQ(cal->RangeStart(), Solar(1403, 1, 8));
  EXPECT_EQ(cal->RangeEnd(), Solar(1403, 1, 10));
  EXPECT_EQ(cal->SelectedCount(), 3);
  EXPECT_TRUE(cal->IsSelected(Solar(1403, 1, 9)));
  EXPECT_FALSE(cal->IsSelected(Solar(1403, 1, 11)));
}

TEST_F(NavigationTest, RangeDraggedBackwardsStartsAtTheEarlierDay) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoRangeSelect});
  cal->SetDate(Solar(1403, 1, 20));
  Press(CellCenter(IndexOf(Solar(1403, 1, 20))));
  MoveTo(CellCenter(IndexOf(Solar(1403, 1, 15))));
  MoveTo(CellCenter(IndexOf(Solar(1403, 1, 12))));
  cal->Events.clear();
  Release(CellCenter(IndexOf(Solar(1403, 1, 12))));
  EXPECT_EQ(cal->RangeStart(), Solar(1403, 1, 12));
  EXPECT_EQ(cal->RangeEnd(), Solar(1403, 1, 20));
  EXPECT_EQ(cal->SelectedCount(), 9);
  EXPECT_EQ(cal->Events, Events{"Click"});
  // Shift+click moves the free end; a key without Shift collapses.
  ClickCell(IndexOf(Solar(1403, 1, 25)), Qt::ShiftModifier);
  EXPECT_EQ(cal->RangeStart(), Solar(1403, 1, 20));
  EXPECT_EQ(cal->RangeEnd(), Solar(1403, 1, 25));
  Key(Qt::Key_Right);
  EXPECT_EQ(cal->SelectedCount(), 1);
  EXPECT_EQ(cal->RangeStart(), Solar(1403, 1, 26));
}

TEST_F(NavigationTest, MultiCtrlPressesAddAndRemoveDays) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoMultiSelect});
  cal->SetDate(Solar(1403, 1, 10));
  ClickCell(IndexOf(Solar(1403, 1, 3)));
  ClickCell(IndexOf(Solar(1403, 1, 7)), Qt::ControlModifier);
  EXPECT_EQ(cal->SelectedCount(), 2);
  ClickCell(IndexOf(Solar(1403, 1, 3)), Qt::ControlModifier);
  EXPECT_EQ(cal->SelectedCount(), 1);
  EXPECT_TRUE(cal->IsSelected(Solar(1403, 1, 7)));
  EXPECT_FALSE(cal->IsSelected(Solar(1403, 1, 3)));
}

TEST_F(NavigationTest, MultiDragFlipsTheCellsItReaches) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoMultiSelect});
  cal->SetDate(Solar(1403, 1, 10));
  const int day5 = IndexOf(Solar(1403, 1, 5));
  Press(CellCenter(day5));
  for (int i = 1; i <= 4; ++i) MoveTo(CellCenter(day5 + i));
  EXPECT_EQ(cal->SelectedCount(), 5);
  MoveTo(CellCenter(day5 + 3));
  MoveTo(CellCenter(day5 + 2));
  Release(CellCenter(day5 + 2));
  EXPECT_EQ(cal->SelectedCount(), 3);
  for (int d = 5; d <= 9; ++d) EXPECT_EQ(cal->IsSelected(Solar(1403, 1, d)), d <= 7) << d;
}

TEST_F(NavigationTest, MultiHeaderPressesToggleAWeekdayColumn) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoMultiSelect});
  cal->SetMaxDate(Solar(1403, 1, 25));
  cal->SetDate(Solar(1403, 1, 10));
  const QPoint header = GridCellCenter(5, 2);  // weekday 6: Thursdays
  Press(header);
  Release(header);
  // The Thursdays 1403/1/2, 9, 16 and 23 are selectable; 1403/1/30 and 1403/2/6 lie beyond
  // the maximum.
  EXPECT_EQ(cal->SelectedCount(), 4);
  EXPECT_TRUE(cal->IsSelected(Solar(1403, 1, 23)));
  EXPECT_EQ(cal->CellToIndex(cal->Col(), cal->Row()), 26);
  EXPECT_EQ(cal->Date(), Solar(1403, 1, 10));
  Press(header, Qt::ControlModifier);
  Release(header, Qt::ControlModifier);
  EXPECT_EQ(cal->SelectedCount(), 0);
  ClickCell(IndexOf(Solar(1403, 1, 1)));
  Press(header);
  Release(header);
  EXPECT_EQ(cal->SelectedCount(), 4);
  EXPECT_FALSE(cal->IsSelected(Solar(1403, 1, 1)));
}

TEST_F(NavigationTest, MultiWeekNumberAndCornerPressesToggleRowsAndAll) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoMultiSelect, mcoWeekNumbers});
  cal->SetDate(Solar(1403, 1, 10));
  Press(GridCellCenter(0, 4));
  Release(GridCellCenter(0, 4));
  EXPECT_EQ(cal->SelectedCount(), 7);
  Press(GridCellCenter(0, 2));
  Release(GridCellCenter(0, 2));
  EXPECT_EQ(cal->SelectedCount(), 42);
}

TEST_F(NavigationTest, ShiftArrowsExtendARangeWithinMaxSelectRange) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoRangeSelect});
  cal->SetMaxSelectRange(3);
  cal->SetDate(Solar(1403, 1, 10));
  for (int i = 0; i < 4; ++i) Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(cal->SelectedCount(), 3);
  EXPECT_EQ(cal->RangeEnd(), Solar(1403, 1, 12));
  Key(Qt::Key_End, Qt::ShiftModifier);  // Shift+End ignores the limit
  EXPECT_EQ(cal->RangeEnd(), Solar(1403, 1, 31));
  EXPECT_EQ(cal->RangeStart(), Solar(1403, 1, 10));
}

// ---- Wheel -------------------------------------------------------------------------------------

TEST_F(NavigationTest, WheelStepsMonthsAndYearsWithinTheLimits) {
  cal->SetDate(Solar(1403, 1, 15));
  cal->Events.clear();
  Wheel(-1);
  EXPECT_EQ(cal->Date(), Solar(1403, 2, 15));
  EXPECT_EQ(cal->Events, MonthAndClick);
  Wheel(1, Qt::ControlModifier);
  EXPECT_EQ(cal->Date(), Solar(1402, 2, 15));
  cal->SetDate(Solar(1403, 1, 15));
  Wheel(-1, Qt::ControlModifier);
  EXPECT_EQ(cal->Date(), Solar(1404, 1, 15));
  cal->SetDate(Solar(1403, 1, 15));
  cal->SetMaxDate(Solar(1403, 6, 1));
  Wheel(-1, Qt::ControlModifier);
  EXPECT_EQ(cal->Date(), Solar(1403, 6, 1));
}

TEST_F(NavigationTest, WheelCollapsesAMultiDaySelection) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoRangeSelect});
  cal->SetDate(Solar(1403, 1, 28));
  DragDays(Solar(1403, 1, 28), Solar(1403, 2, 3));
  EXPECT_EQ(cal->MonthStart(), Solar(1403, 1, 1));  // a trailing end keeps the month
  EXPECT_EQ(cal->Date(), Solar(1403, 2, 3));
  Wheel(-1);
  EXPECT_EQ(cal->Date(), Solar(1403, 2, 31));  // collapsed to 1/31, then a month on
  EXPECT_EQ(cal->SelectedCount(), 1);
}

// ---- Options
// -------------------------------------------------------------------------------------

TEST_F(NavigationTest, OptionsSetterKeepsTheOptionsConsistent) {
  const TMonthCalOptions defaults = cal->Options();
  cal->SetOptions(defaults + TMonthCalOptions{mcoMultiSelect, mcoRangeSelect});
  EXPECT_TRUE(cal->Options().Contains(mcoRangeSelect));
  EXPECT_FALSE(cal->Options().Contains(mcoMultiSelect));
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoMultiSelect});
  EXPECT_TRUE(cal->Options().Contains(mcoMultiSelect));
  EXPECT_FALSE(cal->Options().Contains(mcoRangeSelect));
  cal->SetOptions(cal->Options() - TMonthCalOptions{mcoTrailingDays});
  EXPECT_FALSE(cal->Options().Contains(mcoSelectTrailDays));
}

TEST_F(NavigationTest, ChangingTheModeCollapsesTheSelectionAndClicks) {
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoRangeSelect});
  cal->SetDate(Solar(1403, 1, 10));
  DragDays(Solar(1403, 1, 10), Solar(1403, 1, 13));
  cal->Events.clear();
  cal->SetOptions(cal->Options() - TMonthCalOptions{mcoRangeSelect} +
                  TMonthCalOptions{mcoMultiSelect});
  EXPECT_EQ(cal->SelectedCount(), 1);
  EXPECT_TRUE(cal->IsSelected(cal->Date()));
  EXPECT_FALSE(cal->Events.empty());
  EXPECT_EQ(cal->Events.back(), "Click");
}

TEST_F(NavigationTest, TodayLineOptionResizesTheRowsWithoutAutoSize) {
  cal->SetAutoSize(false);
  cal->SetClientWidth(363);
  cal->SetClientHeight(149);
  QCoreApplication::processEvents();
  ASSERT_EQ(cal->DefaultRowHeight(), 14);
  cal->SetOptions(cal->Options() - TMonthCalOptions{mcoToday});
  EXPECT_EQ(cal->RowCount(), 9);
  EXPECT_EQ(cal->ClientHeight(), 134);
  EXPECT_EQ(cal->DefaultRowHeight(), 14);
}

TEST_F(NavigationTest, WeekNumberOptionKeepsTheCurrentCellOnTheDate) {
  cal->SetDate(Solar(1403, 1, 15));
  cal->SetOptions(cal->Options() + TMonthCalOptions{mcoWeekNumbers});
  EXPECT_EQ(cal->Col(), 5);
  EXPECT_EQ(cal->FirstCellDate() + cal->CellToIndex(cal->Col(), cal->Row()), Solar(1403, 1, 15));
  cal->SetOptions(cal->Options() - TMonthCalOptions{mcoWeekNumbers});
  EXPECT_EQ(cal->Col(), 4);
}

}  // namespace
}  // namespace zar::test
