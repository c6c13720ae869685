#pragma once
// Page 43: notes, occasions and holidays per day, kept in "daysinfo.xml".
// The month calendar shows the holidays of its month in bold (from the
// data, through its month-info event); clicking a day makes that day's
// record current, creating it when it is missing, and the bound edits, the
// check box and the navigator edit it.

#include <QWidget>
#include <memory>

#include "DateTimeBase.h"

class QLabel;

namespace zar {
class TClientDataSet;
class TDataSet;
class TDataSource;
class TDBCheckBox;
class TDBEdit;
class TDBNavigator;
class TZarMonthCalendar;
}  // namespace zar

namespace zar::demo {

class THolidayCalendarPage : public QWidget {
  Q_OBJECT
 public:
  // DataSet is the days dataset (ClientDataSet1); it outlives the page.
  explicit THolidayCalendarPage(TClientDataSet& DataSet, QWidget* parent = nullptr);
  ~THolidayCalendarPage() override;

  TZarMonthCalendar* Calendar() const { return ZarMonthCalendar3; }
  TDBEdit* CommentsEdit() const { return DBEdit1; }
  TDBEdit* PertinenceEdit() const { return DBEdit2; }
  TDBCheckBox* HolidayCheckBox() const { return DBCheckBox1; }
  TDBNavigator* Navigator() const { return DBNavigator1; }

  // ---- Hooks of the main window ------------------------------------------------------
  // Focus entered the page: the dataset opens (an unreadable file raises
  // here) and the calendar's day gets its record.
  void PageEnter();
  // Focus left the page: a record still being edited is posted, then the
  // dataset closes, writing the file. A refused post keeps it open.
  void PageExit();
  // The window closes: a record still being edited is posted.
  void FormDestroy();

  // ---- Handlers ------------------------------------------------------------------------
  void ZarMonthCalendar3Click();
  void ZarMonthCalendar3GetMonthInfo(Word Year, Word Month, Cardinal& MonthBoldDays);
  void ClientDataSet1AfterPost(TDataSet& DataSet);

 private:
  TClientDataSet& FDataSet;
  std::unique_ptr<TDataSource> DataSource1;
  TZarMonthCalendar* ZarMonthCalendar3 = nullptr;
  TDBEdit* DBEdit1 = nullptr;  // "Comments"
  TDBEdit* DBEdit2 = nullptr;  // "Pertinence"
  TDBCheckBox* DBCheckBox1 = nullptr;
  TDBNavigator* DBNavigator1 = nullptr;
};

}  // namespace zar::demo
