// The day selection: which day cells are selected in each mode, and how a
// reset, a press, a drag step and a group toggle change them.

#include "DaySelection.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace zar {

namespace {

using TCellMask = TDaySelection::TCellMask;

TCellMask Bit(int Index) { return TCellMask{1} << Index; }

// The cells Low..High, both included; none when Low > High.
TCellMask Span(int Low, int High) {
  if (Low > High) return 0;
  return (Bit(High) - Bit(Low)) | Bit(High);
}

}  // namespace

Integer TDaySelection::Low() const { return std::min(FAnchor, FEnd); }
Integer TDaySelection::High() const { return std::max(FAnchor, FEnd); }

bool TDaySelection::IsSelected(int Index, int Current) const {
  switch (FMode) {
    case TSelectMode::Multi: return (FCells >> Index) & 1U;
    case TSelectMode::Range: return Low() <= Index && Index <= High();
    default: return Index == Current;
  }
}

Word TDaySelection::Count() const {
  switch (FMode) {
    case TSelectMode::Multi: return static_cast<Word>(std::popcount(FCells & AllCells));
    case TSelectMode::Range: return static_cast<Word>(std::abs(FEnd - FAnchor) + 1);
    default: return 1;
  }
}

bool TDaySelection::HasMany() const {
  switch (FMode) {
    case TSelectMode::Multi: return Count() > 1;
    case TSelectMode::Range: return FAnchor != FEnd;
    default: return false;
  }
}

bool TDaySelection::AllowsEnd(int Index) const {
  if (FMode != TSelectMode::Range || FMaxRange <= 0) return true;
  return std::abs(FAnchor - Index) + 1 <= FMaxRange;
}

TCellMask TDaySelection::Reset(int Current, bool SelectCurrent) {
  TCellMask before = 0;
  if (FMode == TSelectMode::Multi) {
    before = FCells & AllCells;
    FCells = SelectCurrent ? Bit(Current) : 0;
  } else if (FMode == TSelectMode::Range) {
    before = Span(Low(), High());
  } else {
    return 0;
  }
  FAnchor = FEnd = Current;
  return before;
}

TCellMask TDaySelection::Extend(int Index) {
  if (FMode == TSelectMode::Multi) {
    if (Index == FEnd) return 0;
    const int oldLow = Low(), oldHigh = High();
    const int newLow = std::min(FAnchor, Index), newHigh = std::max(FAnchor, Index);
    const TCellMask common = Span(std::max(oldLow, newLow), std::min(oldHigh, newHigh));
    const TCellMask flipped = (Span(oldLow, oldHigh) | Span(newLow, newHigh)) & ~common;
    FCells ^= flipped;
    // A drag across the anchor repaints the anchor too.
    const bool crossed =
        (FAnchor == oldHigh && FAnchor == newLow) || (FAnchor == oldLow && FAnchor == newHigh);
    FEnd = Index;
    return crossed ? flipped | Bit(FAnchor) : flipped;
  }
  if (FMode == TSelectMode::Range) {
    const int old = FEnd;
    FEnd = Index;
    if (old == Index) return 0;
    return Span(std::min(old, Index), std::max(old, Index));
  }
  return 0;
}

TCellMask TDaySelection::Flip(int Index) {
  FCells ^= Bit(Index);
  return Bit(Index);
}

TCellMask TDaySelection::Press(int Index) {
  FAnchor = FEnd = Index;
  return Flip(Index);
}

TCellMask TDaySelection::ToggleGroup(TCellMask Group) {
  const bool allSelected = (Group & ~FCells) == 0;
  FCells = allSelected ? FCells & ~Group : FCells | Group;
  return Group;
}

}  // namespace zar
