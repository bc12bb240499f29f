// Cost of the feature dump of a part of 10,000 resp. 100,000 features to a
// file: levels of 100 features, each feature with one attribute key, the
// part linked to a few of them. The floor writes the same lines with one
// buffered writer and replaces the file with them as the dump does; the
// row is judged against the host's answers that the dump needs, asked in
// the same order, with the writing of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "AXOBenchModel.h"
#include "AXOBenchmarkTargets.h"
#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "CATIAlias.h"
#include "CATISpecAttrAccess.h"
#include "CATISpecAttrKey.h"
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
  AXOSetRatioTarget(state, 1.5, AXOFloor::kHostAnswers);
  AXOSetGrowthTarget(state, 1.1);
}

// The dump's lines, as the dump wrote them for `part`.
std::vector<std::string> DumpedLines(const CATISpecObject_var& part,
                                     const AXOTestTempFolder& folder) {
  const CATUnicodeString dumped = folder.Host("dump.txt").c_str();
  AXOCorGlobalServices::PrintAllLinks(part, &dumped);
  std::ifstream in(folder.Native("dump.txt"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The lines joined into one buffer, which replaces `file`.
void WriteLines(const std::vector<std::string>& lines, const std::string& file) {
  std::string buffer;
  for (const std::string& line : lines) {
    buffer += line;
    buffer += '\n';
  }
  AXOPlatform::Get()->ReplaceFile(file, buffer, AXOReplace::kAlways);
}

// The dump's lines, kept, written again into one buffer.
void BM_PrintAllLinks_Floor(benchmark::State& state) {
  const CATISpecObject_var part = PartOf(static_cast<int>(state.range(0)));
  const AXOTestTempFolder folder;
  const std::vector<std::string> lines = DumpedLines(part, folder);
  const std::string file = folder.Native("floor.txt").u8string();
  for (auto _ : state) WriteLines(lines, file);
}

// The length of a host text's bytes, asked of the host as the dump asks for
// them (its char form).
std::size_t BytesOf(const CATUnicodeString& text) {
  return std::strlen(text.ConvertToChar());
}

// The host's answers about `feature` that its lines need: its name, type
// and supertype, its attribute keys with their names, kinds and qualities,
// then the same of its components. Counts the answers in `answers`.
void AskAboutFeature(const CATISpecObject_var& feature, std::size_t& answers) {
  answers += BytesOf(CATIAlias_var(feature)->GetAlias());
  answers += BytesOf(feature->GetType()) + BytesOf(feature->GetSuperType());
  const CATISpecAttrAccess_var access(feature);
  if (!!access) {
    CATListValCATISpecAttrKey_var keys;
    access->ListAttrKeys(keys);
    for (int i = 1; i <= keys.Size(); ++i) {
      answers += BytesOf(keys[i]->GetName());
      answers += static_cast<std::size_t>(keys[i]->GetType() + access->GetQuality(keys[i]));
    }
  }
  const std::unique_ptr<CATListValCATBaseUnknown_var> components(feature->GetComponents());
  for (int i = 1; components != nullptr && i <= components->Size(); ++i) {
    AskAboutFeature(CATISpecObject_var((*components)[i]), answers);
  }
}

// The host's answers that the dump of `part` needs, in its order (the
// features, then the objects the part is linked to, each one's name and
// type), and the writing of the same bytes.
void BM_PrintAllLinks_HostAnswers(benchmark::State& state) {
  const CATISpecObject_var part = PartOf(static_cast<int>(state.range(0)));
  const AXOTestTempFolder folder;
  const std::vector<std::string> lines = DumpedLines(part, folder);
  const std::string file = folder.Native("answers.txt").u8string();
  for (auto _ : state) {
    std::size_t answers = 0;
    AskAboutFeature(part, answers);
    const std::unique_ptr<CATListValCATBaseUnknown_var> linked(
        CATISpecAttrAccess_var(part)->ListLinkedObjects(IID_CATISpecObject, 0, 0));
    for (int i = 1; linked != nullptr && i <= linked->Size(); ++i) {
      const CATISpecObject_var object((*linked)[i]);
      answers += BytesOf(CATIAlias_var(object)->GetAlias());
      answers += BytesOf(object->GetType());
    }
    benchmark::DoNotOptimize(answers);
    WriteLines(lines, file);
  }
}

}  // namespace

BENCHMARK(BM_PrintAllLinks)->Arg(10000)->Arg(100000);
BENCHMARK(BM_PrintAllLinks_Floor)->Arg(10000)->Arg(100000);
BENCHMARK(BM_PrintAllLinks_HostAnswers)->Arg(10000)->Arg(100000);
