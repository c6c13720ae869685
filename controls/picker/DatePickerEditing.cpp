// Segment editing: the caret segment, typed digit entry with completion and
// automatic move, stepping and jumping with the keys, the wheel, the mouse,
// the null gestures, the clipboard keys and the calendar-switch gestures.

#include <algorithm>
#include <vector>

#include "DatePicker.h"
#include "GregorianDates.h"
#include "HostServices.h"
#include "PickerAccessible.h"
#include "ZarDateUtils.h"

namespace zar {

namespace {

constexpr Word MaxYear = 9999;

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

// Hour h of the half of the day (AM or PM) that holds reference.
Word InSameHalf(Word h, Word reference) { return static_cast<Word>(reference > 11 ? h + 12 : h); }

// Wraps value into [low, high], one step past an end giving the other end.
Word Wrap(int value, int low, int high) {
  if (value > high) return static_cast<Word>(low);
  if (value < low) return static_cast<Word>(high);
  return static_cast<Word>(value);
}

}  // namespace

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
    case vk::Prior: case vk::Next: case vk::End: case vk::Home: case vk::Left: case vk::Up:
    case vk::Right: case vk::Down: case vk::Delete: case vk::Multiply: case vk::Add:
    case vk::Subtract:
      break;
    case 'C': case 'V': case 'X': case vk::Space:
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
  int i = CurrentSegment;
  do {
    i = (i + step + DatePickerSegmentCount) % DatePickerSegmentCount;
  } while (!FVisibleSegments.Contains(static_cast<TDatePickerSegment>(i)));
  CurrentSegment = static_cast<TDatePickerSegment>(i);
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

void TCustomZarDatePicker::TypeDigit(int digit) {
  TPickerState s = GetState();
  if (!Editing) {
    PreEditState = s;
    Editing = true;
    LastDigit = -1;
  }
  bool complete = false;
  if (TypeIntoSegment(digit, complete)) {
    // A null picker leaves the null state at the first digit, also when
    // the digit repeats the hidden value.
    if (FIsNull && SameDateAndTime(GetState(), s)) s.Year = 0;
    ValueChanged(s, false);
    if (complete && CommitEntry()) {
      AutoMoveNext();
      LastDigit = -1;
    }
  }
  if (Editing) LastDigit = static_cast<std::int8_t>(digit);
}

// Applies the digit to the current segment. Returns false for a leading
// zero of the month or day, which only waits for the next digit.
bool TCustomZarDatePicker::TypeIntoSegment(int digit, bool& complete) {
  const Word d = static_cast<Word>(digit);
  const bool pending = LastDigit >= 0;
  switch (CurrentSegment) {
    case dsYear: {
      Year = Year < 1000 && pending ? static_cast<Word>(Year * 10 + d) : d;
      const bool intelliOrder = FAutoMoveDirection == amdYMD || FKind == dtkDateTime;
      complete = Year > 999 || (FIntelliYearDigits && FAutoMove && (Year > 9 || pending) &&
                                intelliOrder);
      break;
    }
    case dsMonth:
    case dsDay: {
      Word& part = CurrentSegment == dsMonth ? Month : Day;
      const Word candidate = static_cast<Word>(part * 10 + d);
      if (IsValidDigitValue(CurrentSegment, candidate) && LastDigit > 0)
        part = candidate;
      else if (d > 0)
        part = d;
      else
        return false;
      complete = part > (CurrentSegment == dsMonth ? 1 : 3) || LastDigit == 0;
      break;
    }
    case dsHour:
      if (!FUse12HourClock) {
        complete = TypeTimeDigit(Hour, dsHour, d, 2);
      } else if (pending && LastDigit <= 1 && (LastDigit == 0 || d <= 2)) {
        // 0d gives d o'clock, 10 and 11 themselves, 12 twelve o'clock; all
        // in the half of the day of the first digit.
        const Word h = LastDigit == 0 ? d : static_cast<Word>(d == 2 ? 0 : 10 + d);
        Hour = InSameHalf(h, Hour);
        complete = true;
      } else {
        // A first digit, or one that cannot follow it (13 to 19 are no
        // hours of a 12-hour clock): the digit starts the hour afresh.
        Hour = InSameHalf(d, Hour);
        complete = d > 1 || pending;
      }
      break;
    case dsMinute: complete = TypeTimeDigit(Minute, dsMinute, d, 5); break;
    case dsSecond: complete = TypeTimeDigit(Second, dsSecond, d, 5); break;
    case dsMSec:
    case dsAmPm: break;
  }
  return true;
}

// A two-digit time part: a second digit completes a valid value; otherwise
// the digit starts the part afresh and completes it when no second digit
// could follow (above largestLeading).
bool TCustomZarDatePicker::TypeTimeDigit(Word& part, TDatePickerSegment segment, Word digit,
                                         Word largestLeading) {
  const Word candidate = static_cast<Word>(part * 10 + digit);
  if (IsValidDigitValue(segment, candidate) && LastDigit >= 0) {
    part = candidate;
    return true;
  }
  part = digit;
  return digit > largestLeading;
}

bool TCustomZarDatePicker::IsValidDigitValue(TDatePickerSegment segment, Word value) {
  switch (segment) {
    case dsMonth: return value >= 1 && value <= 12;
    case dsDay:
      if (FAutoMove && FAutoMoveDirection == amdYMD)
        return value >= 1 && value <= CalDaysInMonth(Year, Month);
      // The month may still be typed after the day: a day this month
      // lacks moves to a month of 31 days.
      if (value < 1 || value > 31) return false;
      if (value > CalDaysInMonth(Year, Month)) Month = 1;
      return true;
    case dsHour: return value <= 23;
    case dsMinute:
    case dsSecond: return value <= 59;
    default: return true;
  }
}

bool TCustomZarDatePicker::CommitEntry() {
  if (!Editing) return true;
  const TPickerState s = GetState();
  CompleteYear();
  ClampDay();
  // Parts that do not encode count as outside the limits.
  auto outside = [](auto encode, TDateTime minimum, TDateTime maximum) {
    try {
      return !WithinLimits(encode(), minimum, maximum);
    } catch (const EConvertError&) {
      return true;
    }
  };
  const TPickerState& pre = PreEditState;
  bool ok = true;
  if (outside([this] { return CalEncodeDate(Year, Month, Day); }, FMinDate, FMaxDate)) {
    Year = pre.Year;
    Month = pre.Month;
    Day = pre.Day;
    ok = false;
  }
  if (outside([this] { return EncodeTime(Hour, Minute, Second, MSec); }, FMinTime, FMaxTime)) {
    Hour = pre.Hour;
    Minute = pre.Minute;
    Second = pre.Second;
    MSec = pre.MSec;
    ok = false;
  }
  if (outside([this] { return CalEncodeDateTime(Year, Month, Day, Hour, Minute, Second, MSec); },
              FMinDateTime, FMaxDateTime)) {
    Year = pre.Year;
    Month = pre.Month;
    Day = pre.Day;
    Hour = pre.Hour;
    Minute = pre.Minute;
    Second = pre.Second;
    MSec = pre.MSec;
    ok = false;
  }
  Editing = false;
  // Repaints what completion and the limits changed; a picker made null
  // while the entry was pending (Delete does not commit) leaves the null
  // state here and reports that on its own.
  ValueChanged(s, false);
  if (GetState() != PreEditState) Change();
  return ok;
}

// The year that a typed year of one or two digits stands for: the one
// ending in those digits within the century window [CY - W, CY - W + 99].
Word TCustomZarDatePicker::ExpandedYear(int typedYear) const {
  const int cy = CalCurrentYear();
  const int w = FormatSettings.TwoDigitYearCenturyWindow;
  int year = typedYear + ((cy - w) / 100) * 100;
  if (w > 0 && year < cy - w) year += 100;
  return static_cast<Word>(year);
}

void TCustomZarDatePicker::CompleteYear() {
  if (Year < 100) {
    const int year = ExpandedYear(Year);
    // A window reaching outside the supported years keeps the old year.
    Year = year >= CalMinYear() && year <= MaxYear ? static_cast<Word>(year) : PreEditState.Year;
  } else if (Year < CalMinYear()) {
    Year = PreEditState.Year;
  }
}

void TCustomZarDatePicker::AutoMoveNext() {
  if (!FAutoMove) return;
  std::vector<TDatePickerSegment> order;
  if (FKind != dtkTime) {
    if (FAutoMoveDirection == amdYMD)
      order = {dsYear, dsMonth, dsDay};
    else
      order = {dsDay, dsMonth, dsYear};
  }
  if (FKind != dtkDate) {
    order.insert(order.end(), {dsHour, dsMinute});
    if (FShowSecond) order.push_back(dsSecond);
  }
  const auto at = std::find(order.begin(), order.end(), CurrentSegment);
  if (at == order.end()) return;
  const TDatePickerSegment old = CurrentSegment;
  if (at + 1 != order.end())
    CurrentSegment = *(at + 1);
  else if (FKind == dtkDateTime && FAutoMoveDirection == amdDMY)
    CurrentSegment = dsDay;
  SegmentChanged(old);
}

// ---- Stepping --------------------------------------------------------------------------------

void TCustomZarDatePicker::StepSegment(TDatePickerSegment segment, int delta) {
  switch (segment) {
    case dsYear:
      Year = Wrap(Year + delta, CalMinYear(), MaxYear);
      if (Month == CalLeapMonth()) ClampDay();
      break;
    case dsMonth:
      Month = Wrap(Month + delta, 1, 12);
      ClampDay();
      break;
    case dsDay: Day = Wrap(Day + delta, 1, CalDaysInMonth(Year, Month)); break;
    case dsHour: Hour = Wrap(Hour + delta, 0, 23); break;
    case dsMinute: Minute = Wrap(Minute + delta, 0, 59); break;
    case dsSecond: Second = Wrap(Second + delta, 0, 59); break;
    case dsAmPm: Hour = static_cast<Word>(Hour > 11 ? Hour - 12 : Hour + 12); break;
    case dsMSec: break;
  }
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
  switch (segment) {
    case dsYear: {
      const int low = CalCurrentYear() - FormatSettings.TwoDigitYearCenturyWindow;
      const int year = toLowest ? low : low + 99;
      Year = static_cast<Word>(std::clamp<int>(year, CalMinYear(), MaxYear));
      if (Month == CalLeapMonth()) ClampDay();
      break;
    }
    case dsMonth:
      Month = toLowest ? 1 : 12;
      if (Month == CalLeapMonth()) ClampDay();
      break;
    case dsDay: Day = toLowest ? 1 : CalDaysInMonth(Year, Month); break;
    case dsHour:
    case dsAmPm: Hour = toLowest ? 0 : 23; break;
    case dsMinute: Minute = toLowest ? 0 : 59; break;
    case dsSecond: Second = toLowest ? 0 : 59; break;
    case dsMSec: break;
  }
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

// ---- Wheel ---------------------------------------------------------------------------------------

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

TDatePickerSegment TCustomZarDatePicker::FocusSegment() const {
  if (FKind == dtkTime) return dsHour;
  return FAutoMoveDirection == amdYMD ? dsYear : dsDay;
}

void TCustomZarDatePicker::FocusGained() {
  TCustomControl::FocusGained();
  if (FAutoMove) CurrentSegment = FocusSegment();
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
