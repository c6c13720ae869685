#pragma once
// Message formatting in the style of printf, for the library's own texts
// ("%s exceeds maximum of %s", "Invalid day number %d"), and the small text
// helpers shared by the date formatter and the date scanner.
//
// Supported: %s (text), %d and %.Nd / %.*d (integers, at least N digits,
// padded with zeros), %f and %.Nf / %.*f (doubles, N decimals, 6 by
// default), and %%. Text is written as it is for any directive; a number
// for %s is written as %d or %f would, a double for %d is truncated, an
// integer for %f is widened. A directive without an argument writes
// nothing; anything else after % is copied as written. Never raises beyond
// std::bad_alloc.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace zar {

// One argument of Format, held by view: it must outlive the call only.
class TFormatArg {
 public:
  enum class Kind : std::uint8_t { Text, Integer, Real };

  TFormatArg(std::string_view text) noexcept : FKind(Kind::Text), FText(text) {}
  TFormatArg(const std::string& text) noexcept : TFormatArg(std::string_view(text)) {}
  TFormatArg(const char* text) noexcept
      : TFormatArg(text ? std::string_view(text) : std::string_view()) {}
  // A character is text of one character (a separator, say), not its code.
  TFormatArg(const char& c) noexcept : FKind(Kind::Text), FText(&c, 1) {}
  template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, char> &&
                                             !std::is_same_v<T, bool>,
                                         int> = 0>
  TFormatArg(T value) noexcept : FKind(Kind::Integer), FInteger(static_cast<std::int64_t>(value)) {}
  TFormatArg(double value) noexcept : FKind(Kind::Real), FReal(value) {}

  Kind GetKind() const noexcept { return FKind; }
  std::string_view Text() const noexcept { return FText; }
  std::int64_t Int() const noexcept { return FInteger; }
  double Real() const noexcept { return FReal; }

 private:
  Kind FKind;
  std::string_view FText;
  std::int64_t FInteger = 0;
  double FReal = 0;
};

// fmt with its directives replaced by args in order, as described above.
std::string FormatArgs(std::string_view fmt, std::initializer_list<TFormatArg> args);

// Format("Invalid day number %d", 32): FormatArgs with each argument wrapped.
template <typename... Args>
std::string Format(std::string_view fmt, const Args&... args) {
  return FormatArgs(fmt, {TFormatArg(args)...});
}

// c in upper case when it is an ASCII letter a..z; any other byte unchanged.
constexpr char AsciiUpper(char c) noexcept {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether text begins with prefix, ASCII letters compared without regard
// to case and every other byte exactly.
bool StartsWithNoCase(std::string_view text, std::string_view prefix) noexcept;

// Length in bytes of the UTF-8 character starting at s[pos] (pos < size):
// an ASCII byte, or a lead byte with as many of its continuation bytes as
// follow it. A stray continuation or invalid byte counts as one character,
// so any byte string can be walked without reading past its end.
std::size_t Utf8CharLength(std::string_view s, std::size_t pos) noexcept;

// The longest prefix of s of at most maxBytes bytes that does not end
// inside a character (as Utf8CharLength delimits characters).
std::size_t Utf8PrefixLength(std::string_view s, std::size_t maxBytes) noexcept;

}  // namespace zar
