// zardemo: the demonstration of the Solar Hijri calendar components.
//
//   zardemo                    the demonstration window
//   zardemo --screenshot DIR   renders every page to DIR/page-<Tag>.png and
//                              exits; needs no display
//   zardemo --report-pdf FILE  writes the order report of the orders to FILE
//                              as a PDF document and exits; needs no display
//
// The data files are kept in the directory of the executable.

#include <iostream>
#include <optional>
#include <string_view>

#include "DemoDataSets.h"
#include "MainWindow.h"
#include "ReportForm.h"
#include "Screenshots.h"
#include "ZarApplication.h"

namespace {

// The value after Option (or in Option=VALUE), if given.
std::optional<QString> OptionValue(int argc, char** argv, std::string_view Option) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == Option && i + 1 < argc) return QString::fromLocal8Bit(argv[i + 1]);
    if (arg.size() > Option.size() && arg.substr(0, Option.size()) == Option &&
        arg[Option.size()] == '=')
      return QString::fromLocal8Bit(arg.substr(Option.size() + 1));
  }
  return std::nullopt;
}

bool HasDisplay() {
  return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// The report of every order, as the orders page prints it unfiltered.
bool SaveOrderReport(zar::demo::TForm1& Form, zar::demo::TQuickReport2& Report,
                     const QString& FileName) {
  try {
    zar::TClientDataSet& orders = Form.DataSets().cdsOrders;
    if (!orders.Active()) orders.Open();
    Report.LoadOrders(orders);
    Report.ExportToPdf(FileName);
    Report.cdsOrders().Close();
    return true;
  } catch (const std::exception& error) {
    std::cerr << "zardemo: " << error.what() << '\n';
    return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<QString> screenshots = OptionValue(argc, argv, "--screenshot");
  const std::optional<QString> reportPdf = OptionValue(argc, argv, "--report-pdf");
  const bool unattended = screenshots || reportPdf;
  // The platform plugin is chosen when the application object is created.
  // Without a display, one the user named explicitly is kept.
  if (unattended || (!HasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  zar::TApplication app(argc, argv);
  app.setApplicationName("zardemo");
  app.setLayoutDirection(Qt::RightToLeft);
  // Screenshots and the PDF report are made with nobody watching: messages
  // go to stderr.
  app.SetUnattended(unattended);

  zar::demo::TForm1 form(QCoreApplication::applicationDirPath());
  // The report is created after the main window and never shown by itself.
  zar::demo::TQuickReport2 report;
  form.SetReportForm(&report);
  if (reportPdf) return SaveOrderReport(form, report, *reportPdf) ? 0 : 1;
  form.show();
  if (screenshots) return zar::demo::SaveScreenshots(form, *screenshots) ? 0 : 1;
  if (QGuiApplication::platformName() == "offscreen")
    std::cerr << "zardemo: no display, nothing is shown; use --screenshot DIR to render the "
                 "pages to PNG files\n";
  return app.exec();
}
