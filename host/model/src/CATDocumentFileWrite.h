#ifndef CATDocumentFileWrite_h
#define CATDocumentFileWrite_h

// The writing of a document's file so that no save is lost to another
// process's: a document remembers a digest of what its file held when this
// process last read or wrote it, and a save to that same file is made only
// while the file still holds it.

#include <string>

#include "CATBaseUnknown.h"

class CATModelDocument;

// Notes that the file of `document`'s storage name holds `bytes`, just
// read or written.
void CATNoteStoredBytes(CATModelDocument& document, const std::string& bytes);

// Writes `bytes`, the text of `document`, to the file `nativeFile`, which
// is the file of its own storage name when `ownFile` is true. Such a file,
// when it exists and a digest was noted, is compared and replaced as one
// step under the lock of UpdateFileExclusively: CAT_E_CHANGED_ON_DISK,
// writing nothing, when it holds something else. Any other file, or one
// that is gone, is replaced as it is. S_OK with the new digest noted;
// E_FAIL when the file cannot be written.
HRESULT CATWriteDocumentFile(CATModelDocument& document, bool ownFile,
                             const std::string& nativeFile, std::string bytes);

#endif  // CATDocumentFileWrite_h
