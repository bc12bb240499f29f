// File services of the Windows backend: status, permissions and host paths.
#include <io.h>
#include <sys/stat.h>

#include "WindowsPlatform.h"
#include "WindowsText.h"

// Windows keeps only the owner's write bit: without _S_IWRITE the file
// becomes read-only. Other bits mean nothing to _wchmod and are dropped.
int WindowsPlatform::ChangeFileMode(const std::string& path, int mode) {
  if (path.empty()) return -1;
  const std::wstring wide_path = AXOWideFromUtf8(path);
  return ::_wchmod(wide_path.c_str(), mode & (_S_IREAD | _S_IWRITE)) == 0 ? 0 : -1;
}

// The C runtime's status of a file: one query of the system.
bool WindowsPlatform::GetFileStatus(const std::string& path, AXOFileStatus& status) {
  if (path.empty()) return false;
  struct _stat64 info;
  if (::_wstat64(AXOWideFromUtf8(path).c_str(), &info) != 0) return false;
  status.kind = (info.st_mode & _S_IFMT) == _S_IFREG   ? AXOFileStatus::kRegular
                : (info.st_mode & _S_IFMT) == _S_IFDIR ? AXOFileStatus::kDirectory
                                                       : AXOFileStatus::kOther;
  status.permissions = static_cast<unsigned>(info.st_mode) & 0777;
  status.size =
      status.kind == AXOFileStatus::kRegular ? static_cast<std::uint64_t>(info.st_size) : 0;
  status.links = 1;
  status.modified = static_cast<std::int64_t>(info.st_mtime);
  return true;
}

// Host paths are Windows paths: drive letters, "\" and UNC names are the
// system's own, so the path is used as it stands.
std::string WindowsPlatform::NativePath(const std::string& hostPath) {
  return hostPath;
}

// Drive letters are real on Windows; there is nothing to stand in for them.
void WindowsPlatform::SetDriveRoot(const std::string&) {}
