// The extended picker's value side: construction, the check box and its
// tie to the null state, the plain properties, and the routing of keys,
// characters and wheel steps between the picker and its open calendar.

#include <QApplication>
#include <QStyle>

#include "DropDownCalendar.h"
#include "ExZarDatePicker.h"
#include "HostServices.h"

namespace zar {

namespace {

// The host's width of a vertical scroll bar, used as the button width.
int ScrollBarWidth() { return std::max(1, VerticalScrollBarWidth()); }

}  // namespace

TCustomExZarDatePicker::TCustomExZarDatePicker(QWidget* parent)
    : TCustomZarDatePicker(parent), FButtonWidth(ScrollBarWidth()) {
  FCalendar = new TDropDownCalendar(this);
  FCalendar->hide();
  FCalendar->SetTabStop(false);
}

// The calendar goes first, quietly: its focus loss must not reach a picker
// that is half gone, and nothing is accepted.
TCustomExZarDatePicker::~TCustomExZarDatePicker() {
  FDestroying = true;
  WatchWindow(false);
  FDroppedDown = false;
  delete FCalendar;
  FCalendar = nullptr;
  if (FCaptured) releaseMouse();
}

// ---- Properties ----------------------------------------------------------------------

void TCustomExZarDatePicker::SetButtons(TDatePickerButtons value) {
  if (value == FButtons) return;
  // A drop-down button that goes away takes its open calendar with it.
  if (!value.Contains(dpbDropDown)) CloseUp(false);
  if (!value.Contains(dpbUpDown)) StopTracking();
  FButtons = value;
  LayoutSegments();
  Invalidate();
}

void TCustomExZarDatePicker::SetButtonWidth(int value) {
  value = std::max(1, value);
  if (value == FButtonWidth) return;
  FButtonWidth = value;
  LayoutSegments();
  Invalidate();
}

TMonthCalendarColors& TCustomExZarDatePicker::CalColors() { return FCalendar->CalColors(); }

const TMonthCalendarColors& TCustomExZarDatePicker::CalColors() const {
  return FCalendar->CalColors();
}

void TCustomExZarDatePicker::SetCalColors(const TMonthCalendarColors& value) {
  FCalendar->SetCalColors(value);
}

void TCustomExZarDatePicker::SetCalendarOptions(TMonthCalOptions value) {
  // The picker takes one day; selections of several days make no sense here.
  FCalendarOptions = value - TMonthCalOptions{mcoMultiSelect, mcoRangeSelect};
}

void TCustomExZarDatePicker::SetShowCheckBox(bool value) {
  if (value == FShowCheckBox) return;
  FShowCheckBox = value;
  LayoutSegments();
  Invalidate();
}

// ---- Check box and null state ------------------------------------------------------------

void TCustomExZarDatePicker::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  Invalidate();
  CheckedChanged();
}

void TCustomExZarDatePicker::CheckedChanged() {
  if (FShowCheckBox && OnChange) OnChange(this);
}

bool TCustomExZarDatePicker::IsChecked() { return !FShowCheckBox || FChecked; }

bool TCustomExZarDatePicker::CheckBoxClick(int x, int y) {
  if (!FButtonRects[bpCheckBox].Contains(x, y)) return false;
  if (CanModify()) SetChecked(!FChecked);
  return true;
}

bool TCustomExZarDatePicker::IsNull() const {
  if (FShowCheckBox) return !FChecked;
  return TCustomZarDatePicker::IsNull();
}

void TCustomExZarDatePicker::SetIsNull(bool value) {
  if (FShowCheckBox) {
    SetChecked(!value);
    Invalidate();
  } else {
    TCustomZarDatePicker::SetIsNull(value);
  }
}

bool TCustomExZarDatePicker::IsGrayed() { return TCustomZarDatePicker::IsGrayed() || !IsChecked(); }

bool TCustomExZarDatePicker::NeedsHighlight() {
  return HighlightRequired() && ((AllowNull() && IsNullField()) || (FShowCheckBox && !FChecked));
}

void TCustomExZarDatePicker::SetUseSystemCalendar(bool value) {
  TCustomZarDatePicker::SetUseSystemCalendar(value);
  if (FDroppedDown) FCalendar->SetUseSystemCalendar(UseSystemCalendar());
}

void TCustomExZarDatePicker::DoGetMonthInfo(TObject*, Word Year, Word Month,
                                            Cardinal& MonthBoldDays) {
  if (OnGetMonthInfo) OnGetMonthInfo(this, Year, Month, MonthBoldDays);
}

// ---- Keys and wheel -------------------------------------------------------------------------

void TCustomExZarDatePicker::KeyDown(Word& Key, TShiftState Shift) {
  const bool alt = Shift.Contains(ssAlt);
  if ((Key == vk::Up || Key == vk::Down) && alt && FButtons.Contains(dpbDropDown)) {
    if (FDroppedDown)
      CloseUp(true);
    else
      DropDown();
    Key = 0;
    return;
  }
  if (FShowCheckBox && !FDroppedDown && Key == vk::Space && !alt && !Shift.Contains(ssCtrl) &&
      CanModify()) {
    SetChecked(!FChecked);
    Key = 0;
    return;
  }
  if (!IsChecked()) return;
  if (FDroppedDown) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    if (Key != 0) FCalendar->KeyDown(Key, Shift);
    return;
  }
  TCustomZarDatePicker::KeyDown(Key, Shift);
}

void TCustomExZarDatePicker::KeyPress(char32_t& Key) {
  if (IsChecked()) TCustomZarDatePicker::KeyPress(Key);
}

bool TCustomExZarDatePicker::DoMouseWheel(TShiftState Shift, int WheelDelta, QPoint MousePos) {
  if (FDroppedDown) return FCalendar->DoMouseWheel(Shift, WheelDelta, MousePos);
  if (IsChecked()) return TCustomZarDatePicker::DoMouseWheel(Shift, WheelDelta, MousePos);
  return false;
}

}  // namespace zar
