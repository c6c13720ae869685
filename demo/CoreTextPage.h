#pragma once
// Page 12: the calendar core's conversions between TDateTime and text, and
// its pattern formatter, on values the user types.

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace zar::demo {

class TCoreTextPage : public QWidget {
  Q_OBJECT
 public:
  explicit TCoreTextPage(QWidget* parent = nullptr);

  void SpeedButton3Click();  // ZarDateToStr
  void SpeedButton4Click();  // ZarDateTimeToStr
  void SpeedButton5Click();  // ZarFormatDateTime
  void SpeedButton6Click();  // ZarStrToDate
  void SpeedButton7Click();  // ZarStrToDateTime
  void SpeedButton8Click();  // today
  void SpeedButton9Click();  // now

 private:
  QLineEdit* Edit9;
  QLineEdit* Edit12;
  QLineEdit* Edit10;
  QLineEdit* Edit13;
  QLineEdit* Edit11;
  QComboBox* ComboBox2;
  QLineEdit* Result3;
  QLineEdit* Edit14;
  QLineEdit* Edit16;
  QLineEdit* Edit15;
  QLineEdit* Edit17;
  QLineEdit* Edit18;
  QLineEdit* Edit19;
};

}  // namespace zar::demo
