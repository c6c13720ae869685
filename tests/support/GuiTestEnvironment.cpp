#include "GuiTestEnvironment.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <QTest>
#include <memory>

#include "FormatSettings.h"
#include "ZarDateUtils.h"

namespace zar::test {

namespace {

std::unique_ptr<TApplication> gApp;

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zar_gui_tests";
    static char* argv[] = {name, nullptr};
    gApp = std::make_unique<TApplication>(argc, argv);
    gApp->SetUnattended(true);
  }
  void TearDown() override { gApp.reset(); }
};

[[maybe_unused]] ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

TApplication& App() { return *gApp; }

void ShowActive(QWidget& widget) {
  widget.show();
  QApplication::setActiveWindow(&widget);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
  QCoreApplication::processEvents();
}

bool WaitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 2000); }

QImage Snapshot(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TDate Solar(Word y, Word m, Word d) { return ZarEncodeDate(y, m, d); }

void FocusedControlTest::TearDown() {
  window.reset();
  FormatSettings = TFormatSettings();
}

void FocusedControlTest::ShowFocused(TCustomControl& control, QRect otherBounds) {
  other = new QLineEdit(window.get());
  other->setGeometry(otherBounds);
  ShowActive(*window);
  control.SetFocus();
  ASSERT_TRUE(control.Focused());
}

std::string ShiftText(TShiftState shift) {
  static constexpr const char* kNames[] = {"Shift", "Alt",    "Ctrl",  "Left",
                                           "Right", "Middle", "Double"};
  std::string text = "[";
  for (int i = 0; i < 7; ++i) {
    if (!shift.Contains(static_cast<TShiftStateFlag>(i))) continue;
    if (text.size() > 1) text += ",";
    text += kNames[i];
  }
  return text + "]";
}

void ProbeControl::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  Log.push_back("KeyDown " + std::to_string(Key) + " " + ShiftText(Shift));
}

void ProbeControl::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  Log.push_back("KeyPress " + std::to_string(static_cast<unsigned>(Key)));
}

void ProbeControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  Log.push_back("MouseDown " + std::to_string(Button) + " " + ShiftText(Shift) + " " +
                std::to_string(X) + "," + std::to_string(Y));
}

void ProbeControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  Log.push_back("MouseUp " + std::to_string(Button) + " " + std::to_string(X) + "," +
                std::to_string(Y));
}

bool ProbeControl::DoMouseWheelDown(TShiftState Shift, QPoint MousePos) {
  Log.push_back("WheelDown " + ShiftText(Shift));
  return TCustomControl::DoMouseWheelDown(Shift, MousePos);
}

bool ProbeControl::DoMouseWheelUp(TShiftState Shift, QPoint MousePos) {
  Log.push_back("WheelUp " + ShiftText(Shift));
  return TCustomControl::DoMouseWheelUp(Shift, MousePos);
}

void ProbeControl::Click() {
  Log.push_back("Click");
  TCustomControl::Click();
}

void ProbeControl::DblClick() {
  Log.push_back("DblClick");
  TCustomControl::DblClick();
}

void ProbeControl::DoEnter() {
  Log.push_back("Enter");
  TCustomControl::DoEnter();
}

void ProbeControl::DoExit() {
  Log.push_back("Exit");
  TCustomControl::DoExit();
}

void ProbeControl::FontChanged() {
  Log.push_back("FontChanged " + std::to_string(Font().Size()) + " " +
                std::to_string(Font().Color()));
  TCustomControl::FontChanged();
}

void ProbeControl::CreateWnd() { Log.push_back("CreateWnd"); }

void ProbeControl::Resize() {
  Log.push_back("Resize " + std::to_string(ClientWidth()) + "x" + std::to_string(ClientHeight()));
  TCustomControl::Resize();
}

}  // namespace zar::test
