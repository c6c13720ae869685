#pragma once
// Dataset fields that keep a calendar-neutral date or date-time but show and
// accept it as Solar Hijri text. Everything but the text conversion is the
// plain date-time field's.

#include <string>
#include <string_view>

#include "DBFields.h"

namespace zar {

class TZarDateTimeField : public TDateTimeField {
 public:
  TZarDateTimeField() noexcept = default;
  // The empty text clears; otherwise the text is read by the solar parser
  // (ZarStrToDate for a date, ZarStrToDateTime for a date-time) or, for a
  // time, by the host's time parser. A text that does not parse raises
  // EConvertError and leaves the value as it was.
  void SetAsString(std::string_view Value) override;

 protected:
  // The pattern of the plain field, written by the solar formatter.
  void GetText(std::string& Text, bool DisplayText) const override;
};

class TZarDateField : public TZarDateTimeField {
 public:
  TZarDateField() noexcept { SetDataType(ftDate); }
};

}  // namespace zar
