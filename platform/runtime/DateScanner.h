#pragma once
// The one date and time scanner behind both calendars' parsers
// (ZarStrToDate and StrToDate and their siblings). Up to three numbers
// separated by the date separator, ordered as the short date format orders
// them, optionally followed by a time of day. The calendar supplies only
// how a year, month and day become a day serial and what year it is now.
//
// Any byte string is accepted as input: the scanners read by length (an
// embedded NUL is an ordinary character), step over UTF-8 sequences whole,
// never raise and allocate nothing.

#include <string_view>

#include "DateTimeBase.h"

namespace zar {

struct TCalendarEncoding {
  bool (*TryEncodeDate)(Word year, Word month, Word day, TDateTime& date) noexcept;
  Word (*CurrentYear)();  // for a date without a year and the two-digit-year window
};

// Scanners with a 1-based in/out position, as the public ZarScanDate and
// ZarScanTime expose them. A position before the text fails; a failed scan
// leaves Pos where scanning stopped.
bool ScanDateText(std::string_view S, Integer& Pos, TDateTime& Date,
                  const TCalendarEncoding& calendar) noexcept;
bool ScanTimeText(std::string_view S, Integer& Pos, TDateTime& Time) noexcept;

// Whole-text parsers. A date may be followed by blanks and one date
// separator; a date and time may be a time alone, and text after a time
// that follows a date is ignored; a time may be followed by blanks.
bool ParseDateText(std::string_view S, TDateTime& Value,
                   const TCalendarEncoding& calendar) noexcept;
bool ParseDateTimeText(std::string_view S, TDateTime& Value,
                       const TCalendarEncoding& calendar) noexcept;
bool ParseTimeText(std::string_view S, TDateTime& Value) noexcept;

// The raising form of a Try parser: its value, or EConvertError with
// message, whose %s is replaced by S.
using TTryParse = bool (*)(std::string_view S, TDateTime& Value) noexcept;
TDateTime ParseOrRaise(TTryParse tryParse, std::string_view S, std::string_view message);

}  // namespace zar
