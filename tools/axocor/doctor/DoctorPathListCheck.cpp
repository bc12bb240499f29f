// Path-list variables: set, and every folder present.
#include <set>

#include "DoctorChecks.h"
#include "DoctorFiles.h"

namespace axocor::doctor {

namespace {

// What it means for the installation when a host variable is not set.
struct Requirement {
  const char* variable;
  bool required;
  const char* whenUnset;
};

constexpr Requirement kRequirements[] = {
    {"CATStartupPath", true, "no catalog, steel catalog or counter can be found"},
    {"CATCollectionStandard", false, "only CATDefaultCollectionStandard is searched"},
    {"CATDefaultCollectionStandard", false, "only CATCollectionStandard is searched"},
    {"CATGraphicPath", true, "no attribute dictionary can be found"},
    {"CATUserSettingPath", false,
     "the host keeps the translators' settings in the user's own data folder"},
    {"CATReferenceSettingPath", false,
     "resetting settings to the administrator's values clears them instead"},
};

}  // namespace

void CheckPathLists(const Environment& environment, Report& report) {
  Section& section = report.AddSection("pathLists", "Path lists");
  for (const Requirement& requirement : kRequirements) {
    const std::string* value = environment.Find(requirement.variable);
    if (value == nullptr || value->empty()) {
      const std::string what =
          std::string(value == nullptr ? "not set" : "empty") + ": " + requirement.whenUnset;
      if (requirement.required) {
        section.Problem(0, requirement.variable, what);
      } else {
        section.Note(0, requirement.variable, what);
      }
      continue;
    }
    const std::vector<std::string> folders = PathListOf(requirement.variable);
    section.Info(0, requirement.variable,
                 std::to_string(folders.size()) + (folders.size() == 1 ? " folder" : " folders"));
    std::set<std::string> seen;
    for (std::size_t i = 0; i < folders.size(); ++i) {
      const std::string& folder = folders[i];
      const std::string position = "entry " + std::to_string(i + 1);
      if (folder.empty()) {
        section.Problem(1, requirement.variable + (" " + position),
                        "empty (a doubled or trailing ';'): the library joins file names to the "
                        "root folder for it");
      } else if (!seen.insert(folder).second) {
        section.Note(1, Shown(folder), "listed twice; the first entry decides");
      } else if (IsFolder(folder)) {
        section.Info(1, Shown(folder), "folder present");
      } else if (IsFile(folder)) {
        section.MissingFolder(
            requirement.variable, 1, Shown(folder),
            "is a file, not a folder (" + position + " of " + requirement.variable + ")");
      } else {
        section.MissingFolder(
            requirement.variable, 1, Shown(folder),
            "folder does not exist (" + position + " of " + requirement.variable + ")");
      }
    }
  }
  const std::string* standard = environment.Find("CATCollectionStandard");
  const std::string* fallback = environment.Find("CATDefaultCollectionStandard");
  if ((standard == nullptr || standard->empty()) && (fallback == nullptr || fallback->empty())) {
    section.Problem(0, "CATCollectionStandard, CATDefaultCollectionStandard",
                    "neither is set: no style sheet and no include can be found");
  }
}

}  // namespace axocor::doctor
