#pragma once
// The extended picker's geometry as pure integer arithmetic: where its
// button parts lie, how much of the text area they take, and where the
// drop-down calendar goes on the screen. Computable without a window.

#include <array>

#include "ExPickerTypes.h"
#include "GuiTypes.h"

namespace zar {

using TButtonRects = std::array<TRect, PickerButtonPartCount>;

// Rectangles of the parts in a client area of clientWidth x clientHeight,
// indexed by TPickerButtonPart; a part that is not shown (and bpNone) gets an
// empty rectangle. Never raises.
TButtonRects ComputeButtonRects(int clientWidth, int clientHeight, int buttonWidth,
                                TDatePickerButtons buttons, bool showCheckBox, bool rightToLeft);

// Narrows the picker's text area and moves its calendar-switch mark out of
// the button columns.
void ReserveButtonColumns(TRect& textArea, TRect& switchMark, int buttonWidth,
                          TDatePickerButtons buttons, bool showCheckBox, bool rightToLeft);

// Where the drop-down calendar goes, in screen coordinates.
struct TDropDownPlacement {
  QRect Picker;    // the picker's frame on the screen
  QSize Calendar;  // the calendar's real size
  QRect Screen;    // the screen that holds the picker (its available area)
  TDropDownAlign Align = daLeft;
  bool RightToLeft = false;
};

// Below the picker, or above it when there is no room below; aligned as
// asked (left and right exchanged under right-to-left reading) and kept
// inside the screen.
QPoint PlaceDropDown(const TDropDownPlacement& p);

}  // namespace zar
