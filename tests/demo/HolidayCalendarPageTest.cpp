// Page 43, the holiday calendar: every visited day gets one record, the
// holidays of the shown month are bold from the data and follow each post,
// and a record still being edited is posted when the page is left or the
// window closes.

#include <QFile>
#include <QTest>

#include "ClientDataSet.h"
#include "DBCtrls.h"
#include "DemoDataSets.h"
#include "DemoTestSupport.h"
#include "HolidayCalendarPage.h"
#include "MonthCalendar.h"
#include "ZarDateUtils.h"

namespace zar::demo::test {
namespace {

class HolidayCalendarPageTest : public TShownForm {
 protected:
  void SetUp() override {
    TShownForm::SetUp();
    Page = FForm->findChild<THolidayCalendarPage*>();
    ASSERT_NE(Page, nullptr);
    Cal = Page->Calendar();
    EnterPage();
  }
  void EnterPage() {
    FForm->ActivatePage(43);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Days().Active(); }));
  }
  void LeavePage() {
    QTest::mouseClick(FForm->findChild<QPushButton*>("ButtonHome"), Qt::LeftButton);
  }

  TClientDataSet& Days() const { return FForm->DataSets().ClientDataSet1; }
  void ClickDay(TDateTime Date) {
    if (Date < Cal->FirstCellDate() || Date > Cal->LastCellDate()) Cal->SetDate(Date);
    QTest::mouseClick(Cal, Qt::LeftButton, {}, DayCellCenter(*Cal, Date));
    ASSERT_EQ(Cal->Date(), Date);
  }
  bool Bold(TDateTime Date) const {
    return (Cal->MonthBoldDays() >> static_cast<int>(Date - Cal->MonthStart())) & 1U;
  }
  // Ticks or unticks the holiday box as a click does, then posts with the navigator.
  void SetHoliday(bool Holiday) {
    if (Page->HolidayCheckBox()->isChecked() != Holiday)
      QTest::mouseClick(Page->HolidayCheckBox(), Qt::LeftButton);
    Page->Navigator()->BtnClick(nbPost);
  }
  // Records of the file as (date, holiday, comments).
  std::vector<std::tuple<int, bool, std::string>> FileRecords() const {
    zardemo::TDemoDataSets data(FDataDir.path().toStdString());
    data.ClientDataSet1.Open();
    std::vector<std::tuple<int, bool, std::string>> records;
    for (data.ClientDataSet1.First(); !data.ClientDataSet1.Eof(); data.ClientDataSet1.Next())
      records.emplace_back(static_cast<int>(data.ClientDataSet1.FieldByName("Date").AsDateTime()),
                           data.ClientDataSet1.FieldByName("Holiday").AsBoolean(),
                           data.ClientDataSet1.FieldByName("Comments").AsString());
    return records;
  }

  THolidayCalendarPage* Page = nullptr;
  TZarMonthCalendar* Cal = nullptr;
};

TEST_F(HolidayCalendarPageTest, VisitedDaysGetOneRecordAndHolidaysFollowThePosts) {
  Cal->SetDate(ZarEncodeDate(1405, 7, 10));
  const TDateTime friday = ZarEncodeDate(1405, 7, 3);
  const TDateTime tuesday = ZarEncodeDate(1405, 7, 7);
  ASSERT_EQ(ZarDayOfWeek(friday), 7);
  ASSERT_EQ(ZarDayOfWeek(tuesday), 4);
  const int before = Days().RecordCount();

  ClickDay(friday);
  EXPECT_EQ(Days().RecordCount(), before + 1);
  EXPECT_TRUE(Page->HolidayCheckBox()->isChecked());
  EXPECT_TRUE(Bold(friday));
  ClickDay(friday);
  EXPECT_EQ(Days().RecordCount(), before + 1) << "the same day twice makes no second record";

  ClickDay(tuesday);
  EXPECT_FALSE(Bold(tuesday));
  SetHoliday(true);
  EXPECT_TRUE(Bold(tuesday));
  ClickDay(friday);
  SetHoliday(false);
  EXPECT_FALSE(Bold(friday));
  EXPECT_TRUE(Bold(friday + 7)) << "other Fridays keep their default";

  // Another month and back: the bold days come from the records.
  Cal->SetDate(ZarEncodeDate(1405, 8, 10));
  Cal->SetDate(ZarEncodeDate(1405, 7, 20));
  EXPECT_FALSE(Bold(friday));
  EXPECT_TRUE(Bold(tuesday));
  EXPECT_TRUE(Bold(friday + 7));
  EXPECT_EQ(Days().RecordCount(), before + 2) << "setting the date from code visits no day";

  LeavePage();
  EXPECT_FALSE(Days().Active());
  int holidays = 0;
  for (const auto& [date, holiday, comments] : FileRecords()) {
    if (date == static_cast<int>(friday)) {
      EXPECT_FALSE(holiday);
    }
    if (date == static_cast<int>(tuesday)) {
      EXPECT_TRUE(holiday);
    }
    holidays += holiday;
  }
  EXPECT_EQ(FileRecords().size(), static_cast<std::size_t>(before + 2));
  EXPECT_GE(holidays, 1);
}

TEST_F(HolidayCalendarPageTest, AnEditInProgressIsPostedWhenThePageIsLeftOrTheWindowCloses) {
  const TDateTime day = ZarEncodeDate(1405, 9, 2);
  Cal->SetDate(day);
  ClickDay(day);
  Page->CommentsEdit()->setFocus();
  QTest::keyClicks(Page->CommentsEdit(), "first note");
  LeavePage();
  auto comments = [&](TDateTime date) {
    for (const auto& [d, holiday, text] : FileRecords())
      if (d == static_cast<int>(date)) return text;
    return std::string("<none>");
  };
  EXPECT_EQ(comments(day), "first note");

  EnterPage();
  ClickDay(day + 1);
  Page->CommentsEdit()->setFocus();
  QTest::keyClicks(Page->CommentsEdit(), "second");
  FForm.reset();
  EXPECT_EQ(comments(day + 1), "second");
  EXPECT_EQ(comments(day), "first note");
}

}  // namespace
}  // namespace zar::demo::test
