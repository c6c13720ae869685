// zardemo: the demonstration of the Solar Hijri calendar components.
//
//   zardemo                    the demonstration window
//   zardemo --screenshot DIR   renders every page to DIR/page-<Tag>.png and
//                              exits; needs no display
//
// The data files are kept in the directory of the executable.

#include <QApplication>
#include <cstring>
#include <iostream>
#include <optional>

#include "DemoApplication.h"
#include "MainWindow.h"
#include "Screenshots.h"

namespace {

// The directory after --screenshot (or in --screenshot=DIR), if given.
std::optional<QString> ScreenshotDirectory(int argc, char** argv) {
  constexpr const char* Option = "--screenshot";
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], Option) == 0 && i + 1 < argc) return QString::fromLocal8Bit(argv[i + 1]);
    if (std::strncmp(argv[i], Option, std::strlen(Option)) == 0 && argv[i][std::strlen(Option)] == '=')
      return QString::fromLocal8Bit(argv[i] + std::strlen(Option) + 1);
  }
  return std::nullopt;
}

bool HasDisplay() { return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"); }

}  // namespace

int main(int argc, char** argv) {
  const std::optional<QString> screenshots = ScreenshotDirectory(argc, argv);
  // The platform plugin is chosen when the application object is created.
  if (screenshots || !HasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");

  zar::demo::TDemoApplication app(argc, argv);
  app.setApplicationName("zardemo");
  app.setLayoutDirection(Qt::RightToLeft);
  zar::demo::SetUnattended(screenshots.has_value());

  zar::demo::TForm1 form(QCoreApplication::applicationDirPath());
  form.show();
  if (screenshots) return zar::demo::SaveScreenshots(form, *screenshots) ? 0 : 1;
  if (!HasDisplay())
    std::cerr << "zardemo: no display; use --screenshot DIR to render the pages to PNG files\n";
  return app.exec();
}
