// The navigator: which buttons a state enables, what they do, and what it
// shows.

#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

#include "DBNavigator.h"
#include "DBTestSupport.h"
#include "GuiTestEnvironment.h"

namespace zar {
namespace {

class DBNavigatorTest : public ::testing::Test {
 protected:
  DBNavigatorTest() {
    test::App();
    Nav.SetDataSource(&Data.Source);
    Nav.SetConfirmDelete(false);
  }

  // Enabled buttons as letters in button order: F P N L I D E S C R.
  std::string Enabled() {
    static constexpr char letters[] = "FPNLIDESCR";
    std::string result;
    for (int b = nbFirst; b <= nbRefresh; ++b)
      if (Nav.Button(static_cast<TNavigateBtn>(b))->isEnabled()) result += letters[b];
    return result;
  }

  test::TOrders Data;
  TDBNavigator Nav;
};

TEST_F(DBNavigatorTest, EachStateEnablesTheButtonsThatCanAct) {
  const struct {
    const char* Name;
    std::function<void(test::TOrders&)> Arrange;
    const char* Expected;
  } cases[] = {
      {"first record", [](test::TOrders&) {}, "NLIDER"},
      {"middle record", [](test::TOrders& d) { d.Orders.Next(); }, "FPNLIDER"},
      {"last record", [](test::TOrders& d) { d.Orders.Last(); }, "FPIDER"},
      {"editing", [](test::TOrders& d) { d.Orders.Edit(); }, "NLIDSCR"},
      {"inserting", [](test::TOrders& d) { d.Orders.Insert(); }, "FPNLIDSCR"},
      {"filtered to one record",
       [](test::TOrders& d) {
         d.Orders.SetFilter("Name = 'Ali'");
         d.Orders.SetFiltered(true);
       },
       "IDER"},
      {"filtered to nothing",
       [](test::TOrders& d) {
         d.Orders.SetFilter("Name = 'nobody'");
         d.Orders.SetFiltered(true);
       },
       "IER"},
      {"inserting into nothing",
       [](test::TOrders& d) {
         d.Orders.SetFilter("Name = 'nobody'");
         d.Orders.SetFiltered(true);
         d.Orders.Append();
       },
       "ISCR"},
      {"closed", [](test::TOrders& d) { d.Orders.Close(); }, ""},
      {"source without dataset", [](test::TOrders& d) { d.Source.SetDataSet(nullptr); }, ""},
  };
  for (const auto& c : cases) {
    test::TOrders data;
    Nav.SetDataSource(&data.Source);
    c.Arrange(data);
    EXPECT_EQ(Enabled(), c.Expected) << c.Name;
  }
}

TEST_F(DBNavigatorTest, ADisabledSourceDisablesEveryButton) {
  Data.Source.SetEnabled(false);
  EXPECT_EQ(Enabled(), "");
  Data.Source.SetEnabled(true);
  EXPECT_EQ(Enabled(), "NLIDER");
}

TEST_F(DBNavigatorTest, ButtonsRunTheirDatasetOperations) {
  std::string log;
  Nav.BeforeAction = [&](TDBNavigator&, TNavigateBtn b) {
    log += "before" + std::to_string(b) + ";";
  };
  Nav.OnClick = [&](TDBNavigator&, TNavigateBtn b) { log += "click" + std::to_string(b) + ";"; };
  QTest::mouseClick(Nav.Button(nbLast), Qt::LeftButton);
  EXPECT_EQ(Data.Orders.RecNo(), 3);
  EXPECT_EQ(log, "before3;click3;");
  QTest::mouseClick(Nav.Button(nbPrior), Qt::LeftButton);
  EXPECT_EQ(Data.Orders.RecNo(), 2);
  QTest::mouseClick(Nav.Button(nbEdit), Qt::LeftButton);
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  Data.Name.SetAsString("Nima");
  QTest::mouseClick(Nav.Button(nbPost), Qt::LeftButton);
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Browse);
  EXPECT_EQ(Data.Name.AsString(), "Nima");
  QTest::mouseClick(Nav.Button(nbDelete), Qt::LeftButton);
  EXPECT_EQ(Data.Orders.RecordCount(), 2);
  QTest::mouseClick(Nav.Button(nbInsert), Qt::LeftButton);
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Insert);
  QTest::mouseClick(Nav.Button(nbCancel), Qt::LeftButton);
  EXPECT_EQ(Data.Orders.RecordCount(), 2);
  QTest::mouseClick(Nav.Button(nbFirst), Qt::LeftButton);
  EXPECT_EQ(Data.Name.AsString(), "Reza");
  // Raising in BeforeAction cancels the operation.
  Nav.BeforeAction = [](TDBNavigator&, TNavigateBtn) { throw Exception("no"); };
  EXPECT_THROW(Nav.BtnClick(nbNext), Exception);
  EXPECT_EQ(Data.Orders.RecNo(), 1);
}

TEST_F(DBNavigatorTest, ARefusedPostKeepsTheRecordInEditAndReportsTheError) {
  std::string errors;
  test::App().OnException = [&](const std::string& m) { errors += m; };
  Data.Orders.Edit();
  Data.Name.Clear();
  QTest::mouseClick(Nav.Button(nbPost), Qt::LeftButton);
  test::App().OnException = nullptr;
  EXPECT_EQ(Data.Orders.State(), TDataSetState::Edit);
  EXPECT_NE(errors.find("must have a value"), std::string::npos) << errors;
}

TEST_F(DBNavigatorTest, VisibleButtonsAndHints) {
  Nav.resize(240, 18);
  Nav.SetVisibleButtons({nbPost, nbCancel});
  Nav.show();
  EXPECT_TRUE(Nav.Button(nbPost)->isVisible());
  EXPECT_FALSE(Nav.Button(nbFirst)->isVisible());
  // The shown buttons share the width.
  EXPECT_GE(Nav.Button(nbPost)->width(), 110);
  EXPECT_EQ(Nav.Hint(nbPost), "Post edit");
  Nav.SetHints({"", "", "", "", "", "", "", "ثبت"});
  EXPECT_EQ(Nav.Button(nbPost)->toolTip(), QString::fromUtf8("ثبت"));
  EXPECT_EQ(Nav.Hint(nbCancel), "Cancel edit");  // beyond the list: the default
  EXPECT_EQ(Nav.Hint(nbFirst), "First record");  // empty entry: the default
  Nav.SetFlat(true);
  EXPECT_TRUE(Nav.Button(nbPost)->autoRaise());
}

TEST_F(DBNavigatorTest, ADatasetDestroyedUnderTheNavigatorDisablesIt) {
  auto other = std::make_unique<TClientDataSet>("Other");
  other->AddField<TStringField>("Name", 5);
  other->CreateDataSet();
  Data.Source.SetDataSet(other.get());
  EXPECT_EQ(Enabled(), "IER");
  other.reset();
  EXPECT_EQ(Enabled(), "");
  Nav.BtnClick(nbInsert);  // does nothing, harmlessly
}

}  // namespace
}  // namespace zar
