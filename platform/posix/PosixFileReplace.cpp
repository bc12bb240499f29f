// Atomic replacement of a file's contents, POSIX backend.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "PosixPlatform.h"

namespace {

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
void SyncFolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

unsigned long PosixPlatform::ProcessId() {
  return static_cast<unsigned long>(::getpid());
}

bool PosixPlatform::ReplaceFileAtomically(const std::string& path, const std::string& contents) {
  if (path.empty()) return false;
  const std::string temp = path + "." + std::to_string(ProcessId()) + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) return false;  // what is in the temporary file's place is not ours
  // The replacement takes over the permission bits of the file it replaces,
  // before it takes its place, so that no moment shows other bits.
  struct stat replaced;
  bool ok = ::stat(path.c_str(), &replaced) != 0 || ::fchmod(fd, replaced.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, contents) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}
