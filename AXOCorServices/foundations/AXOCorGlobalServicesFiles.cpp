// Whether a path names an existing file or directory.
#include "AXOCorGlobalServices.h"
#include "CATLib.h"
#include "foundations/AXOCorHostText.h"

namespace {

// 1 for a directory, 0 for another existing entry, -1 when the path is not
// accessible or its status cannot be read.
int DirectoryBit(const CATUnicodeString& path) {
  if (AXOCorHoldsNul(path)) return -1;  // names no file
  const char* text = path.ConvertToChar();
  if (CATFileAccess(text, 0) != 0) return -1;
  struct stat info;
  if (CATGetFileInfo(text, &info) == -1) return -1;
  return (info.st_mode & 0x4000) != 0 ? 1 : 0;
}

}  // namespace

bool AXOCorGlobalServices::FindFile(const CATUnicodeString& path) {
  return DirectoryBit(path) == 0;
}

bool AXOCorGlobalServices::FindDirectory(const CATUnicodeString& path) {
  return DirectoryBit(path) == 1;
}
