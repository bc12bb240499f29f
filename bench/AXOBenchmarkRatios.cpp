// Main program of the benchmarks: Google Benchmark's console report, then
// each benchmark's time per operation as a ratio to the first one of the run.
// Absolute times depend on the machine; ratios within one run much less.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
      times_.emplace_back(run.benchmark_name(), run.GetAdjustedCPUTime());
    }
  }

  void PrintRatios() const {
    if (times_.size() < 2 || times_.front().second <= 0) return;
    std::printf("\nCPU time per operation relative to %s:\n", times_.front().first.c_str());
    for (const auto& [name, time] : times_) {
      std::printf("  %-32s %8.2f\n", name.c_str(), time / times_.front().second);
    }
  }

 private:
  std::vector<std::pair<std::string, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  reporter.PrintRatios();
  return 0;
}
