// Whether the host application was started in administrator mode.
#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"

// Any "-admin" in the command line counts, in any letter case and without
// regard to word boundaries: "-Administrator" does too, "/admin" does not.
bool AXOCorGlobalServices::IsAdminMode() {
  CATUnicodeString commandLine(AXOPlatform::Get()->CommandLine().c_str());
  commandLine.ToLower();
  return commandLine.SearchSubString("-admin", 0, CATUnicodeString::CATSearchModeForward) >= 0;
}
