#pragma once
// Fields: typed views over one column of a dataset's current record. A field
// holds no value of its own; it reads and writes the record the dataset
// makes active (the current record while browsing, the edit buffer while
// editing or inserting, the key buffer while a range key is set).
//
// Reading a closed dataset's field (or one without a record) gives null: ""
// as text, 0, 0.0 or false. Every write (SetAs..., SetText, Clear) raises
// EDatabaseError when the field has no dataset, the dataset is closed, not in
// edit, insert or set-key state ("Dataset not in edit or insert mode"), or
// the field is read-only outside set-key state; a value the field cannot hold
// raises EDatabaseError (a number or date out of range: "Value out of range for
// field 'Name'"), a text it cannot read EConvertError. A failed write leaves
// the value as it was.
// Errors the dataset itself raises start with its name and ": " when it has one.

#include <cstdint>
#include <string>
#include <string_view>

#include "DBErrors.h"
#include "DBTypes.h"
#include "DBVariant.h"

namespace zar {

class TDataSet;
class TRecordLayout;

class TField {
 public:
  TField(const TField&) = delete;
  TField& operator=(const TField&) = delete;
  virtual ~TField();

  const std::string& FieldName() const noexcept { return FFieldName; }
  // Raises EDatabaseError while the field's dataset is open.
  void SetFieldName(std::string Value);
  TFieldType DataType() const noexcept { return FDataType; }
  TDataSet* DataSet() const noexcept { return FDataSet; }
  // 1-based position of the field's column in the record; 0 while closed.
  Integer FieldNo() const noexcept { return FColumn + 1; }
  // Characters (UTF-8 characters, not bytes) a string field holds; 0 for the
  // other types unless set. SetSize raises EDatabaseError while the dataset is open.
  Integer Size() const noexcept { return FSize; }
  void SetSize(Integer Value);
  // The value's size as the host framework counts it: Size + 2 for a string,
  // 1 Boolean, 2 smallint, 8 currency, date-time and time stamp, 4 the rest.
  Integer DataSize() const noexcept;

  // A required field must have a value when its record is posted.
  bool Required() const noexcept { return FRequired; }
  void SetRequired(bool Value) noexcept { FRequired = Value; }
  bool ReadOnly() const noexcept { return FReadOnly; }
  void SetReadOnly(bool Value) noexcept { FReadOnly = Value; }
  // The label shown in grid titles; the field name unless set.
  const std::string& DisplayLabel() const noexcept;
  void SetDisplayLabel(std::string Value) { FDisplayLabel = std::move(Value); }
  // In characters; unless set (> 0): Size for a string, 6 smallint, 5 Boolean,
  // 18 date-time and time stamp, 10 the rest.
  Integer DisplayWidth() const noexcept;
  void SetDisplayWidth(Integer Value) noexcept { FDisplayWidth = Value; }
  // Whether grids show the field as a column; true unless set.
  bool Visible() const noexcept { return FVisible; }
  void SetVisible(bool Value) noexcept { FVisible = Value; }
  // taLeftJustify unless set; taRightJustify for whole-number and currency fields.
  TAlignment Alignment() const noexcept { return FAlignment; }
  void SetAlignment(TAlignment Value) noexcept { FAlignment = Value; }

  // True also while the dataset is closed or has no record.
  bool IsNull() const noexcept;
  // Makes the value null; raises as every write does.
  void Clear();
  // Whether a value may be written now: not read-only and the dataset can
  // be edited.
  bool CanModify() const noexcept;

  // The edit text ("" when null). SetAsString reads a text by the field's type;
  // the base class raises EDatabaseError "Cannot access field 'Name' as type String".
  std::string AsString() const;
  virtual void SetAsString(std::string_view Value);
  // The text shown in grids and read-only controls ("" when null).
  std::string DisplayText() const;
  std::string Text() const;  // the edit text
  void SetText(std::string_view Value) { SetAsString(Value); }

  // Typed access. A type the field does not offer raises EDatabaseError "Cannot
  // access field 'Name' as type DateTime" (Integer, Float, Boolean), reading too.
  virtual TDateTime AsDateTime() const;
  virtual void SetAsDateTime(TDateTime Value);
  virtual Integer AsInteger() const;
  virtual void SetAsInteger(Integer Value);
  virtual double AsFloat() const;
  virtual void SetAsFloat(double Value);
  virtual bool AsBoolean() const;
  virtual void SetAsBoolean(bool Value);
  // The typed value, or null (as while closed). A text assigned to a date or time
  // field is read with the host's Gregorian parser, whatever the field class; a
  // value that does not convert raises EDatabaseError ("... is not a valid value
  // for field 'Name'") or, for a date or time text, EConvertError.
  TVariant AsVariant() const;
  void SetAsVariant(const TVariant& Value);

 protected:
  explicit TField(TFieldType DataType) noexcept : FDataType(DataType) {}
  void SetDataType(TFieldType Value) noexcept { FDataType = Value; }

  // The display text (DisplayText true) or the edit text and AsString.
  virtual void GetText(std::string& Text, bool DisplayText) const = 0;

  [[noreturn]] void AccessError(std::string_view TypeName) const;
  // The active record's value; only valid when IsNull() is false.
  std::int64_t NativeValue() const noexcept;
  std::string_view StringValue() const noexcept;
  // Checked writes into the active record; they notify the dataset.
  void WriteNative(std::int64_t Value);
  void WriteString(std::string_view Value);

 private:
  friend class TDataSet;
  const std::byte* ActiveRecord() const noexcept;
  const TRecordLayout& Layout() const noexcept;

  TDataSet* FDataSet = nullptr;
  int FColumn = -1;  // column in the open dataset's records
  TFieldType FDataType;
  std::string FFieldName;
  Integer FSize = 0;
  bool FRequired = false;
  bool FReadOnly = false;
  std::string FDisplayLabel;
  Integer FDisplayWidth = 0;
  TAlignment FAlignment = taLeftJustify;
  bool FVisible = true;
};

// Text of at most Size characters (20 unless set).
class TStringField : public TField {
 public:
  TStringField() noexcept;
  // Stores Value as it is, "" as an empty value rather than null; raises
  // EDatabaseError for more than Size characters or a NUL character.
  void SetAsString(std::string_view Value) override;

 protected:
  void GetText(std::string& Text, bool DisplayText) const override;
};

// Common base of the whole-number fields.
class TIntegerField : public TField {
 public:
  // 0 when null.
  Integer AsInteger() const override;
  // Raises EDatabaseError "Value out of range" beyond the type (-32768..32767 smallint).
  void SetAsInteger(Integer Value) override;
  double AsFloat() const override;
  // Rounded to the nearest whole number (halves away from zero); NaN, infinities
  // and magnitudes beyond 2147483647 raise EDatabaseError "Value out of range".
  void SetAsFloat(double Value) override;
  // The empty text clears; otherwise an optional '-' and ASCII digits, nothing else
  // (no blanks, no '+'), or EConvertError "'text' is not a valid integer value".
  void SetAsString(std::string_view Value) override;

 protected:
  explicit TIntegerField(TFieldType DataType) noexcept;
  void GetText(std::string& Text, bool DisplayText) const override;
};

class TSmallintField : public TIntegerField {
 public:
  TSmallintField() noexcept : TIntegerField(ftSmallint) {}
};

// Numbered by the dataset when a new record is posted without a value, from a
// counter kept above the largest number the records hold; Post raises
// EDatabaseError once 2147483647 was given out.
class TAutoIncField : public TIntegerField {
 public:
  TAutoIncField() noexcept : TIntegerField(ftAutoInc) {}
};

class TBooleanField : public TField {
 public:
  TBooleanField() noexcept : TField(ftBoolean) {}
  // false when null; the text is "True", "False" or "" (null).
  bool AsBoolean() const override;
  void SetAsBoolean(bool Value) override;
  // "True" or "False" in any letter case; the empty text clears; anything else
  // raises EConvertError "'text' is not a valid boolean value".
  void SetAsString(std::string_view Value) override;

 protected:
  void GetText(std::string& Text, bool DisplayText) const override;
};

// Amounts of money, exact to 1/10000. The display text has two decimals;
// the edit text as many as the value needs.
class TCurrencyField : public TField {
 public:
  TCurrencyField() noexcept;
  double AsFloat() const override;  // 0.0 when null
  // Rounded to 1/10000; NaN, infinities and values beyond the 64-bit count raise
  // EDatabaseError "'value' is not a valid value for field 'Name'".
  void SetAsFloat(double Value) override;
  // The empty text clears; otherwise an optional '-', ASCII digits and up to four
  // decimals after FormatSettings.DecimalSeparator or '.'; anything else raises
  // EConvertError "'text' is not a valid floating point value".
  void SetAsString(std::string_view Value) override;

 protected:
  void GetText(std::string& Text, bool DisplayText) const override;
};

// Date-time, and the base of the date, time and time-stamp fields; its text
// is Gregorian, in the host's format settings. Values are kept to the
// millisecond; a date field keeps the day only, a time field the time of day.
class TDateTimeField : public TField {
 public:
  TDateTimeField() noexcept : TField(ftDateTime) {}
  TDateTime AsDateTime() const override;  // 0 when null
  // Raises EDatabaseError "Value out of range for field 'Name'" for NaN,
  // infinities and (but for a time field) days outside 0001-01-01..9999-12-31.
  void SetAsDateTime(TDateTime Value) override;
  // The empty text clears; otherwise StrToDate, StrToTime or StrToDateTime by the
  // field's type, raising their EConvertError for a text they refuse.
  void SetAsString(std::string_view Value) override;
  // A pattern (see ZarDateUtils.h) for the display text; empty: the type's default.
  const std::string& DisplayFormat() const noexcept { return FDisplayFormat; }
  void SetDisplayFormat(std::string Value) { FDisplayFormat = std::move(Value); }

 protected:
  void GetText(std::string& Text, bool DisplayText) const override;
  // DisplayFormat for the display text when set; otherwise the short date
  // format for a date, the long time format for a time, and the empty
  // pattern ("c") for the rest.
  std::string TextPattern(bool DisplayText) const;

 private:
  std::string FDisplayFormat;
};

class TDateField : public TDateTimeField {
 public:
  TDateField() noexcept { SetDataType(ftDate); }
};

class TTimeField : public TDateTimeField {
 public:
  TTimeField() noexcept { SetDataType(ftTime); }
};

class TSQLTimeStampField : public TDateTimeField {
 public:
  TSQLTimeStampField() noexcept { SetDataType(ftTimeStamp); }
};

// A nested dataset: its rows are those of the detail dataset bound to it. Its
// text is "(DataSet)", its variant null; assigning a non-null value raises
// EDatabaseError.
class TDataSetField : public TField {
 public:
  TDataSetField() noexcept : TField(ftDataSet) {}
  TDataSet* NestedDataSet() const noexcept { return FNestedDataSet; }

 protected:
  void GetText(std::string& Text, bool DisplayText) const override;

 private:
  friend class TDataSet;
  TDataSet* FNestedDataSet = nullptr;
};

}  // namespace zar
