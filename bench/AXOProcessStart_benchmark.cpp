// Whole runs of the axocor tool, started and waited for, each against the
// same for `true`: the least that starting a program costs on the machine.
// Their output goes to a file, as nobody reads it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "AXOBenchmarkTargets.h"
#include "AXOPlatform.h"
#include "AXOPlatformTesting.h"

namespace {

// Paths given by the build; empty when the tool is not built.
const char kTool[] = AXO_BENCHMARK_AXOCOR;
const char kTrue[] = AXO_BENCHMARK_TRUE;

// Runs `arguments` once per iteration. A run that cannot start or exits
// with a status above `worst_status` ends the benchmark with an error.
void RunProgram(benchmark::State& state, const std::vector<std::string>& arguments,
                int worst_status) {
  AXOTimeByWallClock(state);
  if (arguments[0].empty()) {
    state.SkipWithError("the program was not built");
    return;
  }
  namespace fs = std::filesystem;
  const fs::path output =
      fs::temp_directory_path() / ("axo-bench-output-" + std::to_string(std::random_device()()));
  AXOPlatformTesting& testing = AXOPlatformTesting::Get();
  for (auto _ : state) {
    std::int64_t child = -1;
    int status = -1;
    if (!testing.StartProcessWithOutputFile(arguments, output.u8string(), child).ok() ||
        !testing.WaitForProcess(child, status).ok()) {
      status = -1;
    }
    if (status < 0 || status > worst_status) {
      state.SkipWithError(("cannot run " + arguments[0]).c_str());
      break;
    }
  }
  std::error_code ignored;
  fs::remove(output, ignored);
}

void BM_ProcessGuidNew(benchmark::State& state) {
  RunProgram(state, {kTool, "guid", "new"}, 0);
  AXOSetRatioTarget(state, 2.5);
}
BENCHMARK(BM_ProcessGuidNew)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ProcessGuidNew_Floor(benchmark::State& state) {
  RunProgram(state, {kTrue}, 0);
}
BENCHMARK(BM_ProcessGuidNew_Floor)->UseRealTime()->Unit(benchmark::kMillisecond);

// The doctor on the sample installation, which holds one fault on purpose:
// exit status 1.
void BM_ProcessDoctor(benchmark::State& state) {
  RunProgram(state, {kTool, "doctor", AXO_BENCHMARK_SAMPLE_INSTALLATION}, 1);
  AXOSetRatioTarget(state, 7.0);
}
BENCHMARK(BM_ProcessDoctor)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ProcessDoctor_Floor(benchmark::State& state) {
  RunProgram(state, {kTrue}, 0);
}
BENCHMARK(BM_ProcessDoctor_Floor)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
