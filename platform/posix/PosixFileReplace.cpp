// Atomic replacement of a file's contents, POSIX backend.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "../AXOTemporaryFiles.h"
#include "PosixFileOpen.h"
#include "PosixPlatform.h"

namespace {

// Attempts at a fresh temporary name before giving up; a clash of 64 random
// bits means something else is wrong.
constexpr int kNameAttempts = 8;

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable. Not every file system lets a directory
// be synced; the new file is complete either way, so failures are ignored.
void SyncFolder(const std::string& folder) {
  const int fd = AXOPosixOpen(folder, O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A save holds its temporary file under an exclusive lock from creation to
// rename. The lock goes with the process, so a temporary file that can be
// locked belongs to no save any more.
bool TryLock(int fd) {
  int status;
  do {
    status = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (status != 0 && errno == EINTR);
  return status == 0;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes the temporary files of `name` in `folder` that no save holds.
void RemoveStaleTemporaryFiles(const std::string& folder, const std::string& name) {
  DIR* directory = ::opendir(folder.c_str());
  if (directory == nullptr) return;
  while (const dirent* entry = ::readdir(directory)) {
    if (!AXOIsTemporaryFileNameOf(entry->d_name, name)) continue;
    const std::string path = folder + entry->d_name;
    // O_NOFOLLOW: a link planted under such a name is not ours to follow.
    const int fd = AXOPosixOpen(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) continue;
    struct stat opened, named;
    // Removed only when the name still leads to the file that was locked.
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && TryLock(fd) &&
        ::lstat(path.c_str(), &named) == 0 && SameFile(opened, named)) {
      ::unlink(path.c_str());
    }
    ::close(fd);
  }
  ::closedir(directory);
}

// Writes `contents` into the device, FIFO or other file that is no regular
// file at `path`, as a shell's redirection would. O_NONBLOCK lets the open
// of a FIFO without a reader fail instead of waiting for one; the writes
// then wait as usual.
bool WriteInto(const std::string& path, const std::string& contents) {
  const int fd = AXOPosixOpen(path, O_WRONLY | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return false;
  const int flags = ::fcntl(fd, F_GETFL);
  const bool ok =
      flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && WriteAll(fd, contents);
  ::close(fd);
  return ok;
}

// How a replacement of `path` goes.
enum class Target {
  kReplace,    // a regular file, or nothing yet: replace `file` by a rename
  kWriteInto,  // a device, FIFO or the like: write into it
  kRefuse,     // a folder, or a link that leads nowhere
};

// Where a replacement of `path` writes, in `file`: through links to the
// file they lead to, so that a link stays a link.
Target TargetOf(const std::string& path, std::string& file) {
  file = path;
  struct stat info;
  struct stat named;
  const bool named_exists = ::lstat(path.c_str(), &named) == 0;
  if (::stat(path.c_str(), &info) != 0) {
    return named_exists ? Target::kRefuse : Target::kReplace;
  }
  if (S_ISDIR(info.st_mode)) return Target::kRefuse;
  if (!S_ISREG(info.st_mode)) return Target::kWriteInto;
  if (!named_exists || !S_ISLNK(named.st_mode)) return Target::kReplace;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return Target::kRefuse;
  file = resolved;
  return Target::kReplace;
}

}  // namespace

unsigned long PosixPlatform::ProcessId() {
  return static_cast<unsigned long>(::getpid());
}

bool PosixPlatform::ReplaceFileAtomically(const std::string& target, const std::string& contents) {
  return ReplaceFile(target, contents, nullptr);
}

bool PosixPlatform::ReplaceFile(const std::string& target, const std::string& contents,
                                AXOFileIdentity* written) {
  if (target.empty() || target.back() == '/' || target.find('\0') != std::string::npos) {
    return false;
  }
  std::string path;
  switch (TargetOf(target, path)) {
    case Target::kRefuse:
      return false;
    case Target::kWriteInto:
      if (written != nullptr) *written = AXOFileIdentity();
      return WriteInto(path, contents);
    case Target::kReplace:
      break;
  }
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  RemoveStaleTemporaryFiles(folder, name);

  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
    AXOGuidFields random;
    if (!NewGuid(random)) return false;
    temp = folder + AXOTemporaryFileName(random);
    // O_EXCL with O_NOFOLLOW: a file or link already there is never used.
    fd = AXOPosixOpen(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    // Another save's clean-up may have taken the file between its creation
    // and the lock: then it is no longer linked, and another name is tried.
    struct stat info;
    if (!TryLock(fd) || ::fstat(fd, &info) != 0 || info.st_nlink == 0) {
      ::close(fd);
      fd = -1;
    }
  }
  if (fd < 0) return false;
  // The replacement takes over the permission bits of the file it replaces,
  // before it takes its place, so that no moment shows other bits.
  struct stat replaced;
  bool ok = ::stat(path.c_str(), &replaced) != 0 || ::fchmod(fd, replaced.st_mode & 07777) == 0;
  // The descriptor, and with it the lock, is kept until after the rename.
  ok =
      ok && WriteAll(fd, contents) && ::fsync(fd) == 0 && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  // After the rename, which changes the file's status time too; still the
  // file this save wrote, whatever the name leads to by now.
  struct stat info;
  if (ok && written != nullptr) {
    *written = ::fstat(fd, &info) == 0 ? AXOPosixFileIdentity(info) : AXOFileIdentity();
  }
  ::close(fd);  // the data were synced before the rename
  if (ok) SyncFolder(folder);
  return ok;
}
