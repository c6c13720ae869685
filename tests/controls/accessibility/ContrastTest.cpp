// Contrast measured on rendered pixels: the controls follow the palette of
// the style in use, so under a dark and a high-contrast palette their text
// keeps at least 4.5:1 against its background, and the keyboard focus shows.

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "AccessibilityTestSupport.h"
#include "DatePicker.h"
#include "GregorianDates.h"
#include "GuiTestEnvironment.h"
#include "HostControls.h"
#include "MonthCalendar.h"
#include "ZarDateUtils.h"

namespace zar::test {
namespace {

constexpr double kTextContrast = 4.5;
constexpr double kGraphicContrast = 3.0;

struct PaletteCase {
  const char* label;
  QPalette (*palette)();
};

class ContrastTest : public ::testing::TestWithParam<PaletteCase> {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->setPalette(GetParam().palette());
    window->resize(400, 300);
    picker = new TZarDatePicker(window.get());
    picker->move(10, 10);
    cal = new TZarMonthCalendar(window.get());
    cal->move(10, 50);
    recorder = std::make_unique<AccessibilityRecorder>();  // the cells' rectangles
    ShowActive(*window);
  }
  void TearDown() override {
    window.reset();
    recorder.reset();
  }

  // An interface's rectangle in widget's coordinates.
  static QRect Local(QWidget* widget, QAccessibleInterface* iface) {
    const QRect r = iface->rect();
    return {widget->mapFromGlobal(r.topLeft()), r.size()};
  }

  QAccessibleInterface* CellOf(TDate date) {
    const int index = static_cast<int>(date - cal->FirstCellDate());
    return QAccessible::queryAccessibleInterface(cal)->tableInterface()->cellAt(index / 7,
                                                                                index % 7);
  }

  std::unique_ptr<AccessibilityRecorder> recorder;
  std::unique_ptr<QWidget> window;
  TZarDatePicker* picker = nullptr;
  TZarMonthCalendar* cal = nullptr;
};

TEST_P(ContrastTest, PickerSegmentsAndTheFocusedSegment) {
  cal->SetFocus();
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(picker);
  QImage image = Snapshot(*picker);
  for (int i = 0; i < iface->childCount(); ++i)
    EXPECT_GE(InkContrast(image, Local(picker, iface->child(i))), kTextContrast) << i;

  // The focused segment is filled with the palette's highlight and stays legible.
  picker->SetFocus();
  QAccessibleInterface* focused = iface->focusChild();
  ASSERT_NE(focused, nullptr);
  image = Snapshot(*picker);
  const QRect r = Local(picker, focused);
  EXPECT_GE(InkContrast(image, r), kTextContrast);
  const QColor highlight = picker->palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_EQ(QColor(image.pixel(r.left() + 1, r.top() + 1)), highlight);
}

TEST_P(ContrastTest, MonthCalendarDaysSelectionTitleAndTodayMarkers) {
  // Today's month, with the date on another day so that the today marker
  // and the selection fall on different cells.
  const TDate today = zar::Date();
  Word y, m, d;
  ZarDecodeDate(today, y, m, d);
  const TDate other = d > 1 ? today - 1 : today + 1;
  cal->SetDate(other);
  cal->SetFocus();
  const QImage image = Snapshot(*cal);

  for (TDate day = cal->MonthStart(); day <= cal->MonthEnd(); ++day) {
    if (day == today || day == other) continue;
    EXPECT_GE(InkContrast(image, Local(cal, CellOf(day))), kTextContrast) << day;
  }
  EXPECT_GE(InkContrast(image, Local(cal, CellOf(other))), kTextContrast) << "selected";

  // The today circle: drawn, and distinct from the cell's background.
  const QRect todayCell = Local(cal, CellOf(today));
  EXPECT_GE(InkContrast(image, todayCell), kTextContrast) << "today's number";
  int ring = 0;
  for (int yy = todayCell.top(); yy <= todayCell.bottom(); ++yy)
    for (int xx = todayCell.left(); xx <= todayCell.right(); ++xx) {
      const QColor c(image.pixel(xx, yy));
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++ring;
    }
  EXPECT_GT(ring, 10);
  EXPECT_GE(ContrastRatio(Qt::red, Background(image, todayCell)), kGraphicContrast);

  // The today line under the grid and the title's caption.
  const QRect client = cal->contentsRect();
  const QRect todayLine(client.left(), client.bottom() - cal->DefaultRowHeight() + 1,
                        client.width(), cal->DefaultRowHeight());
  EXPECT_GE(InkContrast(image, todayLine), kTextContrast) << "today line";
  TLabel* caption = cal->TitleLabel();
  const QRect captionRect(caption->mapTo(cal, QPoint(0, 0)), caption->size());
  EXPECT_GE(InkContrast(image, captionRect), kTextContrast) << "caption";
}

TEST_P(ContrastTest, TheFocusedDayShowsAFocusIndicator) {
  cal->SetFocus();
  const QRect cell = Local(cal, CellOf(cal->Date()));
  const QImage focused = Snapshot(*cal).copy(cell);
  picker->SetFocus();
  const QImage unfocused = Snapshot(*cal).copy(cell);
  EXPECT_NE(focused, unfocused);
}

INSTANTIATE_TEST_SUITE_P(Palettes, ContrastTest,
                         ::testing::Values(PaletteCase{"Dark", DarkPalette},
                                           PaletteCase{"HighContrast", HighContrastPalette}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace zar::test
