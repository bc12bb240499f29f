#ifndef AXOCOR_DOCTOR_CHECKS_H
#define AXOCOR_DOCTOR_CHECKS_H

// The doctor's checks, one section of the report each. Every check looks at
// the installation through the library's services, in the process
// environment set by ApplyEnvironment, and changes nothing: no counter is
// advanced, no settings repository is saved, no file is written.

#include <string>
#include <vector>

#include "DoctorEnvironment.h"
#include "DoctorReport.h"

namespace axocor::doctor {

// Each host path-list variable and its folders.
void CheckPathLists(const Environment& environment, Report& report);
// The installed style sheets and their includes.
void CheckStyleSheets(Report& report);
// Catalog folders below the startup paths, and the steel catalogs. Returns
// the names of the steel catalogs that the library offers, in its order.
std::vector<std::string> CheckCatalogs(Report& report);
// The attribute dictionaries, in the add-on's order.
void CheckDictionaries(Report& report);
// The counter files below the startup paths, and the counters the
// environment expects (AXOCounterNames).
void CheckCounters(const Environment& environment, Report& report);
// The DXF and IFC translator settings, the IFC section catalog against
// `steelCatalogs` (as CheckCatalogs returns them). Appends to `profileMaps`
// the map files that the IFC settings name.
void CheckSettings(Report& report, const std::vector<std::string>& steelCatalogs,
                   std::vector<std::string>& profileMaps);
// The profile map files (host paths): lines the reader skips, and names
// that lead to the same key.
void CheckProfileMaps(const std::vector<std::string>& profileMaps, Report& report);

// Every check above, in that order, on the environment already applied;
// the problems a missing folder may cause grouped under it.
Report RunChecks(const Environment& environment);

}  // namespace axocor::doctor

#endif  // AXOCOR_DOCTOR_CHECKS_H
