// "axocor catalogs entry": the entry of a catalog document found by its
// name, with the chapters that lead to it and its keyword values.
#include <CLI/CLI.hpp>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AxocorCommands.h"
#include "CATAdopt.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "CATICatalogChapter.h"
#include "CATICatalogChapterFactory.h"
#include "CATInit.h"

namespace {

std::string NameOf(const CATBaseUnknown_var& object) {
  const CATIAlias_var alias(object);
  return !alias ? std::string() : std::string(alias->GetAlias().ConvertToChar());
}

CATBaseUnknown* Identity(const CATBaseUnknown_var& object) {
  return static_cast<CATBaseUnknown*>(object);
}

CATICatalogChapter_var RootChapterOf(CATDocument* document) {
  const CATInit_var init(document);
  const CATICatalogChapterFactory_var factory = CATAdoptHandle<CATICatalogChapterFactory>(
      !init ? nullptr : init->GetRootContainer("CATIContainer"));
  return CATAdoptHandle<CATICatalogChapter>(!factory ? nullptr : factory->GetRootChapter());
}

// The names of the chapters from `root` down to `target` through the
// descriptions that refer to sub-chapters, "Sections\IPE"; empty when
// `target` cannot be reached. Breadth first, each chapter once, so that
// chapters that refer to each other end the walk.
std::string ChapterPath(const CATICatalogChapter_var& root, const CATICatalogChapter_var& target) {
  struct Reached {
    CATICatalogChapter_var chapter;
    size_t from;  // index of the chapter that refers to it; its own for the root
  };
  std::vector<Reached> reached{{root, 0}};
  std::map<CATBaseUnknown*, size_t> seen{{Identity(root), 0}};
  for (size_t i = 0; i < reached.size(); ++i) {
    if (Identity(reached[i].chapter) == Identity(target)) {
      std::string path = NameOf(reached[i].chapter);
      for (size_t at = i; at != 0;) {
        at = reached[at].from;
        path = NameOf(reached[at].chapter) + "\\" + path;
      }
      return path;
    }
    const std::unique_ptr<CATListValCATICatalogDescription_var> descriptions(
        reached[i].chapter->ListDescriptions());
    for (int d = 1; descriptions != nullptr && d <= descriptions->Size(); ++d) {
      const CATICatalogDescription_var& description = (*descriptions)[d];
      if (!description || description->GetDescriptionKind() != CATCatalogChapterKind) continue;
      const CATICatalogChapter_var held =
          CATAdoptHandle<CATICatalogChapter>(description->GetReferencedChapter());
      if (!held || !seen.emplace(Identity(held), reached.size()).second) continue;
      reached.push_back({held, i});
    }
  }
  return std::string();
}

// Prints the entry: its name, its chapter path and, for each keyword of its
// chapter, its value.
void PrintEntry(const CATICatalogChapter_var& root, const CATICatalogDescription_var& entry) {
  const CATICatalogChapter_var chapter =
      CATAdoptHandle<CATICatalogChapter>(entry->GetFatherChapter());
  std::cout << "entry \"" << NameOf(entry) << "\"";
  if (!chapter) {
    std::cout << "\n";
    return;
  }
  std::cout << " in chapter " << ChapterPath(root, chapter) << "\n";
  const std::unique_ptr<CATListValCATICatalogKeyword_var> keywords(chapter->ListKeywords());
  for (int k = 1; keywords != nullptr && k <= keywords->Size(); ++k) {
    const CATICatalogKeyword_var& keyword = (*keywords)[k];
    if (!keyword) continue;
    CATUnicodeString value;
    const bool held = SUCCEEDED(entry->GetValue(keyword->GetKeywordName(), value));
    std::cout << "  " << keyword->GetKeywordName().ConvertToChar() << ": "
              << (held ? value.ConvertToChar() : "(no value)") << "\n";
  }
}

}  // namespace

void RegisterCatalogEntryCommand(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "entry", "Find an entry of a catalog document by its \"Name\" keyword and print it");
  auto file = std::make_shared<std::string>();
  auto name = std::make_shared<std::string>();
  // File arguments are paths: "/x/Sections.catalog" is no Windows-style option.
  command->allow_windows_style_options(false);
  command->add_option("catalog", *file, "Catalog document file (.catalog)")->required();
  command->add_option("name", *name, "Entry name, exactly as its \"Name\" value")->required();
  command->callback([=] {
    if (name->empty()) AxocorFail("the entry name is empty");
    CATDocument* document = nullptr;
    if (FAILED(CATDocumentServices::OpenDocument(file->c_str(), document, 1)) ||
        document == nullptr) {
      AxocorFail("cannot open '" + *file + "' (axocor model check says why)");
    }
    CATICatalogChapter_var root = RootChapterOf(document);
    const bool catalog = !!root;
    CATICatalogDescription_var entry;
    const HRESULT found =
        !catalog ? E_FAIL
                 : AXOCorGlobalServices::FindDescriptionInCatalog(document, name->c_str(), entry);
    if (SUCCEEDED(found)) PrintEntry(root, entry);
    // The document's objects are given back before it is closed.
    entry = CATICatalogDescription_var();
    root = CATICatalogChapter_var();
    CATDocumentServices::Remove(document);
    if (!catalog) AxocorFail("'" + *file + "' is no catalog: it holds no chapter");
    if (FAILED(found)) {
      AxocorFail("no entry named '" + *name + "' in '" + *file +
                 "' (entries are found by their \"Name\" value, exactly; the root chapter "
                 "must have a \"Name\" keyword)");
    }
  });
}
