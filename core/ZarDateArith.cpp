#include <cmath>
#include <cstdint>
#include <ctime>
#include <string>

#include "GregorianDates.h"
#include "MonthStepping.h"
#include "ZarDateUtils.h"

namespace zar {

TSolarWeekRule ZarDefaultWeekRule = swrFirstFourDays;

namespace {

// Day count D = S + 466700: 1 Farvardin of year 1 is D = 1.
constexpr std::int64_t SolarEpochOffset = DateDelta - 226894;
constexpr std::int64_t DaysPer33Years = 12053;
constexpr std::int64_t MaxDecodedYear = 0xFFFF;

// Bit r is set when a year with remainder r mod 33 is a leap year:
// remainders 1, 5, 9, 13, 17, 22, 26 and 30.
constexpr std::uint64_t LeapRemainders = (1ull << 1) | (1ull << 5) | (1ull << 9) | (1ull << 13) |
                                         (1ull << 17) | (1ull << 22) | (1ull << 26) | (1ull << 30);

inline bool IsLeap(std::int64_t year) noexcept {
  return (LeapRemainders >> (static_cast<Word>(year) % 33)) & 1;
}

// Leap years among 1..n for any non-negative n (not only 16-bit ones).
inline std::int64_t LeapYearsUpTo(std::int64_t n) noexcept {
  static constexpr std::array<std::uint8_t, 33> LeapsInRemainder = [] {
    std::array<std::uint8_t, 33> table{};
    std::uint8_t count = 0;
    for (unsigned r = 0; r < 33; ++r) {
      count += (LeapRemainders >> r) & 1;
      table[r] = count;
    }
    return table;
  }();
  return 8 * (n / 33) + LeapsInRemainder[n % 33];
}

// Days before month m (1..12), the same in every year: six 31-day months,
// then 30-day months. A table, so random months cost no mispredicted branch.
constexpr std::array<Word, 13> DaysBeforeMonth = [] {
  std::array<Word, 13> table{};
  for (std::size_t month = 2; month <= 12; ++month)
    table[month] = static_cast<Word>(table[month - 1] + ZarMonthDays[0][month - 1]);
  return table;
}();

// Month and day of each day of the year (0-based), the same in common and
// leap years up to Esfand 29; day 366 is Esfand 30. A table lookup keeps
// decoding free of loops and of branches that random dates mispredict.
struct MonthAndDay {
  std::uint8_t month, day;
};
constexpr std::array<MonthAndDay, 366> MonthAndDayOfYear = [] {
  std::array<MonthAndDay, 366> table{};
  std::size_t index = 0;
  for (std::uint8_t month = 1; month <= 12; ++month)
    for (std::uint8_t day = 1; day <= ZarMonthDays[1][month]; ++day) table[index++] = {month, day};
  return table;
}();

inline std::int64_t FloorMod7(std::int64_t s) noexcept {
  const std::int64_t r = s % 7;
  return r < 0 ? r + 7 : r;
}

std::string DecimalOrPlaceholder(Word part, Word baseValue, bool haveBase) {
  if (part != 0xFFFF) return std::to_string(part);
  return haveBase ? std::to_string(baseValue) : std::string(SZarMissingDateTimePart);
}

}  // namespace

bool ZarIsLeapYear(Word Year) noexcept { return IsLeap(Year); }

Word ZarLeapYearsUpTo(Word Year) noexcept { return static_cast<Word>(LeapYearsUpTo(Year)); }

bool ZarTryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date) noexcept {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1) return false;
  if (Day > ZarMonthDays[IsLeap(Year)][Month]) return false;
  const std::int32_t dayOfYear = Day + DaysBeforeMonth[Month];
  const std::int32_t serial = (Year - 1) * 365 + ZarLeapYearsUpTo(Year - 1) + dayOfYear -
                              static_cast<std::int32_t>(SolarEpochOffset);
  Date = serial;
  return true;
}

TDateTime ZarEncodeDate(Word Year, Word Month, Word Day) {
  TDateTime date = 0;
  if (!ZarTryEncodeDate(Year, Month, Day, date)) throw EConvertError(std::string(SDateEncodeError));
  return date;
}

namespace {

// Year, month and day of a day serial; false (outputs untouched) before the
// epoch or beyond the 16-bit Year. Shared by both decoders, so that the
// plain one pays for neither the weekday nor the leap test.
inline bool DecodeSerial(std::int64_t serial, Word& Year, Word& Month, Word& Day) noexcept {
  const std::int64_t d = serial + SolarEpochOffset;
  if (d <= 0) return false;

  // Whole mean years of 12053/33 days before day d; exact in integers.
  const std::int64_t y0 = 33 * d / DaysPer33Years;
  std::int64_t dayOfYear = d - 365 * y0 - LeapYearsUpTo(y0);
  std::int64_t year = y0 + 1;
  if (dayOfYear == 0) {
    year = y0;
    dayOfYear = IsLeap(y0) ? 366 : 365;
  }
  if (year > MaxDecodedYear) return false;

  const MonthAndDay md = MonthAndDayOfYear[dayOfYear - 1];
  Year = static_cast<Word>(year);
  Month = md.month;
  Day = md.day;
  return true;
}

}  // namespace

bool ZarDecodeDateFully(TDateTime DateTime, Word& Year, Word& Month, Word& Day,
                        Word& DayOfWeek) noexcept {
  Year = Month = Day = DayOfWeek = 0;
  std::int64_t serial = 0;
  if (!DaySerial(DateTime, serial) || !DecodeSerial(serial, Year, Month, Day)) return false;
  DayOfWeek = static_cast<Word>(FloorMod7(serial) + 1);
  return IsLeap(Year);
}

void ZarDecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day) noexcept {
  Year = Month = Day = 0;
  std::int64_t serial = 0;
  if (DaySerial(DateTime, serial)) DecodeSerial(serial, Year, Month, Day);
}

Word ZarDayOfWeek(TDateTime DateTime) noexcept {
  std::int64_t serial = 0;
  DaySerial(DateTime, serial);
  return static_cast<Word>(FloorMod7(serial) + 1);
}

void ZarIncAMonth(Word& Year, Word& Month, Word& Day, Integer NumberOfMonths) noexcept {
  StepMonths(Year, Month, Day, NumberOfMonths, ZarMonthDays, ZarIsLeapYear);
}

TDateTime ZarIncMonth(TDateTime DateTime, Integer NumberOfMonths) {
  Word year = 0, month = 0, day = 0;
  ZarDecodeDate(DateTime, year, month, day);
  if (month == 0 || !StepStaysInYears(year, month, NumberOfMonths))
    throw EConvertError(std::string(SDateEncodeError));
  ZarIncAMonth(year, month, day, NumberOfMonths);
  return WithTimeOf(ZarEncodeDate(year, month, day), DateTime);
}

Word ZarCurrentYear() {
  Word year = 0, month = 0, day = 0;
  ZarDecodeDate(Date(), year, month, day);
  return year;
}

Integer ZarDateToWeekNo(TDateTime DateTime, TSolarWeekRule Rule) {
  const double t = std::trunc(DateTime);
  Word year = 0, month = 0, day = 0;
  ZarDecodeDate(t, year, month, day);
  const TDateTime first = ZarEncodeDate(year, 1, 1);  // raises before the epoch
  const Integer w1 = ZarDayOfWeek(first);
  if (Rule == swrDefault) Rule = ZarDefaultWeekRule;

  double weekStart = first - w1 + 1;
  if ((Rule == swrFirstFourDays && w1 >= 5) || (Rule == swrFirstFullWeek && w1 > 1)) weekStart += 7;
  if (t < weekStart) {
    const Word prior = static_cast<Word>(year - 1);
    const bool priorLeap = IsLeap(prior);
    return ZarDateToWeekNo(ZarEncodeDate(prior, 12, ZarMonthDays[priorLeap][12]), Rule);
  }
  const Integer week = static_cast<Integer>((t - weekStart) / 7) + 1;
  if (week <= 52) return week;

  const TDateTime next = ZarEncodeDate(static_cast<Word>(year + 1), 1, 1);
  const Integer wn = ZarDayOfWeek(next);
  const double gap = next - t;
  if (Rule == swrFirstDay && gap < wn) return 1;
  if (Rule == swrFirstFourDays && wn < 5 && gap < wn) return 1;
  return week;
}

bool ZarTryEncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                          Word MilliSecond, TDateTime& Value) noexcept {
  TDateTime date = 0, time = 0;
  if (!ZarTryEncodeDate(Year, Month, Day, date)) return false;
  if (!TryEncodeTime(Hour, Minute, Second, MilliSecond, time)) return false;
  Value = date > 0 ? date + time : date - time;
  return true;
}

TDateTime ZarEncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                            Word MilliSecond) {
  TDateTime value = 0;
  if (!ZarTryEncodeDateTime(Year, Month, Day, Hour, Minute, Second, MilliSecond, value))
    ZarInvalidDateTimeError(Year, Month, Day, Hour, Minute, Second, MilliSecond, 0);
  return value;
}

void ZarInvalidDateTimeError(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                             Word MilliSecond, TDateTime BaseDate) {
  Word bYear = 0, bMonth = 0, bDay = 0, bHour = 0, bMinute = 0, bSecond = 0, bMs = 0;
  ZarDecodeDate(BaseDate, bYear, bMonth, bDay);
  DecodeTime(BaseDate, bHour, bMinute, bSecond, bMs);
  const bool haveBase = BaseDate != 0;
  std::string text;
  text += DecimalOrPlaceholder(Year, bYear, haveBase);
  text += FormatSettings.DateSeparator;
  text += DecimalOrPlaceholder(Month, bMonth, haveBase);
  text += FormatSettings.DateSeparator;
  text += DecimalOrPlaceholder(Day, bDay, haveBase);
  text += ' ';
  text += DecimalOrPlaceholder(Hour, bHour, haveBase);
  text += FormatSettings.TimeSeparator;
  text += DecimalOrPlaceholder(Minute, bMinute, haveBase);
  text += FormatSettings.TimeSeparator;
  text += DecimalOrPlaceholder(Second, bSecond, haveBase);
  text += FormatSettings.DecimalSeparator;
  text += DecimalOrPlaceholder(MilliSecond, bMs, haveBase);
  std::string message(SInvalidDateTime);
  message.replace(message.find("%s"), 2, text);
  throw EConvertError(std::move(message));
}

}  // namespace zar
