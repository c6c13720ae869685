#include "RatioTable.h"

#include <algorithm>
#include <cstdio>

namespace zar::bench {

void MedianCollector::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
    // Keep "Case/Impl"; repetitions and options add further "/..." parts.
    std::string name = run.benchmark_name();
    if (const auto slash = name.find('/'); slash != std::string::npos)
      if (const auto cut = name.find('/', slash + 1); cut != std::string::npos) name.erase(cut);
    FTimes[name].push_back(run.GetAdjustedRealTime() *
                           benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                           benchmark::GetTimeUnitMultiplier(run.time_unit));
  }
  ConsoleReporter::ReportRuns(runs);
}

double MedianCollector::Median(const std::string& name) const {
  const auto it = FTimes.find(name);
  if (it == FTimes.end() || it->second.empty()) return -1;
  std::vector<double> times = it->second;
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

bool PrintTargetTable(const MedianCollector& results, const std::vector<Target>& targets) {
  bool allMet = true;
  std::printf("\n%-13s %-10s %12s %12s %9s %8s  %s\n", "case", "peer", "zar ns", "peer ns",
              "speed-up", "target", "met");
  for (const Target& t : targets) {
    const double zar = results.Median(t.benchCase + "/Zar");
    const double peer = results.Median(t.benchCase + "/" + t.peer);
    if (zar <= 0 || peer <= 0) {
      std::printf("%-13s %-10s %12s %12s %9s %8.2f  not run\n", t.benchCase.c_str(), t.peer.c_str(),
                  "-", "-", "-", t.factor);
      allMet = false;
      continue;
    }
    const double speedup = peer / zar;
    const bool met = speedup >= t.factor;
    allMet = allMet && met;
    std::printf("%-13s %-10s %12.1f %12.1f %8.2fx %7.2fx  %s\n", t.benchCase.c_str(),
                t.peer.c_str(), zar, peer, speedup, t.factor, met ? "yes" : "NO");
  }
  return allMet;
}

}  // namespace zar::bench
