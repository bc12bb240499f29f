// Identities of files, Windows backend.
#include "WindowsFileOpen.h"
#include "WindowsPlatform.h"
#include "WindowsText.h"

bool AXOWindowsFileIdentity(HANDLE file, AXOFileIdentity& identity) {
  BY_HANDLE_FILE_INFORMATION info;
  FILE_BASIC_INFO times;
  if (!::GetFileInformationByHandle(file, &info) ||
      !::GetFileInformationByHandleEx(file, FileBasicInfo, &times, sizeof times)) {
    return false;
  }
  identity.volume = info.dwVolumeSerialNumber;
  identity.file = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  identity.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  // 100 ns steps since 1601; FAT keeps whole (even) seconds of the last
  // write and no change time at all.
  identity.modified = times.LastWriteTime.QuadPart;
  identity.changed = times.ChangeTime.QuadPart;
  constexpr std::int64_t kStepsPerSecond = 10000000;
  const bool fine_times =
      identity.modified % kStepsPerSecond != 0 || identity.changed % kStepsPerSecond != 0;
  identity.known =
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && identity.file != 0 && fine_times;
  return true;
}

bool WindowsPlatform::GetFileIdentity(const std::string& path, AXOFileIdentity& identity) {
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  // Only the attributes are asked for, shared with everyone, so that no
  // other process's replacement of the file waits for this handle.
  AXOFileOpen status;
  const HANDLE file =
      AXOWindowsOpenRegularFile(AXOWideFromUtf8(path), FILE_READ_ATTRIBUTES, status);
  if (file == INVALID_HANDLE_VALUE) return false;
  AXOFileIdentity found;
  const bool ok = AXOWindowsFileIdentity(file, found);
  ::CloseHandle(file);
  if (ok) identity = found;
  return ok;
}
