#include "DateTimeBase.h"

#include <cmath>

#include "Exceptions.h"

namespace zar {

bool SplitDateTime(TDateTime value, std::int64_t& day, Integer& msOfDay) noexcept {
  if (!std::isfinite(value) || std::fabs(value) >= MaxSplitDays) {
    day = 0;
    msOfDay = 0;
    return false;
  }
  // nearbyint honours the default rounding mode: to nearest, ties to even.
  const auto ms = static_cast<std::int64_t>(std::nearbyint(value * MSecsPerDay));
  day = ms / MSecsPerDay;
  const std::int64_t rest = ms % MSecsPerDay;
  msOfDay = static_cast<Integer>(rest < 0 ? -rest : rest);
  return true;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time) noexcept {
  if (hour >= HoursPerDay || min >= 60 || sec >= 60 || msec >= 1000) return false;
  time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec) {
  TDateTime time = 0;
  if (!TryEncodeTime(hour, min, sec, msec, time))
    throw EConvertError("Invalid argument to time encode");
  return time;
}

void DecodeTime(TDateTime value, Word& hour, Word& min, Word& sec, Word& msec) noexcept {
  std::int64_t day = 0;
  Integer ms = 0;
  SplitDateTime(value, day, ms);
  hour = static_cast<Word>(ms / 3600000);
  min = static_cast<Word>(ms / 60000 % 60);
  sec = static_cast<Word>(ms / 1000 % 60);
  msec = static_cast<Word>(ms % 1000);
}

}  // namespace zar
