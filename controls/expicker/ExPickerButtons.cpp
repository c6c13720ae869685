// The extended picker's button parts: their layout beside the text area,
// their painting in every state, mouse tracking and the auto-repeat of the
// up-down pair.

#include "DropDownCalendar.h"
#include "ExZarDatePicker.h"
#include "HostServices.h"

namespace zar {

namespace {

constexpr int kRepeatDelay = 400;     // ms before the first repeated step
constexpr int kRepeatInterval = 100;  // ms between later steps

}  // namespace

// ---- Layout -------------------------------------------------------------------------------

void TCustomExZarDatePicker::CalcTextArea() {
  TCustomZarDatePicker::CalcTextArea();
  ReserveButtonColumns(TextArea, SwitchMark, FButtonWidth, FButtons, FShowCheckBox,
                       UseRightToLeftAlignment());
}

void TCustomExZarDatePicker::LayoutSegments() {
  TCustomZarDatePicker::LayoutSegments();
  FButtonRects = ComputeButtonRects(ClientWidth(), ClientHeight(), FButtonWidth, FButtons,
                                    FShowCheckBox, UseRightToLeftAlignment());
}

TPickerButtonPart TCustomExZarDatePicker::HitTestButton(int x, int y) const {
  for (int p = bpNone; p <= bpDown; ++p)
    if (FButtonRects[p].Contains(x, y)) return static_cast<TPickerButtonPart>(p);
  return bpNone;
}

bool TCustomExZarDatePicker::UpdateHotButton(int x, int y) {
  const TPickerButtonPart h = HitTestButton(x, y);
  if (h != FHotButton) {
    FHotButton = h;
    PaintButton(h);
  }
  return FHotButton != bpNone;
}

// ---- Painting -----------------------------------------------------------------------------

void TCustomExZarDatePicker::Paint() {
  TCustomZarDatePicker::Paint();
  for (int p = bpNone; p <= bpDown; ++p) PaintButton(static_cast<TPickerButtonPart>(p));
}

void TCustomExZarDatePicker::PaintButton(TPickerButtonPart part) {
  const TRect r = FButtonRects[part];
  if (r.Left == 0 && r.Right == 0) return;
  const bool enabled = Enabled();
  const bool held = FHotButton == part && FPressedButton == part;
  TCanvas& canvas = Canvas();
  switch (part) {
    case bpDropDown: {
      TGlyphState state = gsNormal;
      if (!enabled)
        state = gsDisabled;
      else if (held)
        state = gsPressed;
      else if ((FHotButton == bpDropDown) || (FThemeHotButton == bpDropDown && !FDroppedDown))
        state = gsHot;
      canvas.DrawDropDownButton(r, state);
      break;
    }
    case bpCheckBox: {
      if (!FShowCheckBox) return;
      TGlyphState state = gsNormal;
      if (!enabled)
        state = gsDisabled;
      else if (!FChecked && Focused())
        state = gsHot;
      TRect box = r;
      box.Inflate(-2, -2);
      canvas.DrawCheckBox(box, FChecked, state);
      if (Focused() && enabled) {
        box.Inflate(1, 1);
        canvas.DrawFocusRect(box);
      }
      break;
    }
    case bpUp:
    case bpDown: {
      TGlyphState state = gsNormal;
      if (!enabled)
        state = gsDisabled;
      else if (FHotButton == part)
        state = FThemeHotButton == part || held ? gsPressed : gsHot;
      else if (FThemeHotButton == part || FPressedButton == part)
        state = gsHot;
      canvas.DrawSpinButton(r, part == bpUp, state);
      break;
    }
    default: break;
  }
}

// ---- Mouse --------------------------------------------------------------------------------

void TCustomExZarDatePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // The picker's own segment handling runs only while the value is active
  // and no calendar is open.
  auto segmentHandling = [&] {
    if (IsChecked() && !FDroppedDown) TCustomZarDatePicker::MouseDown(Button, Shift, X, Y);
  };
  if (Button != mbLeft) {
    segmentHandling();
    return;
  }
  // Taking the focus may already close an open calendar (its focus loss);
  // the press still counts as the press that closes it.
  const bool wasDroppedDown = FDroppedDown;
  SetFocus();
  if (!Focused()) return;
  if (wasDroppedDown || FDroppedDown) {
    CloseUp(false);
    segmentHandling();
    return;
  }
  if (FShowCheckBox && CheckBoxClick(X, Y)) return;
  if (UpdateHotButton(X, Y)) {
    if (!FCaptured) {
      grabMouse();
      FCaptured = true;
    }
    FPressedButton = FHotButton;
    PaintButton(FHotButton);
    if (CanModify()) {
      if (FPressedButton == bpDropDown) {
        DropDown();
      } else if (FPressedButton == bpUp || FPressedButton == bpDown) {
        const TPickerState s = GetState();
        StepSegment(CurrentSegment, FPressedButton == bpUp ? +1 : -1);
        if (!IsChecked()) SetChecked(true);
        // A handler that raises leaves the timer off: no repeat behind it.
        ValueChanged(s, true);
        if (!FRepeatTimer) {
          FRepeatTimer = new TTimer(this);
          FRepeatTimer->SetEnabled(false);
          FRepeatTimer->OnTimer = [this](TObject*) { RepeatTick(); };
        }
        FRepeatTimer->SetInterval(kRepeatDelay);
        // OnChange may have ended the tracking (moved the focus, hid the
        // picker): no repeat then.
        FRepeatTimer->SetEnabled(FPressedButton != bpNone);
      }
    }
  }
  segmentHandling();
}

void TCustomExZarDatePicker::RepeatTick() {
  if (!FRepeatTimer) return;
  // Off while stepping: a handler that raises or opens a modal box must not
  // be called again every interval behind it.
  FRepeatTimer->SetEnabled(false);
  if (FPressedButton == bpNone || !Enabled() || !isVisible() || !CanModify()) return;
  FRepeatTimer->SetInterval(kRepeatInterval);
  const TPickerState s = GetState();
  if (FHotButton == bpDown && FPressedButton == bpDown)
    StepSegment(CurrentSegment, -1);
  else if (FHotButton == bpUp && FPressedButton == bpUp)
    StepSegment(CurrentSegment, +1);
  ValueChanged(s, true);
  if (FPressedButton != bpNone) FRepeatTimer->SetEnabled(true);
}

void TCustomExZarDatePicker::MouseMove(TShiftState Shift, int X, int Y) {
  if (FPressedButton != bpNone) {
    const TPickerButtonPart old = FHotButton;
    UpdateHotButton(X, Y);
    PaintButton(old);
    if (FDroppedDown) {
      const QPoint p = FCalendar->ScreenToClient(ClientToScreen(QPoint(X, Y)));
      if (FCalendar->ClientRect().Contains(p)) {
        StopTracking();
        return;
      }
    }
  } else if (Themed()) {
    const TPickerButtonPart under = HitTestButton(X, Y);
    for (int i = bpDropDown; i <= bpDown; ++i) {
      const auto p = static_cast<TPickerButtonPart>(i);
      if (p == FThemeHotButton && under != p) {
        FThemeHotButton = bpNone;
        PaintButton(p);
      } else if (p != FThemeHotButton && under == p) {
        const TPickerButtonPart previous = FThemeHotButton;
        FThemeHotButton = bpNone;
        PaintButton(previous);
        FThemeHotButton = p;
        PaintButton(p);
      }
    }
  }
  TCustomZarDatePicker::MouseMove(Shift, X, Y);
}

void TCustomExZarDatePicker::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  StopTracking();
  TCustomZarDatePicker::MouseUp(Button, Shift, X, Y);
}

void TCustomExZarDatePicker::StopTracking() {
  if (FPressedButton == bpNone) return;
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
  TPickerButtonPart b = FPressedButton;
  UpdateHotButton(-1, -1);
  FPressedButton = bpNone;
  PaintButton(b);
  b = FHotButton;
  FHotButton = bpNone;
  PaintButton(b);
  if (Themed()) {
    b = FThemeHotButton;
    FThemeHotButton = bpNone;
    PaintButton(b);
  }
  if (FCaptured) {
    releaseMouse();
    FCaptured = false;
  }
}

void TCustomExZarDatePicker::MouseLeave() {
  TCustomZarDatePicker::MouseLeave();
  if (Themed() && FThemeHotButton != bpNone && FPressedButton == bpNone) {
    const TPickerButtonPart b = FThemeHotButton;
    FThemeHotButton = bpNone;
    PaintButton(b);
  }
}

}  // namespace zar
