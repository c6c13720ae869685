#include <gtest/gtest.h>

#include <random>
#include <string>

#include "GregorianDates.h"
#include "TextFormat.h"
#include "TextTestSupport.h"

using namespace zar;
using zar::testing::ExpectConvertError;
using zar::testing::FormatSettingsTest;

namespace {

// 2024-03-20 (a Wednesday; 1403/1/1 in the solar calendar) at 18:00.
constexpr TDateTime EquinoxEvening = 45371.75;

class GregorianText : public FormatSettingsTest {};

TEST_F(GregorianText, PatternsUseGregorianPartsAndEnglishNames) {
  const struct {
    const char* pattern;
    const char* expected;
  } cases[] = {
      {"yyyy/mm/dd", "2024/03/20"},
      {"yy m d", "24 3 20"},
      {"dddd d mmmm yyyy", "Wednesday 20 March 2024"},
      {"ddd mmm", "Wed Mar"},
      {"aaaa|aaa", "Wednesday|Wed"},
      {"h:nn am/pm", "6:00 pm"},
      {"c", "2024/03/20 18:00:00"},
      {"dddddd", "Wednesday 20 March 2024"},
      {"'dd' dd", "dd 20"},
      {"gg e yyyy", "  2024"},  // eras write nothing on this platform
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatDateTime(c.pattern, EquinoxEvening), c.expected) << c.pattern;
}

// FormatSettings' day names are Sunday first; the solar tables Saturday first.
TEST_F(GregorianText, DayNamesAreIndexedFromSunday) {
  const TDateTime sunday = EncodeDate(2024, 3, 24);
  const char* const names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                               "Thursday", "Friday", "Saturday"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(FormatDateTime("dddd", sunday + i), names[i]);
    EXPECT_EQ(FormatDateTime("ddd", sunday + i), FormatSettings.ShortDayNames[i]);
  }
  FormatSettings.LongMonthNames[11] = "Dezember";
  EXPECT_EQ(FormatDateTime("mmmm", EncodeDate(2024, 12, 1)), "Dezember");
}

TEST_F(GregorianText, StandardTexts) {
  EXPECT_EQ(DateToStr(EquinoxEvening), "2024/03/20");
  EXPECT_EQ(DateTimeToStr(EquinoxEvening), "2024/03/20 18:00:00");
  EXPECT_EQ(DateTimeToStr(45371), "2024/03/20");
  EXPECT_EQ(TimeToStr(EquinoxEvening), "18:00:00");
  std::string result = "old";
  DateTimeToString(result, "yyyy", EquinoxEvening);
  EXPECT_EQ(result, "2024");
  // Outside 0001..9999 the date parts are zeros.
  EXPECT_EQ(FormatDateTime("yyyy/mm/dd", -700000), "0000/00/00");
}

TEST_F(GregorianText, ParsesByTheSameGrammar) {
  EXPECT_EQ(StrToDate("2024/2/29"), EncodeDate(2024, 2, 29));
  EXPECT_EQ(StrToDate(" 2024 / 03 / 20 / "), EncodeDate(2024, 3, 20));
  EXPECT_EQ(StrToDate("3/20"), EncodeDate(CurrentYear(), 3, 20));
  EXPECT_DOUBLE_EQ(StrToDateTime("2024/3/20 6:00 pm"), EquinoxEvening);
  EXPECT_DOUBLE_EQ(StrToDateTime("18:00"), 0.75);
  FormatSettings.ShortDateFormat = "mm/dd/yyyy";
  EXPECT_EQ(StrToDate("3/20/2024"), EncodeDate(2024, 3, 20));

  TDateTime value = 1;
  EXPECT_FALSE(TryStrToDate("2023/2/29", value));
  EXPECT_FALSE(TryStrToDateTime("2024/3/20 25:00", value));
  EXPECT_EQ(value, 1);
}

TEST_F(GregorianText, TwoDigitYearsUseTheGregorianCurrentYear) {
  const int current = CurrentYear();
  for (int yy = 0; yy < 100; yy += 7) {
    Word year, month, day;
    DecodeDate(StrToDate(std::to_string(yy) + "/1/1"), year, month, day);
    EXPECT_EQ(year % 100, yy);
    EXPECT_GE(year, current - 50);
    EXPECT_LT(year, current + 50);
  }
}

TEST_F(GregorianText, TimesAlone) {
  const struct {
    const char* text;
    double hours;
  } accepted[] = {{"10:30", 10.5}, {" 10:30 am ", 10.5}, {"12:00 AM", 0}, {"PM 12:30", 12.5},
                  {"7", 7},        {"0:00:00.0", 0}};
  for (const auto& c : accepted) {
    TDateTime value = -1;
    ASSERT_TRUE(TryStrToTime(c.text, value)) << c.text;
    EXPECT_DOUBLE_EQ(value, c.hours / 24) << c.text;
  }
  for (const char* text : {"", "24:00", "10:30 x", "13 pm", "2024/1/1", "1:2:3:4"}) {
    TDateTime value = -1;
    EXPECT_FALSE(TryStrToTime(text, value)) << text;
    ExpectConvertError(StrToTime, text, "'" + std::string(text) + "' is not a valid time");
  }
}

TEST_F(GregorianText, ErrorMessagesCarryTheText) {
  ExpectConvertError(StrToDate, "2023/2/29", "Invalid date '2023/2/29'");
  ExpectConvertError(StrToDateTime, "soon", "'soon' is not a valid date and time");
}

// Locales with eras write the era before the year; its offset converts
// the era year.
TEST_F(GregorianText, EraNamesSelectTheYearOffset) {
  FormatSettings.ShortDateFormat = "gg yy/mm/dd";
  FormatSettings.EraNames = {"Meiji", "Taisho", "Showa", "Heisei", "Reiwa", "", ""};
  FormatSettings.EraYearOffsets = {1868, 1912, 1926, 1989, 2019, 0, 0};
  EXPECT_EQ(StrToDate("Heisei 31/4/30"), EncodeDate(2019, 4, 30));
  EXPECT_EQ(StrToDate(" Reiwa 1/5/1"), EncodeDate(2019, 5, 1));
  EXPECT_EQ(StrToDate("Show 64/1/7"), EncodeDate(1989, 1, 7));  // part of a name is enough
  // Without a known era the two-digit year window applies.
  Word year, month, day;
  DecodeDate(StrToDate("Edo 31/4/30"), year, month, day);
  EXPECT_EQ(year % 100, 31);

  FormatSettings.ShortDateFormat = "ee/mm/dd";
  FormatSettings.EraYearOffsets[0] = 1989;
  EXPECT_EQ(StrToDate("2/1/1"), EncodeDate(1990, 1, 1));
}

TEST_F(GregorianText, KoreanEraYearsCountBack) {
  FormatSettings.KoreanLocale = true;
  FormatSettings.ShortDateFormat = "ee/mm/dd";
  FormatSettings.EraYearOffsets[0] = 2333;  // Dangi year = Gregorian year + 2333
  EXPECT_EQ(StrToDate("4357/3/20"), EncodeDate(2024, 3, 20));
  // A two-digit era year takes the century of the current era year.
  const int eraCentury = (CurrentYear() + 2333) / 100 * 100;
  EXPECT_EQ(StrToDate("57/3/20"), EncodeDate(static_cast<Word>(eraCentury + 57 - 2333), 3, 20));
}

TEST_F(GregorianText, FarEastDatesSkipTheWeekdayName) {
  FormatSettings.FarEastLocale = true;
  FormatSettings.ShortDateFormat = "yyyy/mm/dd ddd";
  FormatSettings.TimeAMString = "AM";
  FormatSettings.TimePMString = "PM";
  EXPECT_EQ(StrToDate("2024/3/20 Wed"), EncodeDate(2024, 3, 20));
  EXPECT_DOUBLE_EQ(StrToDateTime("2024/3/20 Wed PM 6:00"), EquinoxEvening);
  EXPECT_DOUBLE_EQ(StrToDateTime("2024/3/20 Wed x y pm 6:00"), EquinoxEvening);
  // With a time format that starts with a digit, skipping stops at a digit.
  FormatSettings.ShortTimeFormat = "0hh:nn";
  EXPECT_DOUBLE_EQ(StrToDateTime("2024/3/20 (水) 18:00"), EquinoxEvening);
}

TEST_F(GregorianText, FormattedDatesParseBack) {
  for (TDateTime day = EncodeDate(1, 1, 1); day <= EncodeDate(9999, 12, 31); day += 1009) {
    TDateTime parsed = 0;
    ASSERT_TRUE(TryStrToDate(DateToStr(day), parsed)) << DateToStr(day);
    ASSERT_EQ(parsed, day);
    const TDateTime evening = CombineDateTime(day, 0.75);
    ASSERT_TRUE(TryStrToDateTime(DateTimeToStr(evening), parsed)) << DateTimeToStr(evening);
    ASSERT_DOUBLE_EQ(parsed, evening);
  }
}

TEST_F(GregorianText, ArbitraryBytesAreRejectedCleanly) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> length(0, 30);
  std::uniform_int_distribution<int> anyByte(0, 255);
  FormatSettings.FarEastLocale = true;  // exercise the skipping rule too
  FormatSettings.ShortDateFormat = "gg yyyy/mm/dd ddd";
  FormatSettings.EraNames[0] = "AD";
  FormatSettings.EraYearOffsets[0] = 1;
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (int n = length(random); n > 0; --n) {
      const int b = anyByte(random);
      text += static_cast<char>(b < 128 ? "0123456789/: .apmAD"[b % 19] : b);
    }
    TDateTime value = 0, time = 0;
    if (TryStrToDate(text, value)) {
      EXPECT_TRUE(TryStrToDateTime(text, value)) << text;
    }
    if (TryStrToTime(text, time))
      EXPECT_EQ(StrToTime(text), time);
    else
      ExpectConvertError(StrToTime, text, Format("'%s' is not a valid time", text));
  }
}

}  // namespace
