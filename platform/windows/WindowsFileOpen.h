#ifndef AXO_WINDOWS_FILE_OPEN_H
#define AXO_WINDOWS_FILE_OPEN_H

// Opening files in the Windows backend, shared by its file services.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "AXOPlatform.h"

// Others may read, write, rename or delete a file while this backend has it
// open for reading, so that their replacement is never refused because of it.
constexpr DWORD kAXOShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens the existing file `path` with `access` and the sharing above, and
// keeps it only when what was opened is a file on a disk: the handle with
// kOpened, else INVALID_HANDLE_VALUE with the reason.
HANDLE AXOWindowsOpenRegularFile(const std::wstring& path, DWORD access, AXOFileOpen& status);

// The identity of the open file `file`; false when it cannot be queried.
bool AXOWindowsFileIdentity(HANDLE file, AXOFileIdentity& identity);

#endif  // AXO_WINDOWS_FILE_OPEN_H
