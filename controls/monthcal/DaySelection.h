#pragma once
// TDaySelection: the days selected in the month calendar's 42 day cells, as
// a value addressed by day cell index (0..41). It follows one of three
// modes: one day (the current one), any set of days, or one contiguous range
// between a fixed anchor and a moving end. It repaints nothing itself: each
// change returns the cells whose look may have changed, for the owner to
// repaint.

#include <cstdint>

#include "DateTimeBase.h"

namespace zar {

enum class TSelectMode : std::uint8_t {
  Single,  // the current day only
  Multi,   // any set of days, one bit per cell
  Range,   // the days between the anchor and the end, both included
};

class TDaySelection {
 public:
  using TCellMask = std::uint64_t;  // bit i: day cell i
  static constexpr TCellMask AllCells = (TCellMask{1} << 42) - 1;

  TSelectMode Mode() const { return FMode; }
  // Switches the mode; the cells and the two ends stay as they were until
  // the owner resets them.
  void SetMode(TSelectMode Value) { FMode = Value; }
  // A range's longest length in days while it is dragged or extended step
  // by step; 0 or less: no limit.
  Integer MaxRange() const { return FMaxRange; }
  void SetMaxRange(Integer Value) { FMaxRange = Value; }

  // ---- Queries -----------------------------------------------------------------------------
  Integer Anchor() const { return FAnchor; }  // the fixed end
  Integer End() const { return FEnd; }        // the moving end
  Integer Low() const;                        // the lower of the two ends
  Integer High() const;                       // the higher of the two ends
  TCellMask Cells() const { return FCells; }  // the multi-mode bits
  // Index is selected: the current cell Current in single mode, its bit in
  // multi mode, Low..High in range mode.
  bool IsSelected(int Index, int Current) const;
  // 1 in single mode, the set bits in multi mode, High - Low + 1 in range.
  Word Count() const;
  // More than one day is selected (never in single mode).
  bool HasMany() const;
  // In range mode with a limit, whether the end may move to Index without
  // making the range longer than MaxRange; true in the other cases.
  bool AllowsEnd(int Index) const;

  // ---- Changes (each returns the cells to repaint) -----------------------------------------
  // Both ends go to Current; in multi mode the bits become Current alone
  // (SelectCurrent) or none. The cells selected before are returned.
  TCellMask Reset(int Current, bool SelectCurrent);
  // The selection becomes the one day Index, in multi and range modes.
  TCellMask Collapse(int Index) { return Reset(Index, true); }
  // The moving end goes to Index. Multi mode: the days the end reaches
  // flip, the days it leaves get their state back. Range mode: the range
  // follows. Single mode: nothing. No limit applies here.
  TCellMask Extend(int Index);
  // Flips the bit of Index alone.
  TCellMask Flip(int Index);
  // A press on Index in multi mode: both ends go to Index and its bit flips.
  TCellMask Press(int Index);
  // A group of days in multi mode: all of them become selected, or, when
  // all are selected already, none of them.
  TCellMask ToggleGroup(TCellMask Group);

 private:
  TSelectMode FMode = TSelectMode::Single;
  Integer FMaxRange = 0;
  TCellMask FCells = 0;
  Integer FAnchor = 0;
  Integer FEnd = 0;
};

}  // namespace zar
