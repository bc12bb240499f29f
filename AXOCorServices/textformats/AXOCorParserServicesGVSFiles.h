#ifndef AXOCorParserServicesGVSFiles_h
#define AXOCorParserServicesGVSFiles_h

// The files of style-sheet expansion: reading them, taking the content of an
// included file, finding an included file by its name.

#include <cstdint>
#include <string>
#include <string_view>

#include "CATUnicodeString.h"

// Files larger than this are not read: 32 MiB, four bytes for each of the
// characters that an expanded text may hold (see AXOGvsLimits).
constexpr std::int64_t kAXOGvsMaxFileBytes = std::int64_t{32} * 1024 * 1024;

enum class AXOGvsFileRead {
  kRead,
  kUnreadable,  // missing, not a regular file, or fewer bytes read than it holds
  kTooLarge,    // more than kAXOGvsMaxFileBytes bytes
};

// Reads the file at the host path `path` whole, in binary mode; its text
// ends at its first NUL byte. Only a regular file is read, checked once it
// is open (a pipe is refused, not waited for). `text` (the file's bytes up
// to the first NUL) and `read` (when not null: the number of bytes read)
// are set only when the result is kRead.
AXOGvsFileRead AXOReadGvsFile(const CATUnicodeString& path, std::string& text,
                              std::int64_t* read = nullptr);

// Where the content of an included file's root node lies in `fileText`
// (the file's bytes), the text that the file contributes in place of an
// include node: from its second "<std:node" up to, not including, its last
// "</std:node" (searched in the text's own letter case). False, with
// `begin` and `end` unspecified, when one of them is missing or they stand
// the wrong way round, so that the file contributes nothing:
//   "<?xml?><std:node a><std:node b/>x</std:node>"  => "<std:node b/>x"
//   "<std:node a></std:node>"                        => false
// Both ends are at ASCII bytes, where UTF-8 text can be cut without
// changing how either part reads as characters.
bool AXOGvsContentRange(std::string_view fileText, int& begin, int& end);

// True when an include name is a path of its own: it holds ":" (a drive
// letter) or "\\" (a network path), and is opened as it stands.
bool AXOIsGvsIncludePath(const CATUnicodeString& name);

// The path of the file that an include node names: the name itself when
// AXOIsGvsIncludePath holds, else "gvs_includes\" + name looked for in the
// standard collection folders. "" when it is not found there.
CATUnicodeString AXOResolveGvsInclude(const CATUnicodeString& name);

#endif  // AXOCorParserServicesGVSFiles_h
