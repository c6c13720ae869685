// The month calendar's model: the calendar adapters, the month layout, the
// cell content, bold days, date limits and GotoDate. None of it needs the
// window: a calendar that was never shown lays out and answers the same.

#include <cmath>
#include <cstdlib>

#include "CalendarRoutines.h"
#include "ControlAccessibility.h"
#include "DaySelection.h"
#include "GregorianDates.h"
#include "MonthCalAccessible.h"
#include "MonthCalTitleBand.h"
#include "MonthCalendar.h"
#include "MonthGrid.h"
#include "QtDates.h"
#include "ScopeExit.h"
#include "TextFormat.h"
#include "ZarDateUtils.h"

namespace zar {

namespace {

constexpr Cardinal WeekdayBits = 0x10204081;  // bits 0, 7, 14, 21 and 28

// The first day column shows weekday 1 of the active calendar: Saturday,
// or Monday in the Gregorian calendar.
constexpr Word FirstWeekDay = 1;

TDateTime Today() { return zar::Date(); }

TDateTime WholeDay(TDateTime Value) { return std::trunc(Value); }

}  // namespace

// ---- Construction -------------------------------------------------------------------

TCustomZarMonthCalendar::TCustomZarMonthCalendar(QWidget* parent)
    : TCustomGrid(parent),
      FSelection(std::make_unique<TDaySelection>()),
      FCalColors(std::make_unique<TMonthCalendarColors>(this)) {
  FTitleBand = NewTitleBand();
  resize(305, 154);
  FDate = Today();
  FGrid = std::make_unique<TMonthGrid>(
      FDate, Calendar(), FirstWeekDay,
      TMonthGridShape{FOptions.Contains(mcoWeekNumbers), FOptions.Contains(mcoToday)});
  SetFixedRows(TMonthGrid::FixedRows);
  ApplyGridShape(FGrid->Shape());
  SetGridLineWidth(1);
  // Lay out the month now, so that the cell queries hold before the
  // window exists.
  UpdateCalendar();
  InstallControlAccessibility();
}

// The title band detaches its controls before the widget base frees them.
TCustomZarMonthCalendar::~TCustomZarMonthCalendar() = default;

void TCustomZarMonthCalendar::Loaded() {
  FLoading = false;
  UpdateCalendar();
}

void TCustomZarMonthCalendar::CreateWnd() {
  TCustomGrid::CreateWnd();
  SetColor(CalColors().MonthBackColor());
  if (FAutoSize) AdjustCalendarSize();
  // A re-created window keeps the title band and the layout it has.
  if (!TitlePanel()) {
    UpdateTitleControls();
    UpdateCalendar();
    DoYMChange();
  }
}

// ---- Calendar adapters ------------------------------------------------------------------

const TCalendarRoutines& TCustomZarMonthCalendar::Calendar() const {
  return CalendarRoutines(FUseSystemCalendar);
}

void TCustomZarMonthCalendar::CalDecodeDate(TDateTime Date, Word& Year, Word& Month,
                                            Word& Day) const {
  Calendar().DecodeDate(Date, Year, Month, Day);
}

TDateTime TCustomZarMonthCalendar::CalEncodeDate(Word Year, Word Month, Word Day) const {
  return Calendar().EncodeDate(Year, Month, Day);
}

Word TCustomZarMonthCalendar::CalDayOfWeek(TDateTime Date) const {
  return Calendar().DayOfWeek(Date);
}

TDateTime TCustomZarMonthCalendar::CalIncMonth(TDateTime Date, Integer NumberOfMonths) const {
  return Calendar().IncMonth(Date, NumberOfMonths);
}

bool TCustomZarMonthCalendar::CalIsLeapYear(Word Year) const { return Calendar().IsLeapYear(Year); }

Word TCustomZarMonthCalendar::CalDaysInMonth(Word Year, Word Month) const {
  return Calendar().DaysInMonth(Year, Month);
}

Word TCustomZarMonthCalendar::CalWeekOfYear(TDateTime Date) const {
  return Calendar().WeekOfYear(Date);
}

std::string TCustomZarMonthCalendar::CalDateToStr(TDateTime Date) const {
  return Calendar().DateToStr(Date);
}

std::string TCustomZarMonthCalendar::CalMonthName(Word Month) const {
  return FUseSystemCalendar ? FormatSettings.LongMonthNames.at(Month - 1)
                            : ZarLongMonthNames.at(Month);
}

// WeekDay 1..7 of the active calendar; the host's table starts on Sunday.
std::string TCustomZarMonthCalendar::CalDayName(Word WeekDay) const {
  return FUseSystemCalendar ? FormatSettings.LongDayNames.at(WeekDay % 7)
                            : ZarLongDayNames.at(WeekDay);
}

Word TCustomZarMonthCalendar::CalMinYear() const { return Calendar().MinYear; }

std::string TCustomZarMonthCalendar::ShapedNumber(unsigned Number) const {
  return ShapeDigits(std::to_string(Number), FDigitShape);
}

// ---- Cells and indexes ----------------------------------------------------------------------

TDateTime TCustomZarMonthCalendar::FirstCellDate() const { return FGrid->FirstCell(); }
TDateTime TCustomZarMonthCalendar::LastCellDate() const { return FGrid->LastCell(); }
TDateTime TCustomZarMonthCalendar::MonthStart() const { return FGrid->MonthStart(); }
TDateTime TCustomZarMonthCalendar::MonthEnd() const { return FGrid->MonthEnd(); }

Word TCustomZarMonthCalendar::CellToIndex(Word ACol, Word ARow) const {
  return FGrid->CellToIndex(ACol, ARow);
}

void TCustomZarMonthCalendar::IndexToCell(Word Index, Word& Col, Word& Row) const {
  FGrid->IndexToCell(Index, Col, Row);
}

int TCustomZarMonthCalendar::CurrentIndex() const {
  return CellToIndex(static_cast<Word>(Col()), static_cast<Word>(Row()));
}

// The grid base's column and row counts follow the month grid's shape.
void TCustomZarMonthCalendar::ApplyGridShape(TMonthGridShape Shape) {
  FGrid->SetShape(Shape);
  SetFixedCols(FGrid->FixedCols());
  SetColCount(FGrid->ColCount());
  SetRowCount(FGrid->RowCount());
}

void TCustomZarMonthCalendar::GetCellInfo(int ACol, int ARow, TCalendarDrawState& State,
                                          std::string& Text, TDateTime& CellDate) {
  State = {cdFixed};
  Text.clear();
  CellDate = 0;
  switch (FGrid->KindOf(ACol, ARow)) {
    case TGridCellKind::Title: break;
    case TGridCellKind::TodayLine:
      CellDate = Today();
      Text = "امروز: " + ShapeDigits(CalDateToStr(CellDate), FDigitShape);
      break;
    case TGridCellKind::WeekNumber: {
      const Word week = FGrid->WeekNumber(ARow);
      CellDate = week;
      Text = ShapedNumber(week);
      State.Include(cdWeekNumber);
      break;
    }
    case TGridCellKind::DayName: {
      const Word weekDay = FGrid->WeekDayOf(ACol);
      CellDate = weekDay;
      Text = CalDayName(weekDay);
      State.Include(cdDayName);
      break;
    }
    case TGridCellKind::Corner: Text = "هفته"; break;
    case TGridCellKind::Day: {
      State = {};
      CellDate = FGrid->DateOf(CellToIndex(static_cast<Word>(ACol), static_cast<Word>(ARow)));
      Word year, month, day;
      CalDecodeDate(CellDate, year, month, day);
      Text = ShapedNumber(day);
      if (!FGrid->InMonth(CellDate)) {
        State.Include(cdTrailing);
      } else {
        const auto bit = static_cast<unsigned>(CellDate - FGrid->MonthStart());
        if ((FMonthBoldDays >> bit) & 1U) State.Include(cdBold);
      }
      if (IsSelected(CellDate)) State.Include(cdSelected);
      break;
    }
  }
}

Integer TCustomZarMonthCalendar::DayOfMonth() const {
  return static_cast<Integer>(std::trunc(FDate - FGrid->MonthStart() + 1));
}

// ---- Laying out a month ---------------------------------------------------------------------

// Raises when the active calendar cannot show the month of Date (before
// its epoch or beyond its last year), so callers check before they change.
void TCustomZarMonthCalendar::GetMonthBounds(TDateTime Date, TDateTime& FirstCell,
                                             TDateTime& MonthStart, TDateTime& MonthEnd) const {
  const TMonthGrid grid(Date, Calendar(), FirstWeekDay, FGrid->Shape());
  FirstCell = grid.FirstCell();
  MonthStart = grid.MonthStart();
  MonthEnd = grid.MonthEnd();
}

void TCustomZarMonthCalendar::UpdateMonthBounds() {
  *FGrid = TMonthGrid(FDate, Calendar(), FirstWeekDay, FGrid->Shape());
}

void TCustomZarMonthCalendar::UpdateCalendar() {
  // Cleared on the way out, not restored: a month-info handler that moves
  // the date runs a nested update, and what is left of this one has always
  // run with the flag down after that.
  FUpdating = true;
  const TScopeExit updated([this] { FUpdating = false; });
  UpdateMonthBounds();
  Word year, month, day;
  CalDecodeDate(FDate, year, month, day);
  GetMonthInfo(year, month);
  InvalidateDays(false, false);
  Word col, row;
  IndexToCell(static_cast<Word>(FDate - FGrid->FirstCell()), col, row);
  MoveCurrent(col, row);
  if (!SingleMode()) ResetSelection(false, true);
  if (TitlePanel()) UpdateTitleCaption();
}

void TCustomZarMonthCalendar::MoveCursor(TDateTime Value) {
  Word col, row;
  IndexToCell(static_cast<Word>(std::trunc(Value - FirstCellDate())), col, row);
  // Cleared, not restored, as in UpdateCalendar: a month-info handler can
  // move the date while an update is under way.
  FUpdating = true;
  const TScopeExit updated([this] { FUpdating = false; });
  SetCol(col);
  SetRow(row);
}

// ---- Bold days ----------------------------------------------------------------------------------

Cardinal TCustomZarMonthCalendar::WeekdayDaysMask(Word Year, Word Month, Word WeekDay) const {
  if (FUseSystemCalendar) {
    WeekDay = static_cast<Word>(WeekDay + 5);
    if (WeekDay > 7) WeekDay = static_cast<Word>(WeekDay - 7);
  }
  const int diff = WeekDay - CalDayOfWeek(CalEncodeDate(Year, Month, 1));
  if (diff > 0) return WeekdayBits << diff;
  Cardinal mask = WeekdayBits >> -diff;
  if (35 + diff < 31) mask |= Cardinal{1} << (35 + diff);
  return mask;
}

void TCustomZarMonthCalendar::GetMonthInfo(Word Year, Word Month) {
  FMonthBoldDays = FDefaultBoldDays == dbdNone
                       ? 0
                       : WeekdayDaysMask(Year, Month, static_cast<Word>(FDefaultBoldDays + 1));
  if (OnGetMonthInfo) OnGetMonthInfo(this, Year, Month, FMonthBoldDays);
}

void TCustomZarMonthCalendar::SetDefaultBoldDays(TDefaultBoldDays Value) {
  if (Value == FDefaultBoldDays) return;
  FDefaultBoldDays = Value;
  if (Value == dbdNone) {
    FMonthBoldDays = 0;
  } else {
    Word year, month, day;
    CalDecodeDate(FGrid->MonthStart(), year, month, day);
    FMonthBoldDays = WeekdayDaysMask(year, month, static_cast<Word>(Value + 1));
  }
  if (HandleAllocated()) InvalidateDays(false, false);
}

void TCustomZarMonthCalendar::SetMonthBoldDays(Cardinal Value) {
  if (Value == FMonthBoldDays) return;
  const Cardinal changed = FMonthBoldDays ^ Value;
  FMonthBoldDays = Value;
  for (Word day = 1; day <= 31; ++day)
    if ((changed >> (day - 1)) & 1U) InvalidateDay(day);
}

// ---- Repainting days
// ------------------------------------------------------------------------------

void TCustomZarMonthCalendar::InvalidateDay(Word Day) {
  Word col, row;
  const auto first = static_cast<Integer>(FGrid->FirstCell());
  IndexToCell(static_cast<Word>(static_cast<Integer>(FGrid->MonthStart()) + Day - first - 1), col,
              row);
  InvalidateCell(col, row);
}

void TCustomZarMonthCalendar::InvalidateDays(bool /*Erase: Qt always repaints the background*/,
                                             bool IncludeDayNames) {
  const int lineWidth = GridLineWidth();
  const int rowExtent = DefaultRowHeight() + lineWidth;
  TRect r{0, FixedRows() * rowExtent, ColCount() * (DefaultColWidth() + lineWidth),
          RowCount() * rowExtent};
  if (IncludeDayNames) r.Top -= rowExtent;
  if (FOptions.Contains(mcoToday)) r.Bottom -= DefaultRowHeight();
  InvalidateRect(ToScreen(r));
}

// ---- Moving the date
// --------------------------------------------------------------------------------

void TCustomZarMonthCalendar::GotoDate(TDateTime NewDate, bool Notify) {
  const TDateTime oldDate = FDate;
  ClampDate(NewDate);
  NewDate = WholeDay(NewDate);
  TDateTime first, start, end;
  GetMonthBounds(NewDate, first, start, end);  // raises before anything changes
  const bool notifyChange = Notify && FDate != NewDate;
  FDate = NewDate;
  const bool inMonth = FGrid->InMonth(FDate);
  const bool keepMonth = (HasMultiSelection() || FShiftSelecting) && FGrid->Visible(FDate);
  bool monthChanged = false;
  if (inMonth || keepMonth) {
    MoveCursor(FDate);
  } else if (DoYMChanging()) {
    UpdateCalendar();
    DoYMChange();
    monthChanged = true;
  } else {
    FDate = oldDate;
    MoveCursor(FDate);
    return;
  }
  if (monthChanged || FDate != oldDate) TMonthCalAccessible::NotifyDateChanged(this, monthChanged);
  if (notifyChange) Change();
}

void TCustomZarMonthCalendar::ClampDate(TDateTime& Value) const {
  if (FMinDate != 0 && Value < FMinDate)
    Value = FMinDate;
  else if (FMaxDate != 0 && Value > FMaxDate)
    Value = FMaxDate;
}

bool TCustomZarMonthCalendar::DoYMChanging() {
  bool allowChange = true;
  if (OnYMChanging) OnYMChanging(this, allowChange);
  return allowChange;
}

void TCustomZarMonthCalendar::DoYMChange() {
  if (OnYMChange) OnYMChange(this);
}

// The user changed the date or the selection: the calendar's OnClick.
void TCustomZarMonthCalendar::Change() {
  TCustomControl::Click();
  emit clicked(DateTimeToQDate(FDate));
}

// ---- Date limits
// ----------------------------------------------------------------------------------------

bool TCustomZarMonthCalendar::IsValidDate(TDateTime Value) const {
  return !((FMaxDate != 0 && Value > FMaxDate) || (FMinDate != 0 && Value < FMinDate));
}

void TCustomZarMonthCalendar::CheckDateLimits(TDateTime Value) const {
  if (FMaxDate != 0 && Value > FMaxDate)
    throw EZarDateTimeError(Format(SZarDateTimeMax, CalDateToStr(Value), ZarDateToStr(FMaxDate)));
  if (FMinDate != 0 && Value < FMinDate)
    throw EZarDateTimeError(Format(SZarDateTimeMin, CalDateToStr(Value), ZarDateToStr(FMinDate)));
}

void TCustomZarMonthCalendar::SetMaxDate(TDate Value) {
  Value = WholeDay(Value);
  if (Value == FMaxDate) return;
  if (Value != 0 && FMinDate != 0 && Value < FMinDate)
    throw ECustomCalendarError(
        Format(SZarDateTimeMin, CalDateToStr(Value), ZarDateToStr(FMinDate)));
  if (Value != 0 && FDate > Value)
    MoveDateOntoLimit(FMaxDate, Value);
  else
    FMaxDate = Value;
}

void TCustomZarMonthCalendar::SetMinDate(TDate Value) {
  Value = WholeDay(Value);
  if (Value == FMinDate) return;
  if (Value != 0 && FMaxDate != 0 && Value > FMaxDate)
    throw ECustomCalendarError(
        Format(SZarDateTimeMax, CalDateToStr(Value), ZarDateToStr(FMaxDate)));
  if (Value != 0 && FDate < Value)
    MoveDateOntoLimit(FMinDate, Value);
  else
    FMinDate = Value;
}

// Stores a limit that the date lies beyond and moves the date onto it; a
// limit the calendar cannot show is refused whole.
void TCustomZarMonthCalendar::MoveDateOntoLimit(TDate& Limit, TDate Value) {
  const TDate old = Limit;
  Limit = Value;
  if (FLoading) {
    FDate = Value;
    return;
  }
  try {
    GotoDate(Value, false);
  } catch (...) {
    Limit = old;
    throw;
  }
}

// ---- Other property setters
// ---------------------------------------------------------------------------------

void TCustomZarMonthCalendar::SetDate(TDate Value) {
  Value = WholeDay(Value);
  if (Value == FDate) return;
  CheckDateLimits(Value);
  if (FLoading) {
    FDate = Value;
    return;
  }
  GotoDate(Value, false);
  ResetSelection(true, true);
}

void TCustomZarMonthCalendar::SetUseCurrentDate(bool Value) {
  if (Value == FUseCurrentDate) return;
  FUseCurrentDate = Value;
  if (Value) GotoDate(Today(), false);
}

// The caption's hot areas are measured again on the new digits.
void TCustomZarMonthCalendar::SetDigitShape(TDigitShape Value) {
  if (Value == FDigitShape) return;
  FDigitShape = Value;
  FTitleBand->SetDigitShape(Value);
  if (TitleLabel()) UpdateTitleCaption();
  Invalidate();
}

void TCustomZarMonthCalendar::SetUseSystemCalendar(bool Value) {
  if (Value == FUseSystemCalendar) return;
  FUseSystemCalendar = Value;
  try {
    UpdateCalendar();  // raises before it changes anything
  } catch (...) {
    // The other calendar cannot show this date: stay with this one.
    FUseSystemCalendar = !Value;
    throw;
  }
  FTitleBand->RenameMonths([this](Word month) { return CalMonthName(month); });
  Invalidate();
  DoYMChange();
}

void TCustomZarMonthCalendar::SetDefaultDrawing(bool Value) {
  if (Value == FDefaultDrawing) return;
  FDefaultDrawing = Value;
  Invalidate();
}

// ---- Day data
// -----------------------------------------------------------------------------------------------

namespace {

void CheckDayNumber(Word Day) {
  if (Day < 1 || Day > 31) throw EMonthCalError(Format(SZarInvalidDayNumber, Day));
}

}  // namespace

void* TCustomZarMonthCalendar::DayData(Word Day) const {
  CheckDayNumber(Day);
  return FDayData ? (*FDayData)[Day - 1] : nullptr;
}

void TCustomZarMonthCalendar::SetDayData(Word Day, void* Value) {
  CheckDayNumber(Day);
  if (!FDayData) FDayData = std::make_unique<std::array<void*, 31>>();  // all null
  (*FDayData)[Day - 1] = Value;
}

}  // namespace zar
