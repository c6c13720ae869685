#include "ExPickerLayout.h"

#include <algorithm>

namespace zar {

TButtonRects ComputeButtonRects(int clientWidth, int clientHeight, int buttonWidth,
                                TDatePickerButtons buttons, bool showCheckBox, bool rightToLeft) {
  TButtonRects rects{};
  const int cw = clientWidth, ch = clientHeight, bw = buttonWidth;
  // The button columns fill from the trailing edge inward.
  TRect column = rightToLeft ? TRect{0, 0, bw, ch} : TRect{cw - bw, 0, cw, ch};
  const int inward = rightToLeft ? bw : -bw;
  if (buttons.Contains(dpbDropDown)) {
    rects[bpDropDown] = column;
    column.Offset(inward, 0);
  }
  if (buttons.Contains(dpbUpDown)) {
    rects[bpUp] = {column.Left, 0, column.Right, ch / 2};
    rects[bpDown] = {column.Left, ch / 2, column.Right, ch};
  }
  if (showCheckBox)
    rects[bpCheckBox] = rightToLeft ? TRect{cw - bw, 0, cw, ch} : TRect{0, 0, bw, ch};
  return rects;
}

void ReserveButtonColumns(TRect& textArea, TRect& switchMark, int buttonWidth,
                          TDatePickerButtons buttons, bool showCheckBox, bool rightToLeft) {
  const int taken = buttons.Count() * buttonWidth;
  if (rightToLeft) {
    switchMark.Offset(taken, 0);
    textArea.Left += taken;
    if (showCheckBox) textArea.Right -= buttonWidth;
  } else {
    switchMark.Offset(-taken, 0);
    textArea.Right -= taken;
    if (showCheckBox) textArea.Left += buttonWidth;
  }
}

QPoint PlaceDropDown(const TDropDownPlacement& p) {
  const int width = p.Calendar.width(), height = p.Calendar.height();
  const QRect& screen = p.Screen;
  // Below the picker; above it when the bottom of the screen is in the way.
  int y = p.Picker.top() + p.Picker.height();
  if (y + height > screen.top() + screen.height()) y = p.Picker.top() - height;
  TDropDownAlign align = p.Align;
  if (p.RightToLeft && align != daCenter) align = align == daLeft ? daRight : daLeft;
  int x = p.Picker.left();
  const int excess = width - p.Picker.width();
  if (align == daRight) x -= excess;
  if (align == daCenter) x -= excess / 2;  // truncated toward zero
  // Inside the screen, the left edge winning when the calendar is wider.
  x = std::min(x, screen.left() + screen.width() - width);
  x = std::max(x, screen.left());
  y = std::max(y, screen.top());
  return {x, y};
}

}  // namespace zar
