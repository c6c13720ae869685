// sqlite_orders: orders kept in an SQLite file, shown in a plain QTableView
// whose date columns are Solar Hijri through TZarDateDelegate. Double-click
// a ship date (or press F2) to change it with the picker; the change is
// written to the file at once.
//
//   sqlite_orders [FILE] [--screenshot PNG]
//
// FILE defaults to orders.db in the current directory; it is created with
// three sample orders when missing.

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

#include "OrdersDatabase.h"
#include "ZarDateDelegate.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QString fileName = QStringLiteral("orders.db");
  QString screenshot;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size())
      screenshot = args[++i];
    else
      fileName = args[i];
  }

  QString error;
  QSqlDatabase db = orders::OpenDatabase(fileName, QStringLiteral("orders"), false, error);
  if (!db.isOpen() || !orders::AddSampleOrders(db, error)) {
    std::fprintf(stderr, "sqlite_orders: %s: %s\n", qPrintable(fileName), qPrintable(error));
    return 1;
  }

  QWidget window;
  window.setWindowTitle(QStringLiteral("Orders — %1").arg(fileName));
  auto* layout = new QVBoxLayout(&window);
  auto* view = new QTableView(&window);
  auto* status = new QLabel(&window);
  layout->addWidget(view);
  layout->addWidget(status);

  orders::TOrdersModel model(db);
  model.select();
  view->setModel(&model);

  zar::TZarDateDelegate shipDates;
  shipDates.SetDateFormat("dddd d mmmm yyyy");
  zar::TZarDateDelegate receptionTimes;
  receptionTimes.SetDateTimeFormat("yyyy/mm/dd hh:nn");
  receptionTimes.SetEditTime(true);
  view->setItemDelegateForColumn(orders::ocShipDate, &shipDates);
  view->setItemDelegateForColumn(orders::ocReceived, &receptionTimes);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  view->horizontalHeader()->setStretchLastSection(true);

  QObject::connect(&model, &orders::TOrdersModel::writeFailed, status,
                   [status](const QString& message) {
                     status->setText(QObject::tr("Not saved: %1").arg(message));
                   });
  QObject::connect(&model, &QAbstractItemModel::dataChanged, status,
                   [status] { status->setText(QObject::tr("Saved.")); });

  window.resize(720, 220);
  window.show();
  if (!screenshot.isEmpty()) {
    QTimer::singleShot(0, &window, [&] {
      window.grab().save(screenshot);
      app.quit();
    });
  }
  return app.exec();
}
