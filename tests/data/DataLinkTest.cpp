// Field data links: the four notifications a bound control relies on and
// the operations it calls.

#include <gtest/gtest.h>

#include "ClientDataSet.h"
#include "DataSource.h"

namespace zar {
namespace {

class DataLinkTest : public ::testing::Test {
 protected:
  DataLinkTest() {
    Source.SetDataSet(&Items);
    Link.SetDataSource(&Source);
    Link.SetFieldName("Name");
    Link.OnDataChange = [this] { Log += "data;"; };
    Link.OnEditingChange = [this] { Log += Link.Editing() ? "editing;" : "browsing;"; };
    Link.OnActiveChange = [this] { Log += Link.Active() ? "active;" : "inactive;"; };
    Link.OnUpdateData = [this] { Name.SetAsString(ControlText); };
  }

  void OpenWithOneRecord() {
    Items.CreateDataSet();
    Items.Append();
    Name.SetAsString("a");
    Items.Post();
    Log.clear();
  }

  TClientDataSet Items{"Items"};
  TStringField& Name = Items.AddField<TStringField>("Name", 10);
  TSmallintField& Qty = Items.AddField<TSmallintField>("Qty");
  TDataSource Source;
  TFieldDataLink Link;
  std::string Log;
  std::string ControlText;
};

TEST_F(DataLinkTest, OpeningFindsTheFieldAndClosingDropsIt) {
  Items.CreateDataSet();
  EXPECT_EQ(Link.Field(), &Name);
  EXPECT_EQ(Log, "data;active;");
  Log.clear();
  Items.Close();
  EXPECT_EQ(Link.Field(), nullptr);
  EXPECT_EQ(Log, "data;inactive;");
}

TEST_F(DataLinkTest, EditFromTheControlStartsEditingAndPostStoresTheValue) {
  OpenWithOneRecord();
  EXPECT_TRUE(Link.Edit());
  EXPECT_EQ(Items.State(), TDataSetState::Edit);
  EXPECT_EQ(Log, "editing;data;");
  ControlText = "typed";
  Link.Modified();
  Log.clear();
  Items.Post();
  EXPECT_EQ(Name.AsString(), "typed");
  // The field change made by UpdateData is not echoed back to the control.
  EXPECT_EQ(Log, "browsing;data;");
}

TEST_F(DataLinkTest, OnlyItsOwnFieldsChangesReachTheControl) {
  OpenWithOneRecord();
  Items.Edit();
  Log.clear();
  Qty.SetAsInteger(3);
  EXPECT_EQ(Log, "");
  Name.SetAsString("b");
  EXPECT_EQ(Log, "data;");
}

TEST_F(DataLinkTest, ResetGivesUpThePendingValue) {
  OpenWithOneRecord();
  Link.Edit();
  Link.Modified();
  Log.clear();
  Link.Reset();
  EXPECT_EQ(Log, "data;");
  ControlText = "ignored";
  Items.Post();  // nothing pending: the field keeps its value
  EXPECT_EQ(Name.AsString(), "a");
}

TEST_F(DataLinkTest, ReadOnlyLinksAndFieldsDoNotEdit) {
  OpenWithOneRecord();
  Link.SetReadOnly(true);
  EXPECT_FALSE(Link.Edit());
  EXPECT_EQ(Items.State(), TDataSetState::Browse);
  Link.SetReadOnly(false);
  Name.SetReadOnly(true);
  EXPECT_FALSE(Link.CanModify());
  Name.SetReadOnly(false);
  Source.SetAutoEdit(false);
  EXPECT_FALSE(Link.Edit());
  Items.Edit();  // the dataset edits anyway; the link follows
  EXPECT_TRUE(Link.Editing());
}

TEST_F(DataLinkTest, UnknownFieldNamesGiveNoField) {
  OpenWithOneRecord();
  Link.SetFieldName("Nope");
  EXPECT_EQ(Link.Field(), nullptr);
  EXPECT_FALSE(Link.Edit());
}

TEST_F(DataLinkTest, DestroyingTheDatasetOrSourceFirstIsSafe) {
  auto dataSet = std::make_unique<TClientDataSet>("Temporary");
  dataSet->AddField<TStringField>("Name");
  dataSet->CreateDataSet();
  Source.SetDataSet(dataSet.get());
  EXPECT_TRUE(Link.Active());
  dataSet.reset();
  EXPECT_FALSE(Link.Active());
  EXPECT_EQ(Link.Field(), nullptr);
  auto source = std::make_unique<TDataSource>();
  Link.SetDataSource(source.get());
  source.reset();
  EXPECT_EQ(Link.DataSource(), nullptr);
}

struct TCountingAction : TBasicAction {
  bool HandlesTarget(TDataSource* Target) override { return Target != nullptr; }
  void ExecuteTarget(TDataSource*) override { ++Executed; }
  void UpdateTarget(TDataSource*) override { ++Updated; }
  int Executed = 0, Updated = 0;
};

TEST_F(DataLinkTest, ActionsReachTheSource) {
  TCountingAction action;
  EXPECT_TRUE(Link.ExecuteAction(action));
  EXPECT_TRUE(Link.UpdateAction(action));
  EXPECT_EQ(action.Executed, 1);
  EXPECT_EQ(action.Updated, 1);
  Link.SetDataSource(nullptr);
  EXPECT_FALSE(Link.ExecuteAction(action));
}

}  // namespace
}  // namespace zar
