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
  explicit TTimer(QObject* owner = nullptr);

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int Interval() const { return FInterval; }
  void SetInterval(int milliseconds);

  TNotifyEvent OnTimer;

 private:
  void Update();

  QTimer FTimer;
  bool FEnabled = true;
  int FInterval = 1000;
};

// The clipboard's plain text, UTF-8.
struct TClipboard {
  static std::string AsText();
  static void SetAsText(const std::string& text);
};

// The size of the primary screen in pixels.
struct TScreen {
  static int Width();
  static int Height();
};

// The width of a vertical scroll bar in the application's style.
int VerticalScrollBarWidth();

struct TMouse {
  static QPoint CursorPos();  // screen coordinates
};

// The short signal with which refused user input is answered.
void Beep();
// Replaces what Beep does (for example to count beeps, or to keep an
// unattended run quiet); an empty handler restores the system beep.
// Returns the previous handler.
std::function<void()> SetBeepHandler(std::function<void()> handler);

}  // namespace zar
