// The registry and class lookups of the Windows backend.
#include "WindowsSystem.h"
// After <windows.h>, which it needs.
#include <objbase.h>  // CLSIDFromProgID

#include <cstring>
#include <vector>

#include "../AXOPlatformBackend.h"
#include "WindowsText.h"

namespace {

// The longest default value read, in bytes.
constexpr DWORD kMaxValueBytes = 32767;

}  // namespace

AXOStatus AXOPlatformBackend::ReadClassesRootDefaultValue(const std::string& subKey,
                                                          std::string& value) {
  const std::wstring name = AXOWideFromUtf8(subKey);
  HKEY key = nullptr;
  // Query access in the 32-bit view (0x201), where 32-bit applications
  // register their classes.
  if (subKey.find('\0') != std::string::npos ||
      ::RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                      &key) != ERROR_SUCCESS) {
    return AXOStatus(AXOStatusCode::kNotFound, subKey, "no such key");
  }
  // One wide character more than the bytes read, so the text always ends.
  std::vector<wchar_t> data(kMaxValueBytes / sizeof(wchar_t) + 1, L'\0');
  DWORD type = 0;
  DWORD size = kMaxValueBytes;
  const LONG status =
      ::RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  ::RegCloseKey(key);
  if (status != ERROR_SUCCESS || size < 1 || type != REG_SZ) {
    return AXOStatus(AXOStatusCode::kDamaged, subKey, "no default text of at most 32767 bytes");
  }
  // The stored text need not end with a NUL; it ends at the first one or at
  // the bytes read, whichever comes first.
  const std::size_t chars = size / sizeof(wchar_t);
  value = AXOUtf8FromWide(std::wstring(data.data(), wcsnlen(data.data(), chars)));
  return AXOStatus();
}

AXOStatus AXOPlatformBackend::ClassIdFromProgId(const std::string& progId, AXOGuidFields& classId) {
  const std::wstring name = AXOWideFromUtf8(progId);
  CLSID found = {};
  if (progId.empty() || progId.find('\0') != std::string::npos ||
      FAILED(::CLSIDFromProgID(name.c_str(), &found))) {
    return AXOStatus(AXOStatusCode::kNotFound, progId, "no class registered");
  }
  classId.data1 = found.Data1;
  classId.data2 = found.Data2;
  classId.data3 = found.Data3;
  std::memcpy(classId.data4, found.Data4, sizeof classId.data4);
  return AXOStatus();
}
