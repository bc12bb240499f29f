// Reading regular files, Windows backend.
#include "../AXOLimitedRead.h"
#include "../AXOPlatformBackend.h"
#include "WindowsFileOpen.h"
#include "WindowsStatus.h"

namespace {

// The most one ReadFile call is asked for; its count is a DWORD.
constexpr std::size_t kMostPerCall = 0x40000000;

}  // namespace

AXOStatus AXOWindowsCheckRegular(HANDLE file, const std::string& subject) {
  switch (::GetFileType(file)) {
    case FILE_TYPE_DISK:
      break;
    case FILE_TYPE_CHAR:  // "CON", "NUL", "COM1", a printer
      return AXOWindowsNotRegularStatus(AXOWindowsNotRegular::kDevice, subject);
    case FILE_TYPE_PIPE:  // a named or anonymous pipe, a socket
      return AXOWindowsNotRegularStatus(AXOWindowsNotRegular::kPipe, subject);
    default:
      // FILE_TYPE_UNKNOWN: no file on a disk either, such as "CON" where
      // the process has no console.
      return AXOWindowsNotRegularStatus(AXOWindowsNotRegular::kDevice, subject);
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(file, &info)) {
    return AXOWindowsStatus(::GetLastError(), subject);
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return AXOWindowsNotRegularStatus(AXOWindowsNotRegular::kFolder, subject);
  }
  return AXOStatus();
}

AXOStatus AXOWindowsOpenRegularFile(const std::wstring& path, const std::string& subject,
                                    DWORD access, AXOWindowsHandle& file) {
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder is not opened at all, and
  // the opening of a pipe never waits for an instance of it to be free.
  file.reset(::CreateFileW(path.c_str(), access, kAXOShareAll, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_PIPE_BUSY) {
      return AXOWindowsNotRegularStatus(AXOWindowsNotRegular::kPipe, subject);
    }
    // A folder refuses the opening as if the user had no right to it; only
    // the reason is taken from its attributes, nothing is read.
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return AXOWindowsNotRegularStatus(AXOWindowsNotRegular::kFolder, subject);
    }
    return AXOWindowsStatus(error, subject);
  }
  AXOStatus status = AXOWindowsCheckRegular(file.get(), subject);
  if (!status.ok()) file.reset();
  return status;
}

std::wstring AXOWindowsFinalPath(HANDLE file) {
  std::wstring path(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    const DWORD length = ::GetFinalPathNameByHandleW(
        file, &path[0], static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);  // too small: `length` counts the terminating NUL
  }
  ::SetLastError(ERROR_INSUFFICIENT_BUFFER);  // the path grew between the calls
  return std::wstring();
}

AXOStatus AXOWindowsReadOpenFile(HANDLE file, const AXOReadLimits& limits,
                                 const std::string& subject, std::string& bytes) {
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file, &size)) return AXOWindowsStatus(::GetLastError(), subject);
  return AXOReadWithinLimits(
      static_cast<std::uint64_t>(size.QuadPart), limits, subject,
      [file, &subject](char* buffer, std::size_t want, std::size_t& got) {
        DWORD read = 0;
        if (!::ReadFile(file, buffer, static_cast<DWORD>(want < kMostPerCall ? want : kMostPerCall),
                        &read, nullptr)) {
          return AXOWindowsStatus(::GetLastError(), subject);
        }
        got = read;
        return AXOStatus();
      },
      bytes);
}

AXOStatus AXOPlatformBackend::ReadFile(const std::string& path, const AXOReadLimits& limits,
                                       AXOFileContents& contents) {
  std::wstring wide;
  AXOStatus status = AXOWindowsWidePath(path, wide);
  if (!status.ok()) return status;
  AXOWindowsHandle file;
  status = AXOWindowsOpenRegularFile(wide, path, GENERIC_READ, file);
  if (!status.ok()) return status;
  const AXOFileIdentity before = AXOWindowsFileIdentity(file.get());
  status = AXOWindowsReadOpenFile(file.get(), limits, path, contents.bytes);
  if (!status.ok()) return status;
  // Known only when all of the file was read and nothing changed it while
  // it was.
  const AXOFileIdentity after = AXOWindowsFileIdentity(file.get());
  contents.identity = contents.bytes.size() == after.size && AXOFileUnchanged(before, after)
                          ? after
                          : AXOFileIdentity();
  return AXOStatus();
}
