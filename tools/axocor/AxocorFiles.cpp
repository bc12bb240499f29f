#include "AxocorFiles.h"

#include <utility>

#include "AxocorCommands.h"
#include "CATHostPath.h"

std::string AxocorNativePath(const std::string& hostPath) {
  const std::string normal = CATHostPathNormal(hostPath);
  return normal.empty() ? std::string(".") : AXOPlatform::Get()->NativePath(normal);
}

AXOStatus AxocorReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
  AXOFileContents contents;
  const AXOStatus status = AXOPlatform::Get()->ReadFile(path, {maxBytes, false}, contents);
  if (status.ok()) bytes = std::move(contents.bytes);
  return status;
}

std::string AxocorReadFileOrFail(const std::string& path, std::size_t maxBytes) {
  std::string bytes;
  const AXOStatus status = AxocorReadFile(path, maxBytes, bytes);
  if (!status.ok()) AxocorFail("cannot read '" + path + "': " + status.reason());
  return bytes;
}

void AxocorWriteFileOrFail(const std::string& path, const std::string& bytes) {
  const AXOStatus status = AXOPlatform::Get()->ReplaceFile(path, bytes, AXOReplace::kAlways);
  if (!status.ok()) AxocorFail("cannot write '" + path + "': " + status.reason());
}

AXOStatus AxocorCanRead(const std::string& path) {
  AXOFileContents start;
  return AXOPlatform::Get()->ReadFile(path, {1, false, true}, start);
}

bool AxocorIsFolder(const std::string& path) {
  AXOFileStatus status;
  return AXOPlatform::Get()->GetFileStatus(path, status).ok() &&
         status.kind == AXOFileStatus::kDirectory;
}
