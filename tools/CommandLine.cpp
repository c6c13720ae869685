#include "CommandLine.h"

#include <charconv>
#include <cmath>
#include <ostream>
#include <stdexcept>
#include <string_view>

#include "GregorianDates.h"
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

Exit status: 0 on success, 2 on bad input (with a one-line message on stderr).
)";

class BadInput : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads "Y/M/D" or "Y-M-D" with plain decimal numbers and nothing else.
void ReadYmd(std::string_view original, Word& year, Word& month, Word& day) {
  const std::string text = ShapeDigits(original, dgLatin);
  Word parts[3] = {};
  const char* p = text.data();
  const char* end = text.data() + text.size();
  for (int i = 0; i < 3; ++i) {
    const auto [next, ec] = std::from_chars(p, end, parts[i]);
    if (ec != std::errc() || next == p)
      throw BadInput("'" + std::string(original) + "' is not a date Y/M/D");
    p = next;
    if (i < 2) {
      if (p == end || (*p != '/' && *p != '-'))
        throw BadInput("'" + std::string(original) + "' is not a date Y/M/D");
      ++p;
    }
  }
  if (p != end) throw BadInput("'" + std::string(original) + "' is not a date Y/M/D");
  year = parts[0];
  month = parts[1];
  day = parts[2];
}

TDateTime ReadValue(std::string_view text) {
  Word y = 0, m = 0, d = 0;
  if (text.starts_with("s:")) {
    ReadYmd(text.substr(2), y, m, d);
    return ZarEncodeDate(y, m, d);
  }
  if (text.starts_with("g:")) {
    ReadYmd(text.substr(2), y, m, d);
    return EncodeDate(y, m, d);
  }
  double value = 0;
  const std::string latin = ShapeDigits(text, dgLatin);
  const auto [next, ec] = std::from_chars(latin.data(), latin.data() + latin.size(), value);
  if (ec != std::errc() || next != latin.data() + latin.size() || !std::isfinite(value))
    throw BadInput("'" + std::string(text) + "' is not a day serial, s:Y/M/D or g:Y-M-D");
  return value;
}

std::string SerialText(TDateTime value) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ShapeDigits(std::string_view(buffer, ec == std::errc() ? end - buffer : 0),
                     FormatSettings.DigitShape);
}

void Expect(const std::vector<std::string>& args, std::size_t count) {
  if (args.size() != count)
    throw BadInput("'" + args[0] + "' takes " + std::to_string(count - 1) +
                   " argument(s); see zardate --help");
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out) {
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << Usage;
  } else if (command == "today") {
    if (args.size() > 2) Expect(args, 2);
    out << ZarFormatDateTime(args.size() == 2 ? args[1] : "yyyy/mm/dd", Date()) << '\n';
  } else if (command == "to-solar") {
    Expect(args, 2);
    Word y = 0, m = 0, d = 0;
    ReadYmd(args[1], y, m, d);
    out << ZarFormatDateTime("yyyy/mm/dd", EncodeDate(y, m, d)) << '\n';
  } else if (command == "to-gregorian") {
    Expect(args, 2);
    Word y = 0, m = 0, d = 0;
    ReadYmd(args[1], y, m, d);
    out << FormatDateTime("yyyy-mm-dd", ZarEncodeDate(y, m, d)) << '\n';
  } else if (command == "format" || command == "format-gregorian") {
    Expect(args, 3);
    const TDateTime value = ReadValue(args[2]);
    out << (command == "format" ? ZarFormatDateTime(args[1], value)
                                : FormatDateTime(args[1], value))
        << '\n';
  } else if (command == "parse") {
    Expect(args, 2);
    out << SerialText(ZarStrToDateTime(args[1])) << '\n';
  } else {
    throw BadInput("unknown command '" + command + "'; see zardate --help");
  }
  return ExitOk;
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
      if (i + 1 == args.size()) throw BadInput("'" + name + "' needs a value; see zardate --help");
      value = args[++i];
    }
    if (name == "--digits") {
      if (!DigitShapeFromName(value, FormatSettings.DigitShape))
        throw BadInput("'" + value + "' is not a digit shape: latin, persian or arabic");
    } else if (value == "arabic" || value == "persian") {
      LoadZarDateNames(value == "persian" ? nlPersian : nlArabic);
    } else {
      throw BadInput("'" + value + "' is not a choice of letters: arabic or persian");
    }
  }
  return rest;
}

// Run leaves the settings as it found them, for callers in the same process.
class TSettingsScope {
 public:
  TSettingsScope() : FDigits(FormatSettings.DigitShape), FLetters(ZarNameLetters()) {}
  ~TSettingsScope() {
    FormatSettings.DigitShape = FDigits;
    if (ZarNameLetters() != FLetters) LoadZarDateNames(FLetters);
  }
  TSettingsScope(const TSettingsScope&) = delete;
  TSettingsScope& operator=(const TSettingsScope&) = delete;

 private:
  TDigitShape FDigits;
  TZarNameLetters FLetters;
};

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
    err << "zardate: no command given; see zardate --help\n";
    return ExitBadInput;
  }
  TSettingsScope settings;
  try {
    const std::vector<std::string> command = ApplyOptions(args);
    if (command.empty()) throw BadInput("no command given; see zardate --help");
    return Dispatch(command, out);
  } catch (const BadInput& e) {
    err << "zardate: " << OneLine(e.what()) << '\n';
  } catch (const Exception& e) {
    err << "zardate: " << OneLine(e.Message()) << '\n';
  }
  return ExitBadInput;
}

}  // namespace zar::cli
