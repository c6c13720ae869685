// The whole cycle of the orders pages on 100 000 orders (open the file,
// filter on a ship-date range, read the display text of every field of every
// visible record, change one order and close, which writes the file) against
// a bare pugixml load and save of the same file; and the memory an open
// dataset of those orders takes against the file's size.

#include <malloc.h>
#include <unistd.h>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "DemoDataSets.h"
#include "GregorianDates.h"
#include "RatioTable.h"

namespace {

using namespace zar;

constexpr int OrderCount = 100000;
constexpr const char* ShipDateRange = "((ShipDate >= '2010/01/01') AND (ShipDate <= '2015/12/31'))";

const std::filesystem::path& WorkDirectory() {
  static const std::filesystem::path directory = [] {
    auto path = std::filesystem::temp_directory_path() / ("zardata-bench-" + std::to_string(::getpid()));
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
  std::uint32_t seed = 12345;
  auto next = [&seed](std::uint32_t bound) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % bound;
  };
  const TDateTime first = EncodeDate(2000, 1, 1);
  for (int i = 0; i < OrderCount; ++i) {
    const TDateTime received = first + next(7300) + next(1440) / 1440.0;
    orders.Append();
    orders.FieldByName("RecieveTime").SetAsDateTime(received);
    orders.FieldByName("AmountPaid").SetAsFloat(next(10000000) / 100.0);
    if (next(10) != 0) orders.FieldByName("ShipDate").SetAsDateTime(static_cast<int>(received) + next(30));
    orders.Post();
  }
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
      for (std::size_t f = 0; f < orders.FieldCount(); ++f) bytes += orders.Fields(f).DisplayText().size();
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
  std::printf("memory while opening (peak, pugixml document included): %.2fx the file (target <= 4)\n",
              (peak - baseline) * 1024.0 / fileSize);
  std::printf("memory of the open dataset:                            %.2fx the file\n\n",
              (open - baseline) * 1024.0 / fileSize);
}

}  // namespace

int main(int argc, char** argv) {
  GenerateOrders();
  ReportMemory();
  auto add = [](const char* name, void (*function)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, function)->Repetitions(3)->Unit(benchmark::kMillisecond);
  };
  add("OrdersCycle/Zar", OrdersCycleZar);
  add("OrdersCycle/pugixml", OrdersCyclePugixml);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  zar::bench::MedianCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  // The cycle may take at most three times the bare load and save.
  const bool met = zar::bench::PrintTargetTable(collector, {{"OrdersCycle", "pugixml", 1.0 / 3}});
  std::filesystem::remove_all(WorkDirectory());
  return met ? 0 : 2;
}
