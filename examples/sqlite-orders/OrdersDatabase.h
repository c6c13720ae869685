#pragma once
// The orders of the SQLite example: the database file, and a table model
// that gives the date columns to views as QDate and QDateTime (SQLite keeps
// them as ISO 8601 text) so that TZarDateDelegate shows and edits them.

#include <QSqlDatabase>
#include <QSqlTableModel>
#include <QString>

namespace orders {

// Columns of the "orders" table.
enum TOrderColumn { ocId, ocCustomer, ocReceived, ocShipDate, ocAmount };

// Opens (creating when missing) the database file under the connection
// name, with the "orders" table. ReadOnly opens it without write access.
// Returns an open database, or a closed one with Error set.
QSqlDatabase OpenDatabase(const QString& FileName, const QString& Connection, bool ReadOnly,
                          QString& Error);
// Adds the sample orders when the table is empty; false with Error set
// when they cannot be written.
bool AddSampleOrders(QSqlDatabase& Database, QString& Error);

class TOrdersModel : public QSqlTableModel {
  Q_OBJECT
 public:
  explicit TOrdersModel(QSqlDatabase Database, QObject* parent = nullptr);

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Writes at once; a refused write (a locked or read-only file) leaves
  // the stored row as it was and is reported through writeFailed.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 signals:
  void writeFailed(const QString& message);
};

}  // namespace orders
