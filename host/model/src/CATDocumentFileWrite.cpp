#include "CATDocumentFileWrite.h"

#include <functional>

#include "CATDocumentServices.h"
#include "CATModelDocument.h"
#include "CATModelFile.h"

namespace {

std::size_t Digest(const std::string& bytes) {
  return std::hash<std::string>()(bytes);
}

void Note(CATModelDocument& document, std::size_t digest, std::size_t size,
          const AXOFileIdentity& identity) {
  document.stored = CATModelDocument::StoredFile{digest, size, identity};
}

}  // namespace

void CATNoteStoredBytes(CATModelDocument& document, const std::string& bytes,
                        const AXOFileIdentity& identity) {
  Note(document, Digest(bytes), bytes.size(), identity);
}

HRESULT CATWriteDocumentFile(CATModelDocument& document, bool ownFile,
                             const std::string& nativeFile, const std::string& bytes) {
  AXOPlatform* platform = AXOPlatform::Get();
  const std::size_t digest = Digest(bytes);
  if (ownFile && document.stored) {
    const std::size_t seen = document.stored->digest;
    bool changed = false;
    AXOFileIdentity written;
    const AXOFileUpdate outcome = platform->ReplaceFileIfUnchanged(
        nativeFile, document.stored->identity,
        [&](const std::string& content) {
          changed = Digest(content) != seen;
          return !changed;
        },
        bytes, written, kCATModelFileMaxBytes);
    switch (outcome) {
      case AXOFileUpdate::kReplaced:
        Note(document, digest, bytes.size(), written);
        return S_OK;
      case AXOFileUpdate::kNotWritten:
        return changed ? CAT_E_CHANGED_ON_DISK : E_FAIL;
      case AXOFileUpdate::kNotRead:
        break;  // gone: no other save is in it
    }
  }
  if (!platform->ReplaceFileAtomically(nativeFile, bytes)) return E_FAIL;
  // Without the lock, the name may already lead to another process's file:
  // its identity is not taken, and the next save compares the bytes.
  Note(document, digest, bytes.size(), AXOFileIdentity());
  return S_OK;
}
