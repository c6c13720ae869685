// The dataset's life cycle, its fields, its detail datasets and its
// notifications. Records, navigation and editing are in DBDataSetRecords.cpp.

#include "DBDataSet.h"

#include <algorithm>
#include <utility>

#include "DBErrors.h"
#include "DBFilter.h"
#include "DBMessages.h"
#include "DataSource.h"
#include "ScopeExit.h"

namespace zar {

namespace {

std::unique_ptr<TField> MakeField(TFieldType type) {
  switch (type) {
    case ftString: return std::make_unique<TStringField>();
    case ftSmallint: return std::make_unique<TSmallintField>();
    case ftBoolean: return std::make_unique<TBooleanField>();
    case ftCurrency: return std::make_unique<TCurrencyField>();
    case ftDate: return std::make_unique<TDateField>();
    case ftTime: return std::make_unique<TTimeField>();
    case ftDateTime: return std::make_unique<TDateTimeField>();
    case ftTimeStamp: return std::make_unique<TSQLTimeStampField>();
    case ftAutoInc: return std::make_unique<TAutoIncField>();
    case ftDataSet: return std::make_unique<TDataSetField>();
    case ftUnknown: break;
  }
  return nullptr;
}

}  // namespace

TDataSet::TDataSet(std::string Name) : FName(std::move(Name)) {}

TDataSet::~TDataSet() {
  for (TDataSet* detail : FDetails) {
    try {
      detail->Close();
    } catch (...) {
      // A nested dataset writes no file; nothing to lose here.
    }
    detail->FDataSetField = nullptr;
  }
  if (FDataSetField) {
    std::erase(FDataSetField->DataSet()->FDetails, this);
    FDataSetField->FNestedDataSet = nullptr;
  }
  for (TDataSource* source : FDataSources) source->DataSetDestroyed();
}

void TDataSet::Error(std::string_view Message) const {
  DatabaseError(FName.empty() ? std::string(Message) : FName + ": " + std::string(Message));
}

void TDataSet::CheckInactive() const {
  if (Active()) Error("Cannot perform this operation on an open dataset");
}

void TDataSet::CheckActive() const {
  if (!Active()) Error("Cannot perform this operation on a closed dataset");
}

// ---- Fields ----------------------------------------------------------------------

TField& TDataSet::AdoptField(std::unique_ptr<TField> Field) {
  CheckInactive();
  if (FDynamicFields) FFields.clear();
  FDynamicFields = false;
  if (FindField(Field->FieldName()))
    Error("Field " + Quoted(Field->FieldName()) + " is defined twice");
  Field->FDataSet = this;
  FFields.push_back(std::move(Field));
  return *FFields.back();
}

TField* TDataSet::FindField(std::string_view FieldName) const noexcept {
  for (const auto& field : FFields)
    if (SameFieldName(field->FieldName(), FieldName)) return field.get();
  return nullptr;
}

TField& TDataSet::FieldByName(std::string_view FieldName) const {
  TField* field = FindField(FieldName);
  if (!field) Error(FieldNotFound(FieldName));
  return *field;
}

TFieldDefs TDataSet::EffectiveFieldDefs() const {
  if (!FFieldDefs.Empty()) return FFieldDefs;
  TFieldDefs defs;
  for (const auto& field : FFields) {
    TFieldDef& def = defs.Add(field->FieldName(), field->DataType(),
                              field->DataType() == ftString ? field->Size() : 0, field->Required());
    const auto* nested = dynamic_cast<const TDataSetField*>(field.get());
    if (nested && nested->NestedDataSet())
      def.ChildDefs = nested->NestedDataSet()->EffectiveFieldDefs();
  }
  return defs;
}

void TDataSet::CheckPersistentFields(const TRecordLayout& Layout) const {
  if (FDynamicFields) return;
  for (const auto& field : FFields) {
    const int column = Layout.IndexOf(field->FieldName());
    if (column < 0) Error(FieldNotFound(field->FieldName()));
    const TFieldType actual = Layout.Slot(static_cast<std::size_t>(column)).Type;
    if (actual != field->DataType())
      Error("Type mismatch for field " + Quoted(field->FieldName()) +
            ", expecting: " + std::string(FieldTypeName(field->DataType())) +
            " actual: " + std::string(FieldTypeName(actual)));
  }
}

void TDataSet::BindFields() {
  const TRecordLayout& layout = Layout();
  if (FFields.empty()) {
    for (std::size_t column = 0; column < layout.FieldCount(); ++column) {
      const TFieldSlot& slot = layout.Slot(column);
      std::unique_ptr<TField> field = MakeField(slot.Type);
      field->FFieldName = slot.Name;
      field->FSize = slot.Size;
      field->FRequired = slot.Required;
      field->FDataSet = this;
      FFields.push_back(std::move(field));
    }
    FDynamicFields = true;
  }
  CheckPersistentFields(layout);
  for (const auto& field : FFields) {
    field->FColumn = layout.IndexOf(field->FieldName());
    if (field->DataType() == ftString)
      field->FSize = layout.Slot(static_cast<std::size_t>(field->FColumn)).Size;
  }
}

void TDataSet::UnbindFields() noexcept {
  for (const auto& field : FFields) field->FColumn = -1;
  if (FDynamicFields) FFields.clear();
  FDynamicFields = false;
}

// ---- Opening and closing ------------------------------------------------------------

void TDataSet::SetActive(bool Value) {
  if (Value)
    Open();
  else
    Close();
}

TRecordStore& TDataSet::OpenStore() {
  if (!FDataSetField) return OpenRootStore();
  const TDataSet* master = FDataSetField->DataSet();
  if (!master->Active())
    Error("Cannot open: master dataset " + Quoted(master->Name()) + " is closed");
  return MasterStore();
}

TRecordStore& TDataSet::MasterStore() const {
  const TDataSet& master = *FDataSetField->DataSet();
  const auto column = static_cast<std::size_t>(FDataSetField->FColumn);
  const std::byte* record = master.ActiveRecord();
  if (record) {
    const auto handle = static_cast<std::uint32_t>(master.Layout().Native(record, column));
    return master.FStore->Child(handle);
  }
  auto& self = const_cast<TDataSet&>(*this);
  self.FEmptyDetailStore = std::make_unique<TRecordStore>(master.Layout().Slot(column).Child);
  return *self.FEmptyDetailStore;
}

void TDataSet::Open() {
  if (Active()) return;
  TRecordStore& store = OpenStore();
  try {
    FStore = &store;
    BindFields();
    FIndexColumns = ResolveColumns(FIndexFieldNames);
    for (const TIndexDef& index : FIndexDefs) ResolveColumns(index.Fields);
    FFilter = FFiltered ? CompileFilter(FFilterText) : nullptr;
  } catch (...) {
    UnbindFields();
    FStore = nullptr;
    if (!FDataSetField) CloseRootStore();
    throw;
  }
  FRangeActive = false;
  FModified = false;
  FState = TDataSetState::Browse;
  BindStore(store);
  DataEvent(deUpdateState);
  NotifyDetails();
}

void TDataSet::Close() {
  if (!Active()) return;
  if (!FDataSetField) BeforeClose();
  for (TDataSet* detail : FDetails) detail->Close();
  if (IsEditState(FState)) Cancel();
  FState = TDataSetState::Inactive;
  DataEvent(deUpdateState);
  UnbindFields();
  FStore = nullptr;
  FEmptyDetailStore.reset();
  FView.clear();
  FCursor = -1;
  FBof = FEof = true;
  FFilter.reset();
  FRangeActive = false;
  FKeyBuffer = nullptr;
  if (!FDataSetField) CloseRootStore();
}

// ---- Nested datasets --------------------------------------------------------------------

void TDataSet::SetDataSetField(TDataSetField* Value) {
  CheckInactive();
  if (Value == FDataSetField) return;
  if (Value && !Value->DataSet()) Error("The nested field belongs to no dataset");
  if (Value && Value->NestedDataSet())
    Error("Field " + Quoted(Value->FieldName()) + " already has a nested dataset");
  if (FDataSetField) {
    std::erase(FDataSetField->DataSet()->FDetails, this);
    FDataSetField->FNestedDataSet = nullptr;
  }
  FDataSetField = Value;
  if (Value) {
    Value->FNestedDataSet = this;
    Value->DataSet()->FDetails.push_back(this);
  }
}

void TDataSet::NotifyDetails() {
  for (TDataSet* detail : FDetails)
    if (detail->Active()) detail->MasterChanged();
}

void TDataSet::MasterChanged() {
  if (IsEditState(FState)) Cancel();
  if (FState == TDataSetState::SetKey) SetState(TDataSetState::Browse);
  FEmptyDetailStore.reset();
  TRecordStore& store = MasterStore();
  BindStore(store);
  DataSetChanged();
}

bool TDataSet::ChangesLogged() const noexcept {
  return FDataSetField ? FDataSetField->DataSet()->ChangesLogged() : FLogChanges;
}

void TDataSet::MarkChanged() {
  if (!FDataSetField) {
    FDataChanged = true;
    return;
  }
  TDataSet& master = *FDataSetField->DataSet();
  // The master record now differs from what was read.
  if (master.FState == TDataSetState::Browse && master.FCursor >= 0 && master.ChangesLogged()) {
    std::byte* row = master.FStore->Row(master.CurrentRow());
    if (TRecordLayout::RowState(row) == rsUnchanged) TRecordLayout::SetRowState(row, rsModified);
  }
  master.MarkChanged();
}

// ---- Notifications ----------------------------------------------------------------------

void TDataSet::SetState(TDataSetState Value) {
  if (Value == FState) return;
  FState = Value;
  DataEvent(deUpdateState);
}

void TDataSet::DataEvent(TDataEvent Event, TField* Field) {
  // Closing is always told at once, so that no link keeps a destroyed field.
  const bool urgent = Event == deUpdateState && FState == TDataSetState::Inactive;
  if (FDisableCount > 0 && !urgent) {
    if (Event == deUpdateState)
      FPendingStateChange = true;
    else if (Event != deUpdateRecord && Event != deCheckBrowseMode)
      FPendingDataChange = true;
    return;
  }
  const std::vector<TDataSource*> sources = FDataSources;
  for (TDataSource* source : sources) source->DataEvent(Event, Field);
}

void TDataSet::DataSetChanged() {
  // The change describes this one event only, however the event ends.
  const TScopeExit told([this] { FViewChange = {}; });
  DataEvent(deDataSetChange);
}

void TDataSet::EnableControls() {
  if (FDisableCount == 0 || --FDisableCount > 0) return;
  const bool stateChanged = std::exchange(FPendingStateChange, false);
  const bool dataChanged = std::exchange(FPendingDataChange, false);
  if (stateChanged) DataEvent(deUpdateState);
  if (dataChanged) DataEvent(deDataSetChange);
}

void TDataSet::AddDataSource(TDataSource* Source) { FDataSources.push_back(Source); }

void TDataSet::RemoveDataSource(TDataSource* Source) noexcept { std::erase(FDataSources, Source); }

std::unique_ptr<TFilterExpression> TDataSet::CompileFilter(std::string_view Text) const {
  if (Text.find_first_not_of(" \t\r\n") == std::string_view::npos) return nullptr;
  return std::make_unique<TFilterExpression>(Text, Layout());
}

}  // namespace zar
