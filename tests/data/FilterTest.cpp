// Filter expressions as the orders pages build them, and bad filters.

#include <gtest/gtest.h>

#include "ClientDataSet.h"
#include "DBErrors.h"
#include "GregorianDates.h"

namespace zar {
namespace {

class FilterTest : public ::testing::Test {
 protected:
  FilterTest() {
    Orders.CreateDataSet();
    Add(1, "2006/03/20", "a");
    Add(2, "2006/03/21", "b'c");
    Add(3, "2006/12/01", "d");
    Add(4, "2007/03/20", "e");
    Add(5, "2007/03/21", "f");
    Add(6, "", "g");  // no ship date
  }

  void Add(Integer number, const char* shipDate, const char* note) {
    Orders.Append();
    No.SetAsInteger(number);
    ShipDate.SetAsString(shipDate);
    Note.SetAsString(note);
    Orders.Post();
  }

  std::vector<Integer> Visible() {
    std::vector<Integer> numbers;
    for (Orders.First(); !Orders.Eof(); Orders.Next()) numbers.push_back(No.AsInteger());
    return numbers;
  }

  TClientDataSet Orders{"Orders"};
  TSmallintField& No = Orders.AddField<TSmallintField>("No");
  TDateField& ShipDate = Orders.AddField<TDateField>("ShipDate");
  TStringField& Note = Orders.AddField<TStringField>("Note", 10);
};

TEST_F(FilterTest, ExpressionsSelectTheMatchingRecords) {
  const struct {
    const char* Filter;
    std::vector<Integer> Expected;
  } cases[] = {
      {"(ShipDate ='2006/03/21')", {2}},
      {"(ShipDate >'2007/03/20')", {5}},
      {"(ShipDate <'2006/03/21')", {1}},
      {"(ShipDate >='2007/03/20')", {4, 5}},
      {"(ShipDate <='2006/03/21')", {1, 2}},
      {"(ShipDate <>'2006/03/21')", {1, 3, 4, 5}},
      {"((ShipDate >= '2006/03/21') AND (ShipDate <= '2007/03/20'))", {2, 3, 4}},
      // Outside a range: a record without a ship date is neither inside nor outside.
      {"NOT ((ShipDate >= '2006/03/21') AND (ShipDate <= '2007/03/20'))", {1, 5}},
      {"(ShipDate IS NULL)", {6}},
      {"(ShipDate IS NOT NULL)", {1, 2, 3, 4, 5}},
      {"Note = 'b''c'", {2}},
      {"[Note] = 'a' or no = 5 OR No = '6'", {1, 5, 6}},
      {"NOT NOT (No < 3)", {1, 2}},
      {"No > 1 AND No < 5 AND NOT Note = 'd'", {2, 4}},
      {"ShipDate IS NULL OR ShipDate = '2006/12/01'", {3, 6}},
      {"   ", {1, 2, 3, 4, 5, 6}},
  };
  Orders.SetFiltered(true);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Filter);
    Orders.SetFilter(c.Filter);
    EXPECT_EQ(Visible(), c.Expected);
    EXPECT_EQ(Orders.RecordCount(), static_cast<Integer>(c.Expected.size()));
  }
}

// Numbers and dates in Persian, Arabic-Indic or mixed digits select what
// their ASCII twins select; text fields compare the text as written.
TEST_F(FilterTest, DigitsOfEveryScript) {
  Orders.Append();
  No.SetAsInteger(7);
  Note.SetAsString("۱۲");
  Orders.Post();
  const struct {
    const char* Filter;
    std::vector<Integer> Expected;
  } cases[] = {
      {"No < ۳", {1, 2}},
      {"No < ٣", {1, 2}},
      {"No >= ۵ AND No <= 6", {5, 6}},
      {"No = '۴'", {4}},
      {"No > -۱ AND No < 2", {1}},
      {"(ShipDate ='۲۰۰۶/۰۳/۲۱')", {2}},
      {"(ShipDate ='٢٠٠٦/٠٣/٢١')", {2}},
      {"(ShipDate >='2۰٠7/۰3/2٠')", {4, 5}},
      {"Note = '۱۲'", {7}},
      {"Note = '12'", {}},
  };
  Orders.SetFiltered(true);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Filter);
    Orders.SetFilter(c.Filter);
    EXPECT_EQ(Visible(), c.Expected);
  }
  // Other scripts' digits stay what they were: unknown names and bad dates.
  EXPECT_THROW(Orders.SetFilter("No < १"), EDatabaseError);
  EXPECT_THROW(Orders.SetFilter("ShipDate = '२००६/०३/२१'"), EDatabaseError);
}

TEST_F(FilterTest, FilteredOffShowsEverythingAndKeepsTheText) {
  Orders.SetFilter("(ShipDate IS NULL)");
  Orders.SetFiltered(true);
  EXPECT_EQ(Orders.RecordCount(), 1);
  Orders.SetFiltered(false);
  EXPECT_EQ(Orders.RecordCount(), 6);
  EXPECT_EQ(Orders.Filter(), "(ShipDate IS NULL)");
}

TEST_F(FilterTest, ARecordPostedOutsideTheFilterLeavesTheView) {
  Orders.SetFilter("No < 5");
  Orders.SetFiltered(true);
  Orders.First();
  Orders.Edit();
  No.SetAsInteger(9);
  Orders.Post();
  EXPECT_EQ(Visible(), (std::vector<Integer>{2, 3, 4}));
}

TEST_F(FilterTest, BadFiltersRaiseAndKeepThePreviousFiltering) {
  const struct {
    const char* Filter;
    const char* Message;
  } cases[] = {
      {"(ShipDate = '2006/03/21'",
       "Invalid filter '(ShipDate = '2006/03/21'': expected ')' instead of end of text at position 25"},
      {"Missing = 'x'", "Invalid filter 'Missing = 'x'': field 'Missing' not found at position 1"},
      {"ShipDate = 'soon'",
       "Invalid filter 'ShipDate = 'soon'': Invalid date 'soon' at position 12"},
      {"No = 'x'",
       "Invalid filter 'No = 'x'': 'x' is not a valid value for field 'No' at position 6"},
      {"No = 99999",
       "Invalid filter 'No = 99999': Value out of range for field 'No' at position 6"},
      {"Note = 'open", "Invalid filter 'Note = 'open': unterminated text at position 8"},
      {"Note 'a'",
       "Invalid filter 'Note 'a'': expected an operator instead of text 'a' at position 6"},
      {"Note == 'a'",
       "Invalid filter 'Note == 'a'': expected a quoted value instead of '=' at position 7"},
      {"No = 1 AND",
       "Invalid filter 'No = 1 AND': expected a field name instead of end of text at position 11"},
      {"No = 1 # 2", "Invalid filter 'No = 1 # 2': unexpected character '#' at position 8"},
      {"ShipDate IS 'x'",
       "Invalid filter 'ShipDate IS 'x'': expected NULL instead of text 'x' at position 13"},
  };
  Orders.SetFilter("No <= 2");
  Orders.SetFiltered(true);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Filter);
    try {
      Orders.SetFilter(c.Filter);
      ADD_FAILURE() << "no exception";
    } catch (const EDatabaseError& error) {
      EXPECT_EQ(error.Message(), c.Message);
    }
    EXPECT_EQ(Orders.Filter(), "No <= 2");
    EXPECT_EQ(Visible(), (std::vector<Integer>{1, 2}));
  }
}

TEST_F(FilterTest, ABadFilterIsReportedWhenItIsSwitchedOnOrOpened) {
  Orders.SetFilter("Nope = '1'");  // not applied yet: no error
  EXPECT_THROW(Orders.SetFiltered(true), EDatabaseError);
  EXPECT_FALSE(Orders.Filtered());
  EXPECT_EQ(Orders.RecordCount(), 6);
}

TEST_F(FilterTest, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  const std::string deep = std::string(100000, '(') + "No = 1" + std::string(100000, ')');
  Orders.SetFiltered(true);
  EXPECT_THROW(Orders.SetFilter(deep), EDatabaseError);
  std::string longChain = "No = 1";
  for (int i = 0; i < 20000; ++i) longChain += " OR No = 2";
  Orders.SetFilter(longChain);
  EXPECT_EQ(Visible(), (std::vector<Integer>{1, 2}));
}

}  // namespace
}  // namespace zar
