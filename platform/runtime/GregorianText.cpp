// Gregorian texts: the shared pattern engine and date scanner with the
// Gregorian calendar and FormatSettings' English names.

#include "DatePatterns.h"
#include "DateScanner.h"
#include "GregorianDates.h"

namespace zar {

namespace {

constexpr std::string_view SInvalidDate = "Invalid date '%s'";
constexpr std::string_view SInvalidDateTime = "'%s' is not a valid date and time";
constexpr std::string_view SInvalidTime = "'%s' is not a valid time";

void DecodeGregorianDay(TDateTime value, Word& year, Word& month, Word& day,
                        Word& dayOfWeek) noexcept {
  DecodeDateFully(value, year, month, day, dayOfWeek);
  if (dayOfWeek == 0) dayOfWeek = DayOfWeek(value);  // outside 1..9999 the weekday still holds
}

std::string_view GregorianMonthName(Word month, bool longName) noexcept {
  if (month < 1 || month > 12) return {};
  return longName ? FormatSettings.LongMonthNames[month - 1]
                  : FormatSettings.ShortMonthNames[month - 1];
}

// FormatSettings' day names are Sunday first, as DayOfWeek counts.
std::string_view GregorianDayName(Word dayOfWeek, bool longName) noexcept {
  if (dayOfWeek < 1 || dayOfWeek > 7) return {};
  return longName ? FormatSettings.LongDayNames[dayOfWeek - 1]
                  : FormatSettings.ShortDayNames[dayOfWeek - 1];
}

constexpr TCalendarNaming GregorianNaming{DecodeGregorianDay, GregorianMonthName, GregorianDayName};
constexpr TCalendarEncoding GregorianEncoding{TryEncodeDate, CurrentYear};

}  // namespace

void DateTimeToString(std::string& Result, std::string_view Format, TDateTime DateTime) {
  FormatDatePattern(Result, Format, DateTime, GregorianNaming);
}

std::string FormatDateTime(std::string_view Format, TDateTime DateTime) {
  return FormatDatePattern(Format, DateTime, GregorianNaming);
}

std::string DateToStr(TDateTime DateTime) {
  return FormatDateTime(FormatSettings.ShortDateFormat, DateTime);
}

std::string DateTimeToStr(TDateTime DateTime) { return FormatDateTime({}, DateTime); }

std::string TimeToStr(TDateTime DateTime) {
  return FormatDateTime(FormatSettings.LongTimeFormat, DateTime);
}

bool TryStrToDate(std::string_view S, TDateTime& Value) noexcept {
  return ParseDateText(S, Value, GregorianEncoding);
}

TDateTime StrToDate(std::string_view S) { return ParseOrRaise(TryStrToDate, S, SInvalidDate); }

bool TryStrToDateTime(std::string_view S, TDateTime& Value) noexcept {
  return ParseDateTimeText(S, Value, GregorianEncoding);
}

TDateTime StrToDateTime(std::string_view S) {
  return ParseOrRaise(TryStrToDateTime, S, SInvalidDateTime);
}

bool TryStrToTime(std::string_view S, TDateTime& Value) noexcept { return ParseTimeText(S, Value); }

TDateTime StrToTime(std::string_view S) { return ParseOrRaise(TryStrToTime, S, SInvalidTime); }

}  // namespace zar
