#include "DBGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <algorithm>

#include "DBDataSet.h"
#include "DBFields.h"
#include "ZarApplication.h"

namespace zar {

TDBGrid::TDBGrid(QWidget* parent) : QTableView(parent), FModel(new TDataSetModel(this)) {
  setModel(FModel);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  // Every row has the font's height: the view then never measures rows it
  // does not show.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  verticalHeader()->setFixedWidth(fontMetrics().height() + 6);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(false);
  connect(FModel, &TDataSetModel::currentRowChanged, this, &TDBGrid::FollowDataSet);
  connect(FModel, &QAbstractItemModel::modelReset, this, &TDBGrid::ColumnsReset);
}

QFont TDBGrid::TitleFont() const { return horizontalHeader()->font(); }

void TDBGrid::SetTitleFont(const QFont& Value) {
  horizontalHeader()->setFont(Value);
  ApplyColumnWidths();
}

void TDBGrid::SetReadOnly(bool Value) { FModel->SetReadOnly(Value); }

TField* TDBGrid::SelectedField() const { return FModel->ColumnField(currentIndex().column()); }

int TDBGrid::DefaultColumnWidth(const TField& Field) const {
  const int text = fontMetrics().horizontalAdvance(QLatin1Char('0')) * Field.DisplayWidth();
  const QFontMetrics titleMetrics(TitleFont());
  const int title = titleMetrics.horizontalAdvance(QString::fromStdString(Field.DisplayLabel()));
  return std::max(text, title) + 8;
}

void TDBGrid::ApplyColumnWidths() {
  for (int column = 0; column < FModel->columnCount(); ++column)
    if (const TField* field = FModel->ColumnField(column))
      setColumnWidth(column, DefaultColumnWidth(*field));
}

void TDBGrid::ColumnsReset() {
  ApplyColumnWidths();
  FollowDataSet(FModel->CurrentRow());
}

// The dataset's current record moved: so does the current cell.
void TDBGrid::FollowDataSet(int Row) {
  if (FFollowing || !selectionModel()) return;
  FFollowing = true;
  if (Row < 0) {
    selectionModel()->clearCurrentIndex();
  } else {
    const int column = std::max(0, currentIndex().column());
    const QModelIndex target = FModel->index(Row, column);
    if (target != currentIndex())
      selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
  }
  FFollowing = false;
}

// The current cell moved: so does the dataset's current record, unless it
// refuses (a pending edit that cannot be posted), in which case the cell
// goes back.
void TDBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  // Rows shifting while the model announces a change move no record.
  if (FFollowing || FModel->Updating() || !current.isValid()) return;
  FFollowing = true;
  const bool moved = FModel->SetCurrentRow(current.row());
  FFollowing = false;
  if (!moved || current.row() != FModel->CurrentRow()) FollowDataSet(FModel->CurrentRow());
}

void TDBGrid::keyPressEvent(QKeyEvent* event) {
  TDataSet* dataSet = FModel->DataSet();
  if (dataSet && state() != QAbstractItemView::EditingState) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (event->key() == Qt::Key_Insert && !ReadOnly() && !ctrl) {
      GuardedCall([dataSet] { dataSet->Insert(); });
      return event->accept();
    }
    if (event->key() == Qt::Key_Escape && IsEditState(dataSet->State())) {
      GuardedCall([dataSet] { dataSet->Cancel(); });
      return event->accept();
    }
    if (event->key() == Qt::Key_Delete && ctrl && !ReadOnly()) {
      if (!dataSet->IsEmpty() &&
          (!FConfirmDelete ||
           QMessageBox::question(this, QString(), tr("Delete record?"),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok))
        GuardedCall([dataSet] { dataSet->Delete(); });
      return event->accept();
    }
  }
  QTableView::keyPressEvent(event);
}

void TDBGrid::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ApplyColumnWidths();
  }
}

}  // namespace zar
