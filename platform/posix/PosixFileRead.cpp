// Reading regular files, POSIX backend.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "PosixFileOpen.h"
#include "PosixPlatform.h"

namespace {

class PosixFileReader : public AXOFileReader {
 public:
  explicit PosixFileReader(int fd) : fd_(fd) {}
  ~PosixFileReader() override { ::close(fd_); }

 protected:
  std::ptrdiff_t ReadBytes(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, size);
      if (n >= 0) return n;
      if (errno != EINTR) return -1;
    }
  }

 private:
  const int fd_;
};

}  // namespace

int AXOPosixOpen(const std::string& path, int flags, unsigned mode) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode));
  } while (fd < 0 && errno == EINTR);
  return fd;
}

int AXOPosixOpenRegularFile(const std::string& path, AXOFileOpen& status) {
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
  // writer. O_NOCTTY: a terminal must not become the controlling one.
  // A name with a NUL byte would name the file before the NUL.
  if (path.empty() || path.find('\0') != std::string::npos) {
    status = AXOFileOpen::kMissing;
    return -1;
  }
  const int fd = AXOPosixOpen(path, O_RDONLY | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    status = errno == ENOENT || errno == ENOTDIR ? AXOFileOpen::kMissing : AXOFileOpen::kFailed;
    return -1;
  }
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    status = ::fstat(fd, &info) != 0 ? AXOFileOpen::kFailed : AXOFileOpen::kNotRegular;
    ::close(fd);
    return -1;
  }
  // O_NONBLOCK stays: reads of a regular file never wait and ignore it.
  status = AXOFileOpen::kOpened;
  return fd;
}

AXOFileOpen PosixPlatform::OpenRegularFile(const std::string& path,
                                           std::unique_ptr<AXOFileReader>& file) {
  file.reset();
  AXOFileOpen status;
  const int fd = AXOPosixOpenRegularFile(path, status);
  if (fd >= 0) file = std::make_unique<PosixFileReader>(fd);
  return status;
}
