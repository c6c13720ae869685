// The month calendar's selection and navigation: which cells may become
// current, the single, multi and range selection modes, mouse presses and
// drags, the key table, the wheel and the options setter. Every move of the
// date ends in GotoDate.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

#include "GregorianDates.h"
#include "HostServices.h"
#include "MonthCalAccessible.h"
#include "MonthCalScope.h"
#include "MonthCalendar.h"
#include "TextFormat.h"
#include "ZarDateUtils.h"

namespace zar {

namespace {

constexpr std::uint64_t AllDayCells = (std::uint64_t{1} << 42) - 1;

}  // namespace

// ---- Queries ------------------------------------------------------------------------

bool TCustomZarMonthCalendar::IsSelected(TDateTime ADate) const {
  ADate = std::trunc(ADate);
  if (ADate < FirstCellDate() || ADate > LastCellDate())
    throw EMonthCalError(Format(SInvalidDate, CalDateToStr(ADate)));
  const auto index = static_cast<int>(ADate - FirstCellDate());
  if (MultiMode()) return IsCellSelected(index);
  if (RangeMode()) return ADate >= RangeStart() && ADate <= RangeEnd();
  return ADate == FDate;
}

Word TCustomZarMonthCalendar::SelectedCount() const {
  if (MultiMode()) return static_cast<Word>(std::popcount(FSelectedCells & AllDayCells));
  if (RangeMode()) return static_cast<Word>(std::abs(FSelEnd - FSelAnchor) + 1);
  return 1;
}

TDateTime TCustomZarMonthCalendar::GetRange(int Index) const {
  switch (Index) {
    case 1: return FFirstCell + std::min(FSelAnchor, FSelEnd);
    case 2: return FFirstCell + std::max(FSelAnchor, FSelEnd);
    default: return FFirstCell + FSelEnd;
  }
}

bool TCustomZarMonthCalendar::HasMultiSelection() const {
  if (RangeMode()) return FSelAnchor != FSelEnd;
  if (MultiMode()) return SelectedCount() > 1;
  return false;
}

// ---- The current cell -------------------------------------------------------------------

bool TCustomZarMonthCalendar::SelectCell(int ACol, int ARow) {
  if (FOptions.Contains(mcoToday) && ARow == RowCount() - 1) return false;
  if (FUpdating) return true;
  const Word index = CellToIndex(static_cast<Word>(ACol), static_cast<Word>(ARow));
  const TDateTime date = FFirstCell + index;
  bool ok = IsValidDate(date) && (FOptions.Contains(mcoSelectTrailDays) ||
                                  (FMonthStart <= date && date <= FMonthEnd));
  if (ok && RangeMode() && FMaxSelectRange > 0 && (FMouseSelecting || FShiftSelecting))
    ok = std::abs(FSelAnchor - index) + 1 <= FMaxSelectRange;
  return ok;
}

bool TCustomZarMonthCalendar::SelectIndex(int Index) {
  Word col, row;
  IndexToCell(static_cast<Word>(Index), col, row);
  return SelectCell(col, row);
}

// The grid's notification that its current cell was chosen by key or
// mouse; OnClick is the calendar's own (Change).
void TCustomZarMonthCalendar::Click() {
  if (FUpdating) return;
  GotoDate(FFirstCell + CellToIndex(static_cast<Word>(Col()), static_cast<Word>(Row())), false);
}

// ---- Keeping the selection consistent ----------------------------------------------------

void TCustomZarMonthCalendar::InvalidateIndex(int Index) {
  Word col, row;
  IndexToCell(static_cast<Word>(Index), col, row);
  InvalidateCell(col, row);
}

void TCustomZarMonthCalendar::ToggleCell(int Index) {
  FSelectedCells ^= std::uint64_t{1} << Index;
  InvalidateIndex(Index);
  TMonthCalAccessible::NotifySelectionChanged(this);
}

void TCustomZarMonthCalendar::ResetSelection(bool Invalidate, bool SelectCurrent) {
  const auto current =
      static_cast<Integer>(CellToIndex(static_cast<Word>(Col()), static_cast<Word>(Row())));
  if (MultiMode()) {
    if (Invalidate)
      for (int i = 0; i < 42; ++i)
        if (IsCellSelected(i)) InvalidateIndex(i);
    FSelectedCells = SelectCurrent ? std::uint64_t{1} << current : 0;
    FSelAnchor = FSelEnd = current;
  } else if (RangeMode()) {
    if (Invalidate) {
      if (FSelAnchor > FSelEnd) std::swap(FSelAnchor, FSelEnd);
      for (int i = FSelAnchor; i <= FSelEnd; ++i) InvalidateIndex(i);
    }
    FSelAnchor = FSelEnd = current;
  }
  TMonthCalAccessible::NotifySelectionChanged(this);
}

void TCustomZarMonthCalendar::ExtendSelection(Integer Index) {
  if (MultiMode()) {
    if (Index == FSelEnd) return;
    const int oldLow = std::min(FSelAnchor, FSelEnd), oldHigh = std::max(FSelAnchor, FSelEnd);
    const int newLow = std::min(FSelAnchor, Index), newHigh = std::max(FSelAnchor, Index);
    const int commonLow = std::max(oldLow, newLow), commonHigh = std::min(oldHigh, newHigh);
    // Cells the moving end reaches flip their state; cells it leaves get
    // their state back.
    auto toggleOutsideCommon = [&](int low, int high) {
      for (int i = low; i <= high; ++i)
        if (i < commonLow || i > commonHigh) ToggleCell(i);
    };
    toggleOutsideCommon(oldLow, oldHigh);
    toggleOutsideCommon(newLow, newHigh);
    const bool crossed = (FSelAnchor == oldHigh && FSelAnchor == newLow) ||
                         (FSelAnchor == oldLow && FSelAnchor == newHigh);
    if (crossed) InvalidateIndex(FSelAnchor);
    FSelEnd = Index;
  } else if (RangeMode()) {
    const Integer old = FSelEnd;
    FSelEnd = Index;
    if (old != Index)
      for (int i = std::min(old, Index); i <= std::max(old, Index); ++i) InvalidateIndex(i);
  }
  TMonthCalAccessible::NotifySelectionChanged(this);
}

void TCustomZarMonthCalendar::CollapseSelection() {
  if (SingleMode() || !HasMultiSelection()) return;
  const Word current = CellToIndex(static_cast<Word>(Col()), static_cast<Word>(Row()));
  int index = current;
  const TDateTime date = FFirstCell + current;
  if (date < FMonthStart)
    index = static_cast<int>(FMonthStart - FFirstCell);
  else if (date > FMonthEnd)
    index = static_cast<int>(FMonthEnd - FFirstCell);
  if (index != current) GotoDate(FFirstCell + index, false);
  ResetSelection(true, true);
  Change();
}

// ---- Mouse ------------------------------------------------------------------------------------

// A group toggle of multi mode: selects every selectable cell of the group,
// or clears them all when all are selected already.
void TCustomZarMonthCalendar::ToggleCells(int First, int Step, int Last) {
  bool allSelected = true;
  for (int i = First; i <= Last; i += Step)
    if (SelectIndex(i) && !IsCellSelected(i)) {
      allSelected = false;
      break;
    }
  int latest = -1;
  for (int i = First; i <= Last; i += Step) {
    if (!SelectIndex(i)) continue;
    const std::uint64_t bit = std::uint64_t{1} << i;
    FSelectedCells = allSelected ? FSelectedCells & ~bit : FSelectedCells | bit;
    InvalidateIndex(i);
    latest = i;
  }
  if (latest < 0) return;
  TMonthCalAccessible::NotifySelectionChanged(this);
  Word col, row;
  IndexToCell(static_cast<Word>(latest), col, row);
  TFlagScope updating(FUpdating);
  SetCol(col);
  SetRow(row);
}

void TCustomZarMonthCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomGrid::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < FixedRows() - 1) return;  // outside, or under the title
  if (FOptions.Contains(mcoToday) && cell.Y == RowCount() - 1) {
    const TDateTime today = zar::Date();
    if (IsValidDate(today)) {
      GotoDate(today, false);
      ResetSelection(true, true);
    } else {
      Beep();
    }
    return;
  }
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool headerRow = cell.Y == FixedRows() - 1;
  const bool weekColumn = cell.X < FixedCols();
  if (MultiMode()) {
    if (headerRow || weekColumn) {
      if (!ctrl) ResetSelection(true, false);
      if (headerRow && weekColumn) {
        ToggleCells(0, 1, 41);
      } else if (headerRow) {
        ToggleCells(CellToIndex(static_cast<Word>(cell.X), static_cast<Word>(FixedRows())), 7, 41);
      } else {
        const Word first = CellToIndex(static_cast<Word>(FixedCols()), static_cast<Word>(cell.Y));
        ToggleCells(first, 1, first + 6);
      }
    } else if (SelectCell(cell.X, cell.Y)) {
      if (!ctrl) ResetSelection(true, false);
      const Word index = CellToIndex(static_cast<Word>(cell.X), static_cast<Word>(cell.Y));
      FSelAnchor = FSelEnd = index;
      ToggleCell(index);
      FMouseSelecting = true;
    }
  } else if (RangeMode() && !headerRow && !weekColumn && SelectCell(cell.X, cell.Y)) {
    if (Shift.Contains(ssShift))
      ExtendSelection(CellToIndex(static_cast<Word>(cell.X), static_cast<Word>(cell.Y)));
    else
      ResetSelection(true, false);
    FMouseSelecting = true;
  }
}

void TCustomZarMonthCalendar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomGrid::MouseMove(Shift, X, Y);
  if (!SingleMode() && FMouseSelecting)
    ExtendSelection(CellToIndex(static_cast<Word>(Col()), static_cast<Word>(Row())));
}

void TCustomZarMonthCalendar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomGrid::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FMouseSelecting = false;
  Change();
}

// ---- Keys --------------------------------------------------------------------------------------

void TCustomZarMonthCalendar::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  if (TitleKey(Key, Shift)) {
    Key = 0;
    return;
  }
  if (Key < vk::Space || Key > vk::Down) return;
  const TDateTime oldDate = FDate;
  if (SingleMode()) {
    Navigate(Key, Shift);
    if (FDate != oldDate) Change();
    return;
  }
  const bool shift = Shift.Contains(ssShift);
  if (shift) {
    if (MultiMode() && SelectedCount() < 1)
      ToggleCell(CellToIndex(static_cast<Word>(Col()), static_cast<Word>(Row())));
    TFlagScope shiftSelecting(FShiftSelecting);
    switch (Key) {
      case vk::End: GotoDate(FMonthEnd, false); break;
      case vk::Home: GotoDate(FMonthStart, false); break;
      case vk::Left:
      case vk::Right:
        if (!Wrap(Key)) GridKeyStep(Key, Shift);
        break;
      case vk::Prior:
      case vk::Next: break;
      default: GridKeyStep(Key, Shift); break;
    }
  } else {
    ResetSelection(true, true);
    Navigate(Key, Shift);
  }
  if (FDate == oldDate) return;
  if (shift)
    ExtendSelection(CellToIndex(static_cast<Word>(Col()), static_cast<Word>(Row())));
  else
    ResetSelection(false, true);
  Change();
}

void TCustomZarMonthCalendar::Navigate(Word Key, TShiftState Shift) {
  const bool ctrl = Shift.Contains(ssCtrl);
  Word year, month, day;
  CalDecodeDate(FDate, year, month, day);
  TDateTime target = FDate;
  switch (Key) {
    case vk::Space:
      if (!ctrl) return;  // the grid has no step for Space
      target = zar::Date();
      break;
    case vk::Prior: target = CalIncMonth(FDate, ctrl ? -12 : -1); break;
    case vk::Next: target = CalIncMonth(FDate, ctrl ? 12 : 1); break;
    case vk::End: target = ctrl ? CalEncodeDate(static_cast<Word>(year + 1), 1, 1) - 1 : FMonthEnd; break;
    case vk::Home: target = ctrl ? CalEncodeDate(year, 1, 1) : FMonthStart; break;
    case vk::Left:
    case vk::Right:
      if (ctrl || !Wrap(Key)) GridKeyStep(Key, Shift);
      return;
    case vk::Down:
      if (!ctrl && FOptions.Contains(mcoToday) && Row() == RowCount() - 2) return;
      GridKeyStep(Key, Shift);
      return;
    default:  // Up
      GridKeyStep(Key, Shift);
      return;
  }
  GotoDate(target, false);
}

// Continues a horizontal move across the week rows.
bool TCustomZarMonthCalendar::Wrap(Word Key) {
  const Word forward = UseRightToLeftAlignment() ? vk::Left : vk::Right;
  const int lastWeekRow = FOptions.Contains(mcoToday) ? RowCount() - 2 : RowCount() - 1;
  if (Key == forward) {
    if (Col() != ColCount() - 1 || Row() >= lastWeekRow) return false;
    MoveCurrent(FixedCols(), Row() + 1);
  } else {
    if (Col() != FixedCols() || Row() <= FixedRows()) return false;
    MoveCurrent(ColCount() - 1, Row() - 1);
  }
  Click();
  return true;
}

// ---- Wheel ---------------------------------------------------------------------------------------

void TCustomZarMonthCalendar::StepMonths(TShiftState Shift, Integer Months) {
  CollapseSelection();
  GotoDate(CalIncMonth(FDate, Shift.Contains(ssCtrl) ? Months * 12 : Months), true);
}

bool TCustomZarMonthCalendar::DoMouseWheelDown(TShiftState Shift, QPoint MousePos) {
  if (!TCustomGrid::DoMouseWheelDown(Shift, MousePos)) StepMonths(Shift, 1);
  return true;
}

bool TCustomZarMonthCalendar::DoMouseWheelUp(TShiftState Shift, QPoint MousePos) {
  if (!TCustomGrid::DoMouseWheelUp(Shift, MousePos)) StepMonths(Shift, -1);
  return true;
}

// ---- Options -------------------------------------------------------------------------------------

void TCustomZarMonthCalendar::SetOptions(TMonthCalOptions Value) {
  if (Value == FOptions) return;
  if (Value.Contains(mcoMultiSelect) && Value.Contains(mcoRangeSelect))
    Value.Exclude(FOptions.Contains(mcoRangeSelect) ? mcoRangeSelect : mcoMultiSelect);
  if (!Value.Contains(mcoTrailingDays)) Value.Exclude(mcoSelectTrailDays);
  const TMonthCalOptions changed = FOptions ^ Value;
  FOptions = Value;
  const int lineWidth = GridLineWidth();
  if (changed.Contains(mcoToday)) {
    const bool added = Value.Contains(mcoToday);
    SetRowCount(RowCount() + (added ? 1 : -1));
    if (HandleAllocated()) {
      if (FAutoSize)
        AdjustCalendarSize();
      else
        ResizeClient(ClientWidth(),
                     ClientHeight() + (added ? 1 : -1) * (DefaultRowHeight() + lineWidth));
    }
  }
  if (changed.Contains(mcoWeekNumbers)) {
    const TDateTime saved = FDate;
    const bool added = Value.Contains(mcoWeekNumbers);
    SetFixedCols(added ? 1 : 0);
    SetColCount(ColCount() + (added ? 1 : -1));
    if (HandleAllocated()) {
      if (FAutoSize)
        AdjustCalendarSize();
      else
        ResizeClient(ClientWidth() + (added ? 1 : -1) * (DefaultColWidth() + lineWidth),
                     ClientHeight());
      UpdateTitleLayout();
    }
    GotoDate(saved, false);
  }
  if (FLoading) return;
  // The first window creates the title band with the options of that time
  // (and lays out its caption); until then there is nothing to follow.
  if (FTitlePanel && (changed.Contains(mcoMonthButtons) || changed.Contains(mcoMonthPopupMenu) ||
                      changed.Contains(mcoYearEditor))) {
    UpdateTitleControls();
    if (Value.Contains(mcoYearEditor)) UpdateTitleLayout();
  }
  if (changed.Contains(mcoMultiSelect) || changed.Contains(mcoRangeSelect) ||
      changed.Contains(mcoSelectTrailDays)) {
    CollapseSelection();
    // A multi-day selection may have kept a trailing date; one day alone
    // always lies in the displayed month.
    if (SingleMode()) GotoDate(std::clamp(FDate, FMonthStart, FMonthEnd), false);
    // A newly chosen mode starts from the current day, whatever its
    // fields held from an earlier use.
    if (changed.Contains(mcoMultiSelect) || changed.Contains(mcoRangeSelect))
      ResetSelection(true, true);
    Change();
  }
  const TMonthCalOptions lines{mcoDaysVertLine, mcoWeeksHorzLine, mcoVerticalLine,
                               mcoHorizontalLine};
  const TMonthCalOptions looks{mcoTodayCircle, mcoTrailingDays, mcoMultiSelect, mcoRangeSelect};
  if (!(changed * lines).Empty())
    InvalidateDays(true, true);
  else if (!(changed * looks).Empty())
    InvalidateDays(false, false);
}

void TCustomZarMonthCalendar::SetMaxSelectRange(Integer Value) {
  if (Value == FMaxSelectRange) return;
  if (!FLoading) ResetSelection(true, false);
  FMaxSelectRange = Value;
}

}  // namespace zar
