// The registry and class lookups of the Windows backend.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After <windows.h>, which it needs.
#include <objbase.h>  // CLSIDFromProgID

#include <cstring>
#include <vector>

#include "WindowsPlatform.h"
#include "WindowsText.h"

namespace {

// The longest default value read, in bytes.
constexpr DWORD kMaxValueBytes = 32767;

// The two views of the registry that a 64-bit process can address.
const REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

}  // namespace

AXORegistryRead WindowsPlatform::ReadClassesRootDefaultValue(const std::string& subKey,
                                                             std::string& value) {
  const std::wstring name = AXOWideFromUtf8(subKey);
  HKEY key = nullptr;
  // Query access in the 32-bit view (0x201), where 32-bit applications
  // register their classes.
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                      &key) != ERROR_SUCCESS) {
    return AXORegistryRead::kNoKey;
  }
  // One wide character more than the bytes read, so the text always ends.
  std::vector<wchar_t> data(kMaxValueBytes / sizeof(wchar_t) + 1, L'\0');
  DWORD type = 0;
  DWORD size = kMaxValueBytes;
  const LONG status =
      ::RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  ::RegCloseKey(key);
  if (status != ERROR_SUCCESS || size < 1 || type != REG_SZ) return AXORegistryRead::kNoValue;
  // The stored text need not end with a NUL; it ends at the first one or at
  // the bytes read, whichever comes first.
  const std::size_t chars = size / sizeof(wchar_t);
  value = AXOUtf8FromWide(std::wstring(data.data(), wcsnlen(data.data(), chars)));
  return AXORegistryRead::kValue;
}

bool WindowsPlatform::ClassIdFromProgId(const std::string& progId, AXOGuidFields& classId) {
  const std::wstring name = AXOWideFromUtf8(progId);
  CLSID found = {};
  if (FAILED(::CLSIDFromProgID(name.c_str(), &found))) return false;
  classId.data1 = found.Data1;
  classId.data2 = found.Data2;
  classId.data3 = found.Data3;
  std::memcpy(classId.data4, found.Data4, sizeof classId.data4);
  return true;
}

// Written to both views, so that readers of either (the class lookup reads
// the 64-bit one) find the key.
bool WindowsPlatform::WriteClassesRootKeyForTesting(const std::string& subKey,
                                                    const char* defaultValue) {
  if (subKey.empty()) return false;
  const std::wstring name = AXOWideFromUtf8(subKey);
  const std::wstring text = defaultValue != nullptr ? AXOWideFromUtf8(defaultValue) : L"";
  for (REGSAM view : kViews) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view,
                          nullptr, &key, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    LONG status = ERROR_SUCCESS;
    if (defaultValue != nullptr) {
      const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
      status = ::RegSetValueExW(key, nullptr, 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    }
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS) return false;
  }
  return true;
}

bool WindowsPlatform::DeleteClassesRootTreeForTesting(const std::string& subKey) {
  if (subKey.empty()) return false;
  const std::wstring name = AXOWideFromUtf8(subKey);
  bool gone = true;
  for (REGSAM view : kViews) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_ALL_ACCESS | view, &key) ==
        ERROR_SUCCESS) {
      ::RegDeleteTreeW(key, nullptr);  // what lies below; the key itself next
      ::RegCloseKey(key);
      ::RegDeleteKeyExW(HKEY_CLASSES_ROOT, name.c_str(), view, 0);
    }
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_QUERY_VALUE | view, &key) ==
        ERROR_SUCCESS) {
      ::RegCloseKey(key);
      gone = false;
    }
  }
  return gone;
}
