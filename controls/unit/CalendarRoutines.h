#pragma once
// The routines a control calls for its active calendar: the solar core or
// the Gregorian runtime. Each control routes its Cal... adapters through
// CalendarRoutines(UseSystemCalendar), so the pairing of solar and Gregorian
// routines is written once.

#include <array>
#include <string>
#include <string_view>

#include "GregorianDates.h"
#include "ZarDateUtils.h"

namespace zar {

struct TCalendarRoutines {
  TDateTime (*EncodeDate)(Word Year, Word Month, Word Day);
  void (*DecodeDate)(TDateTime Value, Word& Year, Word& Month, Word& Day);
  TDateTime (*EncodeDateTime)(Word Year, Word Month, Word Day, Word Hour, Word Minute, Word Second,
                              Word MilliSecond);
  TDateTime (*IncMonth)(TDateTime Value, Integer NumberOfMonths);
  bool (*IsLeapYear)(Word Year);
  // Weekday 1..7: 1 = Saturday in the solar calendar, 1 = Monday (ISO) in
  // the Gregorian one.
  Word (*DayOfWeek)(TDateTime Value);
  Word (*WeekOfYear)(TDateTime Value);
  Word (*CurrentYear)();
  std::string (*DateToStr)(TDateTime Value);
  std::string (*DateTimeToStr)(TDateTime Value);
  std::string (*FormatDateTime)(std::string_view Pattern, TDateTime Value);
  TDateTime (*StrToDate)(std::string_view Text);
  TDateTime (*StrToDateTime)(std::string_view Text);
  const std::array<std::array<Word, 13>, 2>* MonthLengths;  // [leap][month 1..12]
  Word LeapMonth;  // the month that gains a day in a leap year
  Word MinYear;    // the first year the controls show

  // 0 for a month outside 1..12.
  Word DaysInMonth(Word Year, Word Month) const {
    if (Month < 1 || Month > 12) return 0;
    return (*MonthLengths)[IsLeapYear(Year) ? 1 : 0][Month];
  }
};

inline constexpr TCalendarRoutines SolarRoutines{
    ZarEncodeDate,
    ZarDecodeDate,
    ZarEncodeDateTime,
    ZarIncMonth,
    ZarIsLeapYear,
    ZarDayOfWeek,
    [](TDateTime value) { return static_cast<Word>(ZarDateToWeekNo(value, swrDefault)); },
    ZarCurrentYear,
    ZarDateToStr,
    ZarDateTimeToStr,
    ZarFormatDateTime,
    ZarStrToDate,
    ZarStrToDateTime,
    &ZarMonthDays,
    12,
    100,
};

inline constexpr TCalendarRoutines GregorianRoutines{
    EncodeDate,
    DecodeDate,
    EncodeDateTime,
    IncMonth,
    IsLeapYear,
    DayOfTheWeek,
    [](TDateTime value) { return WeekOfTheYear(value); },
    CurrentYear,
    DateToStr,
    DateTimeToStr,
    FormatDateTime,
    StrToDate,
    StrToDateTime,
    &MonthDays,
    2,
    722,
};

inline const TCalendarRoutines& CalendarRoutines(bool UseSystemCalendar) {
  return UseSystemCalendar ? GregorianRoutines : SolarRoutines;
}

}  // namespace zar
