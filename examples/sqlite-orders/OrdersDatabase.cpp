#include "OrdersDatabase.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>

namespace orders {

namespace {

constexpr auto DateTimePattern = "yyyy-MM-ddTHH:mm:ss.zzz";

QString LastError(const QSqlQuery& query) { return query.lastError().text(); }

}  // namespace

QSqlDatabase OpenDatabase(const QString& FileName, const QString& Connection, bool ReadOnly,
                          QString& Error) {
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
  db.setDatabaseName(FileName);
  // A locked file fails at once instead of waiting for the other writer.
  db.setConnectOptions(ReadOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=0")
                                : QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
  if (!db.open()) {
    Error = db.lastError().text();
    return db;
  }
  if (ReadOnly) return db;
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS orders ("
                                 "id INTEGER PRIMARY KEY, customer TEXT NOT NULL, "
                                 "received TEXT, ship_date TEXT, amount REAL)"))) {
    Error = LastError(query);
    db.close();
  }
  return db;
}

bool AddSampleOrders(QSqlDatabase& Database, QString& Error) {
  QSqlQuery count(QStringLiteral("SELECT COUNT(*) FROM orders"), Database);
  if (!count.next()) {
    Error = LastError(count);
    return false;
  }
  if (count.value(0).toInt() > 0) return true;
  struct Sample {
    const char* Customer;
    QDateTime Received;
    QDate Ship;
    double Amount;
  };
  const Sample samples[] = {
      {"Reza Ahmadi", QDateTime({2024, 3, 10}, {9, 30}), {2024, 3, 20}, 1250000},
      {"Mina Karimi", QDateTime({2024, 6, 1}, {16, 5, 12}), {2024, 6, 21}, 480000},
      {"Ali Rostami", QDateTime({2024, 9, 22}, {11, 0}), {2024, 9, 23}, 3100000},
  };
  if (!Database.transaction()) {
    Error = Database.lastError().text();
    return false;
  }
  QSqlQuery insert(Database);
  insert.prepare(QStringLiteral(
      "INSERT INTO orders (customer, received, ship_date, amount) VALUES (?, ?, ?, ?)"));
  for (const Sample& s : samples) {
    insert.addBindValue(QString::fromUtf8(s.Customer));
    insert.addBindValue(s.Received.toString(DateTimePattern));
    insert.addBindValue(s.Ship.toString(Qt::ISODate));
    insert.addBindValue(s.Amount);
    if (!insert.exec()) {
      Error = LastError(insert);
      Database.rollback();
      return false;
    }
  }
  if (!Database.commit()) {
    Error = Database.lastError().text();
    Database.rollback();
    return false;
  }
  return true;
}

TOrdersModel::TOrdersModel(QSqlDatabase Database, QObject* parent)
    : QSqlTableModel(parent, Database) {
  setTable(QStringLiteral("orders"));
  setEditStrategy(QSqlTableModel::OnFieldChange);
  setSort(ocId, Qt::AscendingOrder);
  setHeaderData(ocId, Qt::Horizontal, tr("No."));
  setHeaderData(ocCustomer, Qt::Horizontal, tr("Customer"));
  setHeaderData(ocReceived, Qt::Horizontal, tr("Received"));
  setHeaderData(ocShipDate, Qt::Horizontal, tr("Ship date"));
  setHeaderData(ocAmount, Qt::Horizontal, tr("Amount"));
}

QVariant TOrdersModel::data(const QModelIndex& index, int role) const {
  const QVariant stored = QSqlTableModel::data(index, role);
  if ((role != Qt::DisplayRole && role != Qt::EditRole) || stored.isNull()) {
    // An empty date cell is still a date cell, so that the picker can fill it.
    if (stored.isNull() && (role == Qt::DisplayRole || role == Qt::EditRole)) {
      if (index.column() == ocShipDate) return QDate();
      if (index.column() == ocReceived) return QDateTime();
    }
    return stored;
  }
  if (index.column() == ocAmount && role == Qt::DisplayRole)
    return QLocale().toString(stored.toDouble(), 'f', 0);
  // Text that is not a date is shown as it is.
  if (index.column() == ocShipDate) {
    const QDate date = QDate::fromString(stored.toString(), Qt::ISODate);
    return date.isValid() ? QVariant(date) : stored;
  }
  if (index.column() == ocReceived) {
    const QDateTime time = QDateTime::fromString(stored.toString(), Qt::ISODateWithMs);
    return time.isValid() ? QVariant(time) : stored;
  }
  return stored;
}

bool TOrdersModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  QVariant stored = value;
  if (role == Qt::EditRole && value.metaType().id() == QMetaType::QDate)
    stored = value.toDate().toString(Qt::ISODate);
  else if (role == Qt::EditRole && value.metaType().id() == QMetaType::QDateTime)
    stored = value.toDateTime().toString(DateTimePattern);
  if (QSqlTableModel::setData(index, stored, role)) return true;
  const QString message = lastError().text();
  // Give up the refused change so that the view shows what is stored.
  revertAll();
  emit writeFailed(message.isEmpty() ? tr("The change could not be saved.") : message);
  return false;
}

}  // namespace orders
