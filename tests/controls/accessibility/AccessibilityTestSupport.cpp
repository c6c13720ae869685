#include "AccessibilityTestSupport.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessibleActionInterface>
#include <QAccessibleEvent>
#include <cmath>
#include <map>
#include <stdexcept>

#include "GuiTestEnvironment.h"
#include "ZarDateUtils.h"

namespace zar::test {

namespace {

AccessibilityRecorder* gRecorder = nullptr;

void Record(QAccessibleEvent* event) {
  if (!gRecorder) return;
  RecordedEvent e{event->type(), event->object(), event->accessibleInterface(), {}};
  if (event->type() == QAccessible::ValueChanged)
    e.Value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
  gRecorder->Events.push_back(e);
}

QPlatformAccessibility* Platform() {
  QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
  return integration ? integration->accessibility() : nullptr;
}

double Channel(int value) {
  const double c = value / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
  return 0.2126 * Channel(c.red()) + 0.7152 * Channel(c.green()) + 0.0722 * Channel(c.blue());
}

}  // namespace

AccessibilityRecorder::AccessibilityRecorder() {
  if (gRecorder) throw std::logic_error("one accessibility recorder at a time");
  QPlatformAccessibility* platform = Platform();
  if (!platform) throw std::runtime_error("the platform has no accessibility");
  platform->setActive(true);
  gRecorder = this;
  QAccessible::installUpdateHandler(Record);
}

AccessibilityRecorder::~AccessibilityRecorder() {
  QAccessible::installUpdateHandler(nullptr);
  gRecorder = nullptr;
  if (QPlatformAccessibility* platform = Platform()) platform->setActive(false);
}

std::vector<RecordedEvent> AccessibilityRecorder::Of(QAccessible::Event type) const {
  std::vector<RecordedEvent> found;
  for (const RecordedEvent& e : Events)
    if (e.Type == type) found.push_back(e);
  return found;
}

void AccessibleControlTest::TearDown() {
  window.reset();
  recorder.reset();
}

void AccessibleControlTest::ShowFocused(TCustomControl& control, QPoint otherPos) {
  other = new QLineEdit(window.get());
  other->move(otherPos);
  recorder = std::make_unique<AccessibilityRecorder>();
  ShowActive(*window);
  control.SetFocus();
  ASSERT_TRUE(control.Focused());
  iface = QAccessible::queryAccessibleInterface(&control);
  ASSERT_NE(iface, nullptr);
}

QString SolarSpoken(int weekday, const QString& day, int month, const QString& year) {
  return QString::fromStdString(ZarLongDayNames.at(weekday)) + u' ' + day + u' ' +
         QString::fromStdString(ZarLongMonthNames.at(month)) + u' ' + year;
}

QStringList ActionsOf(QAccessibleInterface* iface) {
  QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr;
  return actions ? actions->actionNames() : QStringList();
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

std::map<QRgb, int> ColourCounts(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
  return counts;
}

}  // namespace

QColor Background(const QImage& image, const QRect& area) {
  const std::map<QRgb, int> counts = ColourCounts(image, area);
  if (counts.empty()) return {};
  auto best = counts.begin();
  for (auto it = counts.begin(); it != counts.end(); ++it)
    if (it->second > best->second) best = it;
  return QColor(best->first);
}

double InkContrast(const QImage& image, const QRect& area) {
  const std::map<QRgb, int> counts = ColourCounts(image, area);
  if (counts.empty()) return 1;
  const QColor background = Background(image, area);
  double best = 1;
  for (const auto& [rgb, n] : counts) best = std::max(best, ContrastRatio(QColor(rgb), background));
  return best;
}

QPalette DarkPalette() {
  QPalette p;
  const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(g, QPalette::Window, window);
    p.setColor(g, QPalette::WindowText, text);
    p.setColor(g, QPalette::Base, base);
    p.setColor(g, QPalette::AlternateBase, window);
    p.setColor(g, QPalette::Text, text);
    p.setColor(g, QPalette::Button, window);
    p.setColor(g, QPalette::ButtonText, text);
    p.setColor(g, QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(g, QPalette::HighlightedText, Qt::black);
  }
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
  return p;
}

QPalette HighContrastPalette() {
  QPalette p;
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(g, QPalette::Window, Qt::black);
    p.setColor(g, QPalette::WindowText, Qt::white);
    p.setColor(g, QPalette::Base, Qt::black);
    p.setColor(g, QPalette::AlternateBase, Qt::black);
    p.setColor(g, QPalette::Text, Qt::white);
    p.setColor(g, QPalette::Button, Qt::black);
    p.setColor(g, QPalette::ButtonText, Qt::white);
    p.setColor(g, QPalette::Highlight, QColor(26, 235, 255));
    p.setColor(g, QPalette::HighlightedText, Qt::black);
  }
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(63, 242, 63));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(63, 242, 63));
  return p;
}

}  // namespace zar::test
