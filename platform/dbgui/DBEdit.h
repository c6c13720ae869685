#pragma once
// TDBEdit: a line edit bound to one field of a data source's dataset. It
// shows the field's display text, and its edit text while it has the focus;
// typing first asks the dataset to enter edit mode (refused keys beep), and
// the text is stored into the field when the record is posted or the focus
// leaves. A text the field refuses stays in the edit, the record stays in
// edit mode, and the error goes to the application's default handler.

#include <QLineEdit>

#include "DBFieldControl.h"

namespace zar {

class TDBEdit : public QLineEdit, public TDBFieldControl {
  Q_OBJECT
 public:
  explicit TDBEdit(QWidget* parent = nullptr);

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

  bool FFocused = false;
};

}  // namespace zar
