#include "DropDownCalendar.h"

#include <QApplication>

#include "ExZarDatePicker.h"
#include "Exceptions.h"
#include "GregorianDates.h"
#include "HostControls.h"
#include "ScopeExit.h"
#include "YearEdit.h"

namespace zar {

namespace {

bool IsInside(const QWidget* outer, const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (w == outer) return true;
  return false;
}

}  // namespace

TDropDownCalendar::TDropDownCalendar(QWidget* parent) : TCustomZarMonthCalendar(parent) {}

void TDropDownCalendar::CreateParams(TCreateParams& Params) {
  TCustomZarMonthCalendar::CreateParams(Params);
  Params.Popup = true;
  Params.Border = true;
  Params.ClientEdge = false;
}

void TDropDownCalendar::CreateWnd() {
  TCustomZarMonthCalendar::CreateWnd();
  // No hints inside a drop-down: they would cover the days.
  if (TitlePanel()) TitlePanel()->setToolTip(QString());
}

bool TDropDownCalendar::HintShow(std::string&) { return false; }

TCustomExZarDatePicker* TDropDownCalendar::Owner() const {
  return dynamic_cast<TCustomExZarDatePicker*>(parentWidget());
}

bool TDropDownCalendar::SelectCell(int ACol, int ARow) {
  const bool result = TCustomZarMonthCalendar::SelectCell(ACol, ARow);
  FSelectionOk = result || (ARow == RowCount() - 1 && Options().Contains(mcoToday) &&
                            IsValidDate(zar::Date()));
  return result;
}

void TDropDownCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseSelect = true;
  FSelectionOk = false;
  // A click into the calendar gives it the keyboard: its window becomes the
  // active one, so that the calendar and its year editor take keys.
  if (isVisible() && !isActiveWindow()) activateWindow();
  TCustomZarMonthCalendar::MouseDown(Button, Shift, X, Y);
}

void TDropDownCalendar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button != mbLeft) {
    TCustomZarMonthCalendar::MouseUp(Button, Shift, X, Y);
    return;
  }
  // Only the release that ends this press may take a day: a later move of
  // the date by the program must not look like a click on it.
  const TScopeExit endPress([this] {
    FReleasing = false;
    FMouseSelect = false;
  });
  FReleasing = true;
  TCustomZarMonthCalendar::MouseUp(Button, Shift, X, Y);
}

void TDropDownCalendar::KeyDown(Word& Key, TShiftState Shift) {
  FMouseSelect = false;
  // With the focus in the calendar, Alt+Up and Alt+Down close it as they
  // do from the picker.
  if ((Key == vk::Up || Key == vk::Down) && Shift.Contains(ssAlt) && Owner()) {
    Key = 0;
    CloseAndRefocus(true);
    return;
  }
  TCustomZarMonthCalendar::KeyDown(Key, Shift);
}

bool TDropDownCalendar::KeyDownMessage(Word Key, TShiftState Shift) {
  // Shift+Space switches the picker's calendar, and with it this one.
  if (TCustomExZarDatePicker* picker = Owner(); picker && picker->KeyDownMessage(Key, Shift))
    return true;
  return TCustomZarMonthCalendar::KeyDownMessage(Key, Shift);
}

void TDropDownCalendar::KeyPress(char32_t& Key) {
  TCustomZarMonthCalendar::KeyPress(Key);
  // Characters belong to the picker's segments, also from here.
  if (TCustomExZarDatePicker* picker = Owner(); picker && Key != 0) picker->KeyPress(Key);
}

void TDropDownCalendar::Click() {
  TCustomZarMonthCalendar::Click();
  if (FReleasing && FMouseSelect && FSelectionOk) CloseAndRefocus(true);
}

bool TDropDownCalendar::DialogKey(Word Key, TShiftState Shift) {
  // Enter and Escape close as they do while the picker holds the focus.
  if (TCustomExZarDatePicker* picker = Owner()) return picker->DialogKey(Key, Shift);
  return TCustomZarMonthCalendar::DialogKey(Key, Shift);
}

void TDropDownCalendar::FocusLost(QWidget* NewFocus) {
  TCustomZarMonthCalendar::FocusLost(NewFocus);
  TCustomExZarDatePicker* picker = Owner();
  if (!picker || !picker->DroppedDown() || picker->FDestroying) return;
  if (YearEdit() && NewFocus == YearEdit()) return;
  if (IsInside(this, NewFocus)) return;
  // A menu popping up (the month menu) keeps the focus where it was.
  if (QApplication::activePopupWidget()) return;
  CloseAndRefocus(false);
}

void TDropDownCalendar::CancelMode(QWidget* Sender) {
  TCustomZarMonthCalendar::CancelMode(Sender);
  TCustomExZarDatePicker* picker = Owner();
  // A press on the picker is the picker's own closing gesture.
  if (!picker || !picker->DroppedDown() || IsInside(this, Sender) || Sender == picker) return;
  CloseAndRefocus(false);
}

void TDropDownCalendar::CloseAndRefocus(bool accept) {
  TCustomExZarDatePicker* picker = Owner();
  if (!picker) throw EConvertError("Invalid class typecast");
  picker->CloseUp(accept);
  picker->Refocus();
}

}  // namespace zar
