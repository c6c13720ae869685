#pragma once
// Accessibility in the widget tests. Qt hands events to an update handler
// only while accessibility is active, and the offscreen platform does not
// turn it on by itself: the recorder switches it on through the platform
// integration, as Qt's own tests do, and keeps every event it hears.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>
#include <ostream>
#include <vector>

#include "CustomControl.h"

// GoogleTest shows QStrings as their text.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace zar::test {

struct RecordedEvent {
  QAccessible::Event Type;
  QObject* Object;               // null for a child without an object
  QAccessibleInterface* Target;  // the interface the event names
  QString Value;                 // the new value of a value change
};

// Active from construction to destruction; one at a time.
class AccessibilityRecorder {
 public:
  AccessibilityRecorder();
  ~AccessibilityRecorder();
  AccessibilityRecorder(const AccessibilityRecorder&) = delete;
  AccessibilityRecorder& operator=(const AccessibilityRecorder&) = delete;

  std::vector<RecordedEvent> Events;
  // The events of type, in order.
  std::vector<RecordedEvent> Of(QAccessible::Event type) const;
  void Clear() { Events.clear(); }
};

// One control in a window of its own beside a second focusable line edit,
// shown and focused while a recorder listens.
class AccessibleControlTest : public ::testing::Test {
 protected:
  void TearDown() override;
  // Puts other at otherPos in window, starts the recorder, shows window
  // active, focuses control and takes its interface into iface (a fatal
  // failure when the focus or the interface is missing). The events of all
  // that stay recorded.
  void ShowFocused(TCustomControl& control, QPoint otherPos);

  std::unique_ptr<AccessibilityRecorder> recorder;
  std::unique_ptr<QWidget> window;
  QLineEdit* other = nullptr;
  QAccessibleInterface* iface = nullptr;
};

// A solar day as read aloud: the core's weekday (1 = Saturday) and month
// names around the day and year, which are given in Persian digits.
QString SolarSpoken(int weekday, const QString& day, int month, const QString& year);

// The interface's action names, for readable assertions.
QStringList ActionsOf(QAccessibleInterface* iface);

// WCAG contrast ratio of two colours (1 to 21).
double ContrastRatio(const QColor& a, const QColor& b);

// The most frequent colour of area: its background.
QColor Background(const QImage& image, const QRect& area);

// Contrast of what is drawn in area against the area's background: the
// most frequent colour is the background, the pixel farthest from it in
// luminance the ink. 1 when the area holds a single colour.
double InkContrast(const QImage& image, const QRect& area);

// A dark palette and a high-contrast (black, white, cyan) one.
QPalette DarkPalette();
QPalette HighContrastPalette();

}  // namespace zar::test
