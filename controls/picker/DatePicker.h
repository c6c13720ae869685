#pragma once
// TCustomZarDatePicker: a custom-drawn edit control showing a date, a time or
// both as separate segments (year, month, day, hour, minute, second, AM/PM)
// in the Solar Hijri or, when switched, the Gregorian calendar. The value is
// held as parts of the active calendar; every change is detected by
// comparing TPickerState snapshots, repaints only the changed segments and
// fires OnChange once. TZarDatePicker is the published form.
//
// The class is split by concern: DatePickerValue.cpp (value model, limits,
// calendar adapters, clipboard), DatePickerEditing.cpp (keyboard, mouse and
// wheel editing of the segments), SegmentEntry.cpp (the typing rules those
// edits follow, free of the widget) and DatePickerPaint.cpp (layout,
// painting, border, height, hint).

#include <array>
#include <string>
#include <string_view>

#include "CustomControl.h"
#include "DatePickerLayout.h"
#include "DatePickerTypes.h"
#include "DigitShapes.h"

#include <QDate>
#include <QDateTime>

namespace zar {

struct TCalendarRoutines;
class TSegmentEntry;

class TCustomZarDatePicker : public TCustomControl {
  Q_OBJECT
  // The accessible interface reads the segments and edits them as keys do.
  friend class TDatePickerAccessible;
  friend class TPickerSegmentAccessible;

 public:
  // Holds the current date and time (solar calendar), 121 x 21 pixels; never fails.
  explicit TCustomZarDatePicker(QWidget* parent = nullptr);

  // ---- Properties ------------------------------------------------------------
  // Setters accept every value of their type and never raise unless noted.

  // Placement of the segments in the text area (mirrored right-to-left).
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  // Whether Shift+Space and a double click switch the calendar; a date shown in
  // the Gregorian calendar then carries a corner marker.
  bool AllowCalendarSwitch() const { return FAllowCalendarSwitch; }
  void SetAllowCalendarSwitch(bool value);
  // Whether Delete and Ctrl+X make the picker null (blank segments).
  bool AllowNull() const { return FAllowNull; }
  void SetAllowNull(bool value) { FAllowNull = value; }
  // Whether a segment completed by typing hands the caret to the next one.
  bool AutoMove() const { return FAutoMove; }
  void SetAutoMove(bool value) { FAutoMove = value; }
  // Typing order of the date segments; setting it puts the caret on the
  // first date segment of that order (not in a time picker).
  TAutoMoveDirection AutoMoveDirection() const { return FAutoMoveDirection; }
  void SetAutoMoveDirection(TAutoMoveDirection value);
  // Whether the height follows the font: one text line, the border and 4 pixels.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  // Script of the digits of segments, clipboard text, hint and messages;
  // typed and pasted digits may be in any script whatever it is.
  TDigitShape DigitShape() const { return FDigitShape; }
  void SetDigitShape(TDigitShape value);
  // bsSingle draws a border (see Ctl3D), bsNone none; setting recreates the window.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  // The 3-D look: a sunken edge instead of the thin border.
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  // Whether Hint is a FormatDateTime pattern of the value (no hint while null).
  bool FormattedHint() const { return FFormattedHint; }
  void SetFormattedHint(bool value) { FFormattedHint = value; }
  // Whether a null picker that allows null is underlined with a red dotted line.
  bool HighlightRequired() const { return FHighlightRequired; }
  void SetHighlightRequired(bool value);
  // Whether two typed year digits complete the year where it is not typed last.
  bool IntelliYearDigits() const { return FIntelliYearDigits; }
  void SetIntelliYearDigits(bool value) { FIntelliYearDigits = value; }
  // Date, time or both; setting it moves the caret to the day, or the hour.
  TZarDateTimeKind Kind() const { return FKind; }
  void SetKind(TZarDateTimeKind value);
  // Whether the user is kept from changing the value; the caret still moves.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  // Whether the time shows seconds; hiding them moves the caret off them.
  bool ShowSecond() const { return FShowSecond; }
  void SetShowSecond(bool value);
  // Whether hours show 1..12 beside an AM/PM segment.
  bool Use12HourClock() const { return FUse12HourClock; }
  void SetUse12HourClock(bool value);
  // Setting true sets the date to today (raising as SetDate); SetDate clears it.
  bool UseCurrentDate() const { return FUseCurrentDate; }
  void SetUseCurrentDate(bool value);
  // Setting true sets the time to now (raising as SetTime); SetTime clears it.
  bool UseCurrentTime() const { return FUseCurrentTime; }
  void SetUseCurrentTime(bool value);
  // Whether the Gregorian calendar is active instead of the solar one.
  bool UseSystemCalendar() const { return FUseSystemCalendar; }
  // The segments shown, from Kind, ShowSecond and Use12HourClock; never empty.
  TDatePickerSegments VisibleSegments() const { return FVisibleSegments; }

  // The value. While a typed entry is pending these report the value from
  // before it. Setting checks the matching limits and raises
  // EZarDateTimeError outside them; a day the active calendar cannot show
  // (years CalMinYear..9999) raises EConvertError. A refused value leaves the
  // value as it was (UseCurrentDate or UseCurrentTime is cleared all the same).
  // The date; setting takes the day of value only (its time is ignored).
  TDate Date() const;
  void SetDate(TDate value);
  // The time of day, seconds 0 unless shown; setting takes the time of value only.
  TTime Time() const;
  void SetTime(TTime value);
  // Date plus time; setting checks the date-time limits, then sets the time, then
  // the date: a date outside the date limits raises with the new time already set.
  TDateTime DateTime() const;
  void SetDateTime(TDateTime value);

  // Limits; 0 means no limit. Setting commits a pending entry and moves the
  // value onto the new limit when it lies beyond (firing OnChange). A maximum
  // below the minimum (or the reverse) raises EZarDateTimeError; a date limit
  // the calendar cannot show raises EConvertError; either changes nothing.
  // The latest date; setting takes the day of value only.
  TDate MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDate value);
  // The earliest date; setting takes the day of value only.
  TDate MinDate() const { return FMinDate; }
  void SetMinDate(TDate value);
  // The latest time of day; setting takes the time of value only.
  TTime MaxTime() const { return FMaxTime; }
  void SetMaxTime(TTime value);
  // The earliest time of day; setting takes the time of value only.
  TTime MinTime() const { return FMinTime; }
  void SetMinTime(TTime value);
  // The latest moment, date and time together.
  TDateTime MaxDateTime() const { return FMaxDateTime; }
  void SetMaxDateTime(TDateTime value);
  // The earliest moment, date and time together.
  TDateTime MinDateTime() const { return FMinDateTime; }
  void SetMinDateTime(TDateTime value);

  // The clipboard holds the date as short date text of the active calendar.
  // Copies the date (also while null) in DigitShape digits; never raises.
  void CopyToClipboard();
  // Copies, then makes the picker null (OnChange) when AllowNull and not ReadOnly.
  void CutToClipboard();
  // Sets the date from the clipboard text; a text that does not parse, or a
  // date outside the limits, changes nothing; never raises.
  void PasteFromClipboard();

  // After the calendar was switched by SwitchCalendar (Shift+Space, double click).
  TNotifyEvent OnCalendarSwitch;
  // After every change of the value or of the null state, once per change.
  TNotifyEvent OnChange;

 signals:
  // Beside OnChange, for Qt code: the new value (invalid while null).
  void dateChanged(const QDate& date);
  void dateTimeChanged(const QDateTime& dateTime);

 public:
  // ---- Overridable operations, in their slot order --------------------------
  // Switches the active calendar (true: Gregorian), committing a pending entry;
  // a date beyond the new calendar's years moves to its nearest end (OnChange).
  virtual void SetUseSystemCalendar(bool value);
  // Whether the picker is null: the segments are blank and the value is kept.
  virtual bool IsNull() const;
  // Sets the null state whatever AllowNull; fires no OnChange; never raises.
  virtual void SetIsNull(bool value);

 protected:
  virtual void CalcTextArea();
  virtual void LayoutSegments();
  virtual bool CanModify();
  virtual void CheckDate(TDate value);
  virtual void CheckDateTime(TDateTime value);
  virtual void CheckTime(TTime value);
  virtual bool IsGrayed();
  virtual bool NeedsHighlight();
  virtual void PaintSegment(int index);

  virtual void SegmentChanged(int oldIndex);
  virtual bool ValueChanged(const TPickerState& old, bool notify);
  virtual void Change();
  virtual void SwitchCalendar();

  // ---- Calendar adapters: solar core or Gregorian runtime ---------------------
  // The active calendar's routines (solar core or Gregorian runtime).
  const TCalendarRoutines& Calendar() const;
  TDateTime CalEncodeDate(Word year, Word month, Word day) const;
  void CalDecodeDate(TDateTime value, Word& year, Word& month, Word& day) const;
  TDateTime CalEncodeDateTime(Word year, Word month, Word day, Word hour, Word minute, Word second,
                              Word msec) const;
  bool CalIsLeapYear(Word year) const;
  Word CalDaysInMonth(Word year, Word month) const;
  Word CalLeapMonth() const;
  Word CalMinYear() const;
  Word CalCurrentYear() const;
  std::string CalDateToStr(TDateTime value) const;
  std::string CalDateTimeToStr(TDateTime value) const;
  std::string CalFormatDateTime(std::string_view pattern, TDateTime value) const;
  TDateTime CalStrToDate(std::string_view text) const;
  TDateTime CalStrToDateTime(std::string_view text) const;

  // ---- Value operations ----------------------------------------------------------
  // The stored null flag itself, whatever a descendant's IsNull reports.
  bool IsNullField() const { return FIsNull; }
  void GetState(TPickerState& state) const;
  TPickerState GetState() const;
  void ClampDate();
  void ClampTime();
  void ClampDateTime();
  void ClampDay();

  // ---- Segment editing -------------------------------------------------------------
  bool CommitEntry();
  void CompleteYear();
  void AutoMoveNext();
  bool IsValidDigitValue(TDatePickerSegment segment, Word value);
  void StepSegment(TDatePickerSegment segment, int delta);
  void JumpToLimit(TDatePickerSegment segment, bool toLowest);
  void AddDays(int days);

  // ---- Painting --------------------------------------------------------------------
  // What segment index shows: blank while null (DatePickerPaint.cpp).
  std::string SegmentText(int index) const;

  // ---- Host operations -------------------------------------------------------------
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;
  bool KeyDownMessage(Word Key, TShiftState Shift) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos) override;
  void FocusGained() override;
  void FocusLost(QWidget* NewFocus) override;
  void Resize() override;
  void FontChanged() override;
  bool HintShow(std::string& HintText) override;

  // ---- Fields -----------------------------------------------------------------------
  TDatePickerSegment CurrentSegment = dsDay;  // the segment with the keyboard caret
  bool Editing = false;                       // a typed entry is pending
  Word Hour = 0, Minute = 0, Second = 0, MSec = 0;
  std::int8_t LastDigit = -1;  // last digit of the pending entry, -1 = none
  TPickerState PreEditState;   // the value when the pending entry began
  Word Year = 0, Month = 0, Day = 0;

  // Layout, in client coordinates (DatePickerPaint.cpp).
  TRect TextArea;
  TRect SwitchMark;
  std::array<TSegmentBounds, DatePickerSegmentCount> SegmentBounds{};
  TRect TextBand;

 private:
  // Which pair of limits an operation concerns.
  enum class TLimitKind { Date, Time, DateTime };

  // Value model (DatePickerValue.cpp)
  void SetLimit(TLimitKind kind, bool maximum, TDateTime value);
  void CheckLimits(TLimitKind kind, TDateTime value);
  std::string ValueText(TLimitKind kind, TDateTime value) const;
  std::string LimitText(TLimitKind kind, TDateTime value) const;
  TDateTime& LimitField(TLimitKind kind, bool maximum);
  void ClampValue(TLimitKind kind);
  void LoadDate(TDateTime value);
  void LoadTime(TDateTime value);
  // First and last day the active calendar shows (years CalMinYear..9999).
  TDate CalFirstDay() const;
  TDate CalLastDay() const;
  void CheckSupportedDay(TDateTime value) const;

  // Segment editing (DatePickerEditing.cpp)
  void HandleKey(Word key, TShiftState shift);
  void SetToNow(TPickerState& old, bool clearWholeState);
  // A copy of the parts and the pending entry under the current settings,
  // and taking its result back into the fields (nothing is repainted).
  TSegmentEntry MakeEntry() const;
  void ApplyEntry(const TSegmentEntry& entry);
  void MoveToVisibleSegment(int step);
  void TypeDigit(int digit);
  bool WheelStep(TShiftState shift, int delta);
  void ClampAfterEditOf(TDatePickerSegment segment);

  // Layout and painting (DatePickerPaint.cpp)
  TSegmentMetrics MeasureSegments();
  // The number segment index shows, in ASCII digits.
  std::string SegmentNumber(int index) const;
  void PaintSeparator(int leftSegment, int rightSegment, char separator);
  int AutoHeight();
  void DeriveVisibleSegments();
  void KeepCaretVisible();

  TAlignment FAlignment = taCenter;
  bool FAllowCalendarSwitch = true;
  bool FAllowNull = false;
  bool FAutoMove = true;
  TAutoMoveDirection FAutoMoveDirection = amdDMY;
  bool FAutoSize = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FCtl3D = true;
  TDigitShape FDigitShape = dgLatin;
  TDatePickerSegments FVisibleSegments{dsYear, dsMonth, dsDay};
  bool FFormattedHint = false;
  bool FHighlightRequired = false;
  bool FIntelliYearDigits = true;
  bool FIsNull = false;
  TZarDateTimeKind FKind = dtkDate;
  TDateTime FMaxDate = 0, FMaxDateTime = 0, FMaxTime = 0;
  TDateTime FMinDate = 0, FMinDateTime = 0, FMinTime = 0;
  bool FReadOnly = false;
  bool FShowSecond = false;
  bool FUse12HourClock = false;
  bool FUseCurrentDate = true;
  bool FUseCurrentTime = true;
  bool FUseSystemCalendar = false;
};

// The published form; it adds nothing.
class TZarDatePicker : public TCustomZarDatePicker {
 public:
  // The constructor of TCustomZarDatePicker.
  using TCustomZarDatePicker::TCustomZarDatePicker;
};

}  // namespace zar
