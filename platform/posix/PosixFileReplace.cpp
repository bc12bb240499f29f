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

#include "../AXOPlatformBackend.h"
#include "../AXOTemporaryFiles.h"
#include "PosixFileOpen.h"
#include "PosixStatus.h"

namespace {

// Attempts at a fresh temporary name before giving up; a clash of 64 random
// bits means something else is wrong.
constexpr int kNameAttempts = 8;

// Writes all of `bytes`; the system's error number on failure, else 0.
int WriteAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    written += static_cast<std::size_t>(n);
  }
  return 0;
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
AXOStatus WriteInto(const std::string& path, const std::string& contents) {
  AXOPosixDescriptor fd(AXOPosixOpen(path, O_WRONLY | O_NONBLOCK | O_NOCTTY));
  if (!fd.valid()) {
    if (errno == ENXIO) {
      return AXOStatus(AXOStatusCode::kNotRegularFile, path, "is a FIFO that no one reads");
    }
    return AXOPosixStatus(errno, path);
  }
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
    return AXOPosixStatus(errno, path);
  }
  const int error = WriteAll(fd.get(), contents);
  return error == 0 ? AXOStatus() : AXOPosixStatus(error, path);
}

// How a replacement of `path` goes.
enum class Target {
  kReplace,    // a regular file, or nothing yet: replace `file` by a rename
  kWriteInto,  // a device, FIFO or the like: write into it
  kRefuse,     // a folder, or a link that leads nowhere: `refusal` says why
};

// Where a replacement of `path` writes, in `file`: through links to the
// file they lead to, so that a link stays a link.
Target TargetOf(const std::string& path, AXOReplace mode, std::string& file, AXOStatus& refusal) {
  file = path;
  struct stat info;
  struct stat named;
  const bool named_exists = ::lstat(path.c_str(), &named) == 0;
  if (::stat(path.c_str(), &info) != 0) {
    if (!named_exists) return Target::kReplace;
    if (mode == AXOReplace::kOnlyWhenAbsent) {
      refusal = AXOStatus(AXOStatusCode::kExists, path);
      return Target::kRefuse;
    }
    refusal = AXOStatus(AXOStatusCode::kNotFound, path, "is a symbolic link that leads nowhere");
    return Target::kRefuse;
  }
  if (S_ISDIR(info.st_mode)) {
    refusal = AXOPosixNotRegularStatus(info.st_mode, path);
    return Target::kRefuse;
  }
  if (!S_ISREG(info.st_mode)) return Target::kWriteInto;
  if (!named_exists || !S_ISLNK(named.st_mode)) return Target::kReplace;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) {
    refusal = AXOPosixStatus(errno, path);
    return Target::kRefuse;
  }
  file = resolved;
  return Target::kReplace;
}

// Creates and locks a new temporary file in `folder`, named in `temp`.
// A failure names `path`, the file to be replaced.
AXOStatus CreateTemporaryFile(AXOPlatform& platform, const std::string& folder,
                              const std::string& path, AXOPosixDescriptor& fd, std::string& temp) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    AXOGuidFields random;
    AXOStatus status = platform.NewGuid(random);
    if (!status.ok()) return status;
    temp = folder + AXOTemporaryFileName(random);
    // O_EXCL with O_NOFOLLOW: a file or link already there is never used.
    fd.reset(AXOPosixOpen(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666));
    if (!fd.valid()) {
      if (errno == EEXIST) continue;
      // The file need not be there, its folder must.
      if (errno == ENOENT || errno == ENOTDIR) {
        return AXOStatus(AXOStatusCode::kNotFound, path, "no such folder");
      }
      return AXOPosixStatus(errno, path);
    }
    // Another save's clean-up may have taken the file between its creation
    // and the lock: then it is no longer linked, and another name is tried.
    struct stat info;
    if (TryLock(fd.get()) && ::fstat(fd.get(), &info) == 0 && info.st_nlink != 0) {
      return AXOStatus();
    }
    fd.reset(-1);
  }
  return AXOStatus(AXOStatusCode::kOther, path, "no new temporary file could be made beside it");
}

// Gives the new file `fd` the permission bits, owner and group of the file
// `replaced`, before it takes its place, so that no moment shows others.
// The owner and group are kept as far as the process may set them: all of
// them as root, else the group when the user belongs to it.
AXOStatus TakeOverStatus(int fd, const struct stat& replaced, const std::string& path) {
  if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0) {
    if (::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) != 0) {
      // Keeps the process's own group: nothing is given away.
    }
  }
  if (::fchmod(fd, replaced.st_mode & 07777) != 0) return AXOPosixStatus(errno, path);
  return AXOStatus();
}

// Renames `temp` to `path`; with kOnlyWhenAbsent, only when nothing is
// there, as the rename itself decides.
int RenameInto(const std::string& temp, const std::string& path, AXOReplace mode) {
  if (mode == AXOReplace::kAlways) return ::rename(temp.c_str(), path.c_str()) == 0 ? 0 : errno;
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system that cannot rename without replacing: a second name,
  // refused when `path` exists, then the temporary name goes.
  if (::link(temp.c_str(), path.c_str()) != 0) return errno;
  ::unlink(temp.c_str());
  return 0;
}

}  // namespace

AXOStatus AXOPlatformBackend::Replace(const std::string& target, const std::string& contents,
                                      AXOReplace mode, AXOFileIdentity* written) {
  AXOStatus status = AXOPosixCheckPath(target);
  if (!status.ok()) return status;
  if (target.back() == '/') return AXOPosixNotRegularStatus(S_IFDIR, target);
  std::string path;
  switch (TargetOf(target, mode, path, status)) {
    case Target::kRefuse:
      return status;
    case Target::kWriteInto:
      if (mode == AXOReplace::kOnlyWhenAbsent) return AXOStatus(AXOStatusCode::kExists, target);
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
  AXOPosixDescriptor fd;
  status = CreateTemporaryFile(*this, folder, target, fd, temp);
  if (!status.ok()) return status;
  struct stat replaced;
  if (::stat(path.c_str(), &replaced) == 0) status = TakeOverStatus(fd.get(), replaced, path);
  // The descriptor, and with it the lock, is kept until after the rename.
  int error = 0;
  if (status.ok()) {
    error = WriteAll(fd.get(), contents);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (error == 0) error = RenameInto(temp, path, mode);
    if (error != 0) status = AXOPosixStatus(error, target);
  }
  if (!status.ok()) {
    ::unlink(temp.c_str());
    return status;
  }
  // After the rename, which changes the file's status time too; still the
  // file this save wrote, whatever the name leads to by now.
  struct stat info;
  if (written != nullptr) {
    *written = ::fstat(fd.get(), &info) == 0 ? AXOPosixFileIdentity(info) : AXOFileIdentity();
  }
  fd.reset(-1);  // the data were synced before the rename
  SyncFolder(folder);
  return AXOStatus();
}
