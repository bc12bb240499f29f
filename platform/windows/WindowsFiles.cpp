// File services of the Windows backend: status, permissions and host paths.
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cstdint>

#include "WindowsPlatform.h"
#include "WindowsText.h"

const char* AXOPlatform::TextLineEnd() {
  return "\r\n";
}

// Windows keeps only the owner's write bit: without _S_IWRITE the file
// becomes read-only. Other bits mean nothing to _wchmod and are dropped.
int WindowsPlatform::ChangeFileMode(const std::string& path, int mode) {
  if (path.empty()) return -1;
  const std::wstring wide_path = AXOWideFromUtf8(path);
  return ::_wchmod(wide_path.c_str(), mode & (_S_IREAD | _S_IWRITE)) == 0 ? 0 : -1;
}

// One query of the file's attributes. Unlike the C runtime's stat, it also
// answers for a folder named with a trailing separator ("C:\Data\").
bool WindowsPlatform::GetFileStatus(const std::string& path, AXOFileStatus& status) {
  if (path.empty()) return false;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExW(AXOWideFromUtf8(path).c_str(), GetFileExInfoStandard, &data)) {
    return false;
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
  return true;
}

namespace {

AXOFileStatus::Kind KindOf(const WIN32_FIND_DATAW& entry) {
  // A reparse point (a symbolic link, a junction) is what its target is.
  if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return AXOFileStatus::kOther;
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? AXOFileStatus::kDirectory
                                                                  : AXOFileStatus::kRegular;
}

// Lists `path` into `names`, and the kinds into `kinds` when given.
bool List(const std::string& path, std::vector<std::string>& names,
          std::vector<AXOFileStatus::Kind>* kinds) {
  names.clear();
  if (kinds != nullptr) kinds->clear();
  if (path.empty()) return false;
  std::wstring pattern = AXOWideFromUtf8(path);
  if (pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW data;
  const HANDLE search =
      ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                         FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) {
    // Only a drive's root has no "." and "..": nothing found there is an
    // empty folder.
    return ::GetLastError() == ERROR_FILE_NOT_FOUND;
  }
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    names.push_back(AXOUtf8FromWide(name));
    if (kinds != nullptr) kinds->push_back(KindOf(data));
  } while (::FindNextFileW(search, &data));
  const bool complete = ::GetLastError() == ERROR_NO_MORE_FILES;
  ::FindClose(search);
  if (!complete) {
    names.clear();
    if (kinds != nullptr) kinds->clear();
  }
  return complete;
}

}  // namespace

bool WindowsPlatform::ListFolder(const std::string& path, std::vector<std::string>& names) {
  return List(path, names, nullptr);
}

bool WindowsPlatform::ListFolderKinds(const std::string& path, std::vector<std::string>& names,
                                      std::vector<AXOFileStatus::Kind>& kinds) {
  return List(path, names, &kinds);
}

// Host paths are Windows paths: drive letters, "\" and UNC names are the
// system's own, so the path is used as it stands.
std::string WindowsPlatform::NativePath(const std::string& hostPath) {
  return hostPath;
}

// Drive letters are real on Windows; there is nothing to stand in for them.
void WindowsPlatform::SetDriveRoot(const std::string&) {}
