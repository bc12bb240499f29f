// Writing the classes root of the registry, for tests, Windows.
#include "../WindowsSystem.h"

#include "../WindowsStatus.h"
#include "../WindowsText.h"
#include "AXOPlatformTestingBackend.h"

namespace {

// The two views of the registry that a 64-bit process can address.
const REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

}  // namespace

// Written to both views, so that readers of either (the class lookup reads
// the 64-bit one) find the key.
AXOStatus AXOPlatformTestingBackend::WriteClassesRootKey(const std::string& subKey,
                                                         const char* defaultValue) {
  if (subKey.empty()) return AXOStatus(AXOStatusCode::kInvalidArgument, "", "no key named");
  const std::wstring name = AXOWideFromUtf8(subKey);
  const std::wstring text = defaultValue != nullptr ? AXOWideFromUtf8(defaultValue) : L"";
  for (REGSAM view : kViews) {
    HKEY key = nullptr;
    LONG status = ::RegCreateKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, nullptr, 0,
                                    KEY_SET_VALUE | view, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return AXOWindowsStatus(static_cast<DWORD>(status), subKey);
    if (defaultValue != nullptr) {
      const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
      status = ::RegSetValueExW(key, nullptr, 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    }
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS) return AXOWindowsStatus(static_cast<DWORD>(status), subKey);
  }
  return AXOStatus();
}

AXOStatus AXOPlatformTestingBackend::DeleteClassesRootTree(const std::string& subKey) {
  if (subKey.empty()) return AXOStatus(AXOStatusCode::kInvalidArgument, "", "no key named");
  const std::wstring name = AXOWideFromUtf8(subKey);
  for (REGSAM view : kViews) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_ALL_ACCESS | view, &key) ==
        ERROR_SUCCESS) {
      ::RegDeleteTreeW(key, nullptr);  // what lies below; the key itself next
      ::RegCloseKey(key);
      ::RegDeleteKeyExW(HKEY_CLASSES_ROOT, name.c_str(), view, 0);
    }
    const LONG status =
        ::RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_QUERY_VALUE | view, &key);
    if (status == ERROR_SUCCESS) {
      ::RegCloseKey(key);
      return AXOStatus(AXOStatusCode::kPermissionDenied, subKey, "cannot be removed");
    }
    if (status != ERROR_FILE_NOT_FOUND) return AXOWindowsStatus(static_cast<DWORD>(status), subKey);
  }
  return AXOStatus();
}
