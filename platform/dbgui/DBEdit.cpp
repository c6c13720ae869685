#include "DBEdit.h"

#include <QApplication>
#include <QKeyEvent>

#include "DBFields.h"
#include "FieldAlignment.h"
#include "ZarApplication.h"

namespace zar {

namespace {

// Keys that change the text of a line edit.
bool IsEditingKey(const QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
      event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
      event->matches(QKeySequence::DeleteEndOfWord) ||
      event->matches(QKeySequence::DeleteStartOfWord) ||
      event->matches(QKeySequence::DeleteEndOfLine))
    return true;
  if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) return true;
  if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

TDBEdit::TDBEdit(QWidget* parent)
    : QLineEdit(parent),
      TDBFieldControl(
          this, [this] { DataChange(); }, [this] { UpdateData(); }) {
  FDataLink.OnEditingChange = [this] { EditingChange(); };
  connect(this, &QLineEdit::textEdited, this, [this] { UserEdited(); });
  UpdateReadOnly();
}

void TDBEdit::DataChange() {
  const TField* field = FDataLink.Field();
  // Setting the same maximum length again would drop the selection.
  auto limit = [this](int length) {
    if (maxLength() != length) setMaxLength(length);
  };
  if (!field) {
    limit(32767);
    if (!text().isEmpty()) setText(QString());
  } else {
    setAlignment(ToQt(field->Alignment()));
    limit(field->DataType() == ftString && field->Size() > 0 ? field->Size() : 32767);
    const std::string text =
        FFocused && FDataLink.CanModify() ? field->Text() : field->DisplayText();
    // Unchanged text keeps the cursor and the selection the user made.
    const QString shown = QString::fromStdString(text);
    if (shown != this->text()) setText(shown);
  }
  setModified(false);
  UpdateReadOnly();
}

void TDBEdit::EditingChange() { UpdateReadOnly(); }

void TDBEdit::UpdateReadOnly() { setReadOnly(!FDataLink.CanModify()); }

void TDBEdit::UpdateData() {
  if (TField* field = FDataLink.Field()) field->SetText(text().toStdString());
}

bool TDBEdit::BeginChange() { return FDataLink.Editing() || FDataLink.Edit(); }

void TDBEdit::UserEdited() {
  if (!FDataLink.Editing()) {
    // Entering edit mode reloads the field; keep what the user produced.
    const QString typed = text();
    const int cursor = cursorPosition();
    if (!FDataLink.Edit()) {
      FDataLink.Reset();
      return;
    }
    setText(typed);
    setCursorPosition(cursor);
  }
  FDataLink.Modified();
}

void TDBEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && FDataLink.Editing() && isModified()) {
    FDataLink.Reset();
    selectAll();
    event->accept();
    return;
  }
  if (!isReadOnly() && IsEditingKey(event) && !BeginChange()) {
    QApplication::beep();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TDBEdit::focusInEvent(QFocusEvent* event) {
  FFocused = true;
  // The edit text replaces the display text while the user works in it.
  if (FDataLink.Field() && !isModified()) DataChange();
  QLineEdit::focusInEvent(event);
}

void TDBEdit::focusOutEvent(QFocusEvent* event) {
  bool stored = true;
  if (FDataLink.Editing() && isModified()) {
    try {
      FDataLink.UpdateRecord();
    } catch (...) {
      stored = false;
      selectAll();
      GuardedCall([error = std::current_exception()] { std::rethrow_exception(error); });
    }
  }
  FFocused = false;
  if (stored) DataChange();
  QLineEdit::focusOutEvent(event);
}

}  // namespace zar
