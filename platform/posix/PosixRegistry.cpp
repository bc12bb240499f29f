// The registry of the POSIX backend. POSIX systems have none, so the classes
// root is kept in memory (PosixClassesRoot.h): empty at start, so every key
// is missing, and filled only by tests. Class lookups read
// "<programmatic identifier>\CLSID" from it, as the Windows lookup reads the
// real registry.
#include <cctype>
#include <cstdio>
#include <iterator>
#include <map>
#include <mutex>
#include <string>

#include "../AXOPlatformBackend.h"
#include "PosixClassesRoot.h"

AXOPosixClassesRoot& AXOPosixClassesRootOfProcess() {
  static auto* const root = new AXOPosixClassesRoot();
  return *root;
}

std::string AXOPosixClassesRootKeyName(const std::string& subKey) {
  std::string name = subKey;
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

namespace {

// The longest default value the Windows backend reads, in bytes of UTF-16
// with its terminating NUL.
constexpr std::size_t kMaxValueBytes = 32767;

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

AXOStatus AXOPlatformBackend::ReadClassesRootDefaultValue(const std::string& subKey,
                                                          std::string& value) {
  AXOPosixClassesRoot& root = AXOPosixClassesRootOfProcess();
  std::lock_guard<std::mutex> lock(root.mutex);
  const auto key = root.keys.find(AXOPosixClassesRootKeyName(subKey));
  if (key == root.keys.end()) return AXOStatus(AXOStatusCode::kNotFound, subKey, "no such key");
  if (!key->second.has_value || Utf16Bytes(key->second.value) > kMaxValueBytes) {
    return AXOStatus(AXOStatusCode::kDamaged, subKey, "no default text of at most 32767 bytes");
  }
  value = key->second.value;
  return AXOStatus();
}

AXOStatus AXOPlatformBackend::ClassIdFromProgId(const std::string& progId, AXOGuidFields& classId) {
  const std::string key = progId + "\\CLSID";
  std::string text;
  if (progId.empty() || !ReadClassesRootDefaultValue(key, text).ok() ||
      !ParseBracedGuid(text, classId)) {
    return AXOStatus(AXOStatusCode::kNotFound, progId, "no class registered");
  }
  return AXOStatus();
}
