// The demonstration's datasets used the way its pages use them.

#include <gtest/gtest.h>

#include "DBErrors.h"
#include "DataTestSupport.h"
#include "DemoDataSets.h"
#include "GregorianDates.h"
#include "ZarDateUtils.h"

namespace zardemo {
namespace {

using namespace zar;
using test::ReadText;
using test::TScratchDir;
using test::WriteText;

void AddOrder(TClientDataSet& orders, TDateTime received, const char* amount, TDateTime shipped) {
  orders.Append();
  orders.FieldByName("RecieveTime").SetAsDateTime(received);
  orders.FieldByName("AmountPaid").SetAsString(amount);
  if (shipped != 0) orders.FieldByName("ShipDate").SetAsDateTime(shipped);
  orders.Post();
}

TEST(DemoModelTest, StartingWithoutFilesGivesEmptyDatasetsAndWritesThemOnClose) {
  TScratchDir dir;
  TDemoDataSets data(dir.Path().string());
  EXPECT_TRUE(data.OpenAtStartup().empty());
  for (TClientDataSet* dataSet : {&data.ClientDataSet1, &data.cdsWorkCalendar, &data.cdsOrders,
                                  &data.cdsOrders2, &data.cdsOrders3}) {
    EXPECT_TRUE(dataSet->Active()) << dataSet->Name();
    EXPECT_TRUE(dataSet->IsEmpty()) << dataSet->Name();
  }
  EXPECT_FALSE(data.ClientDataSet1.LogChanges());
  data.ClientDataSet1.Close();
  const std::string text = ReadText(dir.File(DaysInfoFileName));
  EXPECT_NE(text.find("<FIELD attrname=\"Date\" fieldtype=\"date\"/>"
                      "<FIELD attrname=\"Holiday\" fieldtype=\"boolean\"/>"
                      "<FIELD attrname=\"Pertinence\" fieldtype=\"string\" WIDTH=\"30\"/>"
                      "<FIELD attrname=\"Comments\" fieldtype=\"string\" WIDTH=\"50\"/>"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("<ROW "), std::string::npos);
}

// "Pertinence" holds 30 characters of Persian text (60 bytes) and reads back
// at the next start; a longer text is refused at once, never cut.
TEST(DemoModelTest, PersianTextFillsItsFieldAndReadsBackAtTheNextStart) {
  TScratchDir dir;
  std::string thirty;
  for (int i = 0; i < 30; ++i) thirty += i % 5 == 4 ? "\u200C" : "\u0641";
  {
    TDemoDataSets data(dir.Path().string());
    ASSERT_TRUE(data.OpenAtStartup().empty());
    data.ClientDataSet1.Append();
    data.ClientDataSet1.FieldByName("Date").SetAsDateTime(45371);
    data.ClientDataSet1.FieldByName("Pertinence").SetAsString(thirty);
    EXPECT_THROW(data.ClientDataSet1.FieldByName("Comments").SetAsString(thirty + thirty),
                 EDatabaseError);
    data.ClientDataSet1.Post();
    data.ClientDataSet1.Close();
  }
  TDemoDataSets data(dir.Path().string());
  EXPECT_TRUE(data.OpenAtStartup().empty());
  EXPECT_EQ(data.ClientDataSet1.FieldByName("Pertinence").AsString(), thirty);
  EXPECT_TRUE(data.ClientDataSet1.FieldByName("Comments").IsNull());
}

TEST(DemoModelTest, OneOrderShowsSolarFormattedAndGregorian) {
  TScratchDir dir;
  TDemoDataSets data(dir.Path().string());
  data.OpenAtStartup();
  AddOrder(data.cdsOrders, 45371.75, "1500", 45372);
  EXPECT_EQ(data.cdsOrders.FieldByName("OrderNo").AsInteger(), 1);
  data.CopyOrders();
  const struct {
    TClientDataSet* DataSet;
    const char* ReceiveTime;
    const char* ShipDate;
  } cases[] = {
      {&data.cdsOrders, "1403/01/01 18:00:00", "1403/01/02"},
      {&data.cdsOrders2,
       "1 \u0641\u0631\u0648\u0631\u062F\u064A\u0646 03 \u0633\u0627\u0639\u062A 18:00",
       "2 \u0641\u0631\u0648\u0631\u062F\u064A\u0646"},
      {&data.cdsOrders3, "2024/03/20 18:00:00", "2024/03/21"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.DataSet->Name());
    EXPECT_EQ(c.DataSet->FieldByName("RecieveTime").DisplayText(), c.ReceiveTime);
    EXPECT_EQ(c.DataSet->FieldByName("ShipDate").DisplayText(), c.ShipDate);
    EXPECT_EQ(c.DataSet->FieldByName("AmountPaid").DisplayText(), "1500.00");
  }
  EXPECT_EQ(data.cdsOrders.FieldByName("OrderNo").DisplayLabel(),
            "\u0634\u0645\u0627\u0631\u0647 \u0633\u0641\u0627\u0631\u0634");
  EXPECT_EQ(data.cdsOrders3.FieldByName("OrderNo").DisplayLabel(), "OrderNo");
  EXPECT_EQ(data.cdsOrders3.FieldByName("RecieveTime").DisplayLabel(), "ReceiveTime");
  EXPECT_EQ(data.cdsOrders.FieldByName("RecieveTime").DisplayWidth(), 22);
  // The copies are independent of the file-backed orders.
  data.cdsOrders2.Edit();
  data.cdsOrders2.FieldByName("AmountPaid").SetAsString("1");
  data.cdsOrders2.Post();
  EXPECT_EQ(data.cdsOrders.FieldByName("AmountPaid").AsString(), "1500");
}

TEST(DemoModelTest, ShipDateFilterAndReportCopy) {
  TScratchDir dir;
  TDemoDataSets data(dir.Path().string());
  data.OpenAtStartup();
  AddOrder(data.cdsOrders, 38800, "10", EncodeDate(2006, 3, 20));
  AddOrder(data.cdsOrders, 38800, "20", EncodeDate(2006, 3, 21));
  AddOrder(data.cdsOrders, 38800, "30", EncodeDate(2007, 3, 20));
  AddOrder(data.cdsOrders, 38800, "40", 0);
  // "between" 1385/01/01 and 1385/12/29, written in the Gregorian short date format.
  const std::string between = "((ShipDate >= '" + DateToStr(ZarEncodeDate(1385, 1, 1)) +
                              "') AND (ShipDate <= '" + DateToStr(ZarEncodeDate(1385, 12, 29)) +
                              "'))";
  EXPECT_EQ(between, "((ShipDate >= '2006/03/21') AND (ShipDate <= '2007/03/20'))");
  data.cdsOrders.SetFilter(between);
  data.cdsOrders.SetFiltered(true);
  EXPECT_EQ(data.cdsOrders.RecordCount(), 2);

  TClientDataSet report("cdsOrders");
  DefineReportOrders(report);
  report.SetData(data.cdsOrders.Data());  // every record, whatever the filter
  EXPECT_EQ(report.RecordCount(), 4);
  report.SetFilter(data.cdsOrders.Filter());
  report.SetFiltered(data.cdsOrders.Filtered());
  std::vector<std::string> lines;
  for (report.First(); !report.Eof(); report.Next())
    lines.push_back(report.FieldByName("OrderNo").AsString() + " " +
                    report.FieldByName("ShipDate").DisplayText());
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "2 1385/01/01 (\u0633\u0647\u200C\u0634\u0646\u0628\u0647)",
                       "3 1385/12/29 (\u0633\u0647\u200C\u0634\u0646\u0628\u0647)"}));
}

TEST(DemoModelTest, WorkCalendarMonthsAreReplacedAndReadBackInDateOrder) {
  TScratchDir dir;
  const TDateTime monthStart = ZarEncodeDate(1403, 1, 1);
  const TDateTime monthEnd = ZarEncodeDate(1403, 1, 31);
  auto saveMonth = [&](TDemoDataSets& data, const std::vector<std::pair<int, Integer>>& days) {
    TClientDataSet& master = data.cdsWorkCalendar;
    master.Open();
    master.SetRange({TVariant::FromDateTime(monthStart)}, {TVariant::FromDateTime(monthEnd)});
    while (master.RecordCount() > 0) master.Delete();
    master.CancelRange();
    data.cdsWCDetails.Open();
    for (const auto& [day, type] : days) {
      master.Append();
      master.FieldByName("Date").SetAsDateTime(monthStart + day - 1);
      master.FieldByName("WorkingType").SetAsInteger(type);
      master.Post();
      if (type != 2) continue;
      for (const auto& [start, finish] :
           {std::pair{"08:00", "12:00"}, std::pair{"13:00", "17:00"}}) {
        data.cdsWCDetails.Append();
        data.cdsWCDetails.FieldByName("Start").SetAsString(start);
        data.cdsWCDetails.FieldByName("Finish").SetAsString(finish);
        data.cdsWCDetails.Post();
      }
    }
    master.Close();
    data.cdsWCDetails.Close();
  };
  {
    TDemoDataSets data(dir.Path().string());
    data.cdsWorkCalendar.Open();
    data.cdsWorkCalendar.Append();  // a day of the next month stays
    data.cdsWorkCalendar.FieldByName("Date").SetAsDateTime(monthEnd + 1);
    data.cdsWorkCalendar.FieldByName("WorkingType").SetAsInteger(1);
    data.cdsWorkCalendar.Post();
    data.cdsWorkCalendar.Close();
    saveMonth(data, {{20, 2}, {3, 1}});
  }
  {
    TDemoDataSets data(dir.Path().string());
    data.cdsWorkCalendar.Open();
    data.cdsWCDetails.Open();
    std::vector<std::string> days;
    for (data.cdsWorkCalendar.First(); !data.cdsWorkCalendar.Eof(); data.cdsWorkCalendar.Next())
      days.push_back(data.cdsWorkCalendar.FieldByName("Date").AsString() + "/" +
                     data.cdsWorkCalendar.FieldByName("WorkingType").AsString() + "/" +
                     std::to_string(data.cdsWCDetails.RecordCount()));
    EXPECT_EQ(days,
              (std::vector<std::string>{"2024/03/22/1/0", "2024/04/08/2/2", "2024/04/20/1/0"}));
    EXPECT_TRUE(data.cdsWorkCalendar.Locate("Date", TVariant::FromDateTime(monthStart + 19)));
    data.cdsWCDetails.Last();
    EXPECT_EQ(data.cdsWCDetails.FieldByName("Finish").AsString(), "17:00:00");
    data.cdsWorkCalendar.Close();
    saveMonth(data, {});  // an all-default month leaves no record of it
    data.cdsWorkCalendar.Open();
    EXPECT_EQ(data.cdsWorkCalendar.RecordCount(), 1);
    // One record per date: a second record for a day is refused.
    data.cdsWorkCalendar.Append();
    data.cdsWorkCalendar.FieldByName("Date").SetAsDateTime(monthEnd + 1);
    EXPECT_THROW(data.cdsWorkCalendar.Post(), EDatabaseError);
  }
}

TEST(DemoModelTest, HolidayRecordsAreLocatedByTheirDateText) {
  TScratchDir dir;
  TDemoDataSets data(dir.Path().string());
  data.OpenAtStartup();
  TClientDataSet& days = data.ClientDataSet1;
  days.Append();
  days.FieldByName("Date").SetAsDateTime(EncodeDate(2024, 3, 22));
  days.FieldByName("Holiday").SetAsBoolean(true);
  days.Post();
  days.Append();
  days.FieldByName("Date").SetAsDateTime(EncodeDate(2024, 3, 23));
  days.Post();
  EXPECT_TRUE(days.Locate("Date", DateToStr(EncodeDate(2024, 3, 22))));
  EXPECT_TRUE(days.FieldByName("Holiday").AsBoolean());
  EXPECT_FALSE(days.Locate("Date", "2024/03/24"));
}

TEST(DemoModelTest, AnUnreadableFileLeavesOnlyItsDatasetClosed) {
  TScratchDir dir;
  WriteText(dir.File(OrdersFileName), "<DATAPACKET>");
  TDemoDataSets data(dir.Path().string());
  const std::vector<std::string> errors = data.OpenAtStartup();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find(dir.File(OrdersFileName)), std::string::npos) << errors[0];
  EXPECT_FALSE(data.cdsOrders.Active());
  EXPECT_TRUE(data.ClientDataSet1.Active());
  EXPECT_EQ(ReadText(dir.File(OrdersFileName)), "<DATAPACKET>");
}

}  // namespace
}  // namespace zardemo
