#pragma once
// Gregorian date services of the runtime: what the controls call when they
// are switched to the Gregorian calendar. Same shapes as the solar core.

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

bool IsLeapYear(Word Year) noexcept;

TDateTime Date();  // today at 00:00, local time
TDateTime Now();   // local date and time
TDateTime Time();  // local time of day

bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date) noexcept;
// Raises EConvertError "Invalid argument to date encode".
TDateTime EncodeDate(Word Year, Word Month, Word Day);
// Weekday 1 = Sunday .. 7 = Saturday; result = leap year. Zeros and false for
// values before 0001-01-01, beyond 9999-12-31, NaN or infinities.
bool DecodeDateFully(TDateTime DateTime, Word& Year, Word& Month, Word& Day,
                     Word& DOW) noexcept;
void DecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day) noexcept;
void DecodeDateTime(TDateTime DateTime, Word& Year, Word& Month, Word& Day, Word& Hour,
                    Word& Minute, Word& Second, Word& MilliSecond) noexcept;
bool TryEncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                       Word MilliSecond, TDateTime& Value) noexcept;
TDateTime EncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute,
                         Word Second, Word MilliSecond);

Word DayOfWeek(TDateTime DateTime) noexcept;      // 1 = Sunday .. 7 = Saturday
Word DayOfTheWeek(TDateTime DateTime) noexcept;   // ISO: 1 = Monday .. 7 = Sunday
// ISO 8601 week (weeks start on Monday; week 1 holds the year's first
// Thursday). The overload also gives the ISO year the week belongs to.
Word WeekOfTheYear(TDateTime DateTime) noexcept;
Word WeekOfTheYear(TDateTime DateTime, Word& Year) noexcept;

void IncAMonth(Word& Year, Word& Month, Word& Day, Integer NumberOfMonths = 1) noexcept;
TDateTime IncMonth(TDateTime DateTime, Integer NumberOfMonths = 1);
Word CurrentYear();

// Texts: the short date format, "c" (short date plus long time unless
// midnight), and the long time format.
std::string DateToStr(TDateTime DateTime);
std::string DateTimeToStr(TDateTime DateTime);
std::string TimeToStr(TDateTime DateTime);
// The same pattern language as ZarFormatDateTime, with Gregorian parts and
// FormatSettings' names. At most 256 bytes, never a split UTF-8 character.
// Era tokens g and e write nothing.
void DateTimeToString(std::string& Result, std::string_view Format, TDateTime DateTime);
std::string FormatDateTime(std::string_view Format, TDateTime DateTime);

// Parsing by the same grammar as the solar parser, in the Gregorian calendar.
bool TryStrToDate(std::string_view S, TDateTime& Value) noexcept;
TDateTime StrToDate(std::string_view S);          // "Invalid date '%s'"
bool TryStrToDateTime(std::string_view S, TDateTime& Value) noexcept;
TDateTime StrToDateTime(std::string_view S);      // "'%s' is not a valid date and time"
bool TryStrToTime(std::string_view S, TDateTime& Value) noexcept;
TDateTime StrToTime(std::string_view S);          // "'%s' is not a valid time"

}  // namespace zar
