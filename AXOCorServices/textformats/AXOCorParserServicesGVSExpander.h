#ifndef AXOCorParserServicesGVSExpander_h
#define AXOCorParserServicesGVSExpander_h

// The expansion of include nodes in a style sheet, shared by
// ExpandIncludesInGVS and GetIncludesInGVS.

#include "CATListOfCATUnicodeString.h"
#include "CATUnicodeString.h"

// Bounds of one expansion. Includes that multiply (a file that includes
// another twice, which does the same, and so on) grow the text
// exponentially; the expansion stops at whichever bound it would cross
// first: the text growing beyond kAXOGvsMaxLength characters, or more than
// kAXOGvsMaxIncludes include nodes being replaced. Both lie far beyond real
// style sheets; at the bound on length the expansion holds a few hundred
// MiB at most.
constexpr int kAXOGvsMaxLength = 8 * 1024 * 1024;
constexpr int kAXOGvsMaxIncludes = 10000;

enum class AXOGvsExpansion {
  kExpanded,
  kUnreadable,  // the style sheet itself cannot be read
  kTooLarge,    // a bound was reached, or a file is too large to read
};

// Expands the include nodes of the style sheet at `path`. On kExpanded,
// `expanded` (when not null) receives the text with every include node
// replaced and every carriage return removed; otherwise it is untouched.
// `includes` (when not null) gets the resolved path of every include node
// met, "" for a name not found, before the file is read; when a bound stops
// the expansion it keeps what was met up to the include that crossed it.
//
// An include node whose file is already being expanded on the node's own
// include chain (the style sheet itself, or a file through whose content
// the node came) is replaced by "", like a node whose file cannot be read;
// its path is still listed. Paths are compared without regard to letter
// case, so the same file named by different paths is only caught by the
// bounds.
AXOGvsExpansion AXOExpandGvs(const CATUnicodeString& path, CATUnicodeString* expanded,
                             CATListValCATUnicodeString* includes);

#endif  // AXOCorParserServicesGVSExpander_h
