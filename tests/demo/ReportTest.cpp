// The order report: which records it prints, in which order, how the bands
// fall on the pages, the solar texts of its columns, the PDF it writes (read
// back with pdftotext) and the modal preview.

#include <gtest/gtest.h>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <string>
#include <vector>

#include "DemoDataSets.h"
#include "Exceptions.h"
#include "FormatSettings.h"
#include "ReportEngine.h"
#include "ReportForm.h"

namespace zar::demo::test {
namespace {

// 1 Farvardin 1403 (a Wednesday), 18:00.
constexpr double Nowruz1403 = 45371;

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    zardemo::DefineOrders(FOrders);
    FOrders.Open();
  }

  // Appends Count orders; order n (from 1) ships n - 1 days after Nowruz
  // 1403, except every third one, which has no ship date.
  void AddOrders(int Count) {
    for (int n = 1; n <= Count; ++n) {
      FOrders.Append();
      FOrders.FieldByName("RecieveTime").SetAsDateTime(Nowruz1403 - 1 + 0.75);
      FOrders.FieldByName("AmountPaid").SetAsFloat(1000 * n);
      if (n % 3 != 0) FOrders.FieldByName("ShipDate").SetAsDateTime(Nowruz1403 + n - 1);
      FOrders.Post();
    }
  }

  // The order numbers the report prints, page by page, checking that each
  // page starts with the title and holds nothing else but detail bands.
  std::vector<std::vector<int>> PrintedOrders() {
    std::vector<std::vector<int>> pages;
    for (const TPreparedPage& page : FReport.Report().Pages()) {
      EXPECT_FALSE(page.Bands.empty());
      if (page.Bands.empty()) continue;
      EXPECT_EQ(page.Bands.front().Type, TBandType::Title);
      EXPECT_EQ(page.Bands.front().Top, 0);
      std::vector<int> orders;
      int top = 43;
      for (std::size_t i = 1; i < page.Bands.size(); ++i) {
        EXPECT_EQ(page.Bands[i].Type, TBandType::Detail);
        EXPECT_EQ(page.Bands[i].Top, top);
        top += 28;
        orders.push_back(FReport.Report().RecordText(page.Bands[i].Record, 0).toInt());
      }
      pages.push_back(orders);
    }
    return pages;
  }

  TClientDataSet FOrders{"cdsOrders"};
  TQuickReport2 FReport;
};

std::vector<int> Range(int From, int To) {
  std::vector<int> result;
  for (int n = From; n <= To; ++n) result.push_back(n);
  return result;
}

// Pages of 277 mm hold the 43 pixels of the title and 35 rows of 28.
TEST_F(ReportTest, TheTitleHeadsEveryPageAndTheRowsFollowInOrder) {
  struct TCase {
    int Orders;
    std::vector<std::vector<int>> Pages;
  };
  const TCase cases[] = {{0, {{}}},
                         {1, {{1}}},
                         {35, {Range(1, 35)}},
                         {36, {Range(1, 35), {36}}},
                         {71, {Range(1, 35), Range(36, 70), {71}}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Orders);
    FOrders.Close();
    FOrders.Open();
    while (!FOrders.IsEmpty()) FOrders.Delete();
    AddOrders(c.Orders);
    FReport.LoadOrders(FOrders);
    EXPECT_EQ(FReport.Prepare(), static_cast<int>(c.Pages.size()));
    EXPECT_EQ(PrintedOrders(), c.Pages);
  }
}

TEST_F(ReportTest, ColumnsShowTheReportsSolarFormats) {
  AddOrders(2);
  FReport.LoadOrders(FOrders);
  FReport.Prepare();
  const TBandedReport& report = FReport.Report();
  ASSERT_EQ(report.RecordCount(), 2);
  EXPECT_EQ(report.RecordText(0, 0), "1");
  EXPECT_EQ(report.RecordText(0, 1), "1402/12/29 - ساعت 18:00");
  EXPECT_EQ(report.RecordText(0, 3), "1403/01/01 (چهارشنبه)");
  EXPECT_EQ(report.RecordText(1, 3), "1403/01/02 (پنج‌شنبه)");
}

// The report takes every record and then the page's filter: a filter
// switched off prints everything, one switched on only what passes.
TEST_F(ReportTest, PrintsWhatPassesTheCopiedFilterInOrderNoOrder) {
  AddOrders(6);
  FOrders.SetFilter("(ShipDate IS NULL)");
  FOrders.SetFiltered(true);
  ASSERT_EQ(FOrders.RecordCount(), 2);

  FReport.LoadOrders(FOrders);
  EXPECT_EQ(FReport.cdsOrders().Filter(), "(ShipDate IS NULL)");
  FReport.Prepare();
  EXPECT_EQ(PrintedOrders(), (std::vector<std::vector<int>>{{3, 6}}));

  FOrders.SetFiltered(false);
  FReport.LoadOrders(FOrders);
  FReport.Prepare();
  EXPECT_EQ(PrintedOrders(), (std::vector<std::vector<int>>{Range(1, 6)}));

  // Nothing passes: one page with its title.
  FOrders.SetFilter("(ShipDate < '1900/01/01')");
  FOrders.SetFiltered(true);
  FReport.LoadOrders(FOrders);
  EXPECT_EQ(FReport.Prepare(), 1);
  EXPECT_EQ(PrintedOrders(), (std::vector<std::vector<int>>{{}}));
}

TEST_F(ReportTest, AnOrderBeingEditedIsPostedBeforeTheCopy) {
  AddOrders(1);
  FOrders.Edit();
  FOrders.FieldByName("AmountPaid").SetAsFloat(777);
  FReport.LoadOrders(FOrders);
  EXPECT_EQ(FOrders.State(), TDataSetState::Browse);
  FReport.Prepare();
  EXPECT_TRUE(FReport.Report().RecordText(0, 2).contains("777"));
}

// Runs a poppler tool; skips the test when it is not installed.
QString RunPoppler(const QString& Tool, const QStringList& Arguments) {
  QProcess process;
  process.start(Tool, Arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    ADD_FAILURE() << Tool.toStdString()
                  << " failed: " << process.readAllStandardError().toStdString();
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

class ReportPdfTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_TRUE(FDir.isValid());
  }
  // The text of one page; the shaped Arabic glyphs come back as
  // presentation forms, which compatibility normalisation turns back into
  // letters.
  QString PageText(const QString& Pdf, int Page) {
    return RunPoppler("pdftotext", {"-f", QString::number(Page), "-l", QString::number(Page),
                                    "-layout", Pdf, "-"})
        .normalized(QString::NormalizationForm_KC);
  }
  QTemporaryDir FDir;
};

TEST_F(ReportPdfTest, ThePdfCarriesTheSolarDatesAndRepeatsTheTitle) {
  AddOrders(40);
  FReport.LoadOrders(FOrders);
  const QString pdf = FDir.filePath("orders.pdf");
  FReport.ExportToPdf(pdf);

  const QString info = RunPoppler("pdfinfo", {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression("Page size:.*\\(A4\\)"))) << info.toStdString();

  const QString first = PageText(pdf, 1), second = PageText(pdf, 2);
  for (const QString& page : {first, second})
    EXPECT_TRUE(page.contains("شماره سفارش")) << page.toStdString();
  EXPECT_TRUE(first.contains("1403/01/01")) << first.toStdString();
  EXPECT_TRUE(first.contains("1402/12/29")) << first.toStdString();
  // Order 40 ships 39 days after Nowruz: 9 Ordibehesht; order 38 on the 7th.
  EXPECT_TRUE(second.contains("1403/02/09")) << second.toStdString();
  EXPECT_TRUE(second.contains("1403/02/07")) << second.toStdString();
  EXPECT_FALSE(first.contains("1403/02/09"));
}

TEST_F(ReportPdfTest, AnEmptyReportIsOnePageWithItsTitle) {
  FReport.LoadOrders(FOrders);
  const QString pdf = FDir.filePath("empty.pdf");
  FReport.ExportToPdf(pdf);
  EXPECT_TRUE(RunPoppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
  const QString text = PageText(pdf, 1);
  EXPECT_TRUE(text.contains("شماره سفارش")) << text.toStdString();
  EXPECT_FALSE(text.contains("1403")) << text.toStdString();
}

TEST_F(ReportTest, AFileThatCannotBeWrittenIsRefusedByName) {
  FReport.LoadOrders(FOrders);
  const QString path = "/nonexistent-directory/orders.pdf";
  try {
    FReport.ExportToPdf(path);
    ADD_FAILURE() << "no error";
  } catch (const Exception& error) {
    EXPECT_NE(error.Message().find(path.toStdString()), std::string::npos) << error.Message();
  }
}

TEST_F(ReportTest, ThePreviewShowsThePreparedPagesAndClosesTheDataset) {
  AddOrders(36);
  FReport.LoadOrders(FOrders);
  int shownPages = -1;
  double zoom = 0;
  QTimer::singleShot(0, [&shownPages, &zoom] {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (auto* widget = dialog->findChild<QPrintPreviewWidget*>()) {
      widget->updatePreview();
      shownPages = widget->pageCount();
      zoom = widget->zoomMode() == QPrintPreviewWidget::CustomZoom ? widget->zoomFactor() : -1;
    }
    dialog->reject();
  });
  FReport.Preview();
  EXPECT_EQ(shownPages, 2);
  EXPECT_DOUBLE_EQ(zoom, 1.0);
  EXPECT_FALSE(FReport.cdsOrders().Active());
}

}  // namespace
}  // namespace zar::demo::test
