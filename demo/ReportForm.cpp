#include "ReportForm.h"

#include <QFile>
#include <QFontDatabase>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "DemoDataSets.h"
#include "DemoFonts.h"
#include "Exceptions.h"
#include "ReportEngine.h"
#include "ScopeExit.h"
#include "ZarApplication.h"

namespace zar::demo {

namespace {

const QColor Teal(0, 128, 128);

// The title band: four bold teal captions over a line.
TReportBand TitleBand(const QString& Fallback) {
  TReportBand band{"TitleBand1", TBandType::Title, 43, true, {}};
  const QFont font = DesignedFont("Times New Roman", 10, true, Fallback);
  const std::pair<const char*, int> captions[] = {
      {"شماره سفارش", 593}, {"زمان دريافت", 509}, {"مبلغ پرداختي", 329}, {"تاريخ ارسال", 189}};
  int n = 1;
  for (const auto& [caption, x] : captions) {
    TReportText text;
    text.Name = QString("QRLabel%1").arg(n++);
    text.Bounds = QRect(x, 12, 75, 19);
    text.Font = font;
    text.Color = Teal;
    text.Alignment = Qt::AlignRight;
    text.RightToLeft = true;
    text.Caption = QString::fromUtf8(caption);
    band.Texts.push_back(std::move(text));
  }
  return band;
}

// The detail band: the four fields of one order on white.
TReportBand DetailBand(const QString& Fallback) {
  TReportBand band{"QRSubDetail1", TBandType::Detail, 28, false, {}};
  const QFont font = DesignedFont("Tahoma", 9, false, Fallback);
  struct TColumn {
    const char* Field;
    int X, Width;
    Qt::Alignment Alignment;
  };
  const TColumn columns[] = {{"OrderNo", 603, 55, Qt::AlignHCenter},
                             {"RecieveTime", 408, 180, Qt::AlignRight},
                             {"AmountPaid", 271, 131, Qt::AlignRight},
                             {"ShipDate", 96, 171, Qt::AlignRight}};
  int n = 1;
  for (const TColumn& column : columns) {
    TReportText text;
    text.Name = QString("QRDBText%1").arg(n++);
    text.Bounds = QRect(column.X, 5, column.Width, 17);
    text.Font = font;
    text.Background = Qt::white;
    text.Alignment = column.Alignment;
    text.RightToLeft = true;
    text.FieldName = column.Field;
    band.Texts.push_back(std::move(text));
  }
  return band;
}

}  // namespace

TQuickReport2::TQuickReport2(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("TQuickReport2"));
  zardemo::DefineReportOrders(FOrders);
  // Persian glyphs come from the form's font where the designed one lacks them.
  const QString fallback = ChooseFormFamily(QFontDatabase::families());
  FReport = std::make_unique<TBandedReport>(TitleBand(fallback), DetailBand(fallback));
}

TQuickReport2::~TQuickReport2() = default;

QPageLayout TQuickReport2::PageLayout() const {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter);
}

void TQuickReport2::LoadOrders(TClientDataSet& Source) {
  FOrders.SetData(Source.Data());
  FOrders.SetFilter(Source.Filter());
  FOrders.SetFiltered(Source.Filtered());
  if (!FOrders.Active()) FOrders.Open();
}

int TQuickReport2::Prepare() {
  FReport->Prepare(FOrders, PageLayout().paintRectPixels(96).size());
  return static_cast<int>(FReport->Pages().size());
}

void TQuickReport2::Print(QPagedPaintDevice& Device) {
  if (!Device.setPageLayout(PageLayout()))
    throw Exception("The printer does not take A4 pages with 10 mm margins");
  Prepare();
  FReport->Print(Device);
}

void TQuickReport2::Preview() {
  // The dataset is closed however the preview ends.
  const TScopeExit closer([this] { FOrders.Close(); });
  Prepare();
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(PageLayout());
  QPrintPreviewDialog dialog(&printer, parentWidget());
  dialog.setObjectName("QRPreview");
  dialog.setWindowTitle("پيش‌نمايش چاپ");
  // The report opens at 100 %, as designed.
  if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
    view->setZoomMode(QPrintPreviewWidget::CustomZoom);
    view->setZoomFactor(1.0);
  }
  connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter* target) {
    // An error of the engine goes to the default handler; the preview shows
    // what was drawn before it.
    GuardedCall([this, target] { Print(*target); });
  });
  dialog.exec();
}

void TQuickReport2::ExportToPdf(const QString& FileName) {
  {
    QFile probe(FileName);
    if (!probe.open(QIODevice::WriteOnly))
      throw Exception("Cannot write the report to '" + FileName.toStdString() +
                      "': " + probe.errorString().toStdString());
  }
  QPdfWriter writer(FileName);
  writer.setTitle("Orders");
  writer.setCreator("zardemo");
  writer.setResolution(300);
  Print(writer);
}

}  // namespace zar::demo
