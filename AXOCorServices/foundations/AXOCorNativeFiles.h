#ifndef AXOCorNativeFiles_h
#define AXOCorNativeFiles_h

// From host paths to the files of the system, for every reader and writer
// of the library: the one place where a host path ("\"-separated, maybe
// with a drive letter) becomes a native path, and where a file is opened
// for reading.

#include <filesystem>
#include <memory>
#include <string>

#include "AXOPlatform.h"
#include "CATUnicodeString.h"

// The native path of `hostPath` as UTF-8 text (AXOPlatform::NativePath);
// the empty text, which names no file, for the empty path.
std::string AXONativePath(const CATUnicodeString& hostPath);

// The same path for std::filesystem and the standard file streams, read as
// UTF-8 on every system (not through the system's narrow code page).
std::filesystem::path AXONativeFsPath(const CATUnicodeString& hostPath);

// Opens the file at `hostPath` for reading when it is a regular file,
// checking what was opened rather than the name beforehand, so that a pipe,
// a device or a directory (also one swapped in at the last moment) is never
// read and never waited on. Null when it is not opened (missing, not a
// regular file, or not readable).
std::unique_ptr<AXOFileReader> AXOOpenRegularFile(const CATUnicodeString& hostPath);

#endif  // AXOCorNativeFiles_h
