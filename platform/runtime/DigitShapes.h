#pragma once
// The three scripts of decimal digits that Persian text uses: ASCII, the
// Extended Arabic-Indic (Persian) digits U+06F0..U+06F9 of Iranian keyboards
// and documents, and the Arabic-Indic digits U+0660..U+0669. Every reader of
// numbers accepts all three; writers use the shape they are given.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zar {

enum TDigitShape : std::uint8_t {
  dgLatin = 0,    // 0123456789, the default
  dgPersian = 1,  // U+06F0..U+06F9
  dgArabic = 2,   // U+0660..U+0669 (Arabic-Indic)
};

// The value 0..9 of the digit that starts at text[pos] (pos < size) in any
// of the three scripts, with its length in bytes (1 or 2); -1 otherwise.
// UTF-8 of U+06F0..U+06F9 is DB B0..DB B9, of U+0660..U+0669 D9 A0..D9 A9.
constexpr int DigitAt(std::string_view text, std::size_t pos, std::size_t& length) noexcept {
  const auto c = static_cast<unsigned char>(text[pos]);
  if (c >= '0' && c <= '9') {
    length = 1;
    return c - '0';
  }
  if ((c == 0xDB || c == 0xD9) && pos + 1 < text.size()) {
    const unsigned next = static_cast<unsigned char>(text[pos + 1]);
    const unsigned zero = c == 0xDB ? 0xB0 : 0xA0;
    if (next - zero <= 9) {
      length = 2;
      return static_cast<int>(next - zero);
    }
  }
  return -1;
}

// The UTF-8 bytes of digit 0..9 in shape (one byte Latin, two otherwise);
// a shape outside the enumeration writes Latin.
constexpr std::string_view DigitText(unsigned digit, TDigitShape shape) noexcept {
  constexpr std::string_view latin = "0123456789";
  constexpr std::string_view persian =
      "\u06F0\u06F1\u06F2\u06F3\u06F4\u06F5\u06F6\u06F7\u06F8\u06F9";
  constexpr std::string_view arabic =
      "\u0660\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669";
  switch (shape) {
    case dgPersian: return persian.substr(2 * digit, 2);
    case dgArabic: return arabic.substr(2 * digit, 2);
    default: return latin.substr(digit, 1);
  }
}

// text with every digit of the three scripts written in shape; everything
// else, broken UTF-8 included, is copied unchanged. Raises nothing beyond
// std::bad_alloc.
std::string ShapeDigits(std::string_view text, TDigitShape shape);

// True and shape set for the names used on command lines and in settings:
// "latin", "persian", "arabic"; false (shape untouched) for anything else
// (case-sensitive). Never raises.
bool DigitShapeFromName(std::string_view name, TDigitShape& shape) noexcept;

}  // namespace zar
