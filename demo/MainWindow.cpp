#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "BidiText.h"
#include "CoreArithmeticPage.h"
#include "CoreTextPage.h"
#include "CustomDrawPage.h"
#include "DemoDataSets.h"
#include "DemoFonts.h"
#include "ExPickerPage.h"
#include "FormatSettings.h"
#include "HolidayCalendarPage.h"
#include "HomePage.h"
#include "LinkLabel.h"
#include "MonthCalendarPage.h"
#include "OrdersPage.h"
#include "PageControl.h"
#include "PageTexts.h"
#include "PickerPage.h"
#include "ReportForm.h"
#include "WorkCalendarPage.h"
#include "ZarApplication.h"

namespace zar::demo {

namespace {

constexpr int ClientWidth = 662, ClientHeight = 486;
constexpr int TitleHeight = 81, BottomHeight = 57;
constexpr int MainTitleRight = 649;

const char* const MakerHomeUrl = "https://zardate.example.org/";
const char* const MakerOrderUrl = "https://zardate.example.org/order";

// Page order is navigation order; Tag / 10 is the section.
constexpr int PageTags[] = {0, 21, 31, 41, 42, 43, 44, 11, 12, 51, 52, 53, 54};

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The title area's frame: a rectangle of pen width 2, inset 4 pixels.
class TTitleArea : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
    painter.drawRect(rect().adjusted(4, 4, -4, -4));
  }
};

void SetFontColor(QWidget* Widget, QColor Color) {
  QPalette p = Widget->palette();
  p.setColor(QPalette::WindowText, Color);
  Widget->setPalette(p);
}

void OpenUrl(const char* Url) { QDesktopServices::openUrl(QUrl(QString::fromUtf8(Url))); }

}  // namespace

TForm1::TForm1(const QString& DataDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      FData(std::make_unique<zardemo::TDemoDataSets>(DataDirectory.toStdString())) {
  setWindowTitle("ZarDate 0.1 - نمايش مجموعه تقويم جلالي");
  setLayoutDirection(Qt::RightToLeft);
  setFixedSize(ClientWidth, ClientHeight);
  QFont font(DesignedFormFamily);
  font.setPointSize(8);
  setFont(font);

  BuildTitleArea();
  BuildPages();
  BuildBottomBar();
  FormCreate();
  BindPageDataSets();

  FFocusConnection = connect(qApp, &QApplication::focusChanged, this,
                             [this](QWidget*, QWidget* now) { FocusChanged(now); });
  connect(cxPageControl1, &QStackedWidget::currentChanged, this,
          [this] { GuardedCall([this] { cxPageControl1Change(); }); });
}

TForm1::~TForm1() {
  // The pages go first, without their exits or page changes running on a
  // window that is half gone; then the datasets, whose closing writes the
  // files that changed. Write errors can no longer be reported and are
  // dropped by the datasets themselves.
  disconnect(FFocusConnection);
  cxPageControl1->disconnect(this);
  FHolidayCalendarPage->FormDestroy();
  FWorkCalendarPage->FormDestroy();
  delete cxPageControl1;
  FData.reset();
}

void TForm1::FormCreate() {
  // Both calendars' short dates read and write as yyyy/mm/dd from here on.
  FormatSettings.ShortDateFormat = "yyyy/mm/dd";
  FWorkCalendarPage->AllocDayInfos();
  // A file that cannot be read leaves its dataset closed, silently: the page
  // that opens the dataset meets the error again and reports it then.
  FData->OpenAtStartup();
}

void TForm1::BindPageDataSets() {
  zardemo::TDemoDataSets& data = *FData;
  FPageEnter[43] = [this] { FHolidayCalendarPage->PageEnter(); };
  FPageExit[43] = [this] { FHolidayCalendarPage->PageExit(); };
  // Pages 51 and 54 show the orders unfiltered whenever they are entered.
  // Leaving an orders page posts a record still being edited rather than
  // letting the close throw it away.
  for (const int tag : {51, 54}) {
    FPageEnter[tag] = [&data] {
      data.cdsOrders.SetFiltered(false);
      data.cdsOrders.Open();
    };
    FPageExit[tag] = [&data] {
      if (data.cdsOrders.Active()) data.cdsOrders.CheckBrowseMode();
      data.cdsOrders.Close();
    };
  }
  // The copies of pages 52 and 53 have no file: closing one would only throw
  // its records away, so they stay open until the window closes.
  FPageEnter[44] = [this] { FWorkCalendarPage->cxTabSheet7Enter(); };
  FPageExit[44] = [this] { FWorkCalendarPage->PageExit(); };
  FPageEnter[52] = [&data] { data.cdsOrders2.Open(); };
  FPageEnter[53] = [&data] { data.cdsOrders3.Open(); };
  FPageExit[52] = [&data] {
    if (data.cdsOrders2.Active()) data.cdsOrders2.CheckBrowseMode();
  };
  FPageExit[53] = [&data] {
    if (data.cdsOrders3.Active()) data.cdsOrders3.CheckBrowseMode();
  };
}

void TForm1::Button1Click() {
  if (!FReportForm) return;
  FReportForm->LoadOrders(FData->cdsOrders);
  FReportForm->Preview();
}

void TForm1::BuildTitleArea() {
  auto* area = new TTitleArea(this);
  area->setGeometry(0, 0, ClientWidth, TitleHeight);
  LabelMainTitle = new QLabel(area);
  SetFontColor(LabelMainTitle, QColor(0, 0, 128));
  LabelSubTitle = new QLabel(area);
  SetFontColor(LabelSubTitle, QColor(0, 0, 64));
  LabelDesc1 = new QLabel(area);
  LabelDesc1->setObjectName("LabelDesc1");
  LabelDesc1->setWordWrap(true);
  LabelDesc1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  LabelDesc1->setGeometry(12, 36, 637, 33);
  LabelMainTitle->setObjectName("LabelMainTitle");
  LabelSubTitle->setObjectName("LabelSubTitle");
}

void TForm1::BuildPages() {
  cxPageControl1 = new TDemoPageControl(this);
  cxPageControl1->setGeometry(0, TitleHeight, ClientWidth,
                              ClientHeight - TitleHeight - BottomHeight);
  int number = 1;
  for (const int tag : PageTags) {
    QWidget* page = nullptr;
    if (tag == 0) {
      FHomePage = new THomePage;
      FHomePage->OnSectionClick = [this](int section) { Label67Click(section); };
      FHomePage->OnOrderClick = [] { OpenUrl(MakerOrderUrl); };
      page = FHomePage;
    } else if (tag == 21) {
      page = new TPickerPage;
    } else if (tag == 31) {
      page = new TExPickerPage;
    } else if (tag == 11) {
      page = new TCoreArithmeticPage;
    } else if (tag == 12) {
      page = new TCoreTextPage;
    } else if (tag == 41) {
      page = new TMonthCalendarPage;
    } else if (tag == 42) {
      page = new TCustomDrawPage;
    } else if (tag == 43) {
      FHolidayCalendarPage = new THolidayCalendarPage(FData->ClientDataSet1);
      page = FHolidayCalendarPage;
    } else if (tag == 44) {
      FWorkCalendarPage = new TWorkCalendarPage(*FData);
      page = FWorkCalendarPage;
    } else if (tag >= 51 && tag <= 53) {
      zar::TClientDataSet* orders[] = {&FData->cdsOrders, &FData->cdsOrders2, &FData->cdsOrders3};
      page = new TOrdersPage(*orders[tag - 51], QString("DataSource%1").arg(tag - 49), tag == 53);
    } else if (tag == 54) {
      auto* filterPage = new TOrdersFilterPage(FData->cdsOrders);
      filterPage->OnPrint = [this] { Button1Click(); };
      page = filterPage;
    } else {
      page = new QWidget;
    }
    page->setObjectName(QString("cxTabSheet%1").arg(number++));
    // The page itself takes the focus when activated, so that entering it
    // is noticed even when it holds no control.
    page->setFocusPolicy(Qt::ClickFocus);
    cxPageControl1->AddPage(page, tag);
  }
}

void TForm1::BuildBottomBar() {
  const int top = ClientHeight - BottomHeight;
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(4, top + 2, ClientWidth - 8, 4);

  Label1 =
      new TLinkLabel("ZarDate  -  zardate.example.org", QColor(128, 0, 0), QColor(0, 0, 255), this);
  Label1->setObjectName("Label1");
  Label1->setLayoutDirection(Qt::LeftToRight);
  Label1->setGeometry(12, top + 22, 220, 18);
  Label1->OnClick = [](TLinkLabel*) { OpenUrl(MakerHomeUrl); };

  acHome = new QAction("آغاز", this);
  acPrior = new QAction("پيش >", this);
  acNext = new QAction("< پس", this);
  for (const auto& [action, execute] :
       {std::pair{acHome, &TForm1::acHomeExecute}, std::pair{acPrior, &TForm1::acPriorExecute},
        std::pair{acNext, &TForm1::acNextExecute}})
    connect(action, &QAction::triggered, this,
            [this, execute = execute] { GuardedCall([this, execute] { (this->*execute)(); }); });

  // The buttons keep their own captions and take only the enabled state
  // from their actions.
  struct TBarButton {
    const char* Name;
    const char* Caption;
    int X;
    QAction* Action;
  };
  const TBarButton buttons[] = {{"ButtonHome", "صفحه نخست", 543, acHome},
                                {"ButtonPrior", "پيشين >", 443, acPrior},
                                {"ButtonNext", "< پسين", 349, acNext}};
  for (const TBarButton& entry : buttons) {
    auto* button = new QPushButton(LeftToRight(QString::fromUtf8(entry.Caption)), this);
    button->setObjectName(entry.Name);
    button->setGeometry(entry.X, top + 20, 89, 22);
    QAction* action = entry.Action;
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button,
            [button, action] { button->setEnabled(action->isEnabled()); });
  }
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (FShown) return;
  FShown = true;
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  GuardedCall([this] { FormShow(); });
}

void TForm1::FormShow() {
  const QString family = ChooseFormFamily(QFontDatabase::families());
  if (family != font().family()) {
    QFont formFont = font();
    formFont.setFamily(family);
    // The bottom link inherits it; the labels designed in Arial fall back to it.
    setFont(formFont);
  }
  LabelMainTitle->setFont(DesignedFont("Arial", 14, true, family));
  LabelSubTitle->setFont(DesignedFont("Arial", 8, true, family));
  FHomePage->ApplyFormFamily(family);
  cxPageControl1Change();
}

void TForm1::ActivatePage(int Tag) {
  cxPageControl1->setCurrentIndex(cxPageControl1->IndexOfTag(Tag));
}

void TForm1::cxPageControl1Change() {
  const int t = cxPageControl1->ActivePageTag();
  LabelMainTitle->setText(Text(PageTitles.at(t / 10)));
  LabelMainTitle->adjustSize();
  LabelMainTitle->move(MainTitleRight - LabelMainTitle->width(), 8);
  // Descriptions keep the program's CR LF line breaks; the label breaks at LF.
  LabelDesc1->setText(Text(PageDescription(t)).remove(QChar('\r')));
  LabelSubTitle->setText(QString());
  LabelSubTitle->adjustSize();
  LabelSubTitle->move(LabelMainTitle->x() - LabelSubTitle->width(), 16);
  UpdateNavigation();
  cxPageControl1->currentWidget()->setFocus();
}

void TForm1::Label67Click(int Section) {
  for (int i = 1; i < cxPageControl1->count(); ++i)
    cxPageControl1->SetTabVisible(i, cxPageControl1->PageTag(i) / 10 == Section);
  cxPageControl1->SelectNextPage(true, false);
  UpdateNavigation();
}

void TForm1::acHomeExecute() {
  if (cxPageControl1->currentIndex() != 0) cxPageControl1->setCurrentIndex(0);
}

void TForm1::acPriorExecute() { cxPageControl1->SelectNextPage(false, true); }

void TForm1::acNextExecute() { cxPageControl1->SelectNextPage(true, true); }

void TForm1::acPriorUpdate(QAction* Action) {
  const int active = cxPageControl1->currentIndex();
  const int target = cxPageControl1->FindNextPage(active, Action == acNext, false);
  Action->setEnabled(target >= 0 && target != 0 && active != 0);
}

void TForm1::UpdateNavigation() {
  acPriorUpdate(acPrior);
  acPriorUpdate(acNext);
}

int TForm1::PageOf(QWidget* Widget) const {
  for (; Widget; Widget = Widget->parentWidget()) {
    const int index = cxPageControl1->indexOf(Widget);
    if (index >= 0) return index;
  }
  return -1;
}

void TForm1::FocusChanged(QWidget* Now) {
  // Focus leaving the window (another window activated, a message box) is
  // no move between pages.
  if (!Now || Now->window() != this) return;
  const int page = PageOf(Now);
  if (page == FFocusPage) return;
  const int left = FFocusPage;
  FFocusPage = page;
  if (left >= 0) ExitPage(left);
  if (page >= 0) EnterPage(page);
}

void TForm1::EnterPage(int Index) {
  const auto handler = FPageEnter.find(cxPageControl1->PageTag(Index));
  if (handler != FPageEnter.end()) GuardedCall(handler->second);
}

void TForm1::ExitPage(int Index) {
  const auto handler = FPageExit.find(cxPageControl1->PageTag(Index));
  if (handler != FPageExit.end()) GuardedCall(handler->second);
}

}  // namespace zar::demo
