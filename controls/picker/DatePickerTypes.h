#pragma once
// Value types of the segmented date/time picker: its kinds, the typing order
// of the date segments, the segment indices and the value snapshot used for
// change detection.

#include <array>
#include <cstddef>
#include <cstdint>

#include "DateTimeBase.h"
#include "ZarSet.h"

namespace zar {

enum TZarDateTimeKind : std::uint8_t { dtkDate, dtkTime, dtkDateTime };

// Order in which typed date segments follow each other.
enum TAutoMoveDirection : std::uint8_t { amdYMD, amdDMY };

// Segment indices; word i of a TPickerState belongs to segment i. dsMSec is
// held but never shown.
enum TDatePickerSegment : std::uint8_t {
  dsYear, dsMonth, dsDay, dsHour, dsMinute, dsSecond, dsMSec, dsAmPm
};
using TDatePickerSegments = TSet<TDatePickerSegment>;

inline constexpr int DatePickerSegmentCount = 8;

// The held value, one word per segment; PM is 1 when Hour > 11.
struct TPickerState {
  Word Year = 0;
  Word Month = 0;
  Word Day = 0;
  Word Hour = 0;
  Word Minute = 0;
  Word Second = 0;
  Word MSec = 0;
  Word PM = 0;

  // Word i, in segment order.
  constexpr Word operator[](std::size_t i) const noexcept {
    const std::array<Word, DatePickerSegmentCount> words{Year, Month, Day, Hour,
                                                         Minute, Second, MSec, PM};
    return words[i];
  }
  friend constexpr bool operator==(const TPickerState&, const TPickerState&) noexcept = default;
};

}  // namespace zar
