#pragma once
// An extended picker whose timer and layout the tests can reach, and a
// fixture that shows it focused in an active window beside a second
// focusable widget.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWidget>
#include <memory>

#include "DropDownCalendar.h"
#include "ExZarDatePicker.h"
#include "GuiTestEnvironment.h"
#include "HostServices.h"

namespace zar::test {

class TTestExPicker : public TExZarDatePicker {
 public:
  using TCustomExZarDatePicker::CurrentSegment;
  using TCustomExZarDatePicker::RepeatTimer;
  using TCustomExZarDatePicker::SwitchMark;
  using TCustomExZarDatePicker::TextArea;
  using TExZarDatePicker::TExZarDatePicker;
};

class ExPickerTest : public FocusedControlTest {
 protected:
  void SetUp() override;

  TDropDownCalendar& Cal() const { return *picker->DropDownCalendar(); }
  // Left press and release in the picker's client coordinates.
  void Press(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier);
  void Release(QPoint p);
  void Click(QPoint p) {
    Press(p);
    Release(p);
  }
  // The middle of a button part.
  QPoint Middle(TPickerButtonPart part) const;
  void Key(Qt::Key key, Qt::KeyboardModifiers m = Qt::NoModifier);
  // Press and release on the day cell showing date in the open calendar.
  void ClickDay(TDate date);
  // Fires the auto-repeat timer once, as its interval ending would.
  void Tick();

  TTestExPicker* picker = nullptr;
  int changes = 0;
  std::vector<std::string> events;
};

}  // namespace zar::test
