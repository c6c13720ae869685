#pragma once
// TDataSetModel: a Qt table model over the dataset of a data source. Its
// columns are the dataset's visible fields (titles: display labels); its rows
// are the dataset's visible records in their order (filter, range, index),
// plus the new record while one is being inserted. Cells are read in place
// when a view asks for them, so the model keeps nothing per record. Edits go
// through the dataset: setData makes the row current, puts the dataset into
// edit mode and assigns the field; the record is posted when the current
// row changes or the dataset is told to post (AutoPost posts at once).
//
// Roles: DisplayRole is the field's DisplayText, EditRole its edit text
// (a bool for Boolean fields, an int for whole numbers), FieldValueRole the
// typed value (QDate/QDateTime/TDateTimeValue for dates, see QtDates.h).
// The vertical header marks the current row: "►" browsing, "✎" editing,
// "*" inserting.

#include <QAbstractTableModel>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

namespace zar {

class TDataSource;
class TDataSet;
class TField;

class TDataSetModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int FieldValueRole = Qt::UserRole + 1;

  explicit TDataSetModel(QObject* parent = nullptr);
  ~TDataSetModel() override;

  // The source shown; nullptr for none (no rows, no columns).
  TDataSource* DataSource() const noexcept;
  void SetDataSource(TDataSource* Value);
  // The open dataset shown; null while there is none.
  TDataSet* DataSet() const noexcept;
  // The field of a column; null outside 0..columnCount()-1.
  TField* ColumnField(int Column) const noexcept;
  // The column of a field; -1 when it is not shown.
  int FieldColumn(const TField* Field) const noexcept;
  // The row of the current record (the new record while inserting); -1
  // when there is none.
  int CurrentRow() const noexcept;
  // Makes the record of Row current, posting or cancelling a pending edit
  // first. True also when Row is current already; false without an open
  // dataset, for a row outside the records, and, with the error reported,
  // when the dataset refuses.
  bool SetCurrentRow(int Row);
  // No cell can be edited through the model.
  bool ReadOnly() const noexcept { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // Posts after every successful setData; off by default.
  bool AutoPost() const noexcept { return FAutoPost; }
  void SetAutoPost(bool Value) noexcept { FAutoPost = Value; }
  // Builds the columns again after fields were shown or hidden.
  void RefreshColumns();
  // True while the model announces a change of the dataset; views must not
  // move the dataset then (currentRowChanged follows).
  bool Updating() const noexcept { return FUpdating; }

  // Errors of the dataset met while editing or moving; by default they go
  // to the application's default handler.
  std::function<void(std::exception_ptr Error)> OnError;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // EditRole or FieldValueRole only. True when the value was assigned (and, with
  // AutoPost, posted); false for another role, a cell that cannot be edited, or,
  // with the error reported, when the dataset refuses.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 signals:
  // The dataset's current record moved to another row (-1: none).
  void currentRowChanged(int Row);

 private:
  class TLink;
  friend class TLink;
  void Rebuild();
  void DataSetChanged();
  void RecordChanged(const TField* Field);
  void StateChanged();
  void CurrentMoved(bool Force = false);
  void Announce(const std::function<void()>& Steps);
  int ViewIndex(int Row) const noexcept;
  int ExpectedRows() const noexcept;
  void Report(std::exception_ptr Error);
  void AssignField(TField& Field, const QVariant& Value);

  std::unique_ptr<TLink> FDataLink;
  std::vector<TField*> FColumns;
  int FRowCount = 0;
  int FPendingRow = -1;  // row of the new record while inserting
  int FCurrentRow = -1;  // as last told to views
  // While rows are being announced: a shown row whose record left its view
  // position (now at FGoneTo, or -1 when gone), and a view position not
  // shown yet.
  int FGoneRow = -1;
  int FGoneTo = -1;
  int FSkipView = -1;
  bool FReadOnly = false;
  bool FAutoPost = false;
  bool FUpdating = false;
};

}  // namespace zar
