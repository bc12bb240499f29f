#ifndef AXOCorPartFileName_h
#define AXOCorPartFileName_h

// Whether a part number may name the file that a part is saved in. An
// internal unit: linked into the library and into its tools, never exported.

#include "CATUnicodeString.h"

// Null when `partNumber` is a plain file name on every system the library
// runs on; otherwise why it is not, as a phrase to follow "the part number"
// ("is empty", "holds a path separator", ...). Refused: an empty number, "\"
// or "/", a drive's ":", "." and "..", the characters no Windows file name
// may hold (control characters, NUL included, and < > " | ? *), and the
// names that Windows reserves for devices, with the rule Windows' own
// documentation gives: CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM0 to COM9 and
// LPT0 to LPT9 with the superscript digits ¹ ² ³ as well, in any letter
// case, alone or followed by blanks or by any extension ("nul.txt",
// "COM1.CATPart"). The whole text is checked, also what follows a NUL.
const char* AXOCorPartFileNameFault(const CATUnicodeString& partNumber);

#endif  // AXOCorPartFileName_h
