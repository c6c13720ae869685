#include "CustomControl.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

#include "InputTranslation.h"
#include "ScopeExit.h"

namespace zar {

namespace {

constexpr int kWheelNotch = 120;

bool IsDialogKey(Word key) { return key == vk::Return || key == vk::Escape; }

bool IsSelfOrDescendant(const QWidget* self, const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (w == self) return true;
  return false;
}

}  // namespace

TCustomControl::TCustomControl(QWidget* parent) : QWidget(parent), FCanvas(this) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  FCanvas.SetClientArea(contentsRect());
  FFocusConnection = connect(qApp, &QApplication::focusChanged, this,
                             [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

// Focus moves while QWidget's destructor runs must not reach the
// overrides of a control that is already gone.
TCustomControl::~TCustomControl() { disconnect(FFocusConnection); }

// ---- The window ----------------------------------------------------------------------

void TCustomControl::ApplyCreateParams() {
  TCreateParams params;
  CreateParams(params);
  const int edge = params.ClientEdge ? 2 : params.Border ? 1 : 0;
  setContentsMargins(edge, edge, edge, edge);
  if (params.Popup != FParams.Popup || !FHandleAllocated) {
    const bool wasVisible = !isHidden();
    if (params.Popup) {
      // A tool-tip window is never activated by the window system: the
      // focus stays where it is, and the window is placed exactly.
      setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
      setAttribute(Qt::WA_ShowWithoutActivating);
    } else if (FParams.Popup) {
      setWindowFlags(Qt::Widget);
      setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    // Changing the window flags hides the widget; show it again, unless
    // this is the first creation (which happens while it is being shown).
    if (wasVisible && FHandleAllocated && isHidden()) show();
  }
  FParams = params;
  FCanvas.SetClientArea(contentsRect());
}

void TCustomControl::HandleNeeded() {
  if (FHandleAllocated) return;
  ApplyCreateParams();
  FHandleAllocated = true;
  CreateWnd();
  Resize();
}

void TCustomControl::RecreateWnd() {
  if (!FHandleAllocated) return;
  ApplyCreateParams();
  CreateWnd();
  Resize();
  update();
}

void TCustomControl::setVisible(bool visible) {
  // A popup must have its window flags before it is shown.
  if (visible) HandleNeeded();
  QWidget::setVisible(visible);
}

void TCustomControl::CreateParams(TCreateParams&) {}

void TCustomControl::CreateWnd() {}

// ---- Appearance ------------------------------------------------------------------------

void TCustomControl::SetFont(const TFont& value) {
  const bool sameFont =
      value.QtFont() == font() && value.QtFont().resolveMask() == font().resolveMask();
  FFontColor = value.Color();
  if (sameFont)
    FontChanged();  // only the colour changed: Qt sends no event for that
  else
    setFont(value.QtFont());  // FontChanged follows through changeEvent
}

void TCustomControl::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  update();
}

// ---- Painting ----------------------------------------------------------------------------

void TCustomControl::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintBorder(painter);
  painter.fillRect(contentsRect(), ColorToQColor(FColor, palette()));
  FCanvas.Begin(painter, event->region());
  // Ends the canvas binding also when Paint throws.
  const TScopeExit binding([this] { FCanvas.End(); });
  Paint();
}

void TCustomControl::PaintBorder(QPainter& painter) const {
  const QRect r = rect();
  const QPalette& pal = palette();
  if (FParams.ClientEdge) {
    // Outer ring: shadow above and left, light below and right; inner
    // ring: dark shadow and midlight, as a sunken edge is drawn.
    auto ring = [&](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
      painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), topLeft);
      painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), topLeft);
      painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), bottomRight);
      painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), bottomRight);
    };
    ring(r, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    ring(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
  } else if (FParams.Border) {
    painter.setPen(pal.color(QPalette::Shadow));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
  }
}

void TCustomControl::Paint() {}

// ---- Keyboard ------------------------------------------------------------------------------

void TCustomControl::keyPressEvent(QKeyEvent* event) {
  Word key = VirtualKeyOf(*event);
  const TShiftState shift = ShiftStateOf(event->modifiers());
  // A key a child widget left unused reaches us only as a dialog key.
  if (QApplication::focusWidget() != this) {
    if (IsDialogKey(key) && DialogKey(key, shift))
      event->accept();
    else
      event->ignore();
    return;
  }
  const bool dialogKey = IsDialogKey(key);
  if ((dialogKey && DialogKey(key, shift)) || KeyDownMessage(key, shift)) {
    event->accept();
    return;
  }
  if (key != 0) KeyDown(key, shift);
  if (!shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
    for (char32_t c : event->text().toUcs4()) KeyPress(c);
  }
  // An unused Enter or Escape goes on to the parent (a dialog's buttons).
  if (dialogKey && key != 0)
    event->ignore();
  else
    event->accept();
}

void TCustomControl::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat() || QApplication::focusWidget() != this) {
    event->ignore();
    return;
  }
  Word key = VirtualKeyOf(*event);
  if (key != 0) KeyUp(key, ShiftStateOf(event->modifiers()));
  event->accept();
}

bool TCustomControl::DialogKey(Word, TShiftState) { return false; }

bool TCustomControl::KeyDownMessage(Word, TShiftState) { return false; }

void TCustomControl::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TCustomControl::KeyUp(Word& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TCustomControl::KeyPress(char32_t& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

// ---- Mouse -----------------------------------------------------------------------------------

// Qt passes a mouse event that a child widget ignored on to its parent;
// the control's own handlers never see such events.
bool TCustomControl::IsChildEvent(const QMouseEvent* event) const {
  const QWidget* child = childAt(event->position().toPoint());
  return child && !child->isWindow();
}

bool TCustomControl::DeliverMousePress(QMouseEvent* event, bool isDouble) {
  // A press that a child widget left unused is not ours.
  const auto button = MouseButtonOf(event->button());
  if (IsChildEvent(event) || !button) {
    event->ignore();
    return false;
  }
  FPressed = true;
  TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
  if (*button == mbLeft) FLeftPressed = true;
  if (isDouble) {
    shift.Include(ssDouble);
    if (*button == mbLeft && ClickEvents()) DblClick();
  }
  const QPoint client = event->position().toPoint() - ClientOrigin();
  MouseDown(*button, shift, client.x(), client.y());
  event->accept();
  return true;
}

void TCustomControl::mousePressEvent(QMouseEvent* event) { DeliverMousePress(event, false); }

void TCustomControl::mouseDoubleClickEvent(QMouseEvent* event) { DeliverMousePress(event, true); }

void TCustomControl::mouseMoveEvent(QMouseEvent* event) {
  if (!FPressed && IsChildEvent(event)) {
    event->ignore();
    return;
  }
  const QPoint client = event->position().toPoint() - ClientOrigin();
  MouseMove(ShiftStateOf(event->modifiers(), event->buttons()), client.x(), client.y());
  event->accept();
}

void TCustomControl::mouseReleaseEvent(QMouseEvent* event) {
  const auto button = MouseButtonOf(event->button());
  if (!FPressed || !button) {
    event->ignore();
    return;
  }
  FPressed = event->buttons() != Qt::NoButton;
  const QPoint client = event->position().toPoint() - ClientOrigin();
  const bool click = *button == mbLeft && FLeftPressed;
  if (*button == mbLeft) FLeftPressed = false;
  MouseUp(*button, ShiftStateOf(event->modifiers(), event->buttons()), client.x(), client.y());
  if (click && ClickEvents() && ClientRect().Contains(client)) Click();
  event->accept();
}

void TCustomControl::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  const bool handled =
      delta != 0 && DoMouseWheel(ShiftStateOf(event->modifiers(), event->buttons()), delta,
                                 event->globalPosition().toPoint());
  event->setAccepted(handled);
}

void TCustomControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TCustomControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TCustomControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

bool TCustomControl::DoMouseWheel(TShiftState Shift, int WheelDelta, QPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  // High-resolution wheels send fractions of a notch; act once per notch.
  FWheelAccumulator += WheelDelta;
  while (FWheelAccumulator >= kWheelNotch) {
    FWheelAccumulator -= kWheelNotch;
    handled = DoMouseWheelUp(Shift, MousePos) || handled;
  }
  while (FWheelAccumulator <= -kWheelNotch) {
    FWheelAccumulator += kWheelNotch;
    handled = DoMouseWheelDown(Shift, MousePos) || handled;
  }
  return handled;
}

bool TCustomControl::DoMouseWheelDown(TShiftState Shift, QPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TCustomControl::DoMouseWheelUp(TShiftState Shift, QPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

void TCustomControl::Click() {
  if (OnClick) OnClick(this);
}

void TCustomControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TCustomControl::leaveEvent(QEvent*) { MouseLeave(); }

void TCustomControl::MouseLeave() {}

void TCustomControl::CancelMode(QWidget*) {}

// ---- Focus -------------------------------------------------------------------------------------

void TCustomControl::focusInEvent(QFocusEvent*) { FocusGained(); }

void TCustomControl::focusOutEvent(QFocusEvent*) { FocusLost(QApplication::focusWidget()); }

void TCustomControl::FocusChanged(QWidget* now) {
  const bool inside = IsSelfOrDescendant(this, now);
  if (inside && !FEntered) {
    FEntered = true;
    DoEnter();
  } else if (!inside && FEntered && now && now->window() == window()) {
    FEntered = false;
    DoExit();
  }
}

void TCustomControl::FocusGained() {}

void TCustomControl::FocusLost(QWidget*) {}

void TCustomControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TCustomControl::DoExit() {
  if (OnExit) OnExit(this);
}

// ---- Other notifications ---------------------------------------------------------------------

void TCustomControl::resizeEvent(QResizeEvent*) {
  FCanvas.SetClientArea(contentsRect());
  if (FHandleAllocated) Resize();
}

void TCustomControl::showEvent(QShowEvent*) {
  HandleNeeded();
  // A press anywhere in a popup window (its child widgets included) makes
  // it the active window, so that the widget pressed can take keys.
  if (FParams.Popup && windowHandle()) windowHandle()->installEventFilter(this);
}

bool TCustomControl::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && FParams.Popup && watched == windowHandle() &&
      isVisible() && !isActiveWindow())
    activateWindow();
  return QWidget::eventFilter(watched, event);
}

void TCustomControl::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::FontChange: FontChanged(); break;
    case QEvent::EnabledChange: EnabledChanged(); break;
    // The reading direction is a creation parameter of the window.
    case QEvent::LayoutDirectionChange: RecreateWnd(); break;
    default: break;
  }
  QWidget::changeEvent(event);
}

bool TCustomControl::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent: VisibleChanged(); break;
    case QEvent::ToolTip: {
      std::string text = FHint;
      if (FShowHint && !text.empty() && HintShow(text) && !text.empty())
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           QString::fromStdString(text), this);
      else
        QToolTip::hideText();
      return true;
    }
    default: break;
  }
  return QWidget::event(event);
}

void TCustomControl::Resize() {
  if (OnResize) OnResize(this);
}

void TCustomControl::FontChanged() { update(); }

void TCustomControl::EnabledChanged() { update(); }

void TCustomControl::VisibleChanged() {}

bool TCustomControl::HintShow(std::string&) { return true; }

}  // namespace zar
