// Page 31: the option controls switch the extended picker's properties,
// the kind decides the buttons, and the two output boxes follow the value.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "DemoTestSupport.h"
#include "DropDownCalendar.h"
#include "ExPickerPage.h"
#include "ExZarDatePicker.h"
#include "GregorianDates.h"
#include "OptionControls.h"
#include "ZarDateUtils.h"

namespace zar::demo::test {
namespace {

class ExPickerPageTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(ShowPickerPage(page, *picker)); }
  QCheckBox* CheckBox(const char* name) const { return page.findChild<QCheckBox*>(name); }
  QString Solar() const { return page.Edit3->text(); }
  QString Gregorian() const { return page.Edit4->text(); }
  static QString Expected(std::string text) { return QString::fromStdString(text); }

  TExPickerPage page;
  TExZarDatePicker* picker = page.ExZarDatePicker1;
};

TEST_F(ExPickerPageTest, StartsWithTheDesignedOptions) {
  EXPECT_EQ(picker->pos(), QPoint(136, 16));
  EXPECT_EQ(picker->width(), 161);  // the height follows the font (AutoSize)
  EXPECT_TRUE(picker->AllowNull());
  EXPECT_TRUE(picker->FormattedHint());
  EXPECT_TRUE(picker->HighlightRequired());
  EXPECT_EQ(picker->Hint(), "dddd, d mmmm yyyy");
  EXPECT_EQ(picker->Buttons(), (TDatePickerButtons{dpbDropDown, dpbUpDown}));
  EXPECT_FALSE(picker->ShowCheckBox());
  for (TRadioGroup* group : {page.RadioGroup4, page.RadioGroup5, page.RadioGroup6})
    EXPECT_EQ(group->ItemIndex(), 0);
  const std::pair<const char*, bool> ticks[] = {
      {"CheckBox8", true},  {"CheckBox9", true},  {"CheckBox10", false}, {"CheckBox11", false},
      {"CheckBox12", true}, {"CheckBox13", true}, {"CheckBox14", true},  {"CheckBox15", true},
      {"CheckBox16", true}, {"CheckBox17", false}};
  for (const auto& [name, ticked] : ticks) {
    ASSERT_NE(CheckBox(name), nullptr) << name;
    EXPECT_EQ(CheckBox(name)->isChecked(), ticked) << name;
  }
  EXPECT_EQ(
      CheckBox("CheckBox13")->toolTip(),
      QString::fromUtf8("با انتخاب اين ويژگي، کاربر ميتواند با زدن SHIFT+Space يا کليک دوتايي "));
}

TEST_F(ExPickerPageTest, OutputsFollowTheValueAlsoFromTheCalendar) {
  QTest::keyClick(picker, Qt::Key_Up);
  TDateTime value = picker->DateTime();
  EXPECT_EQ(Solar(), Expected(ZarFormatDateTime("dddd, d mmmm yyyy", value)));
  EXPECT_EQ(Gregorian(), Expected(FormatDateTime("dddd, d mmmm yyyy", value)));
  // A day taken from the drop-down calendar.
  QTest::keyClick(picker, Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(picker->DroppedDown());
  QTest::keyClick(picker, Qt::Key_Down);
  QTest::keyClick(picker, Qt::Key_Return);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->DateTime(), value + 7);
  EXPECT_EQ(Solar(), Expected(ZarFormatDateTime("dddd, d mmmm yyyy", value + 7)));
  QTest::keyClick(picker, Qt::Key_Delete);
  EXPECT_EQ(Solar(), QString::fromUtf8("تاريخي انتخاب نشده است"));
  EXPECT_EQ(Gregorian(), QString());
}

TEST_F(ExPickerPageTest, TheKindDecidesTheButtons) {
  page.RadioGroup4->Item(1)->click();
  EXPECT_EQ(picker->Kind(), dtkTime);
  EXPECT_EQ(picker->Buttons(), TDatePickerButtons{dpbUpDown});
  EXPECT_TRUE(CheckBox("CheckBox15")->isChecked());
  EXPECT_FALSE(CheckBox("CheckBox16")->isChecked());
  EXPECT_EQ(Solar(), Gregorian());
  EXPECT_EQ(Solar(), Expected(FormatDateTime("hh:nn:ss", picker->DateTime())));
  page.RadioGroup4->Item(2)->click();
  EXPECT_EQ(picker->Buttons(), (TDatePickerButtons{dpbDropDown, dpbUpDown}));
  EXPECT_TRUE(CheckBox("CheckBox16")->isChecked());
  EXPECT_EQ(Solar(),
            Expected(ZarFormatDateTime("dddd, d mmmm yyyy - hh:nn:ss", picker->DateTime())));
}

TEST_F(ExPickerPageTest, ButtonAndCheckBoxOptions) {
  CheckBox("CheckBox15")->click();
  EXPECT_EQ(picker->Buttons(), TDatePickerButtons{dpbDropDown});
  CheckBox("CheckBox16")->click();
  EXPECT_TRUE(picker->Buttons().Empty());
  CheckBox("CheckBox15")->click();
  EXPECT_EQ(picker->Buttons(), TDatePickerButtons{dpbUpDown});
  EXPECT_EQ(Solar(), QString());  // none of these refresh the outputs

  CheckBox("CheckBox17")->click();
  EXPECT_TRUE(picker->ShowCheckBox());
  EXPECT_EQ(Solar(), Expected(ZarFormatDateTime("dddd, d mmmm yyyy", picker->DateTime())));
  QTest::keyClick(picker, Qt::Key_Space);
  EXPECT_FALSE(picker->Checked());
  EXPECT_EQ(Solar(), QString::fromUtf8("تاريخي انتخاب نشده است"));
}

TEST_F(ExPickerPageTest, CalendarSwitchByTheUserMovesTheCalendarGroup) {
  ExpectCalendarAndDirectionGroups(*picker, *page.RadioGroup5, *page.RadioGroup6);
}

TEST_F(ExPickerPageTest, PropertyCheckBoxesSetTheirProperties) {
  ExpectPropertyCheckBoxes(page, *picker,
                           {"CheckBox8", "CheckBox9", "CheckBox10", "CheckBox11", "CheckBox12",
                            "CheckBox13", "CheckBox14"});
  EXPECT_EQ(Solar(), QString());
}

}  // namespace
}  // namespace zar::demo::test
