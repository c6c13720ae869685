#pragma once
// The order report form: a banded report on A4 portrait paper over its own,
// memory-only copy of the orders. It is created at start-up and never shown
// except as the print preview of the orders page.

#include <QPageLayout>
#include <QWidget>
#include <memory>

#include "ClientDataSet.h"

class QPagedPaintDevice;

namespace zar::demo {

class TBandedReport;

class TQuickReport2 : public QWidget {
  Q_OBJECT
 public:
  explicit TQuickReport2(QWidget* parent = nullptr);
  ~TQuickReport2() override;

  // Ordered by "OrderNo", with the report's display formats.
  TClientDataSet& cdsOrders() { return FOrders; }
  // A4 portrait, millimetre units, 10 mm margins on every side.
  QPageLayout PageLayout() const;

  // Reopens the report's dataset on a copy of every record of Source
  // (pending edits are posted first), then takes Source's filter text and
  // flag.
  void LoadOrders(TClientDataSet& Source);
  // Lays the bands out over the records that pass the filter; the result is
  // the page count, at least 1.
  int Prepare();
  // The prepared report (after Prepare).
  const TBandedReport& Report() const { return *FReport; }
  // Prepares and shows the modal print preview, from which the user prints;
  // closes the report's dataset when the preview is closed.
  void Preview();
  // Prepares and prints the report on Device, setting its page layout.
  // Raises zar::Exception when the device refuses.
  void Print(QPagedPaintDevice& Device);
  // Prepares the report and writes it to FileName as a PDF document.
  // Raises zar::Exception when the file cannot be written.
  void ExportToPdf(const QString& FileName);

 private:
  TClientDataSet FOrders{"cdsOrders"};
  std::unique_ptr<TBandedReport> FReport;
};

}  // namespace zar::demo
