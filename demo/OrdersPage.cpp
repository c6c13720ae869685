#include "OrdersPage.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "ClientDataSet.h"
#include "DBEdit.h"
#include "DBExZarDatePicker.h"
#include "DBGrid.h"
#include "DBNavigator.h"
#include "DemoFonts.h"
#include "ExZarDatePicker.h"
#include "GregorianDates.h"
#include "OptionControls.h"
#include "ZarApplication.h"

namespace zar::demo {

namespace {

constexpr int PageWidth = 662;
constexpr int GridW = 401, GridH = 120, NavigatorW = 240, NavigatorH = 18;
constexpr int Margin = 8;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// Operators of items 0 to 5, 8 and 9 of the operator list.
const char* const FilterOperators[FilterOperatorCount] = {
    "=", ">", "<", ">=", "<=", "<>", "", "", "IS NULL", "IS NOT NULL"};

const char* const OperatorTexts[FilterOperatorCount] = {
    "برابر", "پس از", "پيش از",  "برابر يا پس از", "برابر يا پيش از",
    "مخالف", "بين",   "خارج از", "تهي باشد",       "تهي نباشد"};

// The platform's Gregorian short date of Day, quoted for a filter.
std::string QuotedDate(TDate Day) {
  std::string result = "'";
  for (const char c : DateToStr(Day)) {
    if (c == '\'') result += '\'';
    result += c;
  }
  return result + "'";
}

// The grid and its navigator, at the right of the page or, reading left to
// right, at its left.
TDBGrid* AddGrid(QWidget* Page, TDataSource& Source, bool AtLeft, TDBNavigator*& Navigator) {
  const int x = AtLeft ? Margin : PageWidth - Margin - GridW;
  auto* grid = new TDBGrid(Page);
  grid->setObjectName("DBGrid");
  if (AtLeft) grid->setLayoutDirection(Qt::LeftToRight);
  grid->setGeometry(x, Margin, GridW, GridH);
  QFont title = grid->TitleFont();
  title.setFamily(ChooseFormFamily(QFontDatabase::families()));
  grid->SetTitleFont(title);
  grid->SetDataSource(&Source);
  Navigator = new TDBNavigator(Page);
  Navigator->setObjectName("DBNavigator");
  Navigator->SetFlat(true);
  Navigator->SetVisibleButtons(AllNavButtons);
  Navigator->setLayoutDirection(Qt::LeftToRight);
  Navigator->setGeometry(AtLeft ? x : x + GridW - NavigatorW, Margin + GridH + 4, NavigatorW,
                         NavigatorH);
  Navigator->SetDataSource(&Source);
  return grid;
}

QLabel* AddLabel(QWidget* Parent, const QString& Caption, QRect Bounds) {
  auto* label = new QLabel(Caption, Parent);
  label->setGeometry(Bounds);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

}  // namespace

std::string OrderFilterText(int Item, TDate D1, TDate D2) {
  if (Item < 0 || Item >= FilterOperatorCount) return {};
  const std::string between =
      "((ShipDate >= " + QuotedDate(D1) + ") AND (ShipDate <= " + QuotedDate(D2) + "))";
  switch (Item) {
    case 6: return between;
    case 7: return "NOT " + between;
    case 8:
    case 9: return std::string("(ShipDate ") + FilterOperators[Item] + ")";
    default: return std::string("(ShipDate ") + FilterOperators[Item] + QuotedDate(D1) + ")";
  }
}

// ---- Pages 51 to 53 --------------------------------------------------------------------------

TOrdersPage::TOrdersPage(TClientDataSet& Orders, const QString& SourceName, bool Gregorian,
                         QWidget* parent)
    : QWidget(parent) {
  FDataSource.SetDataSet(&Orders);
  FGrid = AddGrid(this, FDataSource, Gregorian, FNavigator);
  FGrid->setObjectName("DBGrid" + SourceName.mid(QStringLiteral("DataSource").size()));

  // Captions at the right, then the DBEdit column, then the pickers.
  constexpr int CaptionX = 560, CaptionW = 94, EditRight = 552, PickerRight = 384;
  constexpr int HeaderY = 162, RowY = 186, RowStep = 28, RowH = 21, PickerW = 158;
  AddLabel(this, "DBEdit", {EditRight - 158, HeaderY, 158, 17})->setObjectName("LabelDBEdit");
  AddLabel(this, "DBExZarDatePicker", {PickerRight - PickerW, HeaderY, PickerW, 17})
      ->setObjectName("LabelDBExZarDatePicker");
  struct TRow {
    const char* Caption;
    const char* Field;
    int EditWidth;
    bool Picker;
  };
  const TRow rows[] = {{"شماره سفارش", "OrderNo", 62, false},
                       {"لحظه دريافت", "RecieveTime", 158, true},
                       {"مبلغ پرداختي", "AmountPaid", 110, false},
                       {"تاريخ ارسال", "ShipDate", 158, true}};
  int y = RowY;
  for (const TRow& row : rows) {
    AddLabel(this, Text(row.Caption), {CaptionX, y + 2, CaptionW, 17});
    auto* edit = new TDBEdit(this);
    edit->setObjectName(QString("DBEdit") + row.Field);
    edit->setGeometry(EditRight - row.EditWidth, y, row.EditWidth, RowH);
    edit->SetDataSource(&FDataSource);
    edit->SetDataField(row.Field);
    if (row.Picker) {
      auto* picker = new TDBExZarDatePicker(this);
      picker->setObjectName(QString("DBExZarDatePicker") + row.Field);
      picker->SetBounds(PickerRight - PickerW, y, PickerW, RowH);
      picker->SetKind(std::string(row.Field) == "ShipDate" ? dtkDate : dtkDateTime);
      picker->SetUseSystemCalendar(Gregorian);
      picker->SetDataSource(&FDataSource);
      picker->SetDataField(row.Field);
      (std::string(row.Field) == "ShipDate" ? FShipDate : FReceiveTime) = picker;
    }
    y += RowStep;
  }
}

TDBEdit* TOrdersPage::Edit(const char* FieldName) const {
  return findChild<TDBEdit*>(QString("DBEdit") + FieldName);
}

// ---- Page 54 ---------------------------------------------------------------------------------

TOrdersFilterPage::TOrdersFilterPage(TClientDataSet& Orders, QWidget* parent)
    : QWidget(parent), FOrders(Orders) {
  FDataSource.SetDataSet(&Orders);
  TDBNavigator* navigator = nullptr;
  FGrid = AddGrid(this, FDataSource, false, navigator);
  FGrid->setObjectName("DBGrid4");
  BuildFilterGroup();

  Button1 = new QPushButton(Text("چاپ"), this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(PageWidth - Margin - 75, 262, 75, 25);
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (OnPrint) GuardedCall(OnPrint);
  });
}

void TOrdersFilterPage::BuildFilterGroup() {
  auto* group = new QGroupBox(Text(" فيلتر روي فيلد تاريخ ارسال "), this);
  group->setObjectName("GroupBox1");
  group->setGeometry(PageWidth - Margin - 453, 162, 453, 89);
  AddLabel(group, Text("تاريخ ارسال"), {372, 28, 72, 17});

  ComboBox3 = new QComboBox(group);
  ComboBox3->setObjectName("ComboBox3");
  ComboBox3->setGeometry(250, 26, 115, 21);
  for (const char* text : OperatorTexts) ComboBox3->addItem(Text(text));
  ComboBox3->setCurrentIndex(-1);
  connect(ComboBox3, &QComboBox::currentIndexChanged, this,
          [this] { GuardedCall([this] { ComboBox3Change(); }); });

  int y = 26;
  for (TExZarDatePicker** picker : {&ExZarDatePicker2, &ExZarDatePicker3}) {
    *picker = new TExZarDatePicker(group);
    (*picker)->SetBounds(124, y, 121, 21);
    (*picker)->SetKind(dtkDate);
    (*picker)->setVisible(false);
    y += 28;
  }
  ExZarDatePicker2->setObjectName("ExZarDatePicker2");
  ExZarDatePicker3->setObjectName("ExZarDatePicker3");
  for (QObject* watched :
       {static_cast<QObject*>(ComboBox3), static_cast<QObject*>(ExZarDatePicker2),
        static_cast<QObject*>(ExZarDatePicker3)})
    watched->installEventFilter(this);

  const struct {
    QToolButton** Button;
    const char* Name;
    const char* Hint;
    QStyle::StandardPixmap Glyph;
    void (TOrdersFilterPage::*Click)();
  } buttons[] = {
      {&SpeedButton15, "SpeedButton15", "اجراي فيلتر", QStyle::SP_DialogApplyButton,
       &TOrdersFilterPage::SpeedButton15Click},
      {&SpeedButton16, "SpeedButton16", "لغو فيلتر", QStyle::SP_DialogCancelButton,
       &TOrdersFilterPage::SpeedButton16Click},
  };
  int x = 62;
  for (const auto& b : buttons) {
    auto* button = new QToolButton(group);
    button->setObjectName(b.Name);
    button->setAutoRaise(true);
    button->setIcon(style()->standardIcon(b.Glyph));
    button->setToolTip(Text(b.Hint));
    button->setGeometry(x, 24, 25, 25);
    connect(button, &QToolButton::clicked, this,
            [this, click = b.Click] { GuardedCall([this, click] { (this->*click)(); }); });
    *b.Button = button;
    x -= 30;
  }
}

void TOrdersFilterPage::ComboBox3Change() {
  const int item = ComboBox3->currentIndex();
  if (item < 0) return;
  ExZarDatePicker2->setVisible(item <= 7);
  ExZarDatePicker3->setVisible(item == 6 || item == 7);
}

void TOrdersFilterPage::SpeedButton15Click() {
  const std::string text = OrderFilterText(ComboBox3->currentIndex(), ExZarDatePicker2->Date(),
                                           ExZarDatePicker3->Date());
  FOrders.SetFilter(text);
  if (!text.empty()) FOrders.SetFiltered(true);
  FGrid->viewport()->update();
}

void TOrdersFilterPage::SpeedButton16Click() { FOrders.SetFiltered(false); }

bool TOrdersFilterPage::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(Event)->key();
    const TExZarDatePicker* picker = Watched == ExZarDatePicker2   ? ExZarDatePicker2
                                     : Watched == ExZarDatePicker3 ? ExZarDatePicker3
                                                                   : nullptr;
    // Enter applies the filter, unless it is meant for an open calendar or list.
    const bool open = (picker && picker->DroppedDown()) ||
                      (Watched == ComboBox3 && ComboBox3->view()->isVisible());
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !open) {
      GuardedCall([this] { SpeedButton15Click(); });
      return true;
    }
  }
  return QWidget::eventFilter(Watched, Event);
}

}  // namespace zar::demo
