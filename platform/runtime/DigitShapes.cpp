#include "DigitShapes.h"

namespace zar {

std::string ShapeDigits(std::string_view text, TDigitShape shape) {
  std::string result;
  result.reserve(shape == dgLatin ? text.size() : 2 * text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    const int digit = DigitAt(text, i, length);
    if (digit >= 0)
      result += DigitText(static_cast<unsigned>(digit), shape);
    else
      result += text.substr(i, length);
    i += length;
  }
  return result;
}

bool DigitShapeFromName(std::string_view name, TDigitShape& shape) noexcept {
  if (name == "latin")
    shape = dgLatin;
  else if (name == "persian")
    shape = dgPersian;
  else if (name == "arabic")
    shape = dgArabic;
  else
    return false;
  return true;
}

}  // namespace zar
