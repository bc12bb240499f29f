// Identities of files, POSIX backend.
#include <sys/stat.h>

#include <cerrno>

#include "../AXOPlatformBackend.h"
#include "PosixFileOpen.h"
#include "PosixStatus.h"

namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1000000000;

std::int64_t Nanoseconds(const struct timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * kNanosecondsPerSecond + time.tv_nsec;
}

}  // namespace

AXOFileIdentity AXOPosixFileIdentity(const struct stat& info) {
  AXOFileIdentity identity;
  identity.volume = static_cast<std::uint64_t>(info.st_dev);
  identity.file = static_cast<std::uint64_t>(info.st_ino);
  identity.size = static_cast<std::uint64_t>(info.st_size);
  identity.modified = Nanoseconds(info.st_mtim);
  identity.changed = Nanoseconds(info.st_ctim);
  // Times in whole seconds both: a file system that keeps no finer ones
  // (a file system with finer ones shows a zero fraction in both about
  // once in 10^18 files, which then are merely read to be compared).
  const bool fine_times = info.st_mtim.tv_nsec != 0 || info.st_ctim.tv_nsec != 0;
  identity.known = S_ISREG(info.st_mode) && info.st_ino != 0 && fine_times;
  return identity;
}

AXOStatus AXOPlatformBackend::GetFileIdentity(const std::string& path, AXOFileIdentity& identity) {
  AXOStatus status = AXOPosixCheckPath(path);
  if (!status.ok()) return status;
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return AXOPosixStatus(errno, path);
  identity = AXOPosixFileIdentity(info);
  return AXOStatus();
}
