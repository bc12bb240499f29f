// Reading a whole regular file, POSIX backend.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "PosixPlatform.h"

AXOFileRead PosixPlatform::ReadRegularFile(const std::string& path, std::int64_t maxBytes,
                                           std::string& bytes, std::int64_t* size) {
  // Without O_NONBLOCK, opening a pipe waits for a writer.
  const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) return AXOFileRead::kNotRegular;
  AXOFileRead result = AXOFileRead::kNotRegular;
  struct stat info;
  if (::fstat(file, &info) == 0 && S_ISREG(info.st_mode)) {
    if (size != nullptr) *size = info.st_size;
    result = AXOFileRead::kTooLarge;
    if (info.st_size <= maxBytes) {
      std::string content(static_cast<std::size_t>(info.st_size), '\0');
      std::size_t done = 0;
      while (done < content.size()) {
        const ssize_t got = ::read(file, &content[done], content.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
      }
      result = done == content.size() ? AXOFileRead::kRead : AXOFileRead::kFailed;
      if (result == AXOFileRead::kRead) bytes.swap(content);
    }
  }
  ::close(file);
  return result;
}
