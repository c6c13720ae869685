#include "DBExZarDatePicker.h"

#include <QPointer>
#include <cmath>
#include <exception>

#include "DBDataSet.h"
#include "DBErrors.h"
#include "DBFields.h"
#include "DBRecords.h"
#include "DateTimeBase.h"
#include "ScopeExit.h"
#include "ZarApplication.h"

namespace zar {

namespace {

TDate DayOf(TDateTime value) {
  std::int64_t day = 0;
  Integer ms = 0;
  SplitDateTime(value, day, ms);
  return static_cast<TDate>(day);
}

TTime TimeOf(TDateTime value) {
  std::int64_t day = 0;
  Integer ms = 0;
  SplitDateTime(value, day, ms);
  return static_cast<TTime>(ms) / MSecsPerDay;
}

bool HoldsDate(TFieldType type) {
  return type == ftDate || type == ftDateTime || type == ftTimeStamp;
}
bool HoldsTime(TFieldType type) {
  return type == ftTime || type == ftDateTime || type == ftTimeStamp;
}

}  // namespace

TDBExZarDatePicker::TDBExZarDatePicker(QWidget* parent) : TCustomExZarDatePicker(parent) {
  // Until the dataset is being edited, the user cannot change the value.
  TCustomExZarDatePicker::SetReadOnly(true);
  FDataLink.SetControl(this);
  FDataLink.OnDataChange = [this] { DataChange(); };
  FDataLink.OnEditingChange = [this] { EditingChange(); };
  FDataLink.OnUpdateData = [this] { UpdateData(); };
  FDataLink.OnActiveChange = [this] { ActiveChange(); };
  SetAllowNull(true);
}

TDBExZarDatePicker::~TDBExZarDatePicker() {
  // The link outlives this part of the object only until the member goes;
  // nothing it reports may reach a picker being destroyed.
  FDataLink.OnDataChange = nullptr;
  FDataLink.OnEditingChange = nullptr;
  FDataLink.OnUpdateData = nullptr;
  FDataLink.OnActiveChange = nullptr;
  FDataLink.SetDataSource(nullptr);
}

void TDBExZarDatePicker::SetDataField(std::string Value) {
  FDataLink.SetFieldName(std::move(Value));
  if (TField* field = Field()) {
    switch (field->DataType()) {
      case ftString: SetAllowCalendarSwitch(false); break;
      case ftDate: SetKind(dtkDate); break;
      case ftTime: SetKind(dtkTime); break;
      case ftDateTime:
      case ftTimeStamp: SetKind(dtkDateTime); break;
      default: break;
    }
  }
  Invalidate();
}

// ---- Link notifications --------------------------------------------------------------------

void TDBExZarDatePicker::DataChange() {
  TField* field = Field();
  if (FDataChanging || !field) return;
  const auto changing = SetForScope(FDataChanging);
  // A null field keeps the hidden value: loading the current time instead
  // would fail on every record without a value when now lies outside the
  // limits.
  bool null = field->IsNull();
  if (!null) {
    if (field->DataType() == ftString) {
      const std::string text = field->AsString();
      null = text.empty();
      if (!null) SetDateTime(CalStrToDateTime(text));
    } else {
      SetDateTime(field->AsDateTime());
    }
  }
  SetIsNull(null);
  FValueModified = false;
}

void TDBExZarDatePicker::EditingChange() {
  TCustomExZarDatePicker::SetReadOnly(!FDataLink.Editing());
}

void TDBExZarDatePicker::ActiveChange() { Invalidate(); }

void TDBExZarDatePicker::UpdateData() {
  TField* field = Field();
  if (!field) return;
  if (IsNull())
    WriteNull(*field);
  else if (field->DataType() == ftString)
    WriteString(*field);
  else
    WriteDateTime(*field);
  FValueModified = false;
}

void TDBExZarDatePicker::WriteString(TField& Field) {
  std::string pattern = FStringFormat;
  if (pattern.empty() && Kind() == dtkDate)
    pattern = Field.Size() >= 10 ? "yyyy/mm/dd" : "yy/mm/dd";
  const TDateTime value = DateTime();
  const std::string text = CalFormatDateTime(pattern, value);
  // Text that the field would cut short, or that reads back as another day
  // (a two-digit year outside the century window), is refused: it could
  // never be shown again as the value the user picked.
  // The size counts characters, and Persian or Arabic-Indic digits take two
  // bytes each.
  if (Field.Size() > 0 && Utf8Length(text) > static_cast<std::size_t>(Field.Size()))
    DatabaseError(Quoted(text) + " does not fit into field " + Quoted(Field.FieldName()) + " of " +
                  std::to_string(Field.Size()) + " characters");
  bool readsBack = false;
  try {
    const TDateTime back = CalStrToDateTime(text);
    readsBack = Kind() == dtkTime || DayOf(back) == DayOf(value);
  } catch (const EConvertError&) {
  }
  if (!readsBack)
    DatabaseError(Quoted(text) + " in field " + Quoted(Field.FieldName()) +
                  " would not read back as the chosen date");
  Field.SetAsString(text);
}

void TDBExZarDatePicker::WriteDateTime(TField& Field) {
  const TDateTime stored = Field.IsNull() ? 0 : Field.AsDateTime();
  TDateTime value = DateTime();
  if (Kind() == dtkDate)
    value = CombineDateTime(Date(), TimeOf(stored));
  else if (Kind() == dtkTime)
    value = CombineDateTime(DayOf(stored), Time());
  Field.SetAsDateTime(value);
}

void TDBExZarDatePicker::WriteNull(TField& Field) {
  const TFieldType type = Field.DataType();
  // A picker that edits only the time (or only the date) of a field that
  // holds both clears only that part.
  if (Kind() == dtkTime && HoldsDate(type)) {
    if (!Field.IsNull()) Field.SetAsVariant(TVariant::FromDateTime(DayOf(Field.AsDateTime())));
  } else if (Kind() == dtkDate && HoldsTime(type)) {
    if (!Field.IsNull()) Field.SetAsVariant(TVariant::FromDateTime(TimeOf(Field.AsDateTime())));
  } else {
    Field.SetAsVariant(TVariant());
  }
}

// ---- Edit mode ---------------------------------------------------------------------------------

void TDBExZarDatePicker::StartEditing() {
  if (FDataLink.Editing()) return;
  // Entering edit mode may reload the record; that must not overwrite the
  // value just changed.
  const auto changing = SetForScope(FDataChanging);
  FDataLink.Edit();
}

void TDBExZarDatePicker::MarkModified() {
  FDataLink.Modified();
  FValueModified = true;
}

void TDBExZarDatePicker::ResetValue() {
  FDataLink.Reset();
  FValueModified = false;
}

void TDBExZarDatePicker::Change() {
  ++FChangeCount;
  if (!FDataChanging) {
    StartEditing();
    // A change the dataset would not take cannot be written later; marking
    // it would only make every exit fail.
    if (FDataLink.Editing()) MarkModified();
  }
  TCustomExZarDatePicker::Change();
}

void TDBExZarDatePicker::CheckedChanged() {
  if (!FDataChanging) {
    StartEditing();
    if (FDataLink.Editing()) MarkModified();
  }
  TCustomExZarDatePicker::CheckedChanged();
}

bool TDBExZarDatePicker::CanModify() {
  if (FDataLink.Editing()) return TCustomExZarDatePicker::CanModify();
  // Browsing: the value may change when the dataset could enter edit mode;
  // it does so at the change itself, not at every key or drop-down.
  const TDataSource* source = DataSource();
  return FDataLink.Active() && FDataLink.CanModify() && source && source->AutoEdit() &&
         source->State() == TDataSetState::Browse;
}

bool TDBExZarDatePicker::NeedsHighlight() {
  if (!HighlightRequired() || !FDataLink.Active()) return false;
  const TDataSetState state = FDataLink.DataSetState();
  const TField* field = Field();
  return (state == TDataSetState::Edit || state == TDataSetState::Insert) && field &&
         field->Required() && (IsNull() || (ShowCheckBox() && !Checked()));
}

void TDBExZarDatePicker::CloseUp(bool accept) {
  const int changes = FChangeCount;
  const bool wasNull = IsNull();
  QPointer<TDBExZarDatePicker> self(this);
  TCustomExZarDatePicker::CloseUp(accept);
  if (!self || !accept || !wasNull || FChangeCount != changes) return;
  // A day picked for a null value is a change even when it equals the
  // hidden value: the value becomes that day and the field is marked.
  if (!CanModify()) return;
  SetIsNull(false);
  Change();
}

// ---- Painting ----------------------------------------------------------------------------------

void TDBExZarDatePicker::PaintSegment(int index) {
  if (FDataLink.Active() && Field()) TCustomExZarDatePicker::PaintSegment(index);
}

void TDBExZarDatePicker::Paint() {
  TCustomExZarDatePicker::Paint();
  if (FDataLink.Active() && Field()) return;
  // Unbound: an empty box beside the buttons.
  Canvas().Brush().SetColor(Color());
  Canvas().Brush().SetStyle(TBrushStyle::Solid);
  Canvas().FillRect(TextArea);
}

// ---- Keys and focus ----------------------------------------------------------------------------

bool TDBExZarDatePicker::DialogKey(Word Key, TShiftState Shift) {
  if (!DroppedDown() && FValueModified && Key == vk::Escape) {
    ResetValue();
    return true;
  }
  return TCustomExZarDatePicker::DialogKey(Key, Shift);
}

void TDBExZarDatePicker::DoExit() {
  try {
    FDataLink.UpdateRecord();
  } catch (...) {
    // The pending value stays; the user gets the picker back to mend it.
    // The focus is taken back once the move that caused the exit is over.
    const std::exception_ptr error = std::current_exception();
    QPointer<TDBExZarDatePicker> self(this);
    QMetaObject::invokeMethod(
        this,
        [self] {
          if (self && self->CanFocus()) self->SetFocus();
        },
        Qt::QueuedConnection);
    GuardedCall([error] { std::rethrow_exception(error); });
    return;
  }
  TCustomExZarDatePicker::DoExit();
}

}  // namespace zar
