#include "DatePatterns.h"

#include <algorithm>
#include <cstring>

#include "FormatSettings.h"
#include "TextFormat.h"

namespace zar {

namespace {

constexpr std::size_t OutputCapacity = 256;
// The caller's pattern is interpreted, and a standard format it expands;
// a standard format named inside a standard format writes nothing.
constexpr int MaxNesting = 2;

// The forms of a that switch the hour to the 12-hour clock.
bool StartsWithDesignatorForm(std::string_view text) noexcept {
  return StartsWithNoCase(text, "AM/PM") || StartsWithNoCase(text, "A/P") ||
         StartsWithNoCase(text, "AMPM");
}

// Tokens whose run of identical characters counts as one token.
constexpr bool TakesRun(char token) noexcept {
  switch (token) {
    case 'Y':
    case 'M':
    case 'N':
    case 'D':
    case 'H':
    case 'S':
    case 'Z':
    case 'T':
    case 'C':
    case 'G':
    case 'E': return true;
    default: return false;
  }
}

// Whether the pattern after an hour asks for the 12-hour clock: the next
// a outside quotes, unless another hour comes first, starts an am/pm form.
bool TwelveHourFollows(std::string_view rest) noexcept {
  bool inQuotes = false;
  for (std::size_t i = 0; i < rest.size(); i += Utf8CharLength(rest, i)) {
    switch (rest[i]) {
      case '\'':
      case '"': inQuotes = !inQuotes; break;
      case 'h':
      case 'H': return false;
      case 'a':
      case 'A':
        if (!inQuotes) return StartsWithDesignatorForm(rest.substr(i));
        break;
      default: break;
    }
  }
  return false;
}

class TPatternWriter {
 public:
  TPatternWriter(TDateTime value, const TCalendarNaming& calendar, TDigitShape shape) noexcept
      : FValue(value), FCalendar(calendar), FShape(shape) {}

  void Interpret(std::string_view pattern) noexcept;
  std::string_view Output() const noexcept { return {FBuffer, FLength}; }

 private:
  // What one interpretation of a pattern text knows; date and time are
  // decoded the first time a token needs them.
  struct TInterpretation {
    char LastToken = ' ';
    bool TwelveHour = false;
    bool HaveDate = false, HaveTime = false;
    Word Year = 0, Month = 0, Day = 0, DayOfWeek = 0;
    Word Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
  };

  void NeedDate(TInterpretation& st) const noexcept;
  void NeedTime(TInterpretation& st) const noexcept;

  void Append(std::string_view text) noexcept;
  void AppendChar(char c) noexcept;
  void AppendNumber(unsigned value, std::size_t minDigits) noexcept;

  void WriteYear(TInterpretation& st, std::size_t count) noexcept;
  void WriteMonth(TInterpretation& st, std::size_t count) noexcept;
  void WriteDay(TInterpretation& st, std::size_t count) noexcept;
  void WriteDayName(TInterpretation& st, bool longName) noexcept;
  void WriteHour(TInterpretation& st, std::size_t count, std::string_view rest) noexcept;
  // part is a field of st, read after the time has been decoded into it.
  void WriteTimePart(TInterpretation& st, const Word& part, std::size_t digits) noexcept;
  void WriteDateAndTime(TInterpretation& st) noexcept;
  // The a-forms at the start of text; returns how many bytes they took.
  std::size_t WriteAForm(TInterpretation& st, std::string_view text) noexcept;
  // Text up to the closing quote; returns where interpretation goes on.
  std::size_t WriteQuoted(std::string_view pattern, std::size_t from, char quote) noexcept;

  TDateTime FValue;
  const TCalendarNaming& FCalendar;
  TDigitShape FShape;
  int FLevel = 0;
  bool FFull = false;  // something was dropped: nothing more may follow
  std::size_t FLength = 0;
  char FBuffer[OutputCapacity];
};

void TPatternWriter::NeedDate(TInterpretation& st) const noexcept {
  if (st.HaveDate) return;
  FCalendar.DecodeDate(FValue, st.Year, st.Month, st.Day, st.DayOfWeek);
  st.HaveDate = true;
}

void TPatternWriter::NeedTime(TInterpretation& st) const noexcept {
  if (st.HaveTime) return;
  DecodeTime(FValue, st.Hour, st.Minute, st.Second, st.MilliSecond);
  st.HaveTime = true;
}

void TPatternWriter::Append(std::string_view text) noexcept {
  if (FFull) return;
  const std::size_t room = OutputCapacity - FLength;
  std::size_t take = text.size();
  if (take > room) {
    take = Utf8PrefixLength(text, room);
    FFull = true;
  }
  std::memcpy(FBuffer + FLength, text.data(), take);
  FLength += take;
}

void TPatternWriter::AppendChar(char c) noexcept {
  if (FFull) return;
  if (FLength == OutputCapacity) {
    FFull = true;
    return;
  }
  FBuffer[FLength++] = c;
}

void TPatternWriter::AppendNumber(unsigned value, std::size_t minDigits) noexcept {
  char spill[32];  // ten digits of an unsigned and then some, two bytes each
  std::size_t n = 1;
  for (unsigned rest = value / 10; rest != 0; rest /= 10) ++n;
  n = std::min(std::max(n, minDigits), std::size_t{16});
  // Persian and Arabic-Indic digits take two bytes each; their second byte
  // counts up from the zero's.
  const bool wide = FShape != dgLatin;
  const std::size_t bytes = wide ? 2 * n : n;
  // Digits go straight into the buffer; only a number at the limit takes
  // the detour through Append, which cuts it after a whole digit.
  const bool fits = !FFull && bytes <= OutputCapacity - FLength;
  char* const out = fits ? FBuffer + FLength : spill;
  if (wide) {
    const std::string_view zero = DigitText(0, FShape);
    for (std::size_t k = n; k-- > 0; value /= 10) {
      out[2 * k] = zero[0];
      out[2 * k + 1] = static_cast<char>(zero[1] + value % 10);
    }
  } else {
    for (std::size_t k = n; k-- > 0; value /= 10) out[k] = static_cast<char>('0' + value % 10);
  }
  if (fits)
    FLength += bytes;
  else
    Append({spill, bytes});
}

void TPatternWriter::WriteYear(TInterpretation& st, std::size_t count) noexcept {
  NeedDate(st);
  if (count <= 2)
    AppendNumber(st.Year % 100u, 2);
  else
    AppendNumber(st.Year, 4);
}

void TPatternWriter::WriteMonth(TInterpretation& st, std::size_t count) noexcept {
  NeedDate(st);
  if (count <= 2)
    AppendNumber(st.Month, count);
  else
    Append(FCalendar.MonthName(st.Month, count > 3));
}

void TPatternWriter::WriteDayName(TInterpretation& st, bool longName) noexcept {
  NeedDate(st);
  Append(FCalendar.DayName(st.DayOfWeek, longName));
}

void TPatternWriter::WriteDay(TInterpretation& st, std::size_t count) noexcept {
  switch (count) {
    case 1:
    case 2:
      NeedDate(st);
      AppendNumber(st.Day, count);
      break;
    case 3:
    case 4: WriteDayName(st, count == 4); break;
    case 5: Interpret(FormatSettings.ShortDateFormat); break;
    default: Interpret(FormatSettings.LongDateFormat); break;
  }
}

void TPatternWriter::WriteHour(TInterpretation& st, std::size_t count,
                               std::string_view rest) noexcept {
  NeedTime(st);
  if (!st.TwelveHour) st.TwelveHour = TwelveHourFollows(rest);
  unsigned hour = st.Hour;
  if (st.TwelveHour) {
    if (hour == 0)
      hour = 12;
    else if (hour > 12)
      hour -= 12;
  }
  AppendNumber(hour, std::min<std::size_t>(count, 2));
}

void TPatternWriter::WriteTimePart(TInterpretation& st, const Word& part,
                                   std::size_t digits) noexcept {
  NeedTime(st);
  AppendNumber(part, digits);
}

void TPatternWriter::WriteDateAndTime(TInterpretation& st) noexcept {
  // Inside a standard format c writes nothing, not even its blank.
  if (FLevel >= MaxNesting) return;
  Interpret(FormatSettings.ShortDateFormat);
  NeedTime(st);
  if (st.Hour != 0 || st.Minute != 0 || st.Second != 0) {
    AppendChar(' ');
    Interpret(FormatSettings.LongTimeFormat);
  }
}

std::size_t TPatternWriter::WriteAForm(TInterpretation& st, std::string_view text) noexcept {
  const auto beforeNoon = [&] {
    NeedTime(st);
    return st.Hour < 12;
  };
  if (StartsWithNoCase(text, "AM/PM")) {
    Append(beforeNoon() ? text.substr(0, 2) : text.substr(3, 2));
    st.TwelveHour = true;
    return 5;
  }
  if (StartsWithNoCase(text, "A/P")) {
    Append(beforeNoon() ? text.substr(0, 1) : text.substr(2, 1));
    st.TwelveHour = true;
    return 3;
  }
  if (StartsWithNoCase(text, "AMPM")) {
    Append(beforeNoon() ? FormatSettings.TimeAMString : FormatSettings.TimePMString);
    st.TwelveHour = true;
    return 4;
  }
  if (StartsWithNoCase(text, "AAAA")) {
    WriteDayName(st, true);
    return 4;
  }
  if (StartsWithNoCase(text, "AAA")) {
    WriteDayName(st, false);
    return 3;
  }
  AppendChar(text[0]);
  return 1;
}

std::size_t TPatternWriter::WriteQuoted(std::string_view pattern, std::size_t from,
                                        char quote) noexcept {
  std::size_t end = from;
  while (end < pattern.size() && pattern[end] != quote) end += Utf8CharLength(pattern, end);
  Append(pattern.substr(from, end - from));
  return end < pattern.size() ? end + 1 : end;
}

void TPatternWriter::Interpret(std::string_view pattern) noexcept {
  if (FLevel >= MaxNesting) return;
  ++FLevel;
  // Short patterns: a plain loop beats a call to memchr here.
  pattern = pattern.substr(
      0,
      static_cast<std::size_t>(std::find(pattern.begin(), pattern.end(), '\0') - pattern.begin()));
  TInterpretation st;
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (static_cast<unsigned char>(pattern[i]) >= 0x80) {
      const std::size_t length = Utf8CharLength(pattern, i);
      Append(pattern.substr(i, length));
      i += length;
      st.LastToken = ' ';
      continue;
    }
    const std::size_t start = i;
    const char starter = pattern[i++];
    char token = AsciiUpper(starter);
    if (token >= 'A' && token <= 'Z') {
      if (token == 'M' && st.LastToken == 'H') token = 'N';
      st.LastToken = token;
    }
    std::size_t count = 1;
    if (TakesRun(token))
      while (i < pattern.size() && pattern[i] == starter) ++i, ++count;

    switch (token) {
      case 'Y': WriteYear(st, count); break;
      case 'M': WriteMonth(st, count); break;
      case 'D': WriteDay(st, count); break;
      case 'H': WriteHour(st, count, pattern.substr(i)); break;
      case 'N': WriteTimePart(st, st.Minute, std::min<std::size_t>(count, 2)); break;
      case 'S': WriteTimePart(st, st.Second, std::min<std::size_t>(count, 2)); break;
      case 'Z': WriteTimePart(st, st.MilliSecond, std::min<std::size_t>(count, 3)); break;
      case 'T':
        Interpret(count == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat);
        break;
      case 'C': WriteDateAndTime(st); break;
      case 'G':
      case 'E': break;  // era name and year: no alternate-calendar formatter here
      case 'A': i = start + WriteAForm(st, pattern.substr(start)); break;
      case '/':
        if (FormatSettings.DateSeparator != '\0') AppendChar(FormatSettings.DateSeparator);
        break;
      case ':':
        if (FormatSettings.TimeSeparator != '\0') AppendChar(FormatSettings.TimeSeparator);
        break;
      case '\'':
      case '"': i = WriteQuoted(pattern, i, starter); break;
      default: AppendChar(starter); break;
    }
  }
  --FLevel;
}

}  // namespace

void FormatDatePattern(std::string& Result, std::string_view pattern, TDateTime value,
                       const TCalendarNaming& calendar) {
  TPatternWriter writer(value, calendar, FormatSettings.DigitShape);
  writer.Interpret(pattern.empty() ? std::string_view("C") : pattern);
  Result.assign(writer.Output());
}

std::string FormatDatePattern(std::string_view pattern, TDateTime value,
                              const TCalendarNaming& calendar) {
  std::string result;
  FormatDatePattern(result, pattern, value, calendar);
  return result;
}

}  // namespace zar
