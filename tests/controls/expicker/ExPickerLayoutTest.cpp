// The geometry of the button parts and of the drop-down placement, as pure
// arithmetic and on a shown picker.

#include "ExPickerTestSupport.h"

namespace zar::test {
namespace {

struct ButtonCase {
  const char* name;
  TDatePickerButtons buttons;
  bool checkBox;
  bool rtl;
  TRect dropDown, up, down, check;
};

TEST(ExPickerLayout, ButtonRectsFollowTheReadingDirection) {
  const TRect none{};
  const ButtonCase cases[] = {
      {"both, ltr",
       {dpbDropDown, dpbUpDown},
       false,
       false,
       {124, 0, 140, 17},
       {108, 0, 124, 8},
       {108, 8, 124, 17},
       none},
      {"both, rtl",
       {dpbDropDown, dpbUpDown},
       false,
       true,
       {0, 0, 16, 17},
       {16, 0, 32, 8},
       {16, 8, 32, 17},
       none},
      {"up-down only", {dpbUpDown}, false, false, none, {124, 0, 140, 8}, {124, 8, 140, 17}, none},
      {"drop-down and check box",
       {dpbDropDown},
       true,
       false,
       {124, 0, 140, 17},
       none,
       none,
       {0, 0, 16, 17}},
      {"check box, rtl", {}, true, true, none, none, none, {124, 0, 140, 17}},
  };
  for (const ButtonCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TButtonRects r = ComputeButtonRects(140, 17, 16, c.buttons, c.checkBox, c.rtl);
    EXPECT_EQ(r[bpNone], none);
    EXPECT_EQ(r[bpDropDown], c.dropDown);
    EXPECT_EQ(r[bpUp], c.up);
    EXPECT_EQ(r[bpDown], c.down);
    EXPECT_EQ(r[bpCheckBox], c.check);
  }
}

TEST(ExPickerLayout, TextAreaLeavesTheButtonColumnsFree) {
  struct Case {
    bool checkBox, rtl;
    int left, right, markShift;
  } cases[] = {
      {false, false, 0, 108, -32},
      {true, false, 16, 108, -32},
      {false, true, 32, 140, 32},
      {true, true, 32, 124, 32},
  };
  for (const Case& c : cases) {
    TRect text{0, 0, 140, 17}, mark{130, 2, 134, 6};
    ReserveButtonColumns(text, mark, 16, {dpbDropDown, dpbUpDown}, c.checkBox, c.rtl);
    EXPECT_EQ(text.Left, c.left);
    EXPECT_EQ(text.Right, c.right);
    EXPECT_EQ(mark.Left, 130 + c.markShift);
  }
}

struct PlaceCase {
  const char* name;
  QRect picker;
  TDropDownAlign align;
  bool rtl;
  QPoint expected;
};

TEST(ExPickerLayout, DropDownPlacement) {
  const QSize calendar(200, 180);
  const QRect screen(0, 0, 1024, 768);
  const PlaceCase cases[] = {
      {"below", {100, 300, 161, 21}, daLeft, false, {100, 321}},
      {"above when no room below", {100, 700, 161, 21}, daLeft, false, {100, 520}},
      {"right aligned", {100, 300, 161, 21}, daRight, false, {61, 321}},
      {"centred, truncated", {100, 300, 161, 21}, daCenter, false, {81, 321}},
      {"rtl: left aligns the right edges", {300, 300, 161, 21}, daLeft, true, {261, 321}},
      {"rtl: right aligns the left edges", {300, 300, 161, 21}, daRight, true, {300, 321}},
      {"pushed left at the right edge", {950, 300, 161, 21}, daLeft, false, {824, 321}},
      {"partly off the left edge", {-30, 300, 161, 21}, daLeft, false, {0, 321}},
      {"right aligned past the left edge", {10, 300, 161, 21}, daRight, false, {0, 321}},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    TDropDownPlacement p;
    p.Picker = c.picker;
    p.Calendar = calendar;
    p.Screen = screen;
    p.Align = c.align;
    p.RightToLeft = c.rtl;
    EXPECT_EQ(PlaceDropDown(p), c.expected);
  }
}

TEST(ExPickerLayout, PlacementKeepsToTheScreenThatHoldsThePicker) {
  TDropDownPlacement p;
  p.Picker = QRect(1900, 1000, 161, 21);
  p.Calendar = QSize(200, 180);
  p.Screen = QRect(1024, 0, 1024, 1080);  // the second of two screens
  EXPECT_EQ(PlaceDropDown(p), QPoint(1848, 820));
}

class ExPickerGeometryTest : public ExPickerTest {};

TEST_F(ExPickerGeometryTest, ShownPickerLaysOutItsPartsInBothDirections) {
  picker->SetAutoSize(false);
  picker->SetAllowCalendarSwitch(false);
  picker->resize(144, 21);  // client 140 x 17 inside the sunken edge
  ASSERT_EQ(picker->ClientWidth(), 140);
  ASSERT_EQ(picker->ClientHeight(), 17);
  EXPECT_EQ(picker->ButtonRect(bpDropDown), (TRect{124, 0, 140, 17}));
  EXPECT_EQ(picker->ButtonRect(bpUp), (TRect{108, 0, 124, 8}));
  EXPECT_EQ(picker->ButtonRect(bpDown), (TRect{108, 8, 124, 17}));
  EXPECT_EQ(picker->TextArea.Right, 108);
  picker->SetAllowCalendarSwitch(true);
  EXPECT_EQ(picker->TextArea.Right, 102);

  picker->setLayoutDirection(Qt::RightToLeft);
  picker->SetShowCheckBox(true);
  EXPECT_EQ(picker->ButtonRect(bpDropDown), (TRect{0, 0, 16, 17}));
  EXPECT_EQ(picker->ButtonRect(bpUp), (TRect{16, 0, 32, 8}));
  EXPECT_EQ(picker->ButtonRect(bpCheckBox), (TRect{124, 0, 140, 17}));
  EXPECT_EQ(picker->TextArea.Left, 38);
  EXPECT_EQ(picker->TextArea.Right, 124);

  picker->SetButtons({});
  EXPECT_TRUE(picker->ButtonRect(bpDropDown).IsEmpty());
  EXPECT_TRUE(picker->ButtonRect(bpUp).IsEmpty());
}

TEST_F(ExPickerGeometryTest, DefaultsMatchTheHost) {
  TExZarDatePicker fresh;
  EXPECT_EQ(fresh.ButtonWidth(), VerticalScrollBarWidth());
  EXPECT_EQ(fresh.Buttons(), (TDatePickerButtons{dpbDropDown, dpbUpDown}));
  EXPECT_EQ(fresh.CalendarOptions().ToBits(), 14411U);
  EXPECT_TRUE(fresh.Checked());
  EXPECT_EQ(fresh.DropDownAlign(), daLeft);
  EXPECT_EQ(&fresh.CalColors(), &fresh.DropDownCalendar()->CalColors());
  fresh.SetCalendarOptions(TMonthCalOptions{mcoToday, mcoMultiSelect, mcoRangeSelect});
  EXPECT_EQ(fresh.CalendarOptions(), TMonthCalOptions{mcoToday});
}

}  // namespace
}  // namespace zar::test
