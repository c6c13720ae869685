// Page 21: the option controls switch the picker's properties and the two
// output boxes follow the picker's value.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "DatePicker.h"
#include "DemoTestSupport.h"
#include "GregorianDates.h"
#include "OptionControls.h"
#include "PickerPage.h"
#include "ZarDateUtils.h"

namespace zar::demo::test {
namespace {

class PickerPageTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(ShowPickerPage(page, *picker)); }
  QCheckBox* CheckBox(const char* name) const { return page.findChild<QCheckBox*>(name); }
  QString Solar() const { return page.Edit2->text(); }
  QString Gregorian() const { return page.Edit1->text(); }
  static QString Expected(std::string text) { return QString::fromStdString(text); }

  TPickerPage page;
  TZarDatePicker* picker = page.ZarDatePicker1;
};

TEST_F(PickerPageTest, StartsWithTheDesignedOptions) {
  EXPECT_TRUE(picker->AllowNull());
  EXPECT_TRUE(picker->FormattedHint());
  EXPECT_TRUE(picker->HighlightRequired());
  EXPECT_EQ(picker->Hint(), "dddd, d mmmm yyyy");
  EXPECT_EQ(picker->Kind(), dtkDate);
  for (TRadioGroup* group : {page.RadioGroup1, page.RadioGroup2, page.RadioGroup3})
    EXPECT_EQ(group->ItemIndex(), 0);
  const std::pair<const char*, bool> ticks[] = {
      {"CheckBox1", true}, {"CheckBox2", true}, {"CheckBox3", false}, {"CheckBox4", false},
      {"CheckBox5", true}, {"CheckBox6", true}, {"CheckBox7", true}};
  for (const auto& [name, ticked] : ticks) {
    ASSERT_NE(CheckBox(name), nullptr) << name;
    EXPECT_EQ(CheckBox(name)->isChecked(), ticked) << name;
  }
}

TEST_F(PickerPageTest, OutputsShowTheValueInBothCalendars) {
  QTest::keyClick(picker, Qt::Key_Up);
  const TDateTime value = picker->DateTime();
  EXPECT_EQ(Solar(), Expected(ZarFormatDateTime("dddd, d mmmm yyyy", value)));
  EXPECT_EQ(Gregorian(), Expected(FormatDateTime("dddd, d mmmm yyyy", value)));
  QTest::keyClick(picker, Qt::Key_Delete);
  EXPECT_EQ(Solar(), QString::fromUtf8("تاريخي انتخاب نشده است"));
  EXPECT_EQ(Gregorian(), QString());
}

TEST_F(PickerPageTest, KindGroupSetsTheKindAndRefreshesTheOutputs) {
  page.RadioGroup1->Item(1)->click();
  EXPECT_EQ(picker->Kind(), dtkTime);
  EXPECT_EQ(picker->Hint(), "hh:nn:ss");
  EXPECT_EQ(Solar(), Gregorian());
  EXPECT_EQ(Solar(), Expected(FormatDateTime("hh:nn:ss", picker->DateTime())));
  page.RadioGroup1->Item(2)->click();
  EXPECT_EQ(picker->Kind(), dtkDateTime);
  EXPECT_EQ(Solar(),
            Expected(ZarFormatDateTime("dddd, d mmmm yyyy - hh:nn:ss", picker->DateTime())));
}

TEST_F(PickerPageTest, CalendarSwitchByTheUserMovesTheCalendarGroup) {
  ExpectCalendarAndDirectionGroups(*picker, *page.RadioGroup2, *page.RadioGroup3);
}

TEST_F(PickerPageTest, CheckBoxesSetTheirPropertiesWithoutRefreshingTheOutputs) {
  ExpectPropertyCheckBoxes(
      page, *picker,
      {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7"});
  EXPECT_EQ(Solar(), QString());
  EXPECT_FALSE(CheckBox("CheckBox6")->toolTip().isEmpty());
}

TEST_F(PickerPageTest, PersianDigitsCheckBoxSwitchesTheDigitShape) {
  QCheckBox* box = CheckBox("CheckBox8");
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(picker->DigitShape(), dgLatin);
  box->click();
  EXPECT_EQ(picker->DigitShape(), dgPersian);
  box->click();
  EXPECT_EQ(picker->DigitShape(), dgLatin);
}

}  // namespace
}  // namespace zar::demo::test
