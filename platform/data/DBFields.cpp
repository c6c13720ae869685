#include "DBFields.h"

#include <cmath>

#include "DBConvert.h"
#include "DBDataSet.h"
#include "DBErrors.h"
#include "DBMessages.h"
#include "GregorianDates.h"

namespace zar {

TField::~TField() = default;

void TField::SetFieldName(std::string Value) {
  if (FDataSet) FDataSet->CheckInactive();
  FFieldName = std::move(Value);
}

void TField::SetSize(Integer Value) {
  if (FDataSet) FDataSet->CheckInactive();
  FSize = Value;
}

Integer TField::DataSize() const noexcept {
  switch (FDataType) {
    case ftString: return FSize + 2;
    case ftBoolean: return 1;
    case ftSmallint: return 2;
    case ftCurrency:
    case ftDateTime:
    case ftTimeStamp: return 8;
    default: return 4;
  }
}

const std::string& TField::DisplayLabel() const noexcept {
  return FDisplayLabel.empty() ? FFieldName : FDisplayLabel;
}

Integer TField::DisplayWidth() const noexcept {
  if (FDisplayWidth > 0) return FDisplayWidth;
  switch (FDataType) {
    case ftString: return FSize;
    case ftSmallint: return 6;
    case ftBoolean: return 5;
    case ftDateTime:
    case ftTimeStamp: return 18;
    default: return 10;
  }
}

const std::byte* TField::ActiveRecord() const noexcept {
  return FDataSet && FColumn >= 0 ? FDataSet->ActiveRecord() : nullptr;
}

const TRecordLayout& TField::Layout() const noexcept { return FDataSet->Layout(); }

bool TField::IsNull() const noexcept {
  const std::byte* record = ActiveRecord();
  return !record || Layout().IsNull(record, static_cast<std::size_t>(FColumn));
}

bool TField::CanModify() const noexcept {
  return !FReadOnly && FColumn >= 0 && FDataSet && FDataSet->CanModify();
}

std::int64_t TField::NativeValue() const noexcept {
  return Layout().Native(ActiveRecord(), static_cast<std::size_t>(FColumn));
}

std::string_view TField::StringValue() const noexcept {
  return Layout().String(ActiveRecord(), static_cast<std::size_t>(FColumn));
}

void TField::WriteNative(std::int64_t Value) {
  std::byte* record = FDataSet ? FDataSet->WritableRecord(*this) : nullptr;
  if (!record) DatabaseError(FieldHasNoDataSet(FFieldName));
  Layout().SetNative(record, static_cast<std::size_t>(FColumn), Value);
  FDataSet->FieldChanged(*this);
}

void TField::WriteString(std::string_view Value) {
  std::byte* record = FDataSet ? FDataSet->WritableRecord(*this) : nullptr;
  if (!record) DatabaseError(FieldHasNoDataSet(FFieldName));
  Layout().SetString(record, static_cast<std::size_t>(FColumn), Value);
  FDataSet->FieldChanged(*this);
}

void TField::Clear() { SetAsVariant(TVariant()); }

void TField::AccessError(std::string_view TypeName) const {
  DatabaseError("Cannot access field " + Quoted(FFieldName) + " as type " + std::string(TypeName));
}

std::string TField::AsString() const {
  std::string text;
  GetText(text, false);
  return text;
}

std::string TField::DisplayText() const {
  std::string text;
  GetText(text, true);
  return text;
}

std::string TField::Text() const { return AsString(); }

void TField::SetAsString(std::string_view) { AccessError("String"); }
TDateTime TField::AsDateTime() const { AccessError("DateTime"); }
void TField::SetAsDateTime(TDateTime) { AccessError("DateTime"); }
Integer TField::AsInteger() const { AccessError("Integer"); }
void TField::SetAsInteger(Integer) { AccessError("Integer"); }
double TField::AsFloat() const { AccessError("Float"); }
void TField::SetAsFloat(double) { AccessError("Float"); }
bool TField::AsBoolean() const { AccessError("Boolean"); }
void TField::SetAsBoolean(bool) { AccessError("Boolean"); }

TVariant TField::AsVariant() const {
  const std::byte* record = ActiveRecord();
  if (!record) return {};
  return NativeToVariant(Layout(), record, static_cast<std::size_t>(FColumn));
}

void TField::SetAsVariant(const TVariant& Value) {
  std::byte* record = FDataSet ? FDataSet->WritableRecord(*this) : nullptr;
  if (!record) DatabaseError(FieldHasNoDataSet(FFieldName));
  const auto column = static_cast<std::size_t>(FColumn);
  StoreNative(Layout(), record, column, VariantToNative(Layout().Slot(column), Value));
  FDataSet->FieldChanged(*this);
}

// ---- Strings ------------------------------------------------------------------

TStringField::TStringField() noexcept : TField(ftString) { SetSize(20); }

void TStringField::SetAsString(std::string_view Value) { WriteString(Value); }

void TStringField::GetText(std::string& Text, bool) const {
  Text = IsNull() ? std::string() : std::string(StringValue());
}

// ---- Whole numbers -------------------------------------------------------------

TIntegerField::TIntegerField(TFieldType DataType) noexcept : TField(DataType) {
  SetAlignment(taRightJustify);
}

Integer TIntegerField::AsInteger() const {
  return IsNull() ? 0 : static_cast<Integer>(NativeValue());
}

void TIntegerField::SetAsInteger(Integer Value) { WriteNative(Value); }

double TIntegerField::AsFloat() const { return AsInteger(); }

void TIntegerField::SetAsFloat(double Value) {
  if (!std::isfinite(Value) || std::fabs(Value) > 2147483647.0)
    DatabaseError(SValueOutOfRange + Quoted(FieldName()));
  WriteNative(std::llround(Value));
}

void TIntegerField::SetAsString(std::string_view Value) {
  if (Value.empty()) return Clear();
  std::int64_t number = 0;
  if (!TextToInteger(Value, number))
    throw EConvertError(Quoted(Value) + " is not a valid integer value");
  WriteNative(number);
}

void TIntegerField::GetText(std::string& Text, bool) const {
  Text = IsNull() ? std::string() : std::to_string(NativeValue());
}

// ---- Booleans --------------------------------------------------------------------

bool TBooleanField::AsBoolean() const { return !IsNull() && NativeValue() != 0; }

void TBooleanField::SetAsBoolean(bool Value) { WriteNative(Value ? 1 : 0); }

void TBooleanField::SetAsString(std::string_view Value) {
  if (Value.empty()) return Clear();
  if (SameFieldName(Value, "True")) return SetAsBoolean(true);
  if (SameFieldName(Value, "False")) return SetAsBoolean(false);
  throw EConvertError(Quoted(Value) + " is not a valid boolean value");
}

void TBooleanField::GetText(std::string& Text, bool) const {
  Text = IsNull() ? "" : NativeValue() != 0 ? "True" : "False";
}

// ---- Currency ------------------------------------------------------------------------

TCurrencyField::TCurrencyField() noexcept : TField(ftCurrency) { SetAlignment(taRightJustify); }

double TCurrencyField::AsFloat() const {
  return IsNull() ? 0.0 : static_cast<double>(NativeValue()) / CurrencyScale;
}

void TCurrencyField::SetAsFloat(double Value) { SetAsVariant(TVariant(Value)); }

void TCurrencyField::SetAsString(std::string_view Value) {
  if (Value.empty()) return Clear();
  std::int64_t scaled = 0;
  if (!TextToCurrency(Value, FormatSettings.DecimalSeparator, scaled) &&
      !TextToCurrency(Value, '.', scaled))
    throw EConvertError(Quoted(Value) + " is not a valid floating point value");
  WriteNative(scaled);
}

void TCurrencyField::GetText(std::string& Text, bool DisplayText) const {
  if (IsNull()) {
    Text.clear();
    return;
  }
  const char separator = FormatSettings.DecimalSeparator ? FormatSettings.DecimalSeparator : '.';
  Text = DisplayText ? CurrencyToText(NativeValue(), separator, 2, 2)
                     : CurrencyToText(NativeValue(), separator, 0);
}

// ---- Dates and times ----------------------------------------------------------------------

TDateTime TDateTimeField::AsDateTime() const {
  return IsNull() ? 0.0 : NativeToDateTime(DataType(), NativeValue());
}

void TDateTimeField::SetAsDateTime(TDateTime Value) {
  std::int64_t native = 0;
  if (!DateTimeToNative(DataType(), Value, native))
    DatabaseError(SValueOutOfRange + Quoted(FieldName()));
  WriteNative(native);
}

void TDateTimeField::SetAsString(std::string_view Value) {
  if (Value.empty()) return Clear();
  switch (DataType()) {
    case ftDate: return SetAsDateTime(StrToDate(Value));
    case ftTime: return SetAsDateTime(StrToTime(Value));
    default: return SetAsDateTime(StrToDateTime(Value));
  }
}

std::string TDateTimeField::TextPattern(bool DisplayText) const {
  if (DisplayText && !FDisplayFormat.empty()) return FDisplayFormat;
  switch (DataType()) {
    case ftDate: return FormatSettings.ShortDateFormat;
    case ftTime: return FormatSettings.LongTimeFormat;
    default: return {};
  }
}

void TDateTimeField::GetText(std::string& Text, bool DisplayText) const {
  if (IsNull()) {
    Text.clear();
    return;
  }
  DateTimeToString(Text, TextPattern(DisplayText), AsDateTime());
}

// ---- Nested datasets -------------------------------------------------------------------------

void TDataSetField::GetText(std::string& Text, bool) const { Text = "(DataSet)"; }

}  // namespace zar
