#pragma once
// Errors of the dataset layer: misuse of a dataset or field, bad values,
// unreadable or unwritable data files, invalid filters.

#include <string>

#include "Exceptions.h"

namespace zar {

class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

[[noreturn]] inline void DatabaseError(std::string message) {
  throw EDatabaseError(std::move(message));
}

// "'name'" with the quotes, the way every message of the layer names things.
inline std::string Quoted(std::string_view name) {
  std::string result;
  result.reserve(name.size() + 2);
  result += '\'';
  result += name;
  result += '\'';
  return result;
}

}  // namespace zar
