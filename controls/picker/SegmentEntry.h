#pragma once
// The typing rules of the picker's segments, apart from the widget: digit
// entry into each segment with its completion, the 12-hour clock, the
// completion of short years in the century window, the typing order, the
// commit that reverts an entry outside the limits, and the part arithmetic
// of stepping and jumping. TSegmentEntry works on a copy of the picker's
// parts and pending entry under a context of the picker's settings, so the
// rules run without a window; the picker copies the result back, repaints
// and notifies. Not installed: only the picker's sources include it.

#include <cstdint>

#include "CalendarRoutines.h"
#include "DatePickerTypes.h"

namespace zar {

// The picker's settings that the typing rules read.
struct TSegmentEntryContext {
  const TCalendarRoutines* Calendar = &SolarRoutines;  // the active calendar; never null
  TZarDateTimeKind Kind = dtkDate;
  TDatePickerSegments VisibleSegments{dsYear, dsMonth, dsDay};  // never empty
  bool AutoMove = true;
  TAutoMoveDirection AutoMoveDirection = amdDMY;
  bool ShowSecond = false;
  bool Use12HourClock = false;
  bool IntelliYearDigits = true;
  // Short years land in [CurrentYear - CenturyWindow, CurrentYear - CenturyWindow + 99].
  int CenturyWindow = 50;
  Word CurrentYear = 0;  // of the active calendar
  // Limits as the picker holds them; 0 means no limit.
  TDateTime MinDate = 0, MaxDate = 0;
  TDateTime MinTime = 0, MaxTime = 0;
  TDateTime MinDateTime = 0, MaxDateTime = 0;
};

// The held parts and the pending entry, as the picker's fields of the same names.
struct TSegmentEntryState {
  TPickerState Value;  // Value.PM is ignored on input and follows Value.Hour on output
  TDatePickerSegment CurrentSegment = dsDay;
  bool Editing = false;        // an entry is pending
  std::int8_t LastDigit = -1;  // last digit of the pending entry, -1 = none
  TPickerState PreEditState;   // the value when the pending entry began
};

class TSegmentEntry {
 public:
  TSegmentEntry(const TSegmentEntryContext& context, const TSegmentEntryState& state);

  // The parts and the entry as the operations left them; Value.PM matches Value.Hour.
  TSegmentEntryState State() const;

  struct TDigitResult {
    // False for a leading 0 of the month or day (only LastDigit records it)
    // and for a value outside 0..9 (nothing changes then).
    bool Applied = false;
    // The segment can take no further digit: the picker commits and, when
    // the commit succeeds, moves on and clears LastDigit.
    bool Complete = false;
  };
  // Types digit 0..9 into the current segment, beginning an entry (capturing
  // PreEditState) when none is pending. LastDigit takes the digit unless the
  // segment completed, which leaves it to the commit that follows.
  TDigitResult TypeDigit(int digit);

  // Ends the pending entry: completes the year, shortens a day beyond its
  // month, then restores the parts of each failing limit (date, time, date
  // and time) from PreEditState. Parts that do not encode count as outside.
  // Returns false when a limit restored parts; true when nothing was pending.
  bool Commit();
  // A year of one or two digits becomes the window year ending in them (the
  // pre-edit year when that falls outside Calendar->MinYear..9999); a longer
  // year below Calendar->MinYear becomes the pre-edit year.
  void CompleteYear();
  // The year ending in the one or two digits of typedYear (0..99) within the
  // century window; it may fall outside the years the calendar shows.
  Word ExpandedYear(int typedYear) const;
  // Whether value is a whole value of segment: month 1..12, hour 0..23,
  // minute and second 0..59, day 1..its month's length when the month is
  // typed first, else 1..31 (a day this month lacks then sets Month to 1,
  // a month of 31 days); true for any other segment.
  bool IsValidDigitValue(TDatePickerSegment segment, Word value);
  // Moves CurrentSegment to the next segment of the typing order. Returns
  // false, changing nothing, when AutoMove is off or the segment is not in
  // the order (AM/PM, or a date segment of a time picker).
  bool AutoMoveNext();
  // The segment the caret takes on gaining focus (when AutoMove is on).
  TDatePickerSegment FocusSegment() const;
  // The visible segment step (+1 or -1) places from CurrentSegment, in index
  // order, wrapping from AM/PM to the year and back.
  TDatePickerSegment NextVisibleSegment(int step) const;
  // Steps the part of segment by delta (+1 or -1), wrapping at its ends
  // (years Calendar->MinYear..9999); AM/PM toggles the half of the day. The
  // picker's limits are applied by the picker afterwards.
  void StepSegment(TDatePickerSegment segment, int delta);
  // Sets the part of segment to its lowest or highest value; the year goes
  // to an end of the century window, within Calendar->MinYear..9999.
  void JumpToLimit(TDatePickerSegment segment, bool toLowest);
  // Shortens a day beyond the length of its month to that length.
  void ClampDay();

 private:
  bool TypeIntoSegment(Word digit, bool& complete);
  bool TypeTimeDigit(Word& part, TDatePickerSegment segment, Word digit, Word largestLeading);
  Word DaysInMonth() const;

  TSegmentEntryContext FContext;
  TSegmentEntryState FState;
};

}  // namespace zar
