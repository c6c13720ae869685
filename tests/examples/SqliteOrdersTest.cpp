// The SQLite example: dates written through the delegate's picker reach the
// file and read back the same through a fresh connection; refused writes
// (a locked or read-only file) are reported and change nothing stored.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <memory>

#include "DataTestSupport.h"
#include "DatePicker.h"
#include "GregorianDates.h"
#include "GuiTestEnvironment.h"
#include "OrdersDatabase.h"
#include "ZarDateDelegate.h"

namespace zar {
namespace {

class SqliteOrdersTest : public ::testing::Test {
 protected:
  SqliteOrdersTest() {
    test::App();
    QString error;
    QSqlDatabase db = orders::OpenDatabase(File(), "setup", false, error);
    EXPECT_TRUE(db.isOpen()) << error.toStdString();
    EXPECT_TRUE(orders::AddSampleOrders(db, error)) << error.toStdString();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("setup");
  }
  ~SqliteOrdersTest() override {
    View.reset();
    Model.reset();
    for (const QString& name : QSqlDatabase::connectionNames()) {
      QSqlDatabase::database(name, false).close();
      QSqlDatabase::removeDatabase(name);
    }
  }

  QString File() const { return QString::fromStdString(Dir.File("orders.db")); }

  // Shows the orders of a connection in a table view with the delegates.
  void Show(const QString& connection, bool readOnly) {
    QString error;
    QSqlDatabase db = orders::OpenDatabase(File(), connection, readOnly, error);
    ASSERT_TRUE(db.isOpen()) << error.toStdString();
    Model = std::make_unique<orders::TOrdersModel>(db);
    ASSERT_TRUE(Model->select());
    View = std::make_unique<QTableView>();
    View->setModel(Model.get());
    View->setItemDelegateForColumn(orders::ocShipDate, &ShipDates);
    View->setItemDelegateForColumn(orders::ocReceived, &Received);
    View->resize(700, 200);
    test::ShowActive(*View);
  }

  // Opens the picker of a cell, lets edit change it, and commits.
  void EditWithPicker(int row, int column, const std::function<void(TCustomZarDatePicker&)>& edit) {
    const QModelIndex index = Model->index(row, column);
    View->setCurrentIndex(index);
    View->edit(index);
    QCoreApplication::processEvents();
    auto* picker = qobject_cast<TCustomZarDatePicker*>(QApplication::focusWidget());
    ASSERT_NE(picker, nullptr);
    edit(*picker);
    QTest::keyClick(picker, Qt::Key_Return);
    QCoreApplication::processEvents();
  }

  // The stored text of a column of an order, through a connection of its own.
  QString Stored(int id, const char* column) {
    QString error;
    QSqlDatabase db = orders::OpenDatabase(File(), "check", true, error);
    QString value;
    {
      QSqlQuery query(db);
      query.prepare(QString("SELECT %1 FROM orders WHERE id = ?").arg(column));
      query.addBindValue(id);
      if (query.exec() && query.next()) value = query.value(0).toString();
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("check");
    return value;
  }

  test::TScratchDir Dir;
  TZarDateDelegate ShipDates;
  TZarDateDelegate Received;
  std::unique_ptr<orders::TOrdersModel> Model;
  std::unique_ptr<QTableView> View;
};

TEST_F(SqliteOrdersTest, APickedShipDateIsStoredAndReadBack) {
  Show("edit", false);
  EXPECT_EQ(Stored(1, "ship_date"), "2024-03-20");
  EditWithPicker(0, orders::ocShipDate,
                 [](TCustomZarDatePicker& p) { p.SetDate(EncodeDate(2024, 4, 2)); });
  EXPECT_EQ(Stored(1, "ship_date"), "2024-04-02");
  EXPECT_EQ(Stored(2, "ship_date"), "2024-06-21");  // the others stay
  EXPECT_EQ(Model->data(Model->index(0, orders::ocShipDate)), QVariant(QDate(2024, 4, 2)));
}

TEST_F(SqliteOrdersTest, EditingTheDateOfAReceptionTimeKeepsItsTime) {
  Show("edit", false);
  EditWithPicker(1, orders::ocReceived,
                 [](TCustomZarDatePicker& p) { p.SetDate(EncodeDate(2024, 6, 2)); });
  EXPECT_EQ(Stored(2, "received"), "2024-06-02T16:05:12.000");
  // Unchanged editors write back exactly what was there.
  EditWithPicker(2, orders::ocReceived, [](TCustomZarDatePicker&) {});
  EditWithPicker(2, orders::ocShipDate, [](TCustomZarDatePicker&) {});
  EXPECT_EQ(Stored(3, "received"), "2024-09-22T11:00:00.000");
  EXPECT_EQ(Stored(3, "ship_date"), "2024-09-23");
}

TEST_F(SqliteOrdersTest, RefusedWritesAreReportedAndLoseNothing) {
  const struct {
    const char* Name;
    bool ReadOnly;
    bool Locked;
  } cases[] = {{"read-only connection", true, false}, {"file locked by a writer", false, true}};
  for (const auto& c : cases) {
    Show(QString("edit-") + c.Name, c.ReadOnly);
    QString error;
    QSqlDatabase locker;
    if (c.Locked) {
      locker = orders::OpenDatabase(File(), "locker", false, error);
      ASSERT_TRUE(QSqlQuery(locker).exec("BEGIN EXCLUSIVE")) << c.Name;
    }
    QSignalSpy failed(Model.get(), &orders::TOrdersModel::writeFailed);
    EditWithPicker(0, orders::ocShipDate,
                   [](TCustomZarDatePicker& p) { p.SetDate(EncodeDate(2030, 1, 1)); });
    ASSERT_EQ(failed.count(), 1) << c.Name;
    EXPECT_FALSE(failed.first().at(0).toString().isEmpty()) << c.Name;
    // The view shows what is stored, not the refused value.
    EXPECT_EQ(Model->data(Model->index(0, orders::ocShipDate)), QVariant(QDate(2024, 3, 20)))
        << c.Name;
    if (c.Locked) {
      QSqlQuery(locker).exec("ROLLBACK");
      locker.close();
      locker = QSqlDatabase();
      QSqlDatabase::removeDatabase("locker");
    }
    EXPECT_EQ(Stored(1, "ship_date"), "2024-03-20") << c.Name;
    View.reset();
    Model.reset();
  }
}

TEST_F(SqliteOrdersTest, TextThatIsNotADateIsShownAsItIs) {
  {
    QString error;
    QSqlDatabase db = orders::OpenDatabase(File(), "raw", false, error);
    ASSERT_TRUE(QSqlQuery(db).exec("UPDATE orders SET ship_date = 'soon' WHERE id = 1"));
    ASSERT_TRUE(QSqlQuery(db).exec("UPDATE orders SET ship_date = NULL WHERE id = 2"));
  }
  Show("view", false);
  EXPECT_EQ(Model->data(Model->index(0, orders::ocShipDate)).toString(), "soon");
  EXPECT_EQ(ShipDates.displayText(Model->data(Model->index(0, orders::ocShipDate)), QLocale()),
            "soon");
  // An empty date cell gets the picker and takes the picked date.
  EditWithPicker(1, orders::ocShipDate,
                 [](TCustomZarDatePicker& p) { p.SetDate(EncodeDate(2024, 7, 1)); });
  EXPECT_EQ(Stored(2, "ship_date"), "2024-07-01");
}

}  // namespace
}  // namespace zar
