// The data-aware grid: the current record and the current cell follow each
// other, titles and widths come from the fields, and keys edit the dataset.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>

#include "DBGrid.h"
#include "DBTestSupport.h"
#include "GuiTestEnvironment.h"

namespace zar {
namespace {

class DBGridTest : public ::testing::Test {
 protected:
  DBGridTest() {
    test::App().OnException = [this](const std::string& message) { Errors += message + ";"; };
    Grid.SetDataSource(&Data.Source);
    Grid.SetConfirmDelete(false);
    Grid.resize(400, 200);
  }
  ~DBGridTest() override { test::App().OnException = nullptr; }

  test::TOrders Data;
  TDBGrid Grid;
  std::string Errors;
};

TEST_F(DBGridTest, TheCurrentCellAndTheCurrentRecordFollowEachOther) {
  test::ShowActive(Grid);
  EXPECT_EQ(Grid.currentIndex().row(), 0);
  Data.Orders.Last();
  EXPECT_EQ(Grid.currentIndex().row(), 2);
  Grid.setCurrentIndex(Grid.model()->index(1, 1));
  EXPECT_EQ(Data.Orders.RecNo(), 2);
  EXPECT_EQ(Grid.SelectedField(), &Data.Name);
  QTest::keyClick(Grid.viewport(), Qt::Key_Up);
  EXPECT_EQ(Data.Name.AsString(), "Reza");
  // A filter that hides everything leaves no current cell, and a usable grid.
  Data.Orders.SetFilter("Name = 'nobody'");
  Data.Orders.SetFiltered(true);
  EXPECT_FALSE(Grid.currentIndex().isValid());
  QTest::keyClick(Grid.viewport(), Qt::Key_Down);
  Data.Orders.SetFiltered(false);
  EXPECT_EQ(Grid.currentIndex().row(), 0);
}

TEST_F(DBGridTest, ACellThatCannotLeaveItsRecordStaysPut) {
  test::ShowActive(Grid);
  Data.Orders.Edit();
  Data.Name.Clear();  // required
  Grid.setCurrentIndex(Grid.model()->index(2, 1));
  EXPECT_EQ(Grid.currentIndex().row(), 0);
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  EXPECT_NE(Errors.find("must have a value"), std::string::npos) << Errors;
}

TEST_F(DBGridTest, TitlesAndWidthsComeFromTheFields) {
  QFont title = Grid.font();
  title.setBold(true);
  title.setPointSize(14);
  Grid.SetTitleFont(title);
  EXPECT_EQ(Grid.TitleFont(), title);
  EXPECT_EQ(Grid.horizontalHeader()->font(), title);
  const int zero = Grid.fontMetrics().horizontalAdvance(QLatin1Char('0'));
  EXPECT_GE(Grid.columnWidth(1), 12 * zero);  // DisplayWidth 12
  EXPECT_EQ(Grid.columnWidth(1), Grid.DefaultColumnWidth(Data.Name));
  // A short column is at least as wide as its title.
  const QFontMetrics titleMetrics(title);
  EXPECT_GE(Grid.columnWidth(0), titleMetrics.horizontalAdvance("Id"));
}

TEST_F(DBGridTest, KeysInsertCancelAndDelete) {
  test::ShowActive(Grid);
  Grid.setCurrentIndex(Grid.model()->index(1, 1));
  QTest::keyClick(Grid.viewport(), Qt::Key_Insert);
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Insert);
  EXPECT_EQ(Grid.model()->rowCount(), 4);
  EXPECT_EQ(Grid.currentIndex().row(), 1);
  QTest::keyClick(Grid.viewport(), Qt::Key_Escape);
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Browse);
  EXPECT_EQ(Grid.model()->rowCount(), 3);
  QTest::keyClick(Grid.viewport(), Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(Data.Orders.RecordCount(), 2);
  Grid.SetReadOnly(true);
  QTest::keyClick(Grid.viewport(), Qt::Key_Delete, Qt::ControlModifier);
  QTest::keyClick(Grid.viewport(), Qt::Key_Insert);
  EXPECT_EQ(Data.Orders.RecordCount(), 2);
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Browse);
}

TEST_F(DBGridTest, TypingInACellEditsTheRecordThroughTheDataset) {
  test::ShowActive(Grid);
  Grid.setCurrentIndex(Grid.model()->index(2, 1));
  QTest::keyClick(Grid.viewport(), Qt::Key_F2);
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, "Sara");
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the delegate commits on a queued call
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  Grid.setCurrentIndex(Grid.model()->index(0, 1));
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Browse);
  Data.Orders.Last();
  EXPECT_EQ(Data.Name.AsString(), "Sara");
}

TEST_F(DBGridTest, ADatasetDestroyedUnderTheGridLeavesItEmpty) {
  auto other = std::make_unique<TClientDataSet>("Other");
  other->AddField<TStringField>("Name", 5);
  other->CreateDataSet();
  Data.Source.SetDataSet(other.get());
  test::ShowActive(Grid);
  other.reset();
  EXPECT_EQ(Grid.model()->rowCount(), 0);
  EXPECT_EQ(Grid.model()->columnCount(), 0);
  QTest::keyClick(Grid.viewport(), Qt::Key_Insert);
  Grid.repaint();
}

}  // namespace
}  // namespace zar
