// Exclusive read-and-replace of small files in the POSIX backend.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "PosixFileOpen.h"
#include "PosixPlatform.h"

namespace {

const char kLockSuffix[] = ".axo-lock";

// A file descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

int Fcntl(int fd, int command, struct flock* lock) {
  int status;
  do {
    status = ::fcntl(fd, command, lock);
  } while (status != 0 && errno == EINTR);
  return status;
}

// Waits for the write lock on the whole of `fd`. Locks of the open file
// description are preferred: they also keep apart threads of one process
// and are not dropped when the process closes another descriptor of the
// same file; kernels without them get the classic process locks.
bool LockWhole(int fd) {
  struct flock lock = {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
#ifdef F_OFD_SETLKW
  if (Fcntl(fd, F_OFD_SETLKW, &lock) == 0) return true;
  if (errno != EINVAL) return false;
  lock = {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
#endif
  return Fcntl(fd, F_SETLKW, &lock) == 0;
}

// Reads the whole of `fd` into `content`, or stops as soon as it holds more
// than `limit` bytes. False on a read error.
bool ReadUpTo(int fd, std::size_t limit, std::string& content) {
  struct stat status;
  if (::fstat(fd, &status) == 0 && status.st_size > 0) {
    content.reserve(std::min(static_cast<std::size_t>(status.st_size), limit) + 1);
  }
  char buffer[1 << 16];
  while (content.size() <= limit) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.append(buffer, static_cast<std::size_t>(n));
  }
  return true;
}

// The lock is taken on a companion file, not on the file itself: the file is
// replaced by a rename, and a lock on the replaced file would no longer keep
// out a process that opens the new one. Runs `step` with the name of the
// file that `path` leads to while holding that file's lock.
template <typename Step>
AXOFileUpdate UnderLock(const std::string& path, Step step) {
  // Through links to the file that holds the content, so that every name of
  // it shares one lock and the link stays a link.
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return AXOFileUpdate::kNotRead;
  const std::string target(resolved);
  struct stat info;
  if (::stat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return AXOFileUpdate::kNotRead;
  }
  Descriptor lock(AXOPosixOpen(target + kLockSuffix, O_RDWR | O_CREAT, 0666));
  if (!lock.valid() || !LockWhole(lock.get())) return AXOFileUpdate::kNotWritten;
  return step(target);
}

}  // namespace

AXOFileUpdate PosixPlatform::ReplaceLockedFile(const std::string& path, const std::string& contents,
                                               AXOFileIdentity* written) {
  // The file must be writable, as it would be for an update in place; its
  // replacement keeps the permission bits it has now.
  const bool writable = Descriptor(AXOPosixOpen(path, O_WRONLY | O_NONBLOCK)).valid();
  if (!writable || !ReplaceFile(path, contents, written)) return AXOFileUpdate::kNotWritten;
  return AXOFileUpdate::kReplaced;
}

AXOFileUpdate PosixPlatform::UpdateFileExclusively(const std::string& path,
                                                   const FileUpdate& update, std::size_t maxBytes) {
  return UnderLock(path, [&](const std::string& target) {
    // Read only now: a process that held the lock before may have replaced
    // the file since it was looked at.
    std::string content;
    {
      AXOFileOpen status;
      Descriptor in(AXOPosixOpenRegularFile(target, status));
      if (!in.valid() || !ReadUpTo(in.get(), maxBytes, content)) {
        return AXOFileUpdate::kNotRead;
      }
    }
    std::string next;
    if (content.size() > maxBytes || !update(content, next)) {
      return AXOFileUpdate::kNotWritten;
    }
    return ReplaceLockedFile(target, next, nullptr);
  });
}

AXOFileUpdate PosixPlatform::ReplaceFileIfUnchanged(
    const std::string& path, const AXOFileIdentity& seen, const FileCheck& unchanged,
    const std::string& contents, AXOFileIdentity& written, std::size_t maxBytes) {
  return UnderLock(path, [&](const std::string& target) {
    AXOFileOpen status;
    Descriptor in(AXOPosixOpenRegularFile(target, status));
    struct stat info;
    if (!in.valid() || ::fstat(in.get(), &info) != 0) return AXOFileUpdate::kNotRead;
    if (!AXOFileUnchanged(seen, AXOPosixFileIdentity(info))) {
      std::string content;
      if (!ReadUpTo(in.get(), maxBytes, content)) return AXOFileUpdate::kNotRead;
      if (content.size() > maxBytes || !unchanged(content)) return AXOFileUpdate::kNotWritten;
    }
    AXOFileIdentity identity;
    const AXOFileUpdate outcome = ReplaceLockedFile(target, contents, &identity);
    if (outcome == AXOFileUpdate::kReplaced) written = identity;
    return outcome;
  });
}
