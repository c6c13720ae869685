#pragma once
// TCustomExZarDatePicker: the segmented picker with up to three button
// parts drawn inside its own client area: a drop-down button that opens a
// month calendar under the control, an up-down pair that steps the current
// segment with auto-repeat, and a check box that switches the value between
// active and null. TExZarDatePicker is the published form.
//
// The class is split by concern: ExPickerButtons.cpp (layout, painting and
// mouse tracking of the parts, auto-repeat), ExPickerDropDown.cpp (the
// drop-down protocol and every gesture that closes it) and
// ExPickerValue.cpp (check box, null state, properties, key and wheel
// routing). The pure geometry is in ExPickerLayout.h.

#include <QPointer>

#include "DatePicker.h"
#include "ExPickerLayout.h"
#include "ExPickerTypes.h"
#include "MonthCalendar.h"

namespace zar {

class TDropDownCalendar;
class TTimer;

// The calendar options a picker gives its drop-down unless told otherwise.
inline constexpr TMonthCalOptions DefaultDropDownOptions = DefaultMonthCalOptions;

class TCustomExZarDatePicker : public TCustomZarDatePicker {
 public:
  explicit TCustomExZarDatePicker(QWidget* parent = nullptr);
  ~TCustomExZarDatePicker() override;

  // ---- Properties ------------------------------------------------------------
  // The buttons shown; both by default. Removing the drop-down button closes an
  // open calendar without taking its day.
  TDatePickerButtons Buttons() const { return FButtons; }
  void SetButtons(TDatePickerButtons value);
  // Width of a button column and of the check box column: 16 by default, values
  // below 1 taken as 1.
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int value);
  // The drop-down calendar's own colour set.
  TMonthCalendarColors& CalColors();
  const TMonthCalendarColors& CalColors() const;
  void SetCalColors(const TMonthCalendarColors& value);
  // Given to the calendar at each drop-down; never holds mcoMultiSelect or
  // mcoRangeSelect (SetCalendarOptions drops them).
  TMonthCalOptions CalendarOptions() const { return FCalendarOptions; }
  void SetCalendarOptions(TMonthCalOptions value);
  // The check box's tick; true by default. A change fires OnChange while the
  // check box shows.
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  // The weekday the calendar shows bold in every month; dbdNone by default.
  TDefaultBoldDays DefaultBoldDays() const { return FDefaultBoldDays; }
  void SetDefaultBoldDays(TDefaultBoldDays value) { FDefaultBoldDays = value; }
  // How the calendar lines up with the picker; daLeft by default.
  TDropDownAlign DropDownAlign() const { return FDropDownAlign; }
  void SetDropDownAlign(TDropDownAlign value) { FDropDownAlign = value; }
  // Shows the check box, which then stands for the null state; off by default.
  bool ShowCheckBox() const { return FShowCheckBox; }
  void SetShowCheckBox(bool value);

  // ---- State -------------------------------------------------------------------
  // The drop-down calendar is open.
  bool DroppedDown() const { return FDroppedDown; }
  // The drop-down calendar; lives as long as the picker.
  TDropDownCalendar* DropDownCalendar() const { return FCalendar; }
  // Rectangle of a part in client coordinates; empty when not shown.
  TRect ButtonRect(TPickerButtonPart part) const { return FButtonRects[part]; }
  // The part under the mouse while a press is tracked, the pressed part,
  // and the part under the mouse for hot-tracking.
  TPickerButtonPart HotButton() const { return FHotButton; }
  TPickerButtonPart PressedButton() const { return FPressedButton; }
  TPickerButtonPart ThemeHotButton() const { return FThemeHotButton; }

  // ---- Overrides of the picker's public virtual operations ----------------------
  // Also switches an open calendar.
  void SetUseSystemCalendar(bool value) override;
  // With the check box shown, null is an unticked box; otherwise the picker's own.
  bool IsNull() const override;
  void SetIsNull(bool value) override;

  TNotifyEvent OnCloseUp;  // after the calendar closed
  // Before the calendar opens; hiding or disabling the picker there prevents it.
  TNotifyEvent OnDropDown;
  // Asked for the bold days of each month the open calendar shows.
  TOnGetMonthInfoEvent OnGetMonthInfo;

  // ---- Virtual operations introduced here, in their slot order ------------------
 protected:
  virtual void DoGetMonthInfo(TObject* Sender, Word Year, Word Month, Cardinal& MonthBoldDays);
  // Fires OnChange directly when the check box shows.
  virtual void CheckedChanged();
  // Toggles the check box when (x, y) lies on it; true when it did lie on it.
  virtual bool CheckBoxClick(int x, int y);
  // The value is active: no check box, or a ticked one.
  virtual bool IsChecked();
  virtual void PaintButton(TPickerButtonPart part);

 public:
  // Closes the calendar; with accept the picker takes its day (keeping the
  // time). Nothing when the calendar is not open.
  virtual void CloseUp(bool accept);
  // Opens the calendar under the picker (ticking the check box and ending a
  // null value first), on the picker's date kept within its limits.
  // Nothing when it is open already, or the picker cannot be modified, is
  // hidden or disabled.
  virtual void DropDown();

 protected:
  // ---- Overrides of the picker ----------------------------------------------------
  void CalcTextArea() override;
  void LayoutSegments() override;
  bool IsGrayed() override;
  bool NeedsHighlight() override;

  // ---- Host operations ----------------------------------------------------------------
  void CreateWnd() override;
  void Paint() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, QPoint MousePos) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DialogKey(Word Key, TShiftState Shift) override;
  void DoExit() override;
  void MouseLeave() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void FocusLost(QWidget* NewFocus) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 public:
  // The host's cancel-mode notification: a press on another control.
  void CancelMode(QWidget* Sender) override;

 protected:
  // The auto-repeat timer of the up-down pair; null before the first press.
  TTimer* RepeatTimer() const { return FRepeatTimer; }
  // One auto-repeat step (the timer's handler).
  void RepeatTick();

  // The picker is drawn with the host's style (hot-tracking, themed parts).
  static bool Themed() { return true; }

 private:
  friend class TDropDownCalendar;

  TPickerButtonPart HitTestButton(int x, int y) const;
  bool UpdateHotButton(int x, int y);
  void StopTracking();
  void PaintButtonNow(TPickerButtonPart part);
  void ConfigureCalendar();
  void PlaceCalendar();
  void TakeCalendarDay();
  void WatchWindow(bool on);
  bool IsInsideCalendar(const QWidget* w) const;
  // Gives the focus back to the picker, in its window made active again.
  void Refocus();

  TButtonRects FButtonRects{};
  TDatePickerButtons FButtons{dpbDropDown, dpbUpDown};
  int FButtonWidth = 16;
  TPickerButtonPart FHotButton = bpNone;
  TTimer* FRepeatTimer = nullptr;  // owned through the QObject tree
  TPickerButtonPart FPressedButton = bpNone;
  TPickerButtonPart FThemeHotButton = bpNone;
  bool FDroppedDown = false;
  TDropDownCalendar* FCalendar = nullptr;  // owned through the QObject tree
  bool FChecked = true;
  TDropDownAlign FDropDownAlign = daLeft;
  bool FShowCheckBox = false;
  TMonthCalOptions FCalendarOptions = DefaultDropDownOptions;
  TDefaultBoldDays FDefaultBoldDays = dbdNone;
  bool FDestroying = false;
  bool FCaptured = false;
  bool FGiveBackActivation = false;  // the calendar's window was active when it closed
  QPointer<QWidget> FWatchedWindow;
};

// The published form; it adds nothing.
class TExZarDatePicker : public TCustomExZarDatePicker {
 public:
  using TCustomExZarDatePicker::TCustomExZarDatePicker;
};

}  // namespace zar
