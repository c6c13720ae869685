#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "TextFormat.h"

using namespace zar;

namespace {

TEST(TextFormat, Directives) {
  EXPECT_EQ(Format("%s exceeds maximum of %s", "1403/01/02", std::string("1403/01/01")),
            "1403/01/02 exceeds maximum of 1403/01/01");
  EXPECT_EQ(Format("Invalid day number %d", 32), "Invalid day number 32");
  EXPECT_EQ(Format("%.*d", 4, 7), "0007");
  EXPECT_EQ(Format("%.*d|%.*d", 2, 12345, 0, 0), "12345|0");
  EXPECT_EQ(Format("%.3d", -5), "-005");
  EXPECT_EQ(Format("%.2f", 3.14159), "3.14");
  EXPECT_EQ(Format("%.2f", -0.005), "-0.01");
  EXPECT_EQ(Format("%f", 2.5), "2.500000");
  EXPECT_EQ(Format("%d%%", 50), "50%");
  EXPECT_EQ(Format("%d", std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(Format("%d", std::numeric_limits<std::uint32_t>::max()), "4294967295");
  EXPECT_EQ(Format("no directives"), "no directives");
  const char separator = '/';
  EXPECT_EQ(Format("%s%d%s", separator, 7, '-'), "/7-");
  EXPECT_EQ(Format(std::string_view("a\0%s", 4), "b"), std::string("a\0b", 3));
}

TEST(TextFormat, MismatchedOrMissingArgumentsNeverFail) {
  EXPECT_EQ(Format("%s and %d", 7, "text"), "7 and text");
  EXPECT_EQ(Format("%d", 2.9), "2");
  EXPECT_EQ(Format("%.1f", 3), "3.0");
  EXPECT_EQ(Format("%s", 1.5), "1.500000");
  EXPECT_EQ(Format("%s|%d|%.*d", "only"), "only||");
  EXPECT_EQ(Format("%x %5d 100%", 1), "%x %5d 100%");
  EXPECT_EQ(Format("%.", 1), "%.");
  EXPECT_EQ(Format("%s", static_cast<const char*>(nullptr)), "");
  EXPECT_EQ(Format("%d", 1e300), "9223372036854775807");
  // A huge precision is clamped, not honoured with gigabytes of zeros.
  EXPECT_EQ(Format("%.999999999d", 1).size(), 64u);
  EXPECT_EQ(Format("%.*d", 1 << 30, 1).size(), 64u);
}

TEST(TextFormat, Utf8Stepping) {
  const std::string text = "a\u0634\u200C\U0001F600";  // 1, 2, 3 and 4 bytes
  EXPECT_EQ(Utf8CharLength(text, 0), 1u);
  EXPECT_EQ(Utf8CharLength(text, 1), 2u);
  EXPECT_EQ(Utf8CharLength(text, 3), 3u);
  EXPECT_EQ(Utf8CharLength(text, 6), 4u);
  EXPECT_EQ(Utf8CharLength(text, 2), 1u);  // a stray continuation byte stands alone
  EXPECT_EQ(Utf8CharLength(std::string_view("\xE2\x80", 2), 0), 2u);  // cut short by the end
  EXPECT_EQ(Utf8CharLength("\xE2x", 0), 1u);
  EXPECT_EQ(Utf8CharLength("\xFF\x80", 0), 1u);

  const std::size_t prefixes[][2] = {{0, 0}, {1, 1}, {2, 1},   {3, 3},  {5, 3},
                                     {6, 6}, {9, 6}, {10, 10}, {99, 10}};
  for (const auto& p : prefixes) EXPECT_EQ(Utf8PrefixLength(text, p[0]), p[1]) << p[0];
}

TEST(TextFormat, StartsWithNoCase) {
  EXPECT_TRUE(StartsWithNoCase("am/pm", "AM/PM"));
  EXPECT_TRUE(StartsWithNoCase("PMx", "pm"));
  EXPECT_TRUE(StartsWithNoCase("anything", ""));
  EXPECT_FALSE(StartsWithNoCase("p", "pm"));
  EXPECT_FALSE(StartsWithNoCase("\u0642.\u0638", "\u0642,\u0638"));
}

}  // namespace
