#include "foundations/AXOCorStandardFiles.h"

#include "CATLib.h"
#include "foundations/AXOCorHostText.h"

bool AXOFindStandardFile(const CATUnicodeString& relativePath, CATUnicodeString& path) {
  char buffer[CAT_MAX_OFFICIAL_PATH] = {};
  if (AXOCorHoldsNul(relativePath)) {  // names no file
    path = buffer;
    return false;
  }
  const char* relative = relativePath.ConvertToChar();
  const bool found =
      CATGetFilePathFromOfficialVariable(relative, "CATCollectionStandard", buffer) == 0 ||
      CATGetFilePathFromOfficialVariable(relative, "CATDefaultCollectionStandard", buffer) == 0;
  path = buffer;
  return found;
}
