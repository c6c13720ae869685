#include "DataSource.h"

#include <algorithm>

#include "DBDataSet.h"
#include "DBFields.h"
#include "ScopeExit.h"

namespace zar {

// ---- TDataSource ---------------------------------------------------------------

TDataSource::~TDataSource() {
  SetDataSet(nullptr);
  for (TDataLink* link : FLinks) link->SourceDestroyed();
}

void TDataSource::SetDataSet(TDataSet* Value) {
  if (Value == FDataSet) return;
  if (FDataSet) FDataSet->RemoveDataSource(this);
  const bool wasActive = FState != TDataSetState::Inactive;
  FDataSet = Value;
  if (FDataSet) FDataSet->AddDataSource(this);
  UpdateState();
  // One open dataset in place of another: the links' fields and records
  // belong to the old one.
  if (wasActive && FState != TDataSetState::Inactive) {
    NotifyLinks(deLayoutChange, nullptr);
    if (OnDataChange) OnDataChange(*this, nullptr);
  }
}

void TDataSource::SetEnabled(bool Value) {
  FEnabled = Value;
  UpdateState();
}

void TDataSource::Edit() {
  if (FAutoEdit && FState == TDataSetState::Browse) FDataSet->Edit();
}

void TDataSource::UpdateState() {
  const TDataSetState state = FEnabled && FDataSet ? FDataSet->State() : TDataSetState::Inactive;
  if (state == FState) return;
  FState = state;
  NotifyLinks(deUpdateState, nullptr);
  if (OnStateChange) OnStateChange(*this);
}

void TDataSource::DataEvent(TDataEvent Event, TField* Field) {
  if (Event == deUpdateState) return UpdateState();
  if (FState == TDataSetState::Inactive) return;
  NotifyLinks(Event, Field);
  switch (Event) {
    case deFieldChange:
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange:
      if (OnDataChange) OnDataChange(*this, Event == deFieldChange ? Field : nullptr);
      break;
    default: break;
  }
}

void TDataSource::NotifyLinks(TDataEvent Event, TField* Field) {
  // A link may unbind itself while it is told; walk a copy.
  const std::vector<TDataLink*> links = FLinks;
  for (TDataLink* link : links)
    if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end())
      link->DataEvent(Event, Field);
}

void TDataSource::DataSetDestroyed() noexcept {
  FDataSet = nullptr;
  FState = TDataSetState::Inactive;
  for (TDataLink* link : FLinks) link->UpdateState();
}

// ---- TDataLink ---------------------------------------------------------------------

TDataLink::~TDataLink() {
  if (FDataSource) std::erase(FDataSource->FLinks, this);
}

void TDataLink::SetDataSource(TDataSource* Value) {
  if (Value == FDataSource) return;
  if (FDataSource) std::erase(FDataSource->FLinks, this);
  FDataSource = Value;
  if (FDataSource) FDataSource->FLinks.push_back(this);
  UpdateState();
}

TDataSet* TDataLink::DataSet() const noexcept {
  return FDataSource ? FDataSource->DataSet() : nullptr;
}

void TDataLink::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  UpdateState();
}

bool TDataLink::Edit() {
  if (FDataSource && !FEditing) FDataSource->Edit();
  return FEditing;
}

void TDataLink::UpdateRecord() {
  // Cleared, not restored: an update handler that posts runs a nested
  // update, and what is left of this one has always run with the flag down.
  FUpdating = true;
  const TScopeExit updated([this] { FUpdating = false; });
  UpdateData();
}

bool TDataLink::ExecuteAction(TBasicAction& Action) {
  if (!Action.HandlesTarget(FDataSource)) return false;
  Action.ExecuteTarget(FDataSource);
  return true;
}

bool TDataLink::UpdateAction(TBasicAction& Action) {
  if (!Action.HandlesTarget(FDataSource)) return false;
  Action.UpdateTarget(FDataSource);
  return true;
}

void TDataLink::UpdateState() {
  const TDataSetState state = FDataSource ? FDataSource->State() : TDataSetState::Inactive;
  const bool active = state != TDataSetState::Inactive;
  if (active != FActive) {
    FActive = active;
    ActiveChanged();
  }
  const bool editing = IsEditState(state) && !FReadOnly;
  if (editing != FEditing) {
    FEditing = editing;
    EditingChanged();
  }
}

void TDataLink::DataEvent(TDataEvent Event, TField* Field) {
  if (Event == deUpdateState) return UpdateState();
  if (!FActive) return;
  switch (Event) {
    case deFieldChange:
    case deRecordChange:
      if (!FUpdating) RecordChanged(Field);
      break;
    case deDataSetChange: DataSetChanged(); break;
    case deDataSetScroll: DataSetScrolled(); break;
    case deLayoutChange: LayoutChanged(); break;
    case deUpdateRecord: UpdateRecord(); break;
    case deCheckBrowseMode: CheckBrowseMode(); break;
    case deUpdateState: break;
  }
}

void TDataLink::SourceDestroyed() noexcept {
  // Tell the control, so that it lets go of the field it shows.
  FDataSource = nullptr;
  UpdateState();
}

// ---- TFieldDataLink ----------------------------------------------------------------------

void TFieldDataLink::SetFieldName(std::string Value) {
  if (Value == FFieldName) return;
  FFieldName = std::move(Value);
  UpdateField();
}

bool TFieldDataLink::CanModify() const noexcept {
  return !ReadOnly() && FField && FField->CanModify();
}

bool TFieldDataLink::Edit() {
  if (CanModify()) TDataLink::Edit();
  return FFieldEditing;
}

void TFieldDataLink::Reset() { RecordChanged(nullptr); }

TDataSetState TFieldDataLink::DataSetState() const noexcept {
  return DataSource() ? DataSource()->State() : TDataSetState::Inactive;
}

void TFieldDataLink::ActiveChanged() {
  UpdateField();
  if (OnActiveChange) OnActiveChange();
}

void TFieldDataLink::EditingChanged() { SetFieldEditing(TDataLink::Editing() && CanModify()); }

void TFieldDataLink::LayoutChanged() { UpdateField(); }

void TFieldDataLink::RecordChanged(TField* ChangedField) {
  if (ChangedField && ChangedField != FField) return;
  if (OnDataChange) OnDataChange();
  FModified = false;
}

void TFieldDataLink::UpdateData() {
  if (!FModified) return;
  if (FField && OnUpdateData) OnUpdateData();
  FModified = false;
}

void TFieldDataLink::UpdateField() {
  TDataSet* dataSet = DataSet();
  SetField(Active() && dataSet && !FFieldName.empty() ? dataSet->FindField(FFieldName) : nullptr);
}

void TFieldDataLink::SetField(TField* Value) {
  if (Value == FField) return;
  FField = Value;
  EditingChanged();
  RecordChanged(nullptr);
}

void TFieldDataLink::SetFieldEditing(bool Value) {
  if (Value == FFieldEditing) return;
  FFieldEditing = Value;
  if (OnEditingChange) OnEditingChange();
}

}  // namespace zar
