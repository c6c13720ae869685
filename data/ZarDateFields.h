#pragma once
// Dataset fields that keep a calendar-neutral date or date-time but show and
// accept it as Solar Hijri text. Everything but the text conversion is the
// plain date-time field's: reading, range (days 0001-01-01..9999-12-31, so
// solar dates up to 9378/10/10) and failure. AsVariant and SetAsVariant, like
// Locate, ranges and filters, still read a text as a Gregorian date.

#include <string>
#include <string_view>

#include "DBFields.h"

namespace zar {

// A date-time field (ftDateTime) with solar text.
class TZarDateTimeField : public TDateTimeField {
 public:
  TZarDateTimeField() noexcept = default;
  // The empty text clears; otherwise the text is read by the solar parser
  // (ZarStrToDate for a date, ZarStrToDateTime for a date-time) or, for a
  // time, by the host's time parser. A text that does not parse raises
  // EConvertError and leaves the value as it was; a solar date after 9378/10/10
  // raises EDatabaseError "Value out of range for field 'Name'".
  void SetAsString(std::string_view Value) override;

 protected:
  // The pattern of the plain field (DisplayFormat, else the short date format for
  // a date, "c" for a date-time), written by the solar formatter.
  void GetText(std::string& Text, bool DisplayText) const override;
};

// A date field (ftDate) with solar text, such as "1403/01/01".
class TZarDateField : public TZarDateTimeField {
 public:
  TZarDateField() noexcept { SetDataType(ftDate); }
};

}  // namespace zar
