#pragma once
// Shared by the formatting and parsing tests: a fixture that restores the
// process-wide format settings, a check of the raising parsers' error and
// a UTF-8 validity check.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "DateTimeBase.h"
#include "Exceptions.h"
#include "FormatSettings.h"

namespace zar::testing {

class FormatSettingsTest : public ::testing::Test {
 protected:
  void TearDown() override { FormatSettings = FSaved; }

 private:
  TFormatSettings FSaved = FormatSettings;
};

// The raising parser rejects text with EConvertError and exactly message.
inline void ExpectConvertError(TDateTime (*parse)(std::string_view), std::string_view text,
                               const std::string& message) {
  try {
    parse(text);
    ADD_FAILURE() << "no EConvertError for '" << text << "'";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), message);
  }
}

// Strict UTF-8: no stray continuation bytes, no truncated sequence.
inline bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t length = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC0 ? 2
                                        : 0;
    if (length == 0 || i + length > s.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

}  // namespace zar::testing
