#pragma once
// TDBEdit: a line edit bound to one field of a data source's dataset. It
// shows the field's display text, and its edit text while it has the focus;
// typing first asks the dataset to enter edit mode (refused keys beep), and
// the text is stored into the field when the record is posted or the focus
// leaves. A text the field refuses stays in the edit, the record stays in
// edit mode, and the error goes to the application's default handler.

#include <QLineEdit>
#include <string>

#include "DataSource.h"

namespace zar {

class TDBEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TDBEdit(QWidget* parent = nullptr);

  // The source whose dataset the edit follows; nullptr for none.
  TDataSource* DataSource() const noexcept { return FDataLink.DataSource(); }
  void SetDataSource(TDataSource* Value) { FDataLink.SetDataSource(Value); }
  // Name of the bound field; empty for none.
  const std::string& DataField() const noexcept { return FDataLink.FieldName(); }
  void SetDataField(std::string Value) { FDataLink.SetFieldName(std::move(Value)); }
  // The link's read-only flag: the edit shows the field but never changes it.
  bool ReadOnly() const noexcept { return FDataLink.ReadOnly(); }
  void SetReadOnly(bool Value) { FDataLink.SetReadOnly(Value); }
  // The bound field; null while the dataset is closed or has no such field.
  TField* Field() const noexcept { return FDataLink.Field(); }
  // The link, for actions and for controls built on the edit.
  TFieldDataLink& DataLink() noexcept { return FDataLink; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void DataChange();
  void EditingChange();
  void UpdateData();
  void UserEdited();
  bool BeginChange();
  void UpdateReadOnly();

  TFieldDataLink FDataLink;
  bool FFocused = false;
};

}  // namespace zar
