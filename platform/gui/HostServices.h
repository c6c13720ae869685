#pragma once
// Small services of the host: a timer on the GUI thread, the clipboard's
// text, the screen size, the mouse cursor and the system beep.

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <string>

#include "GuiTypes.h"

namespace zar {

// Calls OnTimer every Interval milliseconds on the GUI thread while
// Enabled. Changing Interval restarts the count.
class TTimer : public QObject {
  Q_OBJECT

 public:
  // Enabled, every 1000 ms, counting from now; the calls need a running event loop.
  explicit TTimer(QObject* owner = nullptr);

  // Enabling restarts the count; setting the value it has changes nothing.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  // Any value; 0 or below stops the calls until a positive one is set.
  int Interval() const { return FInterval; }
  void SetInterval(int milliseconds);

  // Sender is the timer; an empty handler lets the ticks pass unseen.
  TNotifyEvent OnTimer;

 private:
  void Update();

  QTimer FTimer;
  bool FEnabled = true;
  int FInterval = 1000;
};

// The clipboard's plain text, UTF-8; both need a QGuiApplication.
struct TClipboard {
  // "" when the clipboard holds no text.
  static std::string AsText();
  // Replaces the clipboard's content; invalid UTF-8 is stored as U+FFFD.
  static void SetAsText(const std::string& text);
};

// The size of the primary screen in pixels (its geometry, the task bar
// included); needs a QGuiApplication with a screen.
struct TScreen {
  static int Width();
  static int Height();
};

// The width of a vertical scroll bar in the application's style; 16 without a style.
int VerticalScrollBarWidth();

struct TMouse {
  // The pointer's position in screen coordinates (QCursor::pos()).
  static QPoint CursorPos();
};

// The short signal with which refused user input is answered: the handler
// SetBeepHandler installed, or QApplication::beep().
void Beep();
// Replaces what Beep does (for example to count beeps, or to keep an
// unattended run quiet); an empty handler restores the system beep.
// Returns the previous handler.
std::function<void()> SetBeepHandler(std::function<void()> handler);

}  // namespace zar
