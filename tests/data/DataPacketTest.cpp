// Data packets: round trips through files, the text written, the rules for
// writing on close, and bad files that must fail without harming anything.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <limits>

#include "ClientDataSet.h"
#include "DBErrors.h"
#include "DataPacket.h"
#include "DataTestSupport.h"
#include "GregorianDates.h"

namespace zar {
namespace {

using test::ReadText;
using test::TScratchDir;
using test::WriteText;

// One field of every type, and a nested dataset.
struct TAllTypes {
  explicit TAllTypes(const std::string& fileName) {
    Master.SetFileName(fileName);
    Master.AddField<TAutoIncField>("Id");
    Master.AddField<TStringField>("Text", 40);
    Master.AddField<TSmallintField>("Small");
    Master.AddField<TBooleanField>("Flag");
    Master.AddField<TCurrencyField>("Money");
    Master.AddField<TDateField>("Day");
    Master.AddField<TTimeField>("Clock");
    Master.AddField<TDateTimeField>("Moment");
    Master.AddField<TSQLTimeStampField>("Stamp");
    Detail.AddField<TStringField>("Line", 8);
    Detail.AddField<TDateTimeField>("When");
    Detail.SetDataSetField(&Master.AddField<TDataSetField>("Lines"));
  }

  void AddRow(const std::vector<TVariant>& values, std::initializer_list<const char*> lines = {}) {
    if (!Detail.Active()) Detail.Open();
    Master.Append();
    for (std::size_t i = 0; i < values.size(); ++i) Master.Fields(i + 1).SetAsVariant(values[i]);
    Master.Post();
    for (const char* line : lines) {
      Detail.Append();
      Detail.FieldByName("Line").SetAsString(line);
      Detail.Post();
    }
  }

  // Every value of every record as variants, nested rows included.
  std::vector<std::vector<TVariant>> Snapshot() {
    std::vector<std::vector<TVariant>> rows;
    if (!Detail.Active()) Detail.Open();
    for (Master.First(); !Master.Eof(); Master.Next()) {
      auto& row = rows.emplace_back();
      for (std::size_t i = 0; i + 1 < Master.FieldCount(); ++i)
        row.push_back(Master.Fields(i).AsVariant());
      for (Detail.First(); !Detail.Eof(); Detail.Next()) {
        row.push_back(Detail.FieldByName("Line").AsVariant());
        row.push_back(Detail.FieldByName("When").AsVariant());
      }
    }
    return rows;
  }

  TClientDataSet Master{"Master"};
  TClientDataSet Detail{"Detail"};
};

TVariant Moment(Word y, Word m, Word d, Word h, Word n, Word s, Word ms) {
  return TVariant::FromDateTime(EncodeDateTime(y, m, d, h, n, s, ms));
}

TEST(DataPacketTest, EveryFieldTypeSurvivesAFileRoundTrip) {
  TScratchDir dir;
  const std::string file = dir.File("all.xml");
  std::vector<std::vector<TVariant>> before;
  {
    TAllTypes data(file);
    data.Master.Open();  // no file yet: empty, from the persistent fields
    data.AddRow({"<&>\"'\\ \r\n\t end", 32767, true, 922337203685477.0,
                 TVariant::FromDateTime(EncodeDate(1, 1, 1)), TVariant::FromDateTime(0.5),
                 Moment(9999, 12, 31, 23, 59, 59, 999), Moment(1899, 12, 29, 6, 0, 0, 0)},
                {"x", "y&z"});
    data.AddRow({"\u0641\u0631\u0648\u0631\u062F\u064A\u0646", -32768, false, -0.0001,
                 TVariant::FromDateTime(EncodeDate(2024, 3, 20)), TVariant::FromDateTime(0),
                 Moment(1, 1, 1, 0, 0, 0, 1), TVariant()});
    data.AddRow(
        {"", TVariant(), TVariant(), TVariant(), TVariant(), TVariant(), TVariant(), TVariant()});
    data.Detail.Append();
    data.Detail.FieldByName("When").SetAsVariant(Moment(2000, 2, 29, 12, 0, 0, 0));
    data.Detail.Post();
    before = data.Snapshot();
    data.Master.Close();
  }
  const std::string written = ReadText(file);
  {
    TAllTypes data(file);
    data.Master.Open();
    EXPECT_EQ(data.Snapshot(), before);
    data.Master.Close();  // unchanged: not written again
  }
  EXPECT_EQ(ReadText(file), written);
  {
    TAllTypes data(file);
    data.Master.Open();
    data.Master.Edit();
    data.Master.Post();  // changed as far as the dataset knows
    data.Master.Close();
  }
  EXPECT_EQ(ReadText(file), written);  // the same data gives the same text
}

TEST(DataPacketTest, TextHasTheDeclarationTheEscapesAndTheStructure) {
  TScratchDir dir;
  const std::string file = dir.File("text.xml");
  {
    TAllTypes data(file);
    data.Master.Open();
    data.Master.SetLogChanges(false);
    data.AddRow(
        {"a<b>c\"d'e&f\\g\rh\ni\tj", 1, true, 12.5, TVariant::FromDateTime(EncodeDate(2024, 3, 20)),
         TVariant::FromDateTime(0.75), Moment(2024, 3, 20, 18, 0, 0, 0)},
        {"L"});
    data.Master.Close();
  }
  const std::string text = ReadText(file);
  EXPECT_EQ(text.substr(0, text.find('\n')), "<?xml version=\"1.0\" standalone=\"yes\"?>");
  EXPECT_NE(text.find("<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
                      "<FIELD attrname=\"Id\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>"
                      "<FIELD attrname=\"Text\" fieldtype=\"string\" WIDTH=\"40\"/>"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("<FIELD attrname=\"Lines\" fieldtype=\"nested\"><FIELDS>"
                      "<FIELD attrname=\"Line\" fieldtype=\"string\" WIDTH=\"8\"/>"),
            std::string::npos);
  EXPECT_NE(text.find("<PARAMS AUTOINCVALUE=\"2\"/>"), std::string::npos);
  EXPECT_NE(text.find("<ROW RowState=\"0\" Id=\"1\" "
                      "Text=\"a&lt;b&gt;c&quot;d&apos;e&amp;f&#092;g&#013;h&#010;i&#009;j\" "
                      "Small=\"1\" Flag=\"TRUE\" Money=\"12.5\" Day=\"20240320\" "
                      "Clock=\"18:00:00000\" Moment=\"20240320T18:00:00000\">"
                      "<Lines><ROW RowState=\"0\" Line=\"L\"/></Lines></ROW>"),
            std::string::npos)
      << text;
}

TEST(DataPacketTest, ChangeLogMarksInsertedAndModifiedRowsUntilMerged) {
  TScratchDir dir;
  TAllTypes data(dir.File("log.xml"));
  data.Master.Open();
  data.AddRow({"new"});
  data.Master.Close();
  EXPECT_NE(ReadText(dir.File("log.xml")).find("<ROW RowState=\"4\""), std::string::npos);
  data.Master.Open();
  data.Master.MergeChangeLog();
  data.Master.Edit();
  data.Master.FieldByName("Small").SetAsInteger(3);
  data.Master.Post();
  data.Master.Close();
  EXPECT_NE(ReadText(dir.File("log.xml")).find("<ROW RowState=\"8\""), std::string::npos);
}

TEST(DataPacketTest, CloseWritesOnlyWhenChangedOrMissing) {
  TScratchDir dir;
  const std::string file = dir.File("rule.xml");
  TAllTypes data(file);
  data.Master.Open();
  data.Master.Close();  // missing: created, empty
  ASSERT_TRUE(std::filesystem::exists(file));
  // Something else rewrites the file; an unchanged dataset leaves it be.
  data.Master.Open();
  const std::string other = ReadText(file) + "\n";
  WriteText(file, other);
  data.Master.Close();
  EXPECT_EQ(ReadText(file), other);
}

TEST(DataPacketTest, AFailedWriteKeepsTheDatasetOpenAndLeavesNoTemporaryFile) {
  TScratchDir dir;
  // The target is a directory: refused before anything is written.
  std::filesystem::create_directory(dir.File("blocked.xml"));
  TAllTypes data(dir.File("blocked.xml"));
  data.Master.CreateDataSet();
  data.AddRow({"kept"});
  try {
    data.Master.Close();
    ADD_FAILURE() << "no exception";
  } catch (const EDatabaseError& error) {
    EXPECT_NE(error.Message().find("Cannot write data file '" + dir.File("blocked.xml") + "'"),
              std::string::npos)
        << error.Message();
  }
  EXPECT_TRUE(data.Master.Active());
  EXPECT_EQ(data.Master.RecordCount(), 1);
  EXPECT_EQ(dir.EntryCount(), 1u);
  data.Master.SetFileName(dir.File("elsewhere.xml"));
  data.Master.Close();
  EXPECT_FALSE(data.Master.Active());
}

TEST(DataPacketTest, SetDataReopensOnAnIndependentCopy) {
  TScratchDir dir;
  TAllTypes source(dir.File("source.xml"));
  source.Master.Open();
  source.AddRow({"one", 1}, {"a"});
  TAllTypes copy(dir.File("copy.xml"));
  copy.Master.SetData(source.Master.Data());
  EXPECT_TRUE(copy.Master.Active());
  copy.Detail.Open();
  EXPECT_EQ(copy.Snapshot(), source.Snapshot());
  copy.Master.Edit();
  copy.Master.FieldByName("Text").SetAsString("changed");
  copy.Master.Post();
  EXPECT_EQ(source.Master.FieldByName("Text").AsString(), "one");
}

// The auto-increment counter may reach one past the field's largest value,
// which the reader accepts; assigning from it is refused at Post.
TEST(DataPacketTest, AnExhaustedAutoIncrementIsReadBackAndRefusedAtPost) {
  const struct {
    const char* Case;
    const char* Params;
    bool SetExplicitly;
    // clang-format off
  } cases[] = {
      {"counter at the last value", "<PARAMS AUTOINCVALUE=\"2147483647\"/>", false},
      {"last value set by hand", "<PARAMS/>", true},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    TScratchDir dir;
    const std::string file = dir.File("ids.xml");
    WriteText(file, std::string(
                        "<?xml version=\"1.0\" standalone=\"yes\"?>\n<DATAPACKET><METADATA><FIELDS>"
                        "<FIELD attrname=\"Id\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>"
                        "<FIELD attrname=\"Note\" fieldtype=\"string\" WIDTH=\"8\"/></FIELDS>") +
                        c.Params + "</METADATA><ROWDATA/></DATAPACKET>");
    {
      TClientDataSet data("Ids");
      data.SetFileName(file);
      data.Open();
      data.Append();
      if (c.SetExplicitly) data.FieldByName("Id").SetAsInteger(2147483647);
      data.Post();
      EXPECT_EQ(data.FieldByName("Id").AsInteger(), 2147483647);
      data.Close();
    }
    TClientDataSet data("Ids");
    data.SetFileName(file);
    ASSERT_NO_THROW(data.Open());
    EXPECT_EQ(data.RecordCount(), 1);
    data.Append();
    data.FieldByName("Note").SetAsString("next");
    try {
      data.Post();
      ADD_FAILURE() << "no exception";
    } catch (const EDatabaseError& error) {
      EXPECT_EQ(
          error.Message(),
          "Ids: Field 'Id' has no number left to give: its largest value, 2147483647, is taken");
    }
    EXPECT_EQ(data.State(), TDataSetState::Insert);
    data.Cancel();
    const std::string before = ReadText(file);
    data.Close();
    EXPECT_EQ(ReadText(file), before);
  }
}

// ---- Bad input ---------------------------------------------------------------------------------

constexpr const char* Head = "<?xml version=\"1.0\" standalone=\"yes\"?>\n";
constexpr const char* Fields =
    "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
    "<FIELD attrname=\"No\" fieldtype=\"i2\"/><FIELD attrname=\"Day\" fieldtype=\"date\"/>"
    "<FIELD attrname=\"Name\" fieldtype=\"string\" WIDTH=\"4\"/></FIELDS><PARAMS/></METADATA>";

// A packet of the given field definitions and no rows.
std::string WithFields(const std::string& fields) {
  return std::string(Head) + "<DATAPACKET><METADATA><FIELDS>" + fields +
         "</FIELDS></METADATA><ROWDATA/></DATAPACKET>";
}

std::string WithRows(const std::string& rows) {
  return std::string(Head) + Fields + "<ROWDATA>" + rows + "</ROWDATA></DATAPACKET>";
}

// Nested dataset fields, one inside the other.
std::string NestedFields(int depth) {
  std::string fields = "<FIELD attrname=\"Leaf\" fieldtype=\"i2\"/>";
  for (int i = 0; i < depth; ++i)
    fields = "<FIELD attrname=\"N" + std::to_string(i) + "\" fieldtype=\"nested\"><FIELDS>" +
             fields + "</FIELDS></FIELD>";
  return fields;
}

std::string ManyFieldsAndEmptyRows(int fields, int rows) {
  std::string text;
  for (int i = 0; i < fields; ++i)
    text += "<FIELD attrname=\"F" + std::to_string(i) + "\" fieldtype=\"string\" WIDTH=\"8192\"/>";
  text =
      std::string(Head) + "<DATAPACKET><METADATA><FIELDS>" + text + "</FIELDS></METADATA><ROWDATA>";
  for (int i = 0; i < rows; ++i) text += "<ROW/>";
  return text + "</ROWDATA></DATAPACKET>";
}

// The same fields in a nested dataset, and master rows each with an empty
// nested element.
std::string ManyNestedFieldsAndEmptyRows(int fields, int rows) {
  std::string text;
  for (int i = 0; i < fields; ++i)
    text += "<FIELD attrname=\"F" + std::to_string(i) + "\" fieldtype=\"string\" WIDTH=\"8192\"/>";
  text = std::string(Head) +
         "<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"D\" fieldtype=\"nested\"><FIELDS>" +
         text + "</FIELDS></FIELD></FIELDS></METADATA><ROWDATA>";
  for (int i = 0; i < rows; ++i) text += "<ROW><D/></ROW>";
  return text + "</ROWDATA></DATAPACKET>";
}

std::string DeepRows(int depth) {
  std::string rows;
  for (int i = 0; i < depth; ++i) rows += "<ROW>";
  for (int i = 0; i < depth; ++i) rows += "</ROW>";
  return rows;
}

TEST(DataPacketTest, BadFilesFailCleanlyAndStayUntouched) {
  const struct {
    const char* Case;
    std::string Content;
    std::string Problem;
    // clang-format off
  } cases[] = {
      {"not XML", "this is not a packet", "No document element found"},
      {"truncated", WithRows("<ROW No=\"1\"/>").substr(0, 150), "at offset"},
      {"empty file", "", "No document element found"},
      {"wrong root", std::string(Head) + "<PACKET/>", "the root element is 'PACKET'"},
      {"no metadata", std::string(Head) + "<DATAPACKET><ROWDATA/></DATAPACKET>", "has no 'METADATA'"},
      {"two roots", WithRows("") + "<DATAPACKET/>", "more than one root element"},
      {"unknown type", WithFields("<FIELD attrname=\"A\" fieldtype=\"blob\"/>"),
       "field 'A' has the unknown type 'blob'"},
      {"string without width", WithFields("<FIELD attrname=\"A\" fieldtype=\"string\"/>"),
       "field 'A' has no valid 'WIDTH'"},
      {"huge width",
       WithFields("<FIELD attrname=\"A\" fieldtype=\"string\" WIDTH=\"99999999999999999999\"/>"),
       "field 'A' has no valid 'WIDTH'"},
      {"duplicate field",
       WithFields("<FIELD attrname=\"A\" fieldtype=\"i2\"/><FIELD attrname=\"a\" fieldtype=\"i2\"/>"),
       "Field name 'a' is used more than once"},
      {"missing attrname", WithFields("<FIELD fieldtype=\"i2\"/>"), "a FIELD has no 'attrname'"},
      {"too deep", WithFields(NestedFields(MaxNestingDepth + 1)), "nested datasets are deeper than 8 levels"},
      {"nested without fields", WithFields("<FIELD attrname=\"N\" fieldtype=\"nested\"/>"),
       "element 'FIELD' has no 'FIELDS'"},
      {"duplicate attribute", WithRows("<ROW No=\"1\" No=\"2\"/>"), "row 1: field 'No' appears twice"},
      {"unknown attribute", WithRows("<ROW Other=\"1\"/>"), "row 1: unknown field 'Other'"},
      {"bad number", WithRows("<ROW/><ROW No=\"12a\"/>"), "row 2: '12a' is not a valid Smallint value for field 'No'"},
      {"huge number", WithRows("<ROW No=\"99999999999999999999999\"/>"), "is not a valid Smallint value"},
      {"out of range", WithRows("<ROW No=\"32768\"/>"), "'32768' is not a valid Smallint value"},
      {"bad date", WithRows("<ROW Day=\"20230229\"/>"), "'20230229' is not a valid Date value for field 'Day'"},
      {"too long", WithRows("<ROW Name=\"abcde\"/>"),
       "row 1: Text of 5 characters does not fit field 'Name' (at most 4)"},
      {"too long, Persian", WithRows("<ROW Name=\"\u0641\u0631\u0648\u0631\u062F\"/>"),
       "row 1: Text of 5 characters does not fit field 'Name' (at most 4)"},
      {"auto-increment counter beyond its last value",
       std::string(Head) + "<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"Id\" fieldtype=\"i4\" "
           "SUBTYPE=\"Autoinc\"/></FIELDS><PARAMS AUTOINCVALUE=\"2147483649\"/></METADATA>"
           "<ROWDATA/></DATAPACKET>",
       "invalid AUTOINCVALUE '2147483649'"},
      {"huge value", WithRows("<ROW No=\"" + std::string(1 << 20, '7') + "\"/>"),
       "row 1: '" + std::string(QuotedLimit, '7') + "\u2026' is not a valid Smallint value"},
      {"huge field name", WithRows("<ROW " + std::string(1 << 20, 'x') + "=\"1\"/>"),
       "row 1: unknown field '" + std::string(QuotedLimit, 'x') + "\u2026'"},
      {"huge entity", WithRows("<ROW Name=\"&" + std::string(1 << 20, 'e') + ";\"/>"),
       "row 1: undefined entity in '&eee"},
      // Rows without values still take a record each: a file must not make
      // opening it take many times its size.
      {"many empty rows of many fields", ManyFieldsAndEmptyRows(3000, 30000),
       "rows of 3000 fields would take more memory than a file of this size may"},
      {"many empty nested datasets of many fields", ManyNestedFieldsAndEmptyRows(3000, 30000),
       "rows of 3000 fields would take more memory than a file of this size may"},
      {"bad row state", WithRows("<ROW RowState=\"3\"/>"), "row 1: invalid RowState '3'"},
      {"stray element", WithRows("<ROW><Details/></ROW>"), "row 1: unexpected element 'Details'"},
      {"stray text", WithRows("oops"), "unexpected text in 'ROWDATA'"},
      {"stray element in the packet",
       std::string(Head) + Fields + "<ROWDATA/><EXTRA/></DATAPACKET>",
       "unexpected element 'EXTRA' in 'DATAPACKET'"},
      {"stray text in the packet", std::string(Head) + Fields + "<ROWDATA/>oops</DATAPACKET>",
       "unexpected text in 'DATAPACKET'"},
      {"stray element in the fields",
       WithFields("<FIELD attrname=\"A\" fieldtype=\"i2\"/><INDEX/>"),
       "unexpected element 'INDEX' in 'FIELDS'"},
      {"stray text in the fields", WithFields("oops"), "unexpected text in 'FIELDS'"},
      {"two row data", std::string(Head) + Fields + "<ROWDATA/><ROWDATA/></DATAPACKET>",
       "element 'DATAPACKET' has more than one 'ROWDATA'"},
      {"two params",
       std::string(Head) + "<DATAPACKET><METADATA><FIELDS/><PARAMS/><PARAMS/></METADATA><ROWDATA/>"
           "</DATAPACKET>",
       "element 'METADATA' has more than one 'PARAMS'"},
      {"doctype entities",
       std::string(Head) + "<!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>" +
           Fields + "<ROWDATA><ROW Name=\"&b;\"/></ROWDATA></DATAPACKET>",
       "document type declarations are not allowed"},
      {"undefined entity", WithRows("<ROW Name=\"&b;\"/>"), "row 1: undefined entity in '&b;'"},
      {"bad character reference", WithRows("<ROW Name=\"&#0;\"/>"), "row 1: undefined entity in '&#0;'"},
      {"deep nesting", WithRows(DeepRows(50000)), "row 1: unexpected element 'ROW'"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    TScratchDir dir;
    const std::string file = dir.File("bad.xml");
    WriteText(file, c.Content);
    TClientDataSet data("Bad");
    data.SetFileName(file);
    try {
      data.Open();
      ADD_FAILURE() << "no exception";
    } catch (const EDatabaseError& error) {
      EXPECT_NE(error.Message().find("Cannot read data packet from '" + file + "': "),
                std::string::npos)
          << error.Message();
      EXPECT_NE(error.Message().find(c.Problem), std::string::npos)
          << error.Message().substr(0, 500);
      // Whatever the file holds, the message stays short.
      EXPECT_LT(error.Message().size(), 400u);
    }
    EXPECT_FALSE(data.Active());
    data.Close();
    EXPECT_EQ(ReadText(file), c.Content);
    EXPECT_EQ(dir.EntryCount(), 1u);
  }
}

TEST(DataPacketTest, PersistentFieldsMustMatchTheFile) {
  TScratchDir dir;
  const std::string file = dir.File("orders.xml");
  WriteText(file, WithRows("<ROW No=\"1\"/>"));
  const struct {
    const char* Case;
    std::function<void(TClientDataSet&)> Define;
    const char* Problem;
    // clang-format off
  } cases[] = {
      {"missing field", [](TClientDataSet& d) { d.AddField<TSmallintField>("Other"); },
       "Field 'Other' not found"},
      {"other type", [](TClientDataSet& d) { d.AddField<TStringField>("No"); },
       "Type mismatch for field 'No', expecting: String actual: Smallint"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    TClientDataSet data("Orders");
    c.Define(data);
    data.SetFileName(file);
    try {
      data.Open();
      ADD_FAILURE() << "no exception";
    } catch (const EDatabaseError& error) {
      EXPECT_EQ(error.Message(),
                "Cannot read data packet from '" + file + "': Orders: " + c.Problem);
    }
    EXPECT_FALSE(data.Active());
  }
}

// ---- Memory ----------------------------------------------------------------------------------

// A record costs the same whatever the declared widths: empty, null and
// short values take little, and the longest value still fits.
TEST(DataPacketTest, WideFieldsOfShortTextCostLittle) {
  std::string fields;
  for (int i = 0; i < 100; ++i)
    fields +=
        "<FIELD attrname=\"F" + std::to_string(i) + "\" fieldtype=\"string\" WIDTH=\"8192\"/>";
  std::string rows;
  for (int i = 0; i < 5000; ++i) rows += i % 100 == 0 ? "<ROW F0=\"\" F7=\"short\"/>" : "<ROW/>";
  std::string longest;
  for (int i = 0; i < MaxStringSize; ++i) longest += "\u0641";
  rows += "<ROW F99=\"" + longest + "\"/>";
  TScratchDir dir;
  const std::string file = dir.File("wide.xml");
  WriteText(file, "<?xml version=\"1.0\" standalone=\"yes\"?>\n<DATAPACKET><METADATA><FIELDS>" +
                      fields + "</FIELDS></METADATA><ROWDATA>" + rows + "</ROWDATA></DATAPACKET>");
  const TDataPacket packet = ReadDataPacketFile(file);
  ASSERT_EQ(packet.Rows.Count(), 5001u);
  EXPECT_LE(packet.Rows.Layout().RecordSize(), 1024u);
  const TRecordLayout& layout = packet.Rows.Layout();
  EXPECT_EQ(layout.String(packet.Rows.Row(100), 7), "short");
  EXPECT_EQ(layout.String(packet.Rows.Row(5000), 99), longest);
  EXPECT_TRUE(layout.IsNull(packet.Rows.Row(1), 0));
  EXPECT_FALSE(layout.IsNull(packet.Rows.Row(0), 0));
}

// Memory that runs out while a file is read is a dataset error like any
// other, never an exception the caller does not expect. The address space of
// a child process is limited to make it run out (not under AddressSanitizer,
// which needs a vast one).
#if !defined(__SANITIZE_ADDRESS__)
TEST(DataPacketTest, RunningOutOfMemoryIsADatasetError) {
  TScratchDir dir;
  const std::string file = dir.File("big.xml");
  // Records of 1000 fields: about 48 MB for 6000 empty rows, within what the
  // file's size allows, beyond what the child may take.
  WriteText(file, ManyFieldsAndEmptyRows(1000, 6000));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit =
        static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (24 << 20);
    const rlimit bounds{limit, limit};
    ::setrlimit(RLIMIT_AS, &bounds);
    int status = 1;
    try {
      TClientDataSet data("Big");
      data.SetFileName(file);
      data.Open();
      status = 2;  // opened after all: the limit did not bite
    } catch (const EDatabaseError& error) {
      if (error.Message().find("not enough memory") != std::string::npos) status = 0;
    } catch (...) {
    }
    ::_exit(status);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the child died of signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

}  // namespace
}  // namespace zar
