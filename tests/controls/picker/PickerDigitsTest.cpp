// The picker's digit shape: what it shows, copies and measures; and pasted
// text in Persian, Arabic-Indic or mixed digits, in both calendars.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>

#include "GregorianDates.h"
#include "PickerTestSupport.h"

namespace zar::test {
namespace {

class PickerDigitsTest : public PickerTest {
 protected:
  static void Put(const QString& text) { QGuiApplication::clipboard()->setText(text); }
  static std::string Clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }
  QImage Shot() { return Snapshot(*picker); }
};

TEST_F(PickerDigitsTest, PastedDigitsOfEveryScriptAreRead) {
  const struct {
    bool gregorian;
    const char* text;
    TDate expected;
  } cases[] = {
      {false, "۱۴۰۳/۰۲/۱۵", Solar(1403, 2, 15)},    {false, "١٤٠٣/٠٢/١٥", Solar(1403, 2, 15)},
      {false, "1۴٠3/2/۱٥", Solar(1403, 2, 15)},     {false, " ۱۴۰۳ / ۲ / ۱۵ /", Solar(1403, 2, 15)},
      {true, "۲۰۲۴/۰۵/۰۴", EncodeDate(2024, 5, 4)}, {true, "٢٠٢٤/٥/٤", EncodeDate(2024, 5, 4)},
      {true, "2۰٢4/0۵/٤", EncodeDate(2024, 5, 4)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    picker->SetUseSystemCalendar(c.gregorian);
    SetValue(1403, 1, 1);
    Put(QString::fromUtf8(c.text));
    Keys("C-V");
    EXPECT_EQ(picker->Date(), c.expected);
    EXPECT_EQ(changes, 1);
  }
}

TEST_F(PickerDigitsTest, PastedDigitsOfOtherScriptsChangeNothing) {
  SetValue(1403, 1, 1);
  for (const char* text : {"१४०३/२/१५", "۱۴۰۳/۲/ا", "۱۴۰۳/۲/\xDB", "１４０３/２/１５"}) {
    Put(QString::fromUtf8(text));
    EXPECT_NO_THROW(picker->PasteFromClipboard());
    EXPECT_EQ(picker->Date(), Solar(1403, 1, 1)) << text;
  }
  EXPECT_EQ(changes, 0);
}

// Segments, clipboard text and a formatted hint, in both calendars.
TEST_F(PickerDigitsTest, EveryTextTakesTheShape) {
  struct HintProbe : TTestPicker {
    using TTestPicker::HintShow;
    using TTestPicker::TTestPicker;
  };
  const struct {
    TDigitShape shape;
    bool gregorian;
    const char* year;
    const char* hour;
    const char* copied;
    const char* hint;
  } cases[] = {
      {dgLatin, false, "1403", "03", "1403/01/01", "1 1403"},
      {dgPersian, false, "۱۴۰۳", "۰۳", "۱۴۰۳/۰۱/۰۱", "۱ ۱۴۰۳"},
      {dgArabic, false, "١٤٠٣", "٠٣", "١٤٠٣/٠١/٠١", "١ ١٤٠٣"},
      {dgPersian, true, "۲۰۲۴", "۰۳", "۲۰۲۴/۰۳/۲۰", "۲۰ ۲۰۲۴"},
      {dgArabic, true, "٢٠٢٤", "٠٣", "٢٠٢٤/٠٣/٢٠", "٢٠ ٢٠٢٤"},
  };
  picker->SetKind(dtkDateTime);
  picker->SetUse12HourClock(true);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.copied);
    picker->SetDigitShape(c.shape);
    EXPECT_EQ(picker->DigitShape(), c.shape);
    picker->SetUseSystemCalendar(c.gregorian);
    picker->SetDateTime(Solar(1403, 1, 1) + EncodeTime(15, 0, 0, 0));
    EXPECT_EQ(picker->SegmentText(dsYear), c.year);
    EXPECT_EQ(picker->SegmentText(dsHour), c.hour);
    EXPECT_EQ(picker->SegmentText(dsAmPm), "PM");  // designators stay as set
    picker->CopyToClipboard();
    EXPECT_EQ(Clipboard(), c.copied);
    // What the picker copies it pastes back.
    picker->SetDate(Solar(1400, 1, 1));
    picker->PasteFromClipboard();
    EXPECT_EQ(picker->Date(), Solar(1403, 1, 1));

    HintProbe probe;
    probe.SetDigitShape(c.shape);
    probe.SetUseSystemCalendar(c.gregorian);
    probe.SetDate(Solar(1403, 1, 1));
    probe.SetHint("d yyyy");
    probe.SetFormattedHint(true);
    std::string text = probe.Hint();
    EXPECT_TRUE(probe.HintShow(text));
    EXPECT_EQ(text, c.hint);
  }
  picker->SetIsNull(true);
  EXPECT_EQ(picker->SegmentText(dsYear), "  ");
}

// Segments are as wide as the widest two digits of the shape, so the
// wider Persian glyphs of a font never overlap a separator.
TEST_F(PickerDigitsTest, SegmentsAreMeasuredOnTheShapedDigits) {
  QFont font = picker->font();
  font.setFamily("Homa");  // Persian digits wider than its Latin ones
  font.setPixelSize(18);
  picker->setFont(font);
  picker->SetKind(dtkDateTime);
  const QFontMetrics metrics(picker->font());
  ASSERT_GT(metrics.horizontalAdvance("۸۸"), metrics.horizontalAdvance("88"))
      << "the font must have wider Persian digits to show anything";
  for (const TDigitShape shape : {dgLatin, dgPersian, dgArabic, dgLatin}) {
    SCOPED_TRACE(static_cast<int>(shape));
    picker->SetDigitShape(shape);
    int widest = 0;
    for (int i = 0; i <= 9; ++i)
      widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(
                                    ShapeDigits(std::to_string(11 * i), shape))));
    const auto& b = picker->SegmentBounds;
    EXPECT_EQ(b[dsDay].Right - b[dsDay].Left, widest);
    EXPECT_EQ(b[dsYear].Right - b[dsYear].Left, 2 * widest);
    EXPECT_EQ(b[dsMonth].Left - b[dsYear].Right, metrics.horizontalAdvance("/"));
    for (int s : {dsYear, dsMonth, dsDay, dsHour, dsMinute})
      EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(picker->SegmentText(s))),
                b[s].Right - b[s].Left)
          << s;
  }
}

// A press lands on the segment drawn under it, with the wider digits too.
TEST_F(PickerDigitsTest, PressesFindTheSegmentsOfTheWiderDigits) {
  QFont font = picker->font();
  font.setFamily("Homa");
  font.setPixelSize(18);
  picker->setFont(font);
  picker->resize(260, picker->height());
  picker->SetKind(dtkDateTime);
  picker->SetDigitShape(dgPersian);
  SetValue(1403, 11, 28);
  for (const int segment : {dsYear, dsMonth, dsDay, dsHour, dsMinute}) {
    ClickClient(Qt::LeftButton, picker->SegmentBounds[segment].Left + 1, TextMiddle());
    EXPECT_EQ(picker->CurrentSegment, segment);
    ClickClient(Qt::LeftButton, picker->SegmentBounds[segment].Right - 1, TextMiddle());
    EXPECT_EQ(picker->CurrentSegment, segment);
  }
  // Typing Persian digits into the caret segment still works as ASCII ones.
  ClickClient(Qt::LeftButton, SegmentMiddle(dsDay), TextMiddle());
  TypeChar(0x06F0 + 1);
  TypeChar(0x06F0 + 5);
  EXPECT_EQ(picker->SegmentText(dsDay), "۱۵");
}

// The painted digits change with the shape and come back pixel for pixel.
TEST_F(PickerDigitsTest, PaintedDigitsFollowTheShape) {
  SetValue(1403, 11, 28);
  FocusAway();
  const QImage latin = Shot();
  picker->SetDigitShape(dgPersian);
  const QImage persian = Shot();
  picker->SetDigitShape(dgArabic);
  const QImage arabic = Shot();
  picker->SetDigitShape(dgLatin);
  EXPECT_NE(latin, persian);
  EXPECT_NE(persian, arabic);
  EXPECT_EQ(Shot(), latin);
}

}  // namespace
}  // namespace zar::test
