// Cost of unique names among many siblings: "Wall.1" wanted where "Wall.1"
// up to "Wall.<n>" are all taken, so that the answer is "Wall.<n+1>".
// Features: the children of a level, resp. the members of a logical node.
// Files: a folder of numbered files. The floor reads every taken name once
// into a hash set and probes the answer once.
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_set>
#include <vector>

#include "AXOBenchModel.h"
#include "AXOBenchmarkTargets.h"
#include "AXOCorParserServices.h"
#include "AXOIAttLogical.h"
#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "CATIAlias.h"
#include "CATIDescendants.h"
#include "CATISpecObject.h"

namespace {

const char kWanted[] = "Wall.1";

std::string Expected(int count) {
  return "Wall." + std::to_string(count + 1);
}

// A part with the level "Level" and the logical node "Package", each with
// `count` features "Wall.1" ... "Wall.<count>", and the feature "New"
// whose name is sought.
struct Siblings {
  CATTestNode level;
  CATTestNode package;
  CATTestNode feature;
};

const Siblings& SiblingsOf(int count) {
  static Siblings siblings;
  AXOBenchModel("unique names " + std::to_string(count), [count](CATTestModel& model) {
    const CATTestDocument document = model.PartDocument("c:\\Parts\\Names.CATPart");
    siblings.level = model.Feature(document.Part(), "Level", "Level");
    siblings.package = model.Logical(document.Part(), "Package");
    siblings.feature = model.Feature(document.Part(), "New");
    for (int i = 1; i <= count; ++i) {
      const CATUnicodeString name = ("Wall." + std::to_string(i)).c_str();
      model.Feature(siblings.level, name, "Wall");
      model.Feature(siblings.package, name, "Wall");
    }
  });
  return siblings;
}

using Finder = bool (*)(const CATISpecObject_var&, const CATISpecObject_var&,
                        const CATUnicodeString&, CATUnicodeString&);

void FindUniqueName(benchmark::State& state, Finder find, bool logical) {
  const int count = static_cast<int>(state.range(0));
  const Siblings& siblings = SiblingsOf(count);
  const CATISpecObject_var parent = logical ? siblings.package : siblings.level;
  const CATISpecObject_var feature = siblings.feature;
  CATUnicodeString unique;
  for (auto _ : state) {
    find(parent, feature, kWanted, unique);
    benchmark::DoNotOptimize(unique);
  }
  if (unique != Expected(count).c_str()) state.SkipWithError("another name than expected");
  AXOSetRatioTarget(state, 2);
  AXOSetGrowthTarget(state, 1.1);
}

// The names of the children read once into a hash set, one probe.
void ReadNamesOnce(benchmark::State& state, bool logical) {
  const int count = static_cast<int>(state.range(0));
  const Siblings& siblings = SiblingsOf(count);
  const CATBaseUnknown_var parent = logical ? siblings.package : siblings.level;
  const std::string expected = Expected(count);
  for (auto _ : state) {
    CATListValCATISpecObject_var children;
    if (logical) {
      CATListValCATBaseUnknown_var members;
      AXOIAttLogical_var(parent)->ListMembers(members);
      for (int i = 1; i <= members.Size(); ++i) children.Append(CATISpecObject_var(members[i]));
    } else {
      CATIDescendants_var(parent)->GetDirectChildren(CATBaseUnknown::ClassName(), children);
    }
    std::unordered_set<std::string> taken;
    taken.reserve(children.Size());
    for (int i = 1; i <= children.Size(); ++i) {
      const CATIAlias_var alias(children[i]);
      if (!!alias) taken.insert(alias->GetAlias().ConvertToChar());
    }
    benchmark::DoNotOptimize(taken.count(expected));
  }
}

void BM_UniqueArcFeatureName(benchmark::State& state) {
  FindUniqueName(state, &AXOCorParserServices::GetUniqueArcFeatureName, false);
}
void BM_UniqueArcFeatureName_Floor(benchmark::State& state) {
  ReadNamesOnce(state, false);
}
void BM_UniqueFeatureName(benchmark::State& state) {
  FindUniqueName(state, &AXOCorParserServices::GetUniqueFeatureName, true);
}
void BM_UniqueFeatureName_Floor(benchmark::State& state) {
  ReadNamesOnce(state, true);
}

// A folder of `count` files "Wall.1.txt" ... kept for the run.
const AXOTestTempFolder& FolderOf(int count) {
  static AXOTestTempFolder folder;
  static int made = 0;
  for (; made < count; ++made) folder.WriteFile("Wall." + std::to_string(made + 1) + ".txt");
  return folder;
}

void BM_UniqueFileName(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const CATUnicodeString directory = FolderOf(count).Host().c_str();
  CATUnicodeString unique;
  for (auto _ : state) {
    AXOCorParserServices::GetUniqueFileName(directory, "txt", kWanted, unique);
    benchmark::DoNotOptimize(unique);
  }
  if (unique != Expected(count).c_str()) state.SkipWithError("another name than expected");
  AXOSetRatioTarget(state, 2);
}

// One listing of the folder into a hash set, one probe.
void BM_UniqueFileName_Floor(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string directory = FolderOf(count).Native().u8string();
  const std::string expected = Expected(count) + ".txt";
  for (auto _ : state) {
    std::vector<AXOFolderEntry> entries;
    AXOPlatform::Get()->ListFolder(directory, entries);
    std::unordered_set<std::string> taken;
    for (const AXOFolderEntry& entry : entries) taken.insert(entry.name);
    benchmark::DoNotOptimize(taken.count(expected));
  }
}

}  // namespace

BENCHMARK(BM_UniqueArcFeatureName)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_UniqueArcFeatureName_Floor)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_UniqueFeatureName)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_UniqueFeatureName_Floor)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_UniqueFileName)->Arg(10000);
BENCHMARK(BM_UniqueFileName_Floor)->Arg(10000);
