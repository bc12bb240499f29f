// The user's application data folder, Windows backend.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

#include "WindowsPlatform.h"
#include "WindowsText.h"

// %APPDATA%, the roaming application data folder that Windows sets for
// every interactive user.
std::string WindowsPlatform::UserDataFolder() {
  const DWORD size = ::GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
  if (size == 0) return std::string();
  std::wstring folder(size, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", &folder[0], size);
  if (length == 0 || length >= size) return std::string();
  folder.resize(length);
  return AXOUtf8FromWide(folder);
}
