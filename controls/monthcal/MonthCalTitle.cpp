// The month calendar's title band: a panel over grid rows 0 and 1 with the
// caption (month name and year), a month button at each end, the month menu
// under the month name and the in-place year editor over the year. Every
// change made here collapses a multi-day selection and then goes through
// GotoDate with notification.

#include <QCoreApplication>
#include <QFontMetrics>
#include <QResizeEvent>
#include <algorithm>
#include <cstdlib>

#include "HostControls.h"
#include "HostServices.h"
#include "MonthCalAccessible.h"
#include "MonthCalendar.h"
#include "YearEdit.h"

// The glyphs are resources of the library; a static library needs its
// resources initialised explicitly, outside any namespace.
static void InitMonthCalGlyphs() { Q_INIT_RESOURCE(MonthCalGlyphs); }

namespace zar {

namespace {

constexpr int TitleMargin = 4;
const QString NextGlyph = QStringLiteral(":/zarmc/ZARMC_NEXT");
const QString PriorGlyph = QStringLiteral(":/zarmc/ZARMC_PRIOR");

TSpeedButton* NewMonthButton(QWidget* panel, const QString& glyph, TNotifyEvent onClick) {
  auto* button = new TSpeedButton(panel);
  button->SetGlyph(glyph, 2);
  button->OnClick = std::move(onClick);
  button->show();
  return button;
}

}  // namespace

// ---- Creating and freeing the controls -----------------------------------------------------

void TCustomZarMonthCalendar::UpdateTitleControls() {
  const TMonthCalendarColors& colors = CalColors();
  if (!FTitlePanel) {
    FTitlePanel = new TPanel(this);
    FTitlePanel->resize(ClientWidth(), 2 * (DefaultRowHeight() + GridLineWidth()));
    FTitlePanel->SetAlign(alTop);
    FTitlePanel->SetColor(colors.TitleBackColor());
    FTitlePanel->show();
    FTitleLabel = new TLabel(FTitlePanel);
    FTitleLabel->setAlignment(Qt::AlignCenter);
    QFont titleFont = font();
    titleFont.setBold(true);
    FTitleLabel->setFont(titleFont);
    FTitleLabel->SetFontColor(colors.TitleTextColor());
    FTitleLabel->setGeometry(32, TitleMargin, FTitlePanel->width() - 64,
                             QFontMetrics(titleFont).height());
    SetAnchors(FTitleLabel, {akLeft, akTop, akRight});
    FTitleLabel->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift,
                                      int x, int y) { TitleMouseDown(sender, button, shift, x, y); };
    FTitleLabel->show();
  }

  if (FOptions.Contains(mcoMonthButtons) && !FLeftMonthButton) {
    InitMonthCalGlyphs();
    auto click = [this](TObject* sender) { MonthButtonClick(sender); };
    FLeftMonthButton = NewMonthButton(FTitlePanel, NextGlyph, click);
    FLeftMonthButton->setGeometry(TitleMargin, TitleMargin, 21, 16);
    FRightMonthButton = NewMonthButton(FTitlePanel, PriorGlyph, click);
    FRightMonthButton->setGeometry(FTitlePanel->width() - 27, TitleMargin, 21, 16);
    SetAnchors(FRightMonthButton, {akTop, akRight});
  } else if (!FOptions.Contains(mcoMonthButtons) && FLeftMonthButton) {
    delete FLeftMonthButton;
    delete FRightMonthButton;
    FLeftMonthButton = FRightMonthButton = nullptr;
  }

  if (FOptions.Contains(mcoMonthPopupMenu) && !FMonthMenu) {
    FMonthMenu = new TPopupMenu(FTitlePanel);
    for (Word month = 1; month <= 12; ++month)
      FMonthMenu->AddItem(CalMonthName(month), month,
                          [this](TObject* sender) { MonthMenuClick(sender); });
  } else if (!FOptions.Contains(mcoMonthPopupMenu) && FMonthMenu) {
    delete FMonthMenu;
    FMonthMenu = nullptr;
  }

  if (FOptions.Contains(mcoYearEditor) && !FYearEdit) {
    FYearEdit = new TYearEdit(FTitlePanel);
    FYearEdit->move(30, TitleMargin);
    QFont editFont = font();
    editFont.setBold(true);
    FYearEdit->setFont(editFont);
    FYearEdit->SetFontColor(colors.TitleBackColor());
    FYearEdit->SetColor(colors.TitleTextColor());
    FYearEdit->hide();
    FYearEdit->OnEndEdit = [this](TObject* sender, bool accept) { YearEditClose(sender, accept); };
    FYearUpDown = new TUpDown(FTitlePanel);
    FYearUpDown->SetDigitShape(FDigitShape);
    FYearUpDown->SetAssociate(FYearEdit);
    FYearUpDown->hide();
    FYearEdit->SetSpinControl(FYearUpDown);
  } else if (!FOptions.Contains(mcoYearEditor) && FYearEdit) {
    delete FYearEdit;
    delete FYearUpDown;
    FYearEdit = nullptr;
    FYearUpDown = nullptr;
  }
}

// The title panel covers grid rows 0 and 1 with their lines.
void TCustomZarMonthCalendar::RealignTitle() {
  const QPoint origin = ClientOrigin();
  FTitlePanel->setGeometry(origin.x(), origin.y(), ClientWidth(),
                           2 * (DefaultRowHeight() + GridLineWidth()));
  // A hidden panel hears of its new size only when it is shown, but the
  // anchored label and right button must follow now: the caption's hot
  // areas are measured on the label's width right after this.
  if (FTitlePanel->testAttribute(Qt::WA_PendingResizeEvent)) {
    QResizeEvent resized(FTitlePanel->size(), FTitlePanel->size());
    QCoreApplication::sendEvent(FTitlePanel, &resized);
  }
}

// ---- Laying out the title -----------------------------------------------------------------------

void TCustomZarMonthCalendar::UpdateTitleLayout() {
  if (!FTitleLabel) return;
  TMonthCalAccessible::NameTitleParts(this);
  Word year, month, day;
  CalDecodeDate(FDate, year, month, day);
  const QString monthText = QString::fromStdString(CalMonthName(month));
  const QString yearText = QString::fromStdString(ShapedNumber(year));
  const QFontMetrics metrics(FTitleLabel->font());
  const int wM = metrics.horizontalAdvance(monthText);
  const int wY = metrics.horizontalAdvance(yearText);
  const int gap = metrics.horizontalAdvance(monthText + " " + yearText) - wM - wY;
  const int x0 = (FTitleLabel->width() - (wM + wY + gap)) / 2;
  // A Persian caption reads right to left: the year at the left end, the
  // month at the right end of the centred text. The label shows a caption
  // of Latin letters (a Gregorian month of an English locale) left to
  // right, with the month first.
  const bool yearFirst = (monthText + " " + yearText).isRightToLeft();
  const int leftWidth = yearFirst ? wY : wM;
  TRect& leftRect = yearFirst ? FYearTextRect : FMonthTextRect;
  TRect& rightRect = yearFirst ? FMonthTextRect : FYearTextRect;
  leftRect.Left = x0;
  leftRect.Right = x0 + leftWidth;
  rightRect.Left = x0 + leftWidth + gap;
  rightRect.Right = rightRect.Left + wM + wY - leftWidth;
  if (FYearEdit) FYearEdit->resize(static_cast<int>(wY * 1.125), FYearEdit->height());

  const int hM = metrics.height();
  FTitleLabel->resize(FTitleLabel->width(), hM);
  int top = (FTitlePanel->height() - hM) / 2;
  if (FTitleLayout == tlTop)
    top = TitleMargin;
  else if (FTitleLayout == tlBottom)
    top = FTitlePanel->height() - hM - TitleMargin;
  FTitleLabel->move(FTitleLabel->x(), top);

  FMonthTextRect.Top = (FTitleLabel->height() - hM) / 2;
  FMonthTextRect.Bottom = FMonthTextRect.Top + hM;
  const int hY = metrics.height();
  FYearTextRect.Top = (FTitleLabel->height() - hY) / 2;
  FYearTextRect.Bottom = FYearTextRect.Top + hY;
  if (FYearEdit) FYearEdit->resize(FYearEdit->width(), static_cast<int>(hY * 1.125));
}

void TCustomZarMonthCalendar::SetTitleLayout(TTextLayout Value) {
  if (Value == FTitleLayout) return;
  FTitleLayout = Value;
  if (HandleAllocated()) UpdateTitleLayout();
}

// ---- Month buttons --------------------------------------------------------------------------------

// The button whose arrow points in the reading direction goes forward.
void TCustomZarMonthCalendar::MonthButtonClick(TObject* Sender) {
  CollapseSelection();
  if (FYearEdit && FYearEdit->isVisible()) FYearEdit->EndEdit(true);
  const bool rightToLeft = UseRightToLeftAlignment();
  const bool forward = (Sender == FLeftMonthButton && rightToLeft) ||
                       (Sender == FRightMonthButton && !rightToLeft);
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

// ---- Presses on the title text ------------------------------------------------------------------------

void TCustomZarMonthCalendar::TitleMouseDown(TObject*, TMouseButton Button, TShiftState, int X,
                                             int Y) {
  const bool left = Button == mbLeft;
  if (left && FMonthTextRect.Contains(X, Y) && FOptions.Contains(mcoMonthPopupMenu) && FMonthMenu) {
    const QPoint p = ClientToScreen(
        QPoint(X + FTitleLabel->x(), FTitleLabel->y() + FMonthTextRect.Bottom));
    FMonthMenu->Popup(p.x(), p.y());
    return;
  }
  if (left && FYearTextRect.Contains(X, Y) && FOptions.Contains(mcoYearEditor) && FYearEdit) {
    ShowYearEditor();
    return;
  }
  if (!Focused()) SetFocus();
}

bool TCustomZarMonthCalendar::TitleKey(Word Key, TShiftState Shift) {
  const bool alt = Shift.Contains(ssAlt);
  if ((Key == vk::F4 && !alt) || (Key == vk::Down && alt)) {
    if (!FOptions.Contains(mcoMonthPopupMenu) || !FMonthMenu) return false;
    PopupMonthMenu();
    return true;
  }
  if (Key == vk::F1 + 1 && !alt) {  // F2
    if (!FOptions.Contains(mcoYearEditor) || !FYearEdit) return false;
    ShowYearEditor();
    return true;
  }
  return false;
}

// Under the month name, with the shown month ready for the arrow keys.
void TCustomZarMonthCalendar::PopupMonthMenu() {
  if (!FMonthMenu || !FTitleLabel) return;
  Word year, month, day;
  CalDecodeDate(FDate, year, month, day);
  if (month >= 1 && month <= FMonthMenu->Count()) FMonthMenu->setActiveAction(FMonthMenu->Item(month - 1));
  const QPoint p = ClientToScreen(QPoint(FTitleLabel->x() + FMonthTextRect.Left,
                                         FTitleLabel->y() + FMonthTextRect.Bottom));
  FMonthMenu->Popup(p.x(), p.y());
}

void TCustomZarMonthCalendar::ShowYearEditor() {
  if (!FYearEdit || !FTitleLabel) return;
  // The editor and its spin are centred on the year text.
  const int w = (FYearEdit->width() + FYearUpDown->width() - FYearTextRect.Width()) / 2;
  FYearEdit->move(FTitleLabel->x() + FYearTextRect.Left - w,
                  FTitleLabel->y() - (FYearEdit->height() - FTitleLabel->height()) / 2);
  Word year, month, day;
  CalDecodeDate(FMinDate, year, month, day);
  FYearUpDown->SetMin(FMinDate == 0 ? CalMinYear() : std::max(CalMinYear(), year));
  CalDecodeDate(FMaxDate, year, month, day);
  FYearUpDown->SetMax(FMaxDate == 0 ? 9999 : year);
  CalDecodeDate(FDate, year, month, day);
  FYearUpDown->SetPosition(year);
  FYearEdit->ShowEditor();
  FYearUpDown->SetAssociate(FYearEdit);
  FYearEdit->setFocus(Qt::MouseFocusReason);
}

// ---- Month menu --------------------------------------------------------------------------------------------

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

// ---- Year editor ---------------------------------------------------------------------------------------------

void TCustomZarMonthCalendar::YearEditClose(TObject*, bool Accept) {
  if (Accept) {
    CollapseSelection();
    Word year, month, day;
    CalDecodeDate(FDate, year, month, day);
    const int position = std::abs(FYearUpDown->Position());
    if (position != year) {
      year = static_cast<Word>(position);
      day = std::min(day, CalDaysInMonth(year, month));
      GotoDate(CalEncodeDate(year, month, day), true);
    }
  }
  SetFocus();
}

}  // namespace zar
