// Gregorian calendar arithmetic. Day numbers use the proleptic Gregorian
// calendar with 0001-01-01 as time-stamp day 1 (serial -693593).

#include <cmath>
#include <cstdint>
#include <string>

#include "GregorianDates.h"
#include "MonthStepping.h"

namespace zar {

namespace {

constexpr char SDateEncodeError[] = "Invalid argument to date encode";

constexpr std::int64_t FirstSerial = 1 - DateDelta;  // 0001-01-01
constexpr std::int64_t LastSerial = 2958465;         // 9999-12-31

// Days from 1970-01-01 to a civil date, and back (public-domain algorithms
// by Howard Hinnant), shifted to serials by the offset of 1899-12-30.
constexpr std::int64_t UnixDayOfSerialZero = -25569;

constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) noexcept {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) noexcept {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

inline std::int64_t FloorMod7(std::int64_t s) noexcept {
  const std::int64_t r = s % 7;
  return r < 0 ? r + 7 : r;
}

// Serial of the Monday that starts ISO week 1 of a year.
std::int64_t IsoWeekOneStart(std::int64_t year) noexcept {
  const std::int64_t jan4 = DaysFromCivil(year, 1, 4) - UnixDayOfSerialZero;
  // Serial 0 is a Saturday: ISO weekday (Monday = 0) of s is (s + 5) mod 7.
  return jan4 - FloorMod7(jan4 + 5);
}

}  // namespace

bool IsLeapYear(Word Year) noexcept {
  return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date) noexcept {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 ||
      Day > MonthDays[IsLeapYear(Year)][Month])
    return false;
  Date = static_cast<double>(DaysFromCivil(Year, Month, Day) - UnixDayOfSerialZero);
  return true;
}

TDateTime EncodeDate(Word Year, Word Month, Word Day) {
  TDateTime date = 0;
  if (!TryEncodeDate(Year, Month, Day, date)) throw EConvertError(SDateEncodeError);
  return date;
}

bool DecodeDateFully(TDateTime DateTime, Word& Year, Word& Month, Word& Day, Word& DOW) noexcept {
  Year = Month = Day = DOW = 0;
  std::int64_t serial = 0;
  if (!DaySerial(DateTime, serial) || serial < FirstSerial || serial > LastSerial) return false;
  std::int64_t y = 0;
  unsigned m = 0, d = 0;
  CivilFromDays(serial + UnixDayOfSerialZero, y, m, d);
  Year = static_cast<Word>(y);
  Month = static_cast<Word>(m);
  Day = static_cast<Word>(d);
  DOW = static_cast<Word>(FloorMod7(serial - 1) + 1);
  return IsLeapYear(Year);
}

void DecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day) noexcept {
  Word dow = 0;
  DecodeDateFully(DateTime, Year, Month, Day, dow);
}

void DecodeDateTime(TDateTime DateTime, Word& Year, Word& Month, Word& Day, Word& Hour,
                    Word& Minute, Word& Second, Word& MilliSecond) noexcept {
  DecodeDate(DateTime, Year, Month, Day);
  DecodeTime(DateTime, Hour, Minute, Second, MilliSecond);
}

bool TryEncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                       Word MilliSecond, TDateTime& Value) noexcept {
  TDateTime date = 0, time = 0;
  if (!TryEncodeDate(Year, Month, Day, date) ||
      !TryEncodeTime(Hour, Minute, Second, MilliSecond, time))
    return false;
  Value = CombineDateTime(date, time);
  return true;
}

TDateTime EncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                         Word MilliSecond) {
  TDateTime value = 0;
  if (!TryEncodeDateTime(Year, Month, Day, Hour, Minute, Second, MilliSecond, value))
    throw EConvertError(SDateEncodeError);
  return value;
}

Word DayOfWeek(TDateTime DateTime) noexcept {
  std::int64_t serial = 0;
  DaySerial(DateTime, serial);
  return static_cast<Word>(FloorMod7(serial - 1) + 1);
}

Word DayOfTheWeek(TDateTime DateTime) noexcept {
  std::int64_t serial = 0;
  DaySerial(DateTime, serial);
  return static_cast<Word>(FloorMod7(serial + 5) + 1);
}

Word WeekOfTheYear(TDateTime DateTime, Word& Year) noexcept {
  Word month = 0, day = 0;
  Year = 0;
  std::int64_t serial = 0;
  DecodeDate(DateTime, Year, month, day);
  if (Year == 0 || !DaySerial(DateTime, serial)) return 0;
  std::int64_t isoYear = Year;
  if (serial < IsoWeekOneStart(isoYear))
    --isoYear;
  else if (serial >= IsoWeekOneStart(isoYear + 1))
    ++isoYear;
  Year = static_cast<Word>(isoYear);
  return static_cast<Word>((serial - IsoWeekOneStart(isoYear)) / 7 + 1);
}

Word WeekOfTheYear(TDateTime DateTime) noexcept {
  Word year = 0;
  return WeekOfTheYear(DateTime, year);
}

void IncAMonth(Word& Year, Word& Month, Word& Day, Integer NumberOfMonths) noexcept {
  StepMonths(Year, Month, Day, NumberOfMonths, MonthDays, IsLeapYear);
}

TDateTime IncMonth(TDateTime DateTime, Integer NumberOfMonths) {
  Word year = 0, month = 0, day = 0;
  DecodeDate(DateTime, year, month, day);
  if (month == 0 || !StepStaysInYears(year, month, NumberOfMonths))
    throw EConvertError(SDateEncodeError);
  IncAMonth(year, month, day, NumberOfMonths);
  return WithTimeOf(EncodeDate(year, month, day), DateTime);
}

Word CurrentYear() {
  Word year = 0, month = 0, day = 0;
  DecodeDate(Date(), year, month, day);
  return year;
}

}  // namespace zar
