// Segment editing driven by real key, mouse and wheel events.

#include <gtest/gtest.h>

#include <QCursor>
#include <QTest>

#include "GregorianDates.h"
#include "PickerTestSupport.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

// The year ending in the two digits yy within the century window of the
// current solar year (W = 50).
Word WindowYear(int yy) {
  const int low = ZarCurrentYear() - 50;
  int year = low / 100 * 100 + yy;
  if (year < low) year += 100;
  return static_cast<Word>(year);
}

Word NonLeapSolarYear() {
  Word y = 1400;
  while (ZarIsLeapYear(y)) ++y;
  return y;
}

using Parts = std::array<Word, 3>;

// ---- Typing tables -----------------------------------------------------------------

struct TypingCase {
  const char* name;
  TAutoMoveDirection direction;
  bool intelli;
  Parts start;
  const char* keys;
  Parts expected;
  TDatePickerSegment segment;  // caret afterwards
  bool editing;                // an entry is still pending
  int changes;
};

class PickerTypingTest : public PickerTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(PickerTypingTest, KeysGivePartsCaretAndChanges) {
  const TypingCase& c = GetParam();
  picker->SetAutoMoveDirection(c.direction);
  picker->SetIntelliYearDigits(c.intelli);
  SetValue(c.start[0], c.start[1], c.start[2]);
  FocusAway();
  FocusBack();
  Keys(c.keys);
  EXPECT_EQ((Parts{picker->Year, picker->Month, picker->Day}), c.expected);
  EXPECT_EQ(picker->CurrentSegment, c.segment);
  EXPECT_EQ(picker->Editing, c.editing);
  EXPECT_EQ(changes, c.changes);
}

const Word Y = NonLeapSolarYear();

INSTANTIATE_TEST_SUITE_P(
    DateKind, PickerTypingTest,
    // clang-format off
    ::testing::Values(
        TypingCase{"DayThenMonth", amdDMY, true, {1400, 7, 7}, "25 03", {1400, 3, 25}, dsYear,
                   false, 2},
        TypingCase{"DayFirstYearWaits", amdDMY, true, {1400, 7, 7}, "25 03 90",
                   {90, 3, 25}, dsYear, true, 2},
        TypingCase{"YmdTwoYearDigitsComplete", amdYMD, true, {1400, 7, 7}, "90",
                   {WindowYear(90), 7, 7}, dsMonth, false, 1},
        TypingCase{"YmdShortYear", amdYMD, true, {1400, 7, 7}, "13", {WindowYear(13), 7, 7},
                   dsMonth, false, 1},
        TypingCase{"FourYearDigitsWithoutIntelli", amdYMD, false, {1400, 7, 7}, "1390",
                   {1390, 7, 7}, dsMonth, false, 1},
        TypingCase{"MonthTwelve", amdYMD, true, {1400, 7, 7}, "Right 12", {1400, 12, 7},
                   dsDay, false, 1},
        TypingCase{"MonthOneWaits", amdYMD, true, {1400, 7, 7}, "Right 1", {1400, 1, 7},
                   dsMonth, true, 0},
        TypingCase{"MonthThreeAtOnce", amdYMD, true, {1400, 7, 7}, "Right 3", {1400, 3, 7},
                   dsDay, false, 1},
        TypingCase{"MonthLeadingZero", amdYMD, true, {1400, 7, 7}, "Right 05", {1400, 5, 7},
                   dsDay, false, 1},
        TypingCase{"LastDayStaysInYmd", amdYMD, true, {1400, 7, 7}, "Left 28", {1400, 7, 28},
                   dsDay, false, 1},
        // Day first, in the last month of a common year (29 days).
        TypingCase{"DayOneMovesToMonthOne", amdDMY, true, {Y, 12, 3}, "1", {Y, 1, 1}, dsDay,
                   true, 0},
        TypingCase{"DayThirtyMovesToMonthOne", amdDMY, true, {Y, 12, 3}, "30", {Y, 1, 30},
                   dsMonth, false, 1},
        // Month first: the refused 30 counts as a leading zero.
        TypingCase{"RefusedDayIsALeadingZero", amdYMD, true, {Y, 12, 20}, "Left 30",
                   {Y, 12, 3}, dsDay, true, 0},
        TypingCase{"RefusedDayThenDigit", amdYMD, true, {Y, 12, 20}, "Left 305", {Y, 12, 5},
                   dsDay, false, 1},
        TypingCase{"UpOnTheLastDayWraps", amdDMY, true, {1400, 1, 31}, "Up", {1400, 1, 1},
                   dsDay, false, 1},
        TypingCase{"DownOnMonthOneClampsTheDay", amdDMY, true, {Y, 1, 31}, "Left Down",
                   {Y, 12, 29}, dsMonth, false, 1},
        TypingCase{"UpOnTheLastYear", amdYMD, true, {9999, 1, 1}, "Up", {100, 1, 1}, dsYear,
                   false, 1},
        TypingCase{"DownOnTheFirstYear", amdYMD, true, {100, 1, 1}, "Down", {9999, 1, 1},
                   dsYear, false, 1},
        TypingCase{"CtrlEndIsTheLastDayOfTheYear", amdDMY, true, {Y, 4, 4}, "C-End",
                   {Y, 12, 29}, dsDay, false, 1},
        TypingCase{"CtrlHomeIsTheFirstDayOfTheYear", amdDMY, true, {Y, 4, 4}, "C-Home",
                   {Y, 1, 1}, dsDay, false, 1},
        TypingCase{"HomeAndEndOnTheMonth", amdDMY, true, {Y, 4, 30}, "Left End",
                   {Y, 12, 29}, dsMonth, false, 1},
        TypingCase{"HomeOnTheYearIsTheWindowStart", amdYMD, true, {1400, 7, 7}, "Home",
                   {Word(ZarCurrentYear() - 50), 7, 7}, dsYear, false, 1},
        TypingCase{"EndOnTheYearIsTheWindowEnd", amdYMD, true, {1400, 7, 7}, "End",
                   {Word(ZarCurrentYear() + 49), 7, 7}, dsYear, false, 1},
        TypingCase{"PageKeysMoveByDaysAndWeeks", amdDMY, true, {1400, 1, 10},
                   "PgUp C-PgUp PgDn", {1400, 1, 17}, dsDay, false, 3},
        TypingCase{"KeypadPlusAndMinus", amdDMY, true, {1400, 1, 10}, "Add Add Sub",
                   {1400, 1, 11}, dsDay, false, 3},
        TypingCase{"CtrlArrowsDoNothing", amdDMY, true, {1400, 1, 10}, "C-Up C-Right",
                   {1400, 1, 10}, dsDay, false, 0},
        TypingCase{"LeftWrapsToTheLastSegment", amdYMD, true, {1400, 1, 10}, "Left",
                   {1400, 1, 10}, dsDay, false, 0},
        TypingCase{"ShiftDoesNotChangeTheKeys", amdDMY, true, {1400, 1, 10}, "S-Up",
                   {1400, 1, 11}, dsDay, false, 1}),
    // clang-format on
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PickerTest, DayFirstYearIsCompletedWhenTheFocusLeaves) {
  SetValue(1400, 7, 7);
  FocusAway();
  FocusBack();
  Keys("25 03 90");
  FocusAway();
  EXPECT_EQ(picker->Year, WindowYear(90));
  EXPECT_FALSE(picker->Editing);
  EXPECT_EQ(changes, 3);
}

TEST_F(PickerTest, DatesGettersReportTheValueFromBeforeThePendingEntry) {
  SetValue(1400, 7, 7);
  Keys("1");  // day 1, waiting for a second digit
  ASSERT_TRUE(picker->Editing);
  EXPECT_EQ(picker->Day, 1);
  EXPECT_EQ(picker->Date(), Solar(1400, 7, 7));
  Keys("Right");  // commits
  EXPECT_EQ(picker->Date(), Solar(1400, 7, 1));
  EXPECT_EQ(changes, 1);
}

TEST_F(PickerTest, PersianAndArabicIndicDigitsTypeLikeAsciiDigits) {
  SetValue(1400, 7, 7);
  TypeChar(0x06F2);
  TypeChar(0x06F5);  // ۲۵
  EXPECT_EQ(picker->Day, 25);
  EXPECT_EQ(picker->CurrentSegment, dsMonth);
  TypeChar(0x0660);
  TypeChar(0x0663);  // ٠٣
  EXPECT_EQ(picker->Month, 3);
  EXPECT_EQ(changes, 2);
  TypeChar(U'a');
  TypeChar(0x06F0 + 10);  // just past the digits
  EXPECT_EQ(picker->CurrentSegment, dsYear);
  EXPECT_FALSE(picker->Editing);
}

TEST_F(PickerTest, TimeDigitsCompleteAndMove) {
  struct Case {
    const char* keys;
    Word hour, minute;
    TDatePickerSegment segment;
  };
  // clang-format off
  const Case cases[] = {
      {"2", 2, 20, dsHour},  {"23", 23, 20, dsMinute}, {"3", 3, 20, dsMinute},
      {"24", 4, 20, dsMinute},  // 24 is no hour: the 4 starts again
      {"3 6", 3, 6, dsMinute},  // a minute digit above 5 completes; the last stays
      {"3 59", 3, 59, dsMinute},
  };
  // clang-format on
  picker->SetKind(dtkTime);
  for (const Case& c : cases) {
    FocusAway();
    SetValue(1400, 1, 1, 10, 20, 0);
    FocusBack();
    Keys(c.keys);
    EXPECT_EQ(picker->Hour, c.hour) << c.keys;
    EXPECT_EQ(picker->Minute, c.minute) << c.keys;
    EXPECT_EQ(picker->CurrentSegment, c.segment) << c.keys;
  }
}

// Second digits of a 12-hour clock keep the half of the day: 0d is d
// o'clock, 10 and 11 themselves, 12 is twelve o'clock (hour 0 or 12), and
// 13 to 19 start afresh with the second digit.
TEST_F(PickerTest, TwelveHourDigitsKeepTheHalfOfTheDay) {
  struct Case {
    const char* keys;
    Word am, pm;
  };
  // clang-format off
  const Case cases[] = {{"1", 1, 13},   {"2", 2, 14},   {"07", 7, 19},  {"00", 0, 12},
                        {"10", 10, 22}, {"11", 11, 23}, {"12", 0, 12},  {"15", 5, 17},
                        {"19", 9, 21}};
  // clang-format on
  picker->SetKind(dtkTime);
  picker->SetUse12HourClock(true);
  for (const Case& c : cases) {
    for (const Word start : {Word(9), Word(21)}) {
      FocusAway();
      SetValue(1400, 1, 1, start, 0, 0);
      FocusBack();
      Keys(c.keys);
      const Word expected = start > 11 ? c.pm : c.am;
      EXPECT_EQ(picker->Hour, expected) << c.keys << " from " << start;
    }
  }
}

TEST_F(PickerTest, UpAndDownOnAmPmToggleTheHalfOfTheDay) {
  picker->SetKind(dtkTime);
  picker->SetUse12HourClock(true);
  SetValue(1400, 1, 1, 9, 15, 0);
  Keys("Right Right");
  ASSERT_EQ(picker->CurrentSegment, dsAmPm);
  Keys("Up");
  EXPECT_EQ(picker->Hour, 21);
  Keys("Up");
  EXPECT_EQ(picker->Hour, 9);
  Keys("Down");
  EXPECT_EQ(picker->Hour, 21);
  EXPECT_EQ(changes, 3);
}

TEST_F(PickerTest, AnEntryOutsideTheLimitsIsRevertedSilently) {
  SetValue(1400, 7, 7);
  picker->SetMaxDate(Solar(1400, 7, 20));
  changes = 0;
  Keys("25");
  EXPECT_EQ(picker->Day, 7);
  EXPECT_EQ(picker->CurrentSegment, dsDay);  // the caret stays
  EXPECT_FALSE(picker->Editing);
  EXPECT_EQ(changes, 0);
  Keys("15");
  EXPECT_EQ(picker->Day, 15);
  EXPECT_EQ(picker->CurrentSegment, dsMonth);
  EXPECT_EQ(changes, 1);
}

TEST_F(PickerTest, TimeAndDateTimeLimitsRevertTheirParts) {
  picker->SetKind(dtkDateTime);
  SetValue(1400, 7, 7, 10, 0, 0);
  picker->SetMaxTime(EncodeTime(18, 0, 0, 0));
  picker->SetMinDateTime(Solar(1400, 7, 7) + EncodeTime(9, 0, 0, 0));
  changes = 0;
  Keys("Right 20");  // hour 20 > MaxTime
  EXPECT_EQ(picker->Hour, 10);
  Keys("08");  // 08:00 on the first allowed day is before MinDateTime
  EXPECT_EQ(picker->Hour, 10);
  EXPECT_EQ(changes, 0);
}

TEST_F(PickerTest, StepsStayWithinTheLimits) {
  SetValue(1400, 7, 7);
  picker->SetMinDate(Solar(1400, 7, 5));
  picker->SetMaxDate(Solar(1400, 7, 9));
  changes = 0;
  Keys("Left Down");  // month 6 is below the minimum
  EXPECT_EQ(picker->Date(), Solar(1400, 7, 5));
  Keys("PgUp PgUp PgUp PgUp PgUp PgUp");
  EXPECT_EQ(picker->Date(), Solar(1400, 7, 9));
  EXPECT_EQ(changes, 5);  // the last two steps changed nothing
}

TEST_F(PickerTest, DeleteAndTheFollowingGesturesOfANullablePicker) {
  SetValue(1400, 7, 7);
  picker->SetAllowNull(true);
  Keys("Del");
  EXPECT_TRUE(picker->IsNull());
  EXPECT_EQ(changes, 1);
  Keys("Del");
  EXPECT_EQ(changes, 1);
  Keys("Up");
  EXPECT_FALSE(picker->IsNull());
  EXPECT_EQ(picker->Day, 8);
  EXPECT_EQ(changes, 2);

  Keys("Del");
  Keys("8");  // the same day, typed: the null state still ends at once
  EXPECT_FALSE(picker->IsNull());
  EXPECT_EQ(changes, 4);
  Keys("Right Del 25");  // clears the null state, then commits a new day
  EXPECT_EQ(picker->Day, 25);
  EXPECT_EQ(changes, 7);
}

// The commit of an entry left pending by Delete ends the null state (one
// OnChange) and then reports the committed value (another).
TEST_F(PickerTest, DeleteDuringAnEntryThenItsCommitNotifyNullEndAndValue) {
  picker->SetAutoMoveDirection(amdYMD);
  SetValue(1400, 7, 7);
  picker->SetAllowNull(true);
  Keys("9 Del");  // Delete leaves the entry pending
  EXPECT_TRUE(picker->IsNull());
  EXPECT_TRUE(picker->Editing);
  EXPECT_EQ(changes, 1);
  Keys("Right");  // the commit completes the year and so ends the null state
  EXPECT_FALSE(picker->IsNull());
  EXPECT_EQ(picker->Year, WindowYear(9));
  EXPECT_EQ(changes, 3);
}

TEST_F(PickerTest, DeleteWithoutAllowNullOnlyCommits) {
  SetValue(1400, 7, 7);
  Keys("1 Del");
  EXPECT_FALSE(picker->IsNull());
  EXPECT_FALSE(picker->Editing);
  EXPECT_EQ(picker->Day, 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(PickerTest, SetToNowTakesTodayAndClearsNullEvenWhenTheValueIsNow) {
  picker->SetAllowNull(true);
  picker->SetDate(Solar(1400, 1, 1));
  changes = 0;
  Keys("C-Space");
  EXPECT_EQ(picker->Date(), zar::Date());
  EXPECT_EQ(changes, 1);
  Keys("Del Mul");
  EXPECT_FALSE(picker->IsNull());
  EXPECT_EQ(changes, 3);
  Keys("Space");  // Space alone is no key of the picker
  EXPECT_EQ(changes, 3);
}

TEST_F(PickerTest, PageKeysChangeTheHiddenDateOfATimePicker) {
  picker->SetKind(dtkTime);
  SetValue(1400, 1, 10, 10, 0, 0);
  Keys("PgUp C-PgDn");
  EXPECT_EQ(picker->Date(), Solar(1400, 1, 4));
  EXPECT_EQ(picker->Hour, 10);
}

TEST_F(PickerTest, AReadOnlyPickerMovesTheCaretAndCopiesOnly) {
  SetValue(1400, 7, 7);
  picker->SetAllowNull(true);
  picker->SetReadOnly(true);
  Keys("1 Up PgUp Del C-Space Left");
  EXPECT_EQ(picker->Date(), Solar(1400, 7, 7));
  EXPECT_EQ(picker->CurrentSegment, dsMonth);
  EXPECT_FALSE(picker->IsNull());
  EXPECT_FALSE(Wheel(1));
  EXPECT_EQ(changes, 0);
}

TEST_F(PickerTest, WheelStepsTheSegmentOrMovesDaysAndWeeks) {
  SetValue(1400, 7, 7);
  EXPECT_TRUE(Wheel(1));
  EXPECT_EQ(picker->Day, 8);
  EXPECT_TRUE(Wheel(-1, Qt::ShiftModifier));
  EXPECT_EQ(picker->Day, 7);
  EXPECT_TRUE(Wheel(1, Qt::ControlModifier));
  EXPECT_EQ(picker->Day, 14);
  EXPECT_TRUE(Wheel(-2));
  EXPECT_EQ(picker->Day, 12);
  EXPECT_EQ(changes, 5);
}

TEST_F(PickerTest, AWheelHandlerOfTheApplicationGoesFirst) {
  SetValue(1400, 7, 7);
  picker->OnMouseWheelUp = [](TObject*, TShiftState, QPoint, bool& handled) { handled = true; };
  EXPECT_TRUE(Wheel(1));
  EXPECT_EQ(picker->Day, 7);
}

TEST_F(PickerTest, ShiftSpaceSwitchesTheCalendarAndDoesNothingElse) {
  SetValue(1403, 1, 1);
  Keys("S-Space");
  EXPECT_TRUE(picker->UseSystemCalendar());
  EXPECT_EQ(picker->Year, 2024);
  EXPECT_EQ(switches, 1);
  EXPECT_EQ(changes, 0);
  picker->SetAllowCalendarSwitch(false);
  Keys("S-Space");
  EXPECT_TRUE(picker->UseSystemCalendar());
  EXPECT_EQ(switches, 1);
}

TEST_F(PickerTest, AKeyCancelledByOnKeyDownIsIgnored) {
  SetValue(1400, 7, 7);
  picker->OnKeyDown = [](TObject*, Word& key, TShiftState) {
    if (key == vk::Up) key = 0;
  };
  Keys("Up Down");
  EXPECT_EQ(picker->Day, 6);
}

TEST_F(PickerTest, FocusPutsTheCaretWhereTypingStarts) {
  struct Case {
    TZarDateTimeKind kind;
    TAutoMoveDirection direction;
    bool autoMove;
    TDatePickerSegment expected;
  };
  // clang-format off
  const Case cases[] = {{dtkDate, amdDMY, true, dsDay},
                        {dtkDate, amdYMD, true, dsYear},
                        {dtkDateTime, amdYMD, true, dsYear},
                        {dtkTime, amdYMD, true, dsHour},
                        {dtkDate, amdYMD, false, dsMonth}};
  // clang-format on
  for (const Case& c : cases) {
    FocusAway();
    picker->SetKind(c.kind);
    picker->SetAutoMoveDirection(c.direction);
    picker->SetAutoMove(c.autoMove);
    picker->CurrentSegment = dsMonth;
    FocusBack();
    EXPECT_EQ(picker->CurrentSegment, c.autoMove ? c.expected : dsMonth) << int(c.kind);
  }
}

TEST_F(PickerTest, DateTimeTypingRunsThroughAllSegments) {
  picker->SetKind(dtkDateTime);
  picker->SetShowSecond(true);
  SetValue(1400, 1, 1, 0, 0, 0);
  FocusAway();
  FocusBack();
  Keys("25 03 98 14 35 50");
  EXPECT_EQ(picker->GetState(), (TPickerState{WindowYear(98), 3, 25, 14, 35, 50, 0, 1}));
  EXPECT_EQ(picker->CurrentSegment, dsDay);  // day first: back to the day
  EXPECT_EQ(changes, 6);
}

// ---- Mouse ---------------------------------------------------------------------------

TEST_F(PickerTest, LeftClickSelectsASegmentAndCommitsFirst) {
  SetValue(1400, 7, 7);
  Keys("1");
  ASSERT_TRUE(picker->Editing);
  ClickClient(Qt::LeftButton, SegmentMiddle(dsMonth), TextMiddle());
  EXPECT_EQ(picker->CurrentSegment, dsMonth);
  EXPECT_FALSE(picker->Editing);
  EXPECT_EQ(changes, 1);
  // Between two segments (on the separator) nothing moves.
  ClickClient(Qt::LeftButton, picker->SegmentBounds[dsMonth].Right + 1, TextMiddle());
  EXPECT_EQ(picker->CurrentSegment, dsMonth);
  ClickClient(Qt::LeftButton, SegmentMiddle(dsYear), TextMiddle());
  EXPECT_EQ(picker->CurrentSegment, dsYear);
}

TEST_F(PickerTest, LeftClickTakesTheFocus) {
  FocusAway();
  int downs = 0;
  picker->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  ClickClient(Qt::LeftButton, SegmentMiddle(dsYear), TextMiddle());
  EXPECT_TRUE(picker->Focused());
  EXPECT_EQ(picker->CurrentSegment, dsYear);
  EXPECT_EQ(downs, 1);
}

TEST_F(PickerTest, MiddleClickSetsNowAndClearsNull) {
  picker->SetAllowNull(true);
  SetValue(1400, 7, 7);
  ClickClient(Qt::MiddleButton, 5, 5);
  EXPECT_EQ(picker->Date(), zar::Date());
  EXPECT_EQ(changes, 1);
  Keys("Del");
  ClickClient(Qt::MiddleButton, 5, 5);
  EXPECT_FALSE(picker->IsNull());
  EXPECT_EQ(changes, 3);
}

TEST_F(PickerTest, DoubleClickOnTheTextSwitchesTheCalendar) {
  SetValue(1403, 1, 1);
  const QPoint inside = picker->ClientOrigin() + QPoint(SegmentMiddle(dsDay), TextMiddle());
  QCursor::setPos(picker->mapToGlobal(inside));
  QTest::mouseDClick(picker, Qt::LeftButton, Qt::NoModifier, inside);
  EXPECT_TRUE(picker->UseSystemCalendar());
  EXPECT_EQ(switches, 1);

  // An application's double-click handler takes the gesture over.
  int doubleClicks = 0;
  picker->OnDblClick = [&](TObject*) { ++doubleClicks; };
  QTest::mouseDClick(picker, Qt::LeftButton, Qt::NoModifier, inside);
  EXPECT_TRUE(picker->UseSystemCalendar());
  EXPECT_EQ(doubleClicks, 1);
}

}  // namespace
}  // namespace zar::test
