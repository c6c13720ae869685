#pragma once
// Basic value types shared by every layer, and the one rule for reading a
// TDateTime: round to whole milliseconds, then split into day and time of day.

#include <cstdint>

namespace zar {

using TDateTime = double;  // days since 1899-12-30; the fraction is the time of day
using TDate = double;      // a TDateTime holding a whole day
using TTime = double;      // a TDateTime holding only a time of day
using Word = std::uint16_t;
using Cardinal = std::uint32_t;
using Integer = std::int32_t;

inline constexpr Integer HoursPerDay = 24;
inline constexpr Integer MinsPerDay = 24 * 60;
inline constexpr Integer SecsPerDay = MinsPerDay * 60;
inline constexpr Integer MSecsPerDay = SecsPerDay * 1000;
// Time-stamp day number of 1899-12-30, counting 0001-01-01 as day 1.
inline constexpr Integer DateDelta = 693594;

// The day serial and millisecond of the day of a value: the value times
// 86 400 000 rounded to the nearest millisecond (ties to even), divided with
// truncation toward zero; the remainder is taken without its sign.
// Returns false (and zeros) for NaN, infinities and values too large to hold
// as a millisecond count, so that no caller ever converts an out-of-range
// double to an integer.
bool SplitDateTime(TDateTime value, std::int64_t& day, Integer& msOfDay) noexcept;

// The largest magnitude SplitDateTime accepts, in days.
inline constexpr double MaxSplitDays = 1.0e11;

// The day serial of a value, as SplitDateTime gives it. Whole days, the
// common case in date arithmetic, skip the millisecond rounding.
inline bool DaySerial(TDateTime value, std::int64_t& day) noexcept {
  if (value > -MaxSplitDays && value < MaxSplitDays) {  // false for NaN
    const auto whole = static_cast<std::int64_t>(value);
    if (static_cast<double>(whole) == value) {
      day = whole;
      return true;
    }
  }
  Integer msOfDay = 0;
  return SplitDateTime(value, day, msOfDay);
}

// Time of day from its parts; fails when a part is at or above its bound
// (24 hours, 60 minutes, 60 seconds, 1000 milliseconds).
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time) noexcept;
// Raises EConvertError "Invalid argument to time encode" on a bad part.
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);
// Parts of the time of day; zeros for a value SplitDateTime rejects.
void DecodeTime(TDateTime value, Word& hour, Word& min, Word& sec, Word& msec) noexcept;

// A date serial combined with a time of day the way the runtime does it:
// a date on or before 1899-12-30 carries its time with the serial's sign.
inline TDateTime CombineDateTime(TDateTime date, TDateTime time) noexcept {
  return date >= 0 ? date + time : date - time;
}

}  // namespace zar
