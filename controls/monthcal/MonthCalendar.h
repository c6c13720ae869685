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
    mcoToday, mcoTodayCircle, mcoTrailingDays, mcoSelectTrailDays,
    mcoMonthButtons, mcoMonthPopupMenu, mcoYearEditor};

enum TCalendarDrawStateFlag : std::uint8_t {
  cdFixed, cdFocused, cdSelected, cdTrailing, cdBold, cdDayName, cdWeekNumber
};
using TCalendarDrawState = TSet<TCalendarDrawStateFlag>;

enum TDefaultBoldDays : std::uint8_t {
  dbdSaturdays, dbdSundays, dbdMondays, dbdTuesdays, dbdWednesdays, dbdThursdays, dbdFridays, dbdNone
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
  explicit TCustomZarMonthCalendar(QWidget* parent = nullptr);
  ~TCustomZarMonthCalendar() override;

  // ---- The displayed month and its cells ---------------------------------------
  TDateTime FirstCellDate() const;
  TDateTime LastCellDate() const;
  TDateTime MonthStart() const;
  TDateTime MonthEnd() const;
  // Raises ECustomCalendarError for a cell outside the day area.
  Word CellToIndex(Word ACol, Word ARow) const;
  void IndexToCell(Word Index, Word& Col, Word& Row) const;
  virtual void GetCellInfo(int ACol, int ARow, TCalendarDrawState& State, std::string& Text,
                           TDateTime& CellDate);
  virtual bool IsValidDate(TDateTime Value) const;
  Integer DayOfMonth() const;
  // One application pointer per day number 1..31, never read by the calendar.
  void* DayData(Word Day) const;
  void SetDayData(Word Day, void* Value);
  Cardinal MonthBoldDays() const { return FMonthBoldDays; }
  void SetMonthBoldDays(Cardinal Value);
  void InvalidateDay(Word Day);
  void InvalidateDays(bool Erase, bool IncludeDayNames);

  // ---- Selection ------------------------------------------------------------------
  // Raises EMonthCalError for a date outside the 42 visible cells.
  bool IsSelected(TDateTime ADate) const;
  Word SelectedCount() const;
  TDateTime RangeStart() const { return GetRange(1); }
  TDateTime RangeEnd() const { return GetRange(2); }
  bool HasMultiSelection() const;

  // ---- Moving the date ----------------------------------------------------------------
  // The one path by which the date moves: clamps into the limits, lays out
  // another month when needed (asking OnYMChanging, firing OnYMChange) and
  // fires OnClick when Notify and the date changed.
  void GotoDate(TDateTime NewDate, bool Notify);

  // The standard drawing of one cell's text (or of the today line), for
  // OnDrawCalendarCell handlers that want the standard look.
  void DrawCellText(const TRect& Rect, const std::string& Text, TCalendarDrawState State,
                    TDateTime CellDate);

  // ---- Properties ---------------------------------------------------------------------
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TMonthCalendarColors& CalColors() { return *FCalColors; }
  const TMonthCalendarColors& CalColors() const { return *FCalColors; }
  void SetCalColors(const TMonthCalendarColors& Value) { FCalColors->Assign(&Value); }
  TDate Date() const { return FDate; }
  void SetDate(TDate Value);
  // Script of the digits of day and week numbers, the title's year, the
  // year editor and the today row.
  TDigitShape DigitShape() const { return FDigitShape; }
  void SetDigitShape(TDigitShape Value);
  TDefaultBoldDays DefaultBoldDays() const { return FDefaultBoldDays; }
  void SetDefaultBoldDays(TDefaultBoldDays Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  TDate MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDate Value);
  TDate MinDate() const { return FMinDate; }
  void SetMinDate(TDate Value);
  Integer MaxSelectRange() const;
  void SetMaxSelectRange(Integer Value);
  TMonthCalOptions Options() const { return FOptions; }
  void SetOptions(TMonthCalOptions Value);
  TTextLayout TitleLayout() const { return FTitleLayout; }
  void SetTitleLayout(TTextLayout Value);
  bool UseCurrentDate() const { return FUseCurrentDate; }
  void SetUseCurrentDate(bool Value);
  bool UseSystemCalendar() const { return FUseSystemCalendar; }
  void SetUseSystemCalendar(bool Value);

  // ---- Loading -------------------------------------------------------------------------
  // Between BeginLoad and Loaded the date setters only store (and clamp)
  // and the options setter skips the title and selection steps, as while
  // a stored form is read.
  bool Loading() const { return FLoading; }
  void BeginLoad() { FLoading = true; }
  virtual void Loaded();

  // ---- The title band's parts (null when absent) ---------------------------------------
  TPanel* TitlePanel() const;
  TLabel* TitleLabel() const;
  TSpeedButton* LeftMonthButton() const;
  TSpeedButton* RightMonthButton() const;
  TPopupMenu* MonthMenu() const;
  TYearEdit* YearEdit() const;
  TUpDown* YearUpDown() const;
  // Hot areas of the caption in TitleLabel's coordinates.
  TRect MonthTextRect() const;
  TRect YearTextRect() const;

  // ---- Events ------------------------------------------------------------------------------
  TDrawCalendarCellEvent OnDrawCalendarCell;
  TOnGetMonthInfoEvent OnGetMonthInfo;
  TNotifyEvent OnYMChange;
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
  std::unique_ptr<TMonthGrid> FGrid;  // never null
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
