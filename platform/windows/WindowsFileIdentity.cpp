// Identities of files, Windows backend.
#include "../AXOPlatformBackend.h"
#include "WindowsFileOpen.h"
#include "WindowsStatus.h"

AXOFileIdentity AXOWindowsFileIdentity(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info;
  FILE_BASIC_INFO times;
  AXOFileIdentity identity;
  if (!::GetFileInformationByHandle(file, &info) ||
      !::GetFileInformationByHandleEx(file, FileBasicInfo, &times, sizeof times)) {
    return identity;
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
  return identity;
}

AXOStatus AXOPlatformBackend::GetFileIdentity(const std::string& path, AXOFileIdentity& identity) {
  std::wstring wide;
  AXOStatus status = AXOWindowsWidePath(path, wide);
  if (!status.ok()) return status;
  // No access to the content: a file another process holds is opened too,
  // and FILE_FLAG_BACKUP_SEMANTICS opens a folder as well.
  AXOWindowsHandle file(::CreateFileW(wide.c_str(), 0, kAXOShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) return AXOWindowsStatus(::GetLastError(), path);
  identity = AXOWindowsFileIdentity(file.get());
  return AXOStatus();
}
