// The drop-down protocol of the extended picker: opening the calendar
// configured and placed under the picker, closing it with or without its
// day, and every gesture that closes it.

#include <QApplication>
#include <QEvent>
#include <QScreen>

#include "DateTimeBase.h"
#include "DropDownCalendar.h"
#include "ExZarDatePicker.h"
#include "YearEdit.h"

namespace zar {

namespace {

TDate DayOf(TDateTime value) {
  std::int64_t day = 0;
  Integer ms = 0;
  SplitDateTime(value, day, ms);
  return static_cast<TDate>(day);
}

// The tighter of a date limit and the day of a date-time limit (0 = none).
TDate TighterMin(TDate date, TDateTime dateTime) {
  const TDate day = dateTime != 0 ? DayOf(dateTime) : 0;
  if (date == 0) return day;
  return day == 0 ? date : std::max(date, day);
}

TDate TighterMax(TDate date, TDateTime dateTime) {
  const TDate day = dateTime != 0 ? DayOf(dateTime) : 0;
  if (date == 0) return day;
  return day == 0 ? date : std::min(date, day);
}

}  // namespace

void TCustomExZarDatePicker::CreateWnd() {
  TCustomZarDatePicker::CreateWnd();
  if (FCalendar && FCalendar->parentWidget() != this)
    FCalendar->setParent(this, FCalendar->windowFlags());
}

bool TCustomExZarDatePicker::IsInsideCalendar(const QWidget* w) const {
  for (; w; w = w->parentWidget())
    if (w == FCalendar) return true;
  return false;
}

void TCustomExZarDatePicker::DropDown() {
  if (FDroppedDown || !CanModify() || FDestroying) return;
  // A calendar nobody can see is never opened (Enter would take its day).
  if (!isVisible() || !isEnabled()) return;
  if (!IsChecked()) SetChecked(true);
  if (IsNull()) {
    SetIsNull(false);
    Change();
  }
  QPointer<TCustomExZarDatePicker> self(this);
  if (OnDropDown) OnDropDown(this);
  // The handler may have hidden, disabled or destroyed the picker, or
  // opened the calendar itself.
  if (!self || FDroppedDown || !isVisible() || !isEnabled()) return;
  FGiveBackActivation = false;
  ConfigureCalendar();
  PlaceCalendar();
  FCalendar->show();
  FCalendar->raise();
  FDroppedDown = true;
  WatchWindow(true);
}

void TCustomExZarDatePicker::ConfigureCalendar() {
  TDropDownCalendar& c = *FCalendar;
  c.SetUseSystemCalendar(UseSystemCalendar());
  c.SetFont(Font());
  c.SetDigitShape(DigitShape());
  c.SetDefaultBoldDays(FDefaultBoldDays);
  c.OnGetMonthInfo = [this](TObject* sender, Word year, Word month, Cardinal& bold) {
    DoGetMonthInfo(sender, year, month, bold);
  };
  c.SetOptions(FCalendarOptions);
  // The calendar refuses a minimum above its maximum and the reverse: clear
  // both before setting the new pair, whatever the old pair was. The
  // date-time limits narrow the days too, so a day taken never breaks them.
  const TDate minimum = TighterMin(MinDate(), MinDateTime());
  const TDate maximum = TighterMax(MaxDate(), MaxDateTime());
  c.SetMinDate(0);
  c.SetMaxDate(0);
  if (maximum != 0) c.SetMaxDate(maximum);
  if (minimum != 0 && (maximum == 0 || minimum <= maximum)) c.SetMinDate(minimum);
  TDate day = Date();
  if (c.MinDate() != 0) day = std::max(day, c.MinDate());
  if (c.MaxDate() != 0) day = std::min(day, c.MaxDate());
  c.SetDate(day);
  c.setLayoutDirection(layoutDirection());
}

void TCustomExZarDatePicker::PlaceCalendar() {
  // Created and sized first, so that the first opening is placed with the
  // calendar's real size.
  FCalendar->HandleNeeded();
  TDropDownPlacement p;
  p.Picker = QRect(mapToGlobal(QPoint(0, 0)), size());
  p.Calendar = FCalendar->size();
  QScreen* screen = QGuiApplication::screenAt(p.Picker.center());
  if (!screen) screen = this->screen();
  p.Screen = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  p.Align = FDropDownAlign;
  p.RightToLeft = UseRightToLeftAlignment();
  FCalendar->move(PlaceDropDown(p));
}

void TCustomExZarDatePicker::CloseUp(bool accept) {
  if (!FDroppedDown) return;
  if (accept) {
    QPointer<TCustomExZarDatePicker> self(this);
    TakeCalendarDay();
    if (!self || !FDroppedDown) return;  // OnChange closed it already
  }
  FDroppedDown = false;
  WatchWindow(false);
  FGiveBackActivation = QApplication::activeWindow() == FCalendar;
  FCalendar->hide();
  if (OnCloseUp) OnCloseUp(this);
}

// The calendar's day with the picker's time, kept within the picker's
// limits as they are now (they may have moved while the calendar was open).
void TCustomExZarDatePicker::TakeCalendarDay() {
  TDate day = FCalendar->Date();
  const TDate minimum = TighterMin(MinDate(), MinDateTime());
  const TDate maximum = TighterMax(MaxDate(), MaxDateTime());
  if (maximum != 0) day = std::min(day, maximum);
  if (minimum != 0) day = std::max(day, minimum);
  const TDateTime wanted = CombineDateTime(day, Time());
  TDateTime kept = wanted;
  if (MinDateTime() != 0) kept = std::max(kept, MinDateTime());
  if (MaxDateTime() != 0) kept = std::min(kept, MaxDateTime());
  if (kept == wanted)
    SetDate(day);  // the time stays as it is
  else if (kept != DateTime())
    SetDateTime(kept);  // the day's allowed part begins or ends within it
}

// ---- Closing gestures ---------------------------------------------------------------

bool TCustomExZarDatePicker::DialogKey(Word Key, TShiftState Shift) {
  const bool yearEditorShown = FCalendar->YearEdit() && FCalendar->YearEdit()->isVisible();
  if (FDroppedDown && !yearEditorShown && (Key == vk::Return || Key == vk::Escape)) {
    CloseUp(Key == vk::Return);
    Refocus();
    return true;
  }
  return TCustomZarDatePicker::DialogKey(Key, Shift);
}

void TCustomExZarDatePicker::Refocus() {
  // Activation goes back to the form only from the calendar's own window;
  // focus that went to another window or program stays there.
  QWidget* form = window();
  const bool fromCalendar = QApplication::activeWindow() == FCalendar ||
                            (FGiveBackActivation && !QApplication::activeWindow());
  FGiveBackActivation = false;
  if (form->isVisible() && fromCalendar) form->activateWindow();
  if (isVisible() && isEnabled()) SetFocus();
}

void TCustomExZarDatePicker::DoExit() {
  CloseUp(false);
  TCustomZarDatePicker::DoExit();
}

void TCustomExZarDatePicker::FocusLost(QWidget* NewFocus) {
  TCustomZarDatePicker::FocusLost(NewFocus);
  StopTracking();
  if (!FDroppedDown || FDestroying) return;
  // The focus may go to the calendar (a click into it activates its window),
  // or stay put while a menu pops up (the calendar's month menu).
  if (IsInsideCalendar(NewFocus) || QApplication::activeWindow() == FCalendar) return;
  if (NewFocus == this || QApplication::activePopupWidget()) return;
  CloseUp(false);
}

void TCustomExZarDatePicker::CancelMode(QWidget* Sender) {
  TCustomZarDatePicker::CancelMode(Sender);
  StopTracking();
  if (Sender != this && !IsInsideCalendar(Sender)) CloseUp(false);
}

void TCustomExZarDatePicker::VisibleChanged() {
  TCustomZarDatePicker::VisibleChanged();
  if (!isHidden()) return;
  StopTracking();
  CloseUp(false);
}

void TCustomExZarDatePicker::EnabledChanged() {
  TCustomZarDatePicker::EnabledChanged();
  if (isEnabled()) return;
  StopTracking();
  CloseUp(false);
}

bool TCustomExZarDatePicker::event(QEvent* e) {
  // Hidden with its page or window: nobody can see the calendar any more.
  if (e->type() == QEvent::Hide && !FDestroying) {
    StopTracking();
    CloseUp(false);
  }
  return TCustomZarDatePicker::event(e);
}

void TCustomExZarDatePicker::WatchWindow(bool on) {
  if (FWatchedWindow) FWatchedWindow->removeEventFilter(this);
  FWatchedWindow = nullptr;
  if (!on) return;
  FWatchedWindow = window();
  if (FWatchedWindow != this) FWatchedWindow->installEventFilter(this);
}

bool TCustomExZarDatePicker::eventFilter(QObject* watched, QEvent* e) {
  if (watched == FWatchedWindow && FDroppedDown) {
    switch (e->type()) {
      case QEvent::Move:  // the calendar would stay behind
        CloseUp(false);
        break;
      case QEvent::WindowDeactivate:
        if (QApplication::activeWindow() != FCalendar) CloseUp(false);
        break;
      default: break;
    }
  }
  return TCustomZarDatePicker::eventFilter(watched, e);
}

}  // namespace zar
