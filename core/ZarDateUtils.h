#pragma once
// The Solar Hijri calendar core: arithmetic, Persian names, formatting and
// parsing. Every routine is a solar twin of the Gregorian runtime routine of
// the same shape (GregorianDates.h); values stay calendar-neutral TDateTime.
// The pattern tokens of the formatters and the text the parsers accept, for
// both calendars, are described once, below.
//
// ---- Format patterns (ZarFormatDateTime, FormatDateTime and their kin) ------
//
// A pattern is read from left to right. Token letters may be written in either
// case; a run of one letter repeated in the same case is one token ("Mm" is
// two tokens m, "mmmmmm" is one mmmm).
//   y yy          year mod 100, always two digits
//   yyy yyyy      year with at least four digits (any run of three or more)
//   m mm          month 1..12, without / with a leading zero
//   mmm mmmm      short / long month name (any run of four or more: long)
//   d dd          day of the month, without / with a leading zero
//   ddd dddd      short / long weekday name; aaa and aaaa write the same
//   ddddd         the pattern FormatSettings.ShortDateFormat
//   dddddd        the pattern FormatSettings.LongDateFormat (any longer run too)
//   h hh          hour, without / with a leading zero (longer runs as hh); on
//                 the 12-hour clock (0 -> 12, 13..23 -> 1..11) when an am/pm
//                 form came earlier in the pattern, or when the first a after
//                 the hour, outside quotes and before any other h (quoted or
//                 not), starts one
//   n nn          minute, without / with a leading zero (longer runs as nn);
//                 a run of m is the minute too, as n or nn, when the nearest
//                 letter before it is an h (quoted text does not count; any
//                 non-ASCII character in between makes it the month again)
//   s ss          second, without / with a leading zero (longer runs as ss)
//   z zz zzz      millisecond with at least one, two or three digits
//   t             the pattern FormatSettings.ShortTimeFormat
//   tt            the pattern FormatSettings.LongTimeFormat (any longer run too)
//   am/pm         "am" before noon, "pm" from noon, in the letter case the
//                 pattern writes them ("AM/PM", "Am/pM" work alike)
//   a/p           "a" or "p", likewise
//   ampm          FormatSettings.TimeAMString or TimePMString
//   c             ShortDateFormat, then a blank and LongTimeFormat unless the
//                 time is 00:00:00 (milliseconds are not looked at)
//   /             FormatSettings.DateSeparator (nothing when it is '\0')
//   :             FormatSettings.TimeSeparator (nothing when it is '\0')
//   'text' "text" copied as written, up to the same quote or the pattern's end
//   g e           era name and era year: write nothing, as there is no
//                 alternate-calendar formatter on this platform
// Every other character (other letters, blanks, punctuation, any non-ASCII
// character) is copied as it is; an a that starts none of the forms above is
// copied too. An empty pattern means "c"; an embedded NUL ends the pattern.
// The standard formats (ddddd, dddddd, t, tt, c) are expanded one level deep:
// inside such an expansion these tokens write nothing, and its 12-hour clock
// and minute rules look only at the expanded pattern.
// The result is at most 256 bytes: it is cut after the last whole UTF-8
// character (or whole digit) that fits, and nothing is written after a cut.
// Numbers are written in FormatSettings.DigitShape (Latin, Persian or
// Arabic-Indic digits); names, separators and the pattern's own text are
// copied unchanged (ShapeDigits in DigitShapes.h reshapes any text).
// A value the calendar cannot decode (before 1/1/1 or after year 65535 here,
// outside 0001..9999 in the Gregorian calendar, NaN, infinities) formats its
// date numbers as zeros and its month names as "", while a weekday name still
// appears; NaN and infinities also format the time as 00:00:00.000.
//
// ---- Text accepted by the parsers (ZarStrToDate, StrToDate and their kin) ---
//
// Date:  number sep number [sep number], sep being FormatSettings.DateSeparator
//   exactly. Blanks (spaces only; a tab is refused) may stand before each number
//   and separator. The first of the letters d, m, y or e in ShortDateFormat, in
//   either case and even inside quotes, gives the order: y or e first is
//   year/month/day, d first is day/month/year, m first (or none) is
//   month/day/year. With two numbers the year is the current one (ZarCurrentYear,
//   CurrentYear) and they are day/month when d comes first, else month/day.
//   One more separator and blanks may follow the date.
// Numbers: digits are read while the value is below 1000, so a number has at
//   most four significant digits ("12345" leaves the 5 and fails); leading
//   zeros are read too ("0001403" is 1403). ASCII, Persian
//   (U+06F0..U+06F9) and Arabic-Indic (U+0660..U+0669) digits are read alike,
//   mixed even within one number; digits of other scripts are refused.
// Years: a year of one or two digits (leading zeros counted: "03" is two, "003"
//   three) lands in the hundred years that start TwoDigitYearCenturyWindow
//   years before the current year: with window 50 in 1405, "55" is 1355 and
//   "54" is 1454. Window 0 keeps the current century. A longer year is taken as
//   written. When ShortDateFormat starts with a lowercase g (the text before
//   the first digit names one of FormatSettings.EraNames) or contains a
//   lowercase e (the first era), a positive EraYearOffsets entry reads the
//   year as a year of that era instead; both lists are empty by default.
//   With FarEastLocale and ddd in ShortDateFormat a weekday name after the
//   date is skipped. The date must then exist in the calendar (years 1..9999).
// Time:  [designator] hour [sep minute [sep second [dec millisecond]]]
//   [designator], sep being TimeSeparator and dec DecimalSeparator; blanks may
//   stand before each part. The milliseconds are a whole number (".5" is 5 ms).
//   A designator is TimeAMString or TimePMString, or AM or PM, in any ASCII
//   case; with one the hour must be 1..12 (12 AM is 0:00, 12 PM is noon).
//   Hours 0..23, minutes and seconds 0..59, milliseconds 0..999. An hour alone
//   ("10", "10 pm") is a time.
// A date text is a date with nothing after it but blanks. A date-and-time text
//   is a date, then its end or a time, and whatever follows that time is
//   ignored; failing that, the whole text must be a time alone (blanks around
//   it), which is taken on day 0 (1899-12-30). A date before 1899-12-30 (a
//   negative serial) carries its time with a minus sign.
// Refused, for example: an empty or blank text, leading or trailing tabs or
//   other control characters, another separator ("1403-1-1" with '/'), a
//   second trailing separator, text after a date ("1403/1/1x"), a time in a
//   date text, "24:00", "0:30 pm", a designator alone.
// The Try forms return false and leave Value untouched; the raising forms throw
// EConvertError with the whole text in the message.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "DateTimeBase.h"
#include "Exceptions.h"
#include "FormatSettings.h"
#include "GregorianDates.h"  // the Gregorian twins, for callers that switch calendars
#include "ZarDateConsts.h"

namespace zar {

// ---- Arithmetic -----------------------------------------------------------

// First-week rule of ZarDateToWeekNo; solar weeks run Saturday to Friday.
enum TSolarWeekRule : std::uint8_t {
  swrDefault = 0,        // use ZarDefaultWeekRule
  swrFirstDay = 1,       // week 1 contains 1 Farvardin
  swrFirstFourDays = 2,  // week 1 is the first with four days in the new year
  swrFirstFullWeek = 3,  // week 1 is the first starting on or after 1 Farvardin
};

// The rule swrDefault stands for; initially swrFirstFourDays. Set it at
// start-up: it is read without locks.
extern TSolarWeekRule ZarDefaultWeekRule;

// Month lengths indexed [ZarIsLeapYear(year)][month 1..12]; entry 0 of a row is 0.
inline constexpr std::array<std::array<Word, 13>, 2> ZarMonthDays{{
    {0, 31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 29},
    {0, 31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 30},
}};

// True when Year is leap: its remainder mod 33 is 1, 5, 9, 13, 17, 22, 26 or 30
// (1403 is leap, year 0 is not); any Word, never raises.
bool ZarIsLeapYear(Word Year) noexcept;
// Number of leap years among 1..Year (0 for 0, 8 for 33); any Word, never raises.
Word ZarLeapYearsUpTo(Word Year) noexcept;

// True and Date set to the day serial when years 1..9999, months 1..12, days
// 1..ZarMonthDays[leap][Month]; false (Date untouched) otherwise, never raises.
bool ZarTryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date) noexcept;
// Day serial of Year/Month/Day (1/1/1 is -466699, 9999/12/29 is 3185359); range as
// ZarTryEncodeDate; raises EConvertError "Invalid argument to date encode" otherwise.
TDateTime ZarEncodeDate(Word Year, Word Month, Word Day);
// Parts of DateTime's day (as SplitDateTime splits it), years 1..65535, weekday
// 1 = Saturday .. 7 = Friday; returns whether that year is leap. Before the
// epoch (and for NaN, infinities or years beyond 65535) every output is 0 and
// the result false. Never raises.
bool ZarDecodeDateFully(TDateTime DateTime, Word& Year, Word& Month, Word& Day,
                        Word& DayOfWeek) noexcept;
// Year/Month/Day as ZarDecodeDateFully gives them (zeros outside its range); never raises.
void ZarDecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day) noexcept;
// Weekday 1 = Saturday .. 7 = Friday of any day serial, before the epoch too;
// NaN, infinities and magnitudes of 1e11 days or more give 1. Never raises.
Word ZarDayOfWeek(TDateTime DateTime) noexcept;

// Moves Year/Month/Day by NumberOfMonths (either sign), clamping Day to the new month's
// length; Month must be 1..12, the year wraps in 16 bits and is not checked; never raises.
void ZarIncAMonth(Word& Year, Word& Month, Word& Day, Integer NumberOfMonths = 1) noexcept;
// DateTime moved by NumberOfMonths, day clamped, time of day kept; raises EConvertError
// "Invalid argument to date encode" when DateTime or the result lies outside years 1..9999.
TDateTime ZarIncMonth(TDateTime DateTime, Integer NumberOfMonths = 1);
// The solar year of today's local date (Date()).
Word ZarCurrentYear();
// Week 1..53 of DateTime's day under Rule (swrDefault: ZarDefaultWeekRule); days before
// week 1 belong to the prior year's last week, the last days may be week 1 of the next.
// Raises EConvertError "Invalid argument to date encode" before 1/1/1, for NaN, after
// year 9999, and where the week would be counted in year 0 or 10000 (1/1/1 and 1/1/2,
// and 9999/12/27..29, under swrFirstFourDays).
Integer ZarDateToWeekNo(TDateTime DateTime, TSolarWeekRule Rule = swrDefault);

// True and Value set when the date is as ZarTryEncodeDate takes it and hours 0..23,
// minutes and seconds 0..59, milliseconds 0..999; false (Value untouched) otherwise,
// never raises. The time is added to a positive serial and subtracted from the others,
// serial 0 (1278/10/9) included, where CombineDateTime would add it.
bool ZarTryEncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                          Word MilliSecond, TDateTime& Value) noexcept;
// The value ZarTryEncodeDateTime gives; raises EConvertError "'Y/M/D H:N:S.Z' is not a
// valid date and time" (ZarInvalidDateTimeError, no BaseDate) otherwise.
TDateTime ZarEncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                            Word MilliSecond);
// Always raises EConvertError "'Y/M/D H:N:S.Z' is not a valid date and time", with
// FormatSettings' separators and the parts in decimal; 65535 marks a part taken
// from BaseDate ("?" when BaseDate is 0).
[[noreturn]] void ZarInvalidDateTimeError(Word Year, Word Month, Word Day, Word Hour, Word Minute,
                                          Word Second, Word MilliSecond, TDateTime BaseDate = 0);

// ---- Names ------------------------------------------------------------------

// Indexed by solar month 1..12 and by weekday 1 (Saturday) .. 7 (Friday);
// entry 0 is empty, which is what month 0 (a value before the epoch) shows.
extern std::array<std::string, 13> ZarShortMonthNames;
extern std::array<std::string, 13> ZarLongMonthNames;
extern std::array<std::string, 8> ZarShortDayNames;
extern std::array<std::string, 8> ZarLongDayNames;

// Letters of the name tables: the Arabic yeh U+064A (and kaf U+0643) of
// ZarDateConsts, or the Farsi yeh U+06CC and keheh U+06A9 of current
// Persian text. Every name switches at once.
enum TZarNameLetters : std::uint8_t { nlArabic = 0, nlPersian = 1 };

// Fills the four tables from ZarDateConsts in Arabic letters. It already
// runs during static initialisation of the library; calling it again is
// harmless. Raises nothing beyond std::bad_alloc, as does the overload.
void LoadZarDateNames();
// Fills the four tables in Letters. Like the tables, run it at start-up,
// before controls read the names (a month calendar's month menu keeps the
// names it was built with).
void LoadZarDateNames(TZarNameLetters Letters);
// The letters the tables were last filled in (nlArabic until the first call).
TZarNameLetters ZarNameLetters() noexcept;

// ---- Formatting -------------------------------------------------------------

// The pattern language described at the top of this header, with solar date
// parts and the Persian name tables. Any value and any bytes are accepted.

// Result = DateTime formatted by Format, at most 256 bytes; raises nothing beyond
// std::bad_alloc, as do the three below.
void ZarDateTimeToString(std::string& Result, std::string_view Format, TDateTime DateTime);
// DateTime formatted by Format, as ZarDateTimeToString gives it.
std::string ZarFormatDateTime(std::string_view Format, TDateTime DateTime);
// DateTime formatted by FormatSettings.ShortDateFormat.
std::string ZarDateToStr(TDateTime DateTime);
// DateTime formatted by "c": the short date, then the long time unless it is midnight.
std::string ZarDateTimeToStr(TDateTime DateTime);

// ---- Parsing ----------------------------------------------------------------

// The grammar described at the top of this header, in the solar calendar.
// Numbers may be written in ASCII, Persian (U+06F0..U+06F9) or Arabic-Indic
// (U+0660..U+0669) digits, mixed freely; other scripts' digits are refused.

// True and Value set to the day serial when S is a solar date, blanks after it
// allowed; false (Value untouched) otherwise, never raises.
bool ZarTryStrToDate(std::string_view S, TDateTime& Value) noexcept;
// The day serial of the date S; raises EConvertError "Invalid date '<S>'" where
// ZarTryStrToDate fails.
TDateTime ZarStrToDate(std::string_view S);
// True and Value set when S is a date, a date and a time (text after the time is
// ignored) or a time alone (on day 0); false (Value untouched) otherwise, never raises.
bool ZarTryStrToDateTime(std::string_view S, TDateTime& Value) noexcept;
// The value of the date and time S; raises EConvertError "'<S>' is not a valid date
// and time" where ZarTryStrToDateTime fails.
TDateTime ZarStrToDateTime(std::string_view S);
// Scanners over S from the 1-based position Pos; text may follow. True and Date (a
// day serial) or Time (a time of day) set, Pos just after what was read (a date's
// trailing separator and blanks, a time's blanks); false otherwise, with Date or
// Time untouched and Pos where scanning stopped (untouched when Pos < 1). A Pos past
// the end finds nothing. They never raise.
bool ZarScanDate(std::string_view S, Integer& Pos, TDateTime& Date) noexcept;
bool ZarScanTime(std::string_view S, Integer& Pos, TDateTime& Time) noexcept;

}  // namespace zar
