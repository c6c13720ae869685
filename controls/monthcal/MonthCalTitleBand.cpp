// The title band's controls: created and freed with the options, laid out
// over grid rows 0 and 1, measured for the caption's hot areas.

#include "MonthCalTitleBand.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QResizeEvent>

#include "CustomControl.h"
#include "HostControls.h"
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

TMonthCalTitleBand::TMonthCalTitleBand(TCustomControl* Owner, TTitleBandEvents Events)
    : FOwner(Owner), FEvents(std::move(Events)) {}

// An open year editor loses the focus while the owner's window frees the
// controls; by then the calendar that would take its year is gone.
TMonthCalTitleBand::~TMonthCalTitleBand() {
  if (FYearEdit) FYearEdit->OnEndEdit = {};
  if (FCaption) FCaption->OnMouseDown = {};
  if (FLeftMonthButton) FLeftMonthButton->OnClick = {};
  if (FRightMonthButton) FRightMonthButton->OnClick = {};
}

// ---- Creating and freeing the controls -----------------------------------------------------

void TMonthCalTitleBand::Update(TTitleBandParts Parts, int Height, TColor BackColor,
                                TColor TextColor, TDigitShape Shape,
                                const std::function<std::string(Word)>& MonthName) {
  if (!FPanel) {
    FPanel = new TPanel(FOwner);
    FPanel->resize(FOwner->ClientWidth(), Height);
    FPanel->SetAlign(alTop);
    FPanel->SetColor(BackColor);
    FPanel->show();
    FCaption = new TLabel(FPanel);
    FCaption->setAlignment(Qt::AlignCenter);
    QFont titleFont = FOwner->font();
    titleFont.setBold(true);
    FCaption->setFont(titleFont);
    FCaption->SetFontColor(TextColor);
    FCaption->setGeometry(32, TitleMargin, FPanel->width() - 64, QFontMetrics(titleFont).height());
    SetAnchors(FCaption, {akLeft, akTop, akRight});
    FCaption->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x,
                                   int y) {
      FEvents.OnCaptionMouseDown(sender, button, shift, x, y);
    };
    FCaption->show();
  }

  if (Parts.MonthButtons && !FLeftMonthButton) {
    InitMonthCalGlyphs();
    auto click = [this](TObject* sender) { FEvents.OnMonthButtonClick(sender); };
    FLeftMonthButton = NewMonthButton(FPanel, NextGlyph, click);
    FLeftMonthButton->setGeometry(TitleMargin, TitleMargin, 21, 16);
    FRightMonthButton = NewMonthButton(FPanel, PriorGlyph, click);
    FRightMonthButton->setGeometry(FPanel->width() - 27, TitleMargin, 21, 16);
    SetAnchors(FRightMonthButton, {akTop, akRight});
  } else if (!Parts.MonthButtons && FLeftMonthButton) {
    delete FLeftMonthButton;
    delete FRightMonthButton;
    FLeftMonthButton = FRightMonthButton = nullptr;
  }

  if (Parts.MonthMenu && !FMonthMenu) {
    FMonthMenu = new TPopupMenu(FPanel);
    for (Word month = 1; month <= 12; ++month)
      FMonthMenu->AddItem(MonthName(month), month,
                          [this](TObject* sender) { FEvents.OnMonthMenuClick(sender); });
  } else if (!Parts.MonthMenu && FMonthMenu) {
    delete FMonthMenu;
    FMonthMenu = nullptr;
  }

  if (Parts.YearEditor && !FYearEdit) {
    FYearEdit = new TYearEdit(FPanel);
    FYearEdit->move(30, TitleMargin);
    QFont editFont = FOwner->font();
    editFont.setBold(true);
    FYearEdit->setFont(editFont);
    FYearEdit->SetFontColor(BackColor);
    FYearEdit->SetColor(TextColor);
    FYearEdit->hide();
    FYearEdit->OnEndEdit = [this](TObject* sender, bool accept) {
      FEvents.OnYearEditEnd(sender, accept);
    };
    FYearUpDown = new TUpDown(FPanel);
    FYearUpDown->SetDigitShape(Shape);
    FYearUpDown->SetAssociate(FYearEdit);
    FYearUpDown->hide();
    FYearEdit->SetSpinControl(FYearUpDown);
  } else if (!Parts.YearEditor && FYearEdit) {
    delete FYearEdit;
    delete FYearUpDown;
    FYearEdit = nullptr;
    FYearUpDown = nullptr;
  }
}

// ---- Layout -------------------------------------------------------------------------------------

// The panel covers grid rows 0 and 1 with their lines.
void TMonthCalTitleBand::Realign(int Height) {
  if (!FPanel) return;
  const QPoint origin = FOwner->ClientOrigin();
  FPanel->setGeometry(origin.x(), origin.y(), FOwner->ClientWidth(), Height);
  // A hidden panel hears of its new size only when it is shown, but the
  // anchored caption and right button must follow now: the caption's hot
  // areas are measured on the caption's width right after this.
  if (FPanel->testAttribute(Qt::WA_PendingResizeEvent)) {
    QResizeEvent resized(FPanel->size(), FPanel->size());
    QCoreApplication::sendEvent(FPanel, &resized);
  }
}

void TMonthCalTitleBand::SetCaptionText(const std::string& Text) {
  if (FCaption) FCaption->SetCaption(Text);
}

void TMonthCalTitleBand::Layout(const std::string& MonthText, const std::string& YearText,
                                TTextLayout Layout) {
  if (!FCaption) return;
  const QString monthText = QString::fromStdString(MonthText);
  const QString yearText = QString::fromStdString(YearText);
  const QFontMetrics metrics(FCaption->font());
  const int wM = metrics.horizontalAdvance(monthText);
  const int wY = metrics.horizontalAdvance(yearText);
  const int gap = metrics.horizontalAdvance(monthText + " " + yearText) - wM - wY;
  const int x0 = (FCaption->width() - (wM + wY + gap)) / 2;
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
  FCaption->resize(FCaption->width(), hM);
  int top = (FPanel->height() - hM) / 2;
  if (Layout == tlTop)
    top = TitleMargin;
  else if (Layout == tlBottom)
    top = FPanel->height() - hM - TitleMargin;
  FCaption->move(FCaption->x(), top);

  FMonthTextRect.Top = (FCaption->height() - hM) / 2;
  FMonthTextRect.Bottom = FMonthTextRect.Top + hM;
  const int hY = metrics.height();
  FYearTextRect.Top = (FCaption->height() - hY) / 2;
  FYearTextRect.Bottom = FYearTextRect.Top + hY;
  if (FYearEdit) FYearEdit->resize(FYearEdit->width(), static_cast<int>(hY * 1.125));
}

void TMonthCalTitleBand::FollowFont(const QFont& Font) {
  if (!FCaption) return;
  QFont titleFont = FCaption->font();
  titleFont.setFamily(Font.family());
  if (Font.pointSizeF() > 0)
    titleFont.setPointSizeF(Font.pointSizeF());
  else
    titleFont.setPixelSize(Font.pixelSize());
  FCaption->setFont(titleFont);
}

// ---- Looks
// ----------------------------------------------------------------------------------------

void TMonthCalTitleBand::SetBackColor(TColor Value) {
  if (!FPanel) return;
  FPanel->SetColor(Value);
  if (FYearEdit) FYearEdit->SetFontColor(Value);
}

void TMonthCalTitleBand::SetTextColor(TColor Value) {
  if (FCaption) FCaption->SetFontColor(Value);
  if (FYearEdit) FYearEdit->SetColor(Value);
}

void TMonthCalTitleBand::SetDigitShape(TDigitShape Value) {
  if (FYearUpDown) FYearUpDown->SetDigitShape(Value);
}

void TMonthCalTitleBand::RenameMonths(const std::function<std::string(Word)>& MonthName) {
  if (!FMonthMenu) return;
  for (int i = 0; i < FMonthMenu->Count(); ++i)
    FMonthMenu->Item(i)->SetCaption(MonthName(static_cast<Word>(i + 1)));
}

// ---- The month menu and the year editor
// ----------------------------------------------------------

void TMonthCalTitleBand::PopupMonthMenu(Word Month) {
  if (!FMonthMenu || !FCaption) return;
  if (Month >= 1 && Month <= FMonthMenu->Count())
    FMonthMenu->setActiveAction(FMonthMenu->Item(Month - 1));
  const QPoint p = FOwner->ClientToScreen(
      QPoint(FCaption->x() + FMonthTextRect.Left, FCaption->y() + FMonthTextRect.Bottom));
  FMonthMenu->Popup(p.x(), p.y());
}

void TMonthCalTitleBand::PopupMonthMenuAt(int X) {
  if (!FMonthMenu || !FCaption) return;
  const QPoint p =
      FOwner->ClientToScreen(QPoint(X + FCaption->x(), FCaption->y() + FMonthTextRect.Bottom));
  FMonthMenu->Popup(p.x(), p.y());
}

void TMonthCalTitleBand::ShowYearEditor(int MinYear, int MaxYear, int Year) {
  if (!FYearEdit || !FCaption) return;
  // The editor and its spin are centred on the year text.
  const int w = (FYearEdit->width() + FYearUpDown->width() - FYearTextRect.Width()) / 2;
  FYearEdit->move(FCaption->x() + FYearTextRect.Left - w,
                  FCaption->y() - (FYearEdit->height() - FCaption->height()) / 2);
  FYearUpDown->SetMin(MinYear);
  FYearUpDown->SetMax(MaxYear);
  FYearUpDown->SetPosition(Year);
  FYearEdit->ShowEditor();
  FYearUpDown->SetAssociate(FYearEdit);
  FYearEdit->setFocus(Qt::MouseFocusReason);
}

void TMonthCalTitleBand::CloseYearEditor() {
  if (FYearEdit && FYearEdit->isVisible()) FYearEdit->EndEdit(true);
}

}  // namespace zar
