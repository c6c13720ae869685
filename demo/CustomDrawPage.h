#pragma once
// Page 42: a month calendar restyled through its colours and its cell
// drawing event. Every day shows its Gregorian day number in small grey
// figures, the today line adds the Gregorian date, and a strip under the
// title names the Gregorian months the solar month spans.

#include <QWidget>

class QLabel;

namespace zar {
class TZarMonthCalendar;
}

namespace zar::demo {

class TCustomDrawPage : public QWidget {
  Q_OBJECT
 public:
  explicit TCustomDrawPage(QWidget* parent = nullptr);

  TZarMonthCalendar* Calendar() const { return ZarMonthCalendar2; }
  QLabel* MonthStrip() const { return Panel4; }

  void ZarMonthCalendar2Click();
  void ZarMonthCalendar2YMChange();

 private:
  TZarMonthCalendar* ZarMonthCalendar2;
  QLabel* Panel4;
  QLabel* Label8;
};

}  // namespace zar::demo
