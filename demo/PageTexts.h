#pragma once
// The texts the shell shows above each page: one title per section and one
// description per page Tag. Kept as UTF-8 exactly as the program displays
// them; a line break inside a description is CR LF.

#include <array>
#include <string_view>

namespace zar::demo {

inline constexpr int SectionCount = 6;  // 0 = home, 1..5 = the sections

extern const std::array<std::string_view, SectionCount> PageTitles;

// Description of the page with this Tag; empty for a Tag without one.
std::string_view PageDescription(int Tag);

}  // namespace zar::demo
