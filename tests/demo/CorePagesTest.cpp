// Pages 11 and 12: each exercise run from its button or by Enter in an
// input, on the sample values and on values the core refuses.

#include <QCalendar>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "CoreArithmeticPage.h"
#include "CoreTextPage.h"
#include "DemoTestSupport.h"
#include "Exceptions.h"
#include "ZarApplication.h"

namespace zar::demo::test {
namespace {

class CorePagesTest : public TShownForm {
 protected:
  void SetUp() override {
    TShownForm::SetUp();
    FArithmetic = FForm->findChild<TCoreArithmeticPage*>();
    FText = FForm->findChild<TCoreTextPage*>();
    ASSERT_NE(FArithmetic, nullptr);
    ASSERT_NE(FText, nullptr);
  }
  QLineEdit* Edit(const char* Name) const {
    auto* edit = FForm->findChild<QLineEdit*>(Name);
    EXPECT_NE(edit, nullptr) << Name;
    return edit;
  }
  std::string Text(const char* Name) const { return Edit(Name)->text().toStdString(); }
  void PressEnter(QWidget* Input) const { QTest::keyClick(Input, Qt::Key_Return); }
  void Type(const char* Name, const QString& Text) const {
    QLineEdit* edit = Edit(Name);
    edit->selectAll();
    QTest::keyClicks(edit, Text);
  }

  TCoreArithmeticPage* FArithmetic = nullptr;
  TCoreTextPage* FText = nullptr;
};

struct TSample {
  int PageTag;
  const char* Input;  // Enter is pressed here
  const char* Result;
  const char* Expected;
};

// The sample values the pages start with. 38868 is 1385/03/10; 36757 is
// Saturday 1379/05/29 = 19 August 2000; 80/01/12 is 1380/01/12 = 36982, a
// Sunday in the second week of 1380 (1380 begins on a Wednesday, so its
// first week with four days starts on Saturday 1380/01/04); 37158 is
// 1380/07/02, a Monday.
const TSample Samples[] = {
    {11, "Edit7", "Result1", "38868   (1385/03/10)"},
    {11, "Edit8", "Result2", "Year: 1385,   Month: 3,   Day: 10"},
    {11, "Edit30", "Edit31", "2   (از سال 1380)"},
    {11, "Edit30", "Edit32", "2   (يک\u200Cشنبه)"},
    {11, "Edit20", "Edit21", "شنبه , 29 امرداد 1379"},
    {11, "Edit20", "Edit22", "Saturday , 19 August 2000"},
    {11, "Edit20", "Edit23", "مي توان محاسبات مربوطه را پياده كرد"},
    {11, "Edit26", "Edit25", "2 روز"},
    {11, "Edit29", "Edit28", "1380/07/12"},
    {12, "Edit9", "Edit12", "1380/07/02"},
    {12, "Edit10", "Edit13", "1380/07/02 05:33:21"},
    {12, "Edit11", "Result3", "دوشنبه، 2 مهر 1380"},
    {12, "Edit14", "Edit16", "36982   (1380/01/12)"},
    {12, "Edit15", "Edit17", "36982.48   (1380/01/12 11:25:00)"},
};

TEST_F(CorePagesTest, EnterInAnInputShowsTheSampleResult) {
  for (const TSample& sample : Samples) EXPECT_TRUE(Edit(sample.Result)->text().isEmpty());
  for (const TSample& sample : Samples) {
    SCOPED_TRACE(sample.Input);
    FForm->ActivatePage(sample.PageTag);
    PressEnter(Edit(sample.Input));
    EXPECT_EQ(Text(sample.Result), sample.Expected);
  }
}

TEST_F(CorePagesTest, ButtonsRunTheSameExercises) {
  FForm->ActivatePage(11);
  Click(Button(FArithmetic, "ZarEncodeDate(Year, Month, Day)"));
  EXPECT_EQ(Text("Result1"), "38868   (1385/03/10)");
  Click(Button(FArithmetic, "ZarDayOfWeek( Date );"));
  EXPECT_EQ(Text("Edit31"), "2   (از سال 1380)");
  EXPECT_EQ(Text("Edit32"), "2   (يک\u200Cشنبه)");
  FForm->ActivatePage(12);
  Click(Button(FText, "ZarFormatDateTime(Format, Value);"));
  EXPECT_EQ(Text("Result3"), "دوشنبه، 2 مهر 1380");
}

TEST_F(CorePagesTest, EnterInEitherInputOfAnExerciseRunsIt) {
  FForm->ActivatePage(11);
  Type("Edit24", "80/01/10");
  Type("Edit26", "80/01/12");
  PressEnter(Edit("Edit24"));
  EXPECT_EQ(Text("Edit25"), "-2 روز");
  PressEnter(Edit("Edit27"));
  EXPECT_EQ(Text("Edit28"), "1380/07/12");
  Type("Edit29", "-13");
  PressEnter(Edit("Edit29"));
  EXPECT_EQ(Text("Edit28"), "1378/12/12");
}

TEST_F(CorePagesTest, WeekOfAnotherYearNamesThatYear) {
  FForm->ActivatePage(11);
  const struct {
    const char* Date;
    const char* Week;
  } cases[] = {
      // 1386 begins on a Wednesday, so its first three days still belong to
      // the last week of 1385, which began on Saturday 1384/12/27: week 53.
      {"1386/01/02", "53   (از سال 1385)"},
      // 1385 begins on a Tuesday, so the week from Saturday 1384/12/27 holds
      // four days of 1385 and is its week 1.
      {"1384/12/29", "1   (از سال 1385)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Date);
    Type("Edit30", c.Date);
    PressEnter(Edit("Edit30"));
    EXPECT_EQ(Text("Edit31"), c.Week);
  }
}

TEST_F(CorePagesTest, PatternTypedOrChosenFormatsTheValue) {
  FForm->ActivatePage(12);
  auto* combo = FForm->findChild<QComboBox*>("ComboBox2");
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->count(), 15);
  EXPECT_EQ(combo->currentText(), QString("dddd، d mmmm yyyy"));
  combo->setCurrentIndex(0);
  PressEnter(combo->lineEdit());
  EXPECT_EQ(Text("Result3"), "1380/07/02");
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), "yyyy-mm-dd hh:nn");
  PressEnter(combo->lineEdit());
  EXPECT_EQ(Text("Result3"), "1380-07-02 06:00");
  EXPECT_EQ(combo->count(), 15);  // a typed pattern is not added to the list
}

TEST_F(CorePagesTest, TodayAndNowAreTheSolarDateOfTheClock) {
  FForm->ActivatePage(12);
  const QString today =
      QDate::currentDate().toString("yyyy/MM/dd", QCalendar(QCalendar::System::Jalali));
  Click(Button(FText, "ZarDateToStr(SysUtils.Date);"));
  Click(Button(FText, "ZarDateTimeToStr(SysUtils.Now);"));
  EXPECT_EQ(Edit("Edit18")->text(), today);
  EXPECT_TRUE(Edit("Edit19")->text().startsWith(today + ' ')) << Text("Edit19");
}

TEST_F(CorePagesTest, RefusedInputKeepsTheResultAndReportsTheError) {
  std::vector<std::string> messages;
  TApplication::Instance()->OnException = [&](const std::string& m) { messages.push_back(m); };
  FForm->ActivatePage(12);
  PressEnter(Edit("Edit14"));
  const std::string before = Text("Edit16");
  Type("Edit14", "1380/13/01");
  PressEnter(Edit("Edit14"));
  Type("Edit9", "1e");
  PressEnter(Edit("Edit9"));
  TApplication::Instance()->OnException = nullptr;
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("1380/13/01"), std::string::npos) << messages[0];
  EXPECT_NE(messages[1].find("'1e' is not a valid floating point value"), std::string::npos);
  EXPECT_EQ(Text("Edit16"), before);
  EXPECT_TRUE(Edit("Edit12")->text().isEmpty());
}

TEST_F(CorePagesTest, NumbersThatAreNotDatePartsAreRefused) {
  const struct {
    const char* Edit;
    const char* Text;
  } cases[] = {
      {"Edit5", "abc"},
      {"Edit5", "66921"},  // would wrap round to 1385 as a 16-bit part
      {"Edit6", "-1"},
      {"Edit7", "32"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    Type("Edit5", "1385");
    Type("Edit6", "3");
    Type("Edit7", "10");
    Type(c.Edit, c.Text);
    EXPECT_THROW(FArithmetic->SpeedButton1Click(), EConvertError);
  }
  Type("Edit8", "12x");
  EXPECT_THROW(FArithmetic->SpeedButton2Click(), EConvertError);
  Type("Edit8", "nan");
  EXPECT_THROW(FArithmetic->SpeedButton2Click(), EConvertError);
}

}  // namespace
}  // namespace zar::demo::test
