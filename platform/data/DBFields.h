#pragma once
// Fields: typed views over one column of a dataset's current record. A field
// holds no value of its own; it reads and writes the record the dataset
// makes active (the current record while browsing, the edit buffer while
// editing or inserting, the key buffer while a range key is set).

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
  void SetFieldName(std::string Value);
  TFieldType DataType() const noexcept { return FDataType; }
  TDataSet* DataSet() const noexcept { return FDataSet; }
  // 1-based position of the field's column in the record; 0 while closed.
  Integer FieldNo() const noexcept { return FColumn + 1; }
  // Bytes of a string field; 0 for every other type.
  Integer Size() const noexcept { return FSize; }
  void SetSize(Integer Value);
  // Bytes the field takes in the record buffer.
  Integer DataSize() const noexcept;

  bool Required() const noexcept { return FRequired; }
  void SetRequired(bool Value) noexcept { FRequired = Value; }
  bool ReadOnly() const noexcept { return FReadOnly; }
  void SetReadOnly(bool Value) noexcept { FReadOnly = Value; }
  // The label shown in grid titles; the field name unless set.
  const std::string& DisplayLabel() const noexcept;
  void SetDisplayLabel(std::string Value) { FDisplayLabel = std::move(Value); }
  // In characters; a default that depends on the type unless set.
  Integer DisplayWidth() const noexcept;
  void SetDisplayWidth(Integer Value) noexcept { FDisplayWidth = Value; }
  // Whether grids show the field as a column; true unless set.
  bool Visible() const noexcept { return FVisible; }
  void SetVisible(bool Value) noexcept { FVisible = Value; }
  TAlignment Alignment() const noexcept { return FAlignment; }
  void SetAlignment(TAlignment Value) noexcept { FAlignment = Value; }

  // True also while the dataset is closed or has no record.
  bool IsNull() const noexcept;
  void Clear();
  // Whether a value may be written now: not read-only and the dataset can
  // be edited.
  bool CanModify() const noexcept;

  std::string AsString() const;
  virtual void SetAsString(std::string_view Value);
  std::string DisplayText() const;
  std::string Text() const;  // the edit text
  void SetText(std::string_view Value) { SetAsString(Value); }

  virtual TDateTime AsDateTime() const;
  virtual void SetAsDateTime(TDateTime Value);
  virtual Integer AsInteger() const;
  virtual void SetAsInteger(Integer Value);
  virtual double AsFloat() const;
  virtual void SetAsFloat(double Value);
  virtual bool AsBoolean() const;
  virtual void SetAsBoolean(bool Value);
  // The typed value or null. A text assigned to a date or time field is read
  // with the host's Gregorian parser.
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

class TStringField : public TField {
 public:
  TStringField() noexcept;
  void SetAsString(std::string_view Value) override;

 protected:
  void GetText(std::string& Text, bool DisplayText) const override;
};

// Common base of the whole-number fields.
class TIntegerField : public TField {
 public:
  Integer AsInteger() const override;
  void SetAsInteger(Integer Value) override;
  double AsFloat() const override;
  void SetAsFloat(double Value) override;
  void SetAsString(std::string_view Value) override;

 protected:
  explicit TIntegerField(TFieldType DataType) noexcept;
  void GetText(std::string& Text, bool DisplayText) const override;
};

class TSmallintField : public TIntegerField {
 public:
  TSmallintField() noexcept : TIntegerField(ftSmallint) {}
};

// Numbered by the dataset when a new record is posted without a value.
class TAutoIncField : public TIntegerField {
 public:
  TAutoIncField() noexcept : TIntegerField(ftAutoInc) {}
};

class TBooleanField : public TField {
 public:
  TBooleanField() noexcept : TField(ftBoolean) {}
  bool AsBoolean() const override;
  void SetAsBoolean(bool Value) override;
  // "True" or "False" in any letter case; the empty text clears.
  void SetAsString(std::string_view Value) override;

 protected:
  void GetText(std::string& Text, bool DisplayText) const override;
};

// Amounts of money, exact to 1/10000. The display text has two decimals;
// the edit text as many as the value needs.
class TCurrencyField : public TField {
 public:
  TCurrencyField() noexcept;
  double AsFloat() const override;
  void SetAsFloat(double Value) override;
  void SetAsString(std::string_view Value) override;

 protected:
  void GetText(std::string& Text, bool DisplayText) const override;
};

// Date-time, and the base of the date, time and time-stamp fields; its text
// is Gregorian, in the host's format settings.
class TDateTimeField : public TField {
 public:
  TDateTimeField() noexcept : TField(ftDateTime) {}
  TDateTime AsDateTime() const override;
  void SetAsDateTime(TDateTime Value) override;
  void SetAsString(std::string_view Value) override;
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

// A nested dataset: its rows are those of the detail dataset bound to it.
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
