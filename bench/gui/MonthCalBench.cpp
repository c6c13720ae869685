// A full repaint of the month calendar (title band, day names, 42 day cells
// and the today line) rendered offscreen into an image, side by side with
// Qt's QCalendarWidget set to the Jalali calendar at the same size.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCalendar>
#include <QCalendarWidget>
#include <QImage>
#include <cstdio>

#include "MonthCalendar.h"
#include "RatioTable.h"
#include "ZarDateUtils.h"

namespace {

constexpr int Width = 363, Height = 230;

void Repaint(benchmark::State& state, QWidget& widget) {
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    widget.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void RepaintZar(benchmark::State& state) {
  zar::TZarMonthCalendar calendar;
  calendar.SetAutoSize(false);
  calendar.resize(Width, Height);
  calendar.SetDate(zar::ZarEncodeDate(1403, 1, 15));
  calendar.HandleNeeded();
  Repaint(state, calendar);
}

void RepaintQt(benchmark::State& state) {
  QCalendarWidget calendar;
  calendar.setCalendar(QCalendar(QCalendar::System::Jalali));
  calendar.resize(Width, Height);
  calendar.setSelectedDate(QDate(2024, 4, 3));
  calendar.ensurePolished();
  Repaint(state, calendar);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Five repetitions, so that the table compares medians.
  for (const auto& [name, function] :
       {std::pair{"Repaint/Zar", &RepaintZar}, std::pair{"Repaint/QCalendarWidget", &RepaintQt}})
    benchmark::RegisterBenchmark(name, function)->Repetitions(5)->MinTime(0.1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  zar::bench::MedianCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  // Target: a repaint no slower than QCalendarWidget's.
  const bool met = zar::bench::PrintTargetTable(collector, {{"Repaint", "QCalendarWidget", 1.0}});
  std::printf("\n%s\n", met ? "All targets met." : "Some targets were NOT met.");
  return 0;
}
