#pragma once
// A small orders dataset for the data-aware control tests.

#include <string>

#include "ClientDataSet.h"
#include "DataSource.h"
#include "GregorianDates.h"

namespace zar::test {

struct TOrders {
  TOrders() {
    Name.SetRequired(true);
    Name.SetDisplayLabel("Customer");
    Name.SetDisplayWidth(12);
    Id.SetReadOnly(true);
    Ship.SetDisplayFormat("dd/mm/yyyy");
    Note.SetVisible(false);
    Orders.CreateDataSet();
    Add("Reza", EncodeDate(2024, 3, 20), true);
    Add("Mina", EncodeDate(2024, 1, 5), false);
    Add("Ali", EncodeDate(2024, 2, 10), true);
    Orders.First();
    Source.SetDataSet(&Orders);
  }

  void Add(const std::string& name, TDateTime ship, bool paid) {
    Orders.Append();
    Name.SetAsString(name);
    Ship.SetAsDateTime(ship);
    Paid.SetAsBoolean(paid);
    Orders.Post();
  }

  TClientDataSet Orders{"Orders"};
  TAutoIncField& Id = Orders.AddField<TAutoIncField>("Id");
  TStringField& Name = Orders.AddField<TStringField>("Name", 20);
  TDateField& Ship = Orders.AddField<TDateField>("Ship");
  TBooleanField& Paid = Orders.AddField<TBooleanField>("Paid");
  TStringField& Note = Orders.AddField<TStringField>("Note", 10);
  TDataSource Source;
};

}  // namespace zar::test
