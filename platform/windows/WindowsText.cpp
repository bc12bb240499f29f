// UTF-8 <-> UTF-16 conversion with the system's code-page functions.
#include "WindowsSystem.h"

#include <climits>

#include "WindowsText.h"

std::wstring AXOWideFromUtf8(const std::string& utf8) {
  if (utf8.empty() || utf8.size() > static_cast<size_t>(INT_MAX)) return std::wstring();
  const int in_size = static_cast<int>(utf8.size());
  // The first call measures, the second converts; with an explicit length
  // no terminating NUL is counted or written.
  const int wide_size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), in_size, nullptr, 0);
  if (wide_size <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(wide_size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), in_size, &wide[0], wide_size);
  return wide;
}

std::string AXOUtf8FromWide(const std::wstring& wide) {
  if (wide.empty() || wide.size() > static_cast<size_t>(INT_MAX)) return std::string();
  const int in_size = static_cast<int>(wide.size());
  const int utf8_size =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), in_size, nullptr, 0, nullptr, nullptr);
  if (utf8_size <= 0) return std::string();
  std::string utf8(static_cast<size_t>(utf8_size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), in_size, &utf8[0], utf8_size, nullptr, nullptr);
  return utf8;
}
