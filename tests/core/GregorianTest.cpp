#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "GregorianDates.h"

using namespace zar;

namespace {

TEST(GregorianArithmetic, LeapYears) {
  for (Word y : {4, 400, 1600, 2000, 2024, 9996}) EXPECT_TRUE(IsLeapYear(y)) << y;
  for (Word y : {1, 100, 1700, 1800, 1900, 2023, 2100, 9999}) EXPECT_FALSE(IsLeapYear(y)) << y;
}

TEST(GregorianArithmetic, EncodeAndDecodeReferenceDays) {
  const struct {
    Word year, month, day;
    double serial;
    Word dayOfWeek;  // 1 = Sunday
  } days[] = {
      {1899, 12, 30, 0, 7},       {1900, 1, 1, 2, 2},      {1900, 3, 1, 61, 5},
      {2000, 2, 29, 36585, 3},    {2024, 3, 20, 45371, 4}, {1, 1, 1, -693593, 2},
      {9999, 12, 31, 2958465, 6},
  };
  for (const auto& d : days) {
    SCOPED_TRACE(d.serial);
    EXPECT_EQ(EncodeDate(d.year, d.month, d.day), d.serial);
    Word y, m, dd, dow;
    EXPECT_EQ(DecodeDateFully(CombineDateTime(d.serial, 0.999), y, m, dd, dow), IsLeapYear(d.year));
    EXPECT_EQ(y, d.year);
    EXPECT_EQ(m, d.month);
    EXPECT_EQ(dd, d.day);
    EXPECT_EQ(dow, d.dayOfWeek);
    EXPECT_EQ(DayOfWeek(d.serial), d.dayOfWeek);
  }
}

TEST(GregorianArithmetic, EncodeErrors) {
  const Word bad[][3] = {{0, 1, 1},    {10000, 1, 1}, {2024, 0, 1},  {2024, 13, 1},
                         {2024, 1, 0}, {2023, 2, 29}, {2100, 2, 29}, {2024, 4, 31}};
  for (const auto& b : bad) {
    TDateTime untouched = 7;
    EXPECT_FALSE(TryEncodeDate(b[0], b[1], b[2], untouched)) << b[0] << '-' << b[1] << '-' << b[2];
    EXPECT_EQ(untouched, 7);
    EXPECT_THROW(EncodeDate(b[0], b[1], b[2]), EConvertError);
  }
  try {
    EncodeDateTime(2024, 1, 1, 24, 0, 0, 0);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Invalid argument to date encode");
  }
  Word y, m, d, dow;
  for (const double outside : {-693594.0, 2958466.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(DecodeDateFully(outside, y, m, d, dow));
    EXPECT_EQ(y + m + d + dow, 0);
  }
}

// ISO 8601: weeks start on Monday and week 1 holds the first Thursday, so
// the first and last days of a year may belong to the neighbouring year.
TEST(GregorianArithmetic, IsoWeeksAndWeekdays) {
  const struct {
    Word year, month, day;
    Word week, weekYear, isoDay;  // isoDay 1 = Monday
  } cases[] = {
      {2021, 1, 1, 53, 2020, 5},   {2021, 1, 4, 1, 2021, 1},   {2020, 12, 31, 53, 2020, 4},
      {2024, 12, 30, 1, 2025, 1},  {2025, 12, 29, 1, 2026, 1}, {2026, 1, 1, 1, 2026, 4},
      {2008, 12, 29, 1, 2009, 1},  {2010, 1, 3, 53, 2009, 7},  {2024, 3, 20, 12, 2024, 3},
      {2015, 12, 31, 53, 2015, 4}, {2016, 1, 3, 53, 2015, 7},  {2018, 12, 31, 1, 2019, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
    const TDateTime date = EncodeDate(c.year, c.month, c.day) + 0.5;
    Word weekYear = 0;
    EXPECT_EQ(WeekOfTheYear(date, weekYear), c.week);
    EXPECT_EQ(weekYear, c.weekYear);
    EXPECT_EQ(WeekOfTheYear(date), c.week);
    EXPECT_EQ(DayOfTheWeek(date), c.isoDay);
    EXPECT_EQ(DayOfWeek(date), c.isoDay % 7 + 1);
  }
}

TEST(GregorianArithmetic, IncMonthClampsTheDay) {
  const struct {
    Word year, month, day;
    Integer months;
    Word toYear, toMonth, toDay;
  } cases[] = {
      {2024, 1, 31, 1, 2024, 2, 29},   {2023, 1, 31, 1, 2023, 2, 28},
      {2024, 3, 31, -1, 2024, 2, 29},  {2024, 12, 15, 1, 2025, 1, 15},
      {2024, 1, 15, -1, 2023, 12, 15}, {2024, 1, 15, -13, 2022, 12, 15},
      {2024, 2, 29, 12, 2025, 2, 28},  {2024, 2, 29, 48, 2028, 2, 29},
      {2024, 5, 31, -24, 2022, 5, 31}, {2024, 10, 31, 0, 2024, 10, 31},
      {2024, 8, 31, 25, 2026, 9, 30},  {2024, 1, 1, -12 * 2023, 1, 1, 1},
      {1899, 1, 31, 1, 1899, 2, 28},   {1900, 3, 31, -1, 1900, 2, 28},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.year << '-' << c.month << '-' << c.day << " + " << c.months);
    Word y = c.year, m = c.month, d = c.day;
    IncAMonth(y, m, d, c.months);
    EXPECT_EQ(y, c.toYear);
    EXPECT_EQ(m, c.toMonth);
    EXPECT_EQ(d, c.toDay);
    // IncMonth keeps the time of day, also before 1899-12-30.
    const TDateTime from = CombineDateTime(EncodeDate(c.year, c.month, c.day), 0.25);
    EXPECT_DOUBLE_EQ(IncMonth(from, c.months),
                     CombineDateTime(EncodeDate(c.toYear, c.toMonth, c.toDay), 0.25));
  }
  // Beyond the calendar's range there is no date to land on.
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
  EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
  // Whole multiples of 65536 years must not wrap the 16-bit year back into range.
  for (const Integer months : {12 * 65536, -12 * 65536, 12 * 65536 + 12, -12 * 65536 - 12})
    EXPECT_THROW(IncMonth(EncodeDate(2024, 1, 1), months), EConvertError) << months;
  EXPECT_THROW(IncMonth(std::numeric_limits<double>::quiet_NaN(), 1), EConvertError);
}

}  // namespace
