#include "TextFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zar {

namespace {

// Precision beyond this is clamped: enough for any real message, and it
// keeps a hostile "%.999999999d" from asking for gigabytes.
constexpr int MaxPrecision = 64;

void AppendInteger(std::string& out, std::int64_t value, int minDigits) {
  char digits[24];
  // The magnitude as unsigned, so that INT64_MIN needs no special case.
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, magnitude);
  const auto count = static_cast<int>(end - digits);
  if (value < 0) out += '-';
  if (count < minDigits) out.append(static_cast<std::size_t>(minDigits - count), '0');
  out.append(digits, end);
}

void AppendReal(std::string& out, double value, int decimals) {
  char text[400];  // the longest fixed-notation double with 64 decimals fits
  const auto [end, ec] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  if (ec == std::errc()) out.append(text, end);
}

std::int64_t AsInteger(const TFormatArg& arg) noexcept {
  if (arg.GetKind() == TFormatArg::Kind::Integer) return arg.Int();
  if (arg.GetKind() != TFormatArg::Kind::Real || !std::isfinite(arg.Real())) return 0;
  // Truncate, saturating at the int64 range instead of overflowing.
  constexpr double limit = 9.2e18;
  if (arg.Real() >= limit) return std::numeric_limits<std::int64_t>::max();
  if (arg.Real() <= -limit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(arg.Real());
}

double AsReal(const TFormatArg& arg) noexcept {
  return arg.GetKind() == TFormatArg::Kind::Integer ? static_cast<double>(arg.Int()) : arg.Real();
}

}  // namespace

std::string FormatArgs(std::string_view fmt, std::initializer_list<TFormatArg> args) {
  std::string out;
  out.reserve(fmt.size() + 16 * args.size());
  auto next = args.begin();
  const auto take = [&]() -> const TFormatArg* { return next == args.end() ? nullptr : next++; };

  std::size_t i = 0;
  while (i < fmt.size()) {
    const std::size_t percent = fmt.find('%', i);
    out.append(fmt.substr(i, percent - i));
    if (percent == std::string_view::npos) break;
    std::size_t j = percent + 1;
    if (j < fmt.size() && fmt[j] == '%') {
      out += '%';
      i = j + 1;
      continue;
    }
    int precision = -1;
    if (j < fmt.size() && fmt[j] == '.') {
      ++j;
      precision = 0;
      if (j < fmt.size() && fmt[j] == '*') {
        ++j;
        const TFormatArg* arg = take();
        precision =
            arg ? static_cast<int>(std::clamp<std::int64_t>(AsInteger(*arg), 0, MaxPrecision)) : 0;
      } else {
        while (j < fmt.size() && fmt[j] >= '0' && fmt[j] <= '9') {
          precision = std::min(precision * 10 + (fmt[j] - '0'), MaxPrecision);
          ++j;
        }
      }
    }
    const char conversion = j < fmt.size() ? fmt[j] : '\0';
    if (conversion != 's' && conversion != 'd' && conversion != 'f') {
      // Not a directive we know: keep it as written.
      out.append(fmt.substr(percent, j - percent));
      i = j;
      continue;
    }
    i = j + 1;
    const TFormatArg* arg = take();
    if (!arg) continue;
    const bool real =
        arg->GetKind() == TFormatArg::Kind::Real ? conversion != 'd' : conversion == 'f';
    if (arg->GetKind() == TFormatArg::Kind::Text)
      out.append(arg->Text());
    else if (real)
      AppendReal(out, AsReal(*arg), precision < 0 ? 6 : precision);
    else
      AppendInteger(out, AsInteger(*arg), precision);
  }
  return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) noexcept {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (AsciiUpper(text[i]) != AsciiUpper(prefix[i])) return false;
  return true;
}

std::size_t Utf8CharLength(std::string_view s, std::size_t pos) noexcept {
  const auto lead = static_cast<unsigned char>(s[pos]);
  std::size_t expected = 1;
  if (lead >= 0xF0 && lead <= 0xF4)
    expected = 4;
  else if (lead >= 0xE0)
    expected = lead <= 0xEF ? 3 : 1;
  else if (lead >= 0xC2)
    expected = 2;
  std::size_t length = 1;
  while (length < expected && pos + length < s.size() &&
         (static_cast<unsigned char>(s[pos + length]) & 0xC0) == 0x80)
    ++length;
  return length;
}

std::size_t Utf8PrefixLength(std::string_view s, std::size_t maxBytes) noexcept {
  if (s.size() <= maxBytes) return s.size();
  std::size_t pos = 0;
  while (pos < maxBytes) {
    const std::size_t next = pos + Utf8CharLength(s, pos);
    if (next > maxBytes) break;
    pos = next;
  }
  return pos;
}

}  // namespace zar
