#pragma once
// TCustomControl: the base of every custom-drawn control. It turns Qt's
// event handlers, once, into the virtual operations the controls override
// (KeyDown with Windows virtual-key codes, KeyPress with code points,
// MouseDown with client coordinates, Paint through a TCanvas, ...), and runs
// the published On... events where the host framework would run them: each
// base operation fires its event, so an override calls the base first to
// let the application see the event (or skips it to hide the event).
//
// Coordinates are client coordinates: the border chosen by CreateParams lies
// outside the client area. Child widgets are placed in widget coordinates;
// add ClientOrigin() to place them in client coordinates.

#include <QWidget>
#include <string>

#include "Canvas.h"
#include "GuiColors.h"
#include "GuiTypes.h"

namespace zar {

// Creation parameters of a control's window, applied when the window is
// created and again by RecreateWnd.
struct TCreateParams {
  bool Border = false;      // a thin one-pixel border
  bool ClientEdge = false;  // a sunken two-pixel edge (takes precedence over Border)
  // A top-level popup window: placed in screen coordinates, shown without
  // taking the focus, still owned by its parent. Activating it (a click
  // into a drop-down) gives it the focus, so its widgets take keys.
  bool Popup = false;
};

class TCustomControl : public QWidget, public TCancelModeReceiver {
  Q_OBJECT

 public:
  // Needs a QApplication. Not focusable (TabStop false), mouse tracking on,
  // Color clWindow, font colour clWindowText, ShowHint true; no window yet.
  explicit TCustomControl(QWidget* parent = nullptr);
  ~TCustomControl() override;

  // ---- The window -----------------------------------------------------
  // True from the first HandleNeeded on (showing the control runs it); it
  // never turns false again.
  bool HandleAllocated() const { return FHandleAllocated; }
  // Creates the window now if it does not exist: applies CreateParams, runs
  // CreateWnd, then Resize.
  void HandleNeeded();
  // Applies CreateParams again and runs CreateWnd and Resize; nothing
  // before the window exists.
  void RecreateWnd();

  // ---- Bounds (a popup's Left and Top are screen coordinates) ----------
  // Left, Top, Width and Height are the whole widget's, border included, in
  // the parent's coordinates. Sizes are bounded by the widget's minimum and
  // maximum size (0 and QWIDGETSIZE_MAX unless set), so a negative one is 0.
  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  void SetLeft(int value) { move(value, y()); }
  void SetTop(int value) { move(x(), value); }
  void SetWidth(int value) { resize(value, height()); }
  void SetHeight(int value) { resize(width(), value); }
  void SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
  }
  // The size inside the border; setting it sizes the widget to it plus the border.
  int ClientWidth() const { return contentsRect().width(); }
  int ClientHeight() const { return contentsRect().height(); }
  void SetClientWidth(int value) { SetWidth(value + width() - ClientWidth()); }
  void SetClientHeight(int value) { SetHeight(value + height() - ClientHeight()); }
  // 0, 0, ClientWidth, ClientHeight.
  TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
  // Where client point (0, 0) lies in widget coordinates: the border's width.
  QPoint ClientOrigin() const { return contentsRect().topLeft(); }
  // Client coordinates to and from screen coordinates; never fail.
  QPoint ClientToScreen(QPoint p) const { return mapToGlobal(p + ClientOrigin()); }
  QPoint ScreenToClient(QPoint p) const { return mapFromGlobal(p) - ClientOrigin(); }

  // ---- Appearance and state ------------------------------------------------
  // The widget's font (inherited unless set) with the font colour. Setting
  // runs FontChanged once, also when only the colour changed.
  TFont Font() const { return TFont(font(), FFontColor); }
  void SetFont(const TFont& value);
  // The colour the client area is filled with before Paint; setting another
  // one repaints.
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  // Qt's isEnabled: false also while a parent is disabled.
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool value) { setEnabled(value); }
  // Qt's !isHidden: whether the control shows when its parent does, whether
  // or not the parent shows now (CanFocus asks that). Showing first creates
  // the window (HandleNeeded).
  bool Visible() const { return !isHidden(); }
  void SetVisible(bool value) { setVisible(value); }
  // Whether Tab reaches the control (Qt::TabFocus); a click alone does not
  // focus it, controls that want that take the focus in MouseDown.
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool value) { setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus); }
  // Reading direction: Qt's layoutDirection (inherited from the parent
  // unless set on the control).
  bool UseRightToLeftAlignment() const { return layoutDirection() == Qt::RightToLeft; }
  // The tool tip's text, UTF-8; shown when ShowHint, the text is not empty and
  // HintShow agrees (and leaves it non-empty).
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value) { FShowHint = value; }

  // ---- Focus -----------------------------------------------------------------
  // Qt's hasFocus: the control itself has the keyboard focus.
  bool Focused() const { return hasFocus(); }
  // The control is the focus widget of its window, whether or not that
  // window is active (the form's active control).
  bool IsActiveControl() const { return window()->focusWidget() == this; }
  // Shown on the screen (its parents too) and enabled; TabStop is not looked at.
  bool CanFocus() const { return isVisible() && isEnabled(); }
  // Qt's setFocus, whatever TabStop; a hidden control gets it once shown.
  void SetFocus() { setFocus(Qt::OtherFocusReason); }

  // ---- Painting ----------------------------------------------------------------
  // Draws during Paint; any other time its calls invalidate (see Canvas.h).
  TCanvas& Canvas() { return FCanvas; }
  // Repaints the whole widget, border included, from the event loop.
  void Invalidate() { update(); }
  // r in client coordinates, as shown on the screen.
  void InvalidateRect(const TRect& r) { update(r.ToQRect().translated(ClientOrigin())); }

  // ---- Published events --------------------------------------------------------
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TNotifyEvent OnResize;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;

  // The host's cancel-mode notification (see TCancelModeReceiver); the
  // base does nothing.
  void CancelMode(QWidget* Sender) override;

 protected:
  // ---- Window creation -------------------------------------------------------
  // Fills the parameters the window is created with; base: leaves them all off.
  virtual void CreateParams(TCreateParams& Params);
  // The window has just been created (or re-created); base: nothing.
  virtual void CreateWnd();

  // ---- Painting ------------------------------------------------------------------
  // Draws the client area through Canvas(); the background has already been
  // filled with Color. Base: nothing.
  virtual void Paint();

  // ---- Keyboard ------------------------------------------------------------------
  // Enter and Escape are offered here first, also when they come from a
  // child widget that did not use them; return true to consume the key.
  // Base: false.
  virtual bool DialogKey(Word Key, TShiftState Shift);
  // Every key down, before OnKeyDown and KeyDown; return true to consume
  // the key (no KeyDown, no KeyPress). Base: false.
  virtual bool KeyDownMessage(Word Key, TShiftState Shift);
  // Base: OnKeyDown. A handler may set Key to 0 to mark the key used. Only
  // keys with a virtual-key code come here (as to KeyUp).
  virtual void KeyDown(Word& Key, TShiftState Shift);
  // The release of such a key while the control has the focus, auto-repeats
  // excluded. Base: OnKeyUp.
  virtual void KeyUp(Word& Key, TShiftState Shift);
  // One call per character the key produced (none while Ctrl or Alt is
  // held). Base: OnKeyPress.
  virtual void KeyPress(char32_t& Key);

  // ---- Mouse (client coordinates) -------------------------------------------------
  // Presses, moves and releases on the control itself (not on a child widget);
  // once pressed, moves and the release come here wherever the pointer goes.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);  // OnMouseDown
  virtual void MouseMove(TShiftState Shift, int X, int Y);                       // OnMouseMove
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);    // OnMouseUp
  // Base: OnMouseWheel; unless it handled the event, DoMouseWheelDown or
  // DoMouseWheelUp once per notch (120 units, positive away from the user).
  // MousePos is in screen coordinates. The result is "handled"; an
  // unhandled wheel event goes on to the parent widget.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, QPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos);  // OnMouseWheelDown
  virtual bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos);    // OnMouseWheelUp
  // Base: OnClick. Fired at the release of a left press inside the client
  // area when ClickEvents() is true.
  virtual void Click();
  // Base: OnDblClick. The second press of a double click is delivered as
  // DblClick (when ClickEvents()) followed by MouseDown with ssDouble.
  virtual void DblClick();
  // Whether the base calls Click and DblClick; true unless overridden.
  virtual bool ClickEvents() const { return true; }
  // The pointer left the widget. Base: nothing.
  virtual void MouseLeave();

  // ---- Focus ----------------------------------------------------------------------
  // The widget received or lost the keyboard focus, for any reason
  // (including its window being activated or deactivated). NewFocus is the
  // widget that has the focus now, if any. Base: nothing.
  virtual void FocusGained();
  virtual void FocusLost(QWidget* NewFocus);
  // The focus moved into this control (or a child of it) from another
  // control of the same window, or out of it to one. Focus going to
  // another window (a message box, a popup owned by the control) is no exit.
  virtual void DoEnter();  // base: OnEnter
  virtual void DoExit();   // base: OnExit

  // ---- Other notifications --------------------------------------------------------
  // The size changed (only once the window exists), and the window has just
  // been created or re-created by HandleNeeded or RecreateWnd. Base: OnResize.
  virtual void Resize();
  virtual void FontChanged();     // base: repaint
  virtual void EnabledChanged();  // base: repaint
  // Qt's ShowToParent or HideToParent: the control was shown or hidden within
  // its parent (shown with the parent the first time included); a parent
  // hidden or shown again tells nothing. Base: nothing.
  virtual void VisibleChanged();
  // The hint is about to show; change HintText or return false to
  // suppress it. Base: true.
  virtual bool HintShow(std::string& HintText);

  // ---- Qt's handlers, translated once here ---------------------------------------
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 public:
  // Showing first runs HandleNeeded, so that a popup has its window flags
  // before it appears.
  void setVisible(bool visible) override;

 private:
  void ApplyCreateParams();
  void PaintBorder(QPainter& painter) const;
  void FocusChanged(QWidget* now);
  bool DeliverMousePress(QMouseEvent* event, bool isDouble);
  bool IsChildEvent(const QMouseEvent* event) const;

  TCanvas FCanvas;
  TCreateParams FParams;
  bool FHandleAllocated = false;
  bool FEntered = false;
  bool FPressed = false;      // a press of ours holds the mouse
  bool FLeftPressed = false;  // a left press awaits its release (for Click)
  TColor FColor = clWindow;
  TColor FFontColor = clWindowText;
  std::string FHint;
  bool FShowHint = true;
  int FWheelAccumulator = 0;
  QMetaObject::Connection FFocusConnection;
};

}  // namespace zar
