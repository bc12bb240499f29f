// Writing the POSIX backend's registry in memory, for tests.
#include <iterator>
#include <mutex>

#include "../PosixClassesRoot.h"
#include "AXOPlatformTestingBackend.h"

AXOStatus AXOPlatformTestingBackend::WriteClassesRootKey(const std::string& subKey,
                                                         const char* defaultValue) {
  if (subKey.empty()) return AXOStatus(AXOStatusCode::kInvalidArgument, "", "no key named");
  const std::string name = AXOPosixClassesRootKeyName(subKey);
  AXOPosixClassesRoot& root = AXOPosixClassesRootOfProcess();
  std::lock_guard<std::mutex> lock(root.mutex);
  // Creating a key creates the keys above it.
  for (std::size_t at = name.find('\\'); at != std::string::npos; at = name.find('\\', at + 1)) {
    root.keys[name.substr(0, at)];
  }
  AXOPosixRegistryKey& key = root.keys[name];
  if (defaultValue != nullptr) {
    key.has_value = true;
    key.value = defaultValue;
  }
  return AXOStatus();
}

AXOStatus AXOPlatformTestingBackend::DeleteClassesRootTree(const std::string& subKey) {
  if (subKey.empty()) return AXOStatus(AXOStatusCode::kInvalidArgument, "", "no key named");
  const std::string name = AXOPosixClassesRootKeyName(subKey);
  const std::string below = name + "\\";
  AXOPosixClassesRoot& root = AXOPosixClassesRootOfProcess();
  std::lock_guard<std::mutex> lock(root.mutex);
  for (auto key = root.keys.begin(); key != root.keys.end();) {
    const bool inside = key->first == name || key->first.compare(0, below.size(), below) == 0;
    key = inside ? root.keys.erase(key) : std::next(key);
  }
  return AXOStatus();
}
