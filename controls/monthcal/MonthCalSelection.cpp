// The month calendar's selection and navigation: which cells may become
// current, the single, multi and range selection modes, mouse presses and
// drags, the key table, the wheel and the options setter. Every move of the
// date ends in GotoDate.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

#include "DaySelection.h"
#include "GregorianDates.h"
#include "HostServices.h"
#include "MonthCalAccessible.h"
#include "MonthCalendar.h"
#include "MonthGrid.h"
#include "ScopeExit.h"
#include "TextFormat.h"
#include "ZarDateUtils.h"

namespace zar {

namespace {

TSelectMode SelectModeOf(TMonthCalOptions Options) {
  if (Options.Contains(mcoMultiSelect)) return TSelectMode::Multi;
  if (Options.Contains(mcoRangeSelect)) return TSelectMode::Range;
  return TSelectMode::Single;
}

}  // namespace

// ---- Queries ------------------------------------------------------------------------

bool TCustomZarMonthCalendar::IsSelected(TDateTime ADate) const {
  ADate = std::trunc(ADate);
  if (!FGrid->Visible(ADate)) throw EMonthCalError(Format(SInvalidDate, CalDateToStr(ADate)));
  // In single mode the date is the selection, wherever the current cell is.
  const auto current = static_cast<int>(std::trunc(FDate - FGrid->FirstCell()));
  return FSelection->IsSelected(FGrid->IndexOf(ADate), current);
}

Word TCustomZarMonthCalendar::SelectedCount() const { return FSelection->Count(); }

TDateTime TCustomZarMonthCalendar::GetRange(int Index) const {
  switch (Index) {
    case 1: return FGrid->FirstCell() + FSelection->Low();
    case 2: return FGrid->FirstCell() + FSelection->High();
    default: return FGrid->FirstCell() + FSelection->End();
  }
}

bool TCustomZarMonthCalendar::HasMultiSelection() const { return FSelection->HasMany(); }

// ---- The current cell -------------------------------------------------------------------

bool TCustomZarMonthCalendar::SelectCell(int ACol, int ARow) {
  if (FOptions.Contains(mcoToday) && ARow == RowCount() - 1) return false;
  if (FUpdating) return true;
  const Word index = CellToIndex(static_cast<Word>(ACol), static_cast<Word>(ARow));
  const TDateTime date = FGrid->DateOf(index);
  bool ok = IsValidDate(date) && (FOptions.Contains(mcoSelectTrailDays) || FGrid->InMonth(date));
  if (ok && (FMouseSelecting || FShiftSelecting)) ok = FSelection->AllowsEnd(index);
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
  GotoDate(FGrid->DateOf(CurrentIndex()), false);
}

// ---- Keeping the selection consistent ----------------------------------------------------

void TCustomZarMonthCalendar::InvalidateIndex(int Index) {
  Word col, row;
  IndexToCell(static_cast<Word>(Index), col, row);
  InvalidateCell(col, row);
}

void TCustomZarMonthCalendar::InvalidateIndexes(std::uint64_t Cells) {
  for (int i = 0; i < TMonthGrid::CellCount; ++i)
    if ((Cells >> i) & 1U) InvalidateIndex(i);
}

void TCustomZarMonthCalendar::ToggleCell(int Index) {
  InvalidateIndexes(FSelection->Flip(Index));
  TMonthCalAccessible::NotifySelectionChanged(this);
}

void TCustomZarMonthCalendar::ResetSelection(bool Invalidate, bool SelectCurrent) {
  const std::uint64_t before = FSelection->Reset(CurrentIndex(), SelectCurrent);
  if (Invalidate) InvalidateIndexes(before);
  TMonthCalAccessible::NotifySelectionChanged(this);
}

void TCustomZarMonthCalendar::ExtendSelection(Integer Index) {
  const std::uint64_t cellsBefore = FSelection->Cells();
  if (MultiMode() && Index == FSelection->End()) return;
  InvalidateIndexes(FSelection->Extend(Index));
  // One announcement per day that flipped, as a toggle makes, and one for
  // the step.
  for (int n = std::popcount(cellsBefore ^ FSelection->Cells()); n > 0; --n)
    TMonthCalAccessible::NotifySelectionChanged(this);
  TMonthCalAccessible::NotifySelectionChanged(this);
}

void TCustomZarMonthCalendar::CollapseSelection() {
  if (!HasMultiSelection()) return;
  const int current = CurrentIndex();
  const int index = FGrid->IndexInMonth(current);
  if (index != current) GotoDate(FGrid->DateOf(index), false);
  // GotoDate may have clamped the day into the limits: the current cell is
  // the day kept.
  InvalidateIndexes(FSelection->Collapse(CurrentIndex()));
  TMonthCalAccessible::NotifySelectionChanged(this);
  Change();
}

// ---- Mouse ------------------------------------------------------------------------------------

// A group toggle of multi mode: selects every selectable cell of the group,
// or clears them all when all are selected already.
void TCustomZarMonthCalendar::ToggleCells(int First, int Step, int Last) {
  std::uint64_t group = 0;
  for (int i = First; i <= Last; i += Step)
    if (SelectIndex(i)) group |= std::uint64_t{1} << i;
  if (group == 0) return;
  InvalidateIndexes(FSelection->ToggleGroup(group));
  const int latest = std::bit_width(group) - 1;
  TMonthCalAccessible::NotifySelectionChanged(this);
  MoveCursor(FirstCellDate() + latest);
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
      InvalidateIndexes(FSelection->Press(index));
      TMonthCalAccessible::NotifySelectionChanged(this);
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
  if (!SingleMode() && FMouseSelecting) ExtendSelection(CurrentIndex());
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
    if (MultiMode() && SelectedCount() < 1) ToggleCell(CurrentIndex());
    // Cleared, not restored: the month-change handlers run in this scope.
    FShiftSelecting = true;
    const TScopeExit selected([this] { FShiftSelecting = false; });
    switch (Key) {
      case vk::End: GotoDate(FGrid->MonthEnd(), false); break;
      case vk::Home: GotoDate(FGrid->MonthStart(), false); break;
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
    ExtendSelection(CurrentIndex());
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
    case vk::End:
      target = ctrl ? CalEncodeDate(static_cast<Word>(year + 1), 1, 1) - 1 : FGrid->MonthEnd();
      break;
    case vk::Home: target = ctrl ? CalEncodeDate(year, 1, 1) : FGrid->MonthStart(); break;
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

// ---- Wheel
// ---------------------------------------------------------------------------------------

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

// ---- Options
// -------------------------------------------------------------------------------------

void TCustomZarMonthCalendar::SetOptions(TMonthCalOptions Value) {
  if (Value == FOptions) return;
  if (Value.Contains(mcoMultiSelect) && Value.Contains(mcoRangeSelect))
    Value.Exclude(FOptions.Contains(mcoRangeSelect) ? mcoRangeSelect : mcoMultiSelect);
  if (!Value.Contains(mcoTrailingDays)) Value.Exclude(mcoSelectTrailDays);
  const TMonthCalOptions changed = FOptions ^ Value;
  FOptions = Value;
  FSelection->SetMode(SelectModeOf(Value));
  const int lineWidth = GridLineWidth();
  if (changed.Contains(mcoToday)) {
    const bool added = Value.Contains(mcoToday);
    ApplyGridShape({FGrid->Shape().WeekNumbers, added});
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
    ApplyGridShape({added, FGrid->Shape().TodayLine});
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
  if (TitlePanel() && (changed.Contains(mcoMonthButtons) || changed.Contains(mcoMonthPopupMenu) ||
                       changed.Contains(mcoYearEditor))) {
    UpdateTitleControls();
    if (Value.Contains(mcoYearEditor)) UpdateTitleLayout();
  }
  if (changed.Contains(mcoMultiSelect) || changed.Contains(mcoRangeSelect) ||
      changed.Contains(mcoSelectTrailDays)) {
    CollapseSelection();
    // A multi-day selection may have kept a trailing date; one day alone
    // always lies in the displayed month.
    if (SingleMode()) GotoDate(std::clamp(FDate, FGrid->MonthStart(), FGrid->MonthEnd()), false);
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

Integer TCustomZarMonthCalendar::MaxSelectRange() const { return FSelection->MaxRange(); }

void TCustomZarMonthCalendar::SetMaxSelectRange(Integer Value) {
  if (Value == FSelection->MaxRange()) return;
  if (!FLoading) ResetSelection(true, false);
  FSelection->SetMaxRange(Value);
}

}  // namespace zar
