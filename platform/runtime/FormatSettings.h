#pragma once
// Process-wide format settings read by both calendars' formatters and parsers.
// They are set once at start-up (the demonstration sets ShortDateFormat) and
// read on every call; there are no locks.
// The pattern tokens and the parsers' grammar are described in ZarDateUtils.h.

#include <array>
#include <string>

#include "DateTimeBase.h"
#include "DigitShapes.h"

namespace zar {

struct TFormatSettings {
  // Pattern of ddddd, c, DateToStr and ZarDateToStr; its first d, m, y or e
  // also orders the numbers of a parsed date.
  std::string ShortDateFormat = "yyyy/mm/dd";
  std::string LongDateFormat = "dddd d mmmm yyyy";  // pattern of dddddd
  std::string ShortTimeFormat = "hh:nn";            // pattern of t
  std::string LongTimeFormat = "hh:nn:ss";          // pattern of tt, c and TimeToStr
  // The separators written for "/" and ":" (and in ZarInvalidDateTimeError's
  // message) and the only ones read between date and between time parts.
  char DateSeparator = '/';  // '\0' writes nothing for "/"
  char TimeSeparator = ':';  // '\0' writes nothing for ":"
  // Read before parsed milliseconds; also the currency fields' separator.
  char DecimalSeparator = '.';
  // Written by ampm; read (as well as AM and PM) by the parsers, in any ASCII case.
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  // A parsed one- or two-digit year lands in the hundred years that start
  // this many years before the current year; 0 keeps the current century.
  Word TwoDigitYearCenturyWindow = 50;
  // Script of the digits the formatters write for numbers; the parsers read
  // all three scripts whatever it is.
  TDigitShape DigitShape = dgLatin;
  // Gregorian names; index 0 is January and Sunday respectively.
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
  // Locale traits the date scanner honours. The platform has no East Asian
  // locale support, so these stay off and empty unless a caller sets them.
  bool FarEastLocale = false;
  bool KoreanLocale = false;
  std::array<std::string, 7> EraNames{};
  std::array<Integer, 7> EraYearOffsets{};
};

extern TFormatSettings FormatSettings;

}  // namespace zar
