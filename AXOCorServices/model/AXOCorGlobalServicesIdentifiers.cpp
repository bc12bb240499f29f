// Identifiers: sequence numbers from counter files, the applicative
// identifier and the identifiers of feature extensions.
#include <cstdint>
#include <string>

#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "CATIOsmExtension.h"
#include "model/AXOCorCounters.h"

void AXOCorGlobalServices::GetIDSeqNumber(CATUnicodeString& counterName, long count, long& number) {
  CATListValCATUnicodeString startupPaths;
  AXOCorEnvVarManager::GetEnvVariableValues("CATStartupPath", startupPaths);
  if (startupPaths.Size() == 0) return;
  std::int64_t first = -1;
  axo_counters::ReserveFromStartupPaths(startupPaths, counterName, count, first);
  number = static_cast<long>(first);
}

CATUnicodeString AXOCorGlobalServices::GetIDSeqNumber(CATUnicodeString& counterName, long count) {
  long number = -1;
  GetIDSeqNumber(counterName, count, number);
  CATUnicodeString text;
  text.BuildFromNum(static_cast<int>(number), "%d");
  return text;
}

GUID AXOCorGlobalServices::GetApplicativeID() {
  // {611B25D7-379F-4351-9D9A-9CE43217A965}
  return GUID{0x611B25D7, 0x379F, 0x4351, {0x9D, 0x9A, 0x9C, 0xE4, 0x32, 0x17, 0xA9, 0x65}};
}

CATUnicodeString AXOCorGlobalServices::GetExtensionID(CATIOsmExtension* extension) {
  if (extension == nullptr) return CATUnicodeString();
  char* id = extension->GetID();
  if (id == nullptr) return CATUnicodeString();
  CATUnicodeString text(id);
  delete[] id;  // allocated by the host with new[]
  return text;
}

CATUnicodeString AXOCorGlobalServices::GetExtensionID(CATIOsmExtension_var& extension) {
  return GetExtensionID(static_cast<CATIOsmExtension*>(extension));
}
