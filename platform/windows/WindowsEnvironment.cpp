// Environment services of the Windows backend (SetEnv lives with the process
// services). Reads the process environment block, which SetEnv updates.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "WindowsPlatform.h"
#include "WindowsText.h"

bool WindowsPlatform::GetEnv(const char* name, std::string& value) {
  if (name == nullptr || *name == '\0') return false;
  const std::wstring wide_name = AXOWideFromUtf8(name);
  std::wstring buffer(256, L'\0');
  for (;;) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length =
        ::GetEnvironmentVariableW(wide_name.c_str(), &buffer[0], static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      // 0 is also the length of a variable set to the empty text.
      if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return false;
      value.clear();
      return true;
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      value = AXOUtf8FromWide(buffer);
      return true;
    }
    buffer.resize(length);  // too small: `length` counts the terminating NUL
  }
}
