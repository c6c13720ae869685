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
  // 5 x 5 cells of 64 x 24 pixels, one fixed column and row, lines 1 pixel
  // wide, bsSingle, cell 1, 1 current; a tab stop.
  explicit TCustomGrid(QWidget* parent = nullptr);

  // The counts are at least 1 and the fixed counts at least 0 (smaller values
  // are raised to that); a fixed count may exceed its count. Setting any of
  // them repaints, never raises, and moves the current cell onto the nearest
  // non-fixed cell (the last one when every cell is fixed) without asking
  // SelectCell.
  int ColCount() const { return FColCount; }
  void SetColCount(int value);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int value);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int value);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int value);
  // Cell sizes and the line width in pixels, 0 or more (a negative value is 0);
  // setting repaints, never raises.
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int value);
  // bsSingle gives the sunken client edge of the standard look; a change
  // re-creates the window (RecreateWnd).
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  // The current cell. Setting another column or row does FocusCell there (so
  // a fixed cell is taken too): it raises zar::Exception outside the grid and
  // moves only where SelectCell allows, then calls Click.
  int Col() const { return FCol; }
  void SetCol(int value);
  int Row() const { return FRow; }
  void SetRow(int value);

  // The cell's rectangle, which may reach beyond the client area; an empty
  // rectangle (all zeros) for a cell outside the grid.
  TRect CellRect(int ACol, int ARow) const;
  // The cell under a client point; each of X and Y is -1 on its own outside the
  // grid. A grid line belongs to the cell before it (left of it, or right of
  // it under right-to-left reading).
  TGridCoord MouseCoord(int X, int Y) const;
  // Repaints the cell; nothing for a cell outside the grid.
  void InvalidateCell(int ACol, int ARow);

 protected:
  // Whether the cell may become current. Base: true.
  virtual bool SelectCell(int ACol, int ARow);
  // Makes the cell current when SelectCell agrees (asked also for the current
  // cell), repainting both cells; raises zar::Exception "Grid index out of
  // range" for a cell outside the grid, fixed cells being inside.
  void MoveCurrent(int ACol, int ARow);
  // MoveCurrent, then Click whether or not the cell moved; raises as
  // MoveCurrent, and then no Click.
  void FocusCell(int ACol, int ARow);
  // The grid's own handling of Left, Right, Up and Down: one cell (Left and
  // Right exchanged under right-to-left reading; with Ctrl, Left and Right
  // go as far as the first or last column and Up and Down do nothing),
  // kept inside the non-fixed cells; a different target goes to FocusCell.
  void GridKeyStep(Word Key, TShiftState Shift);

  // The sunken client edge for bsSingle.
  void CreateParams(TCreateParams& Params) override;
  // Base: OnKeyDown, then GridKeyStep unless the handler set Key to 0.
  void KeyDown(Word& Key, TShiftState Shift) override;
  // When CanFocus, takes the focus first, and a press that leaves another
  // widget its window's focus widget goes no further (no OnMouseDown). A left
  // double click calls DblClick; a left press on a non-fixed cell makes it
  // current (MoveCurrent) and starts a drag. Then OnMouseDown.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // While dragging, MoveCurrent to the non-fixed cell under the pointer when
  // it is another one; then OnMouseMove.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // A release while dragging runs MouseMove (OnMouseMove included), then
  // Click; any release ends the drag. Then OnMouseUp.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // The grid calls Click itself.
  bool ClickEvents() const override { return false; }
  // Both repaint the current cell.
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
