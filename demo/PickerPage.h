#pragma once
// Page 21: the segmented date/time picker with one option control per
// property, its value in both calendars, and the help table of its keys.

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace zar {
class TZarDatePicker;
}

namespace zar::demo {

class TRadioGroup;

class TPickerPage : public QWidget {
  Q_OBJECT
 public:
  explicit TPickerPage(QWidget* parent = nullptr);

  TZarDatePicker* ZarDatePicker1;
  QLineEdit* Edit2;          // the value in the solar calendar
  QLineEdit* Edit1;          // the value in the Gregorian calendar
  TRadioGroup* RadioGroup1;  // Kind
  TRadioGroup* RadioGroup2;  // calendar
  TRadioGroup* RadioGroup3;  // AutoMoveDirection

 private:
  void BuildOptions();
  void ZarDatePicker1Change();
  void ZarDatePicker1CalendarSwitch();
  void RadioGroup1Click();
  void RadioGroup2Click();
  void RadioGroup3Click();
};

}  // namespace zar::demo
