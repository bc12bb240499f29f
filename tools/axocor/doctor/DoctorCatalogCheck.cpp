// Catalogs below the startup paths, and the steel section catalogs.
#include <algorithm>
#include <map>

#include "AXOCorGlobalServices.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"
#include "catalogs/AXOCorCatalogNames.h"

namespace axocor::doctor {

namespace {

constexpr const char kCatalogs[] = "Catalogs";
constexpr const char kSteel[] = "Structural Steel";
using axo_catalogs::kExtension;

// The files of `folder` whose names hold ".catalog" in any letter case, as
// the library's steel listing takes them.
std::vector<std::string> CatalogFiles(const std::string& folder) {
  CATListValCATUnicodeString names;
  AXOCorGlobalServices::FindFilesInDirectory(folder.c_str(), kExtension, true, names);
  std::vector<std::string> files;
  for (int i = 1; i <= names.Size(); ++i) files.emplace_back(names[i].ConvertToChar());
  return files;
}

std::string WithoutExtension(const std::string& file) {
  return axo_catalogs::CatalogNameOf(file.c_str()).ConvertToChar();
}

std::string Count(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Ordinary catalog folders (all but the steel folder) of one startup path.
void CheckCatalogFolders(Section& section, const std::string& catalogs) {
  for (const std::string& folder : SubfoldersOf(catalogs)) {
    if (folder == kSteel) continue;
    const std::string path = JoinPath(catalogs, folder);
    std::vector<std::string> names;
    for (const std::string& file : CatalogFiles(path)) names.push_back(WithoutExtension(file));
    if (names.empty()) {
      section.Note(1, Shown(path), "holds no catalog");
      continue;
    }
    section.Info(1, folder, Count(names.size(), "catalog: ", "catalogs: ") + JoinNames(names));
    for (const std::string& name : names) {
      // The library's own lookup; an earlier startup path may hold the same catalog.
      CATUnicodeString found;
      if (AXOCorGlobalServices::GetCatalogFullPath(name.c_str(), folder.c_str(), found) != S_OK) {
        section.Problem(
            2, Shown(JoinPath(path, name + kExtension)),
            "not found by the library's catalog lookup ('" + name + "' in '" + folder + "')");
      } else if (ToLower(found.ConvertToChar()) != ToLower(JoinPath(path, name + kExtension))) {
        section.Note(
            2, name,
            "not used: the catalog lookup finds " + Shown(found.ConvertToChar()) + " first");
      }
    }
  }
}

// The steel folder of one startup path; adds the catalogs found to `found`.
void CheckSteelFolder(Section& section, const std::string& steel,
                      std::map<std::string, std::string>& firstFolder) {
  std::size_t catalogs = 0;
  for (const std::string& file : CatalogFiles(steel)) {
    section.Problem(1, Shown(JoinPath(steel, file)),
                    "lies directly in \"Structural Steel\"; steel catalogs are only found one "
                    "folder down, in a group folder such as \"European\"");
  }
  for (const std::string& group : SubfoldersOf(steel)) {
    const std::string path = JoinPath(steel, group);
    const std::vector<std::string> files = CatalogFiles(path);
    if (files.empty()) {
      section.Problem(1, Shown(path), "steel catalog folder holds no catalog");
      continue;
    }
    std::vector<std::string> names;
    for (const std::string& file : files) {
      const std::string name = WithoutExtension(file);
      names.push_back(name);
      if (name == file) {
        section.Problem(2, Shown(JoinPath(path, file)),
                        "its extension is not \".catalog\" in lower case, so the name keeps it: "
                        "the catalog is offered as '" +
                            file + "'");
      }
      const auto [where, inserted] = firstFolder.emplace(name, path);
      if (!inserted) {
        section.Note(2, name, "also in " + Shown(where->second) + ", which comes first");
      }
    }
    catalogs += names.size();
    section.Info(1, Shown(JoinPath(kSteel, group)),
                 Count(names.size(), "catalog: ", "catalogs: ") + JoinNames(names));
  }
  if (catalogs == 0) section.Problem(1, Shown(steel), "no steel catalog in this folder");
}

}  // namespace

std::vector<std::string> CheckCatalogs(Report& report) {
  Section& section = report.AddSection("catalogs", "Catalogs and steel catalogs");
  const std::vector<std::string> startup = PathListOf("CATStartupPath");
  std::map<std::string, std::string> firstFolder;
  bool anySteelFolder = false;
  for (const std::string& path : startup) {
    if (path.empty() || !IsFolder(path)) continue;  // reported with the path lists
    const std::string catalogs = JoinPath(path, kCatalogs);
    if (!IsFolder(catalogs)) {
      section.Note(0, Shown(path), "no \"Catalogs\" folder");
      continue;
    }
    section.Info(0, Shown(catalogs), "");
    CheckCatalogFolders(section, catalogs);
    const std::string steel = JoinPath(catalogs, kSteel);
    if (IsFolder(steel)) {
      anySteelFolder = true;
      CheckSteelFolder(section, steel, firstFolder);
    }
  }
  CATListValCATUnicodeString steelNames;
  AXOCorGlobalServices::GetSteelCatalogNames(steelNames);
  std::vector<std::string> names;
  for (int i = 1; i <= steelNames.Size(); ++i) names.emplace_back(steelNames[i].ConvertToChar());
  if (names.empty()) {
    if (!startup.empty()) {
      section.SearchProblem(
          "CATStartupPath", 0, "Structural Steel",
          std::string(anySteelFolder ? ""
                                     : "no \"Catalogs\\Structural Steel\" folder "
                                       "below any startup path; ") +
              "no steel catalog is installed, so the IFC translator has no default "
              "section catalog");
    }
    return names;
  }
  section.Info(0, "steel catalogs offered",
               Count(names.size(), "catalog, ", "catalogs, ") +
                   "the first is the IFC "
                   "translator's default: " +
                   JoinNames(names, names.size()));
  return names;
}

}  // namespace axocor::doctor
