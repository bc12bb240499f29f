// File services of the POSIX backend: status, permissions and host path mapping.
#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "PosixPlatform.h"

const char* AXOPlatform::TextLineEnd() {
  return "\n";
}

int PosixPlatform::ChangeFileMode(const std::string& path, int mode) {
  return ::chmod(path.c_str(), static_cast<mode_t>(mode)) == 0 ? 0 : -1;
}

bool PosixPlatform::GetFileStatus(const std::string& path, AXOFileStatus& status) {
  struct stat info;
  if (path.empty() || path.find('\0') != std::string::npos || ::stat(path.c_str(), &info) != 0) {
    return false;
  }
  status.kind = S_ISREG(info.st_mode)   ? AXOFileStatus::kRegular
                : S_ISDIR(info.st_mode) ? AXOFileStatus::kDirectory
                                        : AXOFileStatus::kOther;
  status.permissions = static_cast<unsigned>(info.st_mode) & 0777;
  status.size =
      status.kind == AXOFileStatus::kRegular ? static_cast<std::uint64_t>(info.st_size) : 0;
  status.links = static_cast<std::uint64_t>(info.st_nlink);
  status.modified = static_cast<std::int64_t>(info.st_mtime);
  return true;
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

// Lists `path` into `names`, and the kinds into `kinds` when given.
bool List(const std::string& path, std::vector<std::string>& names,
          std::vector<AXOFileStatus::Kind>* kinds) {
  names.clear();
  if (kinds != nullptr) kinds->clear();
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  DIR* folder = ::opendir(path.c_str());
  if (folder == nullptr) return false;
  // readdir ends with null both at the end and on an error; only an error
  // sets errno.
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(folder);
    if (entry == nullptr) break;
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    names.push_back(name);
    if (kinds != nullptr) kinds->push_back(KindOf(*entry));
  }
  const bool complete = errno == 0;
  ::closedir(folder);
  if (!complete) {
    names.clear();
    if (kinds != nullptr) kinds->clear();
  }
  return complete;
}

}  // namespace

bool PosixPlatform::ListFolder(const std::string& path, std::vector<std::string>& names) {
  return List(path, names, nullptr);
}

bool PosixPlatform::ListFolderKinds(const std::string& path, std::vector<std::string>& names,
                                    std::vector<AXOFileStatus::Kind>& kinds) {
  return List(path, names, &kinds);
}

void PosixPlatform::SetDriveRoot(const std::string& nativeFolder) {
  drive_root_ = nativeFolder;
}

// The folder for drive letters when none was set: the variable
// AXO_DRIVE_ROOT, else "axo-drives" in the user's own data folder, so that
// what the library writes to "c:\..." lands where only the user can put
// files or links (never a shared folder such as /tmp). Empty when the
// system names no user data folder.
std::string PosixPlatform::DefaultDriveRoot() {
  const char* env = std::getenv("AXO_DRIVE_ROOT");
  if (env != nullptr && *env != '\0') return env;
  const std::string user_data = UserDataFolder();
  return user_data.empty() ? std::string() : user_data + "/axo-drives";
}

// Host paths use "\" and may start with a drive letter. The mapping:
//   "a\b\c.txt"        => "a/b/c.txt"
//   "\a\b"             => "/a/b"
//   "c:\x\y"           => "<drive root>/c/x/y"   (letter in lower case)
//   "\\server\share\f" => "//server/share/f"
// The drive root is the folder given to SetDriveRoot, else the value of the
// variable AXO_DRIVE_ROOT, else "<user data folder>/axo-drives"; with none
// of them a path with a drive letter maps to the empty path.
std::string PosixPlatform::NativePath(const std::string& hostPath) {
  std::string rest = hostPath;
  std::string prefix;
  if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
    std::string root = drive_root_.empty() ? DefaultDriveRoot() : drive_root_;
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
