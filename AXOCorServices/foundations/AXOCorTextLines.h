#ifndef AXOCorTextLines_h
#define AXOCorTextLines_h

// The line ends of the narrow text files that the library writes.

#include <string>
#include <string_view>

// Appends `text` to `out` as a narrow text file stores it: each line feed
// as `lineEnd` ("\r\n" for a Windows text file, AXOPlatform::TextLineEnd()
// for one of the system's).
void AXOCorAppendTextLines(std::string& out, std::string_view text, std::string_view lineEnd);

#endif  // AXOCorTextLines_h
