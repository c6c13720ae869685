#include <chrono>
#include <cmath>
#include <ctime>

#include "GregorianDates.h"

namespace zar {

namespace {
// Local wall-clock time as days since 1899-12-30 and milliseconds of the day.
TDateTime LocalNow() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  TDateTime date = 0, time = 0;
  TryEncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                static_cast<Word>(local.tm_mday), date);
  TryEncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                static_cast<Word>(local.tm_sec > 59 ? 59 : local.tm_sec), static_cast<Word>(ms),
                time);
  return CombineDateTime(date, time);
}
}  // namespace

TDateTime Now() { return LocalNow(); }
TDateTime Date() { return std::trunc(LocalNow()); }
TDateTime Time() {
  const TDateTime now = LocalNow();  // read the clock once: midnight may pass between reads
  return now - std::trunc(now);
}

}  // namespace zar
