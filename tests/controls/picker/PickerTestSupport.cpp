#include "PickerTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <map>
#include <sstream>

#include "ZarDateUtils.h"

namespace zar::test {

void PickerTest::SetUp() {
  window = std::make_unique<QWidget>();
  window->resize(300, 80);
  picker = new TTestPicker(window.get());
  picker->move(10, 10);
  ASSERT_NO_FATAL_FAILURE(ShowFocused(*picker, {10, 45, 100, 22}));
  picker->OnChange = [this](TObject*) { ++changes; };
  picker->OnCalendarSwitch = [this](TObject*) { ++switches; };
}

void PickerTest::SetValue(Word y, Word m, Word d, Word h, Word n, Word s) {
  picker->SetDate(Solar(y, m, d));
  picker->SetTime(EncodeTime(h, n, s, 0));
  picker->Repainted.clear();
  changes = 0;
}

void PickerTest::FocusAway() {
  other->setFocus();
  QApplication::processEvents();
}

void PickerTest::FocusBack() {
  picker->SetFocus();
  QApplication::processEvents();
}

void PickerTest::Keys(const std::string& sequence) {
  static const std::map<std::string, Qt::Key> named = {
      {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},     {"Left", Qt::Key_Left},
      {"Right", Qt::Key_Right}, {"Home", Qt::Key_Home},     {"End", Qt::Key_End},
      {"PgUp", Qt::Key_PageUp}, {"PgDn", Qt::Key_PageDown}, {"Del", Qt::Key_Delete},
      {"Space", Qt::Key_Space}, {"Mul", Qt::Key_Asterisk},  {"Add", Qt::Key_Plus},
      {"Sub", Qt::Key_Minus},   {"C", Qt::Key_C},           {"V", Qt::Key_V},
      {"X", Qt::Key_X}};
  std::istringstream tokens(sequence);
  std::string token;
  while (tokens >> token) {
    if (std::isdigit(static_cast<unsigned char>(token[0]))) {
      for (char c : token) QTest::keyClick(picker, c);
      continue;
    }
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    while (token.size() > 2 && token[1] == '-') {
      modifiers |= token[0] == 'C' ? Qt::ControlModifier : Qt::ShiftModifier;
      token.erase(0, 2);
    }
    const Qt::Key key = named.at(token);
    if (token == "Mul" || token == "Add" || token == "Sub") modifiers |= Qt::KeypadModifier;
    QTest::keyClick(picker, key, modifiers);
  }
}

void PickerTest::TypeChar(char32_t c) {
  const QString text = QString::fromUcs4(&c, 1);
  QKeyEvent press(QEvent::KeyPress, static_cast<int>(c), Qt::NoModifier, text);
  QApplication::sendEvent(picker, &press);
}

bool PickerTest::Wheel(int notches, Qt::KeyboardModifiers modifiers) {
  const QPointF pos(picker->width() / 2, picker->height() / 2);
  QWheelEvent event(pos, picker->mapToGlobal(pos), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(picker, &event);
  return event.isAccepted();
}

int PickerTest::SegmentMiddle(int segment) const {
  return (picker->SegmentBounds[segment].Left + picker->SegmentBounds[segment].Right) / 2;
}

int PickerTest::TextMiddle() const { return (picker->TextBand.Top + picker->TextBand.Bottom) / 2; }

void PickerTest::ClickClient(Qt::MouseButton button, int x, int y) {
  QTest::mouseClick(picker, button, Qt::NoModifier, QPoint(x, y) + picker->ClientOrigin());
}

}  // namespace zar::test
