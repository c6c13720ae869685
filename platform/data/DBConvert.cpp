#include "DBConvert.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "DBErrors.h"
#include "DBMessages.h"
#include "GregorianDates.h"

namespace zar {

namespace {

[[noreturn]] void NotConvertible(const TFieldSlot& slot, std::string_view what) {
  DatabaseError(std::string(what) + " is not a valid value for field " + Quoted(slot.Name));
}

std::string VariantText(const TVariant& value) {
  switch (value.Kind()) {
    case TVariant::TKind::Boolean: return value.AsBoolean() ? "True" : "False";
    case TVariant::TKind::Integer: return std::to_string(value.AsInteger());
    case TVariant::TKind::Float: {
      char buffer[32];
      const auto end = std::to_chars(buffer, buffer + sizeof buffer, value.AsFloat()).ptr;
      return {buffer, end};
    }
    case TVariant::TKind::String: return value.AsString();
    case TVariant::TKind::DateTime: return DateTimeToStr(value.AsDateTime());
    case TVariant::TKind::Null: break;
  }
  return {};
}

// Whether a whole number converts to a 64-bit integer without overflow.
bool FitsInt64(double x) noexcept {
  return x >= -9223372036854775808.0 && x < 9223372036854775808.0;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept {
  return SameFieldName(a, b);
}

TDateTime ParseDateTimeText(TFieldType type, std::string_view text) {
  switch (type) {
    case ftDate: return StrToDate(text);
    case ftTime: return StrToTime(text);
    default: return StrToDateTime(text);
  }
}

std::int64_t ToDateTimeNative(const TFieldSlot& slot, const TVariant& value) {
  TDateTime moment = 0;
  switch (value.Kind()) {
    case TVariant::TKind::DateTime: moment = value.AsDateTime(); break;
    case TVariant::TKind::Float: moment = value.AsFloat(); break;
    case TVariant::TKind::Integer: moment = static_cast<TDateTime>(value.AsInteger()); break;
    case TVariant::TKind::String: moment = ParseDateTimeText(slot.Type, value.AsString()); break;
    default: NotConvertible(slot, VariantText(value));
  }
  std::int64_t native = 0;
  if (!DateTimeToNative(slot.Type, moment, native))
    DatabaseError(SValueOutOfRange + Quoted(slot.Name));
  return native;
}

std::int64_t ToIntegerNative(const TFieldSlot& slot, const TVariant& value) {
  std::int64_t number = 0;
  switch (value.Kind()) {
    case TVariant::TKind::Integer: return value.AsInteger();
    case TVariant::TKind::Float: {
      const double x = value.AsFloat();
      if (std::trunc(x) == x && FitsInt64(x)) return static_cast<std::int64_t>(x);
      break;
    }
    case TVariant::TKind::String:
      if (TextToInteger(value.AsString(), number)) return number;
      break;
    default: break;
  }
  NotConvertible(slot, Quoted(VariantText(value)));
}

std::int64_t ToBooleanNative(const TFieldSlot& slot, const TVariant& value) {
  switch (value.Kind()) {
    case TVariant::TKind::Boolean: return value.AsBoolean() ? 1 : 0;
    case TVariant::TKind::Integer: return value.AsInteger() != 0 ? 1 : 0;
    case TVariant::TKind::String:
      if (EqualsIgnoringCase(value.AsString(), "True")) return 1;
      if (EqualsIgnoringCase(value.AsString(), "False")) return 0;
      break;
    default: break;
  }
  NotConvertible(slot, Quoted(VariantText(value)));
}

std::int64_t ToCurrencyNative(const TFieldSlot& slot, const TVariant& value) {
  std::int64_t scaled = 0;
  switch (value.Kind()) {
    case TVariant::TKind::Integer:
      if (value.AsInteger() <= std::numeric_limits<std::int64_t>::max() / CurrencyScale &&
          value.AsInteger() >= std::numeric_limits<std::int64_t>::min() / CurrencyScale)
        return value.AsInteger() * CurrencyScale;
      break;
    case TVariant::TKind::Float: {
      const double x = std::round(value.AsFloat() * CurrencyScale);
      if (FitsInt64(x)) return static_cast<std::int64_t>(x);
      break;
    }
    case TVariant::TKind::String:
      if (TextToCurrency(value.AsString(), FormatSettings.DecimalSeparator, scaled) ||
          TextToCurrency(value.AsString(), '.', scaled))
        return scaled;
      break;
    default: break;
  }
  NotConvertible(slot, Quoted(VariantText(value)));
}

}  // namespace

TNativeValue VariantToNative(const TFieldSlot& slot, const TVariant& value) {
  TNativeValue result;
  if (value.IsNull()) return result;
  result.Null = false;
  switch (slot.Type) {
    case ftString: result.Text = VariantText(value); break;
    case ftSmallint:
    case ftAutoInc: result.Native = ToIntegerNative(slot, value); break;
    case ftBoolean: result.Native = ToBooleanNative(slot, value); break;
    case ftCurrency: result.Native = ToCurrencyNative(slot, value); break;
    case ftDate:
    case ftTime:
    case ftDateTime:
    case ftTimeStamp: result.Native = ToDateTimeNative(slot, value); break;
    case ftDataSet:
    case ftUnknown: DatabaseError("Field " + Quoted(slot.Name) + " cannot be assigned a value");
  }
  return result;
}

void StoreNative(const TRecordLayout& layout, std::byte* row, std::size_t field,
                 const TNativeValue& value) {
  if (value.Null)
    layout.SetNull(row, field);
  else if (layout.Slot(field).Type == ftString)
    layout.SetString(row, field, value.Text);
  else
    layout.SetNative(row, field, value.Native);
}

void StoreKey(const TRecordLayout& layout, std::byte* row, std::size_t field,
              const TNativeValue& value) {
  if (!value.Null && layout.Slot(field).Type == ftString)
    layout.SetKeyString(row, field, value.Text);
  else
    StoreNative(layout, row, field, value);
}

TVariant NativeToVariant(const TRecordLayout& layout, const std::byte* row, std::size_t field) {
  if (layout.IsNull(row, field)) return {};
  const TFieldType type = layout.Slot(field).Type;
  const std::int64_t native = layout.Native(row, field);
  switch (type) {
    case ftString: return TVariant(layout.String(row, field));
    case ftBoolean: return TVariant(native != 0);
    case ftSmallint:
    case ftAutoInc: return TVariant(native);
    case ftCurrency: return TVariant(static_cast<double>(native) / CurrencyScale);
    case ftDate:
    case ftTime:
    case ftDateTime:
    case ftTimeStamp: return TVariant::FromDateTime(NativeToDateTime(type, native));
    case ftDataSet:
    case ftUnknown: break;
  }
  return {};
}

bool TextToInteger(std::string_view text, std::int64_t& value) noexcept {
  if (text.empty() || text.front() == '+') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool TextToCurrency(std::string_view text, char separator, std::int64_t& scaled) noexcept {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t point = text.find(separator);
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || fraction.size() > 4 || (point != std::string_view::npos && fraction.empty()))
    return false;
  // Accumulated as a negative number so that the most negative value fits.
  constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
  std::int64_t accumulated = 0;
  auto addDigit = [&](char c) {
    if (c < '0' || c > '9') return false;
    if (accumulated < (min + (c - '0')) / 10) return false;
    accumulated = accumulated * 10 - (c - '0');
    return true;
  };
  for (const char c : whole)
    if (!addDigit(c)) return false;
  for (std::size_t i = 0; i < 4; ++i)
    if (!addDigit(i < fraction.size() ? fraction[i] : '0')) return false;
  if (!negative && accumulated == min) return false;
  scaled = negative ? accumulated : -accumulated;
  return true;
}

std::string CurrencyToText(std::int64_t scaled, char separator, int minDecimals, int maxDecimals) {
  const bool negative = scaled < 0;
  // Work on the magnitude as unsigned so that the most negative value is safe.
  std::uint64_t magnitude =
      negative ? ~static_cast<std::uint64_t>(scaled) + 1 : static_cast<std::uint64_t>(scaled);
  std::uint64_t divisor = 1;
  for (int i = maxDecimals; i < 4; ++i) divisor *= 10;
  magnitude = (magnitude + divisor / 2) / divisor;  // half away from zero
  std::uint64_t unit = 1;
  for (int i = 0; i < maxDecimals; ++i) unit *= 10;
  std::string result = negative && magnitude != 0 ? "-" : "";
  result += std::to_string(magnitude / unit);
  std::string decimals = maxDecimals > 0 ? std::to_string(magnitude % unit) : std::string();
  decimals.insert(0, static_cast<std::size_t>(maxDecimals) - decimals.size(), '0');
  while (static_cast<int>(decimals.size()) > minDecimals && decimals.back() == '0')
    decimals.pop_back();
  if (!decimals.empty()) {
    result += separator;
    result += decimals;
  }
  return result;
}

}  // namespace zar
