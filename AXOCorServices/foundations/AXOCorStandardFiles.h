#ifndef AXOCorStandardFiles_h
#define AXOCorStandardFiles_h

// The lookup of files of the host's standard collection, shared by
// AXOCorEnvVarManager::GetStandardFilePath and the style-sheet includes.

#include "CATUnicodeString.h"

// Looks for `relativePath` (it may hold folders: "gvs_includes\a.xml") in
// the directories of "CATCollectionStandard", then of
// "CATDefaultCollectionStandard", as the host's
// CATGetFilePathFromOfficialVariable finds it. True with the full path of
// the first existing entry that is not a directory; false with "".
bool AXOFindStandardFile(const CATUnicodeString& relativePath, CATUnicodeString& path);

#endif  // AXOCorStandardFiles_h
