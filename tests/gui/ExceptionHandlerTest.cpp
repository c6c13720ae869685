// The default exception handler: an exception escaping an event handler
// ends that handler only, its message reaches the person (message box) or
// stderr, and the application keeps handling events.

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "Exceptions.h"
#include "GuiTestEnvironment.h"
#include "HostServices.h"

namespace zar::test {
namespace {

using Log = std::vector<std::string>;

class ExceptionHandlerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App().OnException = [this](const std::string& message) { messages.push_back(message); };
    control.resize(40, 20);
    ShowActive(control);
    control.SetFocus();
    control.Log.clear();
  }
  void TearDown() override { App().OnException = nullptr; }

  ProbeControl control;
  Log messages;
};

TEST_F(ExceptionHandlerTest, ThrowingKeyHandlerIsAbandonedAndTheNextKeyWorks) {
  control.OnKeyDown = [](TObject*, Word& key, TShiftState) {
    if (key == 'X') throw EConvertError("'x' is not a valid date");
  };
  QTest::keyClick(&control, Qt::Key_X);
  QTest::keyClick(&control, Qt::Key_Y);
  EXPECT_EQ(messages, (Log{"'x' is not a valid date"}));
  // The throwing key got no further than OnKeyDown: no KeyDown log, no KeyPress.
  EXPECT_EQ(control.Log, (Log{"KeyDown 89 []", "KeyPress 121"}));
}

TEST_F(ExceptionHandlerTest, MouseAndTimerHandlersAreGuardedToo) {
  control.OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
    throw std::runtime_error("mouse failed");
  };
  QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  TTimer timer;
  int ticks = 0;
  timer.SetInterval(5);
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    throw 42;  // not even a std::exception
  };
  EXPECT_TRUE(WaitFor([&] { return ticks >= 2; }));  // it keeps running after a failed tick
  timer.SetEnabled(false);
  ASSERT_GE(messages.size(), 3u);
  EXPECT_EQ(messages[0], "mouse failed");
  EXPECT_EQ(messages[1], "Unknown exception");
}

TEST_F(ExceptionHandlerTest, GuardedCallRoutesToTheSameHandler) {
  bool after = false;
  GuardedCall([] { throw EZarDateTimeError("1403/01/01 exceeds maximum of 1402/12/29"); });
  after = true;
  EXPECT_TRUE(after);
  EXPECT_EQ(messages, (Log{"1403/01/01 exceeds maximum of 1402/12/29"}));
}

TEST(ExceptionHandlerOutputTest, UnattendedRunWritesTheMessageToStderr) {
  ASSERT_TRUE(App().Unattended());
  ::testing::internal::CaptureStderr();
  GuardedCall([] { throw Exception("پرونده خوانا نیست"); });
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "پرونده خوانا نیست\n");
}

TEST(ExceptionHandlerOutputTest, AttendedRunShowsAMessageBoxAndCarriesOn) {
  App().SetUnattended(false);
  std::string shown;
  // Stands in for the person: reads the box and closes it.
  QTimer::singleShot(50, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text().toStdString();
      box->accept();
    }
  });
  ProbeControl control;
  control.resize(40, 20);
  ShowActive(control);
  control.SetFocus();
  control.OnKeyPress = [](TObject*, char32_t&) { throw Exception("bad digit"); };
  QTest::keyClick(&control, Qt::Key_5);
  App().SetUnattended(true);
  EXPECT_EQ(shown, "bad digit");
  control.OnKeyPress = nullptr;
  // The box took the activation; the window gets it back.
  QApplication::setActiveWindow(&control);
  EXPECT_TRUE(WaitFor([&] { return control.Focused(); }));
  control.Log.clear();
  QTest::keyClick(&control, Qt::Key_6);
  EXPECT_EQ(control.Log, (Log{"KeyDown 54 []", "KeyPress 54"}));
}

class CancelModeProbe : public ProbeControl {
 public:
  std::vector<QWidget*> Senders;
  void CancelMode(QWidget* sender) override { Senders.push_back(sender); }
};

TEST(CancelModeTest, PressOnAnotherWidgetNotifiesTheFocusedControl) {
  QWidget window;
  window.resize(200, 100);
  auto* focused = new CancelModeProbe;
  focused->setParent(&window);
  focused->setGeometry(0, 0, 50, 30);
  auto* other = new QLabel("other", &window);
  other->setGeometry(100, 0, 50, 30);
  ShowActive(window);
  focused->SetFocus();
  QTest::mouseClick(focused, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_TRUE(focused->Senders.empty());
  QTest::mouseClick(other, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(focused->Senders, (std::vector<QWidget*>{other}));
}

}  // namespace
}  // namespace zar::test
