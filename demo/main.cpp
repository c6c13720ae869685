// zardemo: the demonstration of the Solar Hijri calendar components.
//
//   zardemo                    the demonstration window
//   zardemo --screenshot DIR   renders every page to DIR/page-<Tag>.png and
//                              exits; needs no display
//
// The data files are kept in the directory of the executable.

#include <iostream>
#include <optional>
#include <string_view>

#include "MainWindow.h"
#include "ReportForm.h"
#include "Screenshots.h"
#include "ZarApplication.h"

namespace {

// The directory after --screenshot (or in --screenshot=DIR), if given.
std::optional<QString> ScreenshotDirectory(int argc, char** argv) {
  constexpr std::string_view Option = "--screenshot";
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

}  // namespace

int main(int argc, char** argv) {
  const std::optional<QString> screenshots = ScreenshotDirectory(argc, argv);
  // The platform plugin is chosen when the application object is created.
  // Without a display, one the user named explicitly is kept.
  if (screenshots || (!HasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  zar::TApplication app(argc, argv);
  app.setApplicationName("zardemo");
  app.setLayoutDirection(Qt::RightToLeft);
  // Screenshots are taken with nobody watching: messages go to stderr.
  app.SetUnattended(screenshots.has_value());

  zar::demo::TForm1 form(QCoreApplication::applicationDirPath());
  // The report is created after the main window and never shown by itself.
  zar::demo::TQuickReport2 report;
  form.show();
  if (screenshots) return zar::demo::SaveScreenshots(form, *screenshots) ? 0 : 1;
  if (QGuiApplication::platformName() == "offscreen")
    std::cerr << "zardemo: no display, nothing is shown; use --screenshot DIR to render the "
                 "pages to PNG files\n";
  return app.exec();
}
