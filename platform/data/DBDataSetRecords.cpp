// The dataset's records: the visible view (order, range, filter), the
// current record, navigation and editing.

#include <algorithm>
#include <utility>

#include "DBConvert.h"
#include "DBDataSet.h"
#include "DBErrors.h"
#include "DBFilter.h"
#include "DBMessages.h"

namespace zar {

namespace {

bool MergeStore(TRecordStore& store) {
  const TRecordLayout& layout = store.Layout();
  bool changed = false;
  for (std::uint32_t r = 0; r < store.Count(); ++r) {
    std::byte* row = store.Row(r);
    changed |= TRecordLayout::RowState(row) != rsUnchanged;
    TRecordLayout::SetRowState(row, rsUnchanged);
    for (std::size_t f = 0; f < layout.FieldCount(); ++f)
      if (layout.Slot(f).Type == ftDataSet)
        changed |= MergeStore(store.Child(static_cast<std::uint32_t>(layout.Native(row, f))));
  }
  return changed;
}

}  // namespace

// ---- The active record -------------------------------------------------------------

const std::byte* TDataSet::ActiveRecord() const noexcept {
  if (FReadRecord) return FReadRecord;
  switch (FState) {
    case TDataSetState::Edit:
    case TDataSetState::Insert: return FEditBuffer.data();
    case TDataSetState::SetKey: return FKeyBuffer->data();
    case TDataSetState::Browse: return FCursor >= 0 ? FStore->Row(CurrentRow()) : nullptr;
    case TDataSetState::Inactive: break;
  }
  return nullptr;
}

std::byte* TDataSet::WritableRecord(const TField& Field) {
  CheckActive();
  if (FState == TDataSetState::SetKey) return FKeyBuffer->data();
  if (!IsEditState(FState)) Error(SNotEditing);
  if (Field.ReadOnly()) Error("Field " + Quoted(Field.FieldName()) + " cannot be modified");
  return FEditBuffer.data();
}

void TDataSet::FieldChanged(TField& Field) {
  if (IsEditState(FState)) FModified = true;
  DataEvent(deFieldChange, &Field);
}

// ---- The view -------------------------------------------------------------------------

void TDataSet::BindStore(TRecordStore& Store) {
  InvalidateBookmarks();
  FStore = &Store;
  const TRecordLayout& layout = Store.Layout();
  for (std::size_t f = 0; f < layout.FieldCount(); ++f) {
    if (layout.Slot(f).Type != ftAutoInc) continue;
    for (std::uint32_t r = 0; r < Store.Count(); ++r)
      if (!layout.IsNull(Store.Row(r), f))
        Store.SetNextAutoInc(std::max(Store.NextAutoInc(), layout.Native(Store.Row(r), f) + 1));
  }
  FCursor = -1;
  RefreshView();
  FCursor = FView.empty() ? -1 : 0;
}

std::vector<std::size_t> TDataSet::ResolveColumns(std::string_view Names) const {
  std::vector<std::size_t> columns;
  for (const std::string& name : SplitFieldNames(Names)) {
    const int column = Layout().IndexOf(name);
    if (column < 0) Error(FieldNotFound(name));
    columns.push_back(static_cast<std::size_t>(column));
  }
  return columns;
}

int TDataSet::CompareKey(const std::byte* Row, const std::vector<std::byte>& Key) const noexcept {
  const TRecordLayout& layout = Layout();
  for (const std::size_t column : FIndexColumns) {
    if (layout.IsNull(Key.data(), column)) break;
    const int order = layout.Compare(Row, Key.data(), column);
    if (order != 0) return order;
  }
  return 0;
}

bool TDataSet::InRange(const std::byte* Row) const noexcept {
  return !FRangeActive || (CompareKey(Row, FRangeStart) >= 0 && CompareKey(Row, FRangeEnd) <= 0);
}

bool TDataSet::IsVisible(const std::byte* Row) const {
  return InRange(Row) && (!FFilter || FFilter->Matches(Row));
}

bool TDataSet::Precedes(std::uint32_t A, std::uint32_t B) const noexcept {
  const TRecordLayout& layout = Layout();
  for (const std::size_t column : FIndexColumns) {
    const int order = layout.Compare(FStore->Row(A), FStore->Row(B), column);
    if (order != 0) return order < 0;
  }
  return A < B;
}

void TDataSet::RefreshView() {
  const std::int64_t kept = FCursor >= 0 ? CurrentRow() : -1;
  FView.clear();
  FView.reserve(FStore->Count());
  for (std::uint32_t r = 0; r < FStore->Count(); ++r)
    if (IsVisible(FStore->Row(r))) FView.push_back(r);
  if (!FIndexColumns.empty())
    std::sort(FView.begin(), FView.end(),
              [this](std::uint32_t a, std::uint32_t b) { return Precedes(a, b); });
  const auto found = std::find(FView.begin(), FView.end(), kept);
  if (found != FView.end())
    FCursor = found - FView.begin();
  else
    FCursor = std::min<std::int64_t>(FCursor, static_cast<std::int64_t>(FView.size()) - 1);
  if (FCursor < 0 && !FView.empty()) FCursor = 0;
  FBof = FEof = FView.empty();
}

void TDataSet::ShowRow(std::uint32_t Row, bool Added) {
  // A row just added is not in the view yet: no search, so that appending
  // stays linear in the number of rows.
  const auto found = Added ? FView.end() : std::find(FView.begin(), FView.end(), Row);
  std::int64_t position = found - FView.begin();
  if (found != FView.end()) FView.erase(found);
  if (IsVisible(FStore->Row(Row))) {
    if (!FIndexColumns.empty())
      position =
          std::upper_bound(FView.begin(), FView.end(), Row,
                           [this](std::uint32_t a, std::uint32_t b) { return Precedes(a, b); }) -
          FView.begin();
    FView.insert(FView.begin() + position, Row);
  }
  FCursor = std::min<std::int64_t>(position, static_cast<std::int64_t>(FView.size()) - 1);
  FBof = FEof = FView.empty();
}

// Shows the first visible record after the view was rebuilt.
void TDataSet::Resync() {
  RefreshView();
  FCursor = FView.empty() ? -1 : 0;
  DataSetChanged();
  NotifyDetails();
}

// ---- Navigation --------------------------------------------------------------------------

void TDataSet::MoveTo(std::int64_t Cursor) {
  const bool moved = Cursor != FCursor;
  FCursor = Cursor;
  FBof = FEof = FView.empty();
  if (!moved) return;
  DataEvent(deDataSetScroll);
  NotifyDetails();
}

void TDataSet::First() {
  CheckBrowseMode();
  MoveTo(FView.empty() ? -1 : 0);
  FBof = true;
}

void TDataSet::Last() {
  CheckBrowseMode();
  MoveTo(static_cast<std::int64_t>(FView.size()) - 1);
  FEof = true;
}

void TDataSet::Next() {
  CheckBrowseMode();
  if (FCursor + 1 < static_cast<std::int64_t>(FView.size()))
    MoveTo(FCursor + 1);
  else
    FEof = true;
}

void TDataSet::Prior() {
  CheckBrowseMode();
  if (FCursor > 0)
    MoveTo(FCursor - 1);
  else
    FBof = true;
}

bool TDataSet::Locate(std::string_view FieldName, const TVariant& Value) {
  CheckBrowseMode();
  const auto column = static_cast<std::size_t>(FieldByName(FieldName).FColumn);
  const TRecordLayout& layout = Layout();
  std::vector<std::byte> key(layout.RecordSize());
  StoreKey(layout, key.data(), column, VariantToNative(layout.Slot(column), Value));
  for (std::size_t i = 0; i < FView.size(); ++i) {
    if (layout.Compare(FStore->Row(FView[i]), key.data(), column) == 0) {
      MoveTo(static_cast<std::int64_t>(i));
      return true;
    }
  }
  return false;
}

// ---- Editing --------------------------------------------------------------------------------

void TDataSet::Append() {
  const bool here = std::exchange(FInsertHere, false);
  CheckBrowseMode();
  if (FDataSetField && !FDataSetField->DataSet()->ActiveRecord())
    Error("Cannot append: master dataset " + Quoted(FDataSetField->DataSet()->Name()) +
          " has no current record");
  FEditBuffer.assign(Layout().RecordSize(), std::byte{0});
  FStore->InitRecord(FEditBuffer.data());
  FModified = false;
  FPendingRow = here && FCursor >= 0 ? static_cast<Integer>(FCursor) : RecordCount();
  SetState(TDataSetState::Insert);
  FViewChange = {TViewChange::vcInsertStarted, -1, FPendingRow};
  DataSetChanged();
  NotifyDetails();
}

void TDataSet::Edit() {
  if (IsEditState(FState)) return;
  CheckBrowseMode();
  if (FView.empty()) return Append();
  const std::byte* row = FStore->Row(CurrentRow());
  FEditBuffer.assign(row, row + Layout().RecordSize());
  FModified = false;
  SetState(TDataSetState::Edit);
  DataEvent(deRecordChange);
}

void TDataSet::UpdateRecord() {
  CheckActive();
  if (!IsEditState(FState) && FState != TDataSetState::SetKey) Error(SNotEditing);
  DataEvent(deUpdateRecord);
}

void TDataSet::CheckRequiredFields() const {
  for (const auto& field : FFields)
    if (field->Required() && field->DataType() != ftAutoInc && field->IsNull())
      Error("Field " + Quoted(field->FieldName()) + " must have a value");
}

void TDataSet::CheckUniqueKeys(const std::byte* Record, std::int64_t OwnRow) const {
  const TRecordLayout& layout = Layout();
  for (const TIndexDef& index : FIndexDefs) {
    if ((index.Options & (ixPrimary | ixUnique)) == 0) continue;
    const std::vector<std::size_t> columns = ResolveColumns(index.Fields);
    auto same = [&](std::uint32_t r) {
      return r != OwnRow && std::all_of(columns.begin(), columns.end(), [&](std::size_t column) {
               return layout.Compare(FStore->Row(r), Record, column) == 0;
             });
    };
    // When the view holds every record ordered by the index's fields, equal
    // keys are neighbours: a binary search instead of a pass over all rows,
    // so that posting stays cheap however many records there are.
    const bool ordered = !FFilter && !FRangeActive && FView.size() == FStore->Count() &&
                         columns.size() <= FIndexColumns.size() &&
                         std::equal(columns.begin(), columns.end(), FIndexColumns.begin());
    bool found = false;
    if (ordered) {
      auto compare = [&](std::uint32_t r) {
        for (const std::size_t column : columns)
          if (const int order = layout.Compare(FStore->Row(r), Record, column)) return order;
        return 0;
      };
      auto at = std::lower_bound(FView.begin(), FView.end(), 0u,
                                 [&](std::uint32_t r, std::uint32_t) { return compare(r) < 0; });
      for (; at != FView.end() && compare(*at) == 0 && !found; ++at) found = same(*at);
    } else {
      for (std::uint32_t r = 0; r < FStore->Count() && !found; ++r) found = same(r);
    }
    if (found)
      Error("Key violation: another record has the same " + index.Fields + " (index " +
            Quoted(index.Name) + ")");
  }
}

void TDataSet::AssignAutoIncrements(std::byte* Record) {
  const TRecordLayout& layout = Layout();
  for (std::size_t f = 0; f < layout.FieldCount(); ++f) {
    if (layout.Slot(f).Type != ftAutoInc || !layout.IsNull(Record, f)) continue;
    if (FStore->NextAutoInc() >= MaxAutoIncCounter)
      Error("Field " + Quoted(layout.Slot(f).Name) +
            " has no number left to give: its largest value, 2147483647, is taken");
    layout.SetNative(Record, f, FStore->NextAutoInc());
  }
}

void TDataSet::Post() {
  CheckActive();
  if (FState == TDataSetState::SetKey) return SetState(TDataSetState::Browse);
  if (!IsEditState(FState)) Error(SNotEditing);
  UpdateRecord();
  std::byte* record = FEditBuffer.data();
  const bool inserting = FState == TDataSetState::Insert;
  const std::int64_t ownRow = inserting || FCursor < 0 ? -1 : CurrentRow();
  if (inserting) AssignAutoIncrements(record);
  CheckRequiredFields();
  CheckUniqueKeys(record, ownRow);
  if (!ChangesLogged())
    TRecordLayout::SetRowState(record, rsUnchanged);
  else if (TRecordLayout::RowState(record) == rsUnchanged)
    TRecordLayout::SetRowState(record, rsModified);
  std::uint32_t row = 0;
  if (inserting) {
    row = FStore->Append(record);
  } else {
    row = static_cast<std::uint32_t>(ownRow);
    FStore->Replace(row, record);
  }
  // Keep the counter beyond any number the record now holds.
  const TRecordLayout& layout = Layout();
  for (std::size_t f = 0; f < layout.FieldCount(); ++f)
    if (layout.Slot(f).Type == ftAutoInc && !layout.IsNull(record, f))
      FStore->SetNextAutoInc(std::max(FStore->NextAutoInc(), layout.Native(record, f) + 1));
  FModified = false;
  const Integer from = inserting ? -1 : static_cast<Integer>(FCursor);
  ShowRow(row, inserting);
  const bool shown = FCursor >= 0 && CurrentRow() == row;
  FPendingRow = -1;
  MarkChanged();
  SetState(TDataSetState::Browse);
  FViewChange = {TViewChange::vcRowPosted, from, shown ? static_cast<Integer>(FCursor) : -1};
  DataSetChanged();
  NotifyDetails();
  if (AfterPost) AfterPost(*this);
}

void TDataSet::Cancel() {
  CheckActive();
  if (FState == TDataSetState::SetKey) return SetState(TDataSetState::Browse);
  if (!IsEditState(FState)) return;
  if (FState == TDataSetState::Insert) FStore->ReleaseRecord(FEditBuffer.data());
  const TViewChange change =
      FState == TDataSetState::Insert
          ? TViewChange{TViewChange::vcInsertCancelled, FPendingRow, -1}
          : TViewChange{TViewChange::vcRowPosted, static_cast<Integer>(FCursor),
                        static_cast<Integer>(FCursor)};
  FPendingRow = -1;
  FModified = false;
  SetState(TDataSetState::Browse);
  FViewChange = change;
  DataSetChanged();
  NotifyDetails();
}

void TDataSet::Delete() {
  CheckActive();
  if (FState == TDataSetState::Insert || FState == TDataSetState::SetKey) return Cancel();
  if (FView.empty()) Error("Cannot perform this operation on an empty dataset");
  const std::uint32_t row = CurrentRow();
  FModified = false;
  SetState(TDataSetState::Browse);
  FStore->Erase(row);
  BookmarksRowErased(row);
  const TViewChange change{TViewChange::vcRowDeleted, static_cast<Integer>(FCursor), -1};
  FView.erase(FView.begin() + FCursor);
  for (std::uint32_t& r : FView)
    if (r > row) --r;
  FCursor = std::min<std::int64_t>(FCursor, static_cast<std::int64_t>(FView.size()) - 1);
  FBof = FEof = FView.empty();
  MarkChanged();
  FViewChange = change;
  DataSetChanged();
  NotifyDetails();
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  for (TDataSet* detail : FDetails)
    if (detail->Active()) detail->CheckBrowseMode();
  DataEvent(deCheckBrowseMode);
  if (FState == TDataSetState::SetKey) return Post();
  if (!IsEditState(FState)) return;
  UpdateRecord();
  if (FModified)
    Post();
  else
    Cancel();
}

void TDataSet::MergeChangeLog() {
  CheckBrowseMode();
  if (MergeStore(*FStore)) MarkChanged();
}

// ---- Filter ---------------------------------------------------------------------------------

void TDataSet::SetFilter(std::string Value) {
  if (!Active() || !FFiltered) {
    FFilterText = std::move(Value);
    return;
  }
  std::unique_ptr<TFilterExpression> compiled = CompileFilter(Value);
  CheckBrowseMode();
  FFilterText = std::move(Value);
  FFilter = std::move(compiled);
  Resync();
}

void TDataSet::SetFiltered(bool Value) {
  if (Value == FFiltered) return;
  if (!Active()) {
    FFiltered = Value;
    return;
  }
  std::unique_ptr<TFilterExpression> compiled = Value ? CompileFilter(FFilterText) : nullptr;
  CheckBrowseMode();
  FFiltered = Value;
  FFilter = std::move(compiled);
  Resync();
}

// ---- Order and ranges ---------------------------------------------------------------------------

void TDataSet::SetIndexFieldNames(std::string Value) {
  if (!Active()) {
    FIndexFieldNames = std::move(Value);
    return;
  }
  std::vector<std::size_t> columns = ResolveColumns(Value);
  CheckBrowseMode();
  FIndexFieldNames = std::move(Value);
  FIndexColumns = std::move(columns);
  FRangeActive = false;
  RefreshView();
  DataSetChanged();
  NotifyDetails();
}

void TDataSet::EditKey(std::vector<std::byte>& Key) {
  CheckBrowseMode();
  if (FIndexColumns.empty()) Error(SRangeNeedsIndex);
  Key.assign(Layout().RecordSize(), std::byte{0});
  FKeyBuffer = &Key;
  SetState(TDataSetState::SetKey);
}

void TDataSet::SetRangeStart() { EditKey(FRangeStart); }
void TDataSet::SetRangeEnd() { EditKey(FRangeEnd); }

void TDataSet::ApplyRange() {
  CheckBrowseMode();
  if (FIndexColumns.empty()) Error(SRangeNeedsIndex);
  // A key never set does not bound its end of the range.
  if (FRangeStart.empty()) FRangeStart.assign(Layout().RecordSize(), std::byte{0});
  if (FRangeEnd.empty()) FRangeEnd.assign(Layout().RecordSize(), std::byte{0});
  FRangeActive = true;
  Resync();
}

void TDataSet::CancelRange() {
  CheckBrowseMode();
  FRangeActive = false;
  FRangeStart.clear();
  FRangeEnd.clear();
  Resync();
}

void TDataSet::SetRange(const std::vector<TVariant>& StartValues,
                        const std::vector<TVariant>& EndValues) {
  CheckBrowseMode();
  if (FIndexColumns.empty()) Error(SRangeNeedsIndex);
  if (StartValues.size() > FIndexColumns.size() || EndValues.size() > FIndexColumns.size())
    Error("A range has more values than index fields");
  const TRecordLayout& layout = Layout();
  auto makeKey = [&](const std::vector<TVariant>& values) {
    std::vector<std::byte> key(layout.RecordSize());
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::size_t column = FIndexColumns[i];
      StoreKey(layout, key.data(), column, VariantToNative(layout.Slot(column), values[i]));
    }
    return key;
  };
  std::vector<std::byte> start = makeKey(StartValues);
  std::vector<std::byte> end = makeKey(EndValues);
  FRangeStart = std::move(start);
  FRangeEnd = std::move(end);
  ApplyRange();
}

}  // namespace zar
