#pragma once
// TDBExZarDatePicker: the extended picker bound to one field of a data
// source's dataset. It shows the field of the current record, asks the
// dataset to enter edit mode only when the user really changes the value,
// writes the value back when the record is posted or the focus leaves, and
// gives up a pending change on Escape while the calendar is closed. Date,
// time, date-time and time-stamp fields choose the picker's Kind; a string
// field holds the value as text formatted in the active calendar.

#include <string>

#include "DataSource.h"
#include "ExZarDatePicker.h"

namespace zar {

class TDBExZarDatePicker : public TCustomExZarDatePicker {
 public:
  explicit TDBExZarDatePicker(QWidget* parent = nullptr);
  ~TDBExZarDatePicker() override;

  // Name of the bound field. Setting it while the dataset is open adapts
  // Kind (or, for a string field, switches the calendar switch off).
  const std::string& DataField() const noexcept { return FDataLink.FieldName(); }
  void SetDataField(std::string Value);
  // The source whose dataset the picker follows; nullptr for none.
  TDataSource* DataSource() const noexcept { return FDataLink.DataSource(); }
  void SetDataSource(TDataSource* Value) { FDataLink.SetDataSource(Value); }
  // The link's read-only flag (the picker's own flag follows edit mode).
  bool ReadOnly() const noexcept { return FDataLink.ReadOnly(); }
  void SetReadOnly(bool Value) { FDataLink.SetReadOnly(Value); }
  // Pattern of the text written into a string field; empty for the
  // standard one of the Kind ("yyyy/mm/dd", or "yy/mm/dd" for a field whose
  // Size is below 10, for dates). Writing raises EDatabaseError when the text
  // has more characters than the field's Size or would not read back as the
  // chosen day.
  const std::string& StringFormat() const noexcept { return FStringFormat; }
  void SetStringFormat(std::string Value) { FStringFormat = std::move(Value); }

  // The bound field; null while the dataset is closed or has no such field.
  TField* Field() const noexcept { return FDataLink.Field(); }
  // The link: the answer to the host's query for a control's data link.
  TFieldDataLink& DataLink() noexcept { return FDataLink; }
  // The user changed the value and it has been neither written nor given up.
  bool ValueModified() const noexcept { return FValueModified; }
  // The link performs a dataset action (such as a navigator's) for the
  // control; true when it did.
  bool ExecuteAction(TBasicAction& Action) { return FDataLink.ExecuteAction(Action); }
  bool UpdateAction(TBasicAction& Action) { return FDataLink.UpdateAction(Action); }

  // As the extended picker's; a day accepted while the value is null counts as
  // a change even when it equals the hidden value.
  void CloseUp(bool accept) override;

 protected:
  void Paint() override;
  bool CanModify() override;
  bool NeedsHighlight() override;
  void PaintSegment(int index) override;
  void CheckedChanged() override;
  void Change() override;
  bool DialogKey(Word Key, TShiftState Shift) override;
  void DoExit() override;

 private:
  // Link notifications.
  void DataChange();
  void EditingChange();
  void UpdateData();
  void ActiveChange();

  void StartEditing();
  void MarkModified();
  void ResetValue();
  void WriteString(TField& Field);
  void WriteDateTime(TField& Field);
  void WriteNull(TField& Field);

  TFieldDataLink FDataLink;
  bool FValueModified = false;
  std::string FStringFormat;
  bool FDataChanging = false;  // loading the field, or asking for edit mode
  int FChangeCount = 0;        // Change calls, to see whether one happened
};

}  // namespace zar
