// All checks, in the order of the report.
#include "DoctorChecks.h"
#include "DoctorFiles.h"

namespace axocor::doctor {

namespace {

// A variable's value as people read it: every path in native form.
std::string ShownValue(const KnownVariable& known, const std::string& value) {
  if (!known.isPathList) return value;
  std::string shown;
  for (const std::string& entry : SplitList(value)) {
    shown += (shown.empty() ? "" : ";") + Shown(entry);
  }
  return shown;
}

}  // namespace

Report RunChecks(const Environment& environment) {
  Report report;
  report.source = environment.description;
  for (const KnownVariable& known : KnownVariables()) {
    if (const std::string* value = environment.Find(known.name)) {
      report.variables.emplace_back(known.name, ShownValue(known, *value));
    }
  }
  CheckPathLists(environment, report);
  CheckStyleSheets(report);
  const std::vector<std::string> steelCatalogs = CheckCatalogs(report);
  CheckDictionaries(report);
  CheckCounters(environment, report);
  std::vector<std::string> profileMaps;
  if (const std::string* maps = environment.Find("AXOProfileMap")) profileMaps = SplitList(*maps);
  CheckSettings(report, steelCatalogs, profileMaps);
  CheckProfileMaps(profileMaps, report);
  report.GroupUnderMissingFolders();
  return report;
}

}  // namespace axocor::doctor
