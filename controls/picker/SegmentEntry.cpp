// The typing rules of the picker's segments; see SegmentEntry.h.

#include "SegmentEntry.h"

#include <algorithm>
#include <vector>

#include "DateTimeBase.h"
#include "Exceptions.h"

namespace zar {

namespace {

constexpr Word MaxYear = 9999;

// Hour h of the half of the day (AM or PM) that holds reference.
Word InSameHalf(Word h, Word reference) { return static_cast<Word>(reference > 11 ? h + 12 : h); }

// Wraps value into [low, high], one step past an end giving the other end.
Word Wrap(int value, int low, int high) {
  if (value > high) return static_cast<Word>(low);
  if (value < low) return static_cast<Word>(high);
  return static_cast<Word>(value);
}

bool WithinLimits(TDateTime value, TDateTime minimum, TDateTime maximum) {
  return !(minimum != 0 && value < minimum) && !(maximum != 0 && value > maximum);
}

// Parts that do not encode count as outside the limits.
template <class Encode>
bool Outside(Encode encode, TDateTime minimum, TDateTime maximum) {
  try {
    return !WithinLimits(encode(), minimum, maximum);
  } catch (const EConvertError&) {
    return true;
  }
}

}  // namespace

TSegmentEntry::TSegmentEntry(const TSegmentEntryContext& context, const TSegmentEntryState& state)
    : FContext(context), FState(state) {}

TSegmentEntryState TSegmentEntry::State() const {
  TSegmentEntryState s = FState;
  s.Value.PM = s.Value.Hour > 11 ? 1 : 0;
  return s;
}

Word TSegmentEntry::DaysInMonth() const {
  return FContext.Calendar->DaysInMonth(FState.Value.Year, FState.Value.Month);
}

// ---- Typed digits ----------------------------------------------------------------------------

TSegmentEntry::TDigitResult TSegmentEntry::TypeDigit(int digit) {
  if (digit < 0 || digit > 9) return {};
  if (!FState.Editing) {
    FState.PreEditState = State().Value;
    FState.Editing = true;
    FState.LastDigit = -1;
  }
  TDigitResult result;
  result.Applied = TypeIntoSegment(static_cast<Word>(digit), result.Complete);
  if (!result.Complete) FState.LastDigit = static_cast<std::int8_t>(digit);
  return result;
}

// Applies the digit to the current segment. Returns false for a leading
// zero of the month or day, which only waits for the next digit.
bool TSegmentEntry::TypeIntoSegment(Word d, bool& complete) {
  TPickerState& v = FState.Value;
  const std::int8_t lastDigit = FState.LastDigit;
  const bool pending = lastDigit >= 0;
  switch (FState.CurrentSegment) {
    case dsYear: {
      v.Year = v.Year < 1000 && pending ? static_cast<Word>(v.Year * 10 + d) : d;
      // Two digits are enough only where the year is not typed last.
      const bool intelliOrder =
          FContext.AutoMoveDirection == amdYMD || FContext.Kind == dtkDateTime;
      complete = v.Year > 999 || (FContext.IntelliYearDigits && FContext.AutoMove &&
                                  (v.Year > 9 || pending) && intelliOrder);
      break;
    }
    case dsMonth:
    case dsDay: {
      const TDatePickerSegment segment = FState.CurrentSegment;
      Word& part = segment == dsMonth ? v.Month : v.Day;
      const Word candidate = static_cast<Word>(part * 10 + d);
      if (IsValidDigitValue(segment, candidate) && lastDigit > 0)
        part = candidate;
      else if (d > 0)
        part = d;
      else
        return false;
      complete = part > (segment == dsMonth ? 1 : 3) || lastDigit == 0;
      break;
    }
    case dsHour:
      if (!FContext.Use12HourClock) {
        complete = TypeTimeDigit(v.Hour, dsHour, d, 2);
      } else if (pending && lastDigit <= 1 && (lastDigit == 0 || d <= 2)) {
        // 0d gives d o'clock, 10 and 11 themselves, 12 twelve o'clock; all
        // in the half of the day of the first digit.
        const Word h = lastDigit == 0 ? d : static_cast<Word>(d == 2 ? 0 : 10 + d);
        v.Hour = InSameHalf(h, v.Hour);
        complete = true;
      } else {
        // A first digit, or one that cannot follow it (13 to 19 are no
        // hours of a 12-hour clock): the digit starts the hour afresh.
        v.Hour = InSameHalf(d, v.Hour);
        complete = d > 1 || pending;
      }
      break;
    case dsMinute: complete = TypeTimeDigit(v.Minute, dsMinute, d, 5); break;
    case dsSecond: complete = TypeTimeDigit(v.Second, dsSecond, d, 5); break;
    case dsMSec:
    case dsAmPm: break;
  }
  return true;
}

// A two-digit time part: a second digit completes a valid value; otherwise
// the digit starts the part afresh and completes it when no second digit
// could follow (above largestLeading).
bool TSegmentEntry::TypeTimeDigit(Word& part, TDatePickerSegment segment, Word digit,
                                  Word largestLeading) {
  const Word candidate = static_cast<Word>(part * 10 + digit);
  if (IsValidDigitValue(segment, candidate) && FState.LastDigit >= 0) {
    part = candidate;
    return true;
  }
  part = digit;
  return digit > largestLeading;
}

bool TSegmentEntry::IsValidDigitValue(TDatePickerSegment segment, Word value) {
  switch (segment) {
    case dsMonth: return value >= 1 && value <= 12;
    case dsDay:
      if (FContext.AutoMove && FContext.AutoMoveDirection == amdYMD)
        return value >= 1 && value <= DaysInMonth();
      // The month may still be typed after the day: a day this month
      // lacks moves to a month of 31 days.
      if (value < 1 || value > 31) return false;
      if (value > DaysInMonth()) FState.Value.Month = 1;
      return true;
    case dsHour: return value <= 23;
    case dsMinute:
    case dsSecond: return value <= 59;
    default: return true;
  }
}

// ---- Commit ----------------------------------------------------------------------------------

bool TSegmentEntry::Commit() {
  if (!FState.Editing) return true;
  CompleteYear();
  ClampDay();
  TPickerState& v = FState.Value;
  const TPickerState& pre = FState.PreEditState;
  const TCalendarRoutines& cal = *FContext.Calendar;
  bool ok = true;
  if (Outside([&] { return cal.EncodeDate(v.Year, v.Month, v.Day); }, FContext.MinDate,
              FContext.MaxDate)) {
    v.Year = pre.Year;
    v.Month = pre.Month;
    v.Day = pre.Day;
    ok = false;
  }
  // All held parts count, also seconds that are not shown.
  if (Outside([&] { return EncodeTime(v.Hour, v.Minute, v.Second, v.MSec); }, FContext.MinTime,
              FContext.MaxTime)) {
    v.Hour = pre.Hour;
    v.Minute = pre.Minute;
    v.Second = pre.Second;
    v.MSec = pre.MSec;
    ok = false;
  }
  const auto encodeDateTime = [&] {
    return cal.EncodeDateTime(v.Year, v.Month, v.Day, v.Hour, v.Minute, v.Second, v.MSec);
  };
  if (Outside(encodeDateTime, FContext.MinDateTime, FContext.MaxDateTime)) {
    v.Year = pre.Year;
    v.Month = pre.Month;
    v.Day = pre.Day;
    v.Hour = pre.Hour;
    v.Minute = pre.Minute;
    v.Second = pre.Second;
    v.MSec = pre.MSec;
    ok = false;
  }
  FState.Editing = false;
  return ok;
}

// The year that a typed year of one or two digits stands for: the one
// ending in those digits within the century window [CY - W, CY - W + 99].
Word TSegmentEntry::ExpandedYear(int typedYear) const {
  const int cy = FContext.CurrentYear;
  const int w = FContext.CenturyWindow;
  int year = typedYear + ((cy - w) / 100) * 100;
  if (w > 0 && year < cy - w) year += 100;
  return static_cast<Word>(year);
}

void TSegmentEntry::CompleteYear() {
  Word& year = FState.Value.Year;
  const Word minYear = FContext.Calendar->MinYear;
  if (year < 100) {
    const int expanded = ExpandedYear(year);
    // A window reaching outside the supported years keeps the old year.
    year = expanded >= minYear && expanded <= MaxYear ? static_cast<Word>(expanded)
                                                      : FState.PreEditState.Year;
  } else if (year < minYear) {
    year = FState.PreEditState.Year;
  }
}

void TSegmentEntry::ClampDay() {
  const Word length = DaysInMonth();
  if (FState.Value.Day > length) FState.Value.Day = length;
}

// ---- Caret order -----------------------------------------------------------------------------

bool TSegmentEntry::AutoMoveNext() {
  if (!FContext.AutoMove) return false;
  std::vector<TDatePickerSegment> order;
  if (FContext.Kind != dtkTime) {
    if (FContext.AutoMoveDirection == amdYMD)
      order = {dsYear, dsMonth, dsDay};
    else
      order = {dsDay, dsMonth, dsYear};
  }
  if (FContext.Kind != dtkDate) {
    order.insert(order.end(), {dsHour, dsMinute});
    if (FContext.ShowSecond) order.push_back(dsSecond);
  }
  const auto at = std::find(order.begin(), order.end(), FState.CurrentSegment);
  if (at == order.end()) return false;
  if (at + 1 != order.end())
    FState.CurrentSegment = *(at + 1);
  else if (FContext.Kind == dtkDateTime && FContext.AutoMoveDirection == amdDMY)
    FState.CurrentSegment = dsDay;
  return true;
}

TDatePickerSegment TSegmentEntry::FocusSegment() const {
  if (FContext.Kind == dtkTime) return dsHour;
  return FContext.AutoMoveDirection == amdYMD ? dsYear : dsDay;
}

TDatePickerSegment TSegmentEntry::NextVisibleSegment(int step) const {
  int i = FState.CurrentSegment;
  do {
    i = (i + step + DatePickerSegmentCount) % DatePickerSegmentCount;
  } while (!FContext.VisibleSegments.Contains(static_cast<TDatePickerSegment>(i)));
  return static_cast<TDatePickerSegment>(i);
}

// ---- Stepping and jumping --------------------------------------------------------------------

void TSegmentEntry::StepSegment(TDatePickerSegment segment, int delta) {
  TPickerState& v = FState.Value;
  const TCalendarRoutines& cal = *FContext.Calendar;
  switch (segment) {
    case dsYear:
      v.Year = Wrap(v.Year + delta, cal.MinYear, MaxYear);
      if (v.Month == cal.LeapMonth) ClampDay();
      break;
    case dsMonth:
      v.Month = Wrap(v.Month + delta, 1, 12);
      ClampDay();
      break;
    case dsDay: v.Day = Wrap(v.Day + delta, 1, DaysInMonth()); break;
    case dsHour: v.Hour = Wrap(v.Hour + delta, 0, 23); break;
    case dsMinute: v.Minute = Wrap(v.Minute + delta, 0, 59); break;
    case dsSecond: v.Second = Wrap(v.Second + delta, 0, 59); break;
    case dsAmPm: v.Hour = static_cast<Word>(v.Hour > 11 ? v.Hour - 12 : v.Hour + 12); break;
    case dsMSec: break;
  }
}

void TSegmentEntry::JumpToLimit(TDatePickerSegment segment, bool toLowest) {
  TPickerState& v = FState.Value;
  const TCalendarRoutines& cal = *FContext.Calendar;
  switch (segment) {
    case dsYear: {
      const int low = FContext.CurrentYear - FContext.CenturyWindow;
      const int year = toLowest ? low : low + 99;
      v.Year = static_cast<Word>(std::clamp<int>(year, cal.MinYear, MaxYear));
      if (v.Month == cal.LeapMonth) ClampDay();
      break;
    }
    case dsMonth:
      v.Month = toLowest ? 1 : 12;
      if (v.Month == cal.LeapMonth) ClampDay();
      break;
    case dsDay: v.Day = toLowest ? 1 : DaysInMonth(); break;
    case dsHour:
    case dsAmPm: v.Hour = toLowest ? 0 : 23; break;
    case dsMinute: v.Minute = toLowest ? 0 : 59; break;
    case dsSecond: v.Second = toLowest ? 0 : 59; break;
    case dsMSec: break;
  }
}

}  // namespace zar
