// What the backends share: calls that only pass on to another.
#include "AXOPlatformBackend.h"

AXOStatus AXOPlatformBackend::ReplaceFile(const std::string& path, const std::string& contents,
                                          AXOReplace mode) {
  return Replace(path, contents, mode, nullptr);
}
