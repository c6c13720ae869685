#include "CustomGrid.h"

#include <algorithm>

#include "Exceptions.h"
#include "ScopeExit.h"

namespace zar {

TCustomGrid::TCustomGrid(QWidget* parent) : TCustomControl(parent) { SetTabStop(true); }

// ---- Geometry ---------------------------------------------------------------------

void TCustomGrid::SetColCount(int value) {
  FColCount = std::max(value, 1);
  ClampCurrent();
}

void TCustomGrid::SetRowCount(int value) {
  FRowCount = std::max(value, 1);
  ClampCurrent();
}

void TCustomGrid::SetFixedCols(int value) {
  FFixedCols = std::max(value, 0);
  ClampCurrent();
}

void TCustomGrid::SetFixedRows(int value) {
  FFixedRows = std::max(value, 0);
  ClampCurrent();
}

void TCustomGrid::SetDefaultColWidth(int value) {
  FDefaultColWidth = std::max(value, 0);
  Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  FDefaultRowHeight = std::max(value, 0);
  Invalidate();
}

void TCustomGrid::SetGridLineWidth(int value) {
  FGridLineWidth = std::max(value, 0);
  Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  RecreateWnd();
}

void TCustomGrid::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.ClientEdge = FBorderStyle == bsSingle;
}

// The current cell stays a non-fixed cell of the grid when counts change.
void TCustomGrid::ClampCurrent() {
  FCol = std::clamp(FCol, std::min(FFixedCols, FColCount - 1), FColCount - 1);
  FRow = std::clamp(FRow, std::min(FFixedRows, FRowCount - 1), FRowCount - 1);
  Invalidate();
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount) return {};
  const int left = ACol * (FDefaultColWidth + FGridLineWidth);
  const int top = ARow * (FDefaultRowHeight + FGridLineWidth);
  TRect r{left, top, left + FDefaultColWidth, top + FDefaultRowHeight};
  if (UseRightToLeftAlignment())
    r = {ClientWidth() - r.Right, r.Top, ClientWidth() - r.Left, r.Bottom};
  return r;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  // A line belongs to the cell before it.
  if (UseRightToLeftAlignment()) X = ClientWidth() - 1 - X;
  auto index = [](int pos, int extent, int count) {
    if (pos < 0 || extent <= 0) return -1;
    const int i = pos / extent;
    return i < count ? i : -1;
  };
  return {index(X, FDefaultColWidth + FGridLineWidth, FColCount),
          index(Y, FDefaultRowHeight + FGridLineWidth, FRowCount)};
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
  const TRect r = CellRect(ACol, ARow);
  if (!r.IsEmpty()) InvalidateRect(r);
}

// ---- The current cell -------------------------------------------------------------

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::MoveCurrent(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount)
    throw Exception("Grid index out of range");
  if (!SelectCell(ACol, ARow)) return;
  InvalidateCell(FCol, FRow);
  FCol = ACol;
  FRow = ARow;
  InvalidateCell(FCol, FRow);
}

void TCustomGrid::FocusCell(int ACol, int ARow) {
  MoveCurrent(ACol, ARow);
  Click();
}

void TCustomGrid::SetCol(int value) {
  if (value != FCol) FocusCell(value, FRow);
}

void TCustomGrid::SetRow(int value) {
  if (value != FRow) FocusCell(FCol, value);
}

bool TCustomGrid::InDataArea(TGridCoord cell) const {
  return cell.X >= FFixedCols && cell.Y >= FFixedRows && cell.X < FColCount && cell.Y < FRowCount;
}

// ---- Keyboard ---------------------------------------------------------------------

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key != 0) GridKeyStep(Key, Shift);
}

void TCustomGrid::GridKeyStep(Word Key, TShiftState Shift) {
  if (UseRightToLeftAlignment()) {
    if (Key == vk::Left)
      Key = vk::Right;
    else if (Key == vk::Right)
      Key = vk::Left;
  }
  const bool ctrl = Shift.Contains(ssCtrl);
  // With Ctrl, Left and Right move a page: every column but one.
  const int page = std::max(FColCount - FFixedCols - 1, 1);
  int col = FCol;
  int row = FRow;
  switch (Key) {
    case vk::Left: col -= ctrl ? page : 1; break;
    case vk::Right: col += ctrl ? page : 1; break;
    case vk::Up: row -= ctrl ? 0 : 1; break;
    case vk::Down: row += ctrl ? 0 : 1; break;
    default: return;
  }
  col = std::clamp(col, std::min(FFixedCols, FColCount - 1), FColCount - 1);
  row = std::clamp(row, std::min(FFixedRows, FRowCount - 1), FRowCount - 1);
  if (col != FCol || row != FRow) FocusCell(col, row);
}

// ---- Mouse --------------------------------------------------------------------------

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CanFocus()) {
    SetFocus();
    if (!IsActiveControl()) return;
  }
  if (Button == mbLeft && Shift.Contains(ssDouble)) {
    DblClick();
  } else if (Button == mbLeft) {
    const TGridCoord cell = MouseCoord(X, Y);
    if (InDataArea(cell)) {
      FSelecting = true;
      MoveCurrent(cell.X, cell.Y);
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  if (FSelecting) {
    const TGridCoord cell = MouseCoord(X, Y);
    if (InDataArea(cell) && (cell.X != FCol || cell.Y != FRow)) MoveCurrent(cell.X, cell.Y);
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TScopeExit endSelecting([this] { FSelecting = false; });
  if (FSelecting) {
    MouseMove(Shift, X, Y);
    Click();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- Focus --------------------------------------------------------------------------

void TCustomGrid::FocusGained() {
  InvalidateCell(FCol, FRow);
  TCustomControl::FocusGained();
}

void TCustomGrid::FocusLost(QWidget* NewFocus) {
  InvalidateCell(FCol, FRow);
  TCustomControl::FocusLost(NewFocus);
}

}  // namespace zar
