// The dataset engine: editing, navigation, ordering, ranges, keys, nested
// datasets and the texts of the plain fields.

#include <gtest/gtest.h>

#include <functional>

#include "ClientDataSet.h"
#include "DBErrors.h"
#include "DataSource.h"
#include "FormatSettings.h"
#include "GregorianDates.h"

namespace zar {
namespace {

class DataSetTest : public ::testing::Test {
 protected:
  DataSetTest() {
    Id.SetReadOnly(true);
    Name.SetRequired(true);
    Items.CreateDataSet();
  }

  void Add(const std::string& name, Integer qty, TDateTime day = 0) {
    Items.Append();
    Name.SetAsString(name);
    Qty.SetAsInteger(qty);
    if (day != 0) Day.SetAsDateTime(day);
    Items.Post();
  }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (Items.First(); !Items.Eof(); Items.Next()) names.push_back(Name.AsString());
    return names;
  }

  TClientDataSet Items{"Items"};
  TAutoIncField& Id = Items.AddField<TAutoIncField>("Id");
  TStringField& Name = Items.AddField<TStringField>("Name", 10);
  TSmallintField& Qty = Items.AddField<TSmallintField>("Qty");
  TDateField& Day = Items.AddField<TDateField>("Day");
};

TEST_F(DataSetTest, AppendPostNumbersRecordsAndNavigationVisitsThemInOrder) {
  Add("a", 1);
  Add("b", 2);
  Add("c", 3);
  EXPECT_EQ(Items.RecordCount(), 3);
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
  Items.Last();
  EXPECT_EQ(Id.AsInteger(), 3);
  EXPECT_TRUE(Items.Eof());
  Items.Prior();
  EXPECT_EQ(Name.AsString(), "b");
  Items.First();
  Items.Prior();
  EXPECT_TRUE(Items.Bof());
  EXPECT_EQ(Name.AsString(), "a");
}

TEST_F(DataSetTest, AutoIncrementNumbersAreNotReusedAfterDeletingTheLast) {
  Add("a", 1);
  Add("b", 2);
  Items.Last();
  Items.Delete();
  Add("c", 3);
  Items.Last();
  EXPECT_EQ(Id.AsInteger(), 3);
}

TEST_F(DataSetTest, CancelRestoresAndPostKeepsEdits) {
  Add("a", 1);
  Items.Edit();
  Name.SetAsString("changed");
  EXPECT_TRUE(Items.Modified());
  Items.Cancel();
  EXPECT_EQ(Name.AsString(), "a");
  Items.Edit();
  Qty.SetAsInteger(7);
  Items.Post();
  EXPECT_EQ(Qty.AsInteger(), 7);
  EXPECT_EQ(Items.State(), TDataSetState::Browse);
}

TEST_F(DataSetTest, NavigatingPostsAModifiedRecordAndDropsAnUntouchedAppend) {
  Add("a", 1);
  Items.Edit();
  Qty.SetAsInteger(5);
  Items.First();  // leaves edit mode by posting
  EXPECT_EQ(Qty.AsInteger(), 5);
  Items.Append();
  Items.First();  // nothing typed: the new record is given up
  EXPECT_EQ(Items.RecordCount(), 1);
}

TEST_F(DataSetTest, DeleteMovesToTheNextRecord) {
  Add("a", 1);
  Add("b", 2);
  Add("c", 3);
  Items.First();
  Items.Next();
  Items.Delete();
  EXPECT_EQ(Name.AsString(), "c");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c"}));
}

TEST_F(DataSetTest, EditOnAnEmptyDatasetAppends) {
  Items.Edit();
  EXPECT_EQ(Items.State(), TDataSetState::Insert);
}

TEST_F(DataSetTest, MisuseRaisesClearErrors) {
  Add("a", 1);
  const struct {
    const char* Case;
    std::function<void()> Action;
    const char* Message;
    // clang-format off
  } cases[] = {
      {"write while browsing", [&] { Qty.SetAsInteger(2); },
       "Items: Dataset not in edit or insert mode"},
      {"read-only field", [&] { Items.Edit(); Id.SetAsInteger(9); },
       "Items: Field 'Id' cannot be modified"},
      {"required field", [&] { Items.Append(); Items.Post(); },
       "Items: Field 'Name' must have a value"},
      {"smallint overflow", [&] { Items.Edit(); Qty.SetAsInteger(40000); },
       "Value out of range for field 'Qty'"},
      {"unknown field", [&] { Items.FieldByName("Missing"); }, "Items: Field 'Missing' not found"},
      {"wrong type", [&] { Name.AsDateTime(); }, "Cannot access field 'Name' as type DateTime"},
      {"closed", [&] { Items.Close(); Items.First(); },
       "Items: Cannot perform this operation on a closed dataset"},
      // A field of no dataset, by each of the ways a value is written.
      {"loose field, text",
       [] { TStringField loose; loose.SetFieldName("Loose"); loose.SetAsString("x"); },
       "Field 'Loose' has no dataset"},
      {"loose field, number",
       [] { TSmallintField loose; loose.SetFieldName("Loose"); loose.SetAsInteger(1); },
       "Field 'Loose' has no dataset"},
      {"loose field, variant",
       [] { TSmallintField loose; loose.SetFieldName("Loose"); loose.SetAsVariant(TVariant()); },
       "Field 'Loose' has no dataset"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    if (!Items.Active()) Items.CreateDataSet();
    if (IsEditState(Items.State())) Items.Cancel();
    try {
      c.Action();
      ADD_FAILURE() << "no exception";
    } catch (const EDatabaseError& error) {
      EXPECT_EQ(error.Message(), c.Message);
    }
  }
}

TEST_F(DataSetTest, AFailedPostStaysInInsertModeWithTheValues) {
  Items.Append();
  Qty.SetAsInteger(4);
  EXPECT_THROW(Items.Post(), EDatabaseError);
  EXPECT_EQ(Items.State(), TDataSetState::Insert);
  EXPECT_EQ(Qty.AsInteger(), 4);
  Name.SetAsString("x");
  Items.Post();
  EXPECT_EQ(Items.RecordCount(), 1);
}

TEST_F(DataSetTest, LocateFindsByValueOrByGregorianText) {
  Add("a", 1, EncodeDate(2024, 3, 20));
  Add("b", 2, EncodeDate(2024, 3, 21));
  EXPECT_TRUE(Items.Locate("Qty", 2));
  EXPECT_EQ(Name.AsString(), "b");
  EXPECT_TRUE(Items.Locate("Day", "2024/03/20"));
  EXPECT_EQ(Name.AsString(), "a");
  EXPECT_FALSE(Items.Locate("Name", "zz"));
  EXPECT_EQ(Name.AsString(), "a");  // a failed search does not move
}

TEST_F(DataSetTest, IndexFieldNamesOrderRecordsAndNewOnesFallIntoPlace) {
  Add("c", 3);
  Add("a", 1);
  Items.SetIndexFieldNames("Qty");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c"}));
  Add("b", 2);
  EXPECT_EQ(Name.AsString(), "b");
  EXPECT_EQ(Items.RecNo(), 2);
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_THROW(Items.SetIndexFieldNames("Nope"), EDatabaseError);
  EXPECT_EQ(Items.IndexFieldNames(), "Qty");
}

TEST_F(DataSetTest, RangeOnTheIndexFieldLimitsTheRecords) {
  for (int day = 1; day <= 10; ++day)
    Add(std::to_string(day), static_cast<Integer>(day),
        EncodeDate(2024, 1, static_cast<Word>(day)));
  Items.SetIndexFieldNames("Day");
  Items.SetRangeStart();
  Day.SetAsDateTime(EncodeDate(2024, 1, 3));
  Items.SetRangeEnd();
  Day.SetAsDateTime(EncodeDate(2024, 1, 5));
  Items.ApplyRange();
  EXPECT_EQ(Names(), (std::vector<std::string>{"3", "4", "5"}));
  // Deleting inside the range, as a month is cleared before it is saved.
  while (!Items.IsEmpty()) Items.Delete();
  Items.CancelRange();
  EXPECT_EQ(Items.RecordCount(), 7);
  Items.SetRange({TVariant::FromDateTime(EncodeDate(2024, 1, 9))}, {});
  EXPECT_EQ(Names(), (std::vector<std::string>{"9", "10"}));
}

TEST_F(DataSetTest, UniqueIndexRefusesADuplicateKey) {
  // Ordered by the key the check searches the view; otherwise every record.
  for (const char* order : {"", "Qty", "Qty;Name"}) {
    SCOPED_TRACE(std::string("ordered by '") + order + "'");
    Items.Close();
    Items.IndexDefs().assign({{"ByQty", "Qty", ixPrimary | ixUnique}});
    Items.SetIndexFieldNames(order);
    Items.CreateDataSet();
    for (int qty : {5, 1, 9, 3, 7}) Add("n" + std::to_string(qty), qty);
    for (int qty : {1, 5, 9}) {
      Items.Append();
      Name.SetAsString("dup");
      Qty.SetAsInteger(qty);
      EXPECT_THROW(Items.Post(), EDatabaseError) << qty;
      Items.Cancel();
    }
    Add("between", 4);
    Items.Locate("Qty", TVariant(std::int64_t{9}));
    Items.Edit();  // an edited record may keep its own key
    Items.Post();
    Items.Edit();
    Qty.SetAsInteger(3);  // but not take another's
    EXPECT_THROW(Items.Post(), EDatabaseError);
    Items.Cancel();
    EXPECT_EQ(Items.RecordCount(), 6);
  }
}

// Search keys and filter literals are not stored values: text longer than
// the field simply matches nothing, or orders as text does.
TEST_F(DataSetTest, KeysAndLiteralsLongerThanTheFieldAreCompared) {
  Add("abcdefghij", 1);
  Add("b", 2);
  EXPECT_FALSE(Items.Locate("Name", TVariant(std::string("abcdefghijk"))));
  EXPECT_TRUE(Items.Locate("Name", TVariant(std::string("abcdefghij"))));
  Items.SetFilter("Name < 'abcdefghijk'");
  Items.SetFiltered(true);
  EXPECT_EQ(Names(), (std::vector<std::string>{"abcdefghij"}));
  Items.SetFilter("Name = 'abcdefghijk'");
  EXPECT_EQ(Items.RecordCount(), 0);
}

// A width counts characters of any script; what does not fit is refused,
// never cut, and the value stays as it was.
TEST_F(DataSetTest, StringWidthsCountCharactersAndRefuseWhatDoesNotFit) {
  const std::string persian10 = "\u0641\u0631\u0648\u0631\u062F\u064A\u0646\u0645\u0627\u0647";
  const struct {
    const char* Case;
    std::string Text;
    const char* Problem;  // nullptr: stored as given
    // clang-format off
  } cases[] = {
      {"ASCII, full", "abcdefghij", nullptr},
      {"Persian, full", persian10, nullptr},
      {"mixed, full", "ab\u0641\u0641\u0641\u0641\u0641\u0641\u0641\u0641", nullptr},
      {"empty", "", nullptr},
      {"ASCII, one more", "abcdefghijk", "Text of 11 characters does not fit field 'Name' (at most 10)"},
      {"Persian, one more", persian10 + "\u0641", "Text of 11 characters does not fit field 'Name' (at most 10)"},
      {"NUL inside", std::string("ab\0cd", 5), "Field 'Name' cannot hold a NUL character"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Items.Append();
    Name.SetAsString("old");
    if (!c.Problem) {
      Name.SetAsString(c.Text);
      EXPECT_EQ(Name.AsString(), c.Text);
    } else {
      try {
        Name.SetAsString(c.Text);
        ADD_FAILURE() << "no exception";
      } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(), c.Problem);
      }
      EXPECT_EQ(Name.AsString(), "old");
    }
    Items.Cancel();
  }
}

TEST_F(DataSetTest, DisabledControlsHearOneChangeWhenEnabled) {
  TDataSource source;
  int changes = 0;
  source.OnDataChange = [&](TDataSource&, TField*) { ++changes; };
  source.SetDataSet(&Items);
  Items.DisableControls();
  Add("a", 1);
  Add("b", 2);
  Items.First();
  EXPECT_EQ(changes, 0);
  Items.EnableControls();
  EXPECT_EQ(changes, 1);
  Items.Next();
  EXPECT_EQ(changes, 2);
}

TEST_F(DataSetTest, AfterPostRunsWithThePostedRecordCurrent) {
  std::string posted;
  Items.AfterPost = [&](TDataSet& dataSet) { posted = dataSet.FieldByName("Name").AsString(); };
  Add("a", 1);
  EXPECT_EQ(posted, "a");
}

// ---- Plain field texts ----------------------------------------------------------------

TEST(PlainFieldTextTest, TextsFollowTheHostFormats) {
  TClientDataSet values;
  auto& amount = values.AddField<TCurrencyField>("Amount");
  auto& flag = values.AddField<TBooleanField>("Flag");
  auto& moment = values.AddField<TDateTimeField>("Moment");
  auto& time = values.AddField<TTimeField>("Time");
  auto& stamp = values.AddField<TSQLTimeStampField>("Stamp");
  values.CreateDataSet();
  values.Append();
  amount.SetAsString("1234.5");
  flag.SetAsString("true");
  moment.SetAsDateTime(EncodeDateTime(2024, 3, 20, 18, 5, 0, 0));
  time.SetAsString("07:30:15");
  stamp.SetAsDateTime(EncodeDate(2024, 3, 20));
  EXPECT_EQ(amount.DisplayText(), "1234.50");
  EXPECT_EQ(amount.AsString(), "1234.5");
  EXPECT_DOUBLE_EQ(amount.AsFloat(), 1234.5);
  EXPECT_EQ(flag.AsString(), "True");
  EXPECT_EQ(moment.AsString(), "2024/03/20 18:05:00");
  EXPECT_EQ(time.AsString(), "07:30:15");
  EXPECT_EQ(stamp.AsString(), "2024/03/20");
  moment.SetDisplayFormat("d mmmm yyyy");
  EXPECT_EQ(moment.DisplayText(), "20 March 2024");
  EXPECT_EQ(moment.Text(), "2024/03/20 18:05:00");
  EXPECT_THROW(amount.SetAsString("12.34567"), EConvertError);
  EXPECT_THROW(flag.SetAsString("yes"), EConvertError);
  moment.SetAsString("");
  EXPECT_TRUE(moment.IsNull());
  EXPECT_EQ(moment.AsString(), "");
  EXPECT_TRUE(moment.AsVariant().IsNull());
}

// ---- Nested datasets -----------------------------------------------------------------------

class NestedDataSetTest : public ::testing::Test {
 protected:
  NestedDataSetTest() {
    Lines.AddField<TTimeField>("Start");
    Lines.SetDataSetField(&LinesField);
    Days.CreateDataSet();
    Lines.Open();
  }

  void AddDay(Integer number, std::initializer_list<const char*> starts) {
    Days.Append();
    Number.SetAsInteger(number);
    Days.Post();
    for (const char* start : starts) {
      Lines.Append();
      Lines.FieldByName("Start").SetAsString(start);
      Lines.Post();
    }
  }

  TClientDataSet Days{"Days"};
  TSmallintField& Number = Days.AddField<TSmallintField>("Number");
  TDataSetField& LinesField = Days.AddField<TDataSetField>("Lines");
  TClientDataSet Lines{"Lines"};
};

TEST_F(NestedDataSetTest, DetailRowsFollowTheMasterRecord) {
  AddDay(1, {"08:00", "13:00"});
  AddDay(2, {"09:00"});
  Days.First();
  EXPECT_EQ(Lines.RecordCount(), 2);
  Days.Next();
  EXPECT_EQ(Lines.RecordCount(), 1);
  EXPECT_EQ(Lines.FieldByName("Start").AsString(), "09:00:00");
  Days.First();
  Days.Delete();
  EXPECT_EQ(Number.AsInteger(), 2);
  EXPECT_EQ(Lines.RecordCount(), 1);
}

TEST_F(NestedDataSetTest, DetailNeedsAnOpenMasterWithARecord) {
  EXPECT_THROW(Lines.Append(), EDatabaseError);
  Days.Close();
  EXPECT_FALSE(Lines.Active());
  EXPECT_THROW(Lines.Open(), EDatabaseError);
}

TEST_F(NestedDataSetTest, DataPacketCopiesNestedRows) {
  AddDay(1, {"08:00", "13:00"});
  const TDataPacket copy = Days.Data();
  Lines.Append();
  Lines.FieldByName("Start").SetAsString("20:00");
  Lines.Post();
  const TRecordStore& rows = copy.Rows;
  const auto handle = static_cast<std::uint32_t>(rows.Layout().Native(rows.Row(0), 1));
  EXPECT_EQ(rows.Child(handle).Count(), 2u);
  EXPECT_EQ(Lines.RecordCount(), 3);
}

}  // namespace
}  // namespace zar
