#pragma once
// The demonstration's datasets: the three file-backed datasets of the main
// window ("daysinfo.xml", "workcal.xml" with its nested "Details",
// "orders.xml"), the two memory-only copies of the orders and the report's
// dataset. Free of Qt, so that the window and the tests open the same model.

#include <string>
#include <vector>

#include "ZarDateDB.h"

namespace zardemo {

inline constexpr const char* DaysInfoFileName = "daysinfo.xml";
inline constexpr const char* WorkCalendarFileName = "workcal.xml";
inline constexpr const char* OrdersFileName = "orders.xml";

// Each Define... gives a closed dataset its field definitions, persistent
// fields, indexes and links.

// "Date", "Holiday", "Pertinence" (30), "Comments" (50); definitions stored
// with the dataset, no index.
void DefineDaysInfo(zar::TClientDataSet& DataSet);
// "Date", "WorkingType" and the nested "Details" ("Start", "Finish") shown by
// Details; primary unique index "ClientDataSet1Primary" on "Date", ordered by
// "Date".
void DefineWorkCalendar(zar::TClientDataSet& Master, zar::TClientDataSet& Details);
// The orders with solar date fields (page 51).
void DefineOrders(zar::TClientDataSet& DataSet);
// The same with the solar display formats of page 52.
void DefineSolarOrdersCopy(zar::TClientDataSet& DataSet);
// The same field names with the plain (Gregorian) field classes of page 53.
void DefinePlainOrdersCopy(zar::TClientDataSet& DataSet);
// The report's dataset, ordered by "OrderNo".
void DefineReportOrders(zar::TClientDataSet& DataSet);

// The main window's datasets, defined and bound to their files in Directory.
struct TDemoDataSets {
  explicit TDemoDataSets(const std::string& Directory);

  // Opens the three files (a missing file gives an empty dataset), switches
  // their change logs off and copies the orders into the two copies. A file
  // that cannot be read leaves its dataset closed; the messages are returned.
  std::vector<std::string> OpenAtStartup();
  // Gives the copies a fresh copy of the orders.
  void CopyOrders();

  zar::TClientDataSet ClientDataSet1{"ClientDataSet1"};
  zar::TClientDataSet cdsWorkCalendar{"cdsWorkCalendar"};
  zar::TClientDataSet cdsWCDetails{"cdsWCDetails"};
  zar::TClientDataSet cdsOrders{"cdsOrders"};
  zar::TClientDataSet cdsOrders2{"cdsOrders2"};
  zar::TClientDataSet cdsOrders3{"cdsOrders3"};
};

}  // namespace zardemo
