#pragma once
// Shared pieces of the widget tests: the one application object of the
// binary (offscreen unless a platform is chosen), a fixture that shows one
// control focused beside a second focusable widget, and a probe control
// that records what the control base delivers and paints what a test asks.

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QRect>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CustomControl.h"
#include "ZarApplication.h"

namespace zar::test {

TApplication& App();

// Shows a top-level widget, makes it the active window and waits until it
// can be painted and take the focus.
void ShowActive(QWidget& widget);

// Processes events until condition holds; false after two seconds. (QTest's
// QTRY macros report to QTestLib, not to GoogleTest.)
bool WaitFor(const std::function<bool()>& condition);

// What the widget shows now, as an image of its full size.
QImage Snapshot(QWidget& widget);

// The solar date y/m/d as a day serial.
TDate Solar(Word y, Word m, Word d);

// One control in a window of its own, beside a second focusable widget to
// move the focus to. After each test the window is gone and the
// process-wide format settings are the defaults again.
class FocusedControlTest : public ::testing::Test {
 protected:
  void TearDown() override;
  // Puts other at otherBounds in window, shows window active and focuses
  // control (a fatal failure when it does not take the focus).
  void ShowFocused(TCustomControl& control, QRect otherBounds);

  std::unique_ptr<QWidget> window;
  QLineEdit* other = nullptr;
};

class ProbeControl : public TCustomControl {
 public:
  explicit ProbeControl(QWidget* parent = nullptr) : TCustomControl(parent) {}

  std::function<void(TCanvas&)> OnPaintProbe;
  TCreateParams Params;
  std::vector<std::string> Log;

  using TCustomControl::Canvas;

 protected:
  void CreateParams(TCreateParams& params) override { params = Params; }
  void Paint() override {
    if (OnPaintProbe) OnPaintProbe(Canvas());
  }
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos) override;
  void Click() override;
  void DblClick() override;
  void DoEnter() override;
  void DoExit() override;
  void CreateWnd() override;
  void Resize() override;
  void FontChanged() override;
};

std::string ShiftText(TShiftState shift);

}  // namespace zar::test
