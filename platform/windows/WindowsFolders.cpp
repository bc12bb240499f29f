// The folders the Windows backend names: the current one, the user's data
// folder and the one for temporary files.
#include "WindowsSystem.h"

#include <string>

#include "../AXOPlatformBackend.h"
#include "WindowsStatus.h"
#include "WindowsText.h"

namespace {

// What `fill(buffer, size)` writes, for the system's calls that return the
// length written, or the size needed (terminating NUL included) when the
// buffer is too small, or 0 on failure.
template <typename Fill>
bool FillText(Fill fill, std::wstring& text) {
  text.assign(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = fill(&text[0], static_cast<DWORD>(text.size()));
    if (length == 0) return false;
    if (length < text.size()) {
      text.resize(length);
      return true;
    }
    text.resize(length);
  }
}

}  // namespace

AXOStatus AXOPlatformBackend::CurrentFolder(std::string& folder) {
  std::wstring wide;
  if (!FillText([](wchar_t* buffer, DWORD size) { return ::GetCurrentDirectoryW(size, buffer); },
                wide)) {
    return AXOWindowsStatus(::GetLastError(), "the current folder");
  }
  folder = AXOUtf8FromWide(wide);
  return AXOStatus();
}

// %APPDATA%, the roaming application data folder that Windows sets for
// every interactive user.
AXOStatus AXOPlatformBackend::UserDataFolder(std::string& folder) {
  std::wstring wide;
  if (!FillText([](wchar_t* buffer,
                   DWORD size) { return ::GetEnvironmentVariableW(L"APPDATA", buffer, size); },
                wide) ||
      wide.empty()) {
    return AXOStatus(AXOStatusCode::kNotFound, "the user's data folder", "APPDATA is not set");
  }
  folder = AXOUtf8FromWide(wide);
  return AXOStatus();
}

// The system's choice: %TMP%, else %TEMP%, else %USERPROFILE%, else the
// Windows folder; without the separator it ends with, unless that is the
// root of a drive ("C:\").
std::string AXOPlatformBackend::TemporaryFolder() {
  std::wstring wide;
  if (!FillText([](wchar_t* buffer, DWORD size) { return ::GetTempPathW(size, buffer); }, wide)) {
    return "C:\\Windows\\Temp";
  }
  if (wide.size() > 3 && (wide.back() == L'\\' || wide.back() == L'/')) wide.pop_back();
  return AXOUtf8FromWide(wide);
}
