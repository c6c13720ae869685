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

// What a picker shows: the date, the time, or both.
enum TZarDateTimeKind : std::uint8_t { dtkDate, dtkTime, dtkDateTime };

// Order in which typed date segments follow each other: year first, or day first.
enum TAutoMoveDirection : std::uint8_t { amdYMD, amdDMY };

// Segment indices; word i of a TPickerState belongs to segment i. dsMSec is
// held but never shown.
enum TDatePickerSegment : std::uint8_t {
  dsYear,
  dsMonth,
  dsDay,
  dsHour,
  dsMinute,
  dsSecond,
  dsMSec,
  dsAmPm
};
// A set of segments, such as the visible ones.
using TDatePickerSegments = TSet<TDatePickerSegment>;

// Number of segment indices, dsYear..dsAmPm.
inline constexpr int DatePickerSegmentCount = 8;

// The held value, one word per segment; PM is 1 when Hour > 11.
struct TPickerState {
  Word Year = 0;    // of the active calendar, CalMinYear..9999 (less while typed)
  Word Month = 0;   // 1..12
  Word Day = 0;     // 1..the month's length
  Word Hour = 0;    // 0..23
  Word Minute = 0;  // 0..59
  Word Second = 0;  // 0..59, held also when not shown
  Word MSec = 0;    // 0..999, never shown
  Word PM = 0;      // 1 when Hour > 11, else 0

  // Word i (0..7, a TDatePickerSegment), in segment order; i outside is undefined.
  constexpr Word operator[](std::size_t i) const noexcept {
    const std::array<Word, DatePickerSegmentCount> words{Year,   Month,  Day,  Hour,
                                                         Minute, Second, MSec, PM};
    return words[i];
  }
  // Whether all eight words are equal.
  friend constexpr bool operator==(const TPickerState&, const TPickerState&) noexcept = default;
};

}  // namespace zar
