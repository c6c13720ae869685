#pragma once
// Value types of the extended picker: its button parts, the set of buttons
// it shows and the alignment of its drop-down calendar.

#include <cstdint>

#include "ZarSet.h"

namespace zar {

// The parts drawn inside the extended picker's client area.
enum TPickerButtonPart : std::uint8_t { bpNone, bpDropDown, bpCheckBox, bpUp, bpDown };
inline constexpr int PickerButtonPartCount = 5;

// The buttons a picker may show: the drop-down button and the up-down pair.
enum TDatePickerButton : std::uint8_t { dpbDropDown, dpbUpDown };
using TDatePickerButtons = TSet<TDatePickerButton>;

// Which edge of the drop-down calendar lines up with the picker (mirrored
// under right-to-left reading).
enum TDropDownAlign : std::uint8_t { daLeft, daRight, daCenter };

}  // namespace zar
