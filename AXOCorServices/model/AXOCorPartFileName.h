#ifndef AXOCorPartFileName_h
#define AXOCorPartFileName_h

// Whether a part number may name the file that a part is saved in. An
// internal unit: linked into the library and into its tools, never exported.

#include "CATUnicodeString.h"

// Null when `partNumber` is a plain file name on every system the library
// runs on; otherwise why it is not, as a phrase to follow "the part number"
// ("is empty", "holds a path separator", ...). Refused: an empty number, "\"
// or "/", a drive's ":", "." and "..", the characters no Windows file name
// may hold (control characters and < > " | ? *), and the Windows device
// names (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, in any case),
// which name a device whatever extension follows them.
const char* AXOCorPartFileNameFault(const CATUnicodeString& partNumber);

#endif  // AXOCorPartFileName_h
