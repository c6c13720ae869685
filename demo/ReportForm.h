#pragma once
// The order report form: a banded report on A4 portrait paper over its own,
// memory-only copy of the orders. It is created at start-up and never shown
// except as the print preview of the orders page.

#include <QPageLayout>
#include <QWidget>

#include "ClientDataSet.h"

namespace zar::demo {

class TQuickReport2 : public QWidget {
  Q_OBJECT
 public:
  explicit TQuickReport2(QWidget* parent = nullptr);

  // Ordered by "OrderNo", with the report's display formats.
  TClientDataSet& cdsOrders() { return FOrders; }
  // A4 portrait, millimetre units, 10 mm margins on every side.
  QPageLayout PageLayout() const;

 private:
  TClientDataSet FOrders{"cdsOrders"};
};

}  // namespace zar::demo
