#pragma once
// Gregorian date services of the runtime: what the controls call when they
// are switched to the Gregorian calendar. Same shapes as the solar core.
// The pattern tokens and the parsers' grammar are described in ZarDateUtils.h.

#include <array>
#include <string>
#include <string_view>

#include "DateTimeBase.h"
#include "Exceptions.h"
#include "FormatSettings.h"

namespace zar {

// Month lengths indexed [year is leap][month 1..12]; entry 0 of a row is 0.
inline constexpr std::array<std::array<Word, 13>, 2> MonthDays{{
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
}};

// True for years divisible by 4, centuries only when divisible by 400; never raises.
bool IsLeapYear(Word Year) noexcept;

TDateTime Date();  // today at 00:00, local time
TDateTime Now();   // local date and time
TDateTime Time();  // local time of day

// True and Date set to the day serial when years 1..9999, months 1..12, days
// 1..MonthDays[leap][Month]; false (Date untouched) otherwise, never raises.
bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date) noexcept;
// Day serial of Year/Month/Day (1899-12-30 is 0), range as TryEncodeDate;
// raises EConvertError "Invalid argument to date encode" otherwise.
TDateTime EncodeDate(Word Year, Word Month, Word Day);
// Weekday 1 = Sunday .. 7 = Saturday; result = leap year. Zeros and false for
// values before 0001-01-01, beyond 9999-12-31, NaN or infinities. Never raises.
bool DecodeDateFully(TDateTime DateTime, Word& Year, Word& Month, Word& Day, Word& DOW) noexcept;
// Year/Month/Day as DecodeDateFully gives them (zeros outside); never raises.
void DecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day) noexcept;
// DecodeDate and DecodeTime of DateTime in one call; never raises.
void DecodeDateTime(TDateTime DateTime, Word& Year, Word& Month, Word& Day, Word& Hour,
                    Word& Minute, Word& Second, Word& MilliSecond) noexcept;
// True and Value set to CombineDateTime of the date and the time when the date is
// as TryEncodeDate and the time as TryEncodeTime takes it; false (Value untouched)
// otherwise, never raises.
bool TryEncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                       Word MilliSecond, TDateTime& Value) noexcept;
// The value TryEncodeDateTime gives; raises EConvertError "Invalid argument to date
// encode" otherwise (a bad time part too).
TDateTime EncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                         Word MilliSecond);

// Weekdays of any day serial; NaN, infinities and magnitudes of 1e11 days or more
// count as serial 0, a Saturday. Never raise.
Word DayOfWeek(TDateTime DateTime) noexcept;     // 1 = Sunday .. 7 = Saturday
Word DayOfTheWeek(TDateTime DateTime) noexcept;  // ISO: 1 = Monday .. 7 = Sunday
// ISO 8601 week 1..53 (weeks start on Monday; week 1 holds the year's first
// Thursday). The overload also gives the ISO year the week belongs to. Both
// give 0 (and Year 0) outside 0001-01-01..9999-12-31 and for NaN; never raise.
Word WeekOfTheYear(TDateTime DateTime) noexcept;
Word WeekOfTheYear(TDateTime DateTime, Word& Year) noexcept;

// Moves Year/Month/Day by NumberOfMonths (either sign), clamping Day to the new month's
// length; Month must be 1..12, the year wraps in 16 bits and is not checked; never raises.
void IncAMonth(Word& Year, Word& Month, Word& Day, Integer NumberOfMonths = 1) noexcept;
// DateTime moved by NumberOfMonths, day clamped, time of day kept; raises EConvertError
// "Invalid argument to date encode" when DateTime or the result lies outside 1..9999.
TDateTime IncMonth(TDateTime DateTime, Integer NumberOfMonths = 1);
// The year of today's local date (Date()).
Word CurrentYear();

// Texts: the short date format, "c" (short date plus long time unless
// midnight), and the long time format. Raise nothing beyond std::bad_alloc.
std::string DateToStr(TDateTime DateTime);
std::string DateTimeToStr(TDateTime DateTime);
std::string TimeToStr(TDateTime DateTime);
// The same pattern language as ZarFormatDateTime, with Gregorian parts and
// FormatSettings' names. At most 256 bytes, never a split UTF-8 character.
// Era tokens g and e write nothing. Any value and any bytes are accepted;
// they raise nothing beyond std::bad_alloc.
void DateTimeToString(std::string& Result, std::string_view Format, TDateTime DateTime);
std::string FormatDateTime(std::string_view Format, TDateTime DateTime);

// Parsing by the same grammar as the solar parser, in the Gregorian calendar.
// The Try forms set Value and return true on success, return false (Value
// untouched) otherwise and never raise; the others raise EConvertError with
// the message shown, %s being the whole text.
// A date; blanks after it allowed.
bool TryStrToDate(std::string_view S, TDateTime& Value) noexcept;
TDateTime StrToDate(std::string_view S);  // "Invalid date '%s'"
// A date, a date and a time (text after the time ignored) or a time alone.
bool TryStrToDateTime(std::string_view S, TDateTime& Value) noexcept;
TDateTime StrToDateTime(std::string_view S);  // "'%s' is not a valid date and time"
// A time alone (on day 0), blanks around it allowed.
bool TryStrToTime(std::string_view S, TDateTime& Value) noexcept;
TDateTime StrToTime(std::string_view S);  // "'%s' is not a valid time"

}  // namespace zar
