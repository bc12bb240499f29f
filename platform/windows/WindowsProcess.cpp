// Process, time, memory and diagnostics services of the Windows backend.
#include "WindowsSystem.h"
// After <windows.h>, which it needs.
#include <objbase.h>  // CoCreateGuid

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "../AXOPlatformBackend.h"
#include "WindowsFileOpen.h"
#include "WindowsStatus.h"
#include "WindowsText.h"

AXOPlatform* AXOMakeDefaultPlatform() {
  return new AXOPlatformBackend();
}

AXOStatus AXOPlatformBackend::NewGuid(AXOGuidFields& guid) {
  ::GUID fresh;
  const HRESULT result = ::CoCreateGuid(&fresh);
  if (FAILED(result)) return AXOWindowsResultStatus(result, "a new GUID");
  guid.data1 = fresh.Data1;
  guid.data2 = fresh.Data2;
  guid.data3 = fresh.Data3;
  std::memcpy(guid.data4, fresh.Data4, sizeof guid.data4);
  return AXOStatus();
}

// The C runtime's clock() counts the wall-clock time since the process
// started on Windows (not processor time as on POSIX systems), taken as it
// reports it.
std::int64_t AXOPlatformBackend::ElapsedMilliseconds() {
  return static_cast<std::int64_t>(std::clock()) * 1000 / CLOCKS_PER_SEC;
}

AXOStatus AXOPlatformBackend::QueryMemoryStatus(AXOMemoryStatus& status) {
  MEMORYSTATUSEX memory;
  memory.dwLength = sizeof memory;
  if (!::GlobalMemoryStatusEx(&memory)) {
    return AXOWindowsStatus(::GetLastError(), "the memory status");
  }
  status.totalVirtual = memory.ullTotalVirtual;
  status.availVirtual = memory.ullAvailVirtual;
  return AXOStatus();
}

void AXOPlatformBackend::DebugOutput(const std::string& utf8Text) {
  if (utf8Text.empty()) return;
  const std::wstring wide = AXOWideFromUtf8(utf8Text);
  ::OutputDebugStringW(wide.c_str());
}

std::string AXOPlatformBackend::CommandLine() {
  const wchar_t* line = ::GetCommandLineW();
  return line != nullptr ? AXOUtf8FromWide(line) : std::string();
}

unsigned long AXOPlatformBackend::ProcessId() {
  return ::GetCurrentProcessId();
}

// The name the program was loaded by, then, where the system tells it, the
// name of the file it leads to (links resolved), without the "\\?\" that
// the system puts before it.
AXOStatus AXOPlatformBackend::ExecutablePath(std::string& path) {
  std::wstring loaded(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, &loaded[0], static_cast<DWORD>(loaded.size()));
    if (length == 0) return AXOWindowsStatus(::GetLastError(), "the program's file");
    if (length < loaded.size()) {
      loaded.resize(length);
      break;
    }
    loaded.resize(loaded.size() * 2);  // cut short: try a larger buffer
  }
  AXOWindowsHandle file(::CreateFileW(loaded.c_str(), 0, kAXOShareAll, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  std::wstring resolved = file.valid() ? AXOWindowsFinalPath(file.get()) : std::wstring();
  if (resolved.compare(0, 8, L"\\\\?\\UNC\\") == 0) {
    resolved = L"\\\\" + resolved.substr(8);
  } else if (resolved.compare(0, 4, L"\\\\?\\") == 0) {
    resolved = resolved.substr(4);
  }
  path = AXOUtf8FromWide(resolved.empty() ? loaded : resolved);
  return AXOStatus();
}

// The variable is set both in the C runtime's copy of the environment, which
// getenv() reads, and in the process environment, which GetEnv, the system
// and child processes read. The C runtime has no empty variables (an empty
// value removes the variable there), so only the process environment can
// hold an empty value; it is set last for that reason.
AXOStatus AXOPlatformBackend::SetEnv(const char* name, const char* value) {
  if (name == nullptr || *name == '\0' || std::strchr(name, '=') != nullptr) {
    return AXOStatus(AXOStatusCode::kInvalidArgument, name == nullptr ? "" : name,
                     "not a name of an environment variable");
  }
  const std::wstring wide_name = AXOWideFromUtf8(name);
  const std::wstring wide_value = value != nullptr ? AXOWideFromUtf8(value) : std::wstring();
  if (::_wputenv_s(wide_name.c_str(), wide_value.c_str()) != 0) {
    return AXOStatus(AXOStatusCode::kOther, name, "the C runtime refused the variable");
  }
  const wchar_t* system_value = value != nullptr ? wide_value.c_str() : nullptr;
  if (::SetEnvironmentVariableW(wide_name.c_str(), system_value) != 0) return AXOStatus();
  const DWORD error = ::GetLastError();
  // Removing a variable that was not set is no failure.
  if (value == nullptr && error == ERROR_ENVVAR_NOT_FOUND) return AXOStatus();
  return AXOWindowsStatus(error, name);
}
