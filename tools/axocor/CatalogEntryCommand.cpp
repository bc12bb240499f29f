// "axocor catalogs entry": the entry of a catalog document found by its
// name, with the chapters that lead to it and its keyword values.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorEscapedText.h"
#include "AxocorJson.h"
#include "AxocorNearNames.h"
#include "CATAdopt.h"
#include "CatalogView.h"

namespace {

// Prints the entry: its name, its chapter's path and, for each keyword of
// its chapter, its value.
void PrintEntry(const CatalogView& view, const CATICatalogDescription_var& description, bool json) {
  const CATICatalogChapter_var chapter =
      CATAdoptHandle<CATICatalogChapter>(description->GetFatherChapter());
  const CatalogChapterView* holder = view.Find(chapter);
  const CatalogEntryView entry =
      EntryViewOf(description, holder != nullptr ? holder->keywords : std::vector<std::string>());
  if (json) {
    PrintJson({{"entry", entry.name},
               {"chapter", holder != nullptr ? AxocorJson(holder->path) : AxocorJson()},
               {"values", ValuesJson(entry)}});
    return;
  }
  // Names and values come from the catalog's file: escaped.
  std::cout << AxocorEscapedText("entry \"" + entry.name + "\"");
  if (holder == nullptr) {
    std::cout << "\n";
    return;
  }
  std::cout << " in chapter " << AxocorEscapedText(holder->path) << "\n";
  for (std::size_t k = 0; k < entry.values.size(); ++k) {
    std::cout << AxocorEscapedText("  " + entry.values[k].first + ": " +
                                   (entry.held[k] ? entry.values[k].second : "(no value)"))
              << "\n";
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
  TakesFile(command->add_option("catalog", *file, "Catalog document file (.catalog)")->required());
  command->add_option("name", *name, "Entry name, exactly as its \"Name\" value")->required();
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    if (name->empty()) AxocorFail("the entry name is empty");
    std::string near;
    {
      const CatalogView view(*file);
      CATICatalogDescription_var entry;
      if (SUCCEEDED(AXOCorGlobalServices::FindDescriptionInCatalog(view.document(), name->c_str(),
                                                                   entry))) {
        PrintEntry(view, entry, *json);
        return;
      }
      // The near entries, else the entries there are.
      const std::vector<std::string> entries = view.EntryNames();
      near = DidYouMean(NearNames(*name, entries));
      if (near.empty() && !entries.empty()) near = "; its entries: " + ListedNames(entries);
    }
    AxocorFail("no entry named '" + *name + "' in '" + *file + "'" +
               (near.empty() ? " (entries are found by their \"Name\" value, exactly; the root "
                               "chapter must have a \"Name\" keyword)"
                             : near));
  });
}
