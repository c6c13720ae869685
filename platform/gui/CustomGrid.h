#pragma once
// TCustomGrid: the grid base of the month calendar. All columns share one
// width and all rows one height, grid lines lie between the cells, every
// cell is always visible (no scrolling), and the current cell (Col, Row)
// moves only where SelectCell allows.
//
// Moving protocol: MoveCurrent asks SelectCell and moves only when it
// agrees; FocusCell (and the Col and Row setters) do MoveCurrent, then
// Click, whether or not the cell moved. Arrow keys (GridKeyStep) and the
// left mouse button follow the same protocol: a press on a non-fixed cell
// makes it current without Click, dragging moves the current cell under the
// pointer, and the release calls Click. Presses on fixed cells move nothing.
//
// The grid paints nothing itself: a descendant's Paint draws the cells.
// Cell rectangles and mouse positions are client coordinates as shown on
// the screen; under right-to-left reading the columns run from the right.

#include "CustomControl.h"

namespace zar {

struct TGridCoord {
  int X = -1;  // column, -1 outside the grid
  int Y = -1;  // row, -1 outside the grid
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

enum TGridDrawStateFlag : std::uint8_t { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateFlag>;

class TCustomGrid : public TCustomControl {
  Q_OBJECT

 public:
  explicit TCustomGrid(QWidget* parent = nullptr);

  int ColCount() const { return FColCount; }
  void SetColCount(int value);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int value);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int value);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int value);
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int value);
  // bsSingle gives the sunken client edge of the standard look.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  int Col() const { return FCol; }
  void SetCol(int value);
  int Row() const { return FRow; }
  void SetRow(int value);

  TRect CellRect(int ACol, int ARow) const;
  TGridCoord MouseCoord(int X, int Y) const;
  void InvalidateCell(int ACol, int ARow);

 protected:
  // Whether the cell may become current. Base: true.
  virtual bool SelectCell(int ACol, int ARow);
  // Makes the cell current when SelectCell agrees; raises zar::Exception
  // for a cell outside the grid.
  void MoveCurrent(int ACol, int ARow);
  void FocusCell(int ACol, int ARow);
  // The grid's own handling of Left, Right, Up and Down: one cell (Left and
  // Right exchanged under right-to-left reading; with Ctrl, Left and Right
  // go as far as the first or last column and Up and Down do nothing),
  // kept inside the non-fixed cells; a different target goes to FocusCell.
  void GridKeyStep(Word Key, TShiftState Shift);

  void CreateParams(TCreateParams& Params) override;
  // Base: OnKeyDown, then GridKeyStep.
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // The grid calls Click itself.
  bool ClickEvents() const override { return false; }
  void FocusGained() override;
  void FocusLost(QWidget* NewFocus) override;

 private:
  void ClampCurrent();
  bool InDataArea(TGridCoord cell) const;

  int FColCount = 5;
  int FRowCount = 5;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  int FGridLineWidth = 1;
  TBorderStyle FBorderStyle = bsSingle;
  int FCol = 1;
  int FRow = 1;
  bool FSelecting = false;  // a left press on a cell is being dragged
};

}  // namespace zar
