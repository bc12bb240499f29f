// Reading a whole regular file, Windows backend.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

#include "WindowsPlatform.h"
#include "WindowsText.h"

AXOFileRead WindowsPlatform::ReadRegularFile(const std::string& path, std::int64_t maxBytes,
                                             std::string& bytes, std::int64_t* size) {
  if (path.empty()) return AXOFileRead::kNotRegular;
  // A directory cannot be opened without FILE_FLAG_BACKUP_SEMANTICS.
  const HANDLE file = ::CreateFileW(AXOWideFromUtf8(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return AXOFileRead::kNotRegular;
  AXOFileRead result = AXOFileRead::kNotRegular;
  LARGE_INTEGER length;
  if (::GetFileType(file) == FILE_TYPE_DISK && ::GetFileSizeEx(file, &length)) {
    if (size != nullptr) *size = length.QuadPart;
    result = AXOFileRead::kTooLarge;
    if (length.QuadPart <= maxBytes) {
      std::string content(static_cast<std::size_t>(length.QuadPart), '\0');
      std::size_t done = 0;
      while (done < content.size()) {
        const std::size_t left = content.size() - done;
        const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD got = 0;
        if (!::ReadFile(file, &content[done], chunk, &got, nullptr) || got == 0) break;
        done += got;
      }
      result = done == content.size() ? AXOFileRead::kRead : AXOFileRead::kFailed;
      if (result == AXOFileRead::kRead) bytes.swap(content);
    }
  }
  ::CloseHandle(file);
  return result;
}
