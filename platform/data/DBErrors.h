#pragma once
// Errors of the dataset layer: misuse of a dataset or field, bad values,
// unreadable or unwritable data files, invalid filters.

#include <cstddef>
#include <string>
#include <string_view>

#include "Exceptions.h"

namespace zar {

// The dataset layer's errors; a text that does not convert raises EConvertError.
class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

// Always raises EDatabaseError with message.
[[noreturn]] inline void DatabaseError(std::string message) {
  throw EDatabaseError(std::move(message));
}

// At most this many characters of a value or name are quoted in a message.
inline constexpr std::size_t QuotedLimit = 64;

// "'name'" with the quotes, the way every message of the layer names things.
// A longer text is cut after QuotedLimit characters (never inside a UTF-8
// character) and ends in an ellipsis, so that a hostile value cannot make a
// message as large as itself.
inline std::string Quoted(std::string_view name) {
  std::size_t length = 0;
  std::size_t characters = 0;
  while (length < name.size()) {
    if ((static_cast<unsigned char>(name[length]) & 0xC0) != 0x80 && characters++ == QuotedLimit)
      break;
    ++length;
  }
  std::string result;
  result.reserve(length + 5);
  result += '\'';
  result.append(name.substr(0, length));
  if (length < name.size()) result += "\u2026";
  result += '\'';
  return result;
}

// A file name in full: it comes from the program, not from the data, and the
// system bounds its length.
inline std::string QuotedFileName(std::string_view name) {
  std::string result;
  result.reserve(name.size() + 2);
  result += '\'';
  result += name;
  result += '\'';
  return result;
}

}  // namespace zar
