#ifndef AxocorFiles_h
#define AxocorFiles_h

// How the tool's commands read and write files: through the platform's one
// way in and one way out, so that a FIFO, a device or a folder is refused
// at once and every failure is told with the platform's reason ("is a FIFO,
// not a file", "no space left on the device", "permission denied").
// Paths are native, as the user typed them.

#include <cstddef>
#include <string>

#include "AXOPlatform.h"

// The native path of `hostPath` (a path the library or the host gives, or
// one the user typed in either form), the one form in which the tool reads,
// writes and prints paths: normalized as host paths compare
// (CATHostPathNormal), then mapped by the platform; "." for the current
// folder. "\tmp\a\..\b.xml" => "/tmp/b.xml" on POSIX.
std::string AxocorNativePath(const std::string& hostPath);

// Reads the regular file `path` whole into `bytes`; a file larger than
// `maxBytes` is refused (kTooLarge).
AXOStatus AxocorReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

// The same, ending the command on failure: "cannot read '<path>': <reason>".
std::string AxocorReadFileOrFail(const std::string& path, std::size_t maxBytes);

// Replaces the file `path` by `bytes` atomically (or writes into a device
// such as /dev/stdout); ends the command on failure: "cannot write
// '<path>': <reason>".
void AxocorWriteFileOrFail(const std::string& path, const std::string& bytes);

// Whether the regular file `path` can be read: it is opened and its first
// byte read, as a reader of it would.
AXOStatus AxocorCanRead(const std::string& path);

// True when `path` names a folder (links followed).
bool AxocorIsFolder(const std::string& path);

#endif  // AxocorFiles_h
