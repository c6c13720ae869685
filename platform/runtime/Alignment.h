#pragma once
// Horizontal alignment of text, shared by dataset fields (their display
// alignment) and controls.

#include <cstdint>

namespace zar {

// Text flush left, flush right or centred.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

}  // namespace zar
