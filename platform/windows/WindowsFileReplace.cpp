// Atomic replacement of a file's contents, Windows backend.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

#include "WindowsPlatform.h"
#include "WindowsText.h"

namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const std::size_t left = bytes.size() - written;
    const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD done = 0;
    if (!::WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
      return false;
    }
    written += done;
  }
  return true;
}

}  // namespace

unsigned long WindowsPlatform::ProcessId() {
  return ::GetCurrentProcessId();
}

bool WindowsPlatform::ReplaceFileAtomically(const std::string& path, const std::string& contents) {
  if (path.empty()) return false;
  const std::wstring target = AXOWideFromUtf8(path);
  const std::wstring temp = target + L"." + std::to_wstring(ProcessId()) + L".tmp";
  HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;  // what is in its place is not ours
  bool ok = WriteAll(file, contents) && ::FlushFileBuffers(file) != 0;
  ok = ::CloseHandle(file) != 0 && ok;
  // MOVEFILE_REPLACE_EXISTING: rename over the old file in one step.
  ok = ok && ::MoveFileExW(temp.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) ::DeleteFileW(temp.c_str());
  return ok;
}
