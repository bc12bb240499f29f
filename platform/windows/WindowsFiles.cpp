// File services of the Windows backend: permissions and host paths.
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

// Host paths are Windows paths: drive letters, "\" and UNC names are the
// system's own, so the path is used as it stands.
std::string WindowsPlatform::NativePath(const std::string& hostPath) {
  return hostPath;
}

// Drive letters are real on Windows; there is nothing to stand in for them.
void WindowsPlatform::SetDriveRoot(const std::string&) {}
