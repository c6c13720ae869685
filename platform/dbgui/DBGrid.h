#pragma once
// TDBGrid: a table view of a data source's dataset through TDataSetModel.
// Columns take their titles from the fields' display labels and their
// widths from the fields' display widths; the current record follows the
// current cell and the other way round; read-only fields (and a read-only
// grid) cannot be edited. Keys: Insert starts a new record before the
// current one, Escape gives up an edit, Ctrl+Delete deletes the current
// record (after asking when ConfirmDelete is set).

#include <QFont>
#include <QTableView>

#include "DataSetModel.h"

namespace zar {

class TDataSource;
class TField;

class TDBGrid : public QTableView {
  Q_OBJECT
 public:
  explicit TDBGrid(QWidget* parent = nullptr);

  // The source shown; nullptr for none.
  TDataSource* DataSource() const noexcept { return FModel->DataSource(); }
  void SetDataSource(TDataSource* Value) { FModel->SetDataSource(Value); }
  // The grid's own model; never null.
  TDataSetModel* DataSetModel() const noexcept { return FModel; }
  // The font of the column titles.
  QFont TitleFont() const;
  void SetTitleFont(const QFont& Value);
  // The model's ReadOnly: no cell can be edited; off by default.
  bool ReadOnly() const noexcept { return FModel->ReadOnly(); }
  void SetReadOnly(bool Value);
  // Ctrl+Delete asks before deleting; on by default.
  bool ConfirmDelete() const noexcept { return FConfirmDelete; }
  void SetConfirmDelete(bool Value) noexcept { FConfirmDelete = Value; }
  // The field of the current column; null when there is none.
  TField* SelectedField() const;
  // Width in pixels of a column showing Field: its display width in
  // characters of the grid's font (each as wide as '0'), and at least its
  // title in the title font, plus 8 pixels.
  int DefaultColumnWidth(const TField& Field) const;
  // Sets every column to its default width.
  void ApplyColumnWidths();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FollowDataSet(int Row);
  void ColumnsReset();

  TDataSetModel* FModel;
  bool FFollowing = false;
  bool FConfirmDelete = true;
};

}  // namespace zar
