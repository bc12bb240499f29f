// The registry of the POSIX backend. POSIX systems have none, so the classes
// root is kept in memory: empty at start, so every key is missing, and
// filled only by tests through the ...ForTesting services. Class lookups read
// "<programmatic identifier>\CLSID" from it, as the Windows lookup reads the
// real registry.
#include <cctype>
#include <cstdio>
#include <iterator>
#include <map>
#include <mutex>
#include <string>

#include "PosixPlatform.h"

namespace {

// The longest default value the Windows backend reads, in bytes of UTF-16
// with its terminating NUL.
constexpr std::size_t kMaxValueBytes = 32767;

struct RegistryKey {
  bool has_value = false;
  std::string value;  // UTF-8
};

// Keys by their path in lower case, as the registry ignores letter case.
struct ClassesRoot {
  std::mutex mutex;
  std::map<std::string, RegistryKey> keys;
};

ClassesRoot& Root() {
  static auto* const root = new ClassesRoot();
  return *root;
}

std::string KeyName(const std::string& subKey) {
  std::string name = subKey;
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

// Size of the UTF-8 text `value` as UTF-16 with a terminating NUL.
std::size_t Utf16Bytes(const std::string& value) {
  std::size_t units = 1;
  for (unsigned char c : value) {
    if ((c & 0xC0) != 0x80) ++units;  // a character starts here
    if (c >= 0xF0) ++units;           // outside the BMP: a surrogate pair
  }
  return units * 2;
}

// Reads "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (either letter case).
bool ParseBracedGuid(const std::string& text, AXOGuidFields& guid) {
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return false;
  for (std::size_t i = 1; i < 37; ++i) {
    const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    if (dash ? text[i] != '-' : !std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  unsigned int d1 = 0, d2 = 0, d3 = 0, b[8] = {};
  if (std::sscanf(text.c_str(), "{%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}", &d1, &d2, &d3, &b[0],
                  &b[1], &b[2], &b[3], &b[4], &b[5], &b[6], &b[7]) != 11) {
    return false;
  }
  guid.data1 = d1;
  guid.data2 = static_cast<std::uint16_t>(d2);
  guid.data3 = static_cast<std::uint16_t>(d3);
  for (int i = 0; i < 8; ++i) guid.data4[i] = static_cast<std::uint8_t>(b[i]);
  return true;
}

}  // namespace

AXORegistryRead PosixPlatform::ReadClassesRootDefaultValue(const std::string& subKey,
                                                           std::string& value) {
  ClassesRoot& root = Root();
  std::lock_guard<std::mutex> lock(root.mutex);
  const auto key = root.keys.find(KeyName(subKey));
  if (key == root.keys.end()) return AXORegistryRead::kNoKey;
  if (!key->second.has_value || Utf16Bytes(key->second.value) > kMaxValueBytes) {
    return AXORegistryRead::kNoValue;
  }
  value = key->second.value;
  return AXORegistryRead::kValue;
}

bool PosixPlatform::ClassIdFromProgId(const std::string& progId, AXOGuidFields& classId) {
  if (progId.empty()) return false;
  std::string text;
  if (ReadClassesRootDefaultValue(progId + "\\CLSID", text) != AXORegistryRead::kValue) {
    return false;
  }
  return ParseBracedGuid(text, classId);
}

bool PosixPlatform::WriteClassesRootKeyForTesting(const std::string& subKey,
                                                  const char* defaultValue) {
  if (subKey.empty()) return false;
  const std::string name = KeyName(subKey);
  ClassesRoot& root = Root();
  std::lock_guard<std::mutex> lock(root.mutex);
  // Creating a key creates the keys above it.
  for (std::size_t at = name.find('\\'); at != std::string::npos; at = name.find('\\', at + 1)) {
    root.keys[name.substr(0, at)];
  }
  RegistryKey& key = root.keys[name];
  if (defaultValue != nullptr) {
    key.has_value = true;
    key.value = defaultValue;
  }
  return true;
}

bool PosixPlatform::DeleteClassesRootTreeForTesting(const std::string& subKey) {
  if (subKey.empty()) return false;
  const std::string name = KeyName(subKey);
  const std::string below = name + "\\";
  ClassesRoot& root = Root();
  std::lock_guard<std::mutex> lock(root.mutex);
  for (auto key = root.keys.begin(); key != root.keys.end();) {
    const bool inside = key->first == name || key->first.compare(0, below.size(), below) == 0;
    key = inside ? root.keys.erase(key) : std::next(key);
  }
  return true;
}
