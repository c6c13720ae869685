#pragma once
// The Solar Hijri calendar core: arithmetic, Persian names, formatting and
// parsing. Every routine is a solar twin of the Gregorian runtime routine of
// the same shape (GregorianDates.h); values stay calendar-neutral TDateTime.

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

// First-week rule of ZarDateToWeekNo.
enum TSolarWeekRule : std::uint8_t {
  swrDefault = 0,        // use ZarDefaultWeekRule
  swrFirstDay = 1,       // week 1 contains 1 Farvardin
  swrFirstFourDays = 2,  // week 1 is the first with four days in the new year
  swrFirstFullWeek = 3,  // week 1 is the first starting on or after 1 Farvardin
};

extern TSolarWeekRule ZarDefaultWeekRule;  // initially swrFirstFourDays

// Month lengths indexed [year is leap][month 1..12]; entry 0 of a row is 0.
inline constexpr std::array<std::array<Word, 13>, 2> ZarMonthDays{{
    {0, 31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 29},
    {0, 31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 30},
}};

bool ZarIsLeapYear(Word Year) noexcept;
Word ZarLeapYearsUpTo(Word Year) noexcept;

bool ZarTryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date) noexcept;
TDateTime ZarEncodeDate(Word Year, Word Month, Word Day);
// Weekday 1 = Saturday .. 7 = Friday. Before the epoch (and for NaN,
// infinities or years beyond 65535) every output is 0 and the result false.
bool ZarDecodeDateFully(TDateTime DateTime, Word& Year, Word& Month, Word& Day,
                        Word& DayOfWeek) noexcept;
void ZarDecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day) noexcept;
Word ZarDayOfWeek(TDateTime DateTime) noexcept;

void ZarIncAMonth(Word& Year, Word& Month, Word& Day, Integer NumberOfMonths = 1) noexcept;
TDateTime ZarIncMonth(TDateTime DateTime, Integer NumberOfMonths = 1);
Word ZarCurrentYear();
Integer ZarDateToWeekNo(TDateTime DateTime, TSolarWeekRule Rule = swrDefault);

bool ZarTryEncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute,
                          Word Second, Word MilliSecond, TDateTime& Value) noexcept;
TDateTime ZarEncodeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Minute,
                            Word Second, Word MilliSecond);
// Always raises EConvertError naming the parts; 65535 marks a part taken
// from BaseDate ("?" when BaseDate is 0).
[[noreturn]] void ZarInvalidDateTimeError(Word Year, Word Month, Word Day, Word Hour,
                                          Word Minute, Word Second, Word MilliSecond,
                                          TDateTime BaseDate = 0);

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
// harmless.
void LoadZarDateNames();
// Fills the four tables in Letters. Like the tables, run it at start-up,
// before controls read the names (a month calendar's month menu keeps the
// names it was built with).
void LoadZarDateNames(TZarNameLetters Letters);
// The letters the tables were last filled in.
TZarNameLetters ZarNameLetters() noexcept;

// ---- Formatting -------------------------------------------------------------

// The pattern language of the Gregorian FormatDateTime with solar date parts.
// The result is at most 256 bytes and never ends in a split UTF-8 character.
// Era tokens g and e write nothing: the platform has no alternate-calendar
// date formatter. Numbers are written in FormatSettings.DigitShape (Latin
// unless set; ShapeDigits reshapes any text).
void ZarDateTimeToString(std::string& Result, std::string_view Format, TDateTime DateTime);
std::string ZarFormatDateTime(std::string_view Format, TDateTime DateTime);
std::string ZarDateToStr(TDateTime DateTime);
std::string ZarDateTimeToStr(TDateTime DateTime);

// ---- Parsing ----------------------------------------------------------------

// Numbers may be written in ASCII, Persian (U+06F0..U+06F9) or Arabic-Indic
// (U+0660..U+0669) digits, mixed freely; other scripts' digits are refused.

bool ZarTryStrToDate(std::string_view S, TDateTime& Value) noexcept;
TDateTime ZarStrToDate(std::string_view S);
bool ZarTryStrToDateTime(std::string_view S, TDateTime& Value) noexcept;
TDateTime ZarStrToDateTime(std::string_view S);
// Scanners over S with a 1-based in/out position; they never raise.
bool ZarScanDate(std::string_view S, Integer& Pos, TDateTime& Date) noexcept;
bool ZarScanTime(std::string_view S, Integer& Pos, TDateTime& Time) noexcept;

}  // namespace zar
