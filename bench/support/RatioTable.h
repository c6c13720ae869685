#pragma once
// Collects the per-iteration times of a benchmark run and prints how the
// project compares with each peer, as the median of the same run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace zar::bench {

// A target: Case/Zar must be at least `factor` times faster than Case/Peer
// (a factor below 1 allows Zar to be that much slower).
struct Target {
  std::string benchCase;
  std::string peer;
  double factor;
};

class MedianCollector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  // Median time per iteration in nanoseconds, or a negative value if absent.
  double Median(const std::string& name) const;

 private:
  std::map<std::string, std::vector<double>> FTimes;
};

// Prints one line per target and returns whether every target was met.
bool PrintTargetTable(const MedianCollector& results, const std::vector<Target>& targets);

}  // namespace zar::bench
