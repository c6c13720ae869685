#pragma once
// Stepping a date by whole months, written once for both calendars: each
// passes its own month lengths [leap][month] and leap rule.

#include <array>
#include <cmath>
#include <cstdint>

#include "DateTimeBase.h"

namespace zar {

using TMonthLengths = std::array<std::array<Word, 13>, 2>;

// Moves Year/Month/Day by whole months in 16-bit year arithmetic, clamping
// the day to the new month's length. Month must be 1..12 on entry; the year
// is not validated.
template <typename IsLeap>
void StepMonths(Word& Year, Word& Month, Word& Day, Integer NumberOfMonths,
                const TMonthLengths& lengths, IsLeap isLeap) noexcept {
  const Integer sign = NumberOfMonths >= 0 ? 1 : -1;
  Year = static_cast<Word>(Year + NumberOfMonths / 12);
  Integer month = static_cast<Integer>(Month) + NumberOfMonths % 12;
  if (month < 1 || month > 12) {
    Year = static_cast<Word>(Year + sign);
    month -= 12 * sign;
  }
  Month = static_cast<Word>(month);
  // Guards a caller's month outside 1..12, which the contract excludes.
  if (Month >= 1 && Month <= 12 && Day > lengths[isLeap(Year)][Month])
    Day = lengths[isLeap(Year)][Month];
}

// Whether a step by NumberOfMonths keeps Year/Month within years 1..9999,
// counted in wide arithmetic: StepMonths' 16-bit year would wrap a step of
// 65536 years or more back into range and hide the overflow.
inline bool StepStaysInYears(Word Year, Word Month, Integer NumberOfMonths) noexcept {
  const std::int64_t month = std::int64_t{Year} * 12 + (Month - 1) + NumberOfMonths;
  return month >= 12 && month < std::int64_t{10000} * 12;
}

// The new day serial with the time of day of the original value: its
// fraction's magnitude takes the sign of the new serial.
inline TDateTime WithTimeOf(TDateTime serial, TDateTime original) noexcept {
  const double fraction = std::fabs(original - std::trunc(original));
  return serial >= 0 ? serial + fraction : serial - fraction;
}

}  // namespace zar
