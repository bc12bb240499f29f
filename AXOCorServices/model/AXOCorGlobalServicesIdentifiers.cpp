// Identifiers: sequence numbers from counter files, the applicative
// identifier and the identifiers of feature extensions.
#include <cstdint>
#include <string>

#include "AXOCorCounterText.h"
#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "CATIOsmExtension.h"
#include "CATLib.h"
#include "foundations/AXOCorNativeFiles.h"

namespace {

using axo_counters::kMaxCounter;

// A step up to the parent folder: "..", also with dots or blanks added
// (". .", "..."), which Windows drops from the end of a name.
bool IsParentStep(const std::string& step) {
  std::size_t dots = 0;
  for (char c : step) {
    if (c != '.' && c != ' ') return false;
    if (c == '.') ++dots;
  }
  return dots >= 2;
}

// A counter name stays inside the counter folder: sub-folders are allowed,
// but not a step up, a root ("\x", "/x") or a drive or stream (":").
bool IsCounterName(const std::string& name) {
  if (name.empty() || name[0] == '\\' || name[0] == '/') return false;
  if (name.find(':') != std::string::npos) return false;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = name.find_first_of("\\/", begin);
    if (IsParentStep(name.substr(begin, end == std::string::npos ? end : end - begin))) {
      return false;
    }
    if (end == std::string::npos) return true;
    begin = end + 1;
  }
}

// Reserves `count` numbers from the counter file `hostPath`. Returns the
// first of them, or -1 when the file cannot be read or advanced; a counter
// that is not advanced is left as it was, byte for byte.
std::int64_t Reserve(const CATUnicodeString& hostPath, long count) {
  // A negative count would move the counter back and hand out numbers twice.
  if (count < 0) return -1;
  AXOPlatform* platform = AXOPlatform::Get();
  const std::string path = AXONativePath(hostPath);
  std::int64_t first = -1;
  // Processes that reserve from the same counter take turns, and the file is
  // replaced whole, so no two callers get the same number and an
  // interrupted update leaves the counter where it was.
  const AXOFileUpdate result =
      platform->UpdateFileExclusively(path, [&](const std::string& content, std::string& next) {
        const std::int64_t last = axo_counters::ReadCounterText(content).last;
        if (last < 0 || count > kMaxCounter - last) return false;
        // A read-only counter is made writable so that it can advance; a
        // writable one keeps its permissions.
        if (CATFileAccess(hostPath.ConvertToChar(), 2) != 0) platform->ChangeFileMode(path, 0600);
        first = last + 1;
        next = std::to_string(last + count);
        return true;
      });
  return result == AXOFileUpdate::kReplaced ? first : -1;
}

}  // namespace

void AXOCorGlobalServices::GetIDSeqNumber(CATUnicodeString& counterName, long count, long& number) {
  CATListValCATUnicodeString startupPaths;
  AXOCorEnvVarManager::GetEnvVariableValues("CATStartupPath", startupPaths);
  if (startupPaths.Size() == 0) return;
  number = -1;
  // A name that would reach outside the counter folders touches nothing.
  if (!IsCounterName(counterName.ConvertToChar())) return;
  // The first startup path whose counter can be advanced serves the call.
  for (int i = 1; i <= startupPaths.Size(); ++i) {
    const CATUnicodeString path = startupPaths[i] + "\\IDSequenceNumbers\\" + counterName;
    number = static_cast<long>(Reserve(path, count));
    if (number >= 0) return;
  }
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
