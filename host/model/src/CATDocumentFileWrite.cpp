#include "CATDocumentFileWrite.h"

#include <functional>

#include "AXOPlatform.h"
#include "CATDocumentServices.h"
#include "CATModelDocument.h"
#include "CATModelFile.h"

namespace {

std::size_t Digest(const std::string& bytes) {
  return std::hash<std::string>()(bytes);
}

}  // namespace

void CATNoteStoredBytes(CATModelDocument& document, const std::string& bytes) {
  document.stored_digest = Digest(bytes);
}

HRESULT CATWriteDocumentFile(CATModelDocument& document, bool ownFile,
                             const std::string& nativeFile, std::string bytes) {
  AXOPlatform* platform = AXOPlatform::Get();
  const std::size_t digest = Digest(bytes);
  if (ownFile && document.stored_digest) {
    bool changed = false;
    const AXOFileUpdate outcome = platform->UpdateFileExclusively(
        nativeFile,
        [&](const std::string& content, std::string& next) {
          changed = Digest(content) != *document.stored_digest;
          if (changed) return false;
          next.swap(bytes);
          return true;
        },
        kCATModelFileMaxBytes);
    switch (outcome) {
      case AXOFileUpdate::kReplaced:
        document.stored_digest = digest;
        return S_OK;
      case AXOFileUpdate::kNotWritten:
        return changed ? CAT_E_CHANGED_ON_DISK : E_FAIL;
      case AXOFileUpdate::kNotRead:
        break;  // gone: no other save is in it, and `bytes` is as it was
    }
  }
  if (!platform->ReplaceFileAtomically(nativeFile, bytes)) return E_FAIL;
  document.stored_digest = digest;
  return S_OK;
}
