// The data files beside the program: created empty at the first close,
// written when a page that edits them is left, read back unchanged, and an
// unreadable file reported when its page is entered, not at start-up.

#include <QFile>
#include <QTest>
#include <string>
#include <vector>

#include "DemoDataSets.h"
#include "DemoTestSupport.h"
#include "PageControl.h"
#include "ZarApplication.h"

namespace zar::demo::test {
namespace {

class DataFilesTest : public TShownForm {
 protected:
  QString PathOf(const char* FileName) const { return FDataDir.filePath(FileName); }
  bool Exists(const char* FileName) const { return QFile::exists(PathOf(FileName)); }
  QByteArray Contents(const char* FileName) const {
    QFile file(PathOf(FileName));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << FileName;
    return file.readAll();
  }
  // Enters the page of Tag and leaves it for the Home button, as a user
  // moving the focus to the bottom bar does.
  void EnterAndLeave(int Tag) {
    FForm->ActivatePage(Tag);
    QWidget* page = FForm->PageControl()->currentWidget();
    ASSERT_TRUE(QTest::qWaitFor([page] {
      return page == QApplication::focusWidget() || page->isAncestorOf(QApplication::focusWidget());
    }));
    Click(FForm->findChild<QPushButton*>("ButtonHome"));
  }
};

TEST_F(DataFilesTest, NothingIsWrittenUntilADatasetIsClosed) {
  for (const char* file :
       {zardemo::DaysInfoFileName, zardemo::WorkCalendarFileName, zardemo::OrdersFileName})
    EXPECT_FALSE(Exists(file)) << file;
}

TEST_F(DataFilesTest, ClosingTheWindowCreatesEveryFile) {
  FForm.reset();
  for (const char* file :
       {zardemo::DaysInfoFileName, zardemo::WorkCalendarFileName, zardemo::OrdersFileName})
    EXPECT_TRUE(Exists(file)) << file;
}

TEST_F(DataFilesTest, LeavingAPageWritesItsFileEvenWithoutEdits) {
  const std::vector<std::pair<int, const char*>> pages = {{43, zardemo::DaysInfoFileName},
                                                          {51, zardemo::OrdersFileName}};
  for (const auto& [tag, file] : pages) {
    SCOPED_TRACE(tag);
    EnterAndLeave(tag);
    ASSERT_TRUE(Exists(file));
  }
  const QByteArray days = Contents(zardemo::DaysInfoFileName);
  for (const char* field : {"Date", "Holiday", "Pertinence", "Comments"})
    EXPECT_TRUE(days.contains(QByteArray("attrname=\"") + field + '"')) << field;
  // Entering the holiday page visits the calendar's day, which gets its
  // record though nothing was typed.
  EXPECT_EQ(days.count("<ROW "), 1);
  EXPECT_FALSE(Exists(zardemo::WorkCalendarFileName));
}

TEST_F(DataFilesTest, FilesAreReadBackAndLeftAsTheyWere) {
  FForm.reset();
  const QByteArray orders = Contents(zardemo::OrdersFileName);
  FForm = std::make_unique<TForm1>(FDataDir.path());
  FForm->show();
  EnterAndLeave(51);
  EnterAndLeave(54);
  FForm.reset();
  EXPECT_EQ(Contents(zardemo::OrdersFileName), orders);
}

TEST_F(DataFilesTest, CopiesOfTheOrdersKeepTheirRecordsAcrossPageVisits) {
  FForm.reset();
  {
    zardemo::TDemoDataSets data(FDataDir.path().toStdString());
    data.cdsOrders.Open();
    data.cdsOrders.Append();
    data.cdsOrders.FieldByName("AmountPaid").SetAsFloat(1250);
    data.cdsOrders.Post();
  }
  FForm = std::make_unique<TForm1>(FDataDir.path());
  FForm->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
  zardemo::TDemoDataSets& data = FForm->DataSets();
  for (const int tag : {52, 53, 52, 53}) EnterAndLeave(tag);
  EXPECT_EQ(data.cdsOrders2.RecordCount(), 1);
  EXPECT_EQ(data.cdsOrders3.RecordCount(), 1);
  EXPECT_EQ(data.cdsOrders.RecordCount(), 1);
}

TEST_F(DataFilesTest, UnreadableFileIsReportedWhenItsPageIsEntered) {
  FForm.reset();
  {
    QFile file(PathOf(zardemo::DaysInfoFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is no data packet");
  }
  std::vector<std::string> messages;
  TApplication::Instance()->OnException = [&](const std::string& m) { messages.push_back(m); };
  FForm = std::make_unique<TForm1>(FDataDir.path());
  FForm->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
  EXPECT_TRUE(messages.empty());
  FForm->ActivatePage(43);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }));
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(zardemo::DaysInfoFileName), std::string::npos) << messages[0];
  EXPECT_EQ(ActiveTag(), 43);
  // The application goes on: another page works as before.
  EnterAndLeave(51);
  EXPECT_TRUE(Exists(zardemo::OrdersFileName));
  TApplication::Instance()->OnException = nullptr;
  FForm.reset();
  EXPECT_EQ(Contents(zardemo::DaysInfoFileName), QByteArray("this is no data packet"));
}

}  // namespace
}  // namespace zar::demo::test
