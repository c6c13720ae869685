// Layout arithmetic, automatic height, segment texts and what the picker
// actually paints.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "PickerTestSupport.h"

namespace zar::test {
namespace {

constexpr TSegmentMetrics Fixed{.ds = 4, .ts = 4, .ap = 20, .d2 = 12, .sp = 3, .th = 13};

TSegmentLayoutOptions Options(TZarDateTimeKind kind, TAlignment alignment, bool showSecond = false,
                              bool use12 = false) {
  TSegmentLayoutOptions o;
  o.Kind = kind;
  o.Alignment = alignment;
  o.ShowSecond = showSecond;
  o.Use12HourClock = use12;
  if (kind != dtkTime) o.Visible += TDatePickerSegments{dsYear, dsMonth, dsDay};
  if (kind != dtkDate) {
    o.Visible += TDatePickerSegments{dsHour, dsMinute};
    if (showSecond) o.Visible.Include(dsSecond);
    if (use12) o.Visible.Include(dsAmPm);
  }
  return o;
}

using Bounds = std::array<TSegmentBounds, DatePickerSegmentCount>;

TEST(PickerLayoutTest, CentredDateInTheDefaultSize) {
  // Client width 121 less the marker column: a text area of 115.
  const TSegmentLayout l =
      ComputeSegmentLayout(Fixed, Options(dtkDate, taCenter), TRect{0, 0, 115, 17}, 17);
  EXPECT_EQ(SegmentsTotalWidth(Fixed, Options(dtkDate, taCenter)), 56);
  EXPECT_EQ(l.SegmentBounds, (Bounds{{{29, 53}, {57, 69}, {73, 85}}}));
  EXPECT_EQ(l.TextBand, (TRect{29, 2, 85, 15}));
}

TEST(PickerLayoutTest, DateTimeWithSecondsAndTwelveHourClock) {
  const auto o = Options(dtkDateTime, taLeftJustify, true, true);
  const TSegmentLayout l = ComputeSegmentLayout(Fixed, o, TRect{0, 0, 200, 21}, 21);
  EXPECT_EQ(SegmentsTotalWidth(Fixed, o), 127);
  EXPECT_EQ(
      l.SegmentBounds,
      (Bounds{{{3, 27}, {31, 43}, {47, 59}, {62, 74}, {78, 90}, {94, 106}, {0, 0}, {110, 130}}}));
  EXPECT_EQ(l.TextBand.Right, 130);
}

TEST(PickerLayoutTest, AlignmentsAndNarrowAreas) {
  struct Case {
    TZarDateTimeKind kind;
    TAlignment alignment;
    TRect area;
    int expectedLeft;
  };
  const Case cases[] = {
      {dtkDate, taRightJustify, {6, 0, 121, 17}, 6 + 115 - 56 - 3},
      {dtkTime, taCenter, {0, 0, 21, 17}, -3},  // (21 - 28) / 2 truncates toward zero
      {dtkTime, taRightJustify, {0, 0, 21, 17}, -10},
  };
  for (const Case& c : cases) {
    const TSegmentLayout l = ComputeSegmentLayout(Fixed, Options(c.kind, c.alignment), c.area, 17);
    EXPECT_EQ(l.TextBand.Left, c.expectedLeft) << int(c.kind) << int(c.alignment);
  }
  EXPECT_EQ(MirroredAlignment(taLeftJustify, true), taRightJustify);
  EXPECT_EQ(MirroredAlignment(taCenter, true), taCenter);
  EXPECT_EQ(MirroredAlignment(taLeftJustify, false), taLeftJustify);
}

TEST_F(PickerTest, TheMarkerColumnSitsAtTheTrailingEdge) {
  picker->SetClientWidth(121);
  EXPECT_EQ(picker->TextArea.Right, 115);
  EXPECT_EQ(picker->SwitchMark, (TRect{115, 2, 119, 6}));
  picker->setLayoutDirection(Qt::RightToLeft);
  EXPECT_EQ(picker->SwitchMark, (TRect{2, 2, 6, 6}));
  EXPECT_EQ(picker->TextArea.Left, 6);
  EXPECT_EQ(picker->TextArea.Right, 121);
  picker->SetAllowCalendarSwitch(false);
  EXPECT_EQ(picker->TextArea, (TRect{0, 0, 121, picker->ClientHeight()}));
}

TEST_F(PickerTest, RightToLeftMirrorsOnlyTheAlignment) {
  picker->SetAlignment(taLeftJustify);
  const int leftToRight = picker->SegmentBounds[dsYear].Left;
  picker->setLayoutDirection(Qt::RightToLeft);
  EXPECT_GT(picker->SegmentBounds[dsYear].Left, leftToRight);
  EXPECT_EQ(picker->TextBand.Right, picker->TextArea.Right - 3);
  EXPECT_LT(picker->SegmentBounds[dsYear].Left, picker->SegmentBounds[dsDay].Left);
}

TEST_F(PickerTest, MeasuredLayoutLeavesEachSeparatorItsWidth) {
  picker->SetKind(dtkDateTime);
  const QFontMetrics metrics(picker->font());
  const auto& b = picker->SegmentBounds;
  EXPECT_EQ(b[dsMonth].Left - b[dsYear].Right, metrics.horizontalAdvance("/"));
  EXPECT_EQ(b[dsMinute].Left - b[dsHour].Right, metrics.horizontalAdvance(":"));
  EXPECT_EQ(b[dsHour].Left - b[dsDay].Right, metrics.horizontalAdvance(" "));
  EXPECT_EQ(b[dsYear].Right - b[dsYear].Left, 2 * (b[dsDay].Right - b[dsDay].Left));
  EXPECT_EQ(picker->TextBand.Bottom - picker->TextBand.Top, metrics.height());
}

TEST_F(PickerTest, HeightFollowsTheFontAndTheBorder) {
  QFont font = picker->font();
  font.setPixelSize(20);
  picker->setFont(font);
  const int th = QFontMetrics(font).height();
  EXPECT_EQ(picker->Height(), th + 4 + 4);  // sunken edge of 2 above and below
  picker->SetCtl3D(false);
  picker->SetBorderStyle(bsNone);
  EXPECT_EQ(picker->Height(), th + 4);
  picker->SetBorderStyle(bsSingle);
  EXPECT_EQ(picker->Height(), th + 2 + 4);
  picker->SetAutoSize(false);
  font.setPixelSize(30);
  picker->setFont(font);
  EXPECT_EQ(picker->Height(), th + 2 + 4);
}

TEST_F(PickerTest, SegmentTexts) {
  picker->SetKind(dtkDateTime);
  SetValue(1403, 3, 5, 3, 7, 9);
  EXPECT_EQ(picker->SegmentText(dsMonth), "3");
  EXPECT_EQ(picker->SegmentText(dsYear), "1403");
  EXPECT_EQ(picker->SegmentText(dsHour), "03");
  EXPECT_EQ(picker->SegmentText(dsSecond), "09");
  picker->SetUse12HourClock(true);
  struct Case {
    Word hour;
    const char* text;
    const char* designator;
  };
  for (const Case& c :
       {Case{0, "12", "AM"}, Case{12, "12", "PM"}, Case{23, "11", "PM"}, Case{9, "09", "AM"}}) {
    picker->SetTime(EncodeTime(c.hour, 0, 0, 0));
    EXPECT_EQ(picker->SegmentText(dsHour), c.text) << c.hour;
    EXPECT_EQ(picker->SegmentText(dsAmPm), c.designator) << c.hour;
  }
  picker->SetIsNull(true);
  EXPECT_EQ(picker->SegmentText(dsYear), "  ");
}

// ---- Pixels --------------------------------------------------------------------------

class PickerPixelTest : public PickerTest {
 protected:
  QImage Shot() { return Snapshot(*picker); }
  QColor Pixel(const QImage& image, int x, int y) const {
    const QPoint p = QPoint(x, y) + picker->ClientOrigin();
    return image.pixelColor(p);
  }
  QColor System(TColor c) const { return ColorToQColor(c, picker->palette()); }
  // Pixels of a client rectangle that have exactly the colour c.
  int Count(const QImage& image, const TRect& r, const QColor& c) const {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += Pixel(image, x, y) == c;
    return n;
  }
  // The darkest lightness in a client rectangle: text shows as dark pixels.
  int Darkest(const QImage& image, const TRect& r) const {
    int darkest = 255;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        darkest = std::min(darkest, Pixel(image, x, y).lightness());
    return darkest;
  }
  TRect SegmentRect(int segment) const {
    return {picker->SegmentBounds[segment].Left, picker->TextBand.Top,
            picker->SegmentBounds[segment].Right, picker->TextBand.Bottom};
  }
};

TEST_F(PickerPixelTest, TheOrangeMarkerShowsOnlyInTheGregorianCalendar) {
  const QColor orange(255, 128, 0);
  auto markerShown = [&] {
    const TRect& m = picker->SwitchMark;
    return Pixel(Shot(), m.Right - 1, m.Top) == orange;
  };
  EXPECT_FALSE(markerShown());
  picker->SetUseSystemCalendar(true);
  EXPECT_TRUE(markerShown());
  picker->SetKind(dtkDateTime);
  EXPECT_TRUE(markerShown());
  picker->SetKind(dtkTime);
  EXPECT_FALSE(markerShown());
  picker->SetKind(dtkDate);
  picker->setLayoutDirection(Qt::RightToLeft);
  EXPECT_EQ(Pixel(Shot(), picker->SwitchMark.Left, picker->SwitchMark.Top), orange);
  const TRect mark = picker->SwitchMark;
  picker->SetAllowCalendarSwitch(false);
  EXPECT_NE(Pixel(Shot(), mark.Left, mark.Top), orange);
}

TEST_F(PickerPixelTest, TheRedUnderlineShowsOnlyForAMissingRequiredValue) {
  const QColor red(255, 0, 0);
  auto redPixels = [&] {
    const int y = picker->ClientHeight() - 1;
    return Count(Shot(), TRect{0, y, picker->ClientWidth(), y + 1}, red);
  };
  picker->SetAllowNull(true);
  picker->SetHighlightRequired(true);
  EXPECT_EQ(redPixels(), 0);
  picker->SetIsNull(true);
  const int dots = redPixels();
  // A dotted line over the text area: every other pixel.
  const int length = picker->TextArea.Width() - 5;
  EXPECT_GE(dots, length / 2 - 1);
  EXPECT_LE(dots, length / 2 + 1);
  picker->SetHighlightRequired(false);
  EXPECT_EQ(redPixels(), 0);
}

TEST_F(PickerPixelTest, TheCaretIsHighlightedOnlyWithTheFocus) {
  const QColor highlight = System(clHighlight);
  SetValue(1403, 1, 1);
  EXPECT_GT(Count(Shot(), SegmentRect(dsDay), highlight), 0);
  EXPECT_EQ(Count(Shot(), SegmentRect(dsMonth), highlight), 0);
  FocusAway();
  EXPECT_EQ(Count(Shot(), SegmentRect(dsDay), highlight), 0);
}

TEST_F(PickerPixelTest, ADisabledPickerIsGreyWithoutHighlight) {
  SetValue(1403, 1, 1);
  const int enabledDarkest = Darkest(Shot(), SegmentRect(dsYear));
  picker->SetEnabled(false);
  const QImage shot = Shot();
  EXPECT_EQ(Count(shot, SegmentRect(dsDay), System(clHighlight)), 0);
  EXPECT_GE(Darkest(shot, SegmentRect(dsYear)), System(clGrayText).lightness() - 10);
  EXPECT_LT(enabledDarkest, System(clGrayText).lightness() - 10);
}

TEST_F(PickerPixelTest, ANullPickerKeepsOnlyItsSeparators) {
  SetValue(1403, 11, 28);
  FocusAway();
  picker->SetIsNull(true);
  const QImage shot = Shot();
  const QColor window = System(clWindow);
  for (int s : {dsYear, dsMonth, dsDay}) {
    const TRect r = SegmentRect(s);
    EXPECT_EQ(Count(shot, r, window), r.Width() * r.Height()) << s;
  }
  const TRect separator{picker->SegmentBounds[dsYear].Right, picker->TextBand.Top,
                        picker->SegmentBounds[dsMonth].Left, picker->TextBand.Bottom};
  EXPECT_LT(Count(shot, separator, window), separator.Width() * separator.Height());
}

TEST_F(PickerPixelTest, OnlyChangedSegmentsAreRepaintedByAValueChange) {
  SetValue(1403, 1, 1);
  picker->SetDate(Solar(1403, 1, 2));
  EXPECT_EQ(picker->Repainted, (std::vector<int>{dsDay}));
  // The next paint shows the new day.
  const QImage before = Shot();
  picker->SetDate(Solar(1403, 1, 28));
  const QImage after = Shot();
  EXPECT_NE(before.copy(SegmentRect(dsDay).ToQRect().translated(picker->ClientOrigin())),
            after.copy(SegmentRect(dsDay).ToQRect().translated(picker->ClientOrigin())));
}

TEST_F(PickerTest, FormattedHintShowsTheValueAndNothingWhenNull) {
  struct HintProbe : TTestPicker {
    using TTestPicker::HintShow;
    using TTestPicker::TTestPicker;
  };
  HintProbe p;
  p.SetDate(Solar(1403, 1, 1));
  p.SetHint("dddd, d mmmm yyyy");
  std::string text = p.Hint();
  EXPECT_TRUE(p.HintShow(text));
  EXPECT_EQ(text, "dddd, d mmmm yyyy");
  p.SetFormattedHint(true);
  EXPECT_TRUE(p.HintShow(text));
  EXPECT_EQ(text, "چهارشنبه, 1 فروردين 1403");
  p.SetIsNull(true);
  EXPECT_FALSE(p.HintShow(text));
}

}  // namespace
}  // namespace zar::test
