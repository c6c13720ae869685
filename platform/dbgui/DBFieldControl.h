#pragma once
// What the data-aware controls bound to one field share: the field data
// link and the properties that pass straight through to it. The control
// derives from its Qt widget first and from this second.

#include <functional>
#include <string>
#include <utility>

#include "DataSource.h"

namespace zar {

class TDBFieldControl {
 public:
  // The source whose dataset the control follows; nullptr for none.
  TDataSource* DataSource() const noexcept { return FDataLink.DataSource(); }
  void SetDataSource(TDataSource* Value) { FDataLink.SetDataSource(Value); }
  // Name of the bound field; empty for none.
  const std::string& DataField() const noexcept { return FDataLink.FieldName(); }
  void SetDataField(std::string Value) { FDataLink.SetFieldName(std::move(Value)); }
  // The link's read-only flag: the control shows the field but never changes it.
  bool ReadOnly() const noexcept { return FDataLink.ReadOnly(); }
  void SetReadOnly(bool Value) { FDataLink.SetReadOnly(Value); }
  // The bound field; null while the dataset is closed or has no such field.
  TField* Field() const noexcept { return FDataLink.Field(); }
  // The link, for actions and for controls built on this one.
  TFieldDataLink& DataLink() noexcept { return FDataLink; }

 protected:
  // Makes Control the link's control. DataChange runs when the field's value
  // or the record changes and when the dataset opens or closes; UpdateData
  // stores the control's value into the field before the record is posted.
  TDBFieldControl(void* Control, std::function<void()> DataChange,
                  std::function<void()> UpdateData) {
    FDataLink.SetControl(Control);
    FDataLink.OnDataChange = DataChange;
    FDataLink.OnUpdateData = std::move(UpdateData);
    FDataLink.OnActiveChange = std::move(DataChange);
  }
  ~TDBFieldControl() = default;

  TFieldDataLink FDataLink;
};

}  // namespace zar
