// Exclusive read-and-replace of small files in the POSIX backend.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "../AXOPlatformBackend.h"
#include "PosixFileOpen.h"
#include "PosixStatus.h"

namespace {

const char kLockSuffix[] = ".axo-lock";
// The first pause between tries of a lock that another process holds, and
// the longest; the pauses double in between.
constexpr std::int64_t kFirstPauseMilliseconds = 1;
constexpr std::int64_t kLongestPauseMilliseconds = 50;

std::int64_t NowMilliseconds() {
  timespec now;
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

void Pause(std::int64_t milliseconds) {
  timespec pause{static_cast<time_t>(milliseconds / 1000),
                 static_cast<long>(milliseconds % 1000) * 1000000};
  while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

// Opens the lock file of the file `target` (of status `file`), creating it
// when it is missing. It is opened read-only and without following a link:
// any user who may read it may lock it, and a link planted in its place
// leads nowhere. One this call creates is readable by whoever may read
// the file, and belongs to the file's owner where the process may say so.
AXOStatus OpenLockFile(const std::string& target, const struct stat& file,
                       AXOPosixDescriptor& lock) {
  const std::string path = target + kLockSuffix;
  const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
  const mode_t mode = (file.st_mode & 0444) | S_IWUSR;
  lock.reset(AXOPosixOpen(path, flags | O_CREAT | O_EXCL, mode));
  if (lock.valid()) {
    // Whatever the process's umask took away.
    if (::fchown(lock.get(), file.st_uid, file.st_gid) != 0) {
      // Not root: the lock file stays the process's own.
    }
    ::fchmod(lock.get(), mode);
    return AXOStatus();
  }
  if (errno != EEXIST) return AXOPosixStatus(errno, path);
  lock.reset(AXOPosixOpen(path, flags));
  if (!lock.valid()) {
    if (errno == ELOOP) {
      return AXOStatus(AXOStatusCode::kNotRegularFile, path,
                       "is a symbolic link, which a lock file may not be");
    }
    return AXOPosixStatus(errno, path);
  }
  struct stat info;
  if (::fstat(lock.get(), &info) != 0) return AXOPosixStatus(errno, path);
  if (!S_ISREG(info.st_mode)) return AXOPosixNotRegularStatus(info.st_mode, path);
  return AXOStatus();
}

// Takes the exclusive lock of `lock`, the lock file of `target`, waiting at
// most `waitMilliseconds`.
// A lock taken with flock belongs to the open file description: it also
// keeps threads of one process apart, is not dropped when the process
// closes another descriptor of the same file, and goes when the process
// ends, however it ends.
AXOStatus LockWithin(AXOPosixDescriptor& lock, const std::string& target,
                     std::int64_t waitMilliseconds) {
  const std::string path = target + kLockSuffix;
  const std::int64_t deadline = NowMilliseconds() + std::max<std::int64_t>(waitMilliseconds, 0);
  std::int64_t pause = kFirstPauseMilliseconds;
  for (;;) {
    if (::flock(lock.get(), LOCK_EX | LOCK_NB) == 0) return AXOStatus();
    if (errno == EINTR) continue;
    if (errno == EBADF) {
      // Network file systems that lock byte ranges for flock want a
      // descriptor open for writing.
      lock.reset(AXOPosixOpen(path, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
      if (!lock.valid()) return AXOPosixStatus(errno, path);
      continue;
    }
    if (errno != EWOULDBLOCK) return AXOPosixStatus(errno, path);
    const std::int64_t left = deadline - NowMilliseconds();
    if (left <= 0) return AXOStatus(AXOStatusCode::kLocked, target);
    Pause(std::min(pause, left));
    pause = std::min(pause * 2, kLongestPauseMilliseconds);
  }
}

// The lock is taken on a companion file, not on the file itself: the file is
// replaced by a rename, and a lock on the replaced file would no longer keep
// out a process that opens the new one. Runs `step` with the name of the
// file that `path` leads to while holding that file's lock.
template <typename Step>
AXOStatus UnderLock(const std::string& path, std::int64_t waitMilliseconds, Step step) {
  AXOStatus status = AXOPosixCheckPath(path);
  if (!status.ok()) return status;
  // Through links to the file that holds the content, so that every name of
  // it shares one lock and the link stays a link.
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return AXOPosixStatus(errno, path);
  const std::string target(resolved);
  struct stat info;
  if (::stat(target.c_str(), &info) != 0) return AXOPosixStatus(errno, path);
  if (!S_ISREG(info.st_mode)) return AXOPosixNotRegularStatus(info.st_mode, path);
  AXOPosixDescriptor lock;
  status = OpenLockFile(target, info, lock);
  if (status.ok()) status = LockWithin(lock, target, waitMilliseconds);
  if (!status.ok()) return status;
  return step(target);
}

}  // namespace

AXOStatus AXOPlatformBackend::ReplaceLocked(const std::string& path, const std::string& contents,
                                            AXOFileIdentity* written) {
  // The file must be writable, as it would be for an update in place; its
  // replacement keeps the permission bits it has now.
  AXOPosixDescriptor writable(AXOPosixOpen(path, O_WRONLY | O_NONBLOCK | O_NOCTTY));
  if (!writable.valid()) return AXOPosixStatus(errno, path);
  writable.reset(-1);
  return Replace(path, contents, AXOReplace::kAlways, written);
}

AXOStatus AXOPlatformBackend::UpdateFileExclusively(const std::string& path,
                                                    const FileUpdate& update,
                                                    const AXOLockOptions& options) {
  return UnderLock(path, options.waitMilliseconds, [&](const std::string& target) {
    // Read only now: a process that held the lock before may have replaced
    // the file since it was looked at.
    std::string content;
    {
      AXOPosixDescriptor in;
      struct stat info;
      AXOStatus status = AXOPosixOpenRegularFile(target, in, info);
      if (status.ok()) {
        status = AXOPosixReadOpenFile(in.get(), info, {options.maxBytes, false}, target, content);
      }
      if (!status.ok()) return status;
    }
    std::string next;
    AXOStatus status = update(content, next);
    if (!status.ok()) return status;
    return ReplaceLocked(target, next, nullptr);
  });
}

AXOStatus AXOPlatformBackend::ReplaceFileIfUnchanged(
    const std::string& path, const AXOFileIdentity& seen, const FileCheck& unchanged,
    const std::string& contents, AXOFileIdentity& written, const AXOLockOptions& options) {
  return UnderLock(path, options.waitMilliseconds, [&](const std::string& target) {
    {
      AXOPosixDescriptor in;
      struct stat info;
      AXOStatus status = AXOPosixOpenRegularFile(target, in, info);
      if (!status.ok()) return status;
      if (!AXOFileUnchanged(seen, AXOPosixFileIdentity(info))) {
        std::string content;
        status = AXOPosixReadOpenFile(in.get(), info, {options.maxBytes, false}, target, content);
        if (!status.ok()) return status;
        if (!unchanged(content)) return AXOStatus(AXOStatusCode::kChanged, path);
      }
    }
    AXOFileIdentity identity;
    AXOStatus status = ReplaceLocked(target, contents, &identity);
    if (status.ok()) written = identity;
    return status;
  });
}
