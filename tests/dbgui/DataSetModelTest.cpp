// The table model over a dataset: columns, rows through filters, edits,
// inserts, deletes and moves announced row by row, and a dataset that goes
// away under it. Qt's model tester checks every signal the model sends.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <memory>

#include "DBTestSupport.h"
#include "DataSetModel.h"
#include "GuiTestEnvironment.h"

namespace zar {
namespace {

class DataSetModelTest : public ::testing::Test {
 protected:
  DataSetModelTest() {
    test::App();
    Model.SetDataSource(&Data.Source);
    Model.OnError = [this](std::exception_ptr error) { Errors += ExceptionMessage(error) + ";"; };
  }

  QString Cell(int row, int column, int role = Qt::DisplayRole) {
    return Model.data(Model.index(row, column), role).toString();
  }
  // The names column, top to bottom.
  std::string Names() {
    std::string names;
    for (int row = 0; row < Model.rowCount(); ++row) names += Cell(row, 1).toStdString() + ",";
    return names;
  }

  test::TOrders Data;
  TDataSetModel Model;
  QAbstractItemModelTester Tester{&Model, QAbstractItemModelTester::FailureReportingMode::Fatal};
  std::string Errors;
};

TEST_F(DataSetModelTest, ColumnsAreTheVisibleFieldsWithTheirLabels) {
  ASSERT_EQ(Model.columnCount(), 4);  // "Note" is hidden
  const char* titles[] = {"Id", "Customer", "Ship", "Paid"};
  for (int c = 0; c < 4; ++c)
    EXPECT_EQ(Model.headerData(c, Qt::Horizontal).toString().toStdString(), titles[c]);
  EXPECT_EQ(Model.ColumnField(1), &Data.Name);
  EXPECT_EQ(Model.FieldColumn(&Data.Note), -1);
  EXPECT_EQ(Model.rowCount(), 3);
  EXPECT_EQ(Cell(0, 2), "20/03/2024");                // display text
  EXPECT_EQ(Cell(0, 2, Qt::EditRole), "2024/03/20");  // edit text
  EXPECT_EQ(Model.data(Model.index(0, 2), TDataSetModel::FieldValueRole).toDate(),
            QDate(2024, 3, 20));
  EXPECT_EQ(Cell(1, 3), "False");
  EXPECT_EQ(Model.data(Model.index(2, 3), Qt::EditRole).metaType().id(), QMetaType::Bool);
  EXPECT_FALSE(Model.flags(Model.index(0, 0)) & Qt::ItemIsEditable);  // read-only Id
  EXPECT_TRUE(Model.flags(Model.index(0, 1)) & Qt::ItemIsEditable);
  EXPECT_EQ(Data.Orders.RecNo(), 1);  // reading moved nothing
}

TEST_F(DataSetModelTest, RowsFollowFiltersAndOrder) {
  Data.Orders.SetIndexFieldNames("Ship");
  EXPECT_EQ(Names(), "Mina,Ali,Reza,");
  Data.Orders.SetFilter("Paid = 'True'");
  Data.Orders.SetFiltered(true);
  EXPECT_EQ(Names(), "Ali,Reza,");
  Data.Orders.SetFilter("Name = 'nobody'");
  EXPECT_EQ(Model.rowCount(), 0);
  EXPECT_EQ(Model.CurrentRow(), -1);
  Data.Orders.SetFiltered(false);
  EXPECT_EQ(Model.rowCount(), 3);
}

TEST_F(DataSetModelTest, CurrentRowFollowsTheDatasetAndMovesIt) {
  QSignalSpy moved(&Model, &TDataSetModel::currentRowChanged);
  Data.Orders.Last();
  EXPECT_EQ(Model.CurrentRow(), 2);
  ASSERT_EQ(moved.count(), 1);
  EXPECT_EQ(moved.takeFirst().at(0).toInt(), 2);
  EXPECT_TRUE(Model.SetCurrentRow(1));
  EXPECT_EQ(Data.Name.AsString(), "Mina");
  EXPECT_EQ(Model.headerData(1, Qt::Vertical).toString(), QStringLiteral("\u25BA"));
  EXPECT_FALSE(Model.headerData(0, Qt::Vertical).isValid());
  EXPECT_FALSE(Model.SetCurrentRow(7));
}

TEST_F(DataSetModelTest, SetDataEditsTheRowAndMovingAwayPostsIt) {
  QSignalSpy changed(&Model, &QAbstractItemModel::dataChanged);
  ASSERT_TRUE(Model.setData(Model.index(2, 1), "Sara"));
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  EXPECT_EQ(Data.Orders.RecNo(), 3);
  EXPECT_EQ(Cell(2, 1), "Sara");
  EXPECT_GE(changed.count(), 1);
  EXPECT_EQ(Model.headerData(2, Qt::Vertical).toString(), QStringLiteral("\u270E"));
  ASSERT_TRUE(Model.setData(Model.index(2, 2), QDate(2025, 1, 2)));
  EXPECT_EQ(Cell(2, 2), "02/01/2025");
  ASSERT_TRUE(Model.setData(Model.index(2, 3), false));
  EXPECT_TRUE(Model.SetCurrentRow(0));
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Browse);
  EXPECT_EQ(Names(), "Reza,Mina,Sara,");
  EXPECT_EQ(Cell(2, 3), "False");
}

TEST_F(DataSetModelTest, RefusedValuesAreReportedAndLeaveTheRecordAsItWas) {
  EXPECT_FALSE(Model.setData(Model.index(0, 2), "not a date"));
  EXPECT_NE(Errors, "");
  EXPECT_EQ(Cell(0, 2), "20/03/2024");
  EXPECT_FALSE(Model.setData(Model.index(0, 0), 99));  // read-only column
  Model.SetReadOnly(true);
  EXPECT_FALSE(Model.setData(Model.index(0, 1), "x"));
  EXPECT_EQ(Cell(0, 1), "Reza");
}

TEST_F(DataSetModelTest, APendingEditThatCannotBePostedKeepsTheCurrentRow) {
  ASSERT_TRUE(Model.setData(Model.index(1, 1), QVariant()));  // Name is required
  EXPECT_FALSE(Model.SetCurrentRow(0));
  EXPECT_NE(Errors.find("must have a value"), std::string::npos) << Errors;
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  EXPECT_EQ(Model.CurrentRow(), 1);
}

TEST_F(DataSetModelTest, InsertAddsARowWhereTheNewRecordIsShown) {
  QSignalSpy inserted(&Model, &QAbstractItemModel::rowsInserted);
  QSignalSpy removed(&Model, &QAbstractItemModel::rowsRemoved);
  QSignalSpy reset(&Model, &QAbstractItemModel::modelReset);
  Data.Orders.SetRecNo(2);
  Data.Orders.Insert();
  ASSERT_EQ(inserted.count(), 1);
  EXPECT_EQ(inserted.takeFirst().at(1).toInt(), 1);
  EXPECT_EQ(Model.rowCount(), 4);
  EXPECT_EQ(Model.CurrentRow(), 1);
  EXPECT_EQ(Model.headerData(1, Qt::Vertical).toString(), "*");
  Data.Name.SetAsString("New");
  EXPECT_EQ(Names(), "Reza,New,Mina,Ali,");
  Data.Orders.Post();  // stored last, as the file keeps its order
  EXPECT_EQ(Names(), "Reza,Mina,Ali,New,");
  EXPECT_EQ(Model.CurrentRow(), 3);
  Data.Orders.Append();
  Data.Orders.Cancel();
  EXPECT_EQ(Model.rowCount(), 4);
  EXPECT_EQ(removed.count(), 2);  // the posted row left its place; the cancelled one went
  EXPECT_EQ(reset.count(), 0);
}

TEST_F(DataSetModelTest, PostsThatMoveOrHideARowAndDeletesAreAnnouncedRowByRow) {
  Data.Orders.SetIndexFieldNames("Name");  // Ali, Mina, Reza
  Data.Orders.SetFilter("Name <> 'Zed'");
  Data.Orders.SetFiltered(true);
  QSignalSpy moved(&Model, &QAbstractItemModel::rowsMoved);
  QSignalSpy removed(&Model, &QAbstractItemModel::rowsRemoved);
  QSignalSpy reset(&Model, &QAbstractItemModel::modelReset);
  Data.Orders.First();
  Data.Orders.Edit();
  Data.Name.SetAsString("Nora");  // Mina, Nora, Reza
  Data.Orders.Post();
  ASSERT_EQ(moved.count(), 1);
  EXPECT_EQ(Names(), "Mina,Nora,Reza,");
  Data.Orders.Edit();
  Data.Name.SetAsString("Zed");
  Data.Orders.Post();
  EXPECT_EQ(removed.count(), 1);
  EXPECT_EQ(Names(), "Mina,Reza,");
  Data.Orders.First();
  Data.Orders.Delete();
  EXPECT_EQ(removed.count(), 2);
  EXPECT_EQ(Names(), "Reza,");
  EXPECT_EQ(reset.count(), 0);
}

TEST_F(DataSetModelTest, ADatasetClosedOrDestroyedLeavesAnEmptyModel) {
  Data.Orders.Close();
  EXPECT_EQ(Model.rowCount(), 0);
  EXPECT_EQ(Model.columnCount(), 0);
  EXPECT_EQ(Model.DataSet(), nullptr);
  Data.Orders.Open();  // an unsaved dataset opens empty again
  EXPECT_EQ(Model.columnCount(), 4);
  EXPECT_EQ(Model.rowCount(), Data.Orders.RecordCount());
  {
    auto other = std::make_unique<TClientDataSet>("Other");
    other->AddField<TStringField>("Name", 5);
    other->CreateDataSet();
    other->Append();
    Data.Source.SetDataSet(other.get());
    EXPECT_EQ(Model.rowCount(), 1);  // the new record
  }
  EXPECT_EQ(Model.rowCount(), 0);
  EXPECT_FALSE(Model.data(Model.index(0, 0)).isValid());
  auto source = std::make_unique<TDataSource>();
  source->SetDataSet(&Data.Orders);
  Model.SetDataSource(source.get());
  EXPECT_EQ(Model.rowCount(), Data.Orders.RecordCount());
  EXPECT_EQ(Model.columnCount(), 4);
  source.reset();
  EXPECT_EQ(Model.rowCount(), 0);
  EXPECT_EQ(Model.DataSource(), nullptr);
}

// Without an open dataset there is no record to make current: every row,
// -1 (the current one of an empty model) included, is refused.
TEST_F(DataSetModelTest, WithoutADatasetNoRowCanBeMadeCurrent) {
  TDataSource empty;
  const struct {
    const char* Name;
    bool Close;
    TDataSource* Source;
    int Row;
  } cases[] = {
      {"closed, row 0", true, &Data.Source, 0},
      {"closed, row -1", true, &Data.Source, -1},
      {"a source without a dataset", false, &empty, 0},
      {"no source", false, nullptr, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Model.SetDataSource(c.Source);
    if (c.Close) Data.Orders.Close();
    ASSERT_EQ(Model.DataSet(), nullptr);
    ASSERT_EQ(Model.CurrentRow(), -1);
    EXPECT_FALSE(Model.SetCurrentRow(c.Row));
    EXPECT_FALSE(Model.setData(Model.index(c.Row, 1), "Sara"));
    Data.Orders.Open();
  }
  EXPECT_EQ(Errors, "");
}

TEST_F(DataSetModelTest, DisabledControlsShowTheOutcomeOnceEnabled) {
  Data.Orders.DisableControls();
  Data.Add("Hadi", EncodeDate(2024, 5, 1), false);
  Data.Orders.Locate("Name", "Mina");
  Data.Orders.EnableControls();
  EXPECT_EQ(Names(), "Reza,Mina,Ali,Hadi,");
  EXPECT_EQ(Model.CurrentRow(), 1);
}

}  // namespace
}  // namespace zar
