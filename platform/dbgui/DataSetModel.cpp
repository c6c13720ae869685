#include "DataSetModel.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "DBDataSet.h"
#include "DBFields.h"
#include "DataSource.h"
#include "FieldAlignment.h"
#include "QtDates.h"
#include "ScopeExit.h"
#include "ZarApplication.h"

namespace zar {

namespace {

bool IsDateType(TFieldType type) {
  return type == ftDate || type == ftTime || type == ftDateTime || type == ftTimeStamp;
}

}  // namespace

// Hears the dataset for the model.
class TDataSetModel::TLink : public TDataLink {
 public:
  explicit TLink(TDataSetModel& owner) : FOwner(owner) {}

 protected:
  void ActiveChanged() override {
    FOwner.Announce([this] { FOwner.Rebuild(); });
  }
  void LayoutChanged() override {
    FOwner.Announce([this] { FOwner.Rebuild(); });
  }
  void DataSetChanged() override {
    FOwner.Announce([this] { FOwner.DataSetChanged(); });
  }
  void DataSetScrolled() override { FOwner.CurrentMoved(); }
  void RecordChanged(TField* Field) override { FOwner.RecordChanged(Field); }
  void EditingChanged() override { FOwner.StateChanged(); }

 private:
  TDataSetModel& FOwner;
};

TDataSetModel::TDataSetModel(QObject* parent)
    : QAbstractTableModel(parent), FDataLink(std::make_unique<TLink>(*this)) {}

TDataSetModel::~TDataSetModel() = default;

TDataSource* TDataSetModel::DataSource() const noexcept { return FDataLink->DataSource(); }

void TDataSetModel::SetDataSource(TDataSource* Value) {
  if (Value == DataSource()) return;
  FDataLink->SetDataSource(Value);
  Announce([this] { Rebuild(); });
}

// Views hear the steps of a change, then where the current record is, once
// the model is settled again.
void TDataSetModel::Announce(const std::function<void()>& Steps) {
  if (FUpdating) return Steps();
  {
    const auto updating = SetForScope(FUpdating);
    Steps();
  }
  CurrentMoved(true);
}

TDataSet* TDataSetModel::DataSet() const noexcept {
  return FDataLink->Active() ? FDataLink->DataSet() : nullptr;
}

TField* TDataSetModel::ColumnField(int Column) const noexcept {
  return Column >= 0 && Column < static_cast<int>(FColumns.size())
             ? FColumns[static_cast<std::size_t>(Column)]
             : nullptr;
}

int TDataSetModel::FieldColumn(const TField* Field) const noexcept {
  for (std::size_t i = 0; i < FColumns.size(); ++i)
    if (FColumns[i] == Field) return static_cast<int>(i);
  return -1;
}

// ---- Rows ------------------------------------------------------------------------------

int TDataSetModel::ExpectedRows() const noexcept {
  const TDataSet* dataSet = DataSet();
  if (!dataSet) return 0;
  return dataSet->RecordCount() + (dataSet->PendingRow() >= 0 ? 1 : 0);
}

// The dataset's view position of a row: -2 for the new record, -1 for none.
int TDataSetModel::ViewIndex(int Row) const noexcept {
  if (Row < 0 || Row >= FRowCount) return -1;
  int view = Row;
  if (FPendingRow >= 0) {
    if (Row == FPendingRow) return -2;
    if (Row > FPendingRow) --view;
  }
  if (FGoneRow >= 0) {
    if (view == FGoneRow) return FGoneTo;
    if (view > FGoneRow) --view;
  }
  if (FSkipView >= 0 && view >= FSkipView) ++view;
  return view;
}

int TDataSetModel::CurrentRow() const noexcept {
  const TDataSet* dataSet = DataSet();
  if (!dataSet) return -1;
  if (dataSet->State() == TDataSetState::Insert) return FPendingRow;
  if (dataSet->IsEmpty()) return -1;
  int row = dataSet->RecNo() - 1;
  if (FPendingRow >= 0 && row >= FPendingRow) ++row;
  return row < FRowCount ? row : -1;
}

void TDataSetModel::Rebuild() {
  beginResetModel();
  FColumns.clear();
  if (const TDataSet* dataSet = DataSet())
    for (std::size_t i = 0; i < dataSet->FieldCount(); ++i)
      if (dataSet->Fields(i).Visible()) FColumns.push_back(&dataSet->Fields(i));
  FPendingRow = DataSet() ? DataSet()->PendingRow() : -1;
  FGoneRow = FGoneTo = FSkipView = -1;
  FRowCount = ExpectedRows();
  endResetModel();
}

void TDataSetModel::RefreshColumns() {
  Announce([this] { Rebuild(); });
}

// The dataset has already changed when it tells the model; until a step's
// begin...() signal is out, the rows must read as they were. FGoneRow,
// FGoneTo and FSkipView describe the difference for the length of a step.
void TDataSetModel::DataSetChanged() {
  const TDataSet* dataSet = DataSet();
  if (!dataSet) return Rebuild();
  const TViewChange change = dataSet->ViewChange();
  const int lastColumn = std::max(0, columnCount() - 1);
  auto settle = [this] { FGoneRow = FGoneTo = FSkipView = -1; };
  auto removeRow = [&](int row) {
    beginRemoveRows({}, row, row);
    settle();
    if (row == FPendingRow) FPendingRow = -1;
    --FRowCount;
    endRemoveRows();
  };
  auto insertRow = [&](int row) {
    beginInsertRows({}, row, row);
    settle();
    ++FRowCount;
    endInsertRows();
  };
  auto rowChanged = [&](int row) {
    emit dataChanged(index(row, 0), index(row, lastColumn));
    emit headerDataChanged(Qt::Vertical, row, row);
  };
  const bool inRange = [&] {
    auto ok = [this](int row, int extra) { return row >= -1 && row < FRowCount + extra; };
    return ok(change.From, 0) && ok(change.To, 1);
  }();
  switch (inRange ? change.Kind : TViewChange::vcAll) {
    case TViewChange::vcInsertStarted:
      if (FPendingRow >= 0 || change.To < 0) return Rebuild();
      beginInsertRows({}, change.To, change.To);
      FPendingRow = change.To;
      ++FRowCount;
      endInsertRows();
      emit headerDataChanged(Qt::Vertical, change.To, FRowCount - 1);
      break;
    case TViewChange::vcInsertCancelled:
      if (FPendingRow < 0) return Rebuild();
      removeRow(FPendingRow);
      break;
    case TViewChange::vcRowPosted:
      if (FPendingRow >= 0) {
        // The new record leaves its place and appears where it is stored.
        FSkipView = change.To;
        removeRow(FPendingRow);
        if (change.To >= 0) {
          FSkipView = change.To;
          insertRow(change.To);
        }
      } else if (change.From < 0) {
        return Rebuild();
      } else if (change.To == change.From) {
        rowChanged(change.From);
      } else if (change.To < 0) {
        FGoneRow = change.From;
        removeRow(change.From);
      } else {
        FGoneRow = change.From;
        FGoneTo = FSkipView = change.To;
        const int destination = change.To > change.From ? change.To + 1 : change.To;
        beginMoveRows({}, change.From, change.From, {}, destination);
        settle();
        endMoveRows();
        rowChanged(change.To);
      }
      break;
    case TViewChange::vcRowDeleted:
      if (FPendingRow >= 0 || change.From < 0) return Rebuild();
      FGoneRow = change.From;
      removeRow(change.From);
      break;
    case TViewChange::vcAll:
      if (FRowCount != ExpectedRows() || FPendingRow != dataSet->PendingRow()) return Rebuild();
      if (FRowCount > 0) {
        emit dataChanged(index(0, 0), index(FRowCount - 1, lastColumn));
        emit headerDataChanged(Qt::Vertical, 0, FRowCount - 1);
      }
      break;
  }
  // Anything the steps above did not account for is shown afresh.
  if (FRowCount != ExpectedRows() || FPendingRow != dataSet->PendingRow()) return Rebuild();
}

void TDataSetModel::RecordChanged(const TField* Field) {
  const int row = CurrentRow();
  if (row < 0) return;
  const int column = Field ? FieldColumn(Field) : -1;
  if (Field && column < 0) return;
  emit dataChanged(index(row, column < 0 ? 0 : column),
                   index(row, column < 0 ? std::max(0, columnCount() - 1) : column));
}

void TDataSetModel::StateChanged() {
  const int row = CurrentRow();
  if (row >= 0) emit headerDataChanged(Qt::Vertical, row, row);
}

void TDataSetModel::CurrentMoved(bool Force) {
  const int row = CurrentRow();
  if (row == FCurrentRow && !Force) return;
  const int old = std::exchange(FCurrentRow, row);
  if (old >= 0 && old < FRowCount) emit headerDataChanged(Qt::Vertical, old, old);
  if (row >= 0) emit headerDataChanged(Qt::Vertical, row, row);
  emit currentRowChanged(row);
}

bool TDataSetModel::SetCurrentRow(int Row) {
  TDataSet* dataSet = DataSet();
  if (!dataSet) return false;
  if (Row == CurrentRow()) return true;
  const int view = ViewIndex(Row);
  if (view < 0) return false;
  try {
    // A bookmark finds the record again after a pending edit is posted.
    const TBookmark target = dataSet->BookmarkAt(view);
    dataSet->GotoBookmark(target);
    return true;
  } catch (...) {
    Report(std::current_exception());
    CurrentMoved(true);
    return false;
  }
}

void TDataSetModel::Report(std::exception_ptr Error) {
  if (OnError)
    OnError(Error);
  else
    GuardedCall([Error] { std::rethrow_exception(Error); });
}

// ---- Cells --------------------------------------------------------------------------------

int TDataSetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : FRowCount;
}

int TDataSetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(FColumns.size());
}

QVariant TDataSetModel::data(const QModelIndex& index, int role) const {
  const TDataSet* dataSet = DataSet();
  const TField* field = ColumnField(index.column());
  if (!dataSet || !field || index.parent().isValid()) return {};
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ToQt(field->Alignment()));
  if (role != Qt::DisplayRole && role != Qt::EditRole && role != FieldValueRole) return {};
  const int view = ViewIndex(index.row());
  if (view == -1) return {};
  // The new record is the active record itself; any other is read in place.
  std::optional<TDataSet::TRecordReader> reader;
  if (view >= 0) {
    reader.emplace(*dataSet, view);
    if (!reader->Valid()) return {};
  }
  try {
    if (role == Qt::DisplayRole) return QString::fromStdString(field->DisplayText());
    if (role == Qt::EditRole) {
      if (field->IsNull() && field->DataType() != ftString) return QString();
      switch (field->DataType()) {
        case ftBoolean: return field->AsBoolean();
        case ftSmallint:
        case ftAutoInc: return field->AsInteger();
        default: return QString::fromStdString(field->Text());
      }
    }
    if (field->IsNull()) return {};
    switch (field->DataType()) {
      case ftBoolean: return field->AsBoolean();
      case ftSmallint:
      case ftAutoInc: return field->AsInteger();
      case ftCurrency: return field->AsFloat();
      case ftString: return QString::fromStdString(field->AsString());
      case ftDate: return DateTimeToQDate(field->AsDateTime());
      case ftDateTime:
      case ftTimeStamp: return DateTimeToQDateTime(field->AsDateTime());
      case ftTime: return DateTimeToVariant(field->AsDateTime());
      default: return QString::fromStdString(field->DisplayText());
    }
  } catch (...) {
    return {};  // a value the field cannot show stays blank rather than stopping a paint
  }
}

QVariant TDataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal) {
    const TField* field = ColumnField(section);
    if (!field) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(field->DisplayLabel());
    return {};
  }
  if (role != Qt::DisplayRole || section != CurrentRow()) return {};
  switch (DataSet()->State()) {
    case TDataSetState::Insert: return QStringLiteral("*");
    case TDataSetState::Edit: return QStringLiteral("\u270E");
    default: return QStringLiteral("\u25BA");
  }
}

Qt::ItemFlags TDataSetModel::flags(const QModelIndex& index) const {
  const TField* field = ColumnField(index.column());
  if (!field || index.row() < 0 || index.row() >= FRowCount) return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  const bool editable = !FReadOnly && !FDataLink->ReadOnly() && !field->ReadOnly() &&
                        field->DataType() != ftAutoInc && field->DataType() != ftDataSet;
  if (editable) result |= Qt::ItemIsEditable;
  return result;
}

void TDataSetModel::AssignField(TField& Field, const QVariant& Value) {
  TDateTime dateTime = 0;
  if (Value.isNull() || !Value.isValid()) return Field.Clear();
  if (IsDateType(Field.DataType()) && TryVariantToDateTime(Value, dateTime))
    return Field.SetAsDateTime(dateTime);
  switch (Value.metaType().id()) {
    case QMetaType::Bool: return Field.SetAsBoolean(Value.toBool());
    case QMetaType::Int:
    case QMetaType::LongLong: return Field.SetAsInteger(Value.toInt());
    case QMetaType::Double: return Field.SetAsFloat(Value.toDouble());
    default: break;
  }
  const QString text = Value.toString();
  if (text.isEmpty() && Field.DataType() != ftString) return Field.Clear();
  Field.SetText(text.toStdString());
}

bool TDataSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if ((role != Qt::EditRole && role != FieldValueRole) || !(flags(index) & Qt::ItemIsEditable))
    return false;
  TField* field = ColumnField(index.column());
  TDataSet* dataSet = DataSet();
  if (!SetCurrentRow(index.row())) return false;
  // Moving may have posted and reordered rows; edit the record now current.
  try {
    if (!IsEditState(dataSet->State()) && !FDataLink->Edit()) return false;
    AssignField(*field, value);
    if (FAutoPost) dataSet->Post();
    return true;
  } catch (...) {
    Report(std::current_exception());
    return false;
  }
}

}  // namespace zar
