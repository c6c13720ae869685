#include <gtest/gtest.h>

#include <random>
#include <string>

#include "TextFormat.h"
#include "TextTestSupport.h"
#include "ZarDateUtils.h"

using namespace zar;
using zar::testing::ExpectConvertError;
using zar::testing::FormatSettingsTest;

namespace {

constexpr TDateTime Nowruz1403 = 45371;  // 1403/1/1

TDateTime At(double hours, double minutes = 0, double seconds = 0, double ms = 0) {
  return ((hours * 60 + minutes) * 60 + seconds + ms / 1000) / 86400;
}

class SolarParse : public FormatSettingsTest {};

TEST_F(SolarParse, AcceptedDates) {
  const struct {
    const char* text;
    Word year, month, day;
  } cases[] = {
      {"1403/1/1", 1403, 1, 1},    {" 1403 / 01 / 01 ", 1403, 1, 1}, {"1403/1/1/", 1403, 1, 1},
      {"1403/1/1/  ", 1403, 1, 1}, {"1403/12/30", 1403, 12, 30},     {"0003/1/1", 3, 1, 1},
      {"003/1/1", 3, 1, 1},        {"0001403/1/1", 1403, 1, 1},      {"9999/12/29", 9999, 12, 29},
      {"0001/1/1", 1, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TDateTime value = -1;
    ASSERT_TRUE(ZarTryStrToDate(c.text, value));
    EXPECT_EQ(value, ZarEncodeDate(c.year, c.month, c.day));
    EXPECT_EQ(ZarStrToDate(c.text), value);
  }
  EXPECT_EQ(ZarStrToDate("1403/1/1"), Nowruz1403);
}

TEST_F(SolarParse, RejectedDatesRaiseWithTheText) {
  const char* const cases[] = {
      "1403/1/1//", "1402/12/30", "1403-1-1", "12345/1/1", "0000/1/1",
      "1403/13/1",  "1403/7/31",  "1403/0/1", "",          "   ",
      "1403",       "1403/",      "1403/1/",  "/1/1",      "1403/1/1 10:30",
      "\t1403/1/1", "1403/1/1x",  "1403 1 1",
  };
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    TDateTime value = 123;
    EXPECT_FALSE(ZarTryStrToDate(text, value));
    EXPECT_EQ(value, 123);  // untouched on failure
    ExpectConvertError(ZarStrToDate, text, "Invalid date '" + std::string(text) + "'");
  }
}

// A one- or two-digit year lands in the hundred years that start
// TwoDigitYearCenturyWindow years before the current solar year.
TEST_F(SolarParse, TwoDigitYearsFollowTheCenturyWindow) {
  const int current = ZarCurrentYear();
  for (const Word window : {Word(50), Word(0), Word(10)}) {
    FormatSettings.TwoDigitYearCenturyWindow = window;
    for (int yy = 0; yy < 100; ++yy) {
      const std::string text = (yy < 10 ? "0" : "") + std::to_string(yy) + "/1/1";
      TDateTime value = 0;
      ASSERT_TRUE(ZarTryStrToDate(text, value)) << text;
      Word year, month, day;
      ZarDecodeDate(value, year, month, day);
      EXPECT_EQ(year % 100, yy) << text;
      if (window > 0) {
        EXPECT_GE(year, current - window) << text;
        EXPECT_LT(year, current - window + 100) << text;
      } else {
        EXPECT_EQ(year / 100, current / 100) << text;  // window 0: the current century
      }
    }
  }
  // A single digit is a two-digit year; three or more digits are taken as written.
  FormatSettings.TwoDigitYearCenturyWindow = 50;
  EXPECT_EQ(ZarStrToDate("3/1/1"), ZarStrToDate("03/1/1"));
  EXPECT_EQ(ZarStrToDate("003/1/1"), ZarEncodeDate(3, 1, 1));
}

TEST_F(SolarParse, DayAndMonthAloneTakeTheCurrentYear) {
  const Word current = ZarCurrentYear();
  EXPECT_EQ(ZarStrToDate("1/15"), ZarEncodeDate(current, 1, 15));
  // After two numbers a separator announces the year.
  TDateTime value = 0;
  EXPECT_FALSE(ZarTryStrToDate("1/15/", value));
  FormatSettings.ShortDateFormat = "dd/mm/yyyy";
  EXPECT_EQ(ZarStrToDate("15/1"), ZarEncodeDate(current, 1, 15));
}

TEST_F(SolarParse, TheShortDateFormatDecidesTheOrder) {
  const struct {
    const char* format;
    const char* text;
  } cases[] = {
      {"yyyy/mm/dd", "1403/2/3"}, {"dd/mm/yyyy", "3/2/1403"}, {"mm/dd/yyyy", "2/3/1403"},
      {"d.m.y", "3/2/1403"},      {"YYYY-MM-DD", "1403/2/3"}, {"ee/mm/dd", "1403/2/3"},
      {"", "2/3/1403"},           {"'x' m d y", "2/3/1403"},  {"M/D/Y", "2/3/1403"},
  };
  for (const auto& c : cases) {
    FormatSettings.ShortDateFormat = c.format;
    EXPECT_EQ(ZarStrToDate(c.text), ZarEncodeDate(1403, 2, 3)) << c.format;
  }
}

TEST_F(SolarParse, SeparatorsAreMatchedExactly) {
  FormatSettings.DateSeparator = '-';
  EXPECT_EQ(ZarStrToDate("1403-1-1"), Nowruz1403);
  TDateTime value = 0;
  EXPECT_FALSE(ZarTryStrToDate("1403/1/1", value));
  FormatSettings.TimeSeparator = '.';
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(ZarStrToDateTime("1403-1-1 10.30.15,5"), Nowruz1403 + At(10, 30, 15, 5));
}

TEST_F(SolarParse, DatesWithTimes) {
  FormatSettings.TimeAMString = "ق.ظ";
  FormatSettings.TimePMString = "ب.ظ";
  const struct {
    const char* text;
    TDateTime expected;
  } cases[] = {
      {"1403/1/1 10:30", Nowruz1403 + At(10, 30)},
      {"1403/1/1", Nowruz1403},
      {"1403/1/1 10:30 pm", Nowruz1403 + At(22, 30)},
      {"1403/1/1 10:30 PM", Nowruz1403 + At(22, 30)},
      {"1403/1/1 10:30 ب.ظ", Nowruz1403 + At(22, 30)},
      {"1403/1/1 ق.ظ 10:30", Nowruz1403 + At(10, 30)},
      {"1403/1/1 pm 1:05", Nowruz1403 + At(13, 5)},
      {"1403/1/1 12:00 am", Nowruz1403},
      {"1403/1/1 12:00 pm", Nowruz1403 + At(12)},
      {"1403/1/1 10:30:15.5", Nowruz1403 + At(10, 30, 15, 5)},
      {"1403/1/1 10:30:15.500", Nowruz1403 + At(10, 30, 15, 500)},
      {"1403/1/1 10", Nowruz1403 + At(10)},
      {"1403/1/1 10:30 xyz", Nowruz1403 + At(10, 30)},  // text after the time is ignored
      {"1403/1/1/ 10:30", Nowruz1403 + At(10, 30)},
      {"10:30", At(10, 30)},
      {" 10:30:01 ", At(10, 30, 1)},
      {"10 pm", At(22)},
      {"23:59:59.999", At(23, 59, 59, 999)},
      // Before 1899-12-30 the time is subtracted, as the day serial is negative.
      {"1278/10/8 6:00", -1 - At(6)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TDateTime value = -1;
    ASSERT_TRUE(ZarTryStrToDateTime(c.text, value));
    EXPECT_DOUBLE_EQ(value, c.expected);
  }
}

TEST_F(SolarParse, RejectedDatesAndTimesRaiseWithTheText) {
  const char* const cases[] = {"1403/1/1 0:30 pm",
                               "1403/1/1 13:00 pm",
                               "24:00",
                               "10:60",
                               "10:30:60",
                               "10:30:00.1000",
                               "",
                               "xyz",
                               "1403/1/1 xyz",
                               "10:",
                               "10:30 xyz",
                               "1402/12/30 10:00",
                               "pm",
                               "1403/1/1 10:"};
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    TDateTime value = 123;
    EXPECT_FALSE(ZarTryStrToDateTime(text, value));
    EXPECT_EQ(value, 123);
    ExpectConvertError(ZarStrToDateTime, text,
                       "'" + std::string(text) + "' is not a valid date and time");
  }
}

TEST_F(SolarParse, ScannersReportWhereTheyStopped) {
  const std::string text = "x 1403/1/1 y";
  Integer pos = 3;
  TDateTime date = 0;
  ASSERT_TRUE(ZarScanDate(text, pos, date));
  EXPECT_EQ(date, Nowruz1403);
  EXPECT_EQ(pos, 12);  // at the y: trailing blanks are consumed

  pos = 1;
  EXPECT_FALSE(ZarScanDate(text, pos, date));

  TDateTime time = 0;
  pos = 1;
  ASSERT_TRUE(ZarScanTime("10:30 pm", pos, time));
  EXPECT_DOUBLE_EQ(time, At(22, 30));
  EXPECT_EQ(pos, 9);

  pos = 7;
  ASSERT_TRUE(ZarScanTime("date: 7:05 and more", pos, time));
  EXPECT_DOUBLE_EQ(time, At(7, 5));
  EXPECT_EQ(pos, 12);

  // Positions before the text, or past its end, find nothing.
  for (const Integer bad : {0, -1, -2147483647 - 1, 13, 2147483647}) {
    pos = bad;
    EXPECT_FALSE(ZarScanDate(text, pos, date)) << bad;
    pos = bad;
    EXPECT_FALSE(ZarScanTime(text, pos, time)) << bad;
  }
}

TEST_F(SolarParse, FormattedDatesParseBack) {
  for (const char* format : {"yyyy/mm/dd", "dd/mm/yyyy", "m/d/yyyy", "yyyy/m/d"}) {
    FormatSettings.ShortDateFormat = format;
    for (TDateTime day = -466699; day <= 3185359; day += 997) {
      TDateTime parsed = 0;
      ASSERT_TRUE(ZarTryStrToDate(ZarDateToStr(day), parsed)) << ZarDateToStr(day);
      ASSERT_EQ(parsed, day) << ZarDateToStr(day);
    }
  }
}

// Any bytes give false from the Try forms and EConvertError from the
// raising forms; under the sanitizer build this also proves no overrun.
TEST_F(SolarParse, ArbitraryBytesAreRejectedCleanly) {
  const char alphabet[] = {'0', '1', '2',  '9',  '/',    ':',    '.',    ' ',    ' ', 'a', 'm',
                           'P', 'M', '\0', '\t', '\x80', '\xD9', '\xFF', '\xE2', '-', '\''};
  std::mt19937 random(1403);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> anyByte(0, 255);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const bool raw = round % 4 == 0;
    for (int n = length(random); n > 0; --n)
      text += raw ? static_cast<char>(anyByte(random)) : alphabet[pick(random)];
    TDateTime date = 0, dateTime = 0, value = 0;
    if (ZarTryStrToDate(text, date)) {
      EXPECT_EQ(ZarStrToDate(text), date);
      EXPECT_TRUE(ZarTryStrToDateTime(text, value)) << text;  // every date is a date and time
    } else {
      ExpectConvertError(ZarStrToDate, text, Format("Invalid date '%s'", text));
    }
    if (ZarTryStrToDateTime(text, dateTime))
      EXPECT_EQ(ZarStrToDateTime(text), dateTime);
    else
      ExpectConvertError(ZarStrToDateTime, text, Format("'%s' is not a valid date and time", text));
    Integer pos = static_cast<Integer>(round % (text.size() + 2));
    ZarScanDate(text, pos, value);
    EXPECT_GE(pos, 0);
    EXPECT_LE(pos, static_cast<Integer>(text.size() + 1));
    pos = static_cast<Integer>(round % (text.size() + 2));
    ZarScanTime(text, pos, value);
    EXPECT_LE(pos, static_cast<Integer>(text.size() + 1));
  }
}

TEST_F(SolarParse, MegabytesOfTextAreHandledInOnePass) {
  const std::size_t size = 4 << 20;
  const std::string blanks(size, ' ');
  TDateTime value = 0;
  EXPECT_TRUE(ZarTryStrToDate(blanks + "1403/1/1" + blanks, value));
  EXPECT_EQ(value, Nowruz1403);
  EXPECT_TRUE(ZarTryStrToDateTime("1403/1/1" + blanks + "10:30" + blanks + "junk", value));
  for (const std::string& junk :
       {blanks, std::string(size, '9'), std::string(size, '\0'), std::string(size, '\xD9'),
        std::string(size, '/'), "1403/1/1" + std::string(size, '/')}) {
    EXPECT_FALSE(ZarTryStrToDate(junk, value));
    EXPECT_FALSE(ZarTryStrToDateTime(junk, value));
    EXPECT_THROW(ZarStrToDateTime(junk), EConvertError);
  }
}

}  // namespace
