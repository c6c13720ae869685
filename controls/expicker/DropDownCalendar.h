#pragma once
// TDropDownCalendar: the month calendar an extended picker opens under
// itself. Its window is a top-level popup placed in screen coordinates;
// a click on a selectable day (or on the today line) closes it and hands
// the day to the picker, and the calendar losing the focus to anything but
// its own year editor closes it without taking a day.

#include "MonthCalendar.h"

namespace zar {

class TCustomExZarDatePicker;

class TDropDownCalendar : public TCustomZarMonthCalendar {
  Q_OBJECT

 public:
  // parent must be the TCustomExZarDatePicker that owns the calendar; every
  // extended picker creates its own when it is constructed.
  explicit TDropDownCalendar(QWidget* parent = nullptr);

  // The current selection was started by a mouse press in the calendar.
  bool MouseSelect() const { return FMouseSelect; }
  // The last cell selection is one the picker may take.
  bool SelectionOk() const { return FSelectionOk; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  bool SelectCell(int ACol, int ARow) override;
  void Click() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  bool KeyDownMessage(Word Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DialogKey(Word Key, TShiftState Shift) override;
  void FocusLost(QWidget* NewFocus) override;
  bool HintShow(std::string& HintText) override;

 public:
  // A press on another control than the calendar and its picker closes it.
  void CancelMode(QWidget* Sender) override;

 private:
  friend class TCustomExZarDatePicker;

  // The picker that owns the calendar, or null.
  TCustomExZarDatePicker* Owner() const;
  // Closes through the owning picker, then gives the focus back to it.
  // Raises EConvertError when the parent is not an extended picker.
  void CloseAndRefocus(bool accept);

  bool FMouseSelect = false;
  bool FSelectionOk = false;
  bool FReleasing = false;  // a left release is being handled
};

}  // namespace zar
