#pragma once
// A picker whose held parts and layout the tests can read, a fixture that
// shows it focused in an active window beside a second focusable widget,
// and a small key-sequence language for driving it with real key events.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "DatePicker.h"
#include "GuiTestEnvironment.h"

namespace zar::test {

class TTestPicker : public TZarDatePicker {
 public:
  using TZarDatePicker::TZarDatePicker;

  using TCustomZarDatePicker::AddDays;
  using TCustomZarDatePicker::CalDaysInMonth;
  using TCustomZarDatePicker::CalMinYear;
  using TCustomZarDatePicker::CurrentSegment;
  using TCustomZarDatePicker::Day;
  using TCustomZarDatePicker::Editing;
  using TCustomZarDatePicker::GetState;
  using TCustomZarDatePicker::Hour;
  using TCustomZarDatePicker::LastDigit;
  using TCustomZarDatePicker::Minute;
  using TCustomZarDatePicker::Month;
  using TCustomZarDatePicker::MSec;
  using TCustomZarDatePicker::PreEditState;
  using TCustomZarDatePicker::Second;
  using TCustomZarDatePicker::SegmentBounds;
  using TCustomZarDatePicker::SegmentText;
  using TCustomZarDatePicker::SwitchMark;
  using TCustomZarDatePicker::TextArea;
  using TCustomZarDatePicker::TextBand;
  using TCustomZarDatePicker::Year;

  // Segments redrawn on their own, outside a full repaint.
  std::vector<int> Repainted;

 protected:
  void PaintSegment(int index) override {
    if (!Canvas().Painting()) Repainted.push_back(index);
    TZarDatePicker::PaintSegment(index);
  }
};

class PickerTest : public FocusedControlTest {
 protected:
  void SetUp() override;

  // Sets the date (solar) and the time, then forgets the events that fired.
  void SetValue(Word y, Word m, Word d, Word h = 10, Word n = 20, Word s = 30);
  // Moves the focus away to the other widget and back.
  void FocusAway();
  void FocusBack();
  // Runs a key sequence: tokens separated by spaces. A token of digits types
  // each digit; other tokens name a key with optional prefixes C- (Ctrl)
  // and S- (Shift): Up Down Left Right Home End PgUp PgDn Del Space Mul Add
  // Sub C V X.
  void Keys(const std::string& sequence);
  // Types one character as a key press delivering it (Persian digits).
  void TypeChar(char32_t c);
  // Sends wheel notches (positive: up) at the picker's centre; returns
  // whether the picker accepted the event.
  bool Wheel(int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Client x of the middle of a segment, and the client y of the text line.
  int SegmentMiddle(int segment) const;
  int TextMiddle() const;
  void ClickClient(Qt::MouseButton button, int x, int y);

  TTestPicker* picker = nullptr;
  int changes = 0;
  int switches = 0;
};

}  // namespace zar::test
