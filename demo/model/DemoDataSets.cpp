#include "DemoDataSets.h"

#include <exception>
#include <filesystem>

namespace zardemo {

using namespace zar;

namespace {

// Display labels of the orders.
constexpr const char* OrderNoLabel =
    "\u0634\u0645\u0627\u0631\u0647 \u0633\u0641\u0627\u0631\u0634";
constexpr const char* ReceiveTimeLabel =
    "\u0644\u062D\u0638\u0647 \u062F\u0631\u064A\u0627\u0641\u062A";
constexpr const char* AmountPaidLabel =
    "\u0645\u0628\u0644\u063A \u067E\u0631\u062F\u0627\u062E\u062A\u064A";
constexpr const char* ShipDateLabel =
    "\u062A\u0627\u0631\u064A\u062E \u0627\u0631\u0633\u0627\u0644";

// The four order fields with the given date field classes; labels as given.
template <class TReceiveTimeField, class TShipDateField>
struct TOrderFields {
  TAutoIncField& OrderNo;
  TReceiveTimeField& RecieveTime;
  TCurrencyField& AmountPaid;
  TShipDateField& ShipDate;
};

template <class TReceiveTimeField, class TShipDateField>
TOrderFields<TReceiveTimeField, TShipDateField> AddOrderFields(TClientDataSet& dataSet) {
  TOrderFields<TReceiveTimeField, TShipDateField> fields{
      dataSet.AddField<TAutoIncField>("OrderNo"),
      dataSet.AddField<TReceiveTimeField>("RecieveTime"),
      dataSet.AddField<TCurrencyField>("AmountPaid"),
      dataSet.AddField<TShipDateField>("ShipDate"),
  };
  fields.OrderNo.SetReadOnly(true);
  fields.RecieveTime.SetDisplayWidth(22);
  fields.AmountPaid.SetDisplayWidth(14);
  return fields;
}

// The solar orders of pages 51 and 52.
TOrderFields<TZarDateTimeField, TZarDateField> AddSolarOrderFields(TClientDataSet& dataSet) {
  auto fields = AddOrderFields<TZarDateTimeField, TZarDateField>(dataSet);
  fields.OrderNo.SetDisplayLabel(OrderNoLabel);
  fields.RecieveTime.SetDisplayLabel(ReceiveTimeLabel);
  fields.RecieveTime.SetAlignment(taRightJustify);
  fields.AmountPaid.SetDisplayLabel(AmountPaidLabel);
  fields.ShipDate.SetDisplayLabel(ShipDateLabel);
  fields.ShipDate.SetAlignment(taRightJustify);
  return fields;
}

}  // namespace

void DefineDaysInfo(TClientDataSet& DataSet) {
  TFieldDefs& defs = DataSet.FieldDefs();
  defs.Add("Date", ftDate);
  defs.Add("Holiday", ftBoolean);
  defs.Add("Pertinence", ftString, 30);
  defs.Add("Comments", ftString, 50);
  DataSet.AddField<TDateField>("Date");
  DataSet.AddField<TBooleanField>("Holiday");
  DataSet.AddField<TStringField>("Pertinence", 30).SetAlignment(taRightJustify);
  DataSet.AddField<TStringField>("Comments", 50).SetAlignment(taRightJustify);
}

void DefineWorkCalendar(TClientDataSet& Master, TClientDataSet& Details) {
  TFieldDefs& defs = Master.FieldDefs();
  defs.Add("Date", ftDate);
  defs.Add("WorkingType", ftSmallint);
  TFieldDef& nested = defs.Add("Details", ftDataSet);
  nested.ChildDefs.Add("Start", ftTime);
  nested.ChildDefs.Add("Finish", ftTime);
  Master.IndexDefs().push_back({"ClientDataSet1Primary", "Date", ixPrimary | ixUnique});
  Master.SetIndexFieldNames("Date");
  Master.AddField<TDateField>("Date");
  Master.AddField<TSmallintField>("WorkingType");
  auto& detailsField = Master.AddField<TDataSetField>("Details");
  Details.AddField<TTimeField>("Start");
  Details.AddField<TTimeField>("Finish");
  Details.SetDataSetField(&detailsField);
}

void DefineOrders(TClientDataSet& DataSet) { AddSolarOrderFields(DataSet); }

void DefineSolarOrdersCopy(TClientDataSet& DataSet) {
  auto fields = AddSolarOrderFields(DataSet);
  fields.RecieveTime.SetDisplayFormat("d mmmm yy \u0633\u0627\u0639\u062A hh:nn");
  fields.ShipDate.SetDisplayFormat("d mmmm");
}

void DefinePlainOrdersCopy(TClientDataSet& DataSet) {
  auto fields = AddOrderFields<TDateTimeField, TDateField>(DataSet);
  fields.RecieveTime.SetDisplayLabel("ReceiveTime");
}

void DefineReportOrders(TClientDataSet& DataSet) {
  auto fields = AddOrderFields<TZarDateTimeField, TZarDateField>(DataSet);
  fields.RecieveTime.SetDisplayFormat("yyyy/mm/dd - \u0633\u0627\u0639\u062A hh:nn");
  fields.ShipDate.SetDisplayFormat("c (dddd)");
  DataSet.SetIndexFieldNames("OrderNo");
}

TDemoDataSets::TDemoDataSets(const std::string& Directory) {
  const std::filesystem::path directory(Directory);
  DefineDaysInfo(ClientDataSet1);
  ClientDataSet1.SetFileName((directory / DaysInfoFileName).string());
  DefineWorkCalendar(cdsWorkCalendar, cdsWCDetails);
  cdsWorkCalendar.SetFileName((directory / WorkCalendarFileName).string());
  DefineOrders(cdsOrders);
  cdsOrders.SetFileName((directory / OrdersFileName).string());
  DefineSolarOrdersCopy(cdsOrders2);
  DefinePlainOrdersCopy(cdsOrders3);
}

std::vector<std::string> TDemoDataSets::OpenAtStartup() {
  std::vector<std::string> errors;
  for (TClientDataSet* dataSet : {&ClientDataSet1, &cdsWorkCalendar, &cdsOrders}) {
    try {
      dataSet->Open();
      dataSet->SetLogChanges(false);
    } catch (const std::exception& error) {  // any failure, not only the layer's own
      errors.push_back(error.what());
    }
  }
  if (cdsOrders.Active()) CopyOrders();
  return errors;
}

void TDemoDataSets::CopyOrders() {
  const TDataPacket orders = cdsOrders.Data();
  cdsOrders2.SetData(orders);
  cdsOrders3.SetData(orders);
}

}  // namespace zardemo
