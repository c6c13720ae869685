#include "CommandLine.h"

#include <charconv>
#include <cmath>
#include <ostream>
#include <stdexcept>
#include <string_view>

#include "GregorianDates.h"
#include "ScopeExit.h"
#include "ZarDateUtils.h"

namespace zar::cli {

namespace {

constexpr std::string_view Usage =
    R"(Usage: zardate COMMAND [ARGUMENTS]

Solar Hijri (Persian) calendar conversions for the shell.

Commands:
  today [PATTERN]              today's solar date (default pattern yyyy/mm/dd)
  to-solar Y-M-D               a Gregorian date as a solar date, yyyy/mm/dd
  to-gregorian Y/M/D           a solar date as a Gregorian date, yyyy-mm-dd
  format PATTERN VALUE         format VALUE with PATTERN in the solar calendar
  format-gregorian PATTERN VALUE
                               the same in the Gregorian calendar
  parse TEXT                   a solar date or date-time text as a day serial
  --help                       this text

Options (anywhere on the line):
  --digits latin|persian|arabic
                               digits of the output (default latin); input
                               may use any of the three anywhere
  --letters arabic|persian     month and day names with Arabic yeh (default)
                               or with the Persian yeh and kaf

VALUE is a day serial (days since 1899-12-30, a fraction is the time of day,
e.g. 45371.75), a solar date written s:Y/M/D, or a Gregorian date g:Y-M-D.
Dates take '/' or '-' between year, month and day. Numbers may be written
in ASCII, Persian (۰-۹) or Arabic-Indic (٠-٩) digits.

PATTERN tokens: yyyy yy m mm mmm mmmm d dd ddd dddd h hh n nn s ss z zzz
am/pm a/p ampm c t tt, "/" and ":" separators, 'quoted text'.
Example: zardate format "dddd d mmmm yyyy" s:1403/1/1

Values outside the years 1 to 9999 of the calendar shown are refused.
Exit status: 0 on success, 2 on bad input, an unknown option or a superfluous
argument (with a one-line message on stderr).
)";

// Message parts that several errors share.
constexpr char SNotAYmdDate[] = " is not a date Y/M/D";
constexpr char SSeeHelp[] = "; see zardate --help";
constexpr char SNoCommand[] = "no command given";

class BadInput : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// At most this many characters of an argument appear in a message.
constexpr std::size_t ShownLimit = 40;

// 'text' with the quotes, cut after ShownLimit characters (never inside a
// UTF-8 character) with an ellipsis, so that a huge argument gives a short
// message.
std::string Shown(std::string_view text) {
  std::size_t length = 0;
  std::size_t characters = 0;
  while (length < text.size()) {
    if ((static_cast<unsigned char>(text[length]) & 0xC0) != 0x80 && characters++ == ShownLimit)
      break;
    ++length;
  }
  std::string result = "'" + std::string(text.substr(0, length));
  if (length < text.size()) result += "\u2026";
  return result + "'";
}

// Reads "Y/M/D" or "Y-M-D" with plain decimal numbers and nothing else.
void ReadYmd(std::string_view original, Word& year, Word& month, Word& day) {
  const std::string text = ShapeDigits(original, dgLatin);
  Word parts[3] = {};
  const char* p = text.data();
  const char* end = text.data() + text.size();
  for (int i = 0; i < 3; ++i) {
    const auto [next, ec] = std::from_chars(p, end, parts[i]);
    if (ec != std::errc() || next == p) throw BadInput(Shown(original) + SNotAYmdDate);
    p = next;
    if (i < 2) {
      if (p == end || (*p != '/' && *p != '-')) throw BadInput(Shown(original) + SNotAYmdDate);
      ++p;
    }
  }
  if (p != end) throw BadInput(Shown(original) + SNotAYmdDate);
  year = parts[0];
  month = parts[1];
  day = parts[2];
}

TDateTime ReadSolarDate(std::string_view text) {
  Word y = 0, m = 0, d = 0;
  ReadYmd(text, y, m, d);
  TDateTime value = 0;
  if (!ZarTryEncodeDate(y, m, d, value)) throw BadInput(Shown(text) + " is not a valid solar date");
  return value;
}

TDateTime ReadGregorianDate(std::string_view text) {
  Word y = 0, m = 0, d = 0;
  ReadYmd(text, y, m, d);
  TDateTime value = 0;
  if (!TryEncodeDate(y, m, d, value))
    throw BadInput(Shown(text) + " is not a valid Gregorian date");
  return value;
}

// The days a calendar can show, years 1 to 9999: [First, End).
struct TShownDays {
  const char* Calendar;
  TDateTime First;
  TDateTime End;
};

TShownDays SolarDays() {
  TDateTime last = 0;
  if (!ZarTryEncodeDate(9999, 12, 30, last)) last = ZarEncodeDate(9999, 12, 29);
  return {"solar", ZarEncodeDate(1, 1, 1), last + 1};
}

TShownDays GregorianDays() {
  return {"Gregorian", EncodeDate(1, 1, 1), EncodeDate(9999, 12, 31) + 1};
}

// Outside those years a formatter has no date to show (it would print
// zeros); the value is refused instead. The day of a value is its whole
// part once rounded to the millisecond, as the formatters take it.
void CheckShown(TDateTime value, const TShownDays& days, std::string_view text) {
  const double rounded = std::round(value * MSecsPerDay) / MSecsPerDay;
  const double day = std::trunc(rounded);
  if (!std::isfinite(rounded) || day < days.First || day >= days.End)
    throw BadInput(Shown(text) + " is outside the years the " + days.Calendar +
                   " calendar can show (1 to 9999)");
}

TDateTime ReadValue(std::string_view text) {
  if (text.starts_with("s:")) return ReadSolarDate(text.substr(2));
  if (text.starts_with("g:")) return ReadGregorianDate(text.substr(2));
  double value = 0;
  const std::string latin = ShapeDigits(text, dgLatin);
  const auto [next, ec] = std::from_chars(latin.data(), latin.data() + latin.size(), value);
  if (ec != std::errc() || next != latin.data() + latin.size() || !std::isfinite(value))
    throw BadInput(Shown(text) + " is not a day serial, s:Y/M/D or g:Y-M-D");
  return value;
}

std::string SerialText(TDateTime value) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ShapeDigits(std::string_view(buffer, ec == std::errc() ? end - buffer : 0),
                     FormatSettings.DigitShape);
}

// An option is "--name" or "-x" (a letter): the tool has none besides
// --help, so any other is refused rather than taken as a value. A negative
// day serial such as "-5" stays a value.
bool IsOption(std::string_view arg) {
  if (arg.starts_with("--")) return true;
  return arg.size() >= 2 && arg[0] == '-' &&
         ((arg[1] >= 'a' && arg[1] <= 'z') || (arg[1] >= 'A' && arg[1] <= 'Z'));
}

// The command takes between Least and Most arguments, none an option.
void Expect(const std::vector<std::string>& args, std::size_t least, std::size_t most) {
  for (std::size_t i = 1; i < args.size(); ++i)
    if (IsOption(args[i])) throw BadInput("unknown option " + Shown(args[i]) + SSeeHelp);
  const std::size_t given = args.size() - 1;
  if (given >= least && given <= most) return;
  const std::string count =
      least == most ? std::to_string(least) : "at most " + std::to_string(most);
  throw BadInput(Shown(args[0]) + " takes " + count + (most == 1 ? " argument" : " arguments") +
                 ", not " + std::to_string(given) + SSeeHelp);
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out) {
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    Expect(args, 0, 0);
    out << Usage;
  } else if (command == "today") {
    Expect(args, 0, 1);
    out << ZarFormatDateTime(args.size() == 2 ? args[1] : "yyyy/mm/dd", Date()) << '\n';
  } else if (command == "to-solar") {
    Expect(args, 1, 1);
    const TDateTime value = ReadGregorianDate(args[1]);
    CheckShown(value, SolarDays(), args[1]);
    out << ZarFormatDateTime("yyyy/mm/dd", value) << '\n';
  } else if (command == "to-gregorian") {
    Expect(args, 1, 1);
    const TDateTime value = ReadSolarDate(args[1]);
    CheckShown(value, GregorianDays(), args[1]);
    out << FormatDateTime("yyyy-mm-dd", value) << '\n';
  } else if (command == "format" || command == "format-gregorian") {
    Expect(args, 2, 2);
    const TDateTime value = ReadValue(args[2]);
    const bool solar = command == "format";
    CheckShown(value, solar ? SolarDays() : GregorianDays(), args[2]);
    out << (solar ? ZarFormatDateTime(args[1], value) : FormatDateTime(args[1], value)) << '\n';
  } else if (command == "parse") {
    Expect(args, 1, 1);
    out << SerialText(ZarStrToDateTime(args[1])) << '\n';
  } else {
    throw BadInput("unknown command " + Shown(command) + SSeeHelp);
  }
  return ExitOk;
}

// The core's messages quote the text they were given in full; a long
// argument is shortened there too.
std::string Bounded(std::string message, const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg.size() <= ShownLimit) continue;
    const std::string quoted = "'" + arg + "'";
    for (std::size_t at = message.find(quoted); at != std::string::npos;
         at = message.find(quoted, at + 1))
      message.replace(at, quoted.size(), Shown(arg));
  }
  // Whatever else a message holds, it stays one short line.
  constexpr std::size_t MaxMessage = 400;
  if (message.size() > MaxMessage) {
    std::size_t cut = MaxMessage;
    while (cut > 0 && (static_cast<unsigned char>(message[cut]) & 0xC0) == 0x80) --cut;
    message = message.substr(0, cut) + "\u2026";
  }
  return message;
}

// Takes --digits and --letters (also written --digits=persian) out of args
// and applies them to the process-wide settings.
std::vector<std::string> ApplyOptions(const std::vector<std::string>& args) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string name = arg, value;
    const std::size_t equals = arg.find('=');
    if (arg.starts_with("--") && equals != std::string::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    }
    if (name != "--digits" && name != "--letters") {
      rest.push_back(arg);
      continue;
    }
    if (equals == std::string::npos) {
      if (i + 1 == args.size()) throw BadInput(Shown(name) + " needs a value" + SSeeHelp);
      value = args[++i];
    }
    if (name == "--digits") {
      if (!DigitShapeFromName(value, FormatSettings.DigitShape))
        throw BadInput(Shown(value) + " is not a digit shape: latin, persian or arabic");
    } else if (value == "arabic" || value == "persian") {
      LoadZarDateNames(value == "persian" ? nlPersian : nlArabic);
    } else {
      throw BadInput(Shown(value) + " is not a choice of letters: arabic or persian");
    }
  }
  return rest;
}

// Error texts quote the user's input; keep the message on one line.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return line;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "zardate: " << SNoCommand << SSeeHelp << '\n';
    return ExitBadInput;
  }
  // Run leaves the settings as it found them, for callers in the same process.
  const TDigitShape digits = FormatSettings.DigitShape;
  const TZarNameLetters letters = ZarNameLetters();
  const TScopeExit settings([digits, letters] {
    FormatSettings.DigitShape = digits;
    if (ZarNameLetters() != letters) LoadZarDateNames(letters);
  });
  try {
    const std::vector<std::string> command = ApplyOptions(args);
    if (command.empty()) throw BadInput(SNoCommand + std::string(SSeeHelp));
    return Dispatch(command, out);
  } catch (const BadInput& e) {
    err << "zardate: " << OneLine(e.what()) << '\n';
  } catch (const Exception& e) {
    err << "zardate: " << OneLine(Bounded(e.Message(), args)) << '\n';
  }
  return ExitBadInput;
}

}  // namespace zar::cli
