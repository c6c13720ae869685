// The picker's value model: the held parts, the calendar adapters, the
// three pairs of limits, the null state, the calendar switch and the
// clipboard.

#include <algorithm>
#include <cmath>

#include "CalendarRoutines.h"
#include "ControlAccessibility.h"
#include "DatePicker.h"
#include "GregorianDates.h"
#include "HostServices.h"
#include "PickerAccessible.h"
#include "QtDates.h"
#include "TextFormat.h"
#include "ZarDateUtils.h"

namespace zar {

namespace {

constexpr Word MaxYear = 9999;

// The day serial and the time of day of a value, split the way the core
// reads every TDateTime (whole milliseconds).
TDate DatePart(TDateTime value) {
  std::int64_t day = 0;
  Integer ms = 0;
  SplitDateTime(value, day, ms);
  return static_cast<TDate>(day);
}

TTime TimePart(TDateTime value) {
  std::int64_t day = 0;
  Integer ms = 0;
  SplitDateTime(value, day, ms);
  return static_cast<TTime>(ms) / MSecsPerDay;
}

}  // namespace

TCustomZarDatePicker::TCustomZarDatePicker(QWidget* parent) : TCustomControl(parent) {
  resize(121, 21);
  SetTabStop(true);
  const TDateTime now = zar::Now();
  LoadDate(now);
  LoadTime(now);
  PreEditState = GetState();
  InstallControlAccessibility();
}

// ---- Calendar adapters -------------------------------------------------------------

const TCalendarRoutines& TCustomZarDatePicker::Calendar() const {
  return CalendarRoutines(FUseSystemCalendar);
}

TDateTime TCustomZarDatePicker::CalEncodeDate(Word year, Word month, Word day) const {
  return Calendar().EncodeDate(year, month, day);
}

void TCustomZarDatePicker::CalDecodeDate(TDateTime value, Word& year, Word& month,
                                         Word& day) const {
  Calendar().DecodeDate(value, year, month, day);
}

TDateTime TCustomZarDatePicker::CalEncodeDateTime(Word year, Word month, Word day, Word hour,
                                                  Word minute, Word second, Word msec) const {
  return Calendar().EncodeDateTime(year, month, day, hour, minute, second, msec);
}

bool TCustomZarDatePicker::CalIsLeapYear(Word year) const { return Calendar().IsLeapYear(year); }

Word TCustomZarDatePicker::CalDaysInMonth(Word year, Word month) const {
  return Calendar().DaysInMonth(year, month);
}

Word TCustomZarDatePicker::CalLeapMonth() const { return Calendar().LeapMonth; }

Word TCustomZarDatePicker::CalMinYear() const { return Calendar().MinYear; }

Word TCustomZarDatePicker::CalCurrentYear() const { return Calendar().CurrentYear(); }

std::string TCustomZarDatePicker::CalDateToStr(TDateTime value) const {
  return ShapeDigits(Calendar().DateToStr(value), FDigitShape);
}

std::string TCustomZarDatePicker::CalDateTimeToStr(TDateTime value) const {
  return ShapeDigits(Calendar().DateTimeToStr(value), FDigitShape);
}

std::string TCustomZarDatePicker::CalFormatDateTime(std::string_view pattern,
                                                    TDateTime value) const {
  return ShapeDigits(Calendar().FormatDateTime(pattern, value), FDigitShape);
}

TDateTime TCustomZarDatePicker::CalStrToDate(std::string_view text) const {
  return Calendar().StrToDate(text);
}

TDateTime TCustomZarDatePicker::CalStrToDateTime(std::string_view text) const {
  return Calendar().StrToDateTime(text);
}

TDate TCustomZarDatePicker::CalFirstDay() const { return CalEncodeDate(CalMinYear(), 1, 1); }

TDate TCustomZarDatePicker::CalLastDay() const {
  return CalEncodeDate(MaxYear, 12, CalDaysInMonth(MaxYear, 12));
}

// A day outside the years the segments can hold would decode to parts no
// segment can show (zeros before the calendar's epoch); refuse it before
// anything changes.
void TCustomZarDatePicker::CheckSupportedDay(TDateTime value) const {
  if (!std::isfinite(value)) throw EConvertError(std::string(SDateEncodeError));
  const TDate day = DatePart(value);
  if (day < CalFirstDay() || day > CalLastDay()) throw EConvertError(std::string(SDateEncodeError));
}

// ---- Parts and snapshots ------------------------------------------------------------

void TCustomZarDatePicker::GetState(TPickerState& state) const {
  state = {Year, Month, Day, Hour, Minute, Second, MSec, static_cast<Word>(Hour > 11 ? 1 : 0)};
}

TPickerState TCustomZarDatePicker::GetState() const {
  TPickerState state;
  GetState(state);
  return state;
}

void TCustomZarDatePicker::LoadDate(TDateTime value) { CalDecodeDate(value, Year, Month, Day); }

void TCustomZarDatePicker::LoadTime(TDateTime value) {
  DecodeTime(value, Hour, Minute, Second, MSec);
}

TDate TCustomZarDatePicker::Date() const {
  if (Editing) return CalEncodeDate(PreEditState.Year, PreEditState.Month, PreEditState.Day);
  return CalEncodeDate(Year, Month, Day);
}

TTime TCustomZarDatePicker::Time() const {
  const TPickerState s = Editing ? PreEditState : GetState();
  return EncodeTime(s.Hour, s.Minute, FShowSecond ? s.Second : 0, 0);
}

TDateTime TCustomZarDatePicker::DateTime() const { return CombineDateTime(Date(), Time()); }

void TCustomZarDatePicker::SetDate(TDate value) {
  const TDate day = DatePart(value);
  FUseCurrentDate = false;
  const TPickerState s = GetState();
  CheckDate(day);
  CheckSupportedDay(value);
  LoadDate(day);
  ValueChanged(s, true);
}

void TCustomZarDatePicker::SetTime(TTime value) {
  value = TimePart(value);
  FUseCurrentTime = false;
  const TPickerState s = GetState();
  CheckTime(value);
  LoadTime(value);
  ValueChanged(s, true);
}

void TCustomZarDatePicker::SetDateTime(TDateTime value) {
  CheckDateTime(value);
  CheckSupportedDay(value);
  SetTime(TimePart(value));
  SetDate(DatePart(value));
}

void TCustomZarDatePicker::SetUseCurrentDate(bool value) {
  if (value == FUseCurrentDate) return;
  if (value) SetDate(zar::Date());
  FUseCurrentDate = value;
}

void TCustomZarDatePicker::SetUseCurrentTime(bool value) {
  if (value == FUseCurrentTime) return;
  if (value) SetTime(zar::Time());
  FUseCurrentTime = value;
}

// ---- Limits ----------------------------------------------------------------------------

std::string TCustomZarDatePicker::ValueText(TLimitKind kind, TDateTime value) const {
  switch (kind) {
    case TLimitKind::Date: return CalDateToStr(value);
    case TLimitKind::Time: return TimeToStr(value);
    case TLimitKind::DateTime: break;
  }
  return CalDateTimeToStr(value);
}

// Limits are always shown as solar texts, whatever the active calendar.
std::string TCustomZarDatePicker::LimitText(TLimitKind kind, TDateTime value) const {
  switch (kind) {
    case TLimitKind::Date: return ZarDateToStr(value);
    case TLimitKind::Time: return TimeToStr(value);
    case TLimitKind::DateTime: break;
  }
  return ZarDateTimeToStr(value);
}

TDateTime& TCustomZarDatePicker::LimitField(TLimitKind kind, bool maximum) {
  switch (kind) {
    case TLimitKind::Date: return maximum ? FMaxDate : FMinDate;
    case TLimitKind::Time: return maximum ? FMaxTime : FMinTime;
    case TLimitKind::DateTime: break;
  }
  return maximum ? FMaxDateTime : FMinDateTime;
}

void TCustomZarDatePicker::CheckLimits(TLimitKind kind, TDateTime value) {
  const TDateTime maximum = LimitField(kind, true);
  const TDateTime minimum = LimitField(kind, false);
  if (maximum != 0 && value > maximum)
    throw EZarDateTimeError(
        Format(SZarDateTimeMax, ValueText(kind, value), LimitText(kind, maximum)));
  if (minimum != 0 && value < minimum)
    throw EZarDateTimeError(
        Format(SZarDateTimeMin, ValueText(kind, value), LimitText(kind, minimum)));
}

void TCustomZarDatePicker::CheckDate(TDate value) { CheckLimits(TLimitKind::Date, value); }

void TCustomZarDatePicker::CheckDateTime(TDateTime value) {
  CheckLimits(TLimitKind::DateTime, value);
}

void TCustomZarDatePicker::CheckTime(TTime value) { CheckLimits(TLimitKind::Time, value); }

void TCustomZarDatePicker::SetLimit(TLimitKind kind, bool maximum, TDateTime value) {
  if (kind == TLimitKind::Date) value = DatePart(value);
  if (kind == TLimitKind::Time) value = TimePart(value);
  const TDateTime other = LimitField(kind, !maximum);
  if (maximum && other != 0 && value != 0 && value < other)
    throw EZarDateTimeError(
        Format(SZarDateTimeMin, ValueText(kind, value), LimitText(kind, other)));
  if (!maximum && other != 0 && value > other)
    throw EZarDateTimeError(
        Format(SZarDateTimeMax, ValueText(kind, value), LimitText(kind, other)));
  // The value is clamped onto a limit, so a limit must be a day the
  // segments can show.
  if (value != 0 && kind != TLimitKind::Time) CheckSupportedDay(value);
  TDateTime& field = LimitField(kind, maximum);
  if (value == field) return;
  if (Editing) CommitEntry();
  const TPickerState s = GetState();
  field = value;
  if (value != 0) ClampValue(kind);
  ValueChanged(s, true);
}

void TCustomZarDatePicker::SetMaxDate(TDate value) { SetLimit(TLimitKind::Date, true, value); }
void TCustomZarDatePicker::SetMinDate(TDate value) { SetLimit(TLimitKind::Date, false, value); }
void TCustomZarDatePicker::SetMaxTime(TTime value) { SetLimit(TLimitKind::Time, true, value); }
void TCustomZarDatePicker::SetMinTime(TTime value) { SetLimit(TLimitKind::Time, false, value); }
void TCustomZarDatePicker::SetMaxDateTime(TDateTime value) {
  SetLimit(TLimitKind::DateTime, true, value);
}
void TCustomZarDatePicker::SetMinDateTime(TDateTime value) {
  SetLimit(TLimitKind::DateTime, false, value);
}

// ---- Clamping ----------------------------------------------------------------------------

void TCustomZarDatePicker::ClampValue(TLimitKind kind) {
  const TDateTime current = kind == TLimitKind::Date   ? Date()
                            : kind == TLimitKind::Time ? Time()
                                                       : DateTime();
  TDateTime r = current;
  const TDateTime minimum = LimitField(kind, false);
  const TDateTime maximum = LimitField(kind, true);
  if (minimum != 0 && r < minimum) r = minimum;
  if (maximum != 0 && r > maximum) r = maximum;
  if (r == current) return;
  if (kind != TLimitKind::Time) LoadDate(r);
  if (kind != TLimitKind::Date) LoadTime(r);
}

void TCustomZarDatePicker::ClampDate() { ClampValue(TLimitKind::Date); }
void TCustomZarDatePicker::ClampTime() { ClampValue(TLimitKind::Time); }
void TCustomZarDatePicker::ClampDateTime() { ClampValue(TLimitKind::DateTime); }

void TCustomZarDatePicker::ClampDay() {
  const Word length = CalDaysInMonth(Year, Month);
  if (Day > length) Day = length;
}

// ---- Change detection and null state ---------------------------------------------------------

bool TCustomZarDatePicker::ValueChanged(const TPickerState& old, bool notify) {
  const TPickerState now = GetState();
  bool changed = false;
  for (int i = 0; i < DatePickerSegmentCount; ++i) {
    if (old[i] == now[i]) continue;
    PaintSegment(i);
    changed = true;
  }
  if (changed && FIsNull) {
    SetIsNull(false);  // tells assistive technology as well
    Change();
    notify = false;
  } else if (changed) {
    TDatePickerAccessible::NotifyValueChanged(this);
  }
  if (changed && notify) Change();
  return changed;
}

void TCustomZarDatePicker::Change() {
  if (OnChange) OnChange(this);
  const bool null = IsNull();
  emit dateChanged(null ? QDate() : DateTimeToQDate(Date()));
  emit dateTimeChanged(null ? QDateTime() : DateTimeToQDateTime(DateTime()));
}

bool TCustomZarDatePicker::IsNull() const { return FIsNull; }

// There is no form designer on this platform, so setting IsNull never
// switches AllowNull on by itself.
void TCustomZarDatePicker::SetIsNull(bool value) {
  if (value == FIsNull) return;
  FIsNull = value;
  Invalidate();
  TDatePickerAccessible::NotifyValueChanged(this);
}

// ---- Calendar switch -------------------------------------------------------------------------

void TCustomZarDatePicker::SetUseSystemCalendar(bool value) {
  if (value == FUseSystemCalendar) return;
  CommitEntry();
  const TDate d = Date();
  FUseSystemCalendar = value;
  // The calendars show slightly different spans of years; a day beyond the
  // new calendar's span moves to its nearest end rather than turning into
  // parts no segment can hold.
  const TDate shown = std::clamp(d, CalFirstDay(), CalLastDay());
  LoadDate(shown);
  Invalidate();
  TDatePickerAccessible::NotifyValueChanged(this);
  if (shown != d) Change();
}

void TCustomZarDatePicker::SwitchCalendar() {
  SetUseSystemCalendar(!FUseSystemCalendar);
  if (OnCalendarSwitch) OnCalendarSwitch(this);
}

// ---- Clipboard ---------------------------------------------------------------------------------

void TCustomZarDatePicker::CopyToClipboard() { TClipboard::SetAsText(CalDateToStr(Date())); }

void TCustomZarDatePicker::CutToClipboard() {
  CopyToClipboard();
  if (FAllowNull && CanModify()) {
    SetIsNull(true);
    Change();
  }
}

// Whatever the clipboard holds, a text that does not parse or lies outside
// the limits changes nothing; nothing escapes from here.
void TCustomZarDatePicker::PasteFromClipboard() {
  try {
    const TDate d = CalStrToDate(TClipboard::AsText());
    if (d == Date()) {
      SetIsNull(false);
      Change();
    } else {
      // Checked first so that a refused text leaves UseCurrentDate alone.
      CheckDate(d);
      CheckSupportedDay(d);
      SetDate(d);
    }
  } catch (...) {
  }
}

}  // namespace zar
