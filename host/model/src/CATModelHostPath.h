#ifndef CATModelHostPath_h
#define CATModelHostPath_h

// Storage names of documents: host paths compared as text.
//
//   CATModelNormalPath("c:/a/./b/../P.CATPart") => "c:\a\P.CATPart"
//   CATModelNormalPath("a\\\\b\\")              => "a\b"
//   CATModelResolvePath("c:\a\B.CATProduct", "..\p\P.CATPart") => "c:\p\P.CATPart"
//   CATModelRelativePath("c:\a\B.CATProduct", "c:\a\p\P.CATPart") => "p\P.CATPart"
//   CATModelRelativePath("c:\a\B.CATProduct", "d:\P.CATPart")      => "d:\P.CATPart"

#include "CATUnicodeString.h"

// `path` with "\" for "/", without empty and "." folders, with each ".."
// taking away the folder before it; a ".." with no folder before it stays
// in a relative path and goes at the root of an absolute one. A leading
// "\" (or "\\" of a network path) and a drive "c:" are kept.
CATUnicodeString CATModelNormalPath(const CATUnicodeString& path);

// True when `path` does not depend on a current folder: it starts with "\"
// or "/", or with a drive letter and ":".
bool CATModelIsAbsolutePath(const CATUnicodeString& path);

// `reference`, as written in the file of the document stored at `from`:
// an absolute path as it stands, a relative one from `from`'s folder;
// normalized either way.
CATUnicodeString CATModelResolvePath(const CATUnicodeString& from,
                                     const CATUnicodeString& reference);

// How the document stored at `from` writes the storage name `target`:
// relative to its folder when `target` lies in that folder or below it,
// else `target` unchanged. Both normalized.
CATUnicodeString CATModelRelativePath(const CATUnicodeString& from, const CATUnicodeString& target);

#endif  // CATModelHostPath_h
