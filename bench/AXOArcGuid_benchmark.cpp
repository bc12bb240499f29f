// Cost of the compressed GUID text in both directions. The main program
// prints each time relative to the first benchmark (compression), so the
// expand/compress ratio can be compared between runs on different machines.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "AXOArcGuid.h"

namespace {

// A fixed set of GUIDs, so that both directions work on the same values.
std::vector<AXOArcGuid> SampleGuids() {
  std::vector<AXOArcGuid> guids;
  for (int i = 0; i < 64; ++i) guids.emplace_back();
  return guids;
}

void BM_GuidCompress(benchmark::State& state) {
  const std::vector<AXOArcGuid> guids = SampleGuids();
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(guids[next].GetCompressedString());
    next = (next + 1) % guids.size();
  }
}
BENCHMARK(BM_GuidCompress);

void BM_GuidExpand(benchmark::State& state) {
  std::vector<std::string> texts;
  for (const AXOArcGuid& guid : SampleGuids()) texts.push_back(guid.GetCompressedString());
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AXOArcGuid::GetGuidFromCompressedString(texts[next].c_str()));
    next = (next + 1) % texts.size();
  }
}
BENCHMARK(BM_GuidExpand);

}  // namespace
