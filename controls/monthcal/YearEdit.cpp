#include "YearEdit.h"

#include <QKeyEvent>

namespace zar {

TYearEdit::TYearEdit(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  setReadOnly(true);
  setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  setAlignment(Qt::AlignCenter);
  setTextMargins(0, 0, 0, 0);
}

void TYearEdit::EndEdit(bool Accept) {
  if (FClosed || !OnEndEdit) return;
  // Closed before the handler runs: the focus change it causes must not
  // close the editor a second time.
  FClosed = true;
  OnEndEdit(this, Accept);
  HideEditor();
}

void TYearEdit::ShowEditor() {
  show();
  if (FSpinControl) FSpinControl->show();
  FClosed = false;
}

void TYearEdit::HideEditor() {
  if (FSpinControl) FSpinControl->hide();
  hide();
}

void TYearEdit::SetColor(TColor value) {
  QPalette pal = palette();
  pal.setColor(QPalette::Base, ColorToQColor(value, pal));
  setPalette(pal);
}

void TYearEdit::SetFontColor(TColor value) {
  QPalette pal = palette();
  pal.setColor(QPalette::Text, ColorToQColor(value, pal));
  setPalette(pal);
}

namespace {

bool IsInside(const QWidget* widget, const QWidget* ancestor) {
  for (; widget; widget = widget->parentWidget())
    if (widget == ancestor) return true;
  return false;
}

}  // namespace

// The press may land on a part of the spin control (one of its arrows).
void TYearEdit::CancelMode(QWidget* Sender) {
  if (!IsInside(Sender, this) && !(FSpinControl && IsInside(Sender, FSpinControl))) EndEdit(true);
}

void TYearEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  EndEdit(true);
}

// Enter and Escape close the editor and go no further, so that a dialog's
// default or cancel button does not react.
void TYearEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (isVisible() && (enter || key == Qt::Key_Escape)) {
    EndEdit(enter);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace zar
