#pragma once
// Page 41: the month calendar with controls that switch its options live,
// and a text of the selected day, range or set of days.

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;

namespace zar {
class TZarMonthCalendar;
}

namespace zar::demo {

class TMonthCalendarPage : public QWidget {
  Q_OBJECT
 public:
  explicit TMonthCalendarPage(QWidget* parent = nullptr);

  TZarMonthCalendar* Calendar() const { return ZarMonthCalendar1; }

  void RadioGroup7Click();  // calendar
  void RadioGroup8Click();  // selection mode
  void CheckBox18Click();   // week numbers
  void CheckBox19Click();   // today line
  void ComboBox1Change();   // default bold weekday
  void CheckBox20Click();   // Persian digits
  void ZarMonthCalendar1Click();

 private:
  TZarMonthCalendar* ZarMonthCalendar1;
  QLabel* Label7;
  QButtonGroup* RadioGroup7;
  QButtonGroup* RadioGroup8;
  QCheckBox* CheckBox18;
  QCheckBox* CheckBox19;
  QComboBox* ComboBox1;
  QCheckBox* CheckBox20;
};

}  // namespace zar::demo
