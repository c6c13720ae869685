#pragma once
// Translation of Qt's keyboard and mouse state into the terms the controls
// are written in: Windows virtual-key codes, shift states, mouse buttons.

#include <Qt>
#include <optional>

#include "GuiTypes.h"

class QKeyEvent;

namespace zar {

// The virtual-key code of a key event, or 0 for a key without one.
Word VirtualKeyOf(const QKeyEvent& event);

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);

// The button of a press or release; none for Qt's extra buttons.
std::optional<TMouseButton> MouseButtonOf(Qt::MouseButton button);

}  // namespace zar
