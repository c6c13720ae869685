// The grid base's current-cell protocol: SelectCell decides every move,
// Click follows key steps and Col/Row assignments, a mouse selection clicks
// at its release, and geometry mirrors under right-to-left reading.

#include <gtest/gtest.h>

#include <QTest>
#include <set>

#include "CustomGrid.h"
#include "Exceptions.h"
#include "GuiTestEnvironment.h"

namespace zar::test {
namespace {

using Log = std::vector<std::string>;

std::string CellText(int col, int row) { return std::to_string(col) + "," + std::to_string(row); }

// A 5 x 4 grid of 20 x 10 cells with one fixed column and row; refused
// cells are listed in Refused.
class ProbeGrid : public TCustomGrid {
 public:
  explicit ProbeGrid(QWidget* parent = nullptr) : TCustomGrid(parent) {
    SetBorderStyle(bsNone);
    SetColCount(5);
    SetRowCount(4);
    SetDefaultColWidth(20);
    SetDefaultRowHeight(10);
    resize(5 * 21 - 1, 4 * 11 - 1);
  }

  std::set<std::pair<int, int>> Refused;
  Log Calls;

  using TCustomGrid::FocusCell;
  using TCustomGrid::MoveCurrent;

 protected:
  bool SelectCell(int col, int row) override {
    const bool ok = !Refused.contains({col, row});
    Calls.push_back("Select " + CellText(col, row) + (ok ? "" : " refused"));
    return ok;
  }
  void Click() override {
    Calls.push_back("Click " + CellText(Col(), Row()));
    TCustomGrid::Click();
  }
};

class CustomGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ShowActive(grid);
    grid.SetFocus();
    grid.Calls.clear();
  }
  // The centre of a cell, in client coordinates.
  QPoint Centre(int col, int row) {
    const TRect r = grid.CellRect(col, row);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  ProbeGrid grid;
};

TEST_F(CustomGridTest, ColAndRowSettersSelectThenClickEvenWhenRefused) {
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 1);
  grid.SetCol(3);
  grid.Refused = {{3, 2}};
  grid.SetRow(2);
  grid.SetRow(1);  // unchanged value: nothing at all
  EXPECT_EQ(grid.Calls, (Log{"Select 3,1", "Click 3,1", "Select 3,2 refused", "Click 3,1"}));
  EXPECT_EQ(grid.Row(), 1);
}

TEST_F(CustomGridTest, MoveCurrentNeverClicksAndRejectsCellsOutsideTheGrid) {
  grid.MoveCurrent(2, 3);
  EXPECT_EQ(grid.Calls, (Log{"Select 2,3"}));
  EXPECT_EQ(std::pair(grid.Col(), grid.Row()), std::pair(2, 3));
  EXPECT_THROW(grid.MoveCurrent(5, 1), Exception);
  EXPECT_THROW(grid.MoveCurrent(1, -1), Exception);
}

TEST_F(CustomGridTest, ArrowKeysStepInsideTheNonFixedCells) {
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::pair<int, int> start, end;
    bool clicked;
  };
  const Case cases[] = {
      {"right", Qt::Key_Right, Qt::NoModifier, {1, 1}, {2, 1}, true},
      {"down", Qt::Key_Down, Qt::NoModifier, {2, 2}, {2, 3}, true},
      {"left stops at the fixed column", Qt::Key_Left, Qt::NoModifier, {1, 2}, {1, 2}, false},
      {"up stops at the fixed row", Qt::Key_Up, Qt::NoModifier, {3, 1}, {3, 1}, false},
      {"down stops at the last row", Qt::Key_Down, Qt::NoModifier, {3, 3}, {3, 3}, false},
      {"ctrl+right goes to the last column",
       Qt::Key_Right,
       Qt::ControlModifier,
       {1, 2},
       {4, 2},
       true},
      {"ctrl+left goes to the first column",
       Qt::Key_Left,
       Qt::ControlModifier,
       {3, 2},
       {1, 2},
       true},
      {"ctrl+down moves nothing", Qt::Key_Down, Qt::ControlModifier, {2, 2}, {2, 2}, false},
      {"home is not a grid step", Qt::Key_Home, Qt::NoModifier, {3, 3}, {3, 3}, false},
  };
  for (const Case& c : cases) {
    grid.MoveCurrent(c.start.first, c.start.second);
    grid.Calls.clear();
    QTest::keyClick(&grid, c.key, c.modifiers);
    EXPECT_EQ(std::pair(grid.Col(), grid.Row()), c.end) << c.name;
    EXPECT_EQ(!grid.Calls.empty() && grid.Calls.back().starts_with("Click"), c.clicked) << c.name;
  }
}

TEST_F(CustomGridTest, RefusedKeyStepStaysButStillClicks) {
  grid.Refused = {{2, 1}};
  QTest::keyClick(&grid, Qt::Key_Right);
  EXPECT_EQ(grid.Calls, (Log{"Select 2,1 refused", "Click 1,1"}));
}

TEST_F(CustomGridTest, OnKeyDownMayTakeTheKeyFromTheGrid) {
  grid.OnKeyDown = [](TObject*, Word& key, TShiftState) { key = 0; };
  QTest::keyClick(&grid, Qt::Key_Right);
  EXPECT_TRUE(grid.Calls.empty());
}

TEST_F(CustomGridTest, MouseSelectionMovesOnPressAndDragAndClicksOnRelease) {
  QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, Centre(2, 1));
  EXPECT_EQ(grid.Calls, (Log{"Select 2,1"}));
  grid.Refused = {{3, 2}};
  QTest::mouseMove(&grid, Centre(3, 2));
  QTest::mouseMove(&grid, Centre(4, 3));
  QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, Centre(4, 3));
  EXPECT_EQ(grid.Calls, (Log{"Select 2,1", "Select 3,2 refused", "Select 4,3", "Click 4,3"}));
}

TEST_F(CustomGridTest, PressOnAFixedCellMovesNothingAndNeverClicks) {
  QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, Centre(0, 2));
  QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, Centre(3, 0));
  EXPECT_TRUE(grid.Calls.empty());
  EXPECT_EQ(std::pair(grid.Col(), grid.Row()), std::pair(1, 1));
}

TEST_F(CustomGridTest, GeometryAndMouseCoordMirrorUnderRightToLeft) {
  EXPECT_EQ(grid.CellRect(1, 2), (TRect{21, 22, 41, 32}));
  EXPECT_EQ(grid.MouseCoord(40, 31), (TGridCoord{1, 2}));
  EXPECT_EQ(grid.MouseCoord(41, 32), (TGridCoord{1, 2})) << "a line belongs to the cell before it";
  EXPECT_EQ(grid.MouseCoord(-1, 500), (TGridCoord{-1, -1}));
  grid.setLayoutDirection(Qt::RightToLeft);
  const int w = grid.ClientWidth();
  EXPECT_EQ(grid.CellRect(1, 2), (TRect{w - 41, 22, w - 21, 32}));
  EXPECT_EQ(grid.MouseCoord(w - 41, 22), (TGridCoord{1, 2}));
  EXPECT_EQ(grid.MouseCoord(w - 1, 0), (TGridCoord{0, 0}));
  grid.Calls.clear();
  QTest::keyClick(&grid, Qt::Key_Left);  // forward in right-to-left reading
  EXPECT_EQ(grid.Calls.front(), "Select 2,1");
}

TEST(CustomGridBorderTest, SingleBorderIsTheSunkenEdge) {
  ProbeGrid grid;
  grid.SetBorderStyle(bsSingle);
  grid.HandleNeeded();
  EXPECT_EQ(grid.Width() - grid.ClientWidth(), 4);
  grid.SetBorderStyle(bsNone);
  EXPECT_EQ(grid.Width(), grid.ClientWidth());
}

}  // namespace
}  // namespace zar::test
