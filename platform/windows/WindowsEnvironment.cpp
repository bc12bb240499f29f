// Environment services of the Windows backend (SetEnv lives with the process
// services). Reads the process environment block, which SetEnv updates.
#include "WindowsSystem.h"

#include "../AXOPlatformBackend.h"
#include "WindowsStatus.h"
#include "WindowsText.h"

AXOStatus AXOPlatformBackend::GetEnv(const char* name, std::string& value) {
  if (name == nullptr || *name == '\0') {
    return AXOStatus(AXOStatusCode::kInvalidArgument, "", "no name of an environment variable");
  }
  const std::wstring wide_name = AXOWideFromUtf8(name);
  std::wstring buffer(256, L'\0');
  for (;;) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length =
        ::GetEnvironmentVariableW(wide_name.c_str(), &buffer[0], static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      // 0 is also the length of a variable set to the empty text.
      const DWORD error = ::GetLastError();
      if (error == ERROR_ENVVAR_NOT_FOUND) {
        return AXOStatus(AXOStatusCode::kNotFound, name, "not set");
      }
      if (error != ERROR_SUCCESS) return AXOWindowsStatus(error, name);
      value.clear();
      return AXOStatus();
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      value = AXOUtf8FromWide(buffer);
      return AXOStatus();
    }
    buffer.resize(length);  // too small: `length` counts the terminating NUL
  }
}
