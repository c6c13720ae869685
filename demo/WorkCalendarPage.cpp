#include "WorkCalendarPage.h"

#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <array>

#include "DemoDataSets.h"
#include "DemoFonts.h"
#include "Exceptions.h"
#include "HostControls.h"
#include "HoursFrame.h"
#include "ScopeExit.h"
#include "TextFormat.h"
#include "ZarApplication.h"
#include "ZarDateUtils.h"

namespace zar::demo {

using zardemo::TDayWorkInfo;
using zardemo::TMergedDays;

namespace {

constexpr Word FirstYear = 1330, LastYear = 1430;
constexpr int LastMonthIndex = 1200;  // 1430/1
constexpr Word Friday = 7;
constexpr TColor NonWorkingGrey = Rgb(220, 220, 220);
constexpr TColor HatchSilver = Rgb(192, 192, 192);
constexpr TColor FixedGrey = Rgb(128, 128, 128);
// The default working hours shown for default days: 08:00-12:00, 13:00-17:00.
constexpr zardemo::THourRange DefaultHours[] = {{480, 720}, {780, 1020}};

QString Text(const char* Utf8) { return QString::fromUtf8(Utf8); }

QLabel* AddLabel(QWidget* Parent, const char* Caption, QRect Bounds) {
  auto* label = new QLabel(Text(Caption), Parent);
  label->setGeometry(Bounds);
  return label;
}

// A glyph pair (enabled, disabled) for the post and cancel buttons: a tick
// or a cross on an olive background that the button makes transparent.
QImage PostGlyph(bool Tick) {
  QImage image(32, 16, QImage::Format_ARGB32);
  image.fill(QColor(128, 128, 0));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int glyph = 0; glyph < 2; ++glyph) {
    const QColor color = glyph == 1 ? QColor(128, 128, 128)
                         : Tick     ? QColor(0, 128, 0)
                                    : QColor(192, 0, 0);
    painter.setPen(QPen(color, 2));
    const int x = glyph * 16;
    if (Tick) {
      painter.drawLine(x + 3, 8, x + 6, 12);
      painter.drawLine(x + 6, 12, x + 13, 3);
    } else {
      painter.drawLine(x + 4, 4, x + 12, 12);
      painter.drawLine(x + 12, 4, x + 4, 12);
    }
  }
  return image;
}

// A small sample cell of the legend, drawn as the calendar draws its days.
class TLegendSwatch : public QWidget {
 public:
  TLegendSwatch(int Kind, QWidget* parent) : QWidget(parent), FKind(Kind) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(r, Qt::white);
    if (FKind == 1) painter.fillRect(r, ColorToQColor(NonWorkingGrey));
    if (FKind == 2) painter.fillRect(r, QBrush(ColorToQColor(HatchSilver), Qt::FDiagPattern));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(r);
  }

 private:
  int FKind;
};

}  // namespace

TWorkCalendarPage::TWorkCalendarPage(zardemo::TDemoDataSets& Data, QWidget* parent)
    : QWidget(parent), FStore(Data.cdsWorkCalendar, Data.cdsWCDetails) {
  FMerged.Reset();
  BuildCalendar();
  BuildEditing();
  BuildLegend();
  EnableEditing(false);
}

TWorkCalendarPage::~TWorkCalendarPage() {
  // The calendar goes with the page's children; it must not call back into
  // a page whose records are gone.
  ZarMonthCalendar4->OnClick = nullptr;
  ZarMonthCalendar4->OnYMChange = nullptr;
  ZarMonthCalendar4->OnYMChanging = nullptr;
  ZarMonthCalendar4->OnDrawCalendarCell = nullptr;
  FreeDayInfos();
}

// ---- Building -----------------------------------------------------------------------------

void TWorkCalendarPage::BuildCalendar() {
  AddLabel(this, "تعيين زمانهاي كار", {200, 6, 450, 20})->setObjectName("LabelHeading");
  AddLabel(this, "انتخاب تاريخ(ها):", {195, 30, 265, 18});
  auto* panel = new QFrame(this);
  panel->setObjectName("CalendarPanel");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(195, 50, 265, 245);

  ZarMonthCalendar4 = new TZarMonthCalendar(panel);
  ZarMonthCalendar4->setObjectName("ZarMonthCalendar4");
  ZarMonthCalendar4->SetAutoSize(false);
  ZarMonthCalendar4->setGeometry(24, -16, 233, 255);
  ZarMonthCalendar4->SetDefaultDrawing(false);
  ZarMonthCalendar4->SetOptions(
      {mcoWeekNumbers, mcoMultiSelect, mcoVerticalLine, mcoHorizontalLine});
  ZarMonthCalendar4->SetTitleLayout(tlBottom);
  ZarMonthCalendar4->CalColors().SetTitleBackColor(Rgb(128, 128, 128));
  ZarMonthCalendar4->CalColors().SetTrailingTextColor(clSilver);
  ZarMonthCalendar4->setFont(
      DesignedFont("Courier New", 12, false, ChooseFormFamily(QFontDatabase::families())));
  ZarMonthCalendar4->setLayoutDirection(Qt::RightToLeft);
  ZarMonthCalendar4->OnClick = [this](TObject*) { ZarMonthCalendar4Click(); };
  ZarMonthCalendar4->OnYMChanging = [this](TObject*, bool& allow) {
    ZarMonthCalendar4YMChanging(allow);
  };
  ZarMonthCalendar4->OnYMChange = [this](TObject*) { ZarMonthCalendar4YMChange(); };
  ZarMonthCalendar4->OnDrawCalendarCell = [this](TObject*, const TRect& rect, TDate date,
                                                 const std::string& text,
                                                 TCalendarDrawState state) {
    ZarMonthCalendar4DrawCalendarCell(rect, date, text, state);
  };

  // A strip with a line along its bottom covers the calendar's top edge.
  auto* cover = new QFrame(panel);
  cover->setGeometry(24, -20, 233, 30);
  cover->setAutoFillBackground(true);
  auto* line = new QFrame(cover);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Plain);
  line->setGeometry(0, 29, 233, 1);

  ScrollBar1 = new QScrollBar(Qt::Vertical, panel);
  ScrollBar1->setObjectName("ScrollBar1");
  ScrollBar1->setGeometry(8, 8, 16, 231);
  ScrollBar1->setRange(0, LastMonthIndex);
  ScrollBar1->setPageStep(12);
  connect(ScrollBar1, &QScrollBar::valueChanged, this,
          [this] { GuardedCall([this] { ScrollBar1Change(); }); });
}

void TWorkCalendarPage::BuildEditing() {
  AddLabel(this, "تاريخ(هاي) انتخاب شده:", {8, 30, 180, 18});
  const char* captions[] = {"پيش فرض", "زمان غيركاري", "زمان كاري غير پيش فرض"};
  QRadioButton** buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(Text(captions[i]), this);
    button->setObjectName(QString("RadioButton%1").arg(i + 1));
    button->setGeometry(8, 50 + 20 * i, 180, 20);
    connect(button, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) GuardedCall([this] { RadioButton1Click(); });
    });
    *buttons[i] = button;
  }

  HoursInfoFrame = new TfmcMultiSelectHI(this);
  HoursInfoFrame->move(28, 120);
  HoursInfoFrame->OnChange = [this](QLineEdit* e) { HoursInfoFrameedStart1Change(e); };
  HoursInfoFrame->OnEnter = [this](QLineEdit* e) { HoursInfoFrameedStart1Enter(e); };
  HoursInfoFrame->OnExit = [this](QLineEdit* e) { HoursInfoFrameedStart1Exit(e); };
  HoursInfoFrame->OnReturn = [this](QLineEdit* e) { HoursInfoFrameedStart1KeyPress(e); };

  sbPost = new TSpeedButton(this);
  sbPost->setObjectName("sbPost");
  sbCancel = new TSpeedButton(this);
  sbCancel->setObjectName("sbCancel");
  int x = 8;
  for (TSpeedButton* button : {sbPost, sbCancel}) {
    button->setGeometry(x, 280, 23, 21);
    button->SetFlat(true);
    button->SetGlyph(PostGlyph(button == sbPost), 2);
    button->hide();
    x += 25;
  }
  sbPost->setToolTip(Text("ثبت"));
  sbCancel->setToolTip(Text("انصراف"));
  sbPost->OnClick = [this](TObject*) { PostEdits(); };
  sbCancel->OnClick = [this](TObject*) { CancelEdits(); };
}

void TWorkCalendarPage::BuildLegend() {
  constexpr int x = 470, w = 184;
  AddLabel(this, "نشانها:", {x, 50, w, 18});
  const char* kinds[] = {"كاري", "غير كاري", "ساعتهاي كاري ويرايش شده"};
  for (int kind = 0; kind < 3; ++kind) {
    const int y = 72 + 24 * kind;
    auto* swatch = new TLegendSwatch(kind, this);
    swatch->setGeometry(x + w - 22, y, 20, 18);
    AddLabel(this, kinds[kind], {x, y, w - 28, 18})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  AddLabel(this, "در تقويم اين ماه:", {x, 150, w, 18});
  QFont mark = ZarMonthCalendar4->font();
  mark.setBold(true);
  mark.setUnderline(true);
  const std::pair<const char*, const char*> marks[] = {{"س", "تغييرات در يكي از روزهاي هفته"},
                                                       {"31", "تغييرات در يك روز خاص"}};
  int y = 172;
  for (const auto& [sample, caption] : marks) {
    QLabel* label = AddLabel(this, sample, {x + w - 28, y, 26, 22});
    label->setFont(mark);
    label->setAlignment(Qt::AlignCenter);
    AddLabel(this, caption, {x, y, w - 30, 22})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    y += 26;
  }
}

QRadioButton* TWorkCalendarPage::TypeButton(int Type) const {
  switch (Type) {
    case 0: return RadioButton1;
    case 1: return RadioButton2;
    case 2: return RadioButton3;
    default: return nullptr;
  }
}

// ---- Day records ------------------------------------------------------------------------------

void TWorkCalendarPage::AllocDayInfos() {
  FMonth = std::make_unique<zardemo::TWorkMonth>();
  FLoaded = false;
  for (Word day = 1; day <= zardemo::MonthSlots; ++day)
    ZarMonthCalendar4->SetDayData(day, &FMonth->Days[day - 1]);
}

void TWorkCalendarPage::FreeDayInfos() {
  if (!FMonth) return;
  for (Word day = 1; day <= zardemo::MonthSlots; ++day) ZarMonthCalendar4->SetDayData(day, nullptr);
  FMonth.reset();
  FLoaded = false;
}

TDayWorkInfo* TWorkCalendarPage::Slot(int Day) const {
  if (Day < 1 || Day > zardemo::MonthSlots) return nullptr;
  return static_cast<TDayWorkInfo*>(ZarMonthCalendar4->DayData(static_cast<Word>(Day)));
}

const TDayWorkInfo& TWorkCalendarPage::DayInfo(int Day) const {
  static const TDayWorkInfo none{};
  const TDayWorkInfo* info = Slot(Day);
  return info ? *info : none;
}

int TWorkCalendarPage::DaysInMonth() const {
  return static_cast<int>(ZarMonthCalendar4->MonthEnd() - ZarMonthCalendar4->MonthStart()) + 1;
}

int TWorkCalendarPage::MonthIndex(TDateTime Date) const {
  Word year, month, day;
  ZarDecodeDate(Date, year, month, day);
  return (year - FirstYear) * 12 + month - 1;
}

void TWorkCalendarPage::SetScrollPosition(int Position) {
  const auto updating = SetForScope(FUpdating);
  ScrollBar1->setValue(std::clamp(Position, 0, LastMonthIndex));
}

// ---- Loading and saving a month
// ------------------------------------------------------------------

void TWorkCalendarPage::LoadMonth() {
  if (!FMonth) return;
  FLoaded = false;
  FUnsaved = false;
  FModified = false;
  try {
    FStore.LoadMonth(ZarMonthCalendar4->MonthStart(), ZarMonthCalendar4->MonthEnd(), *FMonth);
  } catch (...) {
    // Nothing of an unreadable file is shown, and nothing can be posted
    // over it: editing stays off until a month is read.
    RefreshFrame();
    throw;
  }
  FLoaded = true;
  RefreshFrame();
}

void TWorkCalendarPage::SaveMonth() {
  // Records never read must not replace what the file holds.
  if (!FMonth || !FLoaded) return;
  FStore.SaveMonth(ZarMonthCalendar4->MonthStart(), ZarMonthCalendar4->MonthEnd(), *FMonth);
  FUnsaved = false;
}

void TWorkCalendarPage::cxTabSheet7Enter() {
  SetScrollPosition(MonthIndex(ZarMonthCalendar4->Date()));
  if (FLoaded)
    SaveMonth();
  else if (ZarMonthCalendar4->HandleAllocated())
    LoadMonth();  // a file that could not be read is reported again
}

void TWorkCalendarPage::PageExit() {
  if (FUnsaved) SaveMonth();
}

void TWorkCalendarPage::FormDestroy() {
  try {
    if (FModified) SaveMonth();
  } catch (...) {
    // The window is going; a failed write leaves the old file intact.
  }
  FreeDayInfos();
}

// ---- Month navigation
// -------------------------------------------------------------------------------

void TWorkCalendarPage::ScrollBar1Change() {
  if (FUpdating) return;
  const TDateTime date = ZarMonthCalendar4->Date();
  const TDateTime target = ZarIncMonth(date, ScrollBar1->value() - MonthIndex(date));
  // With several days selected the calendar keeps its month for a date among
  // its trailing days; the middle of the target month is never one of them,
  // so the month always follows the scroll bar.
  if (target < ZarMonthCalendar4->MonthStart() || target > ZarMonthCalendar4->MonthEnd()) {
    Word year, month, day;
    ZarDecodeDate(target, year, month, day);
    ZarMonthCalendar4->SetDate(ZarEncodeDate(year, month, 15));
  }
  ZarMonthCalendar4->SetDate(target);
}

void TWorkCalendarPage::ZarMonthCalendar4YMChanging(bool& AllowChange) {
  Word year, month, day;
  ZarDecodeDate(ZarMonthCalendar4->Date(), year, month, day);
  if (year < FirstYear || year > LastYear) {
    AllowChange = false;
    SetScrollPosition(MonthIndex(ZarMonthCalendar4->MonthStart()));
    return;
  }
  try {
    SaveMonth();
  } catch (...) {
    // The month being left keeps its posted days on screen rather than
    // losing them; the calendar stays on it and the error is shown.
    if (FUnsaved) {
      AllowChange = false;
      SetScrollPosition(MonthIndex(ZarMonthCalendar4->MonthStart()));
    }
    if (TApplication* app = TApplication::Instance())
      app->HandleException(std::current_exception());
    if (FUnsaved) return;
  }
  SetScrollPosition((year - FirstYear) * 12 + month - 1);
}

void TWorkCalendarPage::ZarMonthCalendar4YMChange() {
  try {
    LoadMonth();
  } catch (...) {
    if (TApplication* app = TApplication::Instance())
      app->HandleException(std::current_exception());
  }
  ZarMonthCalendar4->InvalidateDays(false, true);
}

void TWorkCalendarPage::ZarMonthCalendar4Click() {
  CancelEdits();
  RefreshFrame();
}

// ---- The frame
// --------------------------------------------------------------------------------------

void TWorkCalendarPage::ShowPostButtons(bool Show) {
  FPending = Show;
  sbPost->setVisible(Show);
  sbCancel->setVisible(Show);
}

void TWorkCalendarPage::GatherSelection() {
  FMerged.Reset();
  if (!FMonth) return;
  const TDateTime start = ZarMonthCalendar4->MonthStart();
  if (ZarMonthCalendar4->SelectedCount() > 0) {
    for (int d = 1; d <= DaysInMonth(); ++d)
      if (ZarMonthCalendar4->IsSelected(start + d - 1)) FMerged.Merge(*Slot(d));
  } else if (const int day = ZarMonthCalendar4->DayOfMonth(); day >= 1 && day <= DaysInMonth()) {
    FMerged.Merge(*Slot(day));
  }
}

void TWorkCalendarPage::EnableEditing(bool Enabled) {
  for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3})
    button->setEnabled(Enabled);
  HoursInfoFrame->setEnabled(Enabled);
}

void TWorkCalendarPage::EnableHourEdits(bool On) {
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < zardemo::HourRows; ++r) HoursInfoFrame->HourEdit(c, r)->setEnabled(On);
  HoursInfoFrame->StartLabel()->setEnabled(On);
  HoursInfoFrame->FinishLabel()->setEnabled(On);
}

void TWorkCalendarPage::RefreshFrame() {
  EnableEditing(FLoaded && ZarMonthCalendar4->SelectedCount() != 0);
  GatherSelection();
  ShowMergedInfo(FMerged.Info, FMerged);
}

void TWorkCalendarPage::ShowMergedInfo(TDayWorkInfo Info, const TMergedDays& States) {
  const auto updating = SetForScope(FUpdating);
  QRadioButton* ticked =
      States.TypeState == zardemo::esUniform ? TypeButton(Info.WorkingType) : nullptr;
  if (!ticked) {
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3}) {
      button->setAutoExclusive(false);
      button->setChecked(false);
      button->setAutoExclusive(true);
    }
    EnableHourEdits(false);
  } else {
    ticked->setChecked(true);
    EnableHourEdits(Info.WorkingType == zardemo::wtOwnHours);
    if (Info.WorkingType == zardemo::wtDefault) {
      for (zardemo::THourRange& range : Info.Hours) range = {-1, -1};
      const TDateTime start = ZarMonthCalendar4->MonthStart();
      for (int d = 1; d <= DaysInMonth(); ++d) {
        const TDateTime date = start + d - 1;
        if (ZarMonthCalendar4->IsSelected(date) && ZarDayOfWeek(date) != Friday) {
          Info.Hours[0] = DefaultHours[0];
          Info.Hours[1] = DefaultHours[1];
          break;
        }
      }
    }
  }
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < zardemo::HourRows; ++r)
      HoursInfoFrame->HourEdit(c, r)->setText(
          States.State(c, r) != zardemo::esUniform
              ? QString()
              : QString::fromStdString(zardemo::MinutesToStr(Info.Value(c, r))));
}

bool TWorkCalendarPage::IsWeekdayCustom(Word WeekDay) const {
  if (!FMonth) return false;
  int d = WeekDay - ZarDayOfWeek(ZarMonthCalendar4->MonthStart()) + 1;
  if (d < 1) d += 7;
  return zardemo::AllDaysCustom(FMonth->Days, d, DaysInMonth());
}

void TWorkCalendarPage::FocusHourEdit(int Tag) {
  if (QLineEdit* edit = HoursInfoFrame->EditOfTag(Tag)) {
    edit->setFocus();
    edit->selectAll();
  }
}

TDayWorkInfo TWorkCalendarPage::ReadFrame() const {
  TDayWorkInfo info = TDayWorkInfo::Empty();
  info.WorkingType = RadioButton1->isChecked()   ? zardemo::wtDefault
                     : RadioButton2->isChecked() ? zardemo::wtNonWorking
                                                 : zardemo::wtOwnHours;
  if (info.WorkingType != zardemo::wtOwnHours) return info;
  for (int c = 0; c < 2; ++c) {
    for (int r = 0; r < zardemo::HourRows; ++r) {
      QLineEdit* edit = HoursInfoFrame->HourEdit(c, r);
      try {
        info.Value(c, r) = zardemo::StrToMinutes(edit->text().trimmed().toStdString());
      } catch (const EConvertError&) {
        edit->setFocus();
        edit->selectAll();
        throw;
      }
    }
  }
  return info;
}

void TWorkCalendarPage::ValidateHours(const TDayWorkInfo& Info) {
  if (const auto error = zardemo::CheckHours(Info)) {
    FocusHourEdit(error->Column + 10 * error->Row);
    throw EInvalidTimeRange(error->Message);
  }
}

void TWorkCalendarPage::CheckDay(int /*Day*/, const TDayWorkInfo& Info) { ValidateHours(Info); }

void TWorkCalendarPage::PostEdits() {
  if (!FMonth || !FLoaded) return;
  const TDayWorkInfo posted = ReadFrame();
  // An edit left empty because the days differ stands for each day's own
  // value, not for "no time": the frame is then checked day by day below.
  const bool anyMixed =
      std::any_of(FMerged.EditStates.begin(), FMerged.EditStates.end(),
                  [](zardemo::TEditState state) { return state == zardemo::esMixed; });
  if (!anyMixed) ValidateHours(posted);
  // Each selected day keeps its own value wherever the days differed and
  // the user left the edit alone; the result is checked as a whole before
  // any day changes.
  const TDateTime start = ZarMonthCalendar4->MonthStart();
  std::vector<std::pair<int, TDayWorkInfo>> results;
  for (int d = 1; d <= DaysInMonth(); ++d) {
    if (!ZarMonthCalendar4->IsSelected(start + d - 1)) continue;
    TDayWorkInfo day = zardemo::ApplyPost(*Slot(d), FMerged, posted);
    CheckDay(d, day);
    zardemo::SortHours(day);
    results.emplace_back(d, day);
  }
  FMerged.Info = posted;
  zardemo::SortHours(FMerged.Info);
  for (const auto& [d, day] : results) {
    if (*Slot(d) == day) continue;
    *Slot(d) = day;
    // Rows beyond the five that the file held are given up once the day's
    // hours are posted anew.
    FMonth->ExtraHours[d - 1].clear();
  }
  ZarMonthCalendar4->InvalidateDays(false, true);
  FModified = true;
  FUnsaved = true;
  RefreshFrame();
  ShowPostButtons(false);
}

void TWorkCalendarPage::CancelEdits() {
  if (!FPending) return;
  RefreshFrame();
  ShowPostButtons(false);
}

// ---- Editing handlers
// -------------------------------------------------------------------------------

void TWorkCalendarPage::HoursInfoFrameedStart1Change(QLineEdit* Edit) {
  if (FUpdating) return;
  const int tag = TfmcMultiSelectHI::TagOf(Edit);
  if (tag < 0) return;
  FMerged.State(tag % 10, tag / 10) = zardemo::esEdited;
  ShowPostButtons(true);
}

void TWorkCalendarPage::HoursInfoFrameedStart1Enter(QLineEdit* Edit) {
  const int tag = TfmcMultiSelectHI::TagOf(Edit);
  if (tag < 0 || FMerged.State(tag % 10, tag / 10) != zardemo::esMixed) return;
  const auto updating = SetForScope(FUpdating);
  Edit->setText(
      QString::fromStdString(zardemo::MinutesToStr(FMerged.Info.Value(tag % 10, tag / 10))));
  Edit->selectAll();
}

void TWorkCalendarPage::HoursInfoFrameedStart1Exit(QLineEdit* Edit) {
  const int tag = TfmcMultiSelectHI::TagOf(Edit);
  if (tag < 0 || FMerged.State(tag % 10, tag / 10) != zardemo::esMixed) return;
  const auto updating = SetForScope(FUpdating);
  Edit->clear();
}

void TWorkCalendarPage::HoursInfoFrameedStart1KeyPress(QLineEdit* Edit) {
  HoursInfoFrameedStart1Change(Edit);
  Edit->deselect();
}

void TWorkCalendarPage::RadioButton1Click() {
  if (!FUpdating) {
    FMerged.TypeState = zardemo::esEdited;
    ShowPostButtons(true);
  }
  EnableHourEdits(RadioButton3->isChecked());
}

// ---- Cell drawing
// -------------------------------------------------------------------------------------

void TWorkCalendarPage::ZarMonthCalendar4DrawCalendarCell(const TRect& Rect, TDate CellDate,
                                                          const std::string& CellText,
                                                          TCalendarDrawState State) {
  TCanvas& canvas = ZarMonthCalendar4->Canvas();
  std::string text = CellText;
  if (State.Contains(cdFixed)) {
    if (!State.Contains(cdWeekNumber)) {
      text = text.substr(0, text.empty() ? 0 : Utf8CharLength(text, 0));
      canvas.Font().SetColor(FixedGrey);
      if (State.Contains(cdDayName) && IsWeekdayCustom(static_cast<Word>(CellDate)))
        canvas.Font().SetStyle({fsBold, fsUnderline});
    }
  } else if (!State.Contains(cdTrailing) && !State.Contains(cdSelected)) {
    // The day comes from the cell's date, never from its text.
    const int day = static_cast<int>(CellDate - ZarMonthCalendar4->MonthStart()) + 1;
    static const TDayWorkInfo none{};
    const TDayWorkInfo* slot = Slot(day);
    const TDayWorkInfo& rec = slot ? *slot : none;
    canvas.Font().SetStyle({});
    if (rec.WorkingType == zardemo::wtOwnHours) {
      canvas.FillRect(Rect);
      canvas.Pen().SetStyle(psClear);
      canvas.Brush().SetColor(HatchSilver);
      canvas.Brush().SetStyle(TBrushStyle::FDiagonal);
      canvas.Rectangle(Rect);
      canvas.Brush().SetStyle(TBrushStyle::Clear);
    } else if (rec.WorkingType == zardemo::wtNonWorking || ZarDayOfWeek(CellDate) == Friday) {
      canvas.Pen().SetStyle(psClear);
      canvas.Brush().SetColor(NonWorkingGrey);
      canvas.Brush().SetStyle(TBrushStyle::Solid);
      canvas.FillRect(Rect);
      canvas.Brush().SetStyle(TBrushStyle::Clear);
    }
    if (rec.WorkingType != zardemo::wtDefault && !IsWeekdayCustom(ZarDayOfWeek(CellDate)))
      canvas.Font().SetStyle({fsBold, fsUnderline});
  }
  ZarMonthCalendar4->DrawCellText(Rect, text, State, CellDate);
  if (State.Contains(cdFocused)) {
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetWidth(2);
    canvas.Brush().SetStyle(TBrushStyle::Clear);
    canvas.MoveTo(Rect.Left, Rect.Top);
    canvas.LineTo(Rect.Right, Rect.Top);
    canvas.LineTo(Rect.Right, Rect.Bottom);
    canvas.LineTo(Rect.Left, Rect.Bottom);
    canvas.LineTo(Rect.Left, Rect.Top);
    canvas.Pen().SetWidth(1);
  }
}

}  // namespace zar::demo
