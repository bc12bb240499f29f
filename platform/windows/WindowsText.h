#ifndef AXO_WINDOWS_TEXT_H
#define AXO_WINDOWS_TEXT_H

// UTF-8 <-> UTF-16 conversion for the Windows backend, whose interface
// speaks UTF-8 while the system's wide ("W") functions take UTF-16.

#include <string>

// Converts UTF-8 to UTF-16. Invalid sequences become U+FFFD; an embedded
// NUL is kept (callers that pass the result as a C string stop there).
std::wstring AXOWideFromUtf8(const std::string& utf8);

// Converts UTF-16 to UTF-8. Unpaired surrogates become U+FFFD.
std::string AXOUtf8FromWide(const std::wstring& wide);

#endif  // AXO_WINDOWS_TEXT_H
