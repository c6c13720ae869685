#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "TextTestSupport.h"
#include "ZarDateUtils.h"

using namespace zar;
using zar::testing::FormatSettingsTest;
using zar::testing::IsValidUtf8;

namespace {

// 1403/1/1, a Wednesday, at 18:00.
constexpr TDateTime NowruzEvening = 45371.75;
// 1403/1/1 at 09:05:07.045.
const TDateTime NowruzMorning = 45371 + (9 * 3600000 + 5 * 60000 + 7 * 1000 + 45) / 86400000.0;

struct PatternCase {
  const char* pattern;
  TDateTime value;
  const char* expected;
};

class SolarFormat : public FormatSettingsTest {};

TEST_F(SolarFormat, TokenTable) {
  const PatternCase cases[] = {
      {"yyyy/mm/dd", NowruzEvening, "1403/01/01"},
      {"y", NowruzEvening, "03"},
      {"yy", NowruzEvening, "03"},
      {"yyy", NowruzEvening, "1403"},
      {"yyyyyy", NowruzEvening, "1403"},
      {"m-d", NowruzEvening, "1-1"},
      {"Mm", NowruzEvening, "11"},  // two runs of one
      {"dddd d mmmm yyyy", NowruzEvening, "چهارشنبه 1 فروردين 1403"},
      {"mmm", NowruzEvening, "فرو"},
      {"mmmmmm", NowruzEvening, "فروردين"},
      {"ddd", NowruzEvening, "چ"},
      {"aaa", NowruzEvening, "چ"},
      {"AAAA", NowruzEvening, "چهارشنبه"},
      {"ddddd", NowruzEvening, "1403/01/01"},
      {"dddddd", NowruzEvening, "چهارشنبه 1 فروردين 1403"},
      {"hh:mm", NowruzEvening, "18:00"},
      {"h:mm am/pm", NowruzEvening, "6:00 pm"},
      {"h:mm AM/PM", NowruzEvening, "6:00 PM"},
      {"h:mm Am/pM", NowruzEvening, "6:00 pM"},
      {"hh a/p", NowruzEvening, "06 p"},
      {"h A/P", NowruzMorning, "9 A"},
      {"ampm", NowruzEvening, "PM"},
      {"ampm", NowruzMorning, "AM"},
      {"h:n:s.z", NowruzMorning, "9:5:7.45"},
      {"hh:nn:ss.zzz", NowruzMorning, "09:05:07.045"},
      {"hhh:nnn:sss zzzz", NowruzMorning, "09:05:07 045"},
      {"t", NowruzMorning, "09:05"},
      {"tt", NowruzMorning, "09:05:07"},
      // m after h is the minute; any other letter in between makes it the month.
      {"dd mm", NowruzMorning, "01 01"},
      {"hh mm", NowruzMorning, "09 05"},
      {"hh dd mm", NowruzMorning, "09 01 01"},
      {"hh:mm:mm", NowruzMorning, "09:05:01"},
      {"hh x mm", NowruzMorning, "09 x 01"},
      {"hh 'x' mm", NowruzMorning, "09 x 05"},
      // The hour looks ahead for an am/pm form, but not past another hour
      // and not into quotes; an earlier form keeps the 12-hour clock on.
      {"hh 'a/p'", NowruzEvening, "18 a/p"},
      {"hh h a/p", NowruzEvening, "18 6 p"},
      {"am/pm hh", NowruzEvening, "pm 06"},
      {"hh ab", NowruzEvening, "18 ab"},
      {"c", NowruzEvening, "1403/01/01 18:00:00"},
      {"c", 45371.0, "1403/01/01"},
      {"c", 45371.0 + 499 / 86400000.0, "1403/01/01"},  // milliseconds alone
      {"", NowruzEvening, "1403/01/01 18:00:00"},
      {"'yyyy'", NowruzEvening, "yyyy"},
      {"\"yy\"-yy", NowruzEvening, "yy-03"},
      {"yyyy 'open", NowruzEvening, "1403 open"},
      {"'ماه' mmmm", NowruzEvening, "ماه فروردين"},
      {"yyyy ماه m", NowruzEvening, "1403 ماه 1"},
      {"Quux!", NowruzEvening, "Quux!"},
      {"gg ee g/e", NowruzEvening, "  /"},  // no alternate-calendar formatter: eras write nothing
  };
  for (const auto& c : cases)
    EXPECT_EQ(ZarFormatDateTime(c.pattern, c.value), c.expected) << '"' << c.pattern << '"';
}

TEST_F(SolarFormat, TwelveHourClockAtMidnightAndNoon) {
  const struct {
    double hours;
    const char* expected;
  } cases[] = {{0, "12 am"},  {0.5, "12 am"}, {1, "1 am"},  {11, "11 am"},
               {12, "12 pm"}, {13, "1 pm"},   {23, "11 pm"}};
  for (const auto& c : cases)
    EXPECT_EQ(ZarFormatDateTime("h am/pm", 45371 + c.hours / 24), c.expected) << c.hours;
}

TEST_F(SolarFormat, SeparatorsAndDesignatorsComeFromTheSettings) {
  FormatSettings.DateSeparator = '-';
  FormatSettings.TimeSeparator = '.';
  FormatSettings.TimeAMString = "ق.ظ";
  FormatSettings.TimePMString = "ب.ظ";
  EXPECT_EQ(ZarFormatDateTime("yyyy/mm/dd hh:nn ampm", NowruzEvening), "1403-01-01 06.00 ب.ظ");
  FormatSettings.DateSeparator = '\0';
  FormatSettings.TimeSeparator = '\0';
  EXPECT_EQ(ZarFormatDateTime("yyyy/mm/dd hh:nn", NowruzEvening), "14030101 1800");
}

TEST_F(SolarFormat, StandardFormatsExpandOneLevelOnly) {
  FormatSettings.ShortDateFormat = "yyyy<ddddd|c>";
  EXPECT_EQ(ZarFormatDateTime("ddddd", NowruzEvening), "1403<|>");
  EXPECT_EQ(ZarFormatDateTime("c", NowruzEvening), "1403<|> 18:00:00");
  FormatSettings.LongTimeFormat = "hh t tt";
  EXPECT_EQ(ZarFormatDateTime("tt", NowruzEvening), "18  ");
}

TEST_F(SolarFormat, DateToStrAndDateTimeToStr) {
  FormatSettings.ShortDateFormat = "yy/m/d";
  EXPECT_EQ(ZarDateToStr(NowruzEvening), "03/1/1");
  EXPECT_EQ(ZarDateTimeToStr(NowruzEvening), "03/1/1 18:00:00");
  EXPECT_EQ(ZarDateTimeToStr(45371), "03/1/1");
}

TEST_F(SolarFormat, DayNamesFollowTheSolarWeekAndKeepTheirJoiners) {
  // 45374 is a Saturday, the first day of the solar week.
  const char* const longNames[] = {"شنبه",     "يک\u200Cشنبه",  "دوشنبه", "سه\u200Cشنبه",
                                   "چهارشنبه", "پنج\u200Cشنبه", "آدينه"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(ZarFormatDateTime("dddd", 45374 + i), longNames[i]) << i;
    EXPECT_EQ(ZarFormatDateTime("ddd", 45374 + i), ZarShortDayNames[i + 1]) << i;
  }
}

TEST_F(SolarFormat, ValuesOutsideTheCalendarFormatAsZerosWithoutNames) {
  const TDateTime beforeEpoch = -466700;  // the day before 1/1/1, a Wednesday
  EXPECT_EQ(ZarFormatDateTime("yyyy/mm/dd mmm|mmmm|", beforeEpoch), "0000/00/00 ||");
  EXPECT_EQ(ZarFormatDateTime("dddd", beforeEpoch), "چهارشنبه");
  for (const double odd : {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(), -1e300, 1e300})
    EXPECT_EQ(ZarFormatDateTime("yyyy/mm/dd hh:nn:ss.zzz", odd), "0000/00/00 00:00:00.000");
}

TEST_F(SolarFormat, PatternEndsAtAnEmbeddedNul) {
  EXPECT_EQ(ZarFormatDateTime(std::string_view("yyyy\0/mm", 8), NowruzEvening), "1403");
  EXPECT_EQ(ZarFormatDateTime(std::string_view("'ab\0cd'", 7), NowruzEvening), "ab");
  // A pattern of only a NUL is not empty: it produces nothing, not "c".
  EXPECT_EQ(ZarFormatDateTime(std::string_view("\0", 1), NowruzEvening), "");
}

TEST_F(SolarFormat, OutputStopsAt256BytesOnACharacterBoundary) {
  EXPECT_EQ(ZarFormatDateTime(std::string(300, 'x'), NowruzEvening), std::string(256, 'x'));

  // 255 bytes leave room for no two-byte letter; the "!" after it must not
  // slip into the last byte either, or the result would not be a prefix.
  std::string pattern(255, 'x');
  EXPECT_EQ(ZarFormatDateTime(pattern + "mmmm!", NowruzEvening), pattern);
  EXPECT_EQ(ZarFormatDateTime(pattern + "'ش'!", NowruzEvening), pattern);
  EXPECT_EQ(ZarFormatDateTime(pattern + "ش!", NowruzEvening), pattern);
  EXPECT_EQ(ZarFormatDateTime(pattern + "y", NowruzEvening), pattern + "0");

  std::string names;
  for (int i = 0; i < 40; ++i) names += "mmmm ";
  const std::string full = [] {
    std::string s;
    for (int i = 0; i < 40; ++i) s += ZarLongMonthNames[1] + " ";
    return s;
  }();
  const std::string cut = ZarFormatDateTime(names, NowruzEvening);
  EXPECT_LE(cut.size(), 256u);
  EXPECT_GT(cut.size(), 252u);
  EXPECT_EQ(full.compare(0, cut.size(), cut), 0);
  EXPECT_TRUE(IsValidUtf8(cut));
}

// Random patterns of tokens, quotes, Persian letters and stray bytes:
// the output never exceeds the limit, and valid input gives valid output.
TEST_F(SolarFormat, RandomPatternsStayWithinTheLimit) {
  const std::string pieces[] = {"y", "m",     "d",   "h",      "n", "s",  "z", "t", "c",
                                "a", "am/pm", "a/p", "ampm",   "'", "\"", "/", ":", " ",
                                "g", "e",     "ش",   "\u200C", "x", "Y",  "M", "D", "H"};
  std::mt19937 random(20240320);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(0, 200);
  std::uniform_real_distribution<double> value(-500000, 3200000);
  for (int round = 0; round < 3000; ++round) {
    std::string pattern;
    for (int n = length(random); n > 0; --n) pattern += pieces[pick(random)];
    const std::string out = ZarFormatDateTime(pattern, value(random));
    ASSERT_LE(out.size(), 256u) << pattern;
    ASSERT_TRUE(IsValidUtf8(out)) << pattern;
  }
  // Arbitrary bytes must not crash or overrun either.
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 3000; ++round) {
    std::string pattern;
    for (int n = length(random); n > 0; --n) pattern += static_cast<char>(byte(random));
    ASSERT_LE(ZarFormatDateTime(pattern, value(random)).size(), 256u);
  }
}

}  // namespace
