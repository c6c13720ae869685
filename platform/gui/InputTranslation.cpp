#include "InputTranslation.h"

#include <QChar>
#include <QKeyEvent>

namespace zar {

namespace {

struct KeyPair {
  int qtKey;
  Word vk;
};

constexpr KeyPair kNamedKeys[] = {
    {Qt::Key_Backspace, vk::Back},  {Qt::Key_Tab, vk::Tab},
    {Qt::Key_Backtab, vk::Tab},     {Qt::Key_Return, vk::Return},
    {Qt::Key_Enter, vk::Return},    {Qt::Key_Shift, vk::Shift},
    {Qt::Key_Control, vk::Control}, {Qt::Key_Alt, vk::Menu},
    {Qt::Key_Pause, vk::Pause},     {Qt::Key_CapsLock, vk::Capital},
    {Qt::Key_Escape, vk::Escape},   {Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, vk::Prior},    {Qt::Key_PageDown, vk::Next},
    {Qt::Key_End, vk::End},         {Qt::Key_Home, vk::Home},
    {Qt::Key_Left, vk::Left},       {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},     {Qt::Key_Down, vk::Down},
    {Qt::Key_Print, vk::Snapshot},  {Qt::Key_Insert, vk::Insert},
    {Qt::Key_Delete, vk::Delete},   {Qt::Key_Menu, vk::Apps},
    {Qt::Key_NumLock, vk::NumLock}, {Qt::Key_ScrollLock, vk::Scroll},
};

// Keys whose code depends on whether they sit on the numeric pad.
struct PadPair {
  int qtKey;
  Word padVk;
  Word mainVk;
};

constexpr PadPair kPadKeys[] = {
    {Qt::Key_Asterisk, vk::Multiply, '8'},
    {Qt::Key_Plus, vk::Add, vk::OemPlus},
    {Qt::Key_Minus, vk::Subtract, vk::OemMinus},
    {Qt::Key_Slash, vk::Divide, 0},
    {Qt::Key_Period, vk::Decimal, vk::OemPeriod},
    {Qt::Key_Comma, vk::Decimal, vk::OemComma},
    {Qt::Key_Equal, 0, vk::OemPlus},
};

}  // namespace

Word VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<Word>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
    return static_cast<Word>(vk::F1 + (key - Qt::Key_F1));
  // Digits of any script (a Persian keyboard reports its own digits) keep
  // the code of their position on the keyboard.
  if (key > 0 && key <= 0xFFFF && QChar(static_cast<char16_t>(key)).isDigit()) {
    const int digit = QChar(static_cast<char16_t>(key)).digitValue();
    return static_cast<Word>(keypad ? vk::Numpad0 + digit : '0' + digit);
  }
  for (const KeyPair& k : kNamedKeys)
    if (k.qtKey == key) return k.vk;
  for (const PadPair& k : kPadKeys)
    if (k.qtKey == key) return keypad ? k.padVk : k.mainVk;
  return 0;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState s;
  if (modifiers.testFlag(Qt::ShiftModifier)) s.Include(ssShift);
  if (modifiers.testFlag(Qt::AltModifier)) s.Include(ssAlt);
  if (modifiers.testFlag(Qt::ControlModifier)) s.Include(ssCtrl);
  if (buttons.testFlag(Qt::LeftButton)) s.Include(ssLeft);
  if (buttons.testFlag(Qt::RightButton)) s.Include(ssRight);
  if (buttons.testFlag(Qt::MiddleButton)) s.Include(ssMiddle);
  return s;
}

std::optional<TMouseButton> MouseButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return mbLeft;
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return std::nullopt;
  }
}

}  // namespace zar
