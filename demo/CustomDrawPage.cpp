#include "CustomDrawPage.h"

#include <QLabel>

#include "GregorianDates.h"
#include "HostControls.h"
#include "MonthCalendar.h"
#include "ZarDateUtils.h"

namespace zar::demo {

namespace {

constexpr TColor TitleBlue = Rgb(139, 174, 214);

std::string GregorianMonthAndYear(TDateTime date) {
  Word year, month, day;
  DecodeDate(date, year, month, day);
  return FormatSettings.LongMonthNames.at(month - 1) + " " + std::to_string(year);
}

// The calendar has drawn the cell already; days of the month get their
// Gregorian day in small grey figures in their upper corner, and the
// today line the Gregorian date.
void ZarMonthCalendar2DrawCalendarCell(TZarMonthCalendar& Calendar, const TRect& Rect,
                                       TDate CellDate, const std::string& CellText,
                                       TCalendarDrawState State) {
  TCanvas& canvas = Calendar.Canvas();
  if (!State.Contains(cdFixed) && !State.Contains(cdTrailing)) {
    canvas.Brush().SetStyle(TBrushStyle::Clear);
    canvas.Font().SetColor(Rgb(128, 128, 128));
    canvas.Font().SetSize(7);
    Word year, month, day;
    DecodeDate(CellDate, year, month, day);
    const std::string text = std::to_string(day);
    canvas.TextRect(Rect, Rect.Right - canvas.TextWidth(text) - 2, Rect.Top + 2, text);
  } else if (State.Contains(cdFixed) && CellDate == zar::Date()) {
    Calendar.DrawCellText(Rect, CellText + " برابر با " + DateToStr(zar::Date()), State, CellDate);
  }
}

}  // namespace

TCustomDrawPage::TCustomDrawPage(QWidget* parent) : QWidget(parent) {
  auto* panel = new TPanel(this);
  panel->setGeometry(133, 37, 397, 265);
  panel->SetColor(clBtnFace);

  ZarMonthCalendar2 = new TZarMonthCalendar(panel);
  ZarMonthCalendar2->setObjectName("ZarMonthCalendar2");
  ZarMonthCalendar2->SetAutoSize(false);
  ZarMonthCalendar2->setGeometry(16, 16, 367, 203);
  ZarMonthCalendar2->setLayoutDirection(Qt::RightToLeft);
  TMonthCalendarColors& colors = ZarMonthCalendar2->CalColors();
  colors.SetCircleColor(Rgb(255, 128, 0));
  colors.SetTextColor(Rgb(0, 0, 64));
  colors.SetTitleBackColor(TitleBlue);
  colors.SetTrailingTextColor(clSilver);
  colors.SetLinesColor(Rgb(0, 0, 64));
  colors.SetFixedTextColor(Rgb(0, 128, 64));
  ZarMonthCalendar2->SetMaxSelectRange(10);
  ZarMonthCalendar2->SetOptions({mcoToday, mcoTodayCircle, mcoVerticalLine, mcoHorizontalLine,
                                 mcoMonthButtons, mcoMonthPopupMenu, mcoYearEditor});
  ZarMonthCalendar2->SetTitleLayout(tlTop);
  ZarMonthCalendar2->OnClick = [this](TObject*) { ZarMonthCalendar2Click(); };
  ZarMonthCalendar2->OnYMChange = [this](TObject*) { ZarMonthCalendar2YMChange(); };
  ZarMonthCalendar2->OnDrawCalendarCell = [this](TObject*, const TRect& rect, TDate date,
                                                 const std::string& text,
                                                 TCalendarDrawState state) {
    ZarMonthCalendar2DrawCalendarCell(*ZarMonthCalendar2, rect, date, text, state);
  };

  // The strip paints its own background, whatever the style would draw.
  Panel4 = new QLabel(panel);
  Panel4->setObjectName("Panel4");
  Panel4->setGeometry(18, 40, 363, 17);
  Panel4->setLayoutDirection(Qt::LeftToRight);
  Panel4->setAlignment(Qt::AlignCenter);
  Panel4->setAutoFillBackground(true);
  QPalette strip = Panel4->palette();
  strip.setColor(QPalette::Window, ColorToQColor(TitleBlue));
  strip.setColor(QPalette::WindowText, QColor(128, 128, 128));
  Panel4->setPalette(strip);
  Panel4->raise();

  Label8 = new QLabel(panel);
  Label8->setObjectName("Label8");
  Label8->setGeometry(16, 232, 369, 17);
}

void TCustomDrawPage::ZarMonthCalendar2Click() {
  const TDateTime date = ZarMonthCalendar2->Date();
  Label8->setText(QString::fromStdString(ZarFormatDateTime("dddd، d mmmm yyyy", date) + " - " +
                                         FormatDateTime("(c)", date)));
}

void TCustomDrawPage::ZarMonthCalendar2YMChange() {
  Panel4->setText(QString::fromStdString(GregorianMonthAndYear(ZarMonthCalendar2->MonthStart()) +
                                         " / " +
                                         GregorianMonthAndYear(ZarMonthCalendar2->MonthEnd())));
}

}  // namespace zar::demo
