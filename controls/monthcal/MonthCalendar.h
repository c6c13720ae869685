#pragma once
// The month calendar: one month of the solar (or, switched, the Gregorian)
// calendar as a grid of seven weekday columns and six week rows under a
// title band and a row of day names, with an optional week-number column
// and an optional today line.
//
// Grid rows 0 and 1 lie under the title band, row 2 holds the day names,
// rows 3 to 8 the 42 day cells and row 9, with mcoToday, the today line.
// Day cell i (0..41) shows FirstCellDate + i. Column numbers are logical:
// under right-to-left reading the grid is painted mirrored.
//
// The class is split by concern: MonthCalModel.cpp (layout, cell content,
// limits, GotoDate), MonthCalSelection.cpp (selection, keys, mouse, wheel,
// options), MonthCalPaint.cpp (painting, sizing, colours) and
// MonthCalTitle.cpp (the answers to the title band). Three objects of their
// own carry the concerns' state: the month's layout TMonthGrid (MonthGrid.h),
// the selected days TDaySelection (DaySelection.h) and the title band's
// controls TMonthCalTitleBand (MonthCalTitleBand.h); the calendar owns one of
// each and delegates to them.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "CustomGrid.h"

#include <QDate>
#include "DateTimeBase.h"
#include "DigitShapes.h"
#include "MonthCalColors.h"

namespace zar {

struct TCalendarRoutines;
class TLabel;
class TDaySelection;
class TMonthCalTitleBand;
class TMonthGrid;
struct TMonthGridShape;
class TPanel;
class TPopupMenu;
class TSpeedButton;
class TUpDown;
class TYearEdit;

enum TMonthCalOption : std::uint8_t {
  mcoToday,            // the today line is the last grid row
  mcoTodayCircle,      // today's day cell is circled
  mcoWeekNumbers,      // a leading fixed column of week numbers
  mcoTrailingDays,     // days of the neighbouring months show their numbers
  mcoMultiSelect,      // any set of days can be selected
  mcoRangeSelect,      // one contiguous range of days can be selected
  mcoSelectTrailDays,  // trailing days can become the current or a selected day
  mcoDaysVertLine,     // vertical lines between the day names
  mcoWeeksHorzLine,    // horizontal lines across the week-number column
  mcoVerticalLine,     // vertical lines between the day columns
  mcoHorizontalLine,   // horizontal lines between the week rows
  mcoMonthButtons,     // previous and next month buttons in the title
  mcoMonthPopupMenu,   // the month name opens a menu of the twelve months
  mcoYearEditor,       // the year opens an in-place year editor
};
using TMonthCalOptions = TSet<TMonthCalOption>;

inline constexpr TMonthCalOptions DefaultMonthCalOptions{
    mcoToday,        mcoTodayCircle,    mcoTrailingDays, mcoSelectTrailDays,
    mcoMonthButtons, mcoMonthPopupMenu, mcoYearEditor};

// What GetCellInfo and OnDrawCalendarCell tell about a cell.
enum TCalendarDrawStateFlag : std::uint8_t {
  cdFixed,
  cdFocused,
  cdSelected,
  cdTrailing,
  cdBold,
  cdDayName,
  cdWeekNumber
};
using TCalendarDrawState = TSet<TCalendarDrawStateFlag>;

// The weekday shown bold in every month, or none.
enum TDefaultBoldDays : std::uint8_t {
  dbdSaturdays,
  dbdSundays,
  dbdMondays,
  dbdTuesdays,
  dbdWednesdays,
  dbdThursdays,
  dbdFridays,
  dbdNone
};

// MonthBoldDays has bit d - 1 set for every bold day d.
using TOnGetMonthInfoEvent =
    std::function<void(TObject* Sender, Word Year, Word Month, Cardinal& MonthBoldDays)>;
using TMCChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
using TDrawCalendarCellEvent =
    std::function<void(TObject* Sender, const TRect& Rect, TDate CellDate,
                       const std::string& CellText, TCalendarDrawState State)>;

class TCustomZarMonthCalendar : public TCustomGrid {
  Q_OBJECT
  friend class TMonthCalendarColors;
  // The accessible interface reads cells and acts as the keys do.
  friend class TMonthCalAccessible;
  friend class TMonthCalCellAccessible;

 public:
  // Today's month in the solar calendar with the default options; the
  // month is laid out at once, the title band with the first window.
  explicit TCustomZarMonthCalendar(QWidget* parent = nullptr);
  ~TCustomZarMonthCalendar() override;

  // ---- The displayed month and its cells ---------------------------------------
  TDateTime FirstCellDate() const;  // day cell 0: always a day of the month before
  TDateTime LastCellDate() const;   // day cell 41: FirstCellDate() + 41
  TDateTime MonthStart() const;     // day 1 of the displayed month
  TDateTime MonthEnd() const;       // the last day of the displayed month
  // The day cell index 0..41 of a grid cell; raises ECustomCalendarError
  // ("Invalid Col Or Row") for a cell outside the day area.
  Word CellToIndex(Word ACol, Word ARow) const;
  // The grid cell of day cell Index 0..41; raises ECustomCalendarError above.
  void IndexToCell(Word Index, Word& Col, Word& Row) const;
  // The state, text and date (or weekday or week number) of any grid cell.
  virtual void GetCellInfo(int ACol, int ARow, TCalendarDrawState& State, std::string& Text,
                           TDateTime& CellDate);
  // Value lies within MinDate..MaxDate (a limit of 0 is none); never raises.
  virtual bool IsValidDate(TDateTime Value) const;
  // The day number 1..31 of Date in the displayed month.
  Integer DayOfMonth() const;
  // One application pointer per day number 1..31, never read by the calendar;
  // null until written. Raises EMonthCalError for a day outside 1..31.
  void* DayData(Word Day) const;
  // Stores the pointer of day 1..31; raises EMonthCalError for another day.
  void SetDayData(Word Day, void* Value);
  // The bold days of the displayed month, bit d - 1 for day d.
  Cardinal MonthBoldDays() const { return FMonthBoldDays; }
  // Stores the bold days and repaints the days whose bit changed.
  void SetMonthBoldDays(Cardinal Value);
  // Repaints day 1..31 of the displayed month; ECustomCalendarError for a
  // day beyond the 42 cells.
  void InvalidateDay(Word Day);
  // Repaints the week rows, with IncludeDayNames the day names too; the
  // background is always repainted, whatever Erase says.
  void InvalidateDays(bool Erase, bool IncludeDayNames);

  // ---- Selection ------------------------------------------------------------------
  // ADate's day is selected, its time ignored; raises EMonthCalError for a
  // date outside the 42 visible cells.
  bool IsSelected(TDateTime ADate) const;
  // 1 in single mode, the selected days (0..42) in multi mode, the range's
  // length in range mode.
  Word SelectedCount() const;
  // The first and last day of the range in range mode; not kept in single mode.
  TDateTime RangeStart() const { return GetRange(1); }
  TDateTime RangeEnd() const { return GetRange(2); }
  // More than one day is selected; always false in single mode.
  bool HasMultiSelection() const;

  // ---- Moving the date ----------------------------------------------------------------
  // The one path by which the date moves: clamps into the limits, lays out
  // another month when needed (asking OnYMChanging, firing OnYMChange) and
  // fires OnClick when Notify and the date changed. A month the calendar
  // cannot show raises the calendar's conversion error and changes nothing.
  void GotoDate(TDateTime NewDate, bool Notify);

  // The standard drawing of one cell's text (or of the today line), for
  // OnDrawCalendarCell handlers that want the standard look.
  void DrawCellText(const TRect& Rect, const std::string& Text, TCalendarDrawState State,
                    TDateTime CellDate);

  // ---- Properties ---------------------------------------------------------------------
  // The calendar sizes itself to whole cells of its font (default true).
  bool AutoSize() const { return FAutoSize; }
  // Stores the flag; true resizes a calendar that has its window now.
  void SetAutoSize(bool Value);
  // The nine colours, owned by the calendar for its whole life.
  TMonthCalendarColors& CalColors() { return *FCalColors; }
  const TMonthCalendarColors& CalColors() const { return *FCalColors; }
  // Copies Value's colours; nothing is repainted.
  void SetCalColors(const TMonthCalendarColors& Value) { FCalColors->Assign(&Value); }
  // The focused day, a whole day; today at construction.
  TDate Date() const { return FDate; }
  // Moves to Value's day without OnClick; raises EZarDateTimeError, changing
  // nothing, for a day outside MinDate..MaxDate.
  void SetDate(TDate Value);
  // Script of the digits of day and week numbers, the title's year, the
  // year editor and the today row.
  TDigitShape DigitShape() const { return FDigitShape; }
  // Stores the script, lays the caption out again and repaints.
  void SetDigitShape(TDigitShape Value);
  // The weekday bold in every month (default dbdNone).
  TDefaultBoldDays DefaultBoldDays() const { return FDefaultBoldDays; }
  // Recomputes the bold days of the displayed month, without OnGetMonthInfo.
  void SetDefaultBoldDays(TDefaultBoldDays Value);
  // The calendar draws each cell before OnDrawCalendarCell (default true).
  bool DefaultDrawing() const { return FDefaultDrawing; }
  // Stores the flag and repaints.
  void SetDefaultDrawing(bool Value);
  // The last day the date may take; 0 (the default) is no limit.
  TDate MaxDate() const { return FMaxDate; }
  // Stores Value's day and moves Date down onto it when beyond; raises
  // ECustomCalendarError, changing nothing, below a non-zero MinDate.
  void SetMaxDate(TDate Value);
  // The first day the date may take; 0 (the default) is no limit.
  TDate MinDate() const { return FMinDate; }
  // Stores Value's day and moves Date up onto it when before; raises
  // ECustomCalendarError, changing nothing, above a non-zero MaxDate.
  void SetMinDate(TDate Value);
  // The longest range, in days, that a drag or Shift+arrow builds; 0 or
  // less (the default) is no limit.
  Integer MaxSelectRange() const;
  // Stores the limit after shrinking the selection to the current day (a
  // multi selection to none).
  void SetMaxSelectRange(Integer Value);
  TMonthCalOptions Options() const { return FOptions; }
  // Stores the options: of mcoMultiSelect and mcoRangeSelect the one newly
  // set wins (range when both arrive), and mcoSelectTrailDays needs
  // mcoTrailingDays. A change of the selection options collapses the
  // selection and fires OnClick.
  void SetOptions(TMonthCalOptions Value);
  // The caption's vertical place in the title band (default tlCenter).
  TTextLayout TitleLayout() const { return FTitleLayout; }
  void SetTitleLayout(TTextLayout Value);
  // The calendar starts on today (default true).
  bool UseCurrentDate() const { return FUseCurrentDate; }
  // Stores the flag; true moves the date to today.
  void SetUseCurrentDate(bool Value);
  // The Gregorian calendar instead of the solar one (default false).
  bool UseSystemCalendar() const { return FUseSystemCalendar; }
  // Shows Date's month in the other calendar and fires OnYMChange; raises,
  // changing nothing, when that calendar cannot show Date.
  void SetUseSystemCalendar(bool Value);

  // ---- Loading -------------------------------------------------------------------------
  // Between BeginLoad and Loaded the date setters only store (and clamp)
  // and the options setter skips the title and selection steps, as while
  // a stored form is read.
  bool Loading() const { return FLoading; }  // between BeginLoad and Loaded
  void BeginLoad() { FLoading = true; }
  // Ends loading and lays out the month of Date.
  virtual void Loaded();

  // ---- The title band's parts (null before the first window or without their option) ----
  TPanel* TitlePanel() const;              // the band over grid rows 0 and 1
  TLabel* TitleLabel() const;              // the caption: month name and year
  TSpeedButton* LeftMonthButton() const;   // the next month under right-to-left reading
  TSpeedButton* RightMonthButton() const;  // the next month under left-to-right reading
  TPopupMenu* MonthMenu() const;           // the twelve months, each item's Tag its month
  TYearEdit* YearEdit() const;             // the in-place year editor, hidden when closed
  TUpDown* YearUpDown() const;             // the year editor's spin
  // Hot areas of the caption in TitleLabel's coordinates; empty before the
  // first window.
  TRect MonthTextRect() const;
  TRect YearTextRect() const;

  // ---- Events ------------------------------------------------------------------------------
  // After each cell's standard drawing (when DefaultDrawing), with its state.
  TDrawCalendarCellEvent OnDrawCalendarCell;
  // May change the bold days of each month laid out.
  TOnGetMonthInfoEvent OnGetMonthInfo;
  // The displayed month changed.
  TNotifyEvent OnYMChange;
  // The displayed month is about to change; AllowChange false refuses.
  TMCChangingEvent OnYMChanging;

 signals:
  // Beside OnClick, for Qt code: the user changed the date or the selection.
  void clicked(const QDate& date);

 public:
 protected:
  // ---- Virtual operations of the calendar -------------------------------------------------
  virtual void Change();
  virtual void CheckDateLimits(TDateTime Value) const;
  virtual void YearEditClose(TObject* Sender, bool Accept);
  virtual void DoDrawCalendarCell(const TRect& Rect, const std::string& Text,
                                  TCalendarDrawState State, TDateTime CellDate);
  virtual bool DoYMChanging();
  virtual void DoYMChange();
  virtual void GetMonthInfo(Word Year, Word Month);

  // ---- Month layout ------------------------------------------------------------------------
  void UpdateCalendar();
  void UpdateMonthBounds();
  void GetMonthBounds(TDateTime Date, TDateTime& FirstCell, TDateTime& MonthStart,
                      TDateTime& MonthEnd) const;
  void ClampDate(TDateTime& Value) const;

  // ---- Selection -----------------------------------------------------------------------------
  void ResetSelection(bool Invalidate, bool SelectCurrent);
  void ExtendSelection(Integer Index);
  void CollapseSelection();

  // ---- Painting and sizing -------------------------------------------------------------------
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  void DrawTodayCircle(const TRect& R);
  void MirrorCanvas(bool On);
  void CalColorChanged(int Index);
  void AdjustCalendarSize();

  // ---- The title band --------------------------------------------------------------------------
  void UpdateTitleControls();
  void UpdateTitleLayout();
  void MonthButtonClick(TObject* Sender);
  void TitleMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void MonthMenuClick(TObject* Sender);
  // The keyboard's way into the title: the month menu under the month name
  // (F4, Alt+Down) and the year editor over the year (F2). Nothing when the
  // option is off; true when the key was used.
  bool TitleKey(Word Key, TShiftState Shift);
  void PopupMonthMenu();
  void ShowYearEditor();

  // ---- Overrides of the grid and the control base ---------------------------------------------
  bool SelectCell(int ACol, int ARow) override;
  void Click() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos) override;
  void CreateWnd() override;
  void Paint() override;
  void Resize() override;
  void FontChanged() override;

 private:
  // ---- Calendar adapters: solar, or Gregorian with UseSystemCalendar ----------------------
  // The active calendar's routines (solar core or Gregorian runtime).
  const TCalendarRoutines& Calendar() const;
  void CalDecodeDate(TDateTime Date, Word& Year, Word& Month, Word& Day) const;
  TDateTime CalEncodeDate(Word Year, Word Month, Word Day) const;
  Word CalDayOfWeek(TDateTime Date) const;
  TDateTime CalIncMonth(TDateTime Date, Integer NumberOfMonths) const;
  bool CalIsLeapYear(Word Year) const;
  Word CalDaysInMonth(Word Year, Word Month) const;
  Word CalWeekOfYear(TDateTime Date) const;
  std::string CalDateToStr(TDateTime Date) const;
  std::string CalMonthName(Word Month) const;
  std::string CalDayName(Word WeekDay) const;
  // A day, week or year number in the digits of DigitShape.
  std::string ShapedNumber(unsigned Number) const;
  Word CalMinYear() const;
  Cardinal WeekdayDaysMask(Word Year, Word Month, Word WeekDay) const;

  // ---- Model helpers --------------------------------------------------------------------------
  void ApplyGridShape(TMonthGridShape Shape);
  // The day cell index of the grid's current cell.
  int CurrentIndex() const;
  void MoveCursor(TDateTime Value);
  void MoveDateOntoLimit(TDate& Limit, TDate Value);
  TDateTime GetRange(int Index) const;
  bool MultiMode() const { return FOptions.Contains(mcoMultiSelect); }
  bool RangeMode() const { return FOptions.Contains(mcoRangeSelect); }
  bool SingleMode() const { return !MultiMode() && !RangeMode(); }
  void ToggleCell(int Index);
  void InvalidateIndex(int Index);
  // Repaints the day cells of a mask, bit i for day cell i.
  void InvalidateIndexes(std::uint64_t Cells);
  bool SelectIndex(int Index);
  void ToggleCells(int First, int Step, int Last);
  void Navigate(Word Key, TShiftState Shift);
  bool Wrap(Word Key);
  void StepMonths(TShiftState Shift, Integer Months);

  // ---- Painting helpers -------------------------------------------------------------------------
  TRect LogicalCellRect(int ACol, int ARow) const;
  TRect ToScreen(const TRect& Logical) const;
  void DrawGridLines();
  void DrawCells(int FirstCol, int FirstRow, int XEnd, int YEnd, TGridDrawState BaseState,
                 bool Focused);
  void DrawTodayLine();
  void DrawCenteredText(const TRect& Rect, const std::string& Text);
  void SizeChanged();
  void ResizeClient(int Width, int Height);

  // ---- Title band helpers -----------------------------------------------------------------------
  // A band whose controls answer through the title operations above.
  std::unique_ptr<TMonthCalTitleBand> NewTitleBand();
  // The band covers grid rows 0 and 1 with their lines.
  int TitleHeight() const;
  void RealignTitle();
  // The caption shows the month and year of Date, then is laid out again.
  void UpdateTitleCaption();

  // The fields of the month layout and the selection.
  std::unique_ptr<TMonthGrid> FGrid;          // never null
  std::unique_ptr<TDaySelection> FSelection;  // never null
  bool FShiftSelecting = false;
  bool FMouseSelecting = false;
  bool FUpdating = false;
  bool FLoading = false;

  // The title band's controls and the caption's hot areas.
  std::unique_ptr<TMonthCalTitleBand> FTitleBand;  // never null

  // Properties.
  bool FAutoSize = true;
  std::unique_ptr<TMonthCalendarColors> FCalColors;
  TDate FDate = 0;
  TDefaultBoldDays FDefaultBoldDays = dbdNone;
  bool FDefaultDrawing = true;
  TDigitShape FDigitShape = dgLatin;
  TDate FMaxDate = 0;
  TDate FMinDate = 0;
  Cardinal FMonthBoldDays = 0;
  std::unique_ptr<std::array<void*, 31>> FDayData;
  TMonthCalOptions FOptions = DefaultMonthCalOptions;
  TTextLayout FTitleLayout = tlCenter;
  bool FUseCurrentDate = true;
  bool FUseSystemCalendar = false;
};

// The published month calendar.
class TZarMonthCalendar : public TCustomZarMonthCalendar {
  Q_OBJECT

 public:
  explicit TZarMonthCalendar(QWidget* parent = nullptr) : TCustomZarMonthCalendar(parent) {}
};

}  // namespace zar
