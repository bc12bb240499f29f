#ifndef AXO_POSIX_FILE_OPEN_H
#define AXO_POSIX_FILE_OPEN_H

// Opening files in the POSIX backend, shared by its file services.

#include <sys/stat.h>

#include <string>

#include "AXOPlatform.h"

// Opens `path` read-only and keeps it only when what was opened is a
// regular file: the descriptor (close-on-exec, blocking reads) with
// kOpened, else -1 with the reason. Never waits for a pipe's writer.
int AXOPosixOpenRegularFile(const std::string& path, AXOFileOpen& status);

// open(2), tried again when a signal interrupts it; close-on-exec.
int AXOPosixOpen(const std::string& path, int flags, unsigned mode = 0);

// The identity of the file of status `info` (fstat or stat).
AXOFileIdentity AXOPosixFileIdentity(const struct stat& info);

#endif  // AXO_POSIX_FILE_OPEN_H
