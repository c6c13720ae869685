// Segment editing as events: the keys, the wheel, the mouse, the focus, the
// null gestures, the clipboard keys and the calendar-switch gestures. The
// typing rules themselves (digit entry, completion, typing order, commit,
// part stepping) are TSegmentEntry's, in SegmentEntry.cpp; here they are
// applied to the fields, repainted and reported.

#include <algorithm>

#include "DatePicker.h"
#include "GregorianDates.h"
#include "HostServices.h"
#include "PickerAccessible.h"
#include "SegmentEntry.h"
#include "ZarDateUtils.h"

namespace zar {

namespace {

// The value of a digit typed on any keyboard: ASCII, and the Extended
// Arabic-Indic (Persian) and Arabic-Indic digits of Iranian layouts; -1 for
// anything else.
int DigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= 0x06F0 && c <= 0x06F9) return static_cast<int>(c - 0x06F0);
  if (c >= 0x0660 && c <= 0x0669) return static_cast<int>(c - 0x0660);
  return -1;
}

bool IsTimeSegment(TDatePickerSegment s) { return s > dsDay; }

bool SameDateAndTime(const TPickerState& a, const TPickerState& b) {
  return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day && a.Hour == b.Hour &&
         a.Minute == b.Minute && a.Second == b.Second;
}

}  // namespace

// ---- The segment entry ------------------------------------------------------------------

// The typing rules work on a copy of the parts and the pending entry under
// the current settings; ApplyEntry takes the result back.
TSegmentEntry TCustomZarDatePicker::MakeEntry() const {
  TSegmentEntryContext context;
  context.Calendar = &Calendar();
  context.Kind = FKind;
  context.VisibleSegments = FVisibleSegments;
  context.AutoMove = FAutoMove;
  context.AutoMoveDirection = FAutoMoveDirection;
  context.ShowSecond = FShowSecond;
  context.Use12HourClock = FUse12HourClock;
  context.IntelliYearDigits = FIntelliYearDigits;
  context.CenturyWindow = FormatSettings.TwoDigitYearCenturyWindow;
  context.CurrentYear = CalCurrentYear();
  context.MinDate = FMinDate;
  context.MaxDate = FMaxDate;
  context.MinTime = FMinTime;
  context.MaxTime = FMaxTime;
  context.MinDateTime = FMinDateTime;
  context.MaxDateTime = FMaxDateTime;
  return TSegmentEntry(context, {GetState(), CurrentSegment, Editing, LastDigit, PreEditState});
}

void TCustomZarDatePicker::ApplyEntry(const TSegmentEntry& entry) {
  const TSegmentEntryState s = entry.State();
  Year = s.Value.Year;
  Month = s.Value.Month;
  Day = s.Value.Day;
  Hour = s.Value.Hour;
  Minute = s.Value.Minute;
  Second = s.Value.Second;
  MSec = s.Value.MSec;
  CurrentSegment = s.CurrentSegment;
  Editing = s.Editing;
  LastDigit = s.LastDigit;
  PreEditState = s.PreEditState;
}

// ---- Key down ----------------------------------------------------------------------------

bool TCustomZarDatePicker::KeyDownMessage(Word Key, TShiftState Shift) {
  if (FAllowCalendarSwitch && Shift.Contains(ssShift) && Key == vk::Space) {
    SwitchCalendar();
    return true;
  }
  return TCustomControl::KeyDownMessage(Key, Shift);
}

void TCustomZarDatePicker::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key != 0) HandleKey(Key, Shift);
}

void TCustomZarDatePicker::HandleKey(Word key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl);
  switch (key) {
    case vk::Prior:
    case vk::Next:
    case vk::End:
    case vk::Home:
    case vk::Left:
    case vk::Up:
    case vk::Right:
    case vk::Down:
    case vk::Delete:
    case vk::Multiply:
    case vk::Add:
    case vk::Subtract: break;
    case 'C':
    case 'V':
    case 'X':
    case vk::Space:
      if (ctrl) break;
      return;
    default: return;
  }

  if (FAllowNull && key == vk::Delete) {
    if (!IsNull() && CanModify()) {
      SetIsNull(true);
      Change();
    }
    return;
  }
  if (ctrl && (key == 'C' || key == 'V' || key == 'X')) {
    if (key == 'C')
      CopyToClipboard();
    else if (CanModify())
      key == 'V' ? PasteFromClipboard() : CutToClipboard();
    return;
  }
  const bool caretKey = key == vk::Left || key == vk::Right;
  if (!caretKey && !CanModify()) return;

  CommitEntry();
  TPickerState s = GetState();
  switch (key) {
    case vk::Multiply:
    case vk::Space: SetToNow(s, true); break;
    case vk::Prior: AddDays(ctrl ? 7 : 1); break;
    case vk::Next: AddDays(ctrl ? -7 : -1); break;
    case vk::Home:
    case vk::End:
      if (ctrl) {
        JumpToLimit(dsMonth, key == vk::Home);
        JumpToLimit(dsDay, key == vk::Home);
      } else {
        JumpToLimit(CurrentSegment, key == vk::Home);
      }
      break;
    case vk::Left:
    case vk::Right:
      if (!ctrl) MoveToVisibleSegment(key == vk::Right ? 1 : -1);
      break;
    case vk::Up:
    case vk::Add:
      if (!ctrl) StepSegment(CurrentSegment, +1);
      break;
    case vk::Down:
    case vk::Subtract:
      if (!ctrl) StepSegment(CurrentSegment, -1);
      break;
    default: break;  // Delete without AllowNull: the commit only
  }
  if (!caretKey) ValueChanged(s, true);
}

// Today and the current time, inside the limits. A null picker whose value
// already is now must still leave the null state: old is altered so that
// the comparison that follows sees a change.
void TCustomZarDatePicker::SetToNow(TPickerState& old, bool clearWholeState) {
  const TDateTime now = zar::Now();
  LoadDate(now);
  LoadTime(now);
  ClampDate();
  ClampTime();
  ClampDateTime();
  if (FIsNull && SameDateAndTime(GetState(), old)) {
    if (clearWholeState) {
      old = TPickerState{};
    } else {
      old.Year = 0;
      old.Hour = 0;
    }
  }
}

void TCustomZarDatePicker::MoveToVisibleSegment(int step) {
  const TDatePickerSegment old = CurrentSegment;
  CurrentSegment = MakeEntry().NextVisibleSegment(step);
  SegmentChanged(old);
}

void TCustomZarDatePicker::SegmentChanged(int oldIndex) {
  if (oldIndex == CurrentSegment) return;
  PaintSegment(oldIndex);
  PaintSegment(CurrentSegment);
  TDatePickerAccessible::NotifySegmentFocus(this);
}

// ---- Typed digits --------------------------------------------------------------------------

void TCustomZarDatePicker::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  const int digit = DigitValue(Key);
  if (digit < 0 || !CanModify()) return;
  TypeDigit(digit);
}

// The entry applies the digit (SegmentEntry.cpp); the picker repaints,
// commits a completed segment and moves the caret on.
void TCustomZarDatePicker::TypeDigit(int digit) {
  TPickerState s = GetState();
  TSegmentEntry entry = MakeEntry();
  const TSegmentEntry::TDigitResult typed = entry.TypeDigit(digit);
  ApplyEntry(entry);
  if (!typed.Applied) return;
  // A null picker leaves the null state at the first digit, also when
  // the digit repeats the hidden value.
  if (FIsNull && SameDateAndTime(GetState(), s)) s.Year = 0;
  ValueChanged(s, false);
  if (typed.Complete && CommitEntry()) {
    AutoMoveNext();
    LastDigit = -1;
  }
}

bool TCustomZarDatePicker::IsValidDigitValue(TDatePickerSegment segment, Word value) {
  TSegmentEntry entry = MakeEntry();
  const bool valid = entry.IsValidDigitValue(segment, value);
  ApplyEntry(entry);  // a day this month lacks may have changed the month
  return valid;
}

bool TCustomZarDatePicker::CommitEntry() {
  if (!Editing) return true;
  const TPickerState s = GetState();
  TSegmentEntry entry = MakeEntry();
  const bool ok = entry.Commit();
  ApplyEntry(entry);
  // Repaints what completion and the limits changed; a picker made null
  // while the entry was pending (Delete does not commit) leaves the null
  // state here and reports that on its own.
  ValueChanged(s, false);
  if (GetState() != PreEditState) Change();
  return ok;
}

void TCustomZarDatePicker::CompleteYear() {
  TSegmentEntry entry = MakeEntry();
  entry.CompleteYear();
  ApplyEntry(entry);
}

void TCustomZarDatePicker::AutoMoveNext() {
  const TDatePickerSegment old = CurrentSegment;
  TSegmentEntry entry = MakeEntry();
  if (!entry.AutoMoveNext()) return;
  ApplyEntry(entry);
  SegmentChanged(old);
}

// ---- Stepping --------------------------------------------------------------------------------

void TCustomZarDatePicker::StepSegment(TDatePickerSegment segment, int delta) {
  TSegmentEntry entry = MakeEntry();
  entry.StepSegment(segment, delta);
  ApplyEntry(entry);
  ClampAfterEditOf(segment);
}

// A step or jump keeps the value within the limits of the part it changed
// and within the date-time limits.
void TCustomZarDatePicker::ClampAfterEditOf(TDatePickerSegment segment) {
  if (IsTimeSegment(segment))
    ClampTime();
  else
    ClampDate();
  ClampDateTime();
}

void TCustomZarDatePicker::JumpToLimit(TDatePickerSegment segment, bool toLowest) {
  TSegmentEntry entry = MakeEntry();
  entry.JumpToLimit(segment, toLowest);
  ApplyEntry(entry);
  ClampAfterEditOf(segment);
}

// Moves the date by days; the result stays within the years the segments
// can hold and, like every other step, within all three pairs of limits
// (a day step must not carry the value past MinDateTime or MaxDateTime).
void TCustomZarDatePicker::AddDays(int days) {
  const TDate d = std::clamp(CalEncodeDate(Year, Month, Day) + days, CalFirstDay(), CalLastDay());
  LoadDate(d);
  ClampDate();
  ClampDateTime();
}

// ---- Wheel
// ---------------------------------------------------------------------------------------

bool TCustomZarDatePicker::DoMouseWheelDown(TShiftState Shift, QPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  return WheelStep(Shift, -1);
}

bool TCustomZarDatePicker::DoMouseWheelUp(TShiftState Shift, QPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  return WheelStep(Shift, +1);
}

bool TCustomZarDatePicker::WheelStep(TShiftState shift, int delta) {
  if (!CanModify()) return false;
  CommitEntry();
  const TPickerState s = GetState();
  if (shift.Contains(ssCtrl))
    AddDays(7 * delta);
  else if (shift.Contains(ssShift))
    AddDays(delta);
  else
    StepSegment(CurrentSegment, delta);
  ValueChanged(s, true);
  return true;
}

// ---- Mouse -------------------------------------------------------------------------------------

void TCustomZarDatePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    SetFocus();
    if (!Focused()) return;
    CommitEntry();
    if (TextBand.Contains(X, Y)) {
      const TDatePickerSegment old = CurrentSegment;
      for (int i = 0; i < DatePickerSegmentCount; ++i) {
        if (SegmentBounds[i].Left < X && X < SegmentBounds[i].Right) {
          CurrentSegment = static_cast<TDatePickerSegment>(i);
          break;
        }
      }
      SegmentChanged(old);
    }
  } else if (Button == mbMiddle && Focused() && ClientRect().Contains(X, Y) && CanModify()) {
    CommitEntry();
    TPickerState s = GetState();
    SetToNow(s, false);
    ValueChanged(s, true);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomZarDatePicker::DblClick() {
  TCustomControl::DblClick();
  if (!FAllowCalendarSwitch || OnDblClick) return;
  TRect r = TextArea;
  if (UseRightToLeftAlignment())
    r.Left = SwitchMark.Left;
  else
    r.Right = SwitchMark.Right;
  if (r.Contains(ScreenToClient(TMouse::CursorPos()))) SwitchCalendar();
}

// ---- Focus --------------------------------------------------------------------------------------

void TCustomZarDatePicker::FocusGained() {
  TCustomControl::FocusGained();
  if (FAutoMove) CurrentSegment = MakeEntry().FocusSegment();
  Invalidate();
  TDatePickerAccessible::NotifySegmentFocus(this);
}

void TCustomZarDatePicker::FocusLost(QWidget* NewFocus) {
  TCustomControl::FocusLost(NewFocus);
  CommitEntry();
  Invalidate();
}

bool TCustomZarDatePicker::CanModify() { return !FReadOnly; }

}  // namespace zar
