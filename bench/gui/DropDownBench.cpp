// The time from the opening gesture (Alt+Down) to the drop-down calendar
// painted on the screen,
// for the first opening of a fresh control and for later openings, side
// by side with QDateEdit's calendar popup showing the Jalali calendar.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCalendar>
#include <QDateEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <chrono>
#include <cstdio>
#include <memory>

#include "ExZarDatePicker.h"
#include "RatioTable.h"
#include "ZarDateUtils.h"

namespace {

// Notices the first paint of any window other than the host's.
class PaintWatch : public QObject {
 public:
  QWidget* Host = nullptr;
  bool Painted = false;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint && o->isWidgetType() &&
        static_cast<QWidget*>(o)->window() != Host)
      Painted = true;
    return false;
  }
};

// A shown, active window holding one control with the focus.
struct Host {
  std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
  Host() { window->resize(300, 120); }
  void Show(QWidget* control) {
    control->setGeometry(20, 20, 161, 24);
    window->show();
    window->activateWindow();
    while (!window->isActiveWindow()) QApplication::processEvents();
    control->setFocus();
    QApplication::processEvents();
  }
};

// The user's opening gesture, then events until the popup has painted:
// Alt+Down for the picker; QDateEdit opens its popup on a press on its
// arrow (it has no key for that).
double OpenSeconds(QWidget* control, PaintWatch& watch) {
  watch.Painted = false;
  const auto start = std::chrono::steady_clock::now();
  if (qobject_cast<QDateEdit*>(control)) {
    const QPointF arrow(control->width() - 6, control->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, arrow, control->mapToGlobal(arrow), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
  } else {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::AltModifier);
    QApplication::sendEvent(control, &press);
  }
  // A popup that never paints would hang the run: give up after a second.
  while (!watch.Painted && std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
    QApplication::processEvents();
  if (!watch.Painted) std::fprintf(stderr, "the popup did not open\n");
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::unique_ptr<zar::TExZarDatePicker> MakePicker(QWidget* parent) {
  auto picker = std::make_unique<zar::TExZarDatePicker>(parent);
  picker->SetDate(zar::ZarEncodeDate(1403, 1, 15));
  return picker;
}

std::unique_ptr<QDateEdit> MakeDateEdit(QWidget* parent) {
  auto edit = std::make_unique<QDateEdit>(parent);
  edit->setCalendar(QCalendar(QCalendar::System::Jalali));
  edit->setCalendarPopup(true);
  edit->setDate(QDate(2024, 4, 3));
  return edit;
}

void CloseZar(zar::TExZarDatePicker& picker) {
  picker.CloseUp(false);
  QApplication::processEvents();
}

void CloseQt(QDateEdit&) {
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  QApplication::processEvents();
}

template <typename Make, typename Close>
void FirstOpen(benchmark::State& state, Make make, Close close) {
  PaintWatch watch;
  qApp->installEventFilter(&watch);
  for (auto _ : state) {
    Host host;
    watch.Host = host.window.get();
    auto control = make(host.window.get());
    host.Show(control.get());
    state.SetIterationTime(OpenSeconds(control.get(), watch));
    close(*control);
  }
  qApp->removeEventFilter(&watch);
}

template <typename Make, typename Close>
void LaterOpen(benchmark::State& state, Make make, Close close) {
  PaintWatch watch;
  qApp->installEventFilter(&watch);
  Host host;
  watch.Host = host.window.get();
  auto control = make(host.window.get());
  host.Show(control.get());
  OpenSeconds(control.get(), watch);  // the first opening creates the popup
  close(*control);
  for (auto _ : state) {
    state.SetIterationTime(OpenSeconds(control.get(), watch));
    close(*control);
  }
  qApp->removeEventFilter(&watch);
}

void FirstOpenZar(benchmark::State& s) { FirstOpen(s, MakePicker, CloseZar); }
void FirstOpenQt(benchmark::State& s) { FirstOpen(s, MakeDateEdit, CloseQt); }
void OpenZar(benchmark::State& s) { LaterOpen(s, MakePicker, CloseZar); }
void OpenQt(benchmark::State& s) { LaterOpen(s, MakeDateEdit, CloseQt); }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Five repetitions, so that the table compares medians.
  for (const auto& [name, function] :
       {std::pair{"FirstOpen/Zar", &FirstOpenZar}, std::pair{"FirstOpen/QDateEdit", &FirstOpenQt},
        std::pair{"Open/Zar", &OpenZar}, std::pair{"Open/QDateEdit", &OpenQt}})
    benchmark::RegisterBenchmark(name, function)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->MinTime(0.2);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  zar::bench::MedianCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  // Targets: no slower than QDateEdit's popup, and a first opening within
  // one frame at 60 Hz.
  bool met = zar::bench::PrintTargetTable(
      collector, {{"FirstOpen", "QDateEdit", 1.0}, {"Open", "QDateEdit", 1.0}});
  const double first = collector.Median("FirstOpen/Zar");
  const bool inFrame = first >= 0 && first < 16e6;
  std::printf("First opening: %.2f ms (target under 16 ms) %s\n", first / 1e6,
              inFrame ? "met" : "NOT met");
  met = met && inFrame;
  std::printf("\n%s\n", met ? "All targets met." : "Some targets were NOT met.");
  return 0;
}
