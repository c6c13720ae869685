#pragma once
// The one date/time pattern engine behind both calendars' formatters
// (ZarFormatDateTime and FormatDateTime). A calendar describes itself by
// how it splits a day and names its months and weekdays; the token rules,
// the separators, the time parts and the standard formats of
// FormatSettings are the same for every calendar.

#include <string>
#include <string_view>

#include "DateTimeBase.h"

namespace zar {

struct TCalendarNaming {
  // Year, month and day of the day of value (zeros outside the calendar's
  // range) and its weekday in the calendar's own numbering, always 1..7.
  void (*DecodeDate)(TDateTime value, Word& year, Word& month, Word& day, Word& dayOfWeek) noexcept;
  // Names by month 1..12 (month 0, a day outside the range, gives "") and
  // by the weekday number DecodeDate gives.
  std::string_view (*MonthName)(Word month, bool longName) noexcept;
  std::string_view (*DayName)(Word dayOfWeek, bool longName) noexcept;
};

// Result = the pattern applied to value; an empty pattern means "C". The
// pattern ends at its end or at an embedded NUL. At most 256 bytes are
// produced, cut after the last whole UTF-8 character that fits. Era tokens
// g and e write nothing: the platform has no alternate-calendar formatter.
// The digits of numbers are written in FormatSettings.DigitShape; the
// pattern's own text, quoted or not, is copied as written.
void FormatDatePattern(std::string& Result, std::string_view pattern, TDateTime value,
                       const TCalendarNaming& calendar);
std::string FormatDatePattern(std::string_view pattern, TDateTime value,
                              const TCalendarNaming& calendar);

}  // namespace zar
