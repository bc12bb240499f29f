#ifndef CATDocumentFileWrite_h
#define CATDocumentFileWrite_h

// The writing of a document's file so that no save is lost to another
// process's: a document remembers what its file held when this process
// last read or wrote it, and a save to that same file is made only while
// the file still holds it.
//
// What it held is remembered twice: as the file's identity (file number,
// size, times of the last write and change) and as a digest of its bytes.
// A save first compares the identity, under the lock that saves of the
// file take in turn; only when it differs, or was not known, is the file
// read to compare the digest (so that, say, a file merely touched or copied
// back still saves). The identity alone decides when it is unchanged:
// - Another process's save replaces the file by a rename, which always
//   brings another file number, so its save is never taken for ours.
// - A write in place by a program that ignores the lock shows in the size
//   or the times, except a write of the same size within the same tick of
//   the file system's clock (a few milliseconds) as the one seen. Such a
//   program can equally write between a save's reading of the file and its
//   replacement, which the digest does not catch either; the identity only
//   widens that window by one tick after this process's own read or write.
// - Where the file system cannot tell files apart or keeps whole seconds
//   only, the identity is unknown and the digest decides.

#include <string>

#include "AXOPlatform.h"
#include "CATBaseUnknown.h"

class CATModelDocument;

// Notes that the file of `document`'s storage name holds `bytes`, just
// read or written, and has `identity` (unknown when it cannot be relied on,
// e.g. when the file changed while it was read).
void CATNoteStoredBytes(CATModelDocument& document, const std::string& bytes,
                        const AXOFileIdentity& identity);

// Writes `bytes`, the text of `document`, to the file `nativeFile`, which
// is the file of its own storage name when `ownFile` is true. Such a file,
// when it exists and was noted, is checked and replaced as one step under
// the lock of ReplaceFileIfUnchanged: CAT_E_CHANGED_ON_DISK, writing
// nothing, when it no longer has the identity noted and holds something
// else. Any other file, or one that is gone, is replaced as it is; without
// `overwrite`, no file that is there is replaced (the rename decides). S_OK
// with the new file noted; E_FAIL when the file cannot be written, with the
// reason noted as the latest file failure (CATFileFailure.h).
HRESULT CATWriteDocumentFile(CATModelDocument& document, bool ownFile,
                             const std::string& nativeFile, const std::string& bytes,
                             bool overwrite);

#endif  // CATDocumentFileWrite_h
