#pragma once
// Page 31: the extended picker with its drop-down calendar, one option
// control per property, its value in both calendars, and the help table of
// its keys.

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace zar {
class TExZarDatePicker;
}

namespace zar::demo {

class TRadioGroup;

class TExPickerPage : public QWidget {
  Q_OBJECT
 public:
  explicit TExPickerPage(QWidget* parent = nullptr);

  TExZarDatePicker* ExZarDatePicker1;
  QLineEdit* Edit3;          // the value in the solar calendar
  QLineEdit* Edit4;          // the value in the Gregorian calendar
  TRadioGroup* RadioGroup4;  // Kind
  TRadioGroup* RadioGroup5;  // calendar
  TRadioGroup* RadioGroup6;  // AutoMoveDirection
  QCheckBox* CheckBox15;     // up-down buttons
  QCheckBox* CheckBox16;     // drop-down button
  QCheckBox* CheckBox17;     // ShowCheckBox

 private:
  void BuildOptions();
  void BuildHelp();
  void ExZarDatePicker1Change();
  void ExZarDatePicker1CalendarSwitch();
  void RadioGroup4Click();
  void RadioGroup5Click();
  void RadioGroup6Click();
  void CheckBox15Click(bool on);
  void CheckBox16Click(bool on);
  void CheckBox17Click(bool on);
};

}  // namespace zar::demo
