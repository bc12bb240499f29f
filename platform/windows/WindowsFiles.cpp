// File services of the Windows backend: status, permissions, folders and
// host paths.
#include <cstdint>

#include "../AXOPlatformBackend.h"
#include "WindowsStatus.h"
#include "WindowsText.h"

const char* AXOPlatform::TextLineEnd() {
  return "\r\n";
}

// Windows keeps only the owner's write bit, as the read-only attribute:
// without 0200 the file becomes read-only. Other bits mean nothing here and
// are dropped.
AXOStatus AXOPlatformBackend::ChangeFileMode(const std::string& path, int mode) {
  std::wstring wide;
  AXOStatus status = AXOWindowsWidePath(path, wide);
  if (!status.ok()) return status;
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return AXOWindowsStatus(::GetLastError(), path);
  DWORD changed = (mode & 0200) != 0 ? attributes & ~DWORD{FILE_ATTRIBUTE_READONLY}
                                     : attributes | FILE_ATTRIBUTE_READONLY;
  // An attribute word of none but FILE_ATTRIBUTE_NORMAL means no attribute;
  // it may not be combined with others.
  if (changed == 0) changed = FILE_ATTRIBUTE_NORMAL;
  if (changed != FILE_ATTRIBUTE_NORMAL) changed &= ~DWORD{FILE_ATTRIBUTE_NORMAL};
  if (changed != attributes && !::SetFileAttributesW(wide.c_str(), changed)) {
    return AXOWindowsStatus(::GetLastError(), path);
  }
  return AXOStatus();
}

// One query of the file's attributes. Unlike the C runtime's stat, it also
// answers for a folder named with a trailing separator ("C:\Data\").
AXOStatus AXOPlatformBackend::GetFileStatus(const std::string& path, AXOFileStatus& status) {
  std::wstring wide;
  AXOStatus checked = AXOWindowsWidePath(path, wide);
  if (!checked.ok()) return checked;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) {
    return AXOWindowsStatus(::GetLastError(), path);
  }
  const bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const bool device = (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) != 0;
  status.kind = folder   ? AXOFileStatus::kDirectory
                : device ? AXOFileStatus::kOther
                         : AXOFileStatus::kRegular;
  status.permissions = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0 ? 0444 : 0666;
  if (folder) status.permissions |= 0111;
  status.size = status.kind == AXOFileStatus::kRegular
                    ? (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow
                    : 0;
  status.links = 1;
  // FILETIME counts 100 ns steps since 1601-01-01 UTC.
  const std::uint64_t ticks = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                              data.ftLastWriteTime.dwLowDateTime;
  constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
  status.modified = static_cast<std::int64_t>(ticks / 10000000) - kSecondsFrom1601To1970;
  return AXOStatus();
}

namespace {

AXOFileStatus::Kind KindOf(const WIN32_FIND_DATAW& entry) {
  // A reparse point (a symbolic link, a junction) is what its target is.
  if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return AXOFileStatus::kOther;
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? AXOFileStatus::kDirectory
                                                                  : AXOFileStatus::kRegular;
}

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

// The length of the root of `path` that no folder can be created for:
//   "C:\a\b"            => 3  ("C:\")
//   "\\server\share\a"  => 15 ("\\server\share\")
//   "\\?\C:\a"          => 7  ("\\?\C:\")
//   "\a"                => 1
//   "a\b"               => 0
std::size_t RootLength(const std::wstring& path) {
  const bool verbatim = path.compare(0, 4, L"\\\\?\\") == 0;
  std::size_t server = std::wstring::npos;  // where the name of a server starts
  if (verbatim && path.compare(4, 4, L"UNC\\") == 0) {
    server = 8;
  } else if (!verbatim && path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    server = 2;
  }
  if (server != std::wstring::npos) {
    // The server's name and the share's, each with the separator after it.
    std::size_t at = server;
    for (int part = 0; part < 2 && at < path.size(); ++part) {
      while (at < path.size() && !IsSeparator(path[at])) ++at;
      ++at;
    }
    return at < path.size() ? at : path.size();
  }
  const std::size_t at = verbatim ? 4 : 0;
  if (path.size() >= at + 2 && path[at + 1] == L':') {
    return at + (path.size() > at + 2 && IsSeparator(path[at + 2]) ? 3 : 2);
  }
  return at + (path.size() > at && IsSeparator(path[at]) ? 1 : 0);
}

}  // namespace

AXOStatus AXOPlatformBackend::ListFolder(const std::string& path,
                                         std::vector<AXOFolderEntry>& entries) {
  entries.clear();
  std::wstring pattern;
  AXOStatus status = AXOWindowsWidePath(path, pattern);
  if (!status.ok()) return status;
  if (!IsSeparator(pattern.back())) pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW data;
  const HANDLE search =
      ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                         FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) {
    // Only a drive's root has no "." and "..": nothing found there is an
    // empty folder.
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? AXOStatus() : AXOWindowsStatus(error, path);
  }
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back(AXOFolderEntry{AXOUtf8FromWide(name), KindOf(data)});
  } while (::FindNextFileW(search, &data));
  const DWORD error = ::GetLastError();
  ::FindClose(search);
  if (error != ERROR_NO_MORE_FILES) {
    entries.clear();
    return AXOWindowsStatus(error, path);
  }
  return AXOStatus();
}

AXOStatus AXOPlatformBackend::CreateFolders(const std::string& path) {
  std::wstring wide;
  AXOStatus status = AXOWindowsWidePath(path, wide);
  if (!status.ok()) return status;
  // Each folder from the first one missing down: "C:\a\b" tries "C:\a",
  // then "C:\a\b".
  const std::size_t root = RootLength(wide);
  for (std::size_t end = root;; ++end) {
    if (end != wide.size() && !IsSeparator(wide[end])) continue;
    const std::wstring folder = wide.substr(0, end);
    if (end > root && !IsSeparator(folder.back()) && !::CreateDirectoryW(folder.c_str(), nullptr)) {
      const DWORD error = ::GetLastError();
      if (error != ERROR_ALREADY_EXISTS) return AXOWindowsStatus(error, AXOUtf8FromWide(folder));
      const DWORD attributes = ::GetFileAttributesW(folder.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return AXOStatus(AXOStatusCode::kExists, path,
                         end == wide.size() ? "exists and is not a folder"
                                            : "a file on the way is not a folder");
      }
    }
    if (end == wide.size()) break;
  }
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return AXOWindowsStatus(::GetLastError(), path);
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return AXOStatus(AXOStatusCode::kExists, path, "exists and is not a folder");
  }
  return AXOStatus();
}

// Without MOVEFILE_REPLACE_EXISTING the rename itself refuses a name that
// is taken.
AXOStatus AXOPlatformBackend::RenameFile(const std::string& from, const std::string& to) {
  std::wstring wide_from;
  std::wstring wide_to;
  AXOStatus status = AXOWindowsWidePath(from, wide_from);
  if (status.ok()) status = AXOWindowsWidePath(to, wide_to);
  if (!status.ok()) return status;
  if (::MoveFileExW(wide_from.c_str(), wide_to.c_str(), 0)) return AXOStatus();
  const DWORD error = ::GetLastError();
  const bool taken = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
  return AXOWindowsStatus(error, taken ? to : from);
}

// Host paths are Windows paths: drive letters, "\" and UNC names are the
// system's own, so the path is used as it stands.
std::string AXOPlatformBackend::NativePath(const std::string& hostPath) {
  return hostPath;
}

// Drive letters are real on Windows; there is nothing to stand in for them.
void AXOPlatformBackend::SetDriveRoot(const std::string&) {}
