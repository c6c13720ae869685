#pragma once
// A field value or null, as read and written through AsVariant and passed to
// Locate and key ranges.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "DateTimeBase.h"

namespace zar {

class TVariant {
 public:
  enum class TKind : std::uint8_t { Null, Boolean, Integer, Float, String, DateTime };

  TVariant() noexcept = default;  // null
  TVariant(bool value) noexcept : FValue(value) {}
  TVariant(int value) noexcept : FValue(std::int64_t{value}) {}
  TVariant(std::int64_t value) noexcept : FValue(value) {}
  TVariant(double value) noexcept : FValue(value) {}
  TVariant(std::string value) noexcept : FValue(std::move(value)) {}
  TVariant(std::string_view value) : FValue(std::string(value)) {}
  TVariant(const char* value) : FValue(std::string(value)) {}
  // A TDateTime is a double; this keeps it apart from a plain number.
  static TVariant FromDateTime(TDateTime value) noexcept {
    TVariant result;
    result.FValue = TDateTimeBox{value};
    return result;
  }

  TKind Kind() const noexcept { return static_cast<TKind>(FValue.index()); }
  bool IsNull() const noexcept { return Kind() == TKind::Null; }
  // The value of the kind named; any other kind raises std::bad_variant_access.
  bool AsBoolean() const { return std::get<bool>(FValue); }
  std::int64_t AsInteger() const { return std::get<std::int64_t>(FValue); }
  double AsFloat() const { return std::get<double>(FValue); }
  const std::string& AsString() const { return std::get<std::string>(FValue); }
  TDateTime AsDateTime() const { return std::get<TDateTimeBox>(FValue).Value; }

  // Same kind and equal value; a DateTime never equals a Float.
  friend bool operator==(const TVariant& a, const TVariant& b) noexcept = default;

 private:
  struct TDateTimeBox {
    TDateTime Value;
    friend bool operator==(const TDateTimeBox&, const TDateTimeBox&) noexcept = default;
  };
  std::variant<std::monostate, bool, std::int64_t, double, std::string, TDateTimeBox> FValue;
};

}  // namespace zar
