#pragma once
// Value types of the control layer: rectangles with exclusive right and
// bottom edges, shift states, mouse buttons, Windows virtual-key codes, the
// small enumerations the controls publish, and the event signatures.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>

#include "Alignment.h"
#include "DateTimeBase.h"
#include "ZarSet.h"

class QWidget;

namespace zar {

using TObject = QObject;

// Receives the host's cancel-mode notification: the user pressed the mouse
// on another control (sender) while this one had the focus. Controls that
// track a gesture or hold an in-place editor end it here. TApplication
// delivers it to the focused widget when that widget derives from this.
class TCancelModeReceiver {
 public:
  // Sender is the widget pressed (never null); called before that widget sees
  // the press, so what is ended here is ended first.
  virtual void CancelMode(QWidget* Sender) = 0;

 protected:
  ~TCancelModeReceiver() = default;
};

// A rectangle whose Right and Bottom lie just outside it: it covers the
// pixels Left..Right-1 and Top..Bottom-1.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  // Right - Left and Bottom - Top; negative for a rectangle turned inside out.
  constexpr int Width() const noexcept { return Right - Left; }
  constexpr int Height() const noexcept { return Bottom - Top; }
  // True when it covers no pixel: Width or Height is 0 or below.
  constexpr bool IsEmpty() const noexcept { return Right <= Left || Bottom <= Top; }
  // Left and top edges inside, right and bottom edges outside.
  constexpr bool Contains(int x, int y) const noexcept {
    return x >= Left && x < Right && y >= Top && y < Bottom;
  }
  constexpr bool Contains(QPoint p) const noexcept { return Contains(p.x(), p.y()); }
  // Moves the rectangle by dx to the right and dy down; its size stays.
  constexpr void Offset(int dx, int dy) noexcept {
    Left += dx;
    Right += dx;
    Top += dy;
    Bottom += dy;
  }
  // Grows the rectangle by dx on the left and right and dy on the top and
  // bottom; negative values shrink it.
  constexpr void Inflate(int dx, int dy) noexcept {
    Left -= dx;
    Right += dx;
    Top -= dy;
    Bottom += dy;
  }
  // The same pixels as a QRect (whose right() is Right - 1); never fails.
  QRect ToQRect() const noexcept { return QRect(Left, Top, Right - Left, Bottom - Top); }
  // The same pixels as r: Right is r.left() + r.width(), Bottom r.top() + r.height().
  static TRect FromQRect(const QRect& r) noexcept {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  }
  friend constexpr bool operator==(const TRect&, const TRect&) noexcept = default;
};

// Keys and mouse buttons held during an event; ssDouble marks the second
// press of a double click.
enum TShiftStateFlag : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

enum TBorderStyle : std::uint8_t { bsNone, bsSingle };
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

// Windows virtual-key codes, as KeyDown and KeyUp receive them. Letters and
// digits of the main keyboard are their upper-case ASCII codes ('A', '0').
// Scoped, because <windows.h> defines the VK_ names as macros.
namespace vk {
inline constexpr Word Back = 0x08;
inline constexpr Word Tab = 0x09;
inline constexpr Word Return = 0x0D;
inline constexpr Word Shift = 0x10;
inline constexpr Word Control = 0x11;
inline constexpr Word Menu = 0x12;  // Alt
inline constexpr Word Pause = 0x13;
inline constexpr Word Capital = 0x14;
inline constexpr Word Escape = 0x1B;
inline constexpr Word Space = 0x20;
inline constexpr Word Prior = 0x21;  // Page Up
inline constexpr Word Next = 0x22;   // Page Down
inline constexpr Word End = 0x23;
inline constexpr Word Home = 0x24;
inline constexpr Word Left = 0x25;
inline constexpr Word Up = 0x26;
inline constexpr Word Right = 0x27;
inline constexpr Word Down = 0x28;
inline constexpr Word Snapshot = 0x2C;
inline constexpr Word Insert = 0x2D;
inline constexpr Word Delete = 0x2E;
inline constexpr Word Apps = 0x5D;  // context-menu key
inline constexpr Word Numpad0 = 0x60;
inline constexpr Word Multiply = 0x6A;
inline constexpr Word Add = 0x6B;
inline constexpr Word Subtract = 0x6D;
inline constexpr Word Decimal = 0x6E;
inline constexpr Word Divide = 0x6F;
inline constexpr Word F1 = 0x70;  // F1 + n - 1 is Fn, up to F24
inline constexpr Word F4 = 0x73;
inline constexpr Word NumLock = 0x90;
inline constexpr Word Scroll = 0x91;
inline constexpr Word OemPlus = 0xBB;
inline constexpr Word OemComma = 0xBC;
inline constexpr Word OemMinus = 0xBD;
inline constexpr Word OemPeriod = 0xBE;
}  // namespace vk

// Event signatures; Sender is the control that raises the event.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
// Key is a Unicode code point; setting it to 0 discards the character.
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            QPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, QPoint MousePos, bool& Handled)>;

}  // namespace zar
