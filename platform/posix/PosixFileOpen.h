#ifndef AXO_POSIX_FILE_OPEN_H
#define AXO_POSIX_FILE_OPEN_H

// Opening and reading files in the POSIX backend, shared by its file
// services.

#include <sys/stat.h>

#include <string>

#include "AXOPlatform.h"

// A file descriptor, closed when it goes.
class AXOPosixDescriptor {
 public:
  explicit AXOPosixDescriptor(int fd = -1) : fd_(fd) {}
  ~AXOPosixDescriptor();
  AXOPosixDescriptor(const AXOPosixDescriptor&) = delete;
  AXOPosixDescriptor& operator=(const AXOPosixDescriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  void reset(int fd);

 private:
  int fd_;
};

// open(2), tried again when a signal interrupts it; close-on-exec.
int AXOPosixOpen(const std::string& path, int flags, unsigned mode = 0);

// Opens `path` read-only and keeps it only when what was opened is a
// regular file, in `file` (close-on-exec, with `info` its status). Never
// waits for a FIFO's writer.
AXOStatus AXOPosixOpenRegularFile(const std::string& path, AXOPosixDescriptor& file,
                                  struct stat& info);

// Reads `fd` (a regular file of status `info`) from where it stands, within
// `limits`, into `bytes`; `subject` names it in a failure.
AXOStatus AXOPosixReadOpenFile(int fd, const struct stat& info, const AXOReadLimits& limits,
                               const std::string& subject, std::string& bytes);

// The identity of the file of status `info` (fstat or stat).
AXOFileIdentity AXOPosixFileIdentity(const struct stat& info);

#endif  // AXO_POSIX_FILE_OPEN_H
