#ifndef AXOCorHostText_h
#define AXOCorHostText_h

// Making and reading host texts through the host's own operations only: its
// char constructor (of a NUL-terminated text) and its characters by index.

#include <string>
#include <string_view>

#include "CATUnicodeString.h"

// The host text of `bytes`, read as the char constructor reads a text; NUL
// bytes are kept, each as the character U+0000.
CATUnicodeString AXOCorTextOfBytes(std::string_view bytes);

// The characters of `text`, in order.
std::u32string AXOCorCodePoints(const CATUnicodeString& text);

// True when `text` holds the character U+0000. No file name holds one, and
// the char form of the text ends at it: a path cut there would name another
// file, so a path that holds one names none.
bool AXOCorHoldsNul(const CATUnicodeString& text);

// The whole of `text` as UTF-8, NUL characters included (its char form
// ends at the first).
std::string AXOCorBytesOf(const CATUnicodeString& text);

#endif  // AXOCorHostText_h
