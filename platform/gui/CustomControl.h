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
  explicit TCustomControl(QWidget* parent = nullptr);
  ~TCustomControl() override;

  // ---- The window -----------------------------------------------------
  // The window exists once the control has been shown (or HandleNeeded was
  // called) and has received its first size.
  bool HandleAllocated() const { return FHandleAllocated; }
  // Creates the window now if it does not exist: applies CreateParams, runs
  // CreateWnd, then Resize.
  void HandleNeeded();
  // Applies CreateParams again and runs CreateWnd and Resize; nothing
  // before the window exists.
  void RecreateWnd();

  // ---- Bounds (a popup's Left and Top are screen coordinates) ----------
  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  void SetLeft(int value) { move(value, y()); }
  void SetTop(int value) { move(x(), value); }
  void SetWidth(int value) { resize(value, height()); }
  void SetHeight(int value) { resize(width(), value); }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  int ClientWidth() const { return contentsRect().width(); }
  int ClientHeight() const { return contentsRect().height(); }
  void SetClientWidth(int value) { SetWidth(value + width() - ClientWidth()); }
  void SetClientHeight(int value) { SetHeight(value + height() - ClientHeight()); }
  TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
  QPoint ClientOrigin() const { return contentsRect().topLeft(); }
  QPoint ClientToScreen(QPoint p) const { return mapToGlobal(p + ClientOrigin()); }
  QPoint ScreenToClient(QPoint p) const { return mapFromGlobal(p) - ClientOrigin(); }

  // ---- Appearance and state ------------------------------------------------
  TFont Font() const { return TFont(font(), FFontColor); }
  void SetFont(const TFont& value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool value) { setEnabled(value); }
  bool Visible() const { return !isHidden(); }
  void SetVisible(bool value) { setVisible(value); }
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool value) { setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus); }
  // Reading direction: Qt's layoutDirection (inherited from the parent
  // unless set on the control).
  bool UseRightToLeftAlignment() const { return layoutDirection() == Qt::RightToLeft; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value) { FShowHint = value; }

  // ---- Focus -----------------------------------------------------------------
  bool Focused() const { return hasFocus(); }
  // The control is the focus widget of its window, whether or not that
  // window is active (the form's active control).
  bool IsActiveControl() const { return window()->focusWidget() == this; }
  bool CanFocus() const { return isVisible() && isEnabled(); }
  void SetFocus() { setFocus(Qt::OtherFocusReason); }

  // ---- Painting ----------------------------------------------------------------
  TCanvas& Canvas() { return FCanvas; }
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
  // Base: OnKeyDown. A handler may set Key to 0 to mark the key used.
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyUp(Word& Key, TShiftState Shift);  // base: OnKeyUp
  // One call per character the key produced (none while Ctrl or Alt is
  // held). Base: OnKeyPress.
  virtual void KeyPress(char32_t& Key);

  // ---- Mouse (client coordinates) -------------------------------------------------
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
  virtual bool ClickEvents() const { return true; }
  virtual void MouseLeave();  // base: nothing

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
  // The client size changed (only once the window exists). Base: OnResize.
  virtual void Resize();
  virtual void FontChanged();     // base: repaint
  virtual void EnabledChanged();  // base: repaint
  virtual void VisibleChanged();  // base: nothing
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
