#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ZarDateUtils.h"

using namespace zar;

namespace {

struct SolarDay {
  Word year, month, day;
  double serial;
  Word weekday;  // 1 = Saturday
};

// Reference points: solar date, day serial, weekday.
// clang-format off
constexpr SolarDay ReferenceDays[] = {
    {1, 1, 1, -466699, 6},      {1278, 10, 9, 0, 1},        {1278, 10, 10, 1, 2},
    {1354, 1, 1, 27474, 7},     {1379, 10, 11, 36891, 2},   {1399, 12, 30, 44275, 1},
    {1402, 12, 29, 45370, 4},   {1403, 1, 1, 45371, 5},     {1403, 12, 30, 45736, 6},
    {1404, 1, 1, 45737, 7},     {9999, 12, 29, 3185359, 3},
};
// clang-format on

TEST(SolarArithmetic, ReferenceDaysEncodeAndDecode) {
  for (const auto& r : ReferenceDays) {
    SCOPED_TRACE(r.serial);
    EXPECT_EQ(ZarEncodeDate(r.year, r.month, r.day), r.serial);
    Word y, m, d, w;
    EXPECT_EQ(ZarDecodeDateFully(r.serial, y, m, d, w), ZarIsLeapYear(r.year));
    EXPECT_EQ(y, r.year);
    EXPECT_EQ(m, r.month);
    EXPECT_EQ(d, r.day);
    EXPECT_EQ(w, r.weekday);
    EXPECT_EQ(ZarDayOfWeek(r.serial), r.weekday);
  }
}

TEST(SolarArithmetic, LeapRule) {
  for (Word y : {1, 5, 9, 13, 17, 22, 26, 30, 1395, 1399, 1403, 1408, 1412, 1416})
    EXPECT_TRUE(ZarIsLeapYear(y)) << y;
  for (Word y : {0, 2, 33, 1400, 1402, 1404, 1407}) EXPECT_FALSE(ZarIsLeapYear(y)) << y;
  EXPECT_EQ(ZarLeapYearsUpTo(0), 0);
  EXPECT_EQ(ZarLeapYearsUpTo(33), 8);
  EXPECT_EQ(ZarLeapYearsUpTo(34), 9);
}

TEST(SolarArithmetic, InvalidDatesAreRejected) {
  const Word bad[][3] = {{0, 1, 1},     {10000, 1, 1},  {1403, 13, 1}, {1403, 1, 0},
                         {1403, 7, 31}, {1402, 12, 30}, {1403, 0, 1}};
  for (const auto& b : bad) {
    TDateTime untouched = 123.0;
    EXPECT_FALSE(ZarTryEncodeDate(b[0], b[1], b[2], untouched))
        << b[0] << '/' << b[1] << '/' << b[2];
    EXPECT_EQ(untouched, 123.0);
  }
  try {
    ZarEncodeDate(1402, 12, 30);
    FAIL() << "expected EConvertError";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Invalid argument to date encode");
  }
}

TEST(SolarArithmetic, DecodeBeforeEpochAndNonFiniteGivesZeros) {
  // clang-format off
  const double values[] = {-466700, -1e9, std::nan(""), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), 1e300, 4e7};
  // clang-format on
  for (double v : values) {
    Word y = 9, m = 9, d = 9, w = 9;
    EXPECT_FALSE(ZarDecodeDateFully(v, y, m, d, w)) << v;
    EXPECT_EQ(y + m + d + w, 0) << v;
  }
  Word y, m, d, w;
  EXPECT_TRUE(ZarDecodeDateFully(-466699, y, m, d, w));
  EXPECT_EQ(w, 6);
}

TEST(SolarArithmetic, MillisecondRoundingAndNegativeFractions) {
  Word y, m, d;
  ZarDecodeDate(-0.5, y, m, d);
  EXPECT_EQ((std::array<Word, 3>{y, m, d}), (std::array<Word, 3>{1278, 10, 9}));
  ZarDecodeDate(45370.9999999999, y, m, d);
  EXPECT_EQ((std::array<Word, 3>{y, m, d}), (std::array<Word, 3>{1403, 1, 1}));
  Word h, n, s, ms;
  DecodeTime(-1.25, h, n, s, ms);
  EXPECT_EQ(h, 6);
}

TEST(SolarArithmetic, DecodeBeyondYear9999) {
  Word y, m, d;
  ZarDecodeDate(3185360, y, m, d);
  EXPECT_EQ(y, 10000);
  EXPECT_EQ(m, 1);
  EXPECT_EQ(d, 1);
}

TEST(SolarArithmetic, LastDayOfEveryYearFollowsItsOwnLeapStatus) {
  for (Word year = 1; year < 9999; ++year) {
    const TDateTime next = ZarEncodeDate(static_cast<Word>(year + 1), 1, 1);
    Word y, m, d;
    ZarDecodeDate(next - 1, y, m, d);
    ASSERT_EQ(y, year);
    ASSERT_EQ(m, 12);
    ASSERT_EQ(d, ZarIsLeapYear(year) ? 30 : 29) << year;
  }
}

TEST(SolarArithmetic, IncAMonthClampsTheDay) {
  struct Case {
    Word y, m, d;
    Integer n;
    Word ey, em, ed;
  };
  // clang-format off
  const Case cases[] = {{1403, 6, 31, 1, 1403, 7, 30},   {1403, 12, 30, 12, 1404, 12, 29},
                        {1403, 1, 15, -1, 1402, 12, 15}, {1403, 6, 31, -7, 1402, 11, 30},
                        {1403, 1, 1, -12, 1402, 1, 1},   {1403, 12, 1, 1, 1404, 1, 1},
                        {1403, 1, 1, -13, 1401, 12, 1}};
  // clang-format on
  for (const auto& c : cases) {
    Word y = c.y, m = c.m, d = c.d;
    ZarIncAMonth(y, m, d, c.n);
    EXPECT_EQ((std::array<Word, 3>{y, m, d}), (std::array<Word, 3>{c.ey, c.em, c.ed}))
        << c.y << '/' << c.m << '/' << c.d << " + " << c.n;
  }
}

TEST(SolarArithmetic, IncMonthKeepsTimeAndRaisesOutsideRange) {
  const TDateTime v = ZarEncodeDate(1403, 6, 31) + 0.4375;
  EXPECT_DOUBLE_EQ(ZarIncMonth(v, 1), ZarEncodeDate(1403, 7, 30) + 0.4375);
  EXPECT_THROW(ZarIncMonth(v, 12 * 8597), EConvertError);
  // Whole multiples of 65536 years must not wrap the 16-bit year back into range.
  for (const Integer months : {12 * 65536, -12 * 65536, 12 * 65536 + 12, -12 * 65536 - 12})
    EXPECT_THROW(ZarIncMonth(v, months), EConvertError) << months;
  EXPECT_DOUBLE_EQ(ZarIncMonth(ZarEncodeDate(9999, 12, 1), -12 * 9998), ZarEncodeDate(1, 12, 1));
  EXPECT_THROW(ZarIncMonth(-500000, 1), EConvertError);
  // A serial before 1899-12-30 carries its time with a negative sign.
  const TDateTime old = ZarEncodeDate(1278, 1, 1) - 0.25;
  EXPECT_DOUBLE_EQ(ZarIncMonth(old, 1), ZarEncodeDate(1278, 2, 1) - 0.25);
}

TEST(SolarArithmetic, WeekNumbers) {
  struct Case {
    Word y, m, d;
    Integer rule1, rule2, rule3;
  };
  const Case cases[] = {{1403, 1, 1, 1, 53, 52}, {1403, 1, 4, 2, 1, 1}, {1402, 12, 29, 1, 53, 52}};
  for (const auto& c : cases) {
    const TDateTime t = ZarEncodeDate(c.y, c.m, c.d) + 0.7;
    EXPECT_EQ(ZarDateToWeekNo(t, swrFirstDay), c.rule1);
    EXPECT_EQ(ZarDateToWeekNo(t, swrFirstFourDays), c.rule2);
    EXPECT_EQ(ZarDateToWeekNo(t, swrFirstFullWeek), c.rule3);
    EXPECT_EQ(ZarDateToWeekNo(t), c.rule2);
  }
  // 1 Farvardin 1 is a Thursday: under the default rule it precedes week 1,
  // which would need year 0.
  EXPECT_THROW(ZarDateToWeekNo(ZarEncodeDate(1, 1, 1)), EConvertError);
  EXPECT_THROW(ZarDateToWeekNo(-466700), EConvertError);
}

TEST(SolarArithmetic, WeekNumbersStayInRangeForEveryDayOfACycle) {
  for (TDateTime t = ZarEncodeDate(1390, 1, 1); t < ZarEncodeDate(1424, 1, 1); t += 1) {
    for (auto rule : {swrFirstDay, swrFirstFourDays, swrFirstFullWeek}) {
      const Integer w = ZarDateToWeekNo(t, rule);
      ASSERT_GE(w, 1);
      ASSERT_LE(w, 53);
    }
  }
}

TEST(SolarArithmetic, EncodeDateTime) {
  TDateTime v = 0;
  ASSERT_TRUE(ZarTryEncodeDateTime(1278, 10, 9, 12, 0, 0, 0, v));
  EXPECT_EQ(v, -0.5);  // serial 0 is not greater than 0: the time takes a minus sign
  ASSERT_TRUE(ZarTryEncodeDateTime(1278, 10, 8, 12, 0, 0, 0, v));
  EXPECT_EQ(v, -1.5);
  ASSERT_TRUE(ZarTryEncodeDateTime(1403, 1, 1, 18, 0, 0, 0, v));
  EXPECT_EQ(v, 45371.75);
  EXPECT_FALSE(ZarTryEncodeDateTime(1403, 1, 1, 24, 0, 0, 0, v));
  EXPECT_FALSE(ZarTryEncodeDateTime(1403, 12, 31, 0, 0, 0, 0, v));
}

TEST(SolarArithmetic, InvalidDateTimeMessages) {
  struct Case {
    Word parts[7];
    TDateTime base;
    const char* text;
  };
  // clang-format off
  const Case cases[] = {
      {{1403, 12, 31, 10, 0, 0, 0}, 0, "'1403/12/31 10:0:0.0' is not a valid date and time"},
      {{1403, 65535, 1, 0, 0, 0, 0}, 0, "'1403/?/1 0:0:0.0' is not a valid date and time"},
      {{1403, 65535, 1, 65535, 0, 0, 0}, 45371.75,
       "'1403/1/1 18:0:0.0' is not a valid date and time"},
  };
  // clang-format on
  for (const auto& c : cases) {
    try {
      ZarInvalidDateTimeError(c.parts[0], c.parts[1], c.parts[2], c.parts[3], c.parts[4],
                              c.parts[5], c.parts[6], c.base);
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.text);
    }
  }
  EXPECT_THROW(ZarEncodeDateTime(1403, 12, 31, 10, 0, 0, 0), EConvertError);
}

TEST(SolarNames, TablesAreLoadedBeforeMain) {
  EXPECT_EQ(ZarLongMonthNames[1], "\u0641\u0631\u0648\u0631\u062F\u064A\u0646");
  EXPECT_EQ(ZarShortMonthNames[5], "\u0627\u0645\u0631");
  EXPECT_EQ(ZarLongDayNames[2], "\u064A\u06A9\u200C\u0634\u0646\u0628\u0647");
  EXPECT_EQ(ZarShortDayNames[7], "\u0622");
  EXPECT_TRUE(ZarLongMonthNames[0].empty());
}

}  // namespace
