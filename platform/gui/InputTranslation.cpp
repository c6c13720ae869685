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
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},        {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},  {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},    {Qt::Key_PageDown, VK_NEXT},   {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},       {Qt::Key_Left, VK_LEFT},       {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},     {Qt::Key_Down, VK_DOWN},       {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE},   {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
};

// Keys whose code depends on whether they sit on the numeric pad.
struct PadPair {
  int qtKey;
  Word padVk;
  Word mainVk;
};

constexpr PadPair kPadKeys[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY, '8'},
    {Qt::Key_Plus, VK_ADD, VK_OEM_PLUS},
    {Qt::Key_Minus, VK_SUBTRACT, VK_OEM_MINUS},
    {Qt::Key_Slash, VK_DIVIDE, 0},
    {Qt::Key_Period, VK_DECIMAL, VK_OEM_PERIOD},
    {Qt::Key_Comma, VK_DECIMAL, VK_OEM_COMMA},
    {Qt::Key_Equal, 0, VK_OEM_PLUS},
};

}  // namespace

Word VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<Word>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<Word>(VK_F1 + (key - Qt::Key_F1));
  // Digits of any script (a Persian keyboard reports its own digits) keep
  // the code of their position on the keyboard.
  if (key > 0 && key <= 0xFFFF && QChar(static_cast<char16_t>(key)).isDigit()) {
    const int digit = QChar(static_cast<char16_t>(key)).digitValue();
    return static_cast<Word>(keypad ? VK_NUMPAD0 + digit : '0' + digit);
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
