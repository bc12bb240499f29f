#ifndef AXO_WINDOWS_SYSTEM_H
#define AXO_WINDOWS_SYSTEM_H

// The system's header for the files of the Windows backend, included
// through this one so that its macros are tamed alike in all of them: no
// min and max macros, only the core of the API, and no ReplaceFile macro
// (for the system's ReplaceFileW), which would rename the platform's
// service of that name in every file that sees it. Headers that need
// <windows.h> before them (<objbase.h>, <oleauto.h>) come after this one.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef ReplaceFile

#endif  // AXO_WINDOWS_SYSTEM_H
