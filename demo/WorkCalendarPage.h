#pragma once
// Page 44: a small working-time planner. The days of the shown month live in
// 31 day records attached to the multi-select calendar's day slots; the
// frame of ten hour edits and three radio buttons shows what the selected
// days have in common and posts a change to all of them at once. A month is
// read from "workcal.xml" when it is shown and written back when another
// month is shown, the page is entered or left, or the window closes.

#include <QWidget>
#include <memory>
#include <string>

#include "DateTimeBase.h"
#include "MonthCalendar.h"
#include "WorkCalendarModel.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace zardemo {
struct TDemoDataSets;
}

namespace zar {
class TSpeedButton;
}

namespace zar::demo {

class TfmcMultiSelectHI;

class TWorkCalendarPage : public QWidget {
  Q_OBJECT
 public:
  explicit TWorkCalendarPage(zardemo::TDemoDataSets& Data, QWidget* parent = nullptr);
  ~TWorkCalendarPage() override;

  TZarMonthCalendar* Calendar() const { return ZarMonthCalendar4; }
  QScrollBar* MonthScrollBar() const { return ScrollBar1; }
  TfmcMultiSelectHI* HoursFrame() const { return HoursInfoFrame; }
  // RadioButton1..3 for the working types 0..2.
  QRadioButton* TypeButton(int Type) const;
  TSpeedButton* PostButton() const { return sbPost; }
  TSpeedButton* CancelButton() const { return sbCancel; }
  // Slot Day (1..31) of the shown month; an empty record before allocation.
  const zardemo::TDayWorkInfo& DayInfo(int Day) const;
  // Posted changes not yet written since the month was loaded.
  bool Modified() const { return FModified; }
  // Edits or a type change wait for sbPost or sbCancel.
  bool EditsPending() const { return FPending; }
  // Whether the shown month was read from the file.
  bool MonthLoaded() const { return FLoaded; }

  // ---- Hooks of the main window ------------------------------------------------------
  // Allocates the 31 zero-filled day records and attaches them to the slots.
  void AllocDayInfos();
  void FreeDayInfos();
  // Focus entered the page: the scroll bar follows the calendar and the shown
  // month is saved (or, while none could be read yet, read).
  void cxTabSheet7Enter();
  // Focus left the page: posted changes are written.
  void PageExit();
  // The window closes: posted changes are written, the records freed.
  void FormDestroy();

  // ---- Handlers (public for the sbPost and sbCancel buttons and the tests) -------
  // Posts the frame to every selected day; raises EInvalidTimeRange or the
  // platform's EConvertError, with the focus on the offending edit, before
  // anything changes.
  void PostEdits();
  void CancelEdits();

 private:
  void BuildCalendar();
  void BuildEditing();
  void BuildLegend();

  // Month data.
  void LoadMonth();
  void SaveMonth();
  int DaysInMonth() const;
  zardemo::TDayWorkInfo* Slot(int Day) const;
  int MonthIndex(TDateTime Date) const;
  void SetScrollPosition(int Position);

  // The frame.
  void ShowPostButtons(bool Show);
  void GatherSelection();
  zardemo::TDayWorkInfo ReadFrame() const;
  void EnableEditing(bool Enabled);
  void RefreshFrame();
  void EnableHourEdits(bool On);
  void ShowMergedInfo(zardemo::TDayWorkInfo Info, const zardemo::TMergedDays& States);
  bool IsWeekdayCustom(Word WeekDay) const;
  void FocusHourEdit(int Tag);
  void ValidateHours(const zardemo::TDayWorkInfo& Info);
  void CheckDay(int Day, const zardemo::TDayWorkInfo& Info);

  // Event handlers.
  void ZarMonthCalendar4Click();
  void ZarMonthCalendar4YMChanging(bool& AllowChange);
  void ZarMonthCalendar4YMChange();
  void ZarMonthCalendar4DrawCalendarCell(const TRect& Rect, TDate CellDate,
                                         const std::string& CellText, TCalendarDrawState State);
  void ScrollBar1Change();
  void RadioButton1Click();
  void HoursInfoFrameedStart1Change(QLineEdit* Edit);
  void HoursInfoFrameedStart1Enter(QLineEdit* Edit);
  void HoursInfoFrameedStart1Exit(QLineEdit* Edit);
  void HoursInfoFrameedStart1KeyPress(QLineEdit* Edit);

  zardemo::TWorkCalendarStore FStore;
  std::unique_ptr<zardemo::TWorkMonth> FMonth;
  zardemo::TMergedDays FMerged;
  bool FModified = false;
  bool FUpdating = false;
  bool FLoaded = false;
  // Posted changes not yet in the file; FModified stays as the shell reads it.
  bool FUnsaved = false;
  // Edits not yet posted or cancelled (sbPost and sbCancel shown).
  bool FPending = false;

  TZarMonthCalendar* ZarMonthCalendar4 = nullptr;
  QScrollBar* ScrollBar1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QRadioButton* RadioButton3 = nullptr;
  TfmcMultiSelectHI* HoursInfoFrame = nullptr;
  TSpeedButton* sbPost = nullptr;
  TSpeedButton* sbCancel = nullptr;
};

}  // namespace zar::demo
