// Reading regular files, POSIX backend.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "../AXOLimitedRead.h"
#include "../AXOPlatformBackend.h"
#include "PosixFileOpen.h"
#include "PosixStatus.h"

AXOPosixDescriptor::~AXOPosixDescriptor() {
  if (fd_ >= 0) ::close(fd_);
}

void AXOPosixDescriptor::reset(int fd) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
}

int AXOPosixOpen(const std::string& path, int flags, unsigned mode) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode));
  } while (fd < 0 && errno == EINTR);
  return fd;
}

AXOStatus AXOPosixOpenRegularFile(const std::string& path, AXOPosixDescriptor& file,
                                  struct stat& info) {
  AXOStatus status = AXOPosixCheckPath(path);
  if (!status.ok()) return status;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
  // writer. O_NOCTTY: a terminal must not become the controlling one.
  file.reset(AXOPosixOpen(path, O_RDONLY | O_NONBLOCK | O_NOCTTY));
  if (!file.valid()) return AXOPosixStatus(errno, path);
  if (::fstat(file.get(), &info) != 0) return AXOPosixStatus(errno, path);
  if (!S_ISREG(info.st_mode)) {
    file.reset(-1);
    return AXOPosixNotRegularStatus(info.st_mode, path);
  }
  // O_NONBLOCK stays: reads of a regular file never wait and ignore it.
  return AXOStatus();
}

AXOStatus AXOPosixReadOpenFile(int fd, const struct stat& info, const AXOReadLimits& limits,
                               const std::string& subject, std::string& bytes) {
  const std::uint64_t size = static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0));
  return AXOReadWithinLimits(
      size, limits, subject,
      [fd, &subject](char* buffer, std::size_t want, std::size_t& got) {
        for (;;) {
          const ssize_t n = ::read(fd, buffer, want);
          if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return AXOStatus();
          }
          if (errno != EINTR) return AXOPosixStatus(errno, subject);
        }
      },
      bytes);
}

AXOStatus AXOPlatformBackend::ReadFile(const std::string& path, const AXOReadLimits& limits,
                                       AXOFileContents& contents) {
  AXOPosixDescriptor file;
  struct stat before;
  AXOStatus status = AXOPosixOpenRegularFile(path, file, before);
  if (!status.ok()) return status;
  status = AXOPosixReadOpenFile(file.get(), before, limits, path, contents.bytes);
  if (!status.ok()) return status;
  // Known only when all of the file was read and nothing changed it while
  // it was.
  struct stat after;
  contents.identity = AXOFileIdentity();
  if (::fstat(file.get(), &after) == 0 &&
      contents.bytes.size() == static_cast<std::size_t>(after.st_size) &&
      AXOFileUnchanged(AXOPosixFileIdentity(before), AXOPosixFileIdentity(after))) {
    contents.identity = AXOPosixFileIdentity(after);
  }
  return AXOStatus();
}
