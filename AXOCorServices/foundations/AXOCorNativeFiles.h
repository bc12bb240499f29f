#ifndef AXOCorNativeFiles_h
#define AXOCorNativeFiles_h

// From host paths to the files of the system, for every reader and writer
// of the library: the one place where a host path ("\"-separated, maybe
// with a drive letter) becomes a native path, and where a file is read.

#include <string>

#include "AXOPlatform.h"
#include "CATUnicodeString.h"

// The native path of `hostPath` as UTF-8 text (AXOPlatform::NativePath);
// the empty text, which names no file, for the empty path. A NUL character
// stays in it, so that the platform refuses the path instead of opening
// the one cut at the NUL.
std::string AXONativePath(const CATUnicodeString& hostPath);

// Reads the regular file at `hostPath` whole, within `limits`
// (AXOPlatform::ReadFile): a pipe, a device or a directory (also one
// swapped in at the last moment) is never read and never waited on.
AXOStatus AXOReadFile(const CATUnicodeString& hostPath, const AXOReadLimits& limits,
                      std::string& bytes);

#endif  // AXOCorNativeFiles_h
