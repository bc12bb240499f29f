#include "AXOCorNativeFiles.h"

std::string AXONativePath(const CATUnicodeString& hostPath) {
  if (hostPath.GetLengthInByte() == 0) return std::string();
  return AXOPlatform::Get()->NativePath(hostPath.ConvertToChar());
}

std::filesystem::path AXONativeFsPath(const CATUnicodeString& hostPath) {
  return std::filesystem::u8path(AXONativePath(hostPath));
}

std::unique_ptr<AXOFileReader> AXOOpenRegularFile(const CATUnicodeString& hostPath) {
  std::unique_ptr<AXOFileReader> file;
  AXOPlatform::Get()->OpenRegularFile(AXONativePath(hostPath), file);
  return file;
}
