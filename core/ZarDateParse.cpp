// Solar parsing: the shared date scanner with the solar calendar.

#include "DateScanner.h"
#include "ZarDateUtils.h"

namespace zar {

namespace {

constexpr TCalendarEncoding SolarEncoding{ZarTryEncodeDate, ZarCurrentYear};

}  // namespace

bool ZarTryStrToDate(std::string_view S, TDateTime& Value) noexcept {
  return ParseDateText(S, Value, SolarEncoding);
}

TDateTime ZarStrToDate(std::string_view S) {
  return ParseOrRaise(ZarTryStrToDate, S, SInvalidDate);
}

bool ZarTryStrToDateTime(std::string_view S, TDateTime& Value) noexcept {
  return ParseDateTimeText(S, Value, SolarEncoding);
}

TDateTime ZarStrToDateTime(std::string_view S) {
  return ParseOrRaise(ZarTryStrToDateTime, S, SInvalidDateTime);
}

bool ZarScanDate(std::string_view S, Integer& Pos, TDateTime& Date) noexcept {
  return ScanDateText(S, Pos, Date, SolarEncoding);
}

bool ZarScanTime(std::string_view S, Integer& Pos, TDateTime& Time) noexcept {
  return ScanTimeText(S, Pos, Time);
}

}  // namespace zar
