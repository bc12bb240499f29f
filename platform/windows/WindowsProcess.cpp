// Process, time, memory and diagnostics services of the Windows backend.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <objbase.h>  // CoCreateGuid
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "WindowsPlatform.h"
#include "WindowsText.h"

AXOPlatform* AXOMakeDefaultPlatform() {
  return new WindowsPlatform();
}

bool WindowsPlatform::NewGuid(AXOGuidFields& guid) {
  ::GUID fresh;
  if (FAILED(::CoCreateGuid(&fresh))) return false;
  guid.data1 = fresh.Data1;
  guid.data2 = fresh.Data2;
  guid.data3 = fresh.Data3;
  std::memcpy(guid.data4, fresh.Data4, sizeof guid.data4);
  return true;
}

// The C runtime's clock() counts the wall-clock time since the process
// started on Windows (not processor time as on POSIX systems), taken as it
// reports it.
std::int64_t WindowsPlatform::ElapsedMilliseconds() {
  return static_cast<std::int64_t>(std::clock()) * 1000 / CLOCKS_PER_SEC;
}

bool WindowsPlatform::QueryMemoryStatus(AXOMemoryStatus& status) {
  MEMORYSTATUS memory;
  memory.dwLength = sizeof memory;
  ::GlobalMemoryStatus(&memory);
  status.totalVirtual = memory.dwTotalVirtual;
  status.availVirtual = memory.dwAvailVirtual;
  return true;
}

void WindowsPlatform::DebugOutput(const std::string& utf8Text) {
  if (utf8Text.empty()) return;
  const std::wstring wide = AXOWideFromUtf8(utf8Text);
  ::OutputDebugStringW(wide.c_str());
}

std::string WindowsPlatform::CommandLine() {
  const wchar_t* line = ::GetCommandLineW();
  return line != nullptr ? AXOUtf8FromWide(line) : std::string();
}

// The variable is set both in the C runtime's copy of the environment, which
// getenv() reads, and in the process environment, which GetEnv, the system
// and child processes read. The C runtime has no empty variables (an empty
// value removes the variable there), so only the process environment can
// hold an empty value; it is set last for that reason.
bool WindowsPlatform::SetEnv(const char* name, const char* value) {
  if (name == nullptr || *name == '\0' || std::strchr(name, '=') != nullptr) return false;
  const std::wstring wide_name = AXOWideFromUtf8(name);
  const std::wstring wide_value = value != nullptr ? AXOWideFromUtf8(value) : std::wstring();
  if (::_wputenv_s(wide_name.c_str(), wide_value.c_str()) != 0) return false;
  const wchar_t* system_value = value != nullptr ? wide_value.c_str() : nullptr;
  if (::SetEnvironmentVariableW(wide_name.c_str(), system_value) != 0) return true;
  return value == nullptr;  // removing a variable that was not set is no failure
}
