#pragma once
// Conversions between values given by callers (variants, texts) and the
// native values of record slots. Texts of dates and times are read with the
// host's Gregorian parsers in the process-wide format settings: this is how
// AsVariant, Locate, key ranges and filter literals read them, whatever the
// field class (a solar field changes only its own text conversion).

#include <cstdint>
#include <string>
#include <string_view>

#include "DBRecords.h"
#include "DBVariant.h"

namespace zar {

struct TNativeValue {
  bool Null = true;
  std::int64_t Native = 0;  // every type but string
  std::string Text;         // string
};

// A null value stays null; a string slot takes any value's text (Booleans as
// "True"/"False", a DateTime by DateTimeToStr). Raises EDatabaseError (or the
// runtime's EConvertError for a date or time text) naming the field when the
// value does not convert.
TNativeValue VariantToNative(const TFieldSlot& slot, const TVariant& value);
// Writes a converted value into a record; raises EDatabaseError when the slot
// cannot hold it (a text too long or with a NUL, a number out of range).
void StoreNative(const TRecordLayout& layout, std::byte* row, std::size_t field,
                 const TNativeValue& value);
// The same into a search key or literal, where text may be of any length.
void StoreKey(const TRecordLayout& layout, std::byte* row, std::size_t field,
              const TNativeValue& value);
// The field's value as a variant; null when it has none (and for a nested field).
TVariant NativeToVariant(const TRecordLayout& layout, const std::byte* row, std::size_t field);

// Decimal integers: an optional '-' and ASCII digits, nothing else (no '+', no
// blanks); false for anything else or beyond 64 bits.
bool TextToInteger(std::string_view text, std::int64_t& value) noexcept;
// Currency texts: an optional '-', digits, optionally the separator and up to
// four more digits. Fails on anything else and on overflow.
bool TextToCurrency(std::string_view text, char separator, std::int64_t& scaled) noexcept;
// At least minDecimals decimals (rounded half away from zero when fewer than
// four are kept), at most four, trailing zeros beyond minDecimals dropped.
std::string CurrencyToText(std::int64_t scaled, char separator, int minDecimals,
                           int maxDecimals = 4);

}  // namespace zar
