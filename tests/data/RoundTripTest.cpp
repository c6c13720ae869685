// Property: whatever a dataset holds, the file it writes reads back to the
// same data. Random datasets of every field type, with extreme values,
// Persian and escaped text, empty and null values and nested rows, go
// through a file and back.

#include <gtest/gtest.h>

#include <random>

#include "ClientDataSet.h"
#include "DBErrors.h"
#include "DataPacket.h"
#include "DataTestSupport.h"
#include "GregorianDates.h"

namespace zar {
namespace {

using test::ReadText;
using test::TScratchDir;

class TRandomValues {
 public:
  explicit TRandomValues(std::uint32_t seed) : FRandom(seed) {}

  int Below(int bound) { return static_cast<int>(FRandom() % static_cast<std::uint32_t>(bound)); }
  bool OneIn(int n) { return Below(n) == 0; }

  // Text of at most Width characters mixing ASCII, Persian, characters the
  // packet escapes, and the widest UTF-8 sequences.
  std::string Text(int width) {
    static const char* const pieces[] = {
        "a", "Z",  "7", " ",  "\u0641", "\u0627", "\u06CC", "\u200C", "<",          ">",
        "&", "\"", "'", "\\", "\r",     "\n",     "\t",     "\x01",   "\U0001F600", "\u20AC"};
    const int length = OneIn(4) ? width : Below(width + 1);
    std::string text;
    for (int i = 0; i < length; ++i) text += pieces[Below(std::size(pieces))];
    return text;
  }

  TVariant Value(TFieldType type, int width) {
    if (OneIn(5)) return {};
    switch (type) {
      case ftString: return TVariant(Text(width));
      case ftSmallint: {
        static const int extremes[] = {-32768, 32767, 0, -1};
        return TVariant(
            static_cast<std::int64_t>(OneIn(3) ? extremes[Below(4)] : Below(65536) - 32768));
      }
      case ftBoolean: return TVariant(OneIn(2));
      case ftCurrency: {
        static const double extremes[] = {922337203685477.0, -922337203685477.0, 0.0001, -0.0001,
                                          0};
        return TVariant(OneIn(3) ? extremes[Below(5)] : (Below(2000000001) - 1000000000) / 100.0);
      }
      case ftDate: return TVariant::FromDateTime(Day());
      case ftTime: return TVariant::FromDateTime(Below(86400000) / 86400000.0);
      case ftDateTime:
      case ftTimeStamp:
        return TVariant::FromDateTime(CombineDateTime(Day(), Below(86400000) / 86400000.0));
      default: return {};
    }
  }

 private:
  // Any day from 0001-01-01 to 9999-12-31, the ends more often.
  TDateTime Day() {
    const TDateTime first = EncodeDate(1, 1, 1);
    const TDateTime last = EncodeDate(9999, 12, 31);
    if (OneIn(6)) return OneIn(2) ? first : last;
    return first + Below(static_cast<int>(last - first) + 1);
  }

  std::mt19937 FRandom;
};

struct TShape {
  TFieldType Type;
  int Width;
};

// The persistent fields of one random dataset and its nested detail.
void AddFields(TClientDataSet& master, TClientDataSet& detail, const std::vector<TShape>& shapes,
               const std::vector<TShape>& detailShapes) {
  master.AddField<TAutoIncField>("Id");
  auto add = [](TClientDataSet& data, const std::string& name, const TShape& shape) {
    switch (shape.Type) {
      case ftString: data.AddField<TStringField>(name, shape.Width); break;
      case ftSmallint: data.AddField<TSmallintField>(name); break;
      case ftBoolean: data.AddField<TBooleanField>(name); break;
      case ftCurrency: data.AddField<TCurrencyField>(name); break;
      case ftDate: data.AddField<TDateField>(name); break;
      case ftTime: data.AddField<TTimeField>(name); break;
      case ftDateTime: data.AddField<TDateTimeField>(name); break;
      case ftTimeStamp: data.AddField<TSQLTimeStampField>(name); break;
      default: break;
    }
  };
  for (std::size_t i = 0; i < shapes.size(); ++i) add(master, "F" + std::to_string(i), shapes[i]);
  for (std::size_t i = 0; i < detailShapes.size(); ++i)
    add(detail, "D" + std::to_string(i), detailShapes[i]);
  detail.SetDataSetField(&master.AddField<TDataSetField>("Lines"));
}

using TRows = std::vector<std::vector<TVariant>>;

TRows Snapshot(TClientDataSet& master, TClientDataSet& detail) {
  TRows rows;
  if (!detail.Active()) detail.Open();
  for (master.First(); !master.Eof(); master.Next()) {
    auto& row = rows.emplace_back();
    for (std::size_t f = 0; f + 1 < master.FieldCount(); ++f)
      row.push_back(master.Fields(f).AsVariant());
    for (detail.First(); !detail.Eof(); detail.Next())
      for (std::size_t f = 0; f < detail.FieldCount(); ++f)
        row.push_back(detail.Fields(f).AsVariant());
  }
  return rows;
}

TEST(RoundTripTest, RandomDatasetsReadBackEqual) {
  constexpr TFieldType types[] = {ftString, ftSmallint, ftBoolean,  ftCurrency,
                                  ftDate,   ftTime,     ftDateTime, ftTimeStamp};
  TScratchDir dir;
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TRandomValues random(seed);
    std::vector<TShape> shapes, detailShapes;
    auto shape = [&] {
      const TFieldType type = types[random.Below(std::size(types))];
      return TShape{type, random.OneIn(4) ? MaxStringSize : 1 + random.Below(40)};
    };
    for (int i = 1 + random.Below(10); i > 0; --i) shapes.push_back(shape());
    for (int i = 1 + random.Below(3); i > 0; --i) detailShapes.push_back(shape());
    const std::string file = dir.File("random" + std::to_string(seed) + ".xml");
    TRows before;
    {
      TClientDataSet master("Master"), detail("Detail");
      AddFields(master, detail, shapes, detailShapes);
      master.SetFileName(file);
      master.Open();
      master.SetLogChanges(random.OneIn(2));
      detail.Open();
      for (int r = random.Below(30); r > 0; --r) {
        master.Append();
        for (std::size_t f = 0; f < shapes.size(); ++f)
          master.Fields(f + 1).SetAsVariant(random.Value(shapes[f].Type, shapes[f].Width));
        master.Post();
        for (int d = random.Below(4); d > 0; --d) {
          detail.Append();
          for (std::size_t f = 0; f < detailShapes.size(); ++f)
            detail.Fields(f).SetAsVariant(
                random.Value(detailShapes[f].Type, detailShapes[f].Width));
          detail.Post();
        }
      }
      before = Snapshot(master, detail);
      master.Close();
    }
    const std::string written = ReadText(file);
    TClientDataSet master("Master"), detail("Detail");
    AddFields(master, detail, shapes, detailShapes);
    master.SetFileName(file);
    ASSERT_NO_THROW(master.Open());
    EXPECT_EQ(Snapshot(master, detail), before);
    // Written again, the same data gives the same text.
    EXPECT_EQ(DataPacketToXml(master.Data()), written);
  }
}

}  // namespace
}  // namespace zar
