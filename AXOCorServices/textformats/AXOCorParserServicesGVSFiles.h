#ifndef AXOCorParserServicesGVSFiles_h
#define AXOCorParserServicesGVSFiles_h

// The files of style-sheet expansion: reading them, taking the content of an
// included file, finding an included file by its name.

#include <cstdint>

#include "CATUnicodeString.h"

// Files larger than this are not read: 32 MiB, four bytes for each of the
// characters that an expanded text may hold (see kAXOGvsMaxLength).
constexpr std::int64_t kAXOGvsMaxFileBytes = std::int64_t{32} * 1024 * 1024;

enum class AXOGvsFileRead {
  kRead,
  kUnreadable,  // missing, not a regular file, or fewer bytes read than it holds
  kTooLarge,    // more than kAXOGvsMaxFileBytes bytes
};

// Reads the file at the host path `path` whole, in binary mode; its text
// ends at its first NUL byte. `text` is set only when the result is kRead.
AXOGvsFileRead AXOReadGvsFile(const CATUnicodeString& path, CATUnicodeString& text);

// What an included file contributes in place of the include node: the
// content of its root node, from the second "<std:node" of `fileText` up
// to, not including, its last "</std:node". "" when one of them is missing
// or they stand the wrong way round:
//   "<?xml?><std:node a><std:node b/>x</std:node>"  => "<std:node b/>x"
//   "<std:node a></std:node>"                        => ""
CATUnicodeString AXOGvsIncludedContent(const CATUnicodeString& fileText);

// The path of the file that an include node names. A name holding ":" or
// "\\" (a drive letter or a network path) is the path itself; any other is
// looked for as "gvs_includes\" + name in the standard collection folders.
// "" when it is not found there.
CATUnicodeString AXOResolveGvsInclude(const CATUnicodeString& name);

#endif  // AXOCorParserServicesGVSFiles_h
