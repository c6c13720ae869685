// Decode, encode, format and parse solar dates with the project and with its
// peers (ICU, Qt's Jalali QCalendar, libjalali), side by side on the same
// inputs; Howard Hinnant's Gregorian day algorithms are the floor that any
// calendar conversion can reach.

#include <benchmark/benchmark.h>
#include <jalali/jalali.h>
#include <jalali/jtime.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <QCalendar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "RatioTable.h"
#include "ZarDateUtils.h"

namespace {

using namespace zar;

constexpr int JulianDayOfSerialZero = 2415019;
constexpr int UnixDayOfSerialZero = -25569;
constexpr double MsPerDay = 86400000.0;

// ---- Hinnant's public-domain civil calendar algorithms -----------------------
constexpr int DaysFromCivil(int y, unsigned m, unsigned d) noexcept {
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int>(doe) - 719468;
}

struct Civil {
  int y;
  unsigned m, d;
};

constexpr Civil CivilFromDays(int z) noexcept {
  z += 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int y = static_cast<int>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {y + (m <= 2), m, d};
}

// ---- The shared inputs ---------------------------------------------------------
struct Inputs {
  std::vector<int> serials;                // days between 1300/1/1 and 1500/12/29
  std::vector<std::array<Word, 3>> solar;  // the same days as solar Y/M/D
  std::vector<Civil> gregorian;            // the same days as Gregorian Y/M/D
  std::vector<std::string> texts;          // "1403/01/01"-style texts
  std::vector<QString> qtTexts;
  std::vector<icu::UnicodeString> icuTexts;
  // The same texts in Persian digits ("۱۴۰۳/۰۱/۰۱").
  std::vector<std::string> persianTexts;
  std::vector<QString> qtPersianTexts;
  std::vector<icu::UnicodeString> icuPersianTexts;

  Inputs() {
    std::mt19937 random(1403);
    const int first = static_cast<int>(ZarEncodeDate(1300, 1, 1));
    const int last = static_cast<int>(ZarEncodeDate(1500, 12, 29));
    std::uniform_int_distribution<int> pick(first, last);
    for (int i = 0; i < 4096; ++i) {
      const int serial = pick(random);
      serials.push_back(serial);
      Word y, m, d;
      ZarDecodeDate(serial, y, m, d);
      solar.push_back({y, m, d});
      gregorian.push_back(CivilFromDays(serial + UnixDayOfSerialZero));
      char text[16];
      std::snprintf(text, sizeof text, "%04u/%02u/%02u", y, m, d);
      texts.emplace_back(text);
      qtTexts.push_back(QString::fromLatin1(text));
      icuTexts.push_back(icu::UnicodeString::fromUTF8(text));
      persianTexts.push_back(ShapeDigits(text, dgPersian));
      qtPersianTexts.push_back(QString::fromStdString(persianTexts.back()));
      icuPersianTexts.push_back(icu::UnicodeString::fromUTF8(persianTexts.back()));
    }
  }
};

const Inputs& In() {
  static const Inputs inputs;
  return inputs;
}

std::size_t Next(std::size_t& i) { return i++ & 4095; }

// ---- Peers' set-up ---------------------------------------------------------------
std::unique_ptr<icu::Calendar> IcuCalendar() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
      icu::TimeZone::getGMT()->clone(), icu::Locale("fa_IR@calendar=persian"), status));
  return calendar;
}

std::unique_ptr<icu::SimpleDateFormat> IcuFormat(const char* pattern, const char* locale) {
  UErrorCode status = U_ZERO_ERROR;
  auto format = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(pattern),
                                                        icu::Locale(locale), status);
  format->setTimeZone(*icu::TimeZone::getGMT());
  return format;
}

const QCalendar& Jalali() {
  static const QCalendar calendar(QCalendar::System::Jalali);
  return calendar;
}

jtm JalaliParts(int serial) {
  jtm parts{};
  jalali_get_date(serial + UnixDayOfSerialZero, &parts);
  return parts;
}

// ---- Decode ----------------------------------------------------------------------
void DecodeZar(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    Word y, m, d;
    ZarDecodeDate(In().serials[Next(i)], y, m, d);
    benchmark::DoNotOptimize(y + m + d);
  }
}
void DecodeHinnant(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const Civil c = CivilFromDays(In().serials[Next(i)] + UnixDayOfSerialZero);
    benchmark::DoNotOptimize(c);
  }
}
void DecodeQt(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const auto parts =
        Jalali().partsFromDate(QDate::fromJulianDay(In().serials[Next(i)] + JulianDayOfSerialZero));
    benchmark::DoNotOptimize(parts);
  }
}
void DecodeIcu(benchmark::State& state) {
  auto calendar = IcuCalendar();
  UErrorCode status = U_ZERO_ERROR;
  std::size_t i = 0;
  for (auto _ : state) {
    calendar->setTime((In().serials[Next(i)] + UnixDayOfSerialZero) * MsPerDay, status);
    const int y = calendar->get(UCAL_EXTENDED_YEAR, status);
    const int m = calendar->get(UCAL_MONTH, status);
    const int d = calendar->get(UCAL_DATE, status);
    benchmark::DoNotOptimize(y + m + d);
  }
}
void DecodeLibjalali(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const jtm parts = JalaliParts(In().serials[Next(i)]);
    benchmark::DoNotOptimize(parts);
  }
}

// ---- Encode ----------------------------------------------------------------------
void EncodeZar(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& p = In().solar[Next(i)];
    TDateTime value = 0;
    ZarTryEncodeDate(p[0], p[1], p[2], value);
    benchmark::DoNotOptimize(value);
  }
}
void EncodeHinnant(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const Civil& c = In().gregorian[Next(i)];
    benchmark::DoNotOptimize(DaysFromCivil(c.y, c.m, c.d));
  }
}
void EncodeQt(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& p = In().solar[Next(i)];
    benchmark::DoNotOptimize(Jalali().dateFromParts(p[0], p[1], p[2]).toJulianDay());
  }
}
void EncodeIcu(benchmark::State& state) {
  auto calendar = IcuCalendar();
  UErrorCode status = U_ZERO_ERROR;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& p = In().solar[Next(i)];
    calendar->clear();
    calendar->set(p[0], p[1] - 1, p[2]);
    benchmark::DoNotOptimize(calendar->getTime(status));
  }
}
void EncodeLibjalali(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& p = In().solar[Next(i)];
    jtm parts{};
    parts.tm_year = p[0];
    parts.tm_mon = p[1] - 1;
    parts.tm_mday = p[2];
    benchmark::DoNotOptimize(jalali_get_diff(&parts));
  }
}

// ---- Format ----------------------------------------------------------------------
// Every formatter starts from the day value, so decoding is part of the cost.
void FormatZar(benchmark::State& state, const char* pattern) {
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ZarFormatDateTime(pattern, In().serials[Next(i)]));
}
void FormatQt(benchmark::State& state, const char* pattern, QLocale locale) {
  std::size_t i = 0;
  for (auto _ : state) {
    const QDate date = QDate::fromJulianDay(In().serials[Next(i)] + JulianDayOfSerialZero);
    benchmark::DoNotOptimize(locale.toString(date, QString::fromLatin1(pattern), Jalali()));
  }
}
void FormatIcu(benchmark::State& state, const char* pattern, const char* locale) {
  auto format = IcuFormat(pattern, locale);
  std::size_t i = 0;
  for (auto _ : state) {
    icu::UnicodeString text;
    format->format((In().serials[Next(i)] + UnixDayOfSerialZero) * MsPerDay, text);
    benchmark::DoNotOptimize(text);
  }
}
void FormatLibjalali(benchmark::State& state, const char* pattern) {
  std::size_t i = 0;
  for (auto _ : state) {
    const jtm parts = JalaliParts(In().serials[Next(i)]);
    char text[128];
    benchmark::DoNotOptimize(jstrftime(text, sizeof text, pattern, &parts));
    benchmark::DoNotOptimize(text);
  }
}

// Persian digits: the project with its digit shape, Qt's fa_IR locale and
// ICU's fa_IR with its default (Extended Arabic-Indic) numbering system.
// Each peer is checked once to write Persian digits, so that no peer is
// timed on a cheaper path than the project.
void FormatPersianZar(benchmark::State& state) {
  const TDigitShape saved = FormatSettings.DigitShape;
  FormatSettings.DigitShape = dgPersian;
  if (ZarFormatDateTime("yyyy/mm/dd", In().serials[0]) != In().persianTexts[0])
    state.SkipWithError("the project did not write Persian digits");
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(ZarFormatDateTime("yyyy/mm/dd", In().serials[Next(i)]));
  FormatSettings.DigitShape = saved;
}
void FormatPersianQt(benchmark::State& state) {
  const QLocale persian(QLocale::Persian, QLocale::Iran);
  const QString pattern = QStringLiteral("yyyy/MM/dd");
  const auto day = [](std::size_t k) {
    return QDate::fromJulianDay(In().serials[k] + JulianDayOfSerialZero);
  };
  if (persian.toString(day(0), pattern, Jalali()) != In().qtPersianTexts[0])
    state.SkipWithError("Qt did not write Persian digits");
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(persian.toString(day(Next(i)), pattern, Jalali()));
}
void FormatPersianIcu(benchmark::State& state) {
  auto format = IcuFormat("yyyy/MM/dd", "fa_IR@calendar=persian");
  const auto instant = [](std::size_t k) {
    return (In().serials[k] + UnixDayOfSerialZero) * MsPerDay;
  };
  icu::UnicodeString first;
  format->format(instant(0), first);
  if (first != In().icuPersianTexts[0]) state.SkipWithError("ICU did not write Persian digits");
  std::size_t i = 0;
  for (auto _ : state) {
    icu::UnicodeString text;
    format->format(instant(Next(i)), text);
    benchmark::DoNotOptimize(text);
  }
}

// ---- Parse -----------------------------------------------------------------------
void ParseZar(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    TDateTime value = 0;
    benchmark::DoNotOptimize(ZarTryStrToDate(In().texts[Next(i)], value));
    benchmark::DoNotOptimize(value);
  }
}
void ParseQt(benchmark::State& state) {
  const QString pattern = QStringLiteral("yyyy/MM/dd");
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(QDate::fromString(In().qtTexts[Next(i)], pattern, Jalali()));
}
void ParseIcu(benchmark::State& state) {
  auto format = IcuFormat("yyyy/MM/dd", "fa_IR@calendar=persian;numbers=latn");
  std::size_t i = 0;
  for (auto _ : state) {
    UErrorCode status = U_ZERO_ERROR;
    benchmark::DoNotOptimize(format->parse(In().icuTexts[Next(i)], status));
  }
}
void ParseLibjalali(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    jtm parts{};
    benchmark::DoNotOptimize(jstrptime(In().texts[Next(i)].c_str(), "%Y/%m/%d", &parts));
    benchmark::DoNotOptimize(jalali_get_diff(&parts));
  }
}

void ParsePersianZar(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    TDateTime value = 0;
    benchmark::DoNotOptimize(ZarTryStrToDate(In().persianTexts[Next(i)], value));
    benchmark::DoNotOptimize(value);
  }
}
// QDate::fromString reads ASCII digits only; the locale's toDate reads its own.
void ParsePersianQt(benchmark::State& state) {
  const QLocale persian(QLocale::Persian, QLocale::Iran);
  const QString pattern = QStringLiteral("yyyy/MM/dd");
  if (persian.toDate(In().qtPersianTexts[0], pattern, Jalali()).toJulianDay() !=
      In().serials[0] + JulianDayOfSerialZero)
    state.SkipWithError("Qt did not read Persian digits");
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(persian.toDate(In().qtPersianTexts[Next(i)], pattern, Jalali()));
}
void ParsePersianIcu(benchmark::State& state) {
  auto format = IcuFormat("yyyy/MM/dd", "fa_IR@calendar=persian");
  UErrorCode first = U_ZERO_ERROR;
  if (format->parse(In().icuPersianTexts[0], first) !=
      (In().serials[0] + UnixDayOfSerialZero) * MsPerDay)
    state.SkipWithError("ICU did not read Persian digits");
  std::size_t i = 0;
  for (auto _ : state) {
    UErrorCode status = U_ZERO_ERROR;
    benchmark::DoNotOptimize(format->parse(In().icuPersianTexts[Next(i)], status));
  }
}

void Register() {
  const QLocale persian(QLocale::Persian, QLocale::Iran);
  const auto add = [](const char* name, auto&& fn) { benchmark::RegisterBenchmark(name, fn); };
  add("Decode/Zar", DecodeZar);
  add("Decode/Hinnant", DecodeHinnant);
  add("Decode/Qt", DecodeQt);
  add("Decode/ICU", DecodeIcu);
  add("Decode/libjalali", DecodeLibjalali);
  add("Encode/Zar", EncodeZar);
  add("Encode/Hinnant", EncodeHinnant);
  add("Encode/Qt", EncodeQt);
  add("Encode/ICU", EncodeIcu);
  add("Encode/libjalali", EncodeLibjalali);
  // Short dates in ASCII digits everywhere, so that no peer pays for digit shaping.
  add("FormatShort/Zar", [](benchmark::State& s) { FormatZar(s, "yyyy/mm/dd"); });
  add("FormatShort/Qt", [](benchmark::State& s) { FormatQt(s, "yyyy/MM/dd", QLocale::c()); });
  add("FormatShort/ICU", [](benchmark::State& s) {
    FormatIcu(s, "yyyy/MM/dd", "fa_IR@calendar=persian;numbers=latn");
  });
  add("FormatShort/libjalali", [](benchmark::State& s) { FormatLibjalali(s, "%Y/%m/%d"); });
  // Long dates with Persian weekday and month names.
  add("FormatLong/Zar", [](benchmark::State& s) { FormatZar(s, "dddd d mmmm yyyy"); });
  add("FormatLong/Qt",
      [persian](benchmark::State& s) { FormatQt(s, "dddd d MMMM yyyy", persian); });
  add("FormatLong/ICU", [](benchmark::State& s) {
    FormatIcu(s, "EEEE d MMMM yyyy", "fa_IR@calendar=persian;numbers=latn");
  });
  add("FormatLong/libjalali", [](benchmark::State& s) { FormatLibjalali(s, "%A %d %B %Y"); });
  add("Parse/Zar", ParseZar);
  add("Parse/Qt", ParseQt);
  add("Parse/ICU", ParseIcu);
  add("Parse/libjalali", ParseLibjalali);
  // The short date in Persian digits, out and in.
  add("FormatPersian/Zar", FormatPersianZar);
  add("FormatPersian/Qt", FormatPersianQt);
  add("FormatPersian/ICU", FormatPersianIcu);
  add("ParsePersian/Zar", ParsePersianZar);
  add("ParsePersian/Qt", ParsePersianQt);
  add("ParsePersian/ICU", ParsePersianIcu);
}

}  // namespace

int main(int argc, char** argv) {
  Register();
  // Five short repetitions by default, so that the table compares medians;
  // flags given on the command line come later and win.
  std::vector<char*> args(argv, argv + argc);
  char repetitions[] = "--benchmark_repetitions=5";
  char minTime[] = "--benchmark_min_time=0.05";
  args.insert(args.begin() + 1, {repetitions, minTime});
  argc = static_cast<int>(args.size());
  argv = args.data();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  zar::bench::MedianCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();

  // Targets as speed-ups of the project over each peer (medians of this run).
  const std::vector<zar::bench::Target> targets = {
      {"Decode", "Hinnant", 1 / 1.5}, {"Decode", "Qt", 2.5},        {"Decode", "ICU", 20},
      {"Encode", "Hinnant", 1 / 1.5}, {"Encode", "Qt", 2.5},        {"Encode", "ICU", 20},
      {"FormatShort", "Qt", 3},       {"FormatShort", "ICU", 10},   {"FormatLong", "Qt", 3},
      {"FormatLong", "ICU", 10},      {"Parse", "Qt", 10},          {"Parse", "ICU", 20},
      {"FormatPersian", "Qt", 3},     {"FormatPersian", "ICU", 10}, {"ParsePersian", "Qt", 10},
      {"ParsePersian", "ICU", 20},
  };
  const bool met = zar::bench::PrintTargetTable(collector, targets);
  std::printf("\n%s\n", met ? "All targets met." : "Some targets were NOT met.");
  return 0;
}
