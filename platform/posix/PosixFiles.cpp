// File services of the POSIX backend: status, permissions, folders and
// host path mapping.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "../AXOPlatformBackend.h"
#include "PosixStatus.h"

const char* AXOPlatform::TextLineEnd() {
  return "\n";
}

AXOStatus AXOPlatformBackend::ChangeFileMode(const std::string& path, int mode) {
  AXOStatus status = AXOPosixCheckPath(path);
  if (!status.ok()) return status;
  if (::chmod(path.c_str(), static_cast<mode_t>(mode)) != 0) return AXOPosixStatus(errno, path);
  return AXOStatus();
}

AXOStatus AXOPlatformBackend::GetFileStatus(const std::string& path, AXOFileStatus& status) {
  AXOStatus checked = AXOPosixCheckPath(path);
  if (!checked.ok()) return checked;
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return AXOPosixStatus(errno, path);
  status.kind = S_ISREG(info.st_mode)   ? AXOFileStatus::kRegular
                : S_ISDIR(info.st_mode) ? AXOFileStatus::kDirectory
                                        : AXOFileStatus::kOther;
  status.permissions = static_cast<unsigned>(info.st_mode) & 0777;
  status.size =
      status.kind == AXOFileStatus::kRegular ? static_cast<std::uint64_t>(info.st_size) : 0;
  status.links = static_cast<std::uint64_t>(info.st_nlink);
  status.modified = static_cast<std::int64_t>(info.st_mtime);
  return AXOStatus();
}

namespace {

AXOFileStatus::Kind KindOf(const dirent& entry) {
  switch (entry.d_type) {
    case DT_REG:
      return AXOFileStatus::kRegular;
    case DT_DIR:
      return AXOFileStatus::kDirectory;
    default:
      return AXOFileStatus::kOther;
  }
}

}  // namespace

AXOStatus AXOPlatformBackend::ListFolder(const std::string& path,
                                         std::vector<AXOFolderEntry>& entries) {
  entries.clear();
  AXOStatus status = AXOPosixCheckPath(path);
  if (!status.ok()) return status;
  DIR* folder = ::opendir(path.c_str());
  if (folder == nullptr) return AXOPosixStatus(errno, path);
  // readdir ends with null both at the end and on an error; only an error
  // sets errno.
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(folder);
    if (entry == nullptr) break;
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    entries.push_back(AXOFolderEntry{name, KindOf(*entry)});
  }
  const int error = errno;
  ::closedir(folder);
  if (error != 0) {
    entries.clear();
    return AXOPosixStatus(error, path);
  }
  return AXOStatus();
}

AXOStatus AXOPlatformBackend::CreateFolders(const std::string& path) {
  AXOStatus status = AXOPosixCheckPath(path);
  if (!status.ok()) return status;
  // Each folder from the first one missing down: "a/b/c" tries "a", then
  // "a/b", then "a/b/c".
  for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
    const std::string folder = path.substr(0, end);
    if (!folder.empty() && ::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
      // ENOTDIR: a file stands where a folder on the way should be.
      if (errno == ENOTDIR)
        return AXOStatus(AXOStatusCode::kExists, path, "a file on the way is not a folder");
      return AXOPosixStatus(errno, folder);
    }
    if (end == std::string::npos) break;
  }
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return AXOPosixStatus(errno, path);
  if (!S_ISDIR(info.st_mode)) {
    return AXOStatus(AXOStatusCode::kExists, path, "exists and is not a folder");
  }
  return AXOStatus();
}

AXOStatus AXOPlatformBackend::RenameFile(const std::string& from, const std::string& to) {
  for (const std::string* path : {&from, &to}) {
    AXOStatus status = AXOPosixCheckPath(*path);
    if (!status.ok()) return status;
  }
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return AXOStatus();
  }
  // A file system that cannot rename without replacing: a second name for
  // the file, which is refused when `to` exists, then the first goes.
  if (errno != EINVAL && errno != ENOSYS) return AXOPosixStatus(errno, errno == EEXIST ? to : from);
  if (::link(from.c_str(), to.c_str()) != 0)
    return AXOPosixStatus(errno, errno == EEXIST ? to : from);
  if (::unlink(from.c_str()) != 0) {
    const int error = errno;
    ::unlink(to.c_str());
    return AXOPosixStatus(error, from);
  }
  return AXOStatus();
}

void AXOPlatformBackend::SetDriveRoot(const std::string& nativeFolder) {
  drive_root_ = nativeFolder;
}

namespace {

// The folder for drive letters when none was set: the variable
// AXO_DRIVE_ROOT, else "axo-drives" in the user's own data folder, so that
// what the library writes to "c:\..." lands where only the user can put
// files or links (never a shared folder such as /tmp). Empty when the
// system names no user data folder.
std::string DefaultDriveRoot(AXOPlatform& platform) {
  const char* env = std::getenv("AXO_DRIVE_ROOT");
  if (env != nullptr && *env != '\0') return env;
  std::string user_data;
  return platform.UserDataFolder(user_data).ok() ? user_data + "/axo-drives" : std::string();
}

}  // namespace

// Host paths use "\" and may start with a drive letter. The mapping:
//   "a\b\c.txt"        => "a/b/c.txt"
//   "\a\b"             => "/a/b"
//   "c:\x\y"           => "<drive root>/c/x/y"   (letter in lower case)
//   "\\server\share\f" => "//server/share/f"
// The drive root is the folder given to SetDriveRoot, else the value of the
// variable AXO_DRIVE_ROOT, else "<user data folder>/axo-drives"; with none
// of them a path with a drive letter maps to the empty path.
std::string AXOPlatformBackend::NativePath(const std::string& hostPath) {
  std::string rest = hostPath;
  std::string prefix;
  if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
    std::string root = drive_root_.empty() ? DefaultDriveRoot(*this) : drive_root_;
    if (root.empty()) return std::string();
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    prefix = root + "/" + static_cast<char>(std::tolower(static_cast<unsigned char>(rest[0])));
    rest = rest.substr(2);
    if (!rest.empty() && rest[0] != '\\' && rest[0] != '/') prefix += '/';
  }
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  return prefix + rest;
}
