#pragma once
// Page 11: the calendar core's encoding, decoding and arithmetic on values
// the user types. Every exercise raises what the core raises; the result
// edit then keeps its previous text.

#include <QWidget>

class QLineEdit;

namespace zar::demo {

class TCoreArithmeticPage : public QWidget {
  Q_OBJECT
 public:
  explicit TCoreArithmeticPage(QWidget* parent = nullptr);

  void SpeedButton1Click();   // ZarEncodeDate
  void SpeedButton2Click();   // ZarDecodeDate
  void SpeedButton13Click();  // ZarDateToWeekNo and ZarDayOfWeek
  void SpeedButton10Click();  // one day number in three calendars
  void SpeedButton11Click();  // difference of two dates
  void SpeedButton12Click();  // months added

 private:
  QLineEdit* Edit5;
  QLineEdit* Edit6;
  QLineEdit* Edit7;
  QLineEdit* Result1;
  QLineEdit* Edit8;
  QLineEdit* Result2;
  QLineEdit* Edit30;
  QLineEdit* Edit31;
  QLineEdit* Edit32;
  QLineEdit* Edit20;
  QLineEdit* Edit21;
  QLineEdit* Edit22;
  QLineEdit* Edit23;
  QLineEdit* Edit24;
  QLineEdit* Edit26;
  QLineEdit* Edit25;
  QLineEdit* Edit27;
  QLineEdit* Edit29;
  QLineEdit* Edit28;
};

}  // namespace zar::demo
