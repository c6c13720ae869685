// The typing rules of the segments as plain tables, without a widget: the
// context fixes the calendar, the settings and the current year, so every
// expected value is known in advance.

#include <gtest/gtest.h>

#include <ostream>
#include <string_view>

#include "DateTimeBase.h"
#include "SegmentEntry.h"

namespace zar::test {
namespace {

struct Parts {
  Word Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, MSec = 0;
  friend bool operator==(const Parts&, const Parts&) = default;
};

TPickerState ToState(const Parts& p) {
  return {p.Year,   p.Month,  p.Day,  p.Hour,
          p.Minute, p.Second, p.MSec, static_cast<Word>(p.Hour > 11 ? 1 : 0)};
}

Parts ToParts(const TPickerState& s) {
  return {s.Year, s.Month, s.Day, s.Hour, s.Minute, s.Second, s.MSec};
}

void PrintTo(const Parts& p, std::ostream* os) {
  *os << p.Year << '/' << p.Month << '/' << p.Day << ' ' << p.Hour << ':' << p.Minute << ':'
      << p.Second << '.' << p.MSec;
}

TSegmentEntryContext Context(bool gregorian = false) {
  TSegmentEntryContext c;
  c.Calendar = gregorian ? &GregorianRoutines : &SolarRoutines;
  c.CurrentYear = gregorian ? 2025 : 1404;
  c.CenturyWindow = 50;
  return c;
}

TSegmentEntryState Idle(const Parts& value, TDatePickerSegment segment) {
  TSegmentEntryState s;
  s.Value = ToState(value);
  s.CurrentSegment = segment;
  s.PreEditState = s.Value;
  return s;
}

// Types the digits the way the picker does: every digit on a fresh entry
// over the state the previous one left; a completed segment is committed
// and, when the commit is accepted, the caret moves on and LastDigit clears.
TSegmentEntryState Type(const TSegmentEntryContext& context, TSegmentEntryState state,
                        std::string_view digits) {
  for (const char ch : digits) {
    TSegmentEntry entry(context, state);
    const TSegmentEntry::TDigitResult typed = entry.TypeDigit(ch - '0');
    if (typed.Applied && typed.Complete && entry.Commit()) {
      entry.AutoMoveNext();
      state = entry.State();
      state.LastDigit = -1;
    } else {
      state = entry.State();
    }
  }
  return state;
}

// ---- Digit sequences of the date segments -----------------------------------------------------

struct DateDigitsCase {
  const char* name;
  bool gregorian;
  TAutoMoveDirection direction;
  bool leap;  // whether start.Year is a leap year of the calendar (checked)
  Parts start;
  TDatePickerSegment segment;
  const char* digits;
  Parts expected;
  TDatePickerSegment caret;  // afterwards
  bool editing;
  std::int8_t lastDigit;
};

TEST(SegmentEntryTest, DateDigitsCompleteOrWaitAndRefuseDaysTheMonthLacks) {
  // clang-format off
  const DateDigitsCase cases[] = {
      // The last month of the solar year: 29 days, 30 in a leap year.
      {"SolarCommonEsfandRefusesThirty", false, amdYMD, false, {1402, 12, 20}, dsDay, "30",
       {1402, 12, 3}, dsDay, true, 0},
      {"SolarCommonEsfandRefusedThirtyThenFive", false, amdYMD, false, {1402, 12, 20}, dsDay,
       "305", {1402, 12, 5}, dsDay, false, -1},
      {"SolarCommonEsfandTakesTwentyNine", false, amdYMD, false, {1402, 12, 20}, dsDay, "29",
       {1402, 12, 29}, dsDay, false, -1},
      {"SolarLeapEsfandTakesThirty", false, amdYMD, true, {1403, 12, 20}, dsDay, "30",
       {1403, 12, 30}, dsDay, false, -1},
      {"SolarLeapEsfandRefusesThirtyOne", false, amdYMD, true, {1403, 12, 20}, dsDay, "31",
       {1403, 12, 1}, dsDay, true, 1},
      // Day first: the month may follow, so a day this month lacks moves to month 1.
      {"SolarDayFirstThirtyInCommonEsfand", false, amdDMY, false, {1402, 12, 3}, dsDay, "30",
       {1402, 1, 30}, dsMonth, false, -1},
      {"SolarDayFirstThirtyInLeapEsfand", false, amdDMY, true, {1403, 12, 3}, dsDay, "30",
       {1403, 12, 30}, dsMonth, false, -1},
      {"SolarDayFirstThirtyOneInLeapEsfand", false, amdDMY, true, {1403, 12, 3}, dsDay, "31",
       {1403, 1, 31}, dsMonth, false, -1},
      // February of the Gregorian calendar: 28 days, 29 in a leap year.
      {"GregorianCommonFebruaryRefusesTwentyNine", true, amdYMD, false, {2023, 2, 10}, dsDay,
       "29", {2023, 2, 9}, dsDay, false, -1},
      {"GregorianLeapFebruaryTakesTwentyNine", true, amdYMD, true, {2024, 2, 10}, dsDay, "29",
       {2024, 2, 29}, dsDay, false, -1},
      {"GregorianLeapFebruaryRefusesThirty", true, amdYMD, true, {2024, 2, 10}, dsDay, "30",
       {2024, 2, 3}, dsDay, true, 0},
      {"GregorianDayFirstTwentyNineInCommonFebruary", true, amdDMY, false, {2023, 2, 3}, dsDay,
       "29", {2023, 1, 29}, dsMonth, false, -1},
      {"GregorianDayFirstTwentyNineInLeapFebruary", true, amdDMY, true, {2024, 2, 3}, dsDay,
       "29", {2024, 2, 29}, dsMonth, false, -1},
      // Month digits.
      {"MonthOneWaits", false, amdYMD, false, {1402, 7, 7}, dsMonth, "1", {1402, 1, 7}, dsMonth,
       true, 1},
      {"MonthTwelve", false, amdYMD, false, {1402, 7, 7}, dsMonth, "12", {1402, 12, 7}, dsDay,
       false, -1},
      {"MonthThirteenRestartsWithThree", false, amdYMD, false, {1402, 7, 7}, dsMonth, "13",
       {1402, 3, 7}, dsDay, false, -1},
      {"MonthLeadingZero", false, amdYMD, false, {1402, 7, 7}, dsMonth, "05", {1402, 5, 7},
       dsDay, false, -1},
      {"MonthAfterDayInDayFirstOrder", false, amdDMY, false, {1402, 7, 7}, dsMonth, "4",
       {1402, 4, 7}, dsYear, false, -1},
      // Years, IntelliYearDigits on (the default of the context).
      {"YmdTwoYearDigitsCompleteInTheWindow", false, amdYMD, false, {1402, 7, 7}, dsYear, "90",
       {1390, 7, 7}, dsMonth, false, -1},
      {"YmdOneYearDigitWaits", false, amdYMD, false, {1402, 7, 7}, dsYear, "9", {9, 7, 7},
       dsYear, true, 9},
      {"DayFirstYearIsTypedToFourDigits", false, amdDMY, false, {1402, 7, 7}, dsYear, "90",
       {90, 7, 7}, dsYear, true, 0},
      {"DayFirstFourYearDigitsComplete", false, amdDMY, false, {1402, 7, 7}, dsYear, "1399",
       {1399, 7, 7}, dsYear, false, -1},
      // A year typed after the day is fitted to the month at the commit.
      {"NewYearShortensTheLeapDay", false, amdDMY, true, {1403, 12, 30}, dsYear, "1402",
       {1402, 12, 29}, dsYear, false, -1},
  };
  // clang-format on
  for (const DateDigitsCase& c : cases) {
    SCOPED_TRACE(c.name);
    TSegmentEntryContext context = Context(c.gregorian);
    context.AutoMoveDirection = c.direction;
    ASSERT_EQ(context.Calendar->IsLeapYear(c.start.Year), c.leap);
    const TSegmentEntryState s = Type(context, Idle(c.start, c.segment), c.digits);
    EXPECT_EQ(ToParts(s.Value), c.expected);
    EXPECT_EQ(s.CurrentSegment, c.caret);
    EXPECT_EQ(s.Editing, c.editing);
    EXPECT_EQ(s.LastDigit, c.lastDigit);
    EXPECT_EQ(ToParts(s.PreEditState), c.start);
  }
}

// ---- Years: IntelliYearDigits and the century window ----------------------------------------

struct YearDigitsCase {
  const char* name;
  bool intelli;
  bool autoMove;
  TZarDateTimeKind kind;
  TAutoMoveDirection direction;
  const char* digits;
  Word year;  // after the digits and a commit
  bool completedByTyping;
};

TEST(SegmentEntryTest, TwoYearDigitsCompleteOnlyWithIntelliYearDigitsAndAYearNotTypedLast) {
  // clang-format off
  const YearDigitsCase cases[] = {
      {"IntelliYmd", true, true, dtkDate, amdYMD, "13", 1413, true},
      {"IntelliDateTimeDayFirst", true, true, dtkDateTime, amdDMY, "13", 1413, true},
      {"IntelliDateDayFirst", true, true, dtkDate, amdDMY, "13", 1413, false},
      {"IntelliWithoutAutoMove", true, false, dtkDate, amdYMD, "13", 1413, false},
      {"WithoutIntelli", false, true, dtkDate, amdYMD, "13", 1413, false},
      {"WithoutIntelliFourDigits", false, true, dtkDate, amdYMD, "1390", 1390, true},
      {"WithoutIntelliThreeDigits", false, true, dtkDate, amdYMD, "139", 139, false},
      {"IntelliOneDigitThenCommit", true, true, dtkDate, amdYMD, "7", 1407, false},
  };
  // clang-format on
  for (const YearDigitsCase& c : cases) {
    SCOPED_TRACE(c.name);
    TSegmentEntryContext context = Context();
    context.IntelliYearDigits = c.intelli;
    context.AutoMove = c.autoMove;
    context.Kind = c.kind;
    context.AutoMoveDirection = c.direction;
    TSegmentEntryState s = Type(context, Idle({1402, 7, 7}, dsYear), c.digits);
    EXPECT_EQ(s.Editing, !c.completedByTyping);
    TSegmentEntry entry(context, s);
    EXPECT_TRUE(entry.Commit());
    EXPECT_EQ(entry.State().Value.Year, c.year);
    EXPECT_FALSE(entry.State().Editing);
  }
}

struct CenturyWindowCase {
  const char* name;
  bool gregorian;
  Word currentYear;
  int window;
  Word typed;  // the year held when the entry is committed
  Word preEdit;
  Word expected;
};

TEST(SegmentEntryTest, ShortYearsLandInTheCenturyWindow) {
  // clang-format off
  const CenturyWindowCase cases[] = {
      // Window [1354, 1453].
      {"SolarInTheLaterCentury", false, 1404, 50, 13, 1402, 1413},
      {"SolarInTheEarlierCentury", false, 1404, 50, 90, 1402, 1390},
      {"SolarWindowEnd", false, 1404, 50, 53, 1402, 1453},
      {"SolarWindowStart", false, 1404, 50, 54, 1402, 1354},
      {"SolarZero", false, 1404, 50, 0, 1402, 1400},
      // A window of 0 keeps the current year's century.
      {"WindowZero", false, 1404, 0, 2, 1402, 1402},
      {"WindowZeroHigh", false, 1404, 0, 99, 1402, 1499},
      // Window [1957, 2056].
      {"GregorianWindowStart", true, 2025, 68, 57, 2000, 1957},
      {"GregorianWindowEnd", true, 2025, 68, 56, 2000, 2056},
      // A window year before the calendar's first year keeps the old year.
      {"GregorianWindowBeforeTheFirstYear", true, 760, 50, 15, 2000, 2000},
      {"GregorianWindowAtTheFirstYear", true, 760, 50, 22, 2000, 722},
      // Three and four digits are not completed; below the first year they revert.
      {"GregorianThreeDigitsBeforeTheFirstYear", true, 2025, 50, 500, 2000, 2000},
      {"GregorianThreeDigitsAtTheFirstYear", true, 2025, 50, 722, 2000, 722},
      {"SolarThreeDigits", false, 1404, 50, 999, 1402, 999},
      {"SolarFirstYear", false, 1404, 50, 100, 1402, 100},
  };
  // clang-format on
  for (const CenturyWindowCase& c : cases) {
    SCOPED_TRACE(c.name);
    TSegmentEntryContext context = Context(c.gregorian);
    context.CurrentYear = c.currentYear;
    context.CenturyWindow = c.window;
    TSegmentEntryState s = Idle({c.preEdit, 1, 1}, dsYear);
    s.Editing = true;
    s.Value.Year = c.typed;
    TSegmentEntry entry(context, s);
    EXPECT_TRUE(entry.Commit());
    EXPECT_EQ(entry.State().Value.Year, c.expected);
  }
}

// ---- Time digits and the 12-hour clock --------------------------------------------------------

struct TimeDigitsCase {
  const char* name;
  bool use12;
  TDatePickerSegment segment;
  Word hour;  // at the start; its half of the day counts on a 12-hour clock
  const char* digits;
  Word expectedHour;
  Word expectedMinute;
  TDatePickerSegment caret;
  bool editing;
};

TEST(SegmentEntryTest, TimeDigitsFollowTheClock) {
  // clang-format off
  const TimeDigitsCase cases[] = {
      {"TwoWaits", false, dsHour, 10, "2", 2, 20, dsHour, true},
      {"TwentyThree", false, dsHour, 10, "23", 23, 20, dsMinute, false},
      {"ThreeAtOnce", false, dsHour, 10, "3", 3, 20, dsMinute, false},
      {"TwentyFourRestartsWithFour", false, dsHour, 10, "24", 4, 20, dsMinute, false},
      {"MinuteSixAtOnce", false, dsMinute, 10, "6", 10, 6, dsMinute, false},
      {"MinuteFiftyNine", false, dsMinute, 10, "59", 10, 59, dsMinute, false},
      {"MinuteFiveWaits", false, dsMinute, 10, "5", 10, 5, dsMinute, true},
      // 12-hour clock: a first digit 0 or 1 waits; 2 to 9 complete at once.
      {"AmOneWaits", true, dsHour, 9, "1", 1, 20, dsHour, true},
      {"PmOneWaits", true, dsHour, 21, "1", 13, 20, dsHour, true},
      {"AmZeroWaits", true, dsHour, 9, "0", 0, 20, dsHour, true},
      {"PmZeroWaits", true, dsHour, 21, "0", 12, 20, dsHour, true},
      {"AmSeven", true, dsHour, 9, "7", 7, 20, dsMinute, false},
      {"PmSeven", true, dsHour, 21, "7", 19, 20, dsMinute, false},
      {"AmZeroFive", true, dsHour, 9, "05", 5, 20, dsMinute, false},
      {"PmZeroFive", true, dsHour, 21, "05", 17, 20, dsMinute, false},
      {"AmZeroZero", true, dsHour, 9, "00", 0, 20, dsMinute, false},
      {"PmZeroZero", true, dsHour, 21, "00", 12, 20, dsMinute, false},
      {"AmTen", true, dsHour, 9, "10", 10, 20, dsMinute, false},
      {"PmEleven", true, dsHour, 21, "11", 23, 20, dsMinute, false},
      {"AmTwelveIsMidnight", true, dsHour, 9, "12", 0, 20, dsMinute, false},
      {"PmTwelveIsNoon", true, dsHour, 21, "12", 12, 20, dsMinute, false},
      {"AmFifteenRestartsWithFive", true, dsHour, 9, "15", 5, 20, dsMinute, false},
      {"PmNineteenRestartsWithNine", true, dsHour, 21, "19", 21, 20, dsMinute, false},
  };
  // clang-format on
  for (const TimeDigitsCase& c : cases) {
    SCOPED_TRACE(c.name);
    TSegmentEntryContext context = Context();
    context.Kind = dtkTime;
    context.Use12HourClock = c.use12;
    const TSegmentEntryState s =
        Type(context, Idle({1402, 1, 1, c.hour, 20, 0}, c.segment), c.digits);
    EXPECT_EQ(s.Value.Hour, c.expectedHour);
    EXPECT_EQ(s.Value.Minute, c.expectedMinute);
    EXPECT_EQ(s.Value.PM, c.expectedHour > 11 ? 1 : 0);
    EXPECT_EQ(s.CurrentSegment, c.caret);
    EXPECT_EQ(s.Editing, c.editing);
  }
}

// ---- AM/PM ------------------------------------------------------------------------------------

TEST(SegmentEntryTest, ADigitOnAmPmBeginsAnEntryAndChangesNothing) {
  TSegmentEntryContext context = Context();
  context.Kind = dtkTime;
  context.Use12HourClock = true;
  for (const Word hour : {Word{9}, Word{21}}) {
    SCOPED_TRACE(hour);
    const Parts start{1402, 1, 1, hour, 20, 0};
    TSegmentEntry entry(context, Idle(start, dsAmPm));
    const TSegmentEntry::TDigitResult typed = entry.TypeDigit(1);
    EXPECT_TRUE(typed.Applied);
    EXPECT_FALSE(typed.Complete);
    EXPECT_EQ(ToParts(entry.State().Value), start);
    EXPECT_TRUE(entry.State().Editing);
    EXPECT_EQ(entry.State().LastDigit, 1);
    // AM/PM takes no part in the typing order.
    EXPECT_FALSE(entry.AutoMoveNext());
    EXPECT_EQ(entry.State().CurrentSegment, dsAmPm);
  }
}

struct AmPmCase {
  const char* name;
  bool jump;  // JumpToLimit instead of StepSegment
  int delta;  // step delta; for a jump, < 0 means the lowest
  Word hour;
  Word expected;
};

TEST(SegmentEntryTest, AmPmStepsToggleTheHalfOfTheDayAndJumpsGoToItsEnds) {
  // clang-format off
  const AmPmCase cases[] = {
      {"UpFromAm", false, +1, 9, 21},   {"DownFromAm", false, -1, 9, 21},
      {"UpFromPm", false, +1, 21, 9},   {"MidnightToNoon", false, +1, 0, 12},
      {"NoonToMidnight", false, -1, 12, 0}, {"Home", true, -1, 15, 0},
      {"End", true, +1, 3, 23},
  };
  // clang-format on
  for (const AmPmCase& c : cases) {
    SCOPED_TRACE(c.name);
    TSegmentEntry entry(Context(), Idle({1402, 1, 1, c.hour, 20, 0}, dsAmPm));
    if (c.jump)
      entry.JumpToLimit(dsAmPm, c.delta < 0);
    else
      entry.StepSegment(dsAmPm, c.delta);
    EXPECT_EQ(entry.State().Value.Hour, c.expected);
    EXPECT_EQ(entry.State().Value.PM, c.expected > 11 ? 1 : 0);
  }
}

// ---- Commit against the limits ----------------------------------------------------------------

struct LimitCase {
  const char* name;
  TSegmentEntryContext limits;  // only the limits are read from here
  Parts typed;
  Parts expected;
  bool ok;
};

TEST(SegmentEntryTest, CommittingOutsideALimitRestoresThePartsItGoverns) {
  const Parts pre{1402, 6, 15, 10, 20, 30, 400};
  const TDateTime minDate = ZarEncodeDate(1402, 1, 1);
  const TDateTime maxDate = ZarEncodeDate(1402, 12, 29);
  const TDateTime minTime = EncodeTime(8, 0, 0, 0);
  const TDateTime maxTime = EncodeTime(18, 0, 0, 0);
  const TDateTime maxDateTime = ZarEncodeDateTime(1402, 6, 15, 12, 0, 0, 0);

  auto with = [](auto set) {
    TSegmentEntryContext c;
    set(c);
    return c;
  };
  const TSegmentEntryContext dateLimits = with([&](TSegmentEntryContext& c) {
    c.MinDate = minDate;
    c.MaxDate = maxDate;
  });
  const TSegmentEntryContext timeLimits = with([&](TSegmentEntryContext& c) {
    c.MinTime = minTime;
    c.MaxTime = maxTime;
  });
  const TSegmentEntryContext dateTimeLimit =
      with([&](TSegmentEntryContext& c) { c.MaxDateTime = maxDateTime; });

  // clang-format off
  const LimitCase cases[] = {
      {"DateWithin", dateLimits, {1402, 12, 29, 7, 0, 0, 0}, {1402, 12, 29, 7, 0, 0, 0}, true},
      {"DateBelow", dateLimits, {1401, 12, 29, 7, 0, 0, 0}, {1402, 6, 15, 7, 0, 0, 0}, false},
      {"DateAbove", dateLimits, {1403, 1, 1, 11, 0, 0, 0}, {1402, 6, 15, 11, 0, 0, 0}, false},
      {"TimeWithin", timeLimits, {1390, 1, 1, 18, 0, 0, 0}, {1390, 1, 1, 18, 0, 0, 0}, true},
      // Every held part counts, also the milliseconds that are never shown.
      {"TimeAboveByAMillisecond", timeLimits, {1390, 1, 1, 18, 0, 0, 1},
       {1390, 1, 1, 10, 20, 30, 400}, false},
      {"TimeBelow", timeLimits, {1390, 1, 1, 7, 59, 59, 0}, {1390, 1, 1, 10, 20, 30, 400},
       false},
      {"DateTimeAtTheLimit", dateTimeLimit, {1402, 6, 15, 12, 0, 0, 0},
       {1402, 6, 15, 12, 0, 0, 0}, true},
      {"DateTimeAboveRestoresEveryPart", dateTimeLimit, {1402, 6, 15, 12, 0, 1, 0}, pre, false},
      {"DateTimeAboveByTheDate", dateTimeLimit, {1402, 6, 16, 9, 0, 0, 0}, pre, false},
      // Month 0 does not encode: outside every limit that is set.
      {"UnencodableDate", dateLimits, {1402, 0, 0, 9, 0, 0, 0}, {1402, 6, 15, 9, 0, 0, 0},
       false},
  };
  // clang-format on
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(c.name);
    TSegmentEntryContext context = Context();
    context.MinDate = c.limits.MinDate;
    context.MaxDate = c.limits.MaxDate;
    context.MinTime = c.limits.MinTime;
    context.MaxTime = c.limits.MaxTime;
    context.MinDateTime = c.limits.MinDateTime;
    context.MaxDateTime = c.limits.MaxDateTime;
    TSegmentEntryState s = Idle(pre, dsDay);
    s.Editing = true;
    s.Value = ToState(c.typed);
    TSegmentEntry entry(context, s);
    EXPECT_EQ(entry.Commit(), c.ok);
    EXPECT_EQ(ToParts(entry.State().Value), c.expected);
    EXPECT_FALSE(entry.State().Editing);
  }
}

TEST(SegmentEntryTest, ARevertedCompletedSegmentKeepsTheCaret) {
  TSegmentEntryContext context = Context();
  context.AutoMoveDirection = amdYMD;
  context.MaxDate = ZarEncodeDate(1402, 6, 31);
  // Day 31 of month 6 is the last allowed day; the month 7 typed next is refused.
  const TSegmentEntryState s = Type(context, Idle({1402, 6, 31}, dsMonth), "7");
  EXPECT_EQ(ToParts(s.Value), (Parts{1402, 6, 31}));
  EXPECT_EQ(s.CurrentSegment, dsMonth);
  EXPECT_FALSE(s.Editing);
}

TEST(SegmentEntryTest, CommitWithoutAPendingEntryChangesNothing) {
  TSegmentEntryContext context = Context();
  context.MinDate = ZarEncodeDate(1402, 1, 1);
  // A short year outside the limit, but no entry is pending.
  TSegmentEntry entry(context, Idle({13, 1, 1}, dsYear));
  EXPECT_TRUE(entry.Commit());
  EXPECT_EQ(entry.State().Value.Year, 13);
}

TEST(SegmentEntryTest, ValuesThatAreNoDigitsChangeNothing) {
  for (const int value : {-1, 10, 0x06F0}) {
    SCOPED_TRACE(value);
    TSegmentEntry entry(Context(), Idle({1402, 7, 7}, dsDay));
    const TSegmentEntry::TDigitResult typed = entry.TypeDigit(value);
    EXPECT_FALSE(typed.Applied);
    EXPECT_FALSE(entry.State().Editing);
    EXPECT_EQ(ToParts(entry.State().Value), (Parts{1402, 7, 7}));
  }
}

// ---- Typing order -------------------------------------------------------------------------------

struct OrderCase {
  TZarDateTimeKind kind;
  TAutoMoveDirection direction;
  bool showSecond;
  TDatePickerSegment from;
  TDatePickerSegment to;
  bool moved;  // the segment takes part in the order
};

TEST(SegmentEntryTest, TheTypingOrderFollowsKindAndDirection) {
  // clang-format off
  const OrderCase cases[] = {
      {dtkDate, amdYMD, false, dsYear, dsMonth, true},
      {dtkDate, amdYMD, false, dsDay, dsDay, true},
      {dtkDate, amdDMY, false, dsDay, dsMonth, true},
      {dtkDate, amdDMY, false, dsMonth, dsYear, true},
      {dtkDate, amdDMY, false, dsYear, dsYear, true},
      {dtkDate, amdDMY, false, dsHour, dsHour, false},
      {dtkTime, amdYMD, false, dsHour, dsMinute, true},
      {dtkTime, amdDMY, false, dsMinute, dsMinute, true},
      {dtkTime, amdDMY, true, dsMinute, dsSecond, true},
      {dtkTime, amdDMY, true, dsDay, dsDay, false},
      {dtkDateTime, amdYMD, false, dsDay, dsHour, true},
      {dtkDateTime, amdYMD, true, dsSecond, dsSecond, true},
      {dtkDateTime, amdDMY, false, dsYear, dsHour, true},
      {dtkDateTime, amdDMY, false, dsMinute, dsDay, true},
      {dtkDateTime, amdDMY, true, dsSecond, dsDay, true},
      {dtkDateTime, amdDMY, false, dsSecond, dsSecond, false},
      {dtkDateTime, amdDMY, true, dsAmPm, dsAmPm, false},
  };
  // clang-format on
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "kind " << int(c.kind) << " direction " << int(c.direction)
                                      << " from " << int(c.from));
    TSegmentEntryContext context = Context();
    context.Kind = c.kind;
    context.AutoMoveDirection = c.direction;
    context.ShowSecond = c.showSecond;
    TSegmentEntry entry(context, Idle({1402, 1, 1}, c.from));
    EXPECT_EQ(entry.AutoMoveNext(), c.moved);
    EXPECT_EQ(entry.State().CurrentSegment, c.to);

    context.AutoMove = false;
    TSegmentEntry still(context, Idle({1402, 1, 1}, c.from));
    EXPECT_FALSE(still.AutoMoveNext());
    EXPECT_EQ(still.State().CurrentSegment, c.from);
  }
}

}  // namespace
}  // namespace zar::test
