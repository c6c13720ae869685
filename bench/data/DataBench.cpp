// The whole cycle of the orders pages on 100 000 orders (open the file,
// filter on a ship-date range, read the display text of every field of every
// visible record, change one order and close, which writes the file) against
// a bare pugixml load and save of the same file; and the memory an open
// dataset of those orders takes against the file's size.
// Then how the layer scales: appending and posting ten times the rows, and
// reading files with ten times the field definitions, parameters or nested
// rows, each against the smaller case in the same run (linear: about 10x).

#include <malloc.h>
#include <unistd.h>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>

#include "BenchOrders.h"
#include "DemoDataSets.h"
#include "GregorianDates.h"
#include "RatioTable.h"

namespace {

using namespace zar;

constexpr int OrderCount = 100000;
constexpr const char* ShipDateRange = "((ShipDate >= '2010/01/01') AND (ShipDate <= '2015/12/31'))";

const std::filesystem::path& WorkDirectory() {
  static const std::filesystem::path directory = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("zardata-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return directory;
}

std::string OrdersFile() { return (WorkDirectory() / "orders.xml").string(); }

// Orders spread over 2000 to 2020, one in ten without a ship date.
void GenerateOrders() {
  TClientDataSet orders("cdsOrders");
  zardemo::DefineOrders(orders);
  orders.SetFileName(OrdersFile());
  orders.Open();
  orders.SetLogChanges(false);
  bench::AppendOrders(orders, OrderCount);
  orders.Close();
}

void OrdersCycleZar(benchmark::State& state) {
  std::size_t visible = 0;
  for (auto _ : state) {
    TClientDataSet orders("cdsOrders");
    zardemo::DefineOrders(orders);
    orders.SetFileName(OrdersFile());
    orders.Open();
    orders.SetFilter(ShipDateRange);
    orders.SetFiltered(true);
    std::size_t bytes = 0;
    for (orders.First(); !orders.Eof(); orders.Next())
      for (std::size_t f = 0; f < orders.FieldCount(); ++f)
        bytes += orders.Fields(f).DisplayText().size();
    benchmark::DoNotOptimize(bytes);
    visible = static_cast<std::size_t>(orders.RecordCount());
    orders.First();
    orders.Edit();  // one change, so that closing writes the file
    orders.FieldByName("AmountPaid").SetAsFloat(1 + state.iterations() % 2);
    orders.Post();
    orders.Close();
  }
  state.counters["visible"] = static_cast<double>(visible);
}

void OrdersCyclePugixml(benchmark::State& state) {
  const std::string copy = (WorkDirectory() / "orders-pugixml.xml").string();
  for (auto _ : state) {
    pugi::xml_document document;
    if (!document.load_file(OrdersFile().c_str())) state.SkipWithError("load failed");
    if (!document.save_file(copy.c_str(), "", pugi::format_raw)) state.SkipWithError("save failed");
  }
}

// ---- Scaling -------------------------------------------------------------------

void AppendPost(benchmark::State& state, int rows) {
  for (auto _ : state) {
    TClientDataSet orders("cdsOrders");
    zardemo::DefineOrders(orders);
    orders.CreateDataSet();
    orders.SetLogChanges(false);
    for (int i = 0; i < rows; ++i) {
      orders.Append();
      orders.FieldByName("AmountPaid").SetAsFloat(i);
      orders.Post();
    }
    benchmark::DoNotOptimize(orders.RecordCount());
  }
}

void AppendPostMillion(benchmark::State& state) { AppendPost(state, 1000000); }
void AppendPostHundredThousand(benchmark::State& state) { AppendPost(state, 100000); }

constexpr const char* PacketHead =
    "<?xml version=\"1.0\" standalone=\"yes\"?>\n<DATAPACKET Version=\"2.0\">";

// Count string field definitions and one row.
std::string FieldsPacket(int count) {
  std::string text = std::string(PacketHead) + "<METADATA><FIELDS>";
  for (int i = 0; i < count; ++i)
    text +=
        "<FIELD attrname=\"Field" + std::to_string(i) + "\" fieldtype=\"string\" WIDTH=\"20\"/>";
  text += "</FIELDS><PARAMS/></METADATA><ROWDATA><ROW";
  for (int i = count - 1; i >= 0; i -= 7) text += " Field" + std::to_string(i) + "=\"x\"";
  return text + "/></ROWDATA></DATAPACKET>";
}

// The days file's fields with Count parameters.
std::string ParamsPacket(int count) {
  std::string text =
      std::string(PacketHead) +
      "<METADATA><FIELDS><FIELD attrname=\"Date\" fieldtype=\"date\"/></FIELDS><PARAMS";
  for (int i = 0; i < count; ++i) text += " P" + std::to_string(i) + "=\"1\"";
  return text + "/></METADATA><ROWDATA/></DATAPACKET>";
}

// Count work-calendar days, each with two nested rows.
std::string NestedPacket(int count) {
  std::string text = std::string(PacketHead) +
                     "<METADATA><FIELDS><FIELD attrname=\"Day\" fieldtype=\"i2\"/>"
                     "<FIELD attrname=\"Details\" fieldtype=\"nested\"><FIELDS>"
                     "<FIELD attrname=\"Start\" fieldtype=\"time\"/></FIELDS></FIELD></FIELDS>"
                     "<PARAMS/></METADATA><ROWDATA>";
  for (int i = 0; i < count; ++i)
    text +=
        "<ROW Day=\"1\"><Details><ROW Start=\"08:00:00000\"/><ROW Start=\"14:00:00000\"/></Details></ROW>";
  return text + "</ROWDATA></DATAPACKET>";
}

void Read(benchmark::State& state, const std::string& text) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseDataPacket(text, "'bench'").Rows.Count());
  state.counters["bytes"] = static_cast<double>(text.size());
}

long StatusKilobytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::string(key).size()));
  return -1;
}

// Resident and peak memory of opening the orders, over the file's size.
void ReportMemory() {
  const auto fileSize = static_cast<double>(std::filesystem::file_size(OrdersFile()));
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";  // the peak restarts from here
  const long baseline = StatusKilobytes("VmRSS:");
  TClientDataSet orders("cdsOrders");
  zardemo::DefineOrders(orders);
  orders.SetFileName(OrdersFile());
  orders.Open();
  const long peak = StatusKilobytes("VmHWM:");
  malloc_trim(0);
  const long open = StatusKilobytes("VmRSS:");
  std::printf("orders.xml: %d orders, %.1f MB\n", orders.RecordCount(), fileSize / 1e6);
  std::printf(
      "memory while opening (peak, pugixml document included): %.2fx the file (target <= 4)\n",
      (peak - baseline) * 1024.0 / fileSize);
  std::printf("memory of the open dataset:                            %.2fx the file\n\n",
              (open - baseline) * 1024.0 / fileSize);
}

}  // namespace

int main(int argc, char** argv) {
  GenerateOrders();
  ReportMemory();
  // Freed memory stays with the allocator, so that a large case does not pay
  // the system for fresh pages on every run while the small one reuses its
  // own: the scaling ratios then compare the work itself.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  auto add = [](const char* name, void (*function)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, function)->Repetitions(3)->Unit(benchmark::kMillisecond);
  };
  add("OrdersCycle/Zar", OrdersCycleZar);
  add("OrdersCycle/pugixml", OrdersCyclePugixml);
  // Scaling: "Zar" is the large case, the peer the case ten times smaller.
  // The small case runs ten times per measurement, so that both measure
  // about as long.
  auto addOnce = [](const std::string& name, std::function<void(benchmark::State&)> function) {
    benchmark::RegisterBenchmark(name.c_str(), std::move(function))
        ->Iterations(name.ends_with("/Zar") ? 1 : 10)
        ->Repetitions(5)
        ->Unit(benchmark::kMillisecond);
  };
  addOnce("AppendPost/Zar", AppendPostMillion);
  addOnce("AppendPost/tenth", AppendPostHundredThousand);
  const std::pair<const char*, std::string (*)(int)> reads[] = {{"ReadFieldDefs", FieldsPacket},
                                                                {"ReadParams", ParamsPacket},
                                                                {"ReadNestedRows", NestedPacket}};
  // Large enough that the smaller case does not fit in the caches either.
  const int sizes[] = {100000, 200000, 100000};
  for (int i = 0; i < 3; ++i) {
    const std::string large = reads[i].second(sizes[i]);
    const std::string small = reads[i].second(sizes[i] / 10);
    addOnce(std::string(reads[i].first) + "/Zar",
            [large](benchmark::State& state) { Read(state, large); });
    addOnce(std::string(reads[i].first) + "/tenth",
            [small](benchmark::State& state) { Read(state, small); });
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  zar::bench::MedianCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  // The cycle may take at most three times the bare load and save; ten
  // times the work at most twelve times the time.
  const bool met = zar::bench::PrintTargetTable(collector, {{"OrdersCycle", "pugixml", 1.0 / 3},
                                                            {"AppendPost", "tenth", 1.0 / 12},
                                                            {"ReadFieldDefs", "tenth", 1.0 / 12},
                                                            {"ReadParams", "tenth", 1.0 / 12},
                                                            {"ReadNestedRows", "tenth", 1.0 / 12}});
  std::filesystem::remove_all(WorkDirectory());
  return met ? 0 : 2;
}
