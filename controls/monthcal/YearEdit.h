#pragma once
// TYearEdit: the month calendar's flat, read-only in-place year editor. Its
// year changes only through its spin control; it closes once, accepting on
// Enter, focus loss or a press on another control, cancelling on Escape.

#include <QLineEdit>
#include <functional>

#include "GuiColors.h"
#include "GuiTypes.h"

namespace zar {

class TYearEdit : public QLineEdit, public TCancelModeReceiver {
  Q_OBJECT

 public:
  // A flat, read-only, centred editor; focused by a press, not a tab stop.
  explicit TYearEdit(QWidget* parent = nullptr);

  // Shown and hidden together with the editor; not owned, null for none.
  QWidget* SpinControl() const { return FSpinControl; }
  void SetSpinControl(QWidget* value) { FSpinControl = value; }
  // The editor has been closed since it was last shown.
  bool Closed() const { return FClosed; }

  // Closes the editor once: nothing when it is closed already or nobody
  // listens to OnEndEdit.
  void EndEdit(bool Accept);
  // Shows the editor and its spin and opens it for one EndEdit.
  void ShowEditor();
  // Hides the spin and the editor; it stays open (no OnEndEdit).
  void HideEditor();

  void SetColor(TColor value);      // background
  void SetFontColor(TColor value);  // text

  // A press on another control than the editor and its spin accepts.
  void CancelMode(QWidget* Sender) override;

  // The editor closed, Accept true to take the spin's year; called once per
  // ShowEditor, before the editor hides.
  std::function<void(TObject* Sender, bool Accept)> OnEndEdit;

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* FSpinControl = nullptr;
  bool FClosed = true;
};

}  // namespace zar
