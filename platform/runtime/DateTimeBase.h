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

// Units of one day.
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

// The day serial of a value, as SplitDateTime gives it (false and 0 where it
// fails); never raises. Whole days, the common case in date arithmetic, skip
// the millisecond rounding.
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

// True and time set to the fraction of a day when hour 0..23, min and sec 0..59,
// msec 0..999; false (time untouched) otherwise, never raises.
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time) noexcept;
// The time of day of the parts, range as TryEncodeTime; raises EConvertError
// "Invalid argument to time encode" otherwise.
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);
// Parts of the time of day of value (its sign ignored, rounded to the
// millisecond as SplitDateTime rounds); zeros for a value it rejects; never raises.
void DecodeTime(TDateTime value, Word& hour, Word& min, Word& sec, Word& msec) noexcept;

// A date serial combined with a time of day the way the runtime does it:
// added to a serial of 0 or more, subtracted from a negative one (a date
// before 1899-12-30 carries its time with the serial's sign). Never raises.
inline TDateTime CombineDateTime(TDateTime date, TDateTime time) noexcept {
  return date >= 0 ? date + time : date - time;
}

}  // namespace zar
