// Cost of queries of the model: the children of every feature of a tree
// and the features at the end of feature paths (a tree of ten children per
// feature, 10,000 resp. 100,000 features below the root); entries of a
// catalog of 10,000 entries in 50 chapters; units of a dictionary of 200
// magnitudes. Each floor asks the host the same questions directly, with
// none of the library's rules around them.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "AXOBenchModel.h"
#include "AXOBenchmarkTargets.h"
#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "AXOCorServices.h"
#include "CATCkeDictionaryTesting.h"
#include "CATCkeGlobalFunctions.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "CATICatalogChapter.h"
#include "CATICatalogChapterFactory.h"
#include "CATICatalogDescription.h"
#include "CATICatalogQuery.h"
#include "CATICkeMagnitude.h"
#include "CATICkeUnit.h"
#include "CATIDescendants.h"
#include "CATIParmDictionary.h"
#include "CATInit.h"

namespace {

constexpr int kFanOut = 10;

// ---- A tree of features ----------------------------------------------------------

struct Tree {
  CATTestNode root;
  std::vector<CATUnicodeString> paths;  // of every hundredth leaf, from the root's name
};

void Grow(CATTestModel& model, const CATTestNode& parent, const std::string& path, int levels,
          Tree& tree) {
  for (int i = 0; i < kFanOut; ++i) {
    const std::string name = "F" + std::to_string(i);
    const CATTestNode child = model.Feature(parent, name.c_str());
    if (levels > 1) {
      Grow(model, child, path + "\\" + name, levels - 1, tree);
    } else if (i == 0 && tree.paths.size() % 10 == 0) {
      tree.paths.push_back((path + "\\" + name).c_str());
    } else if (i == 0) {
      tree.paths.emplace_back();
    }
  }
}

// `features` (a power of ten) features below the root "Site".
const Tree& TreeOf(int features) {
  static Tree made;
  AXOBenchModel("tree " + std::to_string(features), [features](CATTestModel& model) {
    made = Tree();
    const CATTestDocument document = model.PartDocument("c:\\Parts\\Tree.CATPart");
    made.root = model.Feature(document.Part(), "Site", "Site");
    int levels = 0;
    for (int count = features; count > 1; count /= kFanOut) ++levels;
    Grow(model, made.root, "Site", levels, made);
    std::vector<CATUnicodeString> paths;
    for (const CATUnicodeString& path : made.paths) {
      if (path.GetLengthInChar() > 0) paths.push_back(path);
    }
    made.paths = paths;
    model.SetActiveElement(made.root);
  });
  return made;
}

// Visits every feature below the root through `children`.
template <class Children>
int Walk(const CATISpecObject_var& root, Children children) {
  std::vector<CATISpecObject_var> pending{root};
  int visited = 0;
  while (!pending.empty()) {
    const CATISpecObject_var feature = pending.back();
    pending.pop_back();
    CATListValCATISpecObject_var found;
    children(feature, found);
    for (int i = 1; i <= found.Size(); ++i) pending.push_back(found[i]);
    visited += found.Size();
  }
  return visited;
}

void BM_DirectChildrenSpecObj(benchmark::State& state) {
  const CATISpecObject_var root = TreeOf(static_cast<int>(state.range(0))).root;
  for (auto _ : state) benchmark::DoNotOptimize(Walk(root, &GetDirectChildrenSpecObj));
  AXOSetRatioTarget(state, 2);
  AXOSetGrowthTarget(state, 1.1);
}

void BM_DirectChildrenSpecObj_Floor(benchmark::State& state) {
  const CATISpecObject_var root = TreeOf(static_cast<int>(state.range(0))).root;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        Walk(root, [](const CATISpecObject_var& feature, CATListValCATISpecObject_var& found) {
          CATIDescendants_var(feature)->GetDirectChildren(CATISpecObject::ClassName(), found);
        }));
  }
}

void BM_FeatureFromPathElement(benchmark::State& state) {
  const Tree& tree = TreeOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (const CATUnicodeString& path : tree.paths) {
      CATISpecObject_var feature;
      if (!AXOCorParserServices::GetFeatureFromPathElement(path, feature)) {
        state.SkipWithError("a path was not resolved");
        return;
      }
    }
  }
  AXOSetRatioTarget(state, 2);
}

// Each path split at "\" and followed from the root, child by child.
void BM_FeatureFromPathElement_Floor(benchmark::State& state) {
  const Tree& tree = TreeOf(static_cast<int>(state.range(0)));
  const CATISpecObject_var root = tree.root;
  for (auto _ : state) {
    for (const CATUnicodeString& path : tree.paths) {
      CATListValCATUnicodeString elements;
      AXOCorParserServices::ParseString(path, "\\", elements);
      CATISpecObject_var current = root;
      for (int e = 2; e <= elements.Size(); ++e) {
        CATListValCATISpecObject_var children;
        CATIDescendants_var(current)->GetDirectChildren(CATISpecObject::ClassName(), children);
        for (int i = 1; i <= children.Size(); ++i) {
          if (CATIAlias_var(children[i])->GetAlias() == elements[e]) {
            current = children[i];
            break;
          }
        }
      }
      benchmark::DoNotOptimize(current);
    }
  }
}

// ---- A catalog ----------------------------------------------------------------------

constexpr int kChapters = 50;

struct Catalog {
  CATTestDocument document;
  std::vector<CATUnicodeString> names;  // sought: the last entry of each chapter
};

const Catalog& CatalogOf(int entries) {
  static Catalog made;
  AXOBenchModel("catalog " + std::to_string(entries), [entries](CATTestModel& model) {
    made = Catalog();
    made.document = model.CatalogDocument("c:\\Catalogs\\Sections.catalog");
    const CATTestNode root = made.document.RootChapter();
    model.Keyword(root, "Name");
    for (int c = 0; c < kChapters; ++c) {
      const CATTestNode chapter = model.Chapter(made.document, ("C" + std::to_string(c)).c_str());
      model.Keyword(chapter, "Name");
      model.SubChapter(root, chapter);
      CATUnicodeString name;
      for (int e = 0; e < entries / kChapters; ++e) {
        name = ("S " + std::to_string(c) + "x" + std::to_string(e)).c_str();
        model.Description(chapter, name).Value("Name", name);
      }
      made.names.push_back(name);
    }
  });
  return made;
}

void BM_FindDescriptionInCatalog(benchmark::State& state) {
  const Catalog& catalog = CatalogOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (const CATUnicodeString& name : catalog.names) {
      CATICatalogDescription_var description;
      if (FAILED(AXOCorGlobalServices::FindDescriptionInCatalog(catalog.document, name,
                                                                description))) {
        state.SkipWithError("an entry was not found");
        return;
      }
    }
  }
  AXOSetRatioTarget(state, 2);
  AXOSetGrowthTarget(state, 1.1);
}

// The least the search asks of the host: the catalog opened and its root
// chapter found, then, chapter by chapter, the query run and, without a
// hit, the chapter's descriptions listed for its sub-chapters.
bool FindPlainly(CATDocument* catalog, const CATUnicodeString& name) {
  CATDocument* opened = nullptr;
  CATDocumentServices::OpenDocument(catalog->StorageName(), opened, 1);
  CATBaseUnknown* container = CATInit_var(opened)->GetRootContainer("CATIContainer");
  CATICatalogChapter* root = CATICatalogChapterFactory_var(container)->GetRootChapter();
  container->Release();
  const CATUnicodeString query = "(x.Name==\"" + name + "\")";
  std::vector<CATICatalogChapter_var> pending{root};
  root->Release();
  while (!pending.empty()) {
    const CATICatalogChapter_var chapter = pending.back();
    pending.pop_back();
    CATICatalogQueryResult* result = CATICatalogQuery_var(chapter)->RunQuery(query, 0);
    const bool hit = result->CountHits() >= 1;
    result->Release();
    if (hit) return true;
    const std::unique_ptr<CATListValCATICatalogDescription_var> descriptions(
        chapter->ListDescriptions());
    for (int i = descriptions->Size(); i >= 1; --i) {
      if ((*descriptions)[i]->GetDescriptionKind() != CATCatalogChapterKind) continue;
      CATICatalogChapter* sub = (*descriptions)[i]->GetReferencedChapter();
      pending.push_back(sub);
      sub->Release();
    }
  }
  return false;
}

void BM_FindDescriptionInCatalog_Floor(benchmark::State& state) {
  const Catalog& catalog = CatalogOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (const CATUnicodeString& name : catalog.names) {
      benchmark::DoNotOptimize(FindPlainly(catalog.document, name));
    }
  }
}

// ---- Units ------------------------------------------------------------------------------

constexpr int kMagnitudes = 200;
constexpr int kUnitsEach = 5;

CATUnicodeString MagnitudeName(int m) {
  return ("M" + std::to_string(m)).c_str();
}
CATUnicodeString UnitSymbol(int m, int u) {
  return ("u" + std::to_string(m) + "_" + std::to_string(u)).c_str();
}

// 200 magnitudes of five units each, in the dictionary unless there.
void MakeDictionary() {
  if (!!CATCkeGlobalFunctions::GetParmDictionary()->FindMagnitude(MagnitudeName(0))) return;
  for (int m = 0; m < kMagnitudes; ++m) {
    CATCkeDictionaryTesting::AddMagnitude(MagnitudeName(m), true);
    for (int u = 0; u < kUnitsEach; ++u) {
      CATCkeDictionaryTesting::AddUnit(MagnitudeName(m), UnitSymbol(m, u), "Unit");
    }
  }
}

// The last unit of every magnitude, by its symbol. The floor asks each unit
// for its symbol and its name, as a unit is found by either.
void BM_GetUnit(benchmark::State& state) {
  MakeDictionary();
  for (auto _ : state) {
    for (int m = 0; m < kMagnitudes; ++m) {
      CATICkeUnit* unit = nullptr;
      AXOCorGlobalServices::GetUnit(MagnitudeName(m), UnitSymbol(m, kUnitsEach - 1), unit);
      if (unit == nullptr) {
        state.SkipWithError("a unit was not found");
        return;
      }
      unit->Release();
    }
  }
  AXOSetRatioTarget(state, 2);
}

void BM_GetUnit_Floor(benchmark::State& state) {
  MakeDictionary();
  const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
  for (auto _ : state) {
    for (int m = 0; m < kMagnitudes; ++m) {
      const CATUnicodeString symbol = UnitSymbol(m, kUnitsEach - 1);
      const CATICkeMagnitude_var magnitude = dictionary->FindMagnitude(MagnitudeName(m));
      const CATListValCATBaseUnknown_var* units = magnitude->ListUnits();
      for (int u = 1; u <= units->Size(); ++u) {
        const CATICkeUnit_var unit((*units)[u]);
        if (unit->Symbol() == symbol || unit->Name() == symbol) break;
      }
    }
  }
}

}  // namespace

BENCHMARK(BM_DirectChildrenSpecObj)->Arg(10000)->Arg(100000);
BENCHMARK(BM_DirectChildrenSpecObj_Floor)->Arg(10000)->Arg(100000);
BENCHMARK(BM_FeatureFromPathElement)->Arg(10000)->Arg(100000);
BENCHMARK(BM_FeatureFromPathElement_Floor)->Arg(10000)->Arg(100000);
BENCHMARK(BM_FindDescriptionInCatalog)->Arg(1000)->Arg(10000);
BENCHMARK(BM_FindDescriptionInCatalog_Floor)->Arg(1000)->Arg(10000);
BENCHMARK(BM_GetUnit);
BENCHMARK(BM_GetUnit_Floor);
