// The orders pages: the filter texts built from the operator list, what the
// filter shows, switching it off, Enter in the filter controls, printing
// through the report's preview, the editors of pages 51 to 53, and leaving a
// page with a record still being edited.

#include <QComboBox>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "DBEdit.h"
#include "DBExZarDatePicker.h"
#include "DBGrid.h"
#include "DBNavigator.h"
#include "DemoDataSets.h"
#include "DemoTestSupport.h"
#include "ExZarDatePicker.h"
#include "FormatSettings.h"
#include "OrdersPage.h"
#include "PageControl.h"
#include "ReportEngine.h"
#include "ReportForm.h"
#include "ZarDateUtils.h"

namespace zar::demo::test {
namespace {

TEST(OrderFilterTextTest, EveryOperatorBuildsItsText) {
  FormatSettings.ShortDateFormat = "yyyy/mm/dd";
  const TDate d1 = ZarEncodeDate(1385, 1, 1), d2 = ZarEncodeDate(1385, 12, 29);
  const std::string between = "((ShipDate >= '2006/03/21') AND (ShipDate <= '2007/03/20'))";
  const std::pair<int, std::string> cases[] = {
      {-1, ""},
      {0, "(ShipDate ='2006/03/21')"},
      {1, "(ShipDate >'2006/03/21')"},
      {2, "(ShipDate <'2006/03/21')"},
      {3, "(ShipDate >='2006/03/21')"},
      {4, "(ShipDate <='2006/03/21')"},
      {5, "(ShipDate <>'2006/03/21')"},
      {6, between},
      {7, "NOT " + between},
      {8, "(ShipDate IS NULL)"},
      {9, "(ShipDate IS NOT NULL)"},
      {10, ""},
  };
  for (const auto& [item, text] : cases) EXPECT_EQ(OrderFilterText(item, d1, d2), text) << item;
}

TEST(OrderFilterTextTest, AQuoteInTheDateTextIsDoubled) {
  FormatSettings.ShortDateFormat = "yyyy\"'\"mm/dd";
  EXPECT_EQ(OrderFilterText(0, ZarEncodeDate(1385, 1, 1), 0), "(ShipDate ='2006''03/21')");
  FormatSettings.ShortDateFormat = "yyyy/mm/dd";
}

class OrdersPagesTest : public TShownForm {
 protected:
  void SetUp() override {
    TShownForm::SetUp();
    FForm->SetReportForm(&FReport);
  }
  // Opens page Tag and gives its dataset orders 1 to 6; every third one has
  // no ship date, the others ship on day n of 1385.
  void EnterWithOrders(int Tag) {
    FForm->ActivatePage(Tag);
    TClientDataSet& orders = FForm->DataSets().cdsOrders;
    ASSERT_TRUE(QTest::qWaitFor([&orders] { return orders.Active(); }));
    for (int n = 1; n <= 6; ++n) {
      orders.Append();
      orders.FieldByName("AmountPaid").SetAsFloat(100 * n);
      if (n % 3 != 0) orders.FieldByName("ShipDate").SetAsDateTime(ZarEncodeDate(1385, 1, n));
      orders.Post();
    }
  }
  TOrdersFilterPage* FilterPage() const {
    return FForm->PageControl()->findChild<TOrdersFilterPage*>();
  }
  TClientDataSet& Orders() const { return FForm->DataSets().cdsOrders; }
  int GridRows() const { return FilterPage()->Grid()->model()->rowCount(); }

  TQuickReport2 FReport;
};

TEST_F(OrdersPagesTest, TheOperatorChoosesThePickersAndTheFilter) {
  EnterWithOrders(54);
  TOrdersFilterPage* page = FilterPage();
  QComboBox* list = page->OperatorList();
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_FALSE(page->FirstDatePicker()->isVisibleTo(page));
  page->FirstDatePicker()->SetDate(ZarEncodeDate(1385, 1, 2));
  page->SecondDatePicker()->SetDate(ZarEncodeDate(1385, 1, 4));

  // Ship dates on days 1, 2, 4 and 5; orders 3 and 6 have none, and a
  // comparison with no date passes neither a test nor its negation.
  struct TCase {
    int Item;
    bool First, Second;
    int Rows;
  };
  const TCase cases[] = {{0, true, false, 1}, {1, true, false, 2}, {2, true, false, 1},
                         {3, true, false, 3}, {4, true, false, 2}, {5, true, false, 3},
                         {6, true, true, 2},  {7, true, true, 2},  {8, false, false, 2},
                         {9, false, false, 4}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Item);
    list->setCurrentIndex(c.Item);
    EXPECT_EQ(page->FirstDatePicker()->isVisibleTo(page), c.First);
    EXPECT_EQ(page->SecondDatePicker()->isVisibleTo(page), c.Second);
    Click(page->ApplyButton());
    EXPECT_TRUE(Orders().Filtered());
    EXPECT_EQ(Orders().RecordCount(), c.Rows);
    EXPECT_EQ(GridRows(), c.Rows);
  }

  // Switched off: every order, the text kept.
  Click(page->CancelButton());
  EXPECT_FALSE(Orders().Filtered());
  EXPECT_EQ(Orders().Filter(), "(ShipDate IS NOT NULL)");
  EXPECT_EQ(GridRows(), 6);

  // No operator: an empty text, which shows every order even when filtered.
  list->setCurrentIndex(8);
  Click(page->ApplyButton());
  ASSERT_EQ(GridRows(), 2);
  list->setCurrentIndex(-1);
  EXPECT_TRUE(page->FirstDatePicker()->isVisibleTo(page) == false);
  Click(page->ApplyButton());
  EXPECT_EQ(Orders().Filter(), "");
  EXPECT_EQ(GridRows(), 6);
}

TEST_F(OrdersPagesTest, EnterInTheOperatorListOrAPickerAppliesTheFilter) {
  EnterWithOrders(54);
  TOrdersFilterPage* page = FilterPage();
  page->OperatorList()->setCurrentIndex(8);
  page->OperatorList()->setFocus();
  QTest::keyClick(page->OperatorList(), Qt::Key_Return);
  EXPECT_EQ(Orders().RecordCount(), 2);

  page->OperatorList()->setCurrentIndex(0);
  page->FirstDatePicker()->SetDate(ZarEncodeDate(1385, 1, 1));
  QTest::keyClick(page->FirstDatePicker(), Qt::Key_Return);
  EXPECT_EQ(Orders().Filter(), "(ShipDate ='2006/03/21')");
  EXPECT_EQ(Orders().RecordCount(), 1);
}

TEST_F(OrdersPagesTest, ReenteringThePageStartsUnfilteredAndKeepsTheText) {
  EnterWithOrders(54);
  FilterPage()->OperatorList()->setCurrentIndex(8);
  Click(FilterPage()->ApplyButton());
  ASSERT_EQ(Orders().RecordCount(), 2);
  FForm->ActivatePage(51);
  ASSERT_TRUE(QTest::qWaitFor([this] { return ActiveTag() == 51 && Orders().Active(); }));
  EXPECT_FALSE(Orders().Filtered());
  EXPECT_EQ(Orders().RecordCount(), 6);
  FForm->ActivatePage(54);
  ASSERT_TRUE(QTest::qWaitFor([this] { return ActiveTag() == 54 && Orders().Active(); }));
  EXPECT_FALSE(Orders().Filtered());
  EXPECT_EQ(Orders().Filter(), "(ShipDate IS NULL)");
}

// The print button shows the preview of what passes the page's filter, in
// OrderNo order, and closes the report's dataset afterwards.
TEST_F(OrdersPagesTest, PrintingPreviewsTheFilteredOrders) {
  EnterWithOrders(54);
  TOrdersFilterPage* page = FilterPage();
  page->OperatorList()->setCurrentIndex(9);
  Click(page->ApplyButton());
  std::vector<QString> printed;
  bool previewed = false;
  QTimer::singleShot(0, [this, &printed, &previewed] {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    previewed = true;
    const TBandedReport& report = FReport.Report();
    for (int r = 0; r < report.RecordCount(); ++r) printed.push_back(report.RecordText(r, 0));
    dialog->reject();
  });
  Click(page->PrintButton());
  EXPECT_TRUE(previewed);
  EXPECT_EQ(printed, (std::vector<QString>{"1", "2", "4", "5"}));
  EXPECT_FALSE(FReport.cdsOrders().Active());
  EXPECT_TRUE(Orders().Filtered());
}

TEST_F(OrdersPagesTest, PagesShowTheirEditorsAndCalendars) {
  for (const int tag : {51, 52, 53}) {
    SCOPED_TRACE(tag);
    FForm->ActivatePage(tag);
    auto* page = qobject_cast<TOrdersPage*>(FForm->PageControl()->currentWidget());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Grid()->size(), QSize(401, 120));
    EXPECT_EQ(page->Navigator()->size(), QSize(240, 18));
    EXPECT_EQ(page->ReceiveTimePicker()->Kind(), dtkDateTime);
    EXPECT_EQ(page->ShipDatePicker()->Kind(), dtkDate);
    EXPECT_EQ(page->ShipDatePicker()->UseSystemCalendar(), tag == 53);
    EXPECT_EQ(page->Grid()->layoutDirection(), tag == 53 ? Qt::LeftToRight : Qt::RightToLeft);
    EXPECT_EQ(page->Grid()->x() < 100, tag == 53);
    for (const auto& [field, width] :
         {std::pair{"OrderNo", 62}, {"RecieveTime", 158}, {"AmountPaid", 110}, {"ShipDate", 158}})
      EXPECT_EQ(page->Edit(field)->width(), width) << field;
  }
}

// Leaving page 51 with an order still being edited keeps the edit in the
// file instead of discarding it.
TEST_F(OrdersPagesTest, LeavingAPagePostsTheRecordBeingEdited) {
  EnterWithOrders(51);
  QWidget* page = FForm->PageControl()->currentWidget();
  ASSERT_TRUE(QTest::qWaitFor([page] {
    return page->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == page;
  }));
  Orders().First();
  Orders().Edit();
  Orders().FieldByName("AmountPaid").SetAsFloat(4321);
  Click(FForm->findChild<QPushButton*>("ButtonHome"));
  ASSERT_TRUE(QTest::qWaitFor([this] { return !Orders().Active(); }));
  Orders().Open();
  Orders().First();
  EXPECT_DOUBLE_EQ(Orders().FieldByName("AmountPaid").AsFloat(), 4321);
}

}  // namespace
}  // namespace zar::demo::test
