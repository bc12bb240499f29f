#include "AXOCorNativeFiles.h"

#include <utility>

std::string AXONativePath(const CATUnicodeString& hostPath) {
  if (hostPath.GetLengthInByte() == 0) return std::string();
  return AXOPlatform::Get()->NativePath(hostPath.ConvertToChar());
}

AXOStatus AXOReadFile(const CATUnicodeString& hostPath, const AXOReadLimits& limits,
                      std::string& bytes) {
  AXOFileContents contents;
  const AXOStatus status = AXOPlatform::Get()->ReadFile(AXONativePath(hostPath), limits, contents);
  if (status.ok()) bytes = std::move(contents.bytes);
  return status;
}
