#ifndef AXO_WINDOWS_FILE_OPEN_H
#define AXO_WINDOWS_FILE_OPEN_H

// Opening and reading files in the Windows backend, shared by its file
// services.

#include "WindowsSystem.h"

#include <string>

#include "AXOPlatform.h"

// Others may read, write, rename or delete a file while this backend has it
// open for reading, so that their replacement is never refused because of it.
constexpr DWORD kAXOShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A file handle, closed when it goes.
class AXOWindowsHandle {
 public:
  explicit AXOWindowsHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  ~AXOWindowsHandle() { reset(); }
  AXOWindowsHandle(const AXOWindowsHandle&) = delete;
  AXOWindowsHandle& operator=(const AXOWindowsHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  void reset(HANDLE handle = INVALID_HANDLE_VALUE) {
    if (valid()) ::CloseHandle(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_;
};

// Ok when the open `file` is a regular file: one on a disk that is no
// folder. Otherwise kNotRegularFile naming what it is (a device such as
// "NUL" or "COM1", a pipe, a folder), or the failure of the query; `subject`
// names it.
AXOStatus AXOWindowsCheckRegular(HANDLE file, const std::string& subject);

// Opens the existing file `path` (`subject` in UTF-8) with `access` and the
// sharing above, links followed, and keeps it in `file` only when it is a
// regular file. Never waits: a pipe is opened, seen to be one and closed.
AXOStatus AXOWindowsOpenRegularFile(const std::wstring& path, const std::string& subject,
                                    DWORD access, AXOWindowsHandle& file);

// Reads the regular file `file` from where it stands, within `limits`,
// into `bytes`; `subject` names it in a failure.
AXOStatus AXOWindowsReadOpenFile(HANDLE file, const AXOReadLimits& limits,
                                 const std::string& subject, std::string& bytes);

// The path that the open file `file` has, links resolved ("\\?\C:\a\b");
// empty, with the system's error code set, when the system cannot tell.
std::wstring AXOWindowsFinalPath(HANDLE file);

// The identity of the open file `file`; not known when it cannot be
// queried.
AXOFileIdentity AXOWindowsFileIdentity(HANDLE file);

#endif  // AXO_WINDOWS_FILE_OPEN_H
