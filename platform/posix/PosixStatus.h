#ifndef AXO_POSIX_STATUS_H
#define AXO_POSIX_STATUS_H

// From the system's error numbers and file kinds to the platform's status.

#include <sys/stat.h>

#include <string>

#include "AXOStatus.h"

// The status of a call that failed with the error number `error`, for
// `subject` (a native path). The code follows the number (ENOENT and
// ENOTDIR are kNotFound, EACCES and EPERM kPermissionDenied, ENOSPC and
// EDQUOT kNoSpace, ...); the reason is the code's own words, or the
// system's text for an error with no code of its own.
AXOStatus AXOPosixStatus(int error, const std::string& subject);

// kNotRegularFile for a file of mode `mode` that is no regular file, its
// reason naming what it is: "is a FIFO, not a file", "is a folder, not a
// file", "is a device, not a file", "is a socket, not a file".
AXOStatus AXOPosixNotRegularStatus(mode_t mode, const std::string& subject);

// kInvalidArgument when `path` cannot name a file (empty, or holding a NUL
// character); ok otherwise.
AXOStatus AXOPosixCheckPath(const std::string& path);

#endif  // AXO_POSIX_STATUS_H
