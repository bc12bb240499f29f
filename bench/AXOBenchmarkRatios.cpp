// Main program of the benchmarks: Google Benchmark's console report, then a
// table of every hot path against each of its floors measured in the same
// run (see AXOBenchmarkTargets.h): now, floor, their ratio and, on the line
// of the floor it is against, the ratio's target, the exponent of its
// growth from a tenth of the size, and its peak memory; a line outside its
// target is marked, and the number of such lines ends the table.
// Absolute times depend on the machine; ratios within one run much less.
// With repetitions the table takes the medians. Exits with 1 when a
// benchmark stopped with an error.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

// The suffixes of the floors' names, in the order of AXOFloor.
const char* const kFloorSuffixes[] = {"_Floor", "_HostAnswers", "_HostText"};

struct Measurement {
  double seconds = 0.0;  // per operation
  double target = 0.0;   // 0: none stated
  int target_floor = 0;  // AXOFloor: the floor the target is against
  double growth_target = 0.0;
  double peak_bytes = 0.0;
  double data_bytes = 0.0;
  double memory_target = 0.0;
  bool median = false;
};

// The name without its arguments: "BM_Dump/8/real_time" => "BM_Dump".
std::string Base(const std::string& name) {
  return name.substr(0, name.find('/'));
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsFloor(const std::string& name) {
  const std::string base = Base(name);
  for (const char* suffix : kFloorSuffixes) {
    if (EndsWith(base, suffix)) return true;
  }
  return false;
}

// "BM_Dump/8/real_time", 0 => "BM_Dump_Floor/8/real_time".
std::string FloorOf(const std::string& name, int floor) {
  const std::string base = Base(name);
  return base + kFloorSuffixes[floor] + name.substr(base.size());
}

// The same benchmark at a tenth of the size: "BM_Open/100000/real_time" =>
// "BM_Open/10000/real_time"; empty when the name has no first argument
// that is a multiple of ten.
std::string TenthOf(const std::string& name) {
  const std::string::size_type start = name.find('/');
  if (start == std::string::npos) return "";
  const std::string::size_type end = name.find('/', start + 1);
  const std::string size = name.substr(start + 1, end - start - 1);
  char* rest = nullptr;
  const long long value = std::strtoll(size.c_str(), &rest, 10);
  if (size.empty() || *rest != '\0' || value < 10 || value % 10 != 0) return "";
  return name.substr(0, start + 1) + std::to_string(value / 10) +
         (end == std::string::npos ? "" : name.substr(end));
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

  // One line for each hot path and each of its floors measured; the target
  // stands on the line of the floor it is against, and a path outside its
  // target (ratio, growth or memory) is marked there. A path whose target's
  // floor did not run says so.
  void PrintRatios() const {
    std::printf("\n%-40s %-12s %10s %10s %7s %7s %7s %7s %s\n", "hot path", "against", "now",
                "floor", "ratio", "target", "growth", "target", "peak memory");
    int outside = 0;
    for (const auto& [name, now] : times_) {
      if (IsFloor(name)) continue;
      bool judged = false;
      for (int floor = 0; floor < static_cast<int>(std::size(kFloorSuffixes)); ++floor) {
        const auto found = times_.find(FloorOf(name, floor));
        if (found == times_.end() || found->second.seconds <= 0) continue;
        const bool judging = floor == now.target_floor;
        judged = judged || judging;
        const bool missed = PrintLine(name, floor, now, found->second.seconds, judging);
        outside += missed;
      }
      if (!judged && now.target > 0) {
        std::printf("%-40s %-12s %10s %10s %7s %7s %7s %7s %s  FLOOR NOT RUN\n", name.c_str(),
                    kFloorSuffixes[now.target_floor] + 1, Readable(now.seconds).c_str(), "-", "-",
                    Target(now.target).c_str(), "-", "-", "-");
      }
    }
    std::printf("%d of the lines above outside their targets\n", outside);
  }

 private:
  // The line of `name` against its floor `floor` of `floorSeconds`; with
  // `judging` the target and growth are those of this floor. True when the
  // line is outside its target.
  bool PrintLine(const std::string& name, int floor, const Measurement& now, double floorSeconds,
                 bool judging) const {
    const double ratio = now.seconds / floorSeconds;
    const double target = judging ? now.target : 0.0;
    bool missed = target > 0 && ratio > target;
    std::string growth = "-";
    const auto tenth = times_.find(TenthOf(name));
    if (tenth != times_.end() && tenth->second.seconds > 0) {
      const double exponent = std::log10(now.seconds / tenth->second.seconds);
      growth = Format("%.2f", exponent);
      missed = missed || (judging && now.growth_target > 0 && exponent > now.growth_target);
    }
    const std::string memory = Memory(now);
    missed = missed || (judging && now.memory_target > 0 && now.data_bytes > 0 &&
                        now.peak_bytes > now.memory_target * now.data_bytes);
    std::printf("%-40s %-12s %10s %10s %7.2f %7s %7s %7s %s%s\n", name.c_str(),
                kFloorSuffixes[floor] + 1, Readable(now.seconds).c_str(),
                Readable(floorSeconds).c_str(), ratio, Target(target).c_str(), growth.c_str(),
                Target(judging ? now.growth_target : 0.0).c_str(), memory.c_str(),
                missed ? "  MISSED" : "");
    return missed;
  }

  static std::string Format(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
  }

  static std::string Target(double target) { return target > 0 ? Format("%.2g", target) : "-"; }

  // "186 MB (27.8x its input, target 6)"; "-" when not measured.
  static std::string Memory(const Measurement& now) {
    if (now.peak_bytes <= 0) return "-";
    std::string text = Format("%.1f MB", now.peak_bytes / (1024.0 * 1024.0));
    if (now.data_bytes > 0) {
      text += Format(" (%.1fx its input", now.peak_bytes / now.data_bytes);
      if (now.memory_target > 0) text += Format(", target %.2g", now.memory_target);
      text += ")";
    }
    return text;
  }

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
    kept.target_floor = static_cast<int>(Counter(run, "target_floor"));
    kept.growth_target = Counter(run, "growth_target");
    kept.peak_bytes = Counter(run, "peak_bytes");
    kept.data_bytes = Counter(run, "data_bytes");
    kept.memory_target = Counter(run, "memory_target");
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
