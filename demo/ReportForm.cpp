#include "ReportForm.h"

#include <QMarginsF>
#include <QPageSize>

#include "DemoDataSets.h"

namespace zar::demo {

TQuickReport2::TQuickReport2(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("TQuickReport2"));
  zardemo::DefineReportOrders(FOrders);
}

QPageLayout TQuickReport2::PageLayout() const {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter);
}

}  // namespace zar::demo
