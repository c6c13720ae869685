#pragma once
// The core's localisable texts: Persian month and day names and messages.
// Names are UTF-8; the yeh is U+064A and Sunday, Tuesday and Thursday keep
// their zero-width non-joiner (U+200C). LoadZarDateNames copies the names into
// the tables of ZarDateUtils.h, which the formatters and controls read.

#include <array>
#include <string_view>

namespace zar {

// Long month names, Farvardin first (index 0).
inline constexpr std::array<std::string_view, 12> SZarLongMonthNames{
    "\u0641\u0631\u0648\u0631\u062F\u064A\u0646",        // Farvardin
    "\u0627\u0631\u062F\u064A\u0628\u0647\u0634\u062A",  // Ordibehesht
    "\u062E\u0631\u062F\u0627\u062F",                    // Khordad
    "\u062A\u064A\u0631",                                // Tir
    "\u0627\u0645\u0631\u062F\u0627\u062F",              // Amordad
    "\u0634\u0647\u0631\u064A\u0648\u0631",              // Shahrivar
    "\u0645\u0647\u0631",                                // Mehr
    "\u0622\u0628\u0627\u0646",                          // Aban
    "\u0622\u0630\u0631",                                // Azar
    "\u062F\u064A",                                      // Dey
    "\u0628\u0647\u0645\u0646",                          // Bahman
    "\u0627\u0633\u0641\u0646\u062F",                    // Esfand
};

// Short month names: the first three letters (Dey has two), Farvardin first.
inline constexpr std::array<std::string_view, 12> SZarShortMonthNames{
    "\u0641\u0631\u0648", "\u0627\u0631\u062F", "\u062E\u0631\u062F", "\u062A\u064A\u0631",
    "\u0627\u0645\u0631", "\u0634\u0647\u0631", "\u0645\u0647\u0631", "\u0622\u0628\u0627",
    "\u0622\u0630\u0631", "\u062F\u064A",       "\u0628\u0647\u0645", "\u0627\u0633\u0641",
};

// Long weekday names, Saturday first (index 0).
inline constexpr std::array<std::string_view, 7> SZarLongDayNames{
    "\u0634\u0646\u0628\u0647",                          // Saturday
    "\u064A\u06A9\u200C\u0634\u0646\u0628\u0647",        // Sunday
    "\u062F\u0648\u0634\u0646\u0628\u0647",              // Monday
    "\u0633\u0647\u200C\u0634\u0646\u0628\u0647",        // Tuesday
    "\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647",  // Wednesday
    "\u067E\u0646\u062C\u200C\u0634\u0646\u0628\u0647",  // Thursday
    "\u0622\u062F\u064A\u0646\u0647",                    // Friday
};

// Short weekday names: the first letter of each, Saturday first.
inline constexpr std::array<std::string_view, 7> SZarShortDayNames{
    "\u0634", "\u064A", "\u062F", "\u0633", "\u0686", "\u067E", "\u0622",
};

// Messages, in the placeholders of Format (TextFormat.h). The first three are
// the runtime's own texts, repeated by the core.
// ZarEncodeDate, ZarIncMonth and ZarDateToWeekNo raise EConvertError with it.
inline constexpr std::string_view SDateEncodeError = "Invalid argument to date encode";
// ZarStrToDateTime and ZarInvalidDateTimeError: %s is the text or the parts.
inline constexpr std::string_view SInvalidDateTime = "'%s' is not a valid date and time";
// ZarStrToDate: %s is the text.
inline constexpr std::string_view SInvalidDate = "Invalid date '%s'";
// The controls' limit errors (EZarDateTimeError for a value beyond the maximum or
// below the minimum, ECustomCalendarError for limits that cross).
inline constexpr std::string_view SZarDateTimeMax = "%s exceeds maximum of %s";
inline constexpr std::string_view SZarDateTimeMin = "%s is less than minimum of %s";
// EMonthCalError of the month calendar for a day outside 1..31.
inline constexpr std::string_view SZarInvalidDayNumber = "Invalid day number %d";
// Stands for a part of ZarInvalidDateTimeError's message that has no value.
inline constexpr std::string_view SZarMissingDateTimePart = "?";

}  // namespace zar
