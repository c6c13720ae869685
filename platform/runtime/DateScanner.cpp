#include "DateScanner.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "DigitShapes.h"
#include "Exceptions.h"
#include "FormatSettings.h"
#include "TextFormat.h"

namespace zar {

namespace {

enum class TDateOrder { MonthFirst, DayFirst, YearFirst };

// The first of d, e, m and y in the short date format decides the order.
TDateOrder DateOrderOf(std::string_view format) noexcept {
  for (const char c : format) {
    switch (AsciiUpper(c)) {
      case 'D': return TDateOrder::DayFirst;
      case 'E':
      case 'Y': return TDateOrder::YearFirst;
      case 'M': return TDateOrder::MonthFirst;
      default: break;
    }
  }
  return TDateOrder::MonthFirst;
}

constexpr bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

struct TNumber {
  Word Value = 0;
  std::size_t Length = 0;  // digits read, leading zeros included
};

// A cursor over the text; blanks are spaces only.
class TScanner {
 public:
  TScanner(std::string_view text, std::size_t pos) noexcept : FText(text), FPos(pos) {}

  std::size_t Pos() const noexcept { return FPos; }
  bool AtEnd() const noexcept { return FPos >= FText.size(); }
  std::string_view Consumed() const noexcept { return FText.substr(0, FPos); }
  bool LooksAt(std::string_view prefix) const noexcept {
    return StartsWithNoCase(FText.substr(FPos), prefix);
  }

  void ScanBlanks() noexcept {
    while (FPos < FText.size() && FText[FPos] == ' ') ++FPos;
  }

  // Digits while the value is below 1000, so at most 9999: "12345" reads
  // 1234 and leaves the 5. Persian and Arabic-Indic digits count as the
  // same digits, even mixed within one number.
  bool ScanNumber(TNumber& number) noexcept {
    ScanBlanks();
    unsigned value = 0;
    std::size_t digits = 0;
    while (FPos < FText.size() && value < 1000) {
      const unsigned ascii = static_cast<unsigned char>(FText[FPos]) - unsigned{'0'};
      if (ascii <= 9) {
        value = value * 10 + ascii;
        ++FPos;
      } else {
        std::size_t length = 0;
        const int digit = DigitAt(FText, FPos, length);
        if (digit < 0) break;
        value = value * 10 + static_cast<unsigned>(digit);
        FPos += length;
      }
      ++digits;
    }
    number = {static_cast<Word>(value), digits};
    return digits > 0;
  }

  // The blanks stay consumed even when c does not follow them.
  bool ScanChar(char c) noexcept {
    ScanBlanks();
    if (AtEnd() || FText[FPos] != c) return false;
    ++FPos;
    return true;
  }

  bool ScanString(std::string_view symbol) noexcept {
    if (symbol.empty()) return false;
    ScanBlanks();
    if (!LooksAt(symbol)) return false;
    FPos += symbol.size();
    return true;
  }

  void ScanToNumber() noexcept {
    std::size_t length = 0;
    while (FPos < FText.size() && DigitAt(FText, FPos, length) < 0)
      FPos += Utf8CharLength(FText, FPos);
  }

  void SkipToBlank() noexcept {
    while (FPos < FText.size() && FText[FPos] != ' ') ++FPos;
  }

 private:
  std::string_view FText;
  std::size_t FPos;
};

std::string_view TrimControls(std::string_view text) noexcept {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

// The year offset of the first era whose name contains name.
Integer EraYearOffsetOf(std::string_view name, const TFormatSettings& fs) noexcept {
  if (name.empty()) return 0;
  for (std::size_t i = 0; i < fs.EraNames.size() && !fs.EraNames[i].empty(); ++i)
    if (fs.EraNames[i].find(name) != std::string::npos) return fs.EraYearOffsets[i];
  return 0;
}

std::int64_t EraYear(std::int64_t year, std::int64_t eraOffset, const TFormatSettings& fs,
                     const TCalendarEncoding& calendar) {
  if (fs.KoreanLocale) {
    if (year <= 99) year += (calendar.CurrentYear() + eraOffset) / 100 * 100;
    return year - eraOffset;
  }
  return year + eraOffset - 1;
}

// A year of one or two digits lands in the window of 100 years that ends
// TwoDigitYearCenturyWindow years after the current one.
std::int64_t WindowedYear(std::int64_t year, const TFormatSettings& fs,
                          const TCalendarEncoding& calendar) {
  const std::int64_t window = fs.TwoDigitYearCenturyWindow;
  const std::int64_t centuryBase = calendar.CurrentYear() - window;
  year += centuryBase / 100 * 100;
  if (window > 0 && year < centuryBase) year += 100;
  return year;
}

// East Asian short date formats write the weekday after the date; skip it.
void SkipFarEastDayName(TScanner& sc, const TFormatSettings& fs) noexcept {
  if (!fs.ShortTimeFormat.empty() && IsDigit(fs.ShortTimeFormat.front())) {
    sc.ScanToNumber();
    return;
  }
  do {
    sc.SkipToBlank();
    sc.ScanBlanks();
  } while (!sc.AtEnd() && !sc.LooksAt(fs.TimeAMString) && !sc.LooksAt(fs.TimePMString));
}

bool ScanDateAt(TScanner& sc, TDateTime& date, const TCalendarEncoding& calendar) noexcept {
  const TFormatSettings& fs = FormatSettings;
  const std::string_view format = fs.ShortDateFormat;
  const char separator = fs.DateSeparator;

  std::int64_t eraOffset = 0;
  if (!format.empty() && format.front() == 'g') {
    sc.ScanToNumber();
    eraOffset = EraYearOffsetOf(TrimControls(sc.Consumed()), fs);
  } else if (format.find('e') != std::string_view::npos) {
    eraOffset = fs.EraYearOffsets[0];
  }

  TNumber n1, n2, n3;
  if (!sc.ScanNumber(n1) || !sc.ScanChar(separator) || !sc.ScanNumber(n2)) return false;
  const TDateOrder order = DateOrderOf(format);
  std::int64_t year = 0;
  Word month = 0, day = 0;
  if (sc.ScanChar(separator)) {
    if (!sc.ScanNumber(n3)) return false;
    const TNumber& yearText = order == TDateOrder::YearFirst ? n1 : n3;
    year = yearText.Value;
    switch (order) {
      case TDateOrder::MonthFirst:
        month = n1.Value;
        day = n2.Value;
        break;
      case TDateOrder::DayFirst:
        month = n2.Value;
        day = n1.Value;
        break;
      case TDateOrder::YearFirst:
        month = n2.Value;
        day = n3.Value;
        break;
    }
    if (eraOffset > 0)
      year = EraYear(year, eraOffset, fs, calendar);
    else if (yearText.Length <= 2)
      year = WindowedYear(year, fs, calendar);
  } else {
    year = calendar.CurrentYear();
    const bool dayFirst = order == TDateOrder::DayFirst;
    month = dayFirst ? n2.Value : n1.Value;
    day = dayFirst ? n1.Value : n2.Value;
  }
  sc.ScanChar(separator);  // one trailing separator is allowed
  sc.ScanBlanks();
  if (fs.FarEastLocale && format.find("ddd") != std::string_view::npos) SkipFarEastDayName(sc, fs);
  // A year pushed out of range by the window or an era must not wrap.
  return year >= 0 && year <= std::numeric_limits<Word>::max() &&
         calendar.TryEncodeDate(static_cast<Word>(year), month, day, date);
}

// 0 before noon, 12 after it, -1 without a designator. "AM" and "PM" are
// understood whatever the locale's designators are.
Integer ScanDesignator(TScanner& sc, const TFormatSettings& fs) noexcept {
  if (sc.ScanString(fs.TimeAMString) || sc.ScanString("AM")) return 0;
  if (sc.ScanString(fs.TimePMString) || sc.ScanString("PM")) return 12;
  return -1;
}

bool ScanTimeAt(TScanner& sc, TDateTime& time) noexcept {
  const TFormatSettings& fs = FormatSettings;
  Integer baseHour = ScanDesignator(sc, fs);
  if (baseHour >= 0) sc.ScanBlanks();

  TNumber hour, minute, second, milliSecond;
  if (!sc.ScanNumber(hour)) return false;
  if (sc.ScanChar(fs.TimeSeparator)) {
    if (!sc.ScanNumber(minute)) return false;
    if (sc.ScanChar(fs.TimeSeparator)) {
      if (!sc.ScanNumber(second)) return false;
      // Milliseconds are a whole number: ".5" is 5 ms.
      if (sc.ScanChar(fs.DecimalSeparator) && !sc.ScanNumber(milliSecond)) return false;
    }
  }
  if (baseHour < 0) baseHour = ScanDesignator(sc, fs);
  Word hours = hour.Value;
  if (baseHour >= 0) {
    if (hours == 0 || hours > 12) return false;
    hours = static_cast<Word>(hours % 12 + baseHour);
  }
  sc.ScanBlanks();
  return TryEncodeTime(hours, minute.Value, second.Value, milliSecond.Value, time);
}

// The 1-based position of the public scanners as an index, or false when
// it lies before the text or the text is too long to be addressed by it.
bool IndexOfPosition(std::string_view s, Integer pos, std::size_t& index) noexcept {
  if (pos < 1 || s.size() >= static_cast<std::size_t>(std::numeric_limits<Integer>::max()))
    return false;
  index = std::min(static_cast<std::size_t>(pos - 1), s.size());
  return true;
}

}  // namespace

bool ScanDateText(std::string_view S, Integer& Pos, TDateTime& Date,
                  const TCalendarEncoding& calendar) noexcept {
  std::size_t index = 0;
  if (!IndexOfPosition(S, Pos, index)) return false;
  TScanner sc(S, index);
  const bool scanned = ScanDateAt(sc, Date, calendar);
  Pos = static_cast<Integer>(sc.Pos() + 1);
  return scanned;
}

bool ScanTimeText(std::string_view S, Integer& Pos, TDateTime& Time) noexcept {
  std::size_t index = 0;
  if (!IndexOfPosition(S, Pos, index)) return false;
  TScanner sc(S, index);
  const bool scanned = ScanTimeAt(sc, Time);
  Pos = static_cast<Integer>(sc.Pos() + 1);
  return scanned;
}

bool ParseDateText(std::string_view S, TDateTime& Value,
                   const TCalendarEncoding& calendar) noexcept {
  TScanner sc(S, 0);
  TDateTime date = 0;
  if (!ScanDateAt(sc, date, calendar) || !sc.AtEnd()) return false;
  Value = date;
  return true;
}

bool ParseDateTimeText(std::string_view S, TDateTime& Value,
                       const TCalendarEncoding& calendar) noexcept {
  TScanner sc(S, 0);
  TDateTime date = 0, time = 0;
  if (ScanDateAt(sc, date, calendar) && (sc.AtEnd() || ScanTimeAt(sc, time))) {
    Value = CombineDateTime(date, time);
    return true;
  }
  return ParseTimeText(S, Value);
}

bool ParseTimeText(std::string_view S, TDateTime& Value) noexcept {
  TScanner sc(S, 0);
  TDateTime time = 0;
  if (!ScanTimeAt(sc, time) || !sc.AtEnd()) return false;
  Value = time;
  return true;
}

TDateTime ParseOrRaise(TTryParse tryParse, std::string_view S, std::string_view message) {
  TDateTime value = 0;
  if (!tryParse(S, value)) throw EConvertError(Format(message, S));
  return value;
}

}  // namespace zar
