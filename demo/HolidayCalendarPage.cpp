#include "HolidayCalendarPage.h"

#include <QLabel>
#include <algorithm>

#include "ClientDataSet.h"
#include "DBCtrls.h"
#include "DataSource.h"
#include "HolidayModel.h"
#include "HostControls.h"
#include "MonthCalendar.h"

namespace zar::demo {

namespace {

QLabel* AddLabel(QWidget* Parent, const char* Caption, QRect Bounds) {
  auto* label = new QLabel(QString::fromUtf8(Caption), Parent);
  label->setGeometry(Bounds);
  return label;
}

}  // namespace

THolidayCalendarPage::THolidayCalendarPage(TClientDataSet& DataSet, QWidget* parent)
    : QWidget(parent), FDataSet(DataSet), DataSource1(std::make_unique<TDataSource>()) {
  DataSource1->SetDataSet(&FDataSet);
  auto* panel = new TPanel(this);
  panel->setObjectName("HolidayPanel");
  panel->setGeometry(152, 45, 357, 249);

  ZarMonthCalendar3 = new TZarMonthCalendar(panel);
  ZarMonthCalendar3->setObjectName("ZarMonthCalendar3");
  ZarMonthCalendar3->setGeometry(16, 16, 325, 153);
  ZarMonthCalendar3->CalColors().SetBoldDaysColor(Rgb(0, 128, 0));
  ZarMonthCalendar3->OnGetMonthInfo = [this](TObject*, Word year, Word month, Cardinal& bold) {
    ZarMonthCalendar3GetMonthInfo(year, month, bold);
  };
  ZarMonthCalendar3->SetDefaultBoldDays(dbdFridays);
  ZarMonthCalendar3->OnClick = [this](TObject*) { ZarMonthCalendar3Click(); };

  // Right to left: the captions on the right, their edits to the left.
  QLabel* commentsLabel = AddLabel(panel, "توضيح", {292, 186, 49, 21});
  DBEdit1 = new TDBEdit(panel);
  DBEdit1->setObjectName("DBEdit1");
  DBEdit1->setGeometry(16, 186, 269, 21);
  DBEdit1->SetDataSource(DataSource1.get());
  DBEdit1->SetDataField("Comments");

  QLabel* pertinenceLabel = AddLabel(panel, "مناسبت", {292, 216, 49, 21});
  DBEdit2 = new TDBEdit(panel);
  DBEdit2->setObjectName("DBEdit2");
  DBEdit2->setGeometry(128, 216, 157, 21);
  DBEdit2->SetDataSource(DataSource1.get());
  DBEdit2->SetDataField("Pertinence");

  DBCheckBox1 = new TDBCheckBox(panel);
  DBCheckBox1->setObjectName("DBCheckBox1");
  DBCheckBox1->setText(QString::fromUtf8("تعطيل"));
  DBCheckBox1->setGeometry(62, 216, 60, 21);
  DBCheckBox1->SetValueChecked("True");
  DBCheckBox1->SetValueUnchecked("False");
  DBCheckBox1->SetDataSource(DataSource1.get());
  DBCheckBox1->SetDataField("Holiday");

  DBNavigator1 = new TDBNavigator(panel);
  DBNavigator1->setObjectName("DBNavigator1");
  DBNavigator1->setGeometry(16, 216, 44, 21);
  DBNavigator1->SetVisibleButtons({nbPost, nbCancel});
  DBNavigator1->SetFlat(true);
  DBNavigator1->SetDataSource(DataSource1.get());

  // The calendar sizes itself to its font: the two rows of bound controls
  // stay under it and the panel grows with them, within the page.
  ZarMonthCalendar3->OnResize = [this, panel, commentsLabel, pertinenceLabel](TObject*) {
    const int first = std::max(186, ZarMonthCalendar3->geometry().bottom() + 12);
    for (QWidget* w : {static_cast<QWidget*>(commentsLabel), static_cast<QWidget*>(DBEdit1)})
      w->move(w->x(), first);
    for (QWidget* w : {static_cast<QWidget*>(pertinenceLabel), static_cast<QWidget*>(DBEdit2),
                       static_cast<QWidget*>(DBCheckBox1), static_cast<QWidget*>(DBNavigator1)})
      w->move(w->x(), first + 30);
    const int height = std::max(249, first + 30 + 21 + 12);
    panel->setGeometry(panel->x(), std::max(4, std::min(45, this->height() - height - 4)),
                       panel->width(), height);
  };

  FDataSet.AfterPost = [this](TDataSet& dataSet) { ClientDataSet1AfterPost(dataSet); };
}

THolidayCalendarPage::~THolidayCalendarPage() {
  FDataSet.AfterPost = nullptr;
  ZarMonthCalendar3->OnGetMonthInfo = nullptr;
  ZarMonthCalendar3->OnClick = nullptr;
}

void THolidayCalendarPage::PageEnter() {
  FDataSet.Open();
  ZarMonthCalendar3Click();
  // The month laid out while the dataset was closed showed only Fridays.
  Cardinal bold = ZarMonthCalendar3->MonthBoldDays();
  ZarMonthCalendar3GetMonthInfo(0, 0, bold);
  ZarMonthCalendar3->SetMonthBoldDays(bold);
}

void THolidayCalendarPage::PageExit() {
  if (!FDataSet.Active()) return;
  // Pending text of the bound edits goes into the record before it posts;
  // a refused post raises here and the dataset stays open with the edits.
  FDataSet.CheckBrowseMode();
  FDataSet.Close();
}

void THolidayCalendarPage::FormDestroy() {
  try {
    if (FDataSet.Active()) FDataSet.CheckBrowseMode();
  } catch (...) {
    // The window is going: a record the dataset refuses cannot be reported.
  }
}

void THolidayCalendarPage::ZarMonthCalendar3Click() {
  if (!FDataSet.Active()) return;
  zardemo::GotoDayRecord(FDataSet, ZarMonthCalendar3->Date());
}

void THolidayCalendarPage::ZarMonthCalendar3GetMonthInfo(Word, Word, Cardinal& MonthBoldDays) {
  MonthBoldDays = zardemo::ScanHolidays(FDataSet, ZarMonthCalendar3->MonthStart(),
                                        ZarMonthCalendar3->MonthEnd(), MonthBoldDays);
}

void THolidayCalendarPage::ClientDataSet1AfterPost(TDataSet& DataSet) {
  const TField& date = DataSet.FieldByName("Date");
  if (date.IsNull()) return;
  ZarMonthCalendar3->SetMonthBoldDays(
      zardemo::HolidayBitAfterPost(ZarMonthCalendar3->MonthBoldDays(), date.AsDateTime(),
                                   DataSet.FieldByName("Holiday").AsBoolean(),
                                   ZarMonthCalendar3->MonthStart(), ZarMonthCalendar3->MonthEnd()));
}

}  // namespace zar::demo
