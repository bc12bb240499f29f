// Cost of the feature dump of a part of 10,000 resp. 100,000 features to a
// file: levels of 100 features, each feature with one attribute key, the
// part linked to a few of them. The floor writes the same lines with one
// buffered writer and replaces the file with them as the dump does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AXOBenchModel.h"
#include "AXOBenchmarkTargets.h"
#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "CATISpecObject.h"

namespace {

constexpr int kPerLevel = 100;

CATTestNode PartOf(int features) {
  static CATTestNode part;
  AXOBenchModel("dump " + std::to_string(features), [features](CATTestModel& model) {
    part = model.PartDocument("c:\\Parts\\Dump.CATPart").Part();
    for (int l = 0; l < features / kPerLevel; ++l) {
      const CATTestNode level =
          model.Feature(part, ("Level " + std::to_string(l)).c_str(), "Level");
      for (int f = 1; f < kPerLevel; ++f) {
        const CATTestNode wall = model.Feature(level, ("Wall." + std::to_string(f)).c_str(), "Wall")
                                     .Key("Height", tk_double, sp_IN);
        if (f == 1) part.Link(wall);
      }
    }
  });
  return part;
}

void BM_PrintAllLinks(benchmark::State& state) {
  const CATISpecObject_var part = PartOf(static_cast<int>(state.range(0)));
  const AXOTestTempFolder folder;
  const CATUnicodeString file = folder.Host("dump.txt").c_str();
  // The first dump of a model makes what its objects keep for later calls
  // (their adapters, the char forms of their texts): the row measures the
  // dumps of a model in use, as a command's loop makes them.
  AXOCorGlobalServices::PrintAllLinks(part, &file);
  for (auto _ : state) AXOCorGlobalServices::PrintAllLinks(part, &file);
  AXOSetRatioTarget(state, 1.5);
  AXOSetGrowthTarget(state, 1.1);
}

// The dump's lines, kept, written again into one buffer.
void BM_PrintAllLinks_Floor(benchmark::State& state) {
  const CATISpecObject_var part = PartOf(static_cast<int>(state.range(0)));
  const AXOTestTempFolder folder;
  const CATUnicodeString dumped = folder.Host("dump.txt").c_str();
  AXOCorGlobalServices::PrintAllLinks(part, &dumped);
  std::ifstream in(folder.Native("dump.txt"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  const std::string file = folder.Native("floor.txt").u8string();
  for (auto _ : state) {
    std::string buffer;
    for (const std::string& line : lines) {
      buffer += line;
      buffer += '\n';
    }
    AXOPlatform::Get()->ReplaceFile(file, buffer, AXOReplace::kAlways);
  }
}

}  // namespace

BENCHMARK(BM_PrintAllLinks)->Arg(10000)->Arg(100000);
BENCHMARK(BM_PrintAllLinks_Floor)->Arg(10000)->Arg(100000);
