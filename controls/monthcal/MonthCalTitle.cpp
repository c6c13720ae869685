// The month calendar's answers to its title band (MonthCalTitleBand.h): the
// month buttons, presses on the caption, the month menu, the year editor and
// the keys that open them. Every change made here collapses a multi-day
// selection and then goes through GotoDate with notification.

#include <algorithm>
#include <cstdlib>

#include "HostControls.h"
#include "HostServices.h"
#include "MonthCalAccessible.h"
#include "MonthCalTitleBand.h"
#include "MonthCalendar.h"
#include "YearEdit.h"

namespace zar {

// ---- The band's controls --------------------------------------------------------------------

TPanel* TCustomZarMonthCalendar::TitlePanel() const { return FTitleBand->Panel(); }
TLabel* TCustomZarMonthCalendar::TitleLabel() const { return FTitleBand->Caption(); }
TSpeedButton* TCustomZarMonthCalendar::LeftMonthButton() const {
  return FTitleBand->LeftMonthButton();
}
TSpeedButton* TCustomZarMonthCalendar::RightMonthButton() const {
  return FTitleBand->RightMonthButton();
}
TPopupMenu* TCustomZarMonthCalendar::MonthMenu() const { return FTitleBand->MonthMenu(); }
TYearEdit* TCustomZarMonthCalendar::YearEdit() const { return FTitleBand->YearEdit(); }
TUpDown* TCustomZarMonthCalendar::YearUpDown() const { return FTitleBand->YearUpDown(); }
TRect TCustomZarMonthCalendar::MonthTextRect() const { return FTitleBand->MonthTextRect(); }
TRect TCustomZarMonthCalendar::YearTextRect() const { return FTitleBand->YearTextRect(); }

std::unique_ptr<TMonthCalTitleBand> TCustomZarMonthCalendar::NewTitleBand() {
  TTitleBandEvents events;
  events.OnMonthButtonClick = [this](TObject* sender) { MonthButtonClick(sender); };
  events.OnCaptionMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x,
                                     int y) { TitleMouseDown(sender, button, shift, x, y); };
  events.OnMonthMenuClick = [this](TObject* sender) { MonthMenuClick(sender); };
  events.OnYearEditEnd = [this](TObject* sender, bool accept) { YearEditClose(sender, accept); };
  return std::make_unique<TMonthCalTitleBand>(this, std::move(events));
}

int TCustomZarMonthCalendar::TitleHeight() const {
  return 2 * (DefaultRowHeight() + GridLineWidth());
}

void TCustomZarMonthCalendar::UpdateTitleControls() {
  const TMonthCalendarColors& colors = CalColors();
  FTitleBand->Update({FOptions.Contains(mcoMonthButtons), FOptions.Contains(mcoMonthPopupMenu),
                      FOptions.Contains(mcoYearEditor)},
                     TitleHeight(), colors.TitleBackColor(), colors.TitleTextColor(), FDigitShape,
                     [this](Word month) { return CalMonthName(month); });
}

void TCustomZarMonthCalendar::RealignTitle() { FTitleBand->Realign(TitleHeight()); }

// ---- Laying out the title -----------------------------------------------------------------------

void TCustomZarMonthCalendar::UpdateTitleLayout() {
  if (!TitleLabel()) return;
  TMonthCalAccessible::NameTitleParts(this);
  Word year, month, day;
  CalDecodeDate(FDate, year, month, day);
  FTitleBand->Layout(CalMonthName(month), ShapedNumber(year), FTitleLayout);
}

void TCustomZarMonthCalendar::UpdateTitleCaption() {
  Word year, month, day;
  CalDecodeDate(FDate, year, month, day);
  FTitleBand->SetCaptionText(CalMonthName(month) + " " + ShapedNumber(year));
  UpdateTitleLayout();
}

void TCustomZarMonthCalendar::SetTitleLayout(TTextLayout Value) {
  if (Value == FTitleLayout) return;
  FTitleLayout = Value;
  if (HandleAllocated()) UpdateTitleLayout();
}

// ---- Month buttons
// --------------------------------------------------------------------------------

// The button whose arrow points in the reading direction goes forward.
void TCustomZarMonthCalendar::MonthButtonClick(TObject* Sender) {
  CollapseSelection();
  FTitleBand->CloseYearEditor();
  const bool rightToLeft = UseRightToLeftAlignment();
  const bool forward = (Sender == LeftMonthButton() && rightToLeft) ||
                       (Sender == RightMonthButton() && !rightToLeft);
  Word year, month, day;
  bool refused;
  if (forward) {
    CalDecodeDate(FMaxDate, year, month, day);
    refused = FMaxDate != 0 && CalEncodeDate(year, month, 1) <= FDate;
  } else {
    CalDecodeDate(FMinDate, year, month, day);
    refused = FMinDate != 0 && CalEncodeDate(year, month, CalDaysInMonth(year, month)) >= FDate;
  }
  if (refused)
    Beep();
  else
    GotoDate(CalIncMonth(FDate, forward ? 1 : -1), true);
}

// ---- Presses on the title text
// ------------------------------------------------------------------------

void TCustomZarMonthCalendar::TitleMouseDown(TObject*, TMouseButton Button, TShiftState, int X,
                                             int Y) {
  const bool left = Button == mbLeft;
  if (left && MonthTextRect().Contains(X, Y) && FOptions.Contains(mcoMonthPopupMenu) &&
      MonthMenu()) {
    FTitleBand->PopupMonthMenuAt(X);
    return;
  }
  if (left && YearTextRect().Contains(X, Y) && FOptions.Contains(mcoYearEditor) && YearEdit()) {
    ShowYearEditor();
    return;
  }
  if (!Focused()) SetFocus();
}

bool TCustomZarMonthCalendar::TitleKey(Word Key, TShiftState Shift) {
  const bool alt = Shift.Contains(ssAlt);
  if ((Key == vk::F4 && !alt) || (Key == vk::Down && alt)) {
    if (!FOptions.Contains(mcoMonthPopupMenu) || !MonthMenu()) return false;
    PopupMonthMenu();
    return true;
  }
  if (Key == vk::F1 + 1 && !alt) {  // F2
    if (!FOptions.Contains(mcoYearEditor) || !YearEdit()) return false;
    ShowYearEditor();
    return true;
  }
  return false;
}

// Under the month name, with the shown month ready for the arrow keys.
void TCustomZarMonthCalendar::PopupMonthMenu() {
  Word year, month, day;
  CalDecodeDate(FDate, year, month, day);
  FTitleBand->PopupMonthMenu(month);
}

// The spin's range is limited to the years of the limits.
void TCustomZarMonthCalendar::ShowYearEditor() {
  if (!YearEdit() || !TitleLabel()) return;
  Word year, month, day;
  CalDecodeDate(FMinDate, year, month, day);
  const int minYear = FMinDate == 0 ? CalMinYear() : std::max(CalMinYear(), year);
  CalDecodeDate(FMaxDate, year, month, day);
  const int maxYear = FMaxDate == 0 ? 9999 : year;
  CalDecodeDate(FDate, year, month, day);
  FTitleBand->ShowYearEditor(minYear, maxYear, year);
}

// ---- Month menu
// --------------------------------------------------------------------------------------------

void TCustomZarMonthCalendar::MonthMenuClick(TObject* Sender) {
  CollapseSelection();
  const auto* item = qobject_cast<const TMenuItem*>(Sender);
  if (!item) return;
  Word year, month, day;
  CalDecodeDate(FDate, year, month, day);
  if (item->Tag() == month) return;
  month = static_cast<Word>(item->Tag());
  const Word days = CalDaysInMonth(year, month);
  if ((FMinDate != 0 && CalEncodeDate(year, month, days) < FMinDate) ||
      (FMaxDate != 0 && CalEncodeDate(year, month, 1) > FMaxDate)) {
    Beep();
    return;
  }
  GotoDate(CalEncodeDate(year, month, std::min(day, days)), true);
}

// ---- Year editor
// ---------------------------------------------------------------------------------------------

void TCustomZarMonthCalendar::YearEditClose(TObject*, bool Accept) {
  if (Accept) {
    CollapseSelection();
    Word year, month, day;
    CalDecodeDate(FDate, year, month, day);
    const int position = std::abs(YearUpDown()->Position());
    if (position != year) {
      year = static_cast<Word>(position);
      day = std::min(day, CalDaysInMonth(year, month));
      GotoDate(CalEncodeDate(year, month, day), true);
    }
  }
  SetFocus();
}

}  // namespace zar
