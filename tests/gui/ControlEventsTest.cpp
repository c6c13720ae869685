// The control base turns real Qt input into the virtual operations the
// controls override, in the host framework's order and terms.

#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QKeyEvent>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "GuiTestEnvironment.h"

namespace zar::test {
namespace {

using Log = std::vector<std::string>;

// QTest presses Shift, Ctrl and Alt themselves before a key that has them.
Log WithoutModifierKeys(Log log) {
  std::erase_if(log, [](const std::string& entry) {
    return entry.starts_with("KeyDown 16 ") || entry.starts_with("KeyDown 17 ") ||
           entry.starts_with("KeyDown 18 ");
  });
  return log;
}

class ControlEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    control.resize(60, 30);
    ShowActive(control);
    control.SetFocus();
    ASSERT_TRUE(control.Focused());
    control.Log.clear();
  }
  ProbeControl control;
};

TEST_F(ControlEventsTest, KeysArriveAsVirtualKeyCodesThenCharacters) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Log expected;
  };
  const Case cases[] = {
      {Qt::Key_Left, Qt::NoModifier, {"KeyDown 37 []"}},
      {Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier, {"KeyDown 35 [Shift,Ctrl]"}},
      {Qt::Key_F4, Qt::AltModifier, {"KeyDown 115 [Alt]"}},
      {Qt::Key_Up, Qt::AltModifier, {"KeyDown 38 [Alt]"}},
      {Qt::Key_Delete, Qt::NoModifier, {"KeyDown 46 []"}},
      {Qt::Key_Plus, Qt::KeypadModifier, {"KeyDown 107 []", "KeyPress 43"}},
      {Qt::Key_Asterisk, Qt::KeypadModifier, {"KeyDown 106 []", "KeyPress 42"}},
      {Qt::Key_7, Qt::NoModifier, {"KeyDown 55 []", "KeyPress 55"}},
      {Qt::Key_C, Qt::ControlModifier, {"KeyDown 67 [Ctrl]"}},
      {Qt::Key_Space, Qt::ShiftModifier, {"KeyDown 32 [Shift]", "KeyPress 32"}},
  };
  for (const Case& c : cases) {
    control.Log.clear();
    const QString text =
        c.modifiers.testFlag(Qt::ControlModifier) || c.modifiers.testFlag(Qt::AltModifier)
            ? QString()
        : QTest::keyToAscii(c.key) ? QString(QChar(QTest::keyToAscii(c.key)))
                                   : QString();
    QTest::sendKeyEvent(QTest::Press, &control, c.key, text, c.modifiers);
    EXPECT_EQ(WithoutModifierKeys(control.Log), c.expected) << "key " << c.key;
  }
}

TEST_F(ControlEventsTest, PersianDigitArrivesAsItsCodePoint) {
  const QString persianFive(QChar(0x06F5));
  QKeyEvent press(QEvent::KeyPress, 0x06F5, Qt::NoModifier, persianFive);
  QApplication::sendEvent(&control, &press);
  EXPECT_EQ(control.Log, (Log{"KeyDown 53 []", "KeyPress 1781"}));
}

TEST_F(ControlEventsTest, OnKeyDownRunsFirstAndMayCancelTheKey) {
  control.OnKeyDown = [](TObject*, Word& key, TShiftState) {
    if (key == vk::Down) key = 0;
  };
  QTest::keyClick(&control, Qt::Key_Down);
  QTest::keyClick(&control, Qt::Key_Up);
  EXPECT_EQ(control.Log, (Log{"KeyDown 0 []", "KeyDown 38 []"}));
}

TEST_F(ControlEventsTest, OnKeyPressSeesTheCharacterBeforeTheOverride) {
  control.OnKeyPress = [](TObject*, char32_t& key) {
    if (key == U'a') key = U'b';
  };
  QTest::keyClick(&control, Qt::Key_A);
  EXPECT_EQ(control.Log, (Log{"KeyDown 65 []", "KeyPress 98"}));
}

class DialogKeyProbe : public ProbeControl {
 public:
  bool TakeEscape = false;

 protected:
  bool DialogKey(Word key, TShiftState) override { return TakeEscape && key == vk::Escape; }
  bool KeyDownMessage(Word key, TShiftState shift) override {
    return key == vk::Space && shift.Contains(ssShift);
  }
};

TEST(ControlKeysTest, DialogKeysAndConsumedKeysNeverReachKeyDown) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* probe = new DialogKeyProbe;
  layout->addWidget(probe);
  probe->setMinimumSize(40, 20);
  int windowSawEscape = 0;
  struct EscapeCounter : QObject {
    int* count;
    explicit EscapeCounter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
        ++*count;
      return false;
    }
  } counter(&windowSawEscape);
  window.installEventFilter(&counter);
  ShowActive(window);
  probe->SetFocus();
  probe->Log.clear();

  QTest::keyClick(probe, Qt::Key_Escape);  // not taken: KeyDown, then on to the window
  EXPECT_EQ(windowSawEscape, 1);
  probe->TakeEscape = true;
  QTest::keyClick(probe, Qt::Key_Escape);  // taken by DialogKey: nothing else sees it
  EXPECT_EQ(windowSawEscape, 1);
  QTest::keyClick(probe, Qt::Key_Space, Qt::ShiftModifier);  // consumed by KeyDownMessage
  EXPECT_EQ(WithoutModifierKeys(probe->Log), (Log{"KeyDown 27 []", "KeyPress 27"}));
}

TEST_F(ControlEventsTest, MouseArrivesInClientCoordinatesWithButtonState) {
  QTest::mouseClick(&control, Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 9));
  QTest::mouseClick(&control, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
  EXPECT_EQ(control.Log, (Log{"MouseDown 0 [Shift,Left] 7,9", "MouseUp 0 7,9", "Click",
                              "MouseDown 1 [Right] 3,4", "MouseUp 1 3,4"}));
}

TEST(ControlBorderTest, ClientAreaExcludesTheBorder) {
  ProbeControl control;
  control.Params.ClientEdge = true;
  control.resize(50, 20);
  ShowActive(control);
  EXPECT_EQ(control.ClientWidth(), 46);
  EXPECT_EQ(control.ClientHeight(), 16);
  EXPECT_EQ(control.ClientToScreen(QPoint(0, 0)), control.mapToGlobal(QPoint(2, 2)));
  control.Log.clear();
  QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(7, 9));
  ASSERT_FALSE(control.Log.empty());
  EXPECT_EQ(control.Log.front(), "MouseDown 0 [Left] 5,7");
}

TEST_F(ControlEventsTest, ReleaseOutsideIsNoClick) {
  QTest::mousePress(&control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(&control, Qt::LeftButton, Qt::NoModifier, QPoint(100, 5));
  EXPECT_EQ(control.Log, (Log{"MouseDown 0 [Left] 5,5", "MouseUp 0 100,5"}));
}

TEST_F(ControlEventsTest, DoubleClickGivesDblClickThenMouseDownWithDouble) {
  QTest::mouseDClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  const Log& log = control.Log;
  const auto dbl = std::find(log.begin(), log.end(), "DblClick");
  ASSERT_NE(dbl, log.end());
  ASSERT_NE(dbl + 1, log.end());
  EXPECT_EQ(*(dbl + 1), "MouseDown 0 [Left,Double] 4,4");
}

// Sends a wheel event; returns whether the control accepted it (an
// unaccepted wheel event goes on to the parent widget).
bool Wheel(QWidget& w, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QPointF pos(5, 5);
  QWheelEvent event(pos, w.mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&w, &event);
  return event.isAccepted();
}

TEST_F(ControlEventsTest, WheelGivesOneStepPerNotchAndReportsHandled) {
  control.OnMouseWheelDown = [](TObject*, TShiftState, QPoint, bool& handled) { handled = true; };
  Wheel(control, 120, Qt::ControlModifier);
  Wheel(control, -240);
  Wheel(control, 60);  // half a notch: nothing yet
  EXPECT_EQ(control.Log, (Log{"WheelUp [Ctrl]", "WheelDown []", "WheelDown []"}));
  Wheel(control, 60);
  EXPECT_EQ(control.Log.back(), "WheelUp []");
}

TEST_F(ControlEventsTest, OnlyAHandledWheelIsAccepted) {
  EXPECT_FALSE(Wheel(control, -120));
  control.OnMouseWheel = [](TObject*, TShiftState, int, QPoint, bool& handled) { handled = true; };
  EXPECT_TRUE(Wheel(control, -120));
}

TEST(ControlWindowTest, WindowExistsAfterShowWithCreateWndThenResize) {
  ProbeControl control;
  control.resize(40, 20);
  EXPECT_FALSE(control.HandleAllocated());
  control.resize(41, 20);  // no window yet: no Resize
  EXPECT_TRUE(control.Log.empty());
  control.HandleNeeded();
  EXPECT_TRUE(control.HandleAllocated());
  EXPECT_EQ(control.Log, (Log{"CreateWnd", "Resize 41x20"}));
  control.Params.Border = true;
  control.RecreateWnd();
  EXPECT_EQ(control.Log.back(), "Resize 39x18");
}

TEST(ControlFontTest, EveryFontChangeIsReportedOnceWithItsColour) {
  ProbeControl control;
  TFont font = control.Font();
  font.SetSize(14);
  control.SetFont(font);
  font.SetColor(clRed);
  control.SetFont(font);  // only the colour differs: Qt sends no event for it
  EXPECT_EQ(control.Log, (Log{"FontChanged 14 " + std::to_string(clWindowText),
                              "FontChanged 14 " + std::to_string(clRed)}));
}

TEST(ControlFocusTest, EnterAndExitFollowTheFocusBetweenControls) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* first = new ProbeControl;
  auto* second = new ProbeControl;
  layout->addWidget(first);
  layout->addWidget(second);
  ShowActive(window);
  first->Log.clear();
  second->Log.clear();
  first->SetFocus();
  second->SetFocus();
  first->SetFocus();
  EXPECT_EQ(first->Log, (Log{"Enter", "Exit", "Enter"}));
  EXPECT_EQ(second->Log, (Log{"Enter", "Exit"}));
}

}  // namespace
}  // namespace zar::test

namespace zar::test {
namespace {

TEST(ControlPopupTest, PopupOpensWithoutTheFocusAndTakesItWhenActivated) {
  QWidget window;
  window.resize(200, 100);
  auto* owner = new ProbeControl(&window);
  owner->setGeometry(10, 10, 80, 20);
  owner->SetTabStop(true);
  ShowActive(window);
  owner->SetFocus();
  ASSERT_TRUE(owner->Focused());

  auto* popup = new ProbeControl(owner);  // owned by the control, as a drop-down is
  popup->Params.Popup = true;
  popup->Params.Border = true;
  popup->SetTabStop(true);
  popup->SetBounds(300, 400, 120, 90);  // screen coordinates
  popup->show();
  EXPECT_TRUE(WaitFor([&] { return popup->isVisible(); }));
  EXPECT_TRUE(popup->isWindow());
  EXPECT_TRUE(popup->HandleAllocated());
  EXPECT_EQ(popup->geometry().topLeft(), QPoint(300, 400));
  EXPECT_EQ(popup->ClientWidth(), 118);
  QCoreApplication::processEvents();
  EXPECT_TRUE(owner->Focused());
  EXPECT_EQ(QApplication::activeWindow(), &window);

  // A press inside reaches the popup; the popup may then take the focus,
  // its window becoming the active one, so that its widgets take keys.
  popup->Log.clear();
  QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(popup->Log.front(), "MouseDown 0 [Left] 19,19");
  popup->SetFocus();
  popup->activateWindow();
  EXPECT_TRUE(WaitFor([&] { return popup->Focused(); }));
  EXPECT_EQ(QApplication::activeWindow(), popup);
  EXPECT_FALSE(owner->Focused());
  popup->Log.clear();
  QTest::keyClick(popup->windowHandle(), Qt::Key_A);
  EXPECT_EQ(popup->Log, (Log{"KeyDown 65 []", "KeyPress 97"}));

  // Giving the focus back to the owner's window leaves the popup shown.
  window.activateWindow();
  owner->SetFocus();
  EXPECT_TRUE(WaitFor([&] { return owner->Focused(); }));
  EXPECT_TRUE(popup->isVisible());

  popup->hide();
  delete owner;  // takes the popup with it
}

class CancelProbe : public ProbeControl {
 public:
  using ProbeControl::ProbeControl;
  std::vector<QWidget*> Cancelled;
  void CancelMode(QWidget* Sender) override { Cancelled.push_back(Sender); }
};

TEST(ControlPopupTest, PressesInsideAnOwnedPopupAreNoCancelMode) {
  QWidget window;
  window.resize(200, 100);
  auto* owner = new CancelProbe(&window);
  owner->setGeometry(10, 10, 80, 20);
  owner->SetTabStop(true);
  auto* other = new ProbeControl(&window);
  other->setGeometry(10, 50, 80, 20);
  ShowActive(window);
  owner->SetFocus();
  ASSERT_TRUE(owner->Focused());
  auto* popup = new ProbeControl(owner);
  popup->Params.Popup = true;
  popup->SetBounds(300, 400, 120, 90);
  popup->show();
  ASSERT_TRUE(WaitFor([&] { return popup->isVisible(); }));

  QTest::mousePress(popup, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseRelease(popup, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_TRUE(owner->Cancelled.empty());
  QTest::mousePress(other, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(other, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(owner->Cancelled, std::vector<QWidget*>{other});
  delete owner;
}

class HintProbe : public ProbeControl {
 public:
  bool Suppress = false;

 protected:
  bool HintShow(std::string& hint) override {
    hint = "value of " + hint;
    return !Suppress;
  }
};

TEST(ControlHintTest, HintShowMayRewriteOrSuppressTheHint) {
  HintProbe control;
  control.resize(40, 20);
  control.SetHint("dddd");
  ShowActive(control);
  auto requestHint = [&] {
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), control.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&control, &help);
  };
  requestHint();
  EXPECT_EQ(QToolTip::text(), "value of dddd");
  control.Suppress = true;
  requestHint();
  EXPECT_TRUE(WaitFor([] { return !QToolTip::isVisible(); }));
}

}  // namespace
}  // namespace zar::test
