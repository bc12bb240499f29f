// Main program of the benchmarks: Google Benchmark's console report, then a
// table of every hot path against its floor measured in the same run (see
// AXOBenchmarkTargets.h): now, floor, their ratio and the ratio's target.
// Absolute times depend on the machine; ratios within one run much less.
// With repetitions the table takes the medians. Exits with 1 when a
// benchmark stopped with an error.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

const char kFloorSuffix[] = "_Floor";

struct Measurement {
  double seconds = 0.0;  // per operation
  double target = 0.0;   // 0: none stated
  bool median = false;
};

// The name without its arguments: "BM_Dump/8/real_time" => "BM_Dump".
std::string Base(const std::string& name) {
  return name.substr(0, name.find('/'));
}

bool IsFloor(const std::string& name) {
  const std::string base = Base(name);
  const std::string::size_type suffix = sizeof kFloorSuffix - 1;
  return base.size() > suffix && base.compare(base.size() - suffix, suffix, kFloorSuffix) == 0;
}

// "BM_Dump/8/real_time" => "BM_Dump_Floor/8/real_time".
std::string FloorOf(const std::string& name) {
  const std::string base = Base(name);
  return base + kFloorSuffix + name.substr(base.size());
}

// "1.23 us" and the like.
std::string Readable(double seconds) {
  const char* units[] = {"s", "ms", "us", "ns"};
  int unit = 0;
  while (unit < 3 && seconds < 1.0) {
    seconds *= 1000.0;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.3g %s", seconds, units[unit]);
  return text;
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      failed_ = failed_ || run.error_occurred;
      Keep(run);
    }
  }

  // A benchmark stopped with an error (a program that did not run).
  bool Failed() const { return failed_; }

  void PrintRatios() const {
    std::printf("\n%-32s %12s %12s %8s %8s\n", "hot path (against its floor)", "now", "floor",
                "ratio", "target");
    for (const auto& [name, now] : times_) {
      const auto floor = times_.find(FloorOf(name));
      if (IsFloor(name) || floor == times_.end() || floor->second.seconds <= 0) continue;
      const double ratio = now.seconds / floor->second.seconds;
      char target[16] = "-";
      if (now.target > 0) std::snprintf(target, sizeof target, "%.2g", now.target);
      std::printf("%-32s %12s %12s %8.2f %8s%s\n", name.c_str(), Readable(now.seconds).c_str(),
                  Readable(floor->second.seconds).c_str(), ratio, target,
                  now.target > 0 && ratio > now.target ? "  MISSED" : "");
    }
  }

 private:
  static double Counter(const Run& run, const char* name) {
    const auto found = run.counters.find(name);
    return found == run.counters.end() ? 0.0 : found->second.value;
  }

  // A median replaces single runs of the same benchmark; other aggregates
  // (mean, deviation) are not times to compare.
  void Keep(const Run& run) {
    if (run.error_occurred) return;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (run.run_type == Run::RT_Aggregate && !median) return;
    if (run.run_type == Run::RT_Iteration && run.iterations == 0) return;
    Measurement& kept = times_[run.run_name.str()];
    if (kept.median && !median) return;
    const bool wall_clock = Counter(run, "wall_clock") > 0;
    const double time = wall_clock ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
    kept.seconds = time / benchmark::GetTimeUnitMultiplier(run.time_unit);
    kept.target = Counter(run, "target");
    kept.median = median;
  }

  std::map<std::string, Measurement> times_;
  bool failed_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  reporter.PrintRatios();
  return reporter.Failed() ? 1 : 0;
}
