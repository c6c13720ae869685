// Persian (U+06F0..U+06F9) and Arabic-Indic (U+0660..U+0669) digits: read by
// every parser of both calendars as ASCII digits, written by both formatters
// when FormatSettings.DigitShape asks for them. Also the letters of the
// Persian name tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "TextFormat.h"
#include "TextTestSupport.h"
#include "ZarDateUtils.h"

using namespace zar;
using zar::testing::ExpectConvertError;
using zar::testing::FormatSettingsTest;
using zar::testing::IsValidUtf8;

namespace {

constexpr TDateTime Nowruz1403 = 45371;        // 1403/1/1 = 2024-03-20
constexpr TDateTime NowruzEvening = 45371.75;  // at 18:00
const TDateTime TenThirty = 10.5 / 24;

class Digits : public FormatSettingsTest {};

// Every parser, with the same text in ASCII, Persian, Arabic-Indic and
// mixed digits, gives the value of the ASCII text.
TEST_F(Digits, EveryParserReadsAllThreeScripts) {
  using TParse = TDateTime (*)(std::string_view);
  const struct {
    const char* name;
    TParse parse;
    const char* ascii;
    const char* persian;
    const char* arabic;
    const char* mixed;
  } cases[] = {
      {"ZarStrToDate", ZarStrToDate, "1403/01/01", "۱۴۰۳/۰۱/۰۱", "١٤٠٣/٠١/٠١", "۱4۰3/٠1/۰١"},
      {"ZarStrToDate", ZarStrToDate, " 1403 / 12 / 30 /", " ۱۴۰۳ / ۱۲ / ۳۰ /", " ١٤٠٣ / ١٢ / ٣٠ /",
       " 1٤۰۳ / 1۲ / ٣0 /"},
      {"ZarStrToDateTime", ZarStrToDateTime, "1403/1/1 10:30:15.5", "۱۴۰۳/۱/۱ ۱۰:۳۰:۱۵.۵",
       "١٤٠٣/١/١ ١٠:٣٠:١٥.٥", "1۴٠3/۱/1 1۰:٣0:۱5.٥"},
      {"ZarStrToDateTime", ZarStrToDateTime, "1403/1/1 10:30 pm", "۱۴۰۳/۱/۱ ۱۰:۳۰ pm",
       "١٤٠٣/١/١ ١٠:٣٠ pm", "۱۴۰۳/1/١ ١0:۳۰ pm"},
      {"StrToDate", StrToDate, "2024/03/20", "۲۰۲۴/۰۳/۲۰", "٢٠٢٤/٠٣/٢٠", "2۰٢4/0۳/٢0"},
      {"StrToDateTime", StrToDateTime, "2024/3/20 23:59:59", "۲۰۲۴/۳/۲۰ ۲۳:۵۹:۵۹",
       "٢٠٢٤/٣/٢٠ ٢٣:٥٩:٥٩", "۲0٢4/3/۲٠ 2۳:٥9:59"},
      {"StrToTime", StrToTime, "10:30", "۱۰:۳۰", "١٠:٣٠", "1۰:٣0"},
  };
  for (const auto& c : cases) {
    const TDateTime expected = c.parse(c.ascii);
    for (const char* text : {c.persian, c.arabic, c.mixed}) {
      SCOPED_TRACE(std::string(c.name) + " " + text);
      EXPECT_DOUBLE_EQ(c.parse(text), expected);
    }
  }
  EXPECT_EQ(ZarStrToDate("۱۴۰۳/۰۱/۰۱"), Nowruz1403);
  EXPECT_EQ(StrToDate("۲۰۲۴/۰۳/۲۰"), Nowruz1403);
  EXPECT_DOUBLE_EQ(ZarStrToDateTime("۱۰:۳۰"), TenThirty);
}

// The year window and the four-digit limit count digits, not bytes: a
// Persian digit is two bytes of UTF-8.
TEST_F(Digits, YearLengthsCountDigitsNotBytes) {
  FormatSettings.TwoDigitYearCenturyWindow = 50;
  const struct {
    const char* text;
    const char* ascii;
  } cases[] = {
      {"۰۳/۱/۱", "03/1/1"},           {"۳/۱/۱", "3/1/1"},
      {"۰۰۳/۱/۱", "003/1/1"},         {"٥٣/١/١", "53/1/1"},
      {"۰۰۰۱۴۰۳/۱/۱", "0001403/1/1"}, {"۱/۱۵", "1/15"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ZarStrToDate(c.text), ZarStrToDate(c.ascii));
  }
  // Four digits at most: the fifth is not a separator.
  TDateTime value = 0;
  EXPECT_FALSE(ZarTryStrToDate("۱۲۳۴۵/۱/۱", value));
  EXPECT_FALSE(ZarTryStrToDate("۰۰۰۰/۱/۱", value));  // year 0
}

TEST_F(Digits, ScannersStepOverWholeDigits) {
  // "x ۱۴۰۳/۱/۱ y": the date starts at byte 3 and ends before the y.
  const std::string text = "x ۱۴۰۳/۱/۱ y";
  Integer pos = 3;
  TDateTime date = 0;
  ASSERT_TRUE(ZarScanDate(text, pos, date));
  EXPECT_EQ(date, Nowruz1403);
  EXPECT_EQ(pos, static_cast<Integer>(text.size()));  // at the y

  const std::string time = "۱۰:۳۰ ب.ظ";
  pos = 1;
  TDateTime t = 0;
  ASSERT_TRUE(ZarScanTime(time, pos, t));
  EXPECT_DOUBLE_EQ(t, TenThirty);
  EXPECT_EQ(pos, 11);  // after the blank behind the minutes (nine bytes of time)
}

// Other scripts' digits, lookalike letters and broken UTF-8 are refused
// with the usual messages.
TEST_F(Digits, OtherDigitsLookalikesAndBrokenBytesAreRefused) {
  const std::string cases[] = {
      "१४०३/१/१",          // Devanagari
      "১৪০৩/১/১",          // Bengali
      "１４０３/１/１",    // full-width
      "۱۴۰۳/۱/ا",          // alef U+0627 for one
      "۱۴۰۳/۱/ه",          // heh U+0647 for five
      "۱۴۰۳/۱/۱٫",         // Arabic decimal separator U+066B
      "۱۴۰۳/۱/\xDB\xBA",   // U+06FA, the letter after the digits
      "۱۴۰۳/۱/\xD9\x9F",   // U+065F, just before the Arabic-Indic digits
      "۱۴۰۳/۱/\xDB",       // a lead byte without its second byte
      "۱۴۰۳/۱/\xB1",       // a stray second byte
      "\xDB\xB1\xB4/1/1",  // a digit's second byte repeated
      std::string("۱۴۰۳/۱/۱\0", 16),
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text);
    TDateTime value = 123;
    EXPECT_FALSE(ZarTryStrToDate(text, value));
    EXPECT_EQ(value, 123);
    ExpectConvertError(ZarStrToDate, text, Format("Invalid date '%s'", text));
    ExpectConvertError(ZarStrToDateTime, text, Format("'%s' is not a valid date and time", text));
    ExpectConvertError(StrToDate, text, Format("Invalid date '%s'", text));
  }
}

// Digits of numbers follow the setting in both calendars; names, quoted
// text and separators do not change.
TEST_F(Digits, FormattersWriteTheChosenShape) {
  const struct {
    const char* pattern;
    TDigitShape shape;
    const char* solar;
    const char* gregorian;
  } cases[] = {
      {"yyyy/mm/dd", dgLatin, "1403/01/01", "2024/03/20"},
      {"yyyy/mm/dd", dgPersian, "۱۴۰۳/۰۱/۰۱", "۲۰۲۴/۰۳/۲۰"},
      {"yyyy/mm/dd", dgArabic, "١٤٠٣/٠١/٠١", "٢٠٢٤/٠٣/٢٠"},
      {"dddd d mmmm yy", dgPersian, "چهارشنبه ۱ فروردين ۰۳", "Wednesday ۲۰ March ۲۴"},
      {"h:nn:ss.zzz am/pm", dgPersian, "۶:۰۰:۰۰.۰۰۰ pm", "۶:۰۰:۰۰.۰۰۰ pm"},
      {"c", dgArabic, "١٤٠٣/٠١/٠١ ١٨:٠٠:٠٠", "٢٠٢٤/٠٣/٢٠ ١٨:٠٠:٠٠"},
      {"'yyyy 12' d", dgPersian, "yyyy 12 ۱", "yyyy 12 ۲۰"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    FormatSettings.DigitShape = c.shape;
    EXPECT_EQ(ZarFormatDateTime(c.pattern, NowruzEvening), c.solar);
    EXPECT_EQ(FormatDateTime(c.pattern, NowruzEvening), c.gregorian);
  }
  FormatSettings.DigitShape = dgPersian;
  EXPECT_EQ(ZarDateToStr(NowruzEvening), "۱۴۰۳/۰۱/۰۱");
  EXPECT_EQ(DateToStr(NowruzEvening), "۲۰۲۴/۰۳/۲۰");
  EXPECT_EQ(ZarDateTimeToStr(Nowruz1403), "۱۴۰۳/۰۱/۰۱");
  std::string out;
  ZarDateTimeToString(out, "yyyy", Nowruz1403);
  EXPECT_EQ(out, "۱۴۰۳");
}

// Shaped text parses back to the value, in both calendars and every shape.
TEST_F(Digits, ShapedTextParsesBack) {
  for (const TDigitShape shape : {dgPersian, dgArabic}) {
    for (TDateTime day = 1; day <= 3000000; day += 9973) {
      const TDateTime value = day + 0.25;
      FormatSettings.DigitShape = shape;
      const std::string solar = ZarDateTimeToStr(value);
      const std::string gregorian = DateTimeToStr(value);
      FormatSettings.DigitShape = dgLatin;
      ASSERT_DOUBLE_EQ(ZarStrToDateTime(solar), value) << solar;
      if (day < 2900000) {
        ASSERT_DOUBLE_EQ(StrToDateTime(gregorian), value) << gregorian;
      }
    }
  }
}

// Two-byte digits are never split at the 256-byte limit.
TEST_F(Digits, TheLimitNeverSplitsADigit) {
  FormatSettings.DigitShape = dgPersian;
  for (std::size_t lead = 245; lead <= 256; ++lead) {
    SCOPED_TRACE(lead);
    const std::string out = ZarFormatDateTime(std::string(lead, 'x') + "yyyy!", Nowruz1403);
    EXPECT_LE(out.size(), 256u);
    EXPECT_TRUE(IsValidUtf8(out));
    const std::string whole = std::string(lead, 'x') + "۱۴۰۳!";
    EXPECT_EQ(whole.compare(0, out.size(), out), 0);
    EXPECT_GE(out.size(), std::min<std::size_t>(whole.size(), 255));  // one byte unused at most
  }
  std::string many;
  for (int i = 0; i < 60; ++i) many += "zzz''";  // '' ends the run and writes nothing
  const std::string out = ZarFormatDateTime(many, NowruzEvening);
  EXPECT_EQ(out.size(), 256u);  // 128 whole digits
  EXPECT_TRUE(IsValidUtf8(out));
}

TEST(ShapeDigits, ReshapesEveryScriptAndKeepsTheRest) {
  const struct {
    const char* text;
    TDigitShape shape;
    const char* expected;
  } cases[] = {
      {"1403/01/01 فروردين", dgPersian, "۱۴۰۳/۰۱/۰۱ فروردين"},
      {"1403/01/01", dgArabic, "١٤٠٣/٠١/٠١"},
      {"۱۴۰۳/٠١/01", dgLatin, "1403/01/01"},
      {"۱۴۰۳/٠١/01", dgPersian, "۱۴۰۳/۰۱/۰۱"},
      {"\xDB\xBA \xDB \xD9", dgLatin, "\xDB\xBA \xDB \xD9"},
      {"", dgPersian, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ShapeDigits(c.text, c.shape), c.expected) << c.text;
  TDigitShape shape = dgLatin;
  EXPECT_TRUE(DigitShapeFromName("persian", shape));
  EXPECT_EQ(shape, dgPersian);
  EXPECT_TRUE(DigitShapeFromName("arabic", shape));
  EXPECT_EQ(shape, dgArabic);
  EXPECT_TRUE(DigitShapeFromName("latin", shape));
  EXPECT_EQ(shape, dgLatin);
  EXPECT_FALSE(DigitShapeFromName("Persian", shape));
  EXPECT_FALSE(DigitShapeFromName("", shape));
  EXPECT_EQ(shape, dgLatin);
}

class NameLetters : public FormatSettingsTest {
 protected:
  void TearDown() override {
    LoadZarDateNames();
    FormatSettingsTest::TearDown();
  }
};

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

TEST_F(NameLetters, PersianLettersReplaceEveryArabicYehAndKeepTheRest) {
  const auto before = ZarLongMonthNames;
  const auto beforeDays = ZarLongDayNames;
  EXPECT_EQ(ZarNameLetters(), nlArabic);
  LoadZarDateNames(nlPersian);
  EXPECT_EQ(ZarNameLetters(), nlPersian);
  const struct {
    const char* pattern;
    const char* expected;
  } cases[] = {
      {"dddd d mmmm yyyy", "چهارشنبه 1 فروردین 1403"},
      {"mmmm", "فروردین"},
      {"mmm", "فرو"},
  };
  for (const auto& c : cases) EXPECT_EQ(ZarFormatDateTime(c.pattern, NowruzEvening), c.expected);
  EXPECT_EQ(ZarLongDayNames[2], "یک\u200Cشنبه");  // Sunday keeps its keheh and joiner
  EXPECT_EQ(ZarShortDayNames[2], "ی");
  EXPECT_EQ(ZarLongMonthNames[10], "دی");
  EXPECT_EQ(ZarLongDayNames[7], "آدینه");
  for (std::size_t i = 1; i <= 12; ++i) {
    for (const std::string* name : {&ZarLongMonthNames[i], &ZarShortMonthNames[i]}) {
      EXPECT_FALSE(Contains(*name, "\u064A")) << *name;
      EXPECT_FALSE(Contains(*name, "\u0643")) << *name;
    }
    EXPECT_EQ(ZarLongMonthNames[i].size(), before[i].size());
  }
  for (std::size_t i = 1; i <= 7; ++i) {
    EXPECT_FALSE(Contains(ZarLongDayNames[i], "\u064A")) << ZarLongDayNames[i];
    EXPECT_EQ(ZarLongDayNames[i].size(), beforeDays[i].size());
  }
  // Back to the default letters, byte for byte.
  LoadZarDateNames(nlArabic);
  EXPECT_EQ(ZarNameLetters(), nlArabic);
  EXPECT_EQ(ZarLongMonthNames, before);
  EXPECT_EQ(ZarLongDayNames, beforeDays);
  EXPECT_EQ(ZarFormatDateTime("mmmm", NowruzEvening), "فروردين");
}

}  // namespace
