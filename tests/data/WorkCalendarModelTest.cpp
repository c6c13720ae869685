// The work calendar's data without a window: the checks of a day's hour
// ranges with their messages, their order, the merging of selected days,
// what a post makes of each day, and a month's load and save through the
// nested details of "workcal.xml".

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "DBErrors.h"
#include "DataTestSupport.h"
#include "DemoDataSets.h"
#include "Exceptions.h"
#include "HolidayModel.h"
#include "WorkCalendarModel.h"
#include "ZarDateUtils.h"

namespace zardemo {
namespace {

using namespace zar;
using test::ReadText;
using test::TScratchDir;

// A day with own hours given as {start, finish} minute pairs.
TDayWorkInfo Hours(std::initializer_list<THourRange> ranges) {
  TDayWorkInfo info = TDayWorkInfo::Empty();
  info.WorkingType = wtOwnHours;
  int row = 0;
  for (const THourRange& range : ranges) info.Hours[row++] = range;
  return info;
}

constexpr std::int32_t H(int hour, int minute = 0) { return hour * 60 + minute; }

const std::string StartMissing =
    "شروع زمان مشخص نشده است\r\nزمان مناسب را در ستون \"از\" وارد نماييد";
const std::string FinishMissing =
    "پايان زمان مشخص نشده است\r\nزمان مناسب را در ستون \"تا\" وارد نماييد";
const std::string FinishBeforeStart = "زمان پايان بايد بعد از زمان شروع باشد";

std::string Overlap(const char* s, const char* f, const char* sm, const char* fm) {
  return std::string("محدوده زماني با ورودي هاي قبل از خود تداخل دارد\r\n\"از ") + s + " تا " + f +
         "\"  با  \"از " + sm + " تا " + fm + "\"";
}

TEST(WorkCalendarModelTest, ConversionsBetweenMinutesTimesAndTexts) {
  EXPECT_EQ(TimeToMinutes(EncodeTime(13, 45, 59, 999)), H(13, 45));
  EXPECT_EQ(MinutesToStr(H(8, 5)), "08:05");
  EXPECT_EQ(MinutesToStr(-1), "");
  EXPECT_EQ(StrToMinutes(""), -1);
  EXPECT_EQ(StrToMinutes("17:30"), H(17, 30));
  EXPECT_EQ(StrToMinutes("8:00"), H(8));
  for (const char* bad : {"25:00", "24:00", "abc", "12:60"})
    EXPECT_THROW(StrToMinutes(bad), EConvertError) << bad;
  EXPECT_THROW(MinutesToTime(24 * 60), EConvertError);
}

TEST(WorkCalendarModelTest, CheckHoursReportsTheFirstFailingRowWithItsMessage) {
  struct TCase {
    const char* Name;
    TDayWorkInfo Day;
    int Row, Column;
    std::string Message;
  };
  const std::vector<TCase> cases = {
      {"finish without start", Hours({{-1, H(12)}}), 0, 0, StartMissing},
      {"start without finish", Hours({{H(8), H(12)}, {H(13), -1}}), 1, 1, FinishMissing},
      {"finish before start", Hours({{H(12), H(8)}}), 0, 1, FinishBeforeStart},
      {"overlap names the later row first", Hours({{H(8), H(12)}, {H(11), H(14)}}), 1, 0,
       Overlap("11:00", "14:00", "08:00", "12:00")},
      {"a later row containing an earlier one", Hours({{H(9), H(10)}, {H(8), H(12)}}), 1, 0,
       Overlap("08:00", "12:00", "09:00", "10:00")},
      {"rows in entered order: row 1 fails before row 2",
       Hours({{H(8), H(9)}, {H(10), -1}, {-1, H(3)}}), 1, 1, FinishMissing},
      {"an empty row between is skipped", Hours({{H(8), H(12)}, {-1, -1}, {H(10), H(11)}}), 2, 0,
       Overlap("10:00", "11:00", "08:00", "12:00")},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const auto error = CheckHours(c.Day);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Row, c.Row);
    EXPECT_EQ(error->Column, c.Column);
    EXPECT_EQ(error->Message, c.Message);
  }
  // Touching ranges, a zero-length range and no ranges at all pass.
  EXPECT_FALSE(CheckHours(Hours({{H(8), H(12)}, {H(12), H(13)}, {H(14), H(14)}})));
  EXPECT_FALSE(CheckHours(TDayWorkInfo::Empty()));
}

TEST(WorkCalendarModelTest, SortHoursOrdersByStartWithEmptyRowsLast) {
  TDayWorkInfo day = Hours({{-1, -1}, {H(13), H(17)}, {-1, -1}, {H(8), H(12)}, {H(18), H(19)}});
  SortHours(day);
  EXPECT_EQ(day, Hours({{H(8), H(12)}, {H(13), H(17)}, {H(18), H(19)}, {-1, -1}, {-1, -1}}));
}

TEST(WorkCalendarModelTest, MergingKeepsTheFirstValueAndMarksDifferencesMixed) {
  TMergedDays merged;
  merged.Reset();
  merged.Merge(Hours({{H(8), H(12)}}));
  merged.Merge(Hours({{H(9), H(12)}}));
  EXPECT_EQ(merged.TypeState, esUniform);
  EXPECT_EQ(merged.State(0, 0), esMixed);
  EXPECT_EQ(merged.Info.Value(0, 0), H(8));
  EXPECT_EQ(merged.State(1, 0), esUniform);
  EXPECT_EQ(merged.State(0, 1), esUniform);
  TDayWorkInfo nonWorking = TDayWorkInfo::Empty();
  nonWorking.WorkingType = wtNonWorking;
  merged.Merge(nonWorking);
  EXPECT_EQ(merged.TypeState, esMixed);
  // An edited value stays edited whatever is merged.
  merged.State(1, 0) = esEdited;
  merged.Merge(Hours({{H(1), H(2)}}));
  EXPECT_EQ(merged.State(1, 0), esEdited);
}

TEST(WorkCalendarModelTest, PostChangesOnlyWhatTheDaysSharedOrTheUserEdited) {
  const TDayWorkInfo a = Hours({{H(8), H(12)}, {H(13), H(17)}});
  const TDayWorkInfo b = Hours({{H(9), H(12)}, {H(14), H(16)}});
  TMergedDays merged;
  merged.Reset();
  merged.Merge(a);
  merged.Merge(b);
  // Row 0 start and both of row 1 differ; the user changes the finish of row 0.
  TDayWorkInfo posted = Hours({{-1, H(11)}, {-1, -1}});
  merged.State(1, 0) = esEdited;
  EXPECT_EQ(ApplyPost(a, merged, posted), Hours({{H(8), H(11)}, {H(13), H(17)}}));
  EXPECT_EQ(ApplyPost(b, merged, posted), Hours({{H(9), H(11)}, {H(14), H(16)}}));
  // A type change to non-working clears the hours; without a type edit the
  // type stays.
  TDayWorkInfo nonWorking = TDayWorkInfo::Empty();
  nonWorking.WorkingType = wtNonWorking;
  EXPECT_EQ(ApplyPost(a, merged, nonWorking).WorkingType, wtOwnHours);
  merged.TypeState = esEdited;
  EXPECT_EQ(ApplyPost(a, merged, nonWorking), nonWorking);
}

TEST(WorkCalendarModelTest, AWeekdayIsCustomOnlyWhenEveryOneOfItsDaysIs) {
  std::array<TDayWorkInfo, MonthSlots> days{};
  for (int d = 3; d <= 31; d += 7) days[d - 1].WorkingType = wtNonWorking;
  EXPECT_TRUE(AllDaysCustom(days, 3, 31));
  days[30].WorkingType = wtDefault;
  EXPECT_FALSE(AllDaysCustom(days, 3, 31));
  EXPECT_TRUE(AllDaysCustom(days, 3, 30)) << "day 31 is beyond a 30-day month and does not count";
  days[23].WorkingType = wtDefault;  // day 24
  EXPECT_FALSE(AllDaysCustom(days, 3, 31));
  EXPECT_FALSE(AllDaysCustom(days, 4, 31));
  EXPECT_FALSE(AllDaysCustom(days, 0, 31));
}

class WorkCalendarStoreTest : public ::testing::Test {
 protected:
  WorkCalendarStoreTest()
      : Data(Dir.Path().string()), Store(Data.cdsWorkCalendar, Data.cdsWCDetails) {}

  TDateTime Day(Word month, Word day) const { return ZarEncodeDate(1405, month, day); }
  TDateTime MonthStart(Word month) const { return Day(month, 1); }
  TDateTime MonthEnd(Word month) const { return ZarIncMonth(MonthStart(month), 1) - 1; }
  std::string File() const { return ReadText(Dir.File(WorkCalendarFileName)); }

  TScratchDir Dir;
  TDemoDataSets Data;
  TWorkCalendarStore Store;
};

TEST_F(WorkCalendarStoreTest, MonthsRoundTripAndDefaultDaysLeaveNoRecords) {
  TWorkMonth month;
  Store.LoadMonth(MonthStart(7), MonthEnd(7), month);
  for (const TDayWorkInfo& day : month.Days) EXPECT_EQ(day, TDayWorkInfo::Empty());
  month.Days[0] = Hours({{H(8), H(12)}, {H(13), H(17)}});
  month.Days[4].WorkingType = wtNonWorking;
  month.Days[29] = Hours({{H(22), H(23, 59)}});
  Store.SaveMonth(MonthStart(7), MonthEnd(7), month);
  TWorkMonth other;
  other.Days[9].WorkingType = wtNonWorking;
  for (TDayWorkInfo& day : other.Days)
    if (day.WorkingType == wtDefault) day = TDayWorkInfo::Empty();
  Store.SaveMonth(MonthStart(8), MonthEnd(8), other);

  TWorkMonth back;
  Store.LoadMonth(MonthStart(7), MonthEnd(7), back);
  EXPECT_EQ(back.Days[0], month.Days[0]);
  EXPECT_EQ(back.Days[4].WorkingType, wtNonWorking);
  EXPECT_EQ(back.Days[29], month.Days[29]);
  EXPECT_EQ(back.Days[1], TDayWorkInfo::Empty());
  EXPECT_NE(File().find("Start=\"22:00:00"), std::string::npos) << File();

  // Month 7 all default again: its records go, month 8's stay.
  TWorkMonth cleared;
  for (TDayWorkInfo& day : cleared.Days) day = TDayWorkInfo::Empty();
  Store.SaveMonth(MonthStart(7), MonthEnd(7), cleared);
  Data.cdsWorkCalendar.Open();
  EXPECT_EQ(Data.cdsWorkCalendar.RecordCount(), 1);
  EXPECT_EQ(Data.cdsWorkCalendar.FieldByName("Date").AsDateTime(), Day(8, 10));
  Data.cdsWorkCalendar.Close();
}

TEST_F(WorkCalendarStoreTest, RowsBeyondFiveAreKeptAndWrittenBack) {
  Data.cdsWorkCalendar.Open();
  Data.cdsWCDetails.Open();
  Data.cdsWorkCalendar.Append();
  Data.cdsWorkCalendar.FieldByName("Date").SetAsDateTime(Day(7, 2));
  Data.cdsWorkCalendar.FieldByName("WorkingType").SetAsInteger(wtOwnHours);
  Data.cdsWorkCalendar.Post();
  for (int k = 0; k < 7; ++k) {
    Data.cdsWCDetails.Append();
    Data.cdsWCDetails.FieldByName("Start").SetAsDateTime(MinutesToTime(H(8 + k)));
    Data.cdsWCDetails.FieldByName("Finish").SetAsDateTime(MinutesToTime(H(8 + k, 30)));
    Data.cdsWCDetails.Post();
  }
  Data.cdsWCDetails.Close();
  Data.cdsWorkCalendar.Close();

  TWorkMonth month;
  Store.LoadMonth(MonthStart(7), MonthEnd(7), month);
  EXPECT_EQ(month.Days[1].Hours[4], (THourRange{H(12), H(12, 30)}));
  ASSERT_EQ(month.ExtraHours[1].size(), 2u);
  EXPECT_EQ(month.ExtraHours[1][1], (THourRange{H(14), H(14, 30)}));
  const std::string before = File();
  Store.SaveMonth(MonthStart(7), MonthEnd(7), month);
  EXPECT_EQ(File(), before);
}

TEST_F(WorkCalendarStoreTest, AFailedSaveLeavesTheMonthAsItWas) {
  TWorkMonth month;
  Store.LoadMonth(MonthStart(7), MonthEnd(7), month);
  month.Days[0].WorkingType = wtNonWorking;
  Store.SaveMonth(MonthStart(7), MonthEnd(7), month);
  const std::string before = File();
  // Day 2's second range cannot be a time of day: the save fails after the
  // month's records were deleted and day 1 appended again.
  month.Days[1] = Hours({{H(8), H(9)}, {H(10), 30 * 60}});
  EXPECT_THROW(Store.SaveMonth(MonthStart(7), MonthEnd(7), month), EConvertError);
  EXPECT_FALSE(Data.cdsWorkCalendar.Active());
  EXPECT_EQ(File(), before);
  TWorkMonth back;
  Store.LoadMonth(MonthStart(7), MonthEnd(7), back);
  EXPECT_EQ(back.Days[0].WorkingType, wtNonWorking);
  EXPECT_EQ(back.Days[1], TDayWorkInfo::Empty());
  // The datasets work on: a good save goes through.
  month.Days[1] = Hours({{H(8), H(9)}});
  Store.SaveMonth(MonthStart(7), MonthEnd(7), month);
  Store.LoadMonth(MonthStart(7), MonthEnd(7), back);
  EXPECT_EQ(back.Days[1], month.Days[1]);
}

TEST_F(WorkCalendarStoreTest, ADamagedFileIsReportedAndLeftAlone) {
  {
    std::ofstream out(Dir.File(WorkCalendarFileName), std::ios::binary);
    out << "<DATAPACKET broken";
  }
  TWorkMonth month;
  month.Days[3].WorkingType = wtNonWorking;
  EXPECT_THROW(Store.LoadMonth(MonthStart(7), MonthEnd(7), month), EDatabaseError);
  EXPECT_EQ(month.Days[3], TDayWorkInfo::Empty());
  EXPECT_THROW(Store.SaveMonth(MonthStart(7), MonthEnd(7), month), EDatabaseError);
  EXPECT_EQ(File(), "<DATAPACKET broken");
}

// ---- The holiday calendar's data ------------------------------------------------------------

TEST(HolidayModelTest, DayRecordsAreCreatedOnceAndFridaysAreHolidays) {
  TScratchDir dir;
  TDemoDataSets data(dir.Path().string());
  TClientDataSet& days = data.ClientDataSet1;
  days.Open();
  const TDateTime friday = ZarEncodeDate(1405, 7, 3);
  ASSERT_EQ(ZarDayOfWeek(friday), 7);
  EXPECT_TRUE(GotoDayRecord(days, friday));
  EXPECT_TRUE(days.FieldByName("Holiday").AsBoolean());
  EXPECT_TRUE(GotoDayRecord(days, friday + 1));
  EXPECT_FALSE(days.FieldByName("Holiday").AsBoolean());
  EXPECT_FALSE(GotoDayRecord(days, friday));
  EXPECT_FALSE(GotoDayRecord(days, friday + 0.75)) << "the time of day is no other day";
  EXPECT_EQ(days.RecordCount(), 2);
  EXPECT_EQ(days.FieldByName("Date").AsDateTime(), friday);
}

TEST(HolidayModelTest, ScanSetsAndClearsBitsOfRecordedDaysAndKeepsTheCurrentRecord) {
  TScratchDir dir;
  TDemoDataSets data(dir.Path().string());
  TClientDataSet& days = data.ClientDataSet1;
  const TDateTime start = ZarEncodeDate(1405, 7, 1), end = ZarEncodeDate(1405, 7, 30);
  EXPECT_EQ(ScanHolidays(days, start, end, 0x11u), 0x11u) << "a closed dataset gives the defaults";
  days.Open();
  GotoDayRecord(days, start);      // day 1, a Wednesday: not a holiday
  GotoDayRecord(days, start + 2);  // day 3, a Friday: a holiday
  GotoDayRecord(days, end);        // day 30
  days.Edit();
  days.FieldByName("Holiday").SetAsBoolean(true);
  days.Post();
  GotoDayRecord(days, start + 40);  // another month
  days.Edit();
  days.FieldByName("Holiday").SetAsBoolean(true);
  days.Post();
  GotoDayRecord(days, start + 2);
  const std::uint32_t mask = ScanHolidays(days, start, end, 0x1u | (1u << 10));
  EXPECT_EQ(mask, (1u << 2) | (1u << 10) | (1u << 29));
  EXPECT_EQ(days.FieldByName("Date").AsDateTime(), start + 2);
}

TEST(HolidayModelTest, APostedDayOutsideTheMonthLeavesTheMaskAlone) {
  const TDateTime start = ZarEncodeDate(1405, 1, 1), end = ZarEncodeDate(1405, 1, 31);
  EXPECT_EQ(HolidayBitAfterPost(0, end, true, start, end), 1u << 30);
  EXPECT_EQ(HolidayBitAfterPost(~0u, start + 1, false, start, end), ~0u & ~2u);
  for (const TDateTime outside : {start - 1, end + 1, end + 32, start - 32})
    EXPECT_EQ(HolidayBitAfterPost(0x5u, outside, true, start, end), 0x5u);
}

}  // namespace
}  // namespace zardemo
