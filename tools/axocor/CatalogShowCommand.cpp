// "axocor catalogs show": every chapter of a catalog document, its
// sub-chapters and its entries with their keyword values.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorEscapedText.h"
#include "AxocorJson.h"
#include "CatalogView.h"

namespace {

std::string Joined(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

// chapter Sections\IPE  (keywords Name, Height, Width)
//   sub-chapter "I sections" -> Sections\IPE
//   entry "IPE 100"  Name: IPE 100  Height: 100mm  Width: (no value)
// Names and values come from the catalog's file, so each line is escaped.
void PrintText(const CatalogView& view) {
  for (const CatalogChapterView& chapter : view.chapters()) {
    std::cout << AxocorEscapedText("chapter " + chapter.path + "  (keywords " +
                                   (chapter.keywords.empty() ? "none" : Joined(chapter.keywords)) +
                                   ")")
              << "\n";
    for (const CatalogSubChapter& sub : chapter.subChapters) {
      std::cout << AxocorEscapedText("  sub-chapter \"" + sub.description + "\" -> " +
                                     (sub.chapter.empty() ? "(no chapter)" : sub.chapter))
                << "\n";
    }
    for (const CatalogEntryView& entry : chapter.entries) {
      std::string line = "  entry \"" + entry.name + "\"";
      for (std::size_t k = 0; k < entry.values.size(); ++k) {
        line += "  " + entry.values[k].first + ": " +
                (entry.held[k] ? entry.values[k].second : "(no value)");
      }
      std::cout << AxocorEscapedText(line) << "\n";
    }
  }
}

void PrintJsonDocument(const std::string& file, const CatalogView& view) {
  AxocorJson chapters = AxocorJson::array();
  for (const CatalogChapterView& chapter : view.chapters()) {
    AxocorJson subChapters = AxocorJson::array();
    for (const CatalogSubChapter& sub : chapter.subChapters) {
      subChapters.push_back(
          {{"description", sub.description},
           {"chapter", sub.chapter.empty() ? AxocorJson() : AxocorJson(sub.chapter)}});
    }
    AxocorJson entries = AxocorJson::array();
    for (const CatalogEntryView& entry : chapter.entries) {
      entries.push_back({{"entry", entry.name}, {"values", ValuesJson(entry)}});
    }
    chapters.push_back({{"path", chapter.path},
                        {"keywords", chapter.keywords},
                        {"subChapters", std::move(subChapters)},
                        {"entries", std::move(entries)}});
  }
  PrintJson({{"catalog", file}, {"chapters", std::move(chapters)}});
}

}  // namespace

void RegisterCatalogShowCommand(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "show", "Print the chapters of a catalog document, their sub-chapters and entries");
  auto file = std::make_shared<std::string>();
  command->allow_windows_style_options(false);
  TakesFile(command->add_option("catalog", *file, "Catalog document file (.catalog)")->required());
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    const CatalogView view(*file);
    if (*json) {
      PrintJsonDocument(*file, view);
    } else {
      PrintText(view);
    }
  });
}
