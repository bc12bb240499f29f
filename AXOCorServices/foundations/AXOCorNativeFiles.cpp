#include "foundations/AXOCorNativeFiles.h"

#include <utility>

#include "foundations/AXOCorHostText.h"

std::string AXONativePath(const CATUnicodeString& hostPath) {
  if (hostPath.GetLengthInByte() == 0) return std::string();
  // Whole: a NUL character goes along, and the platform refuses the path.
  return AXOPlatform::Get()->NativePath(AXOCorBytesOf(hostPath));
}

AXOStatus AXOReadFile(const CATUnicodeString& hostPath, const AXOReadLimits& limits,
                      std::string& bytes) {
  AXOFileContents contents;
  const AXOStatus status = AXOPlatform::Get()->ReadFile(AXONativePath(hostPath), limits, contents);
  if (status.ok()) bytes = std::move(contents.bytes);
  return status;
}
