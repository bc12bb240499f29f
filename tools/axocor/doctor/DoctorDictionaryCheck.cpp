// Attribute dictionaries, in the add-on's order.
#include <algorithm>

#include "AXOCorGlobalServices.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"
#include "catalogs/AXOCorDictionaryRules.h"

namespace axocor::doctor {

namespace {

using axo_dictionaries::kArcCatalog;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A graphic path that was plainly meant as a dictionary folder but misses
// the library's exact test (letter case, "/" separators, a trailing one).
bool LooksLikeDictionaryFolder(std::string path) {
  path = ToLower(path);
  std::replace(path.begin(), path.end(), '/', '\\');
  while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return EndsWith(path, "\\dictionaries") || EndsWith(path, "\\resources\\graphic");
}

bool Contains(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

std::vector<std::string> ToVector(const CATListValCATUnicodeString& list) {
  std::vector<std::string> names;
  for (int i = 1; i <= list.Size(); ++i) names.emplace_back(list[i].ConvertToChar());
  return names;
}

}  // namespace

void CheckDictionaries(Report& report) {
  Section& section = report.AddSection("dictionaries", "Attribute dictionaries");
  std::vector<std::string> folders;
  for (const std::string& path : PathListOf("CATGraphicPath")) {
    if (path.empty()) continue;  // reported with the path lists
    if (axo_dictionaries::IsDictionaryFolder(path.c_str())) {
      folders.push_back(path);
    } else if (LooksLikeDictionaryFolder(path)) {
      section.Problem(0, Shown(path),
                      "not looked into for dictionaries: a dictionary folder must end exactly "
                      "in \"\\Dictionaries\" or \"\\resources\\graphic\"");
    } else {
      section.Note(0, Shown(path), "graphic path that is not a dictionary folder");
    }
  }
  // The files of each dictionary folder, in the order of the folders.
  std::vector<std::pair<std::string, std::vector<std::string>>> filesByFolder;
  for (const std::string& folder : folders) {
    if (!IsFolder(folder)) continue;  // reported with the path lists
    filesByFolder.emplace_back(folder, FilesOf(folder));
    for (const std::string& file : filesByFolder.back().second) {
      if (axo_dictionaries::IsBaseGeometryDictionary(file.c_str())) {
        section.Info(0, file, "base geometry dictionary in " + Shown(folder) + ", not listed");
      } else if (EndsWith(ToLower(file), ".catfct") &&
                 !axo_dictionaries::IsAddOnDictionaryName(file.c_str())) {
        section.Note(0, Shown(JoinPath(folder, file)),
                     "not listed: a dictionary's name must hold \"AXO\"");
      }
    }
  }

  CATListValCATUnicodeString installedList, orderedList;
  AXOCorGlobalServices::GetAllAvailableDico(installedList);
  AXOCorGlobalServices::GetOrderedDicoList(orderedList);
  const std::vector<std::string> installed = ToVector(installedList);
  const std::vector<std::string> ordered = ToVector(orderedList);
  if (installed.empty()) {
    if (!PathListOf("CATGraphicPath").empty()) {
      section.SearchProblem("CATGraphicPath", 0, "CATGraphicPath",
                            "no attribute dictionary is installed in its folders");
    }
    return;
  }
  const auto folderOf = [&](const std::string& name) {
    for (const auto& [folder, files] : filesByFolder) {
      if (Contains(files, name)) return Shown(folder);
    }
    return std::string("?");
  };
  section.Info(0, "order offered to users", std::to_string(ordered.size()) + " dictionaries");
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    const std::string& name = ordered[i];
    const std::string position = std::to_string(i + 1) + ". " + name;
    const bool fixed = i < axo_dictionaries::kOrderedCount;
    if (Contains(installed, name)) {
      section.Info(1, position, folderOf(name));
      continue;
    }
    std::string text = "in the fixed order but not installed: users see it and cannot open it";
    for (const std::string& other : installed) {
      if (ToLower(other) == ToLower(name)) {
        text = "installed only as '" + other + "' (" + folderOf(other) +
               "), which differs in letter case: users see both names";
      }
    }
    section.SearchProblem("CATGraphicPath", 1, position, fixed ? text : "listed but not installed");
  }
  if (Contains(installed, kArcCatalog)) {
    section.Info(1, kArcCatalog, "installed; left out of the order by design");
  }
}

}  // namespace axocor::doctor
