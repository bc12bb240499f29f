#include "CATDocumentFileWrite.h"

#include <cstdint>
#include <cstring>

#include "CATDocumentServices.h"
#include "CATFileFailure.h"
#include "CATModelDocument.h"
#include "CATModelFile.h"

namespace {

// A digest that tells a file's bytes from other bytes. Four lanes take
// eight bytes each in turn, so that the steps of one lane wait for each
// other but the lanes do not: it runs near the speed of reading memory.
// Each step multiplies and folds the high bits down, so that the order of
// the words counts. The lanes are four variables, not an array, which
// compilers would turn into vector code: without a 64-bit vector multiply,
// that code is almost three times as slow. No defence against made-up
// collisions: a digest only tells whether another save came in between.
std::size_t Digest(const std::string& bytes) {
  constexpr std::uint64_t kMultiplier = 0x8F3B5C1E7A29D64Bu;
  const auto step = [](std::uint64_t lane, std::uint64_t word) {
    lane = (lane ^ word) * kMultiplier;
    return lane ^ (lane >> 29);
  };
  const char* const data = bytes.data();
  const auto word = [data](std::size_t at) {
    std::uint64_t value;
    std::memcpy(&value, data + at, sizeof value);
    return value;
  };
  const std::size_t size = bytes.size();
  std::uint64_t a = 1, b = 2, c = 3, d = 4;
  std::size_t at = 0;
  for (; size - at >= 32; at += 32) {
    a = step(a, word(at));
    b = step(b, word(at + 8));
    c = step(c, word(at + 16));
    d = step(d, word(at + 24));
  }
  std::uint64_t digest = step(0, size);
  for (std::uint64_t lane : {a, b, c, d}) digest = step(digest, lane);
  for (; at < size; ++at) digest = step(digest, static_cast<unsigned char>(data[at]));
  return static_cast<std::size_t>(digest);
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
                             const std::string& nativeFile, const std::string& bytes,
                             bool overwrite) {
  AXOPlatform* platform = AXOPlatform::Get();
  const std::size_t digest = Digest(bytes);
  if (!overwrite) {
    const AXOStatus status =
        CATNoteFileFailure(platform->ReplaceFile(nativeFile, bytes, AXOReplace::kOnlyWhenAbsent));
    if (!status.ok()) return E_FAIL;
    Note(document, digest, bytes.size(), AXOFileIdentity());
    return S_OK;
  }
  if (ownFile && document.stored) {
    const std::size_t seen = document.stored->digest;
    AXOFileIdentity written;
    AXOLockOptions options;
    options.maxBytes = kCATModelFileMaxBytes;
    const AXOStatus status = platform->ReplaceFileIfUnchanged(
        nativeFile, document.stored->identity,
        [&](const std::string& content) { return Digest(content) == seen; }, bytes, written,
        options);
    if (status.ok()) {
      Note(document, digest, bytes.size(), written);
      return S_OK;
    }
    // Gone: no other save is in it, and it is written anew below.
    if (status.code() != AXOStatusCode::kNotFound) {
      CATNoteFileFailure(status);
      return status.code() == AXOStatusCode::kChanged ? CAT_E_CHANGED_ON_DISK : E_FAIL;
    }
  }
  const AXOStatus status =
      CATNoteFileFailure(platform->ReplaceFile(nativeFile, bytes, AXOReplace::kAlways));
  if (!status.ok()) return E_FAIL;
  // Without the lock, the name may already lead to another process's file:
  // its identity is not taken, and the next save compares the bytes.
  Note(document, digest, bytes.size(), AXOFileIdentity());
  return S_OK;
}
