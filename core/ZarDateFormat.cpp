// Solar formatting: the shared pattern engine with solar date parts and the
// Persian name tables.

#include "DatePatterns.h"
#include "ZarDateUtils.h"

namespace zar {

namespace {

void DecodeSolarDay(TDateTime value, Word& year, Word& month, Word& day, Word& dayOfWeek) noexcept {
  ZarDecodeDateFully(value, year, month, day, dayOfWeek);
  if (dayOfWeek == 0) dayOfWeek = ZarDayOfWeek(value);  // before the epoch the weekday still holds
}

// Month 0 (a day before the epoch) finds the tables' empty entry 0.
std::string_view SolarMonthName(Word month, bool longName) noexcept {
  if (month > 12) return {};
  return longName ? ZarLongMonthNames[month] : ZarShortMonthNames[month];
}

// The tables are indexed by the solar weekday, 1 = Saturday.
std::string_view SolarDayName(Word dayOfWeek, bool longName) noexcept {
  if (dayOfWeek > 7) return {};
  return longName ? ZarLongDayNames[dayOfWeek] : ZarShortDayNames[dayOfWeek];
}

constexpr TCalendarNaming SolarNaming{DecodeSolarDay, SolarMonthName, SolarDayName};

}  // namespace

void ZarDateTimeToString(std::string& Result, std::string_view Format, TDateTime DateTime) {
  FormatDatePattern(Result, Format, DateTime, SolarNaming);
}

std::string ZarFormatDateTime(std::string_view Format, TDateTime DateTime) {
  return FormatDatePattern(Format, DateTime, SolarNaming);
}

std::string ZarDateToStr(TDateTime DateTime) {
  return ZarFormatDateTime(FormatSettings.ShortDateFormat, DateTime);
}

std::string ZarDateTimeToStr(TDateTime DateTime) { return ZarFormatDateTime({}, DateTime); }

}  // namespace zar
