// What grids and navigators ask of a dataset: records read in place, record
// numbers, bookmarks, Insert, Refresh and the row a change touched.

#include <gtest/gtest.h>

#include <vector>

#include "ClientDataSet.h"
#include "DBErrors.h"
#include "DataSource.h"

namespace zar {
namespace {

class DataSetBrowseTest : public ::testing::Test {
 protected:
  DataSetBrowseTest() {
    Items.CreateDataSet();
    for (const char* name : {"d", "b", "a", "c"}) Add(name, 1);
    Source.SetDataSet(&Items);
    Source.OnDataChange = [this](TDataSource&, TField* field) {
      if (!field) Changes.push_back(Items.ViewChange());
    };
    Items.First();
  }

  void Add(const std::string& name, Integer qty) {
    Items.Append();
    Name.SetAsString(name);
    Qty.SetAsInteger(qty);
    Items.Post();
  }

  // Every visible record's name, read without moving.
  std::string Rows() {
    std::string names;
    for (Integer i = 0; i < Items.RecordCount(); ++i) {
      TDataSet::TRecordReader reader(Items, i);
      names += Name.AsString();
    }
    return names;
  }

  TClientDataSet Items{"Items"};
  TStringField& Name = Items.AddField<TStringField>("Name", 10);
  TSmallintField& Qty = Items.AddField<TSmallintField>("Qty");
  TDataSource Source;
  std::vector<TViewChange> Changes;
};

TEST_F(DataSetBrowseTest, ReaderReadsAnyRecordInPlaceAndRestoresTheCurrentOne) {
  Items.SetRecNo(2);
  EXPECT_EQ(Rows(), "dbac");
  EXPECT_EQ(Items.RecNo(), 2);
  EXPECT_EQ(Name.AsString(), "b");
  {
    TDataSet::TRecordReader outer(Items, 3);
    {
      TDataSet::TRecordReader inner(Items, 0);
      EXPECT_EQ(Name.AsString(), "d");
    }
    EXPECT_EQ(Name.AsString(), "c");
  }
  // Out of the view: the fields keep reading the current record.
  TDataSet::TRecordReader outside(Items, 4);
  EXPECT_FALSE(outside.Valid());
  EXPECT_EQ(Name.AsString(), "b");
}

TEST_F(DataSetBrowseTest, ReaderShowsTheEditedRecordAsEdited) {
  Items.SetRecNo(3);
  Items.Edit();
  Name.SetAsString("x");
  EXPECT_EQ(Rows(), "dbxc");
  EXPECT_EQ(Name.AsString(), "x");  // the edit buffer is active again
  Items.Cancel();
  EXPECT_EQ(Rows(), "dbac");
}

TEST_F(DataSetBrowseTest, RecNoFollowsTheFilterAndClampsToTheView) {
  Items.SetIndexFieldNames("Name");
  EXPECT_EQ(Rows(), "abcd");
  const struct {
    Integer Set;
    Integer Expected;
  } cases[] = {{3, 3}, {0, 1}, {-5, 1}, {9, 4}, {4, 4}};
  for (const auto& c : cases) {
    Items.SetRecNo(c.Set);
    EXPECT_EQ(Items.RecNo(), c.Expected) << c.Set;
  }
  Items.SetFilter("Name <> 'b'");
  Items.SetFiltered(true);
  Items.SetRecNo(2);
  EXPECT_EQ(Name.AsString(), "c");
  Items.SetFilter("Name = 'none'");
  Items.SetRecNo(1);  // nothing to move to
  EXPECT_TRUE(Items.IsEmpty());
}

TEST_F(DataSetBrowseTest, SetRecNoPostsAPendingEdit) {
  Items.Edit();
  Name.SetAsString("z");
  Items.SetRecNo(4);
  EXPECT_EQ(Items.State(), TDataSetState::Browse);
  EXPECT_EQ(Rows(), "zbac");
}

TEST_F(DataSetBrowseTest, BookmarksSurviveOtherDeletesAndFailWhenTheirRecordGoes) {
  Items.SetRecNo(3);
  TBookmark a = Items.GetBookmark();
  Items.SetRecNo(4);
  TBookmark c = Items.GetBookmark();
  Items.First();
  Items.Delete();  // "d", before both
  ASSERT_TRUE(Items.BookmarkValid(a));
  Items.GotoBookmark(c);
  EXPECT_EQ(Name.AsString(), "c");
  Items.GotoBookmark(a);
  EXPECT_EQ(Name.AsString(), "a");
  Items.Delete();
  EXPECT_FALSE(Items.BookmarkValid(a));
  EXPECT_THROW(Items.GotoBookmark(a), EDatabaseError);
  EXPECT_EQ(Name.AsString(), "c");  // no move
  Items.FreeBookmark(a);
  EXPECT_EQ(a, nullptr);
  EXPECT_FALSE(Items.BookmarkValid(a));
}

TEST_F(DataSetBrowseTest, BookmarksOfHiddenOrClosedRecordsAreNotValid) {
  Items.SetRecNo(2);  // "b"
  TBookmark b = Items.GetBookmark();
  Items.SetFilter("Name <> 'b'");
  Items.SetFiltered(true);
  EXPECT_FALSE(Items.BookmarkValid(b));
  Items.SetFiltered(false);
  EXPECT_TRUE(Items.BookmarkValid(b));
  Items.Close();
  EXPECT_FALSE(Items.BookmarkValid(b));
  Items.Open();
  EXPECT_FALSE(Items.BookmarkValid(b));  // another store, maybe at the same address
  TClientDataSet other{"Other"};
  EXPECT_FALSE(other.BookmarkValid(Items.GetBookmark()));
  Items.Append();
  EXPECT_EQ(Items.GetBookmark(), nullptr);  // the new record has no place yet
  Items.Cancel();
}

TEST_F(DataSetBrowseTest, InsertShowsTheNewRecordBeforeTheCurrentOne) {
  Items.SetRecNo(2);
  Changes.clear();
  Items.Insert();
  EXPECT_EQ(Items.State(), TDataSetState::Insert);
  EXPECT_EQ(Items.PendingRow(), 1);
  Name.SetAsString("n");
  Items.Post();
  EXPECT_EQ(Items.PendingRow(), -1);
  // Without an index order the new record is stored after the others.
  EXPECT_EQ(Rows(), "dbacn");
  EXPECT_EQ(Name.AsString(), "n");
  ASSERT_EQ(Changes.size(), 2u);
  EXPECT_EQ(Changes[0].Kind, TViewChange::vcInsertStarted);
  EXPECT_EQ(Changes[0].To, 1);
  EXPECT_EQ(Changes[1].Kind, TViewChange::vcRowPosted);
  EXPECT_EQ(Changes[1].From, -1);
  EXPECT_EQ(Changes[1].To, 4);
  Items.Append();
  EXPECT_EQ(Items.PendingRow(), 5);
  Items.Cancel();
  EXPECT_EQ(Items.PendingRow(), -1);
}

TEST_F(DataSetBrowseTest, ViewChangeNamesTheRowsAPostMovedOrHid) {
  Items.SetIndexFieldNames("Name");  // a b c d
  Items.SetFilter("Name <> 'h'");
  Items.SetFiltered(true);
  struct Case {
    Integer RecNo;
    const char* NewName;
    TViewChange::TKind Kind;
    Integer From, To;
  };
  const Case cases[] = {
      {2, "bb", TViewChange::vcRowPosted, 1, 1},  // a bb c d: stays
      {1, "e", TViewChange::vcRowPosted, 0, 3},   // bb c d e: moves down
      {4, "h", TViewChange::vcRowPosted, 3, -1},  // hidden by the filter
  };
  for (const Case& c : cases) {
    Items.SetRecNo(c.RecNo);
    Items.Edit();
    Name.SetAsString(c.NewName);
    Changes.clear();
    Items.Post();
    ASSERT_EQ(Changes.size(), 1u) << c.NewName;
    EXPECT_EQ(Changes[0].Kind, c.Kind) << c.NewName;
    EXPECT_EQ(Changes[0].From, c.From) << c.NewName;
    EXPECT_EQ(Changes[0].To, c.To) << c.NewName;
  }
  EXPECT_EQ(Rows(), "bbcd");
  Items.SetRecNo(2);
  Changes.clear();
  Items.Delete();
  ASSERT_EQ(Changes.size(), 1u);
  EXPECT_EQ(Changes[0].Kind, TViewChange::vcRowDeleted);
  EXPECT_EQ(Changes[0].From, 1);
  // Outside a notification, and for wholesale changes, it says "anything".
  EXPECT_EQ(Items.ViewChange().Kind, TViewChange::vcAll);
  Changes.clear();
  Items.SetFiltered(false);
  ASSERT_EQ(Changes.size(), 1u);
  EXPECT_EQ(Changes[0].Kind, TViewChange::vcAll);
}

TEST_F(DataSetBrowseTest, DisabledControlsHearOneWholesaleChange) {
  Changes.clear();
  Items.DisableControls();
  Add("e", 1);
  Items.Delete();
  Items.EnableControls();
  ASSERT_EQ(Changes.size(), 1u);
  EXPECT_EQ(Changes[0].Kind, TViewChange::vcAll);
}

TEST_F(DataSetBrowseTest, RefreshReappliesTheOrderAndKeepsTheCurrentRecord) {
  Items.SetRecNo(3);  // "a"
  Items.Insert();
  Name.SetAsString("0");
  Items.Post();
  Items.SetRecNo(3);
  Items.Refresh();
  EXPECT_EQ(Name.AsString(), "a");
  EXPECT_EQ(Rows(), "dbac0");
}

}  // namespace
}  // namespace zar
