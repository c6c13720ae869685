#include "DBCheckBox.h"

#include <QApplication>

#include "DBFields.h"
#include "ZarApplication.h"

namespace zar {

namespace {

bool SameText(std::string_view a, std::string_view b) {
  return QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()))
             .compare(QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size())),
                      Qt::CaseInsensitive) == 0;
}

// Whether text is one of the ';'-separated alternatives.
bool IsOneOf(std::string_view text, std::string_view alternatives) {
  for (const std::string& item : SplitFieldNames(alternatives))
    if (SameText(text, item)) return true;
  return false;
}

std::string FirstOf(std::string_view alternatives) {
  const std::vector<std::string> items = SplitFieldNames(alternatives);
  return items.empty() ? std::string() : items.front();
}

}  // namespace

TDBCheckBox::TDBCheckBox(QWidget* parent)
    : QCheckBox(parent),
      TDBFieldControl(
          this, [this] { DataChange(); }, [this] { UpdateData(); }) {}

void TDBCheckBox::SetValueChecked(std::string Value) {
  FValueChecked = std::move(Value);
  DataChange();
}

void TDBCheckBox::SetValueUnchecked(std::string Value) {
  FValueUnchecked = std::move(Value);
  DataChange();
}

void TDBCheckBox::SetAllowGrayed(bool Value) {
  setTristate(Value);
  DataChange();
}

Qt::CheckState TDBCheckBox::FieldState() const {
  const TField* field = FDataLink.Field();
  const Qt::CheckState none = AllowGrayed() ? Qt::PartiallyChecked : Qt::Unchecked;
  if (!field || field->IsNull()) return none;
  if (field->DataType() == ftBoolean) return field->AsBoolean() ? Qt::Checked : Qt::Unchecked;
  const std::string text = field->Text();
  if (IsOneOf(text, FValueChecked)) return Qt::Checked;
  if (IsOneOf(text, FValueUnchecked)) return Qt::Unchecked;
  return none;
}

void TDBCheckBox::DataChange() { setCheckState(FieldState()); }

void TDBCheckBox::UpdateData() {
  TField* field = FDataLink.Field();
  if (!field) return;
  const Qt::CheckState state = checkState();
  if (state == Qt::PartiallyChecked) return field->Clear();
  if (field->DataType() == ftBoolean) return field->SetAsBoolean(state == Qt::Checked);
  const std::string text = FirstOf(state == Qt::Checked ? FValueChecked : FValueUnchecked);
  if (text.empty())
    field->Clear();
  else
    field->SetAsString(text);
}

void TDBCheckBox::nextCheckState() {
  if (!FDataLink.Edit()) {
    QApplication::beep();
    return;
  }
  QCheckBox::nextCheckState();
  FDataLink.Modified();
}

void TDBCheckBox::focusOutEvent(QFocusEvent* event) {
  if (FDataLink.Editing()) GuardedCall([this] { FDataLink.UpdateRecord(); });
  QCheckBox::focusOutEvent(event);
}

}  // namespace zar
