// Opening, saving and closing documents, and the check of a document file.
#include "CATDocumentServices.h"

#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "AXOPlatform.h"
#include "CATAdopt.h"
#include "CATDocumentFileCheck.h"
#include "CATDocumentFileWrite.h"
#include "CATFileFailure.h"
#include "CATModelFile.h"
#include "CATModelSession.h"

namespace {

// The native path of a storage name, whole: a NUL character stays in it,
// and the platform refuses the path as the host's file system would.
std::string NativeFile(const CATUnicodeString& storageName) {
  return AXOPlatform::Get()->NativePath(
      std::string(storageName.ConvertToChar(), static_cast<size_t>(storageName.GetLengthInByte())));
}

// A storage name that no file system takes: one holding a NUL character,
// noted as the latest file failure. Its folders are never resolved as
// text: ".." after the NUL would lead out of the folder named before it.
bool RefusedAsFileName(const CATUnicodeString& path) {
  const char* chars = path.ConvertToChar();
  if (std::strlen(chars) == static_cast<size_t>(path.GetLengthInByte())) return false;
  CATNoteFileFailure(
      AXOStatus(AXOStatusCode::kInvalidArgument, chars, "the name holds a NUL character"));
  return true;
}

// The bytes of the file stored as `storageName`, with its identity when it
// did not change while it was read (else unknown); false, with `fault` set
// to the reason (also noted as the latest file failure), when it is
// missing, no regular file (a FIFO would block the reading), too large or
// unreadable. The reading ends at a NUL byte, which no document holds.
bool ReadFileBytes(const CATUnicodeString& storageName, std::string& bytes,
                   AXOFileIdentity& identity, std::string& fault) {
  AXOFileContents contents;
  const AXOStatus status = CATNoteFileFailure(AXOPlatform::Get()->ReadFile(
      NativeFile(storageName), {kCATModelFileMaxBytes, true}, contents));
  if (!status.ok()) {
    fault = status.reason();
    return false;
  }
  bytes = std::move(contents.bytes);
  identity = contents.identity;
  return true;
}

// A new document read from the file stored as `storageName`; null with
// `fault` set.
CATModelDocument* ReadDocumentFile(const CATUnicodeString& storageName, std::string& fault) {
  std::string bytes;
  AXOFileIdentity identity;
  if (!ReadFileBytes(storageName, bytes, identity, fault)) return nullptr;
  CATModelDocument* document = CATModelReadFile(bytes, storageName, fault);
  if (document != nullptr) CATNoteStoredBytes(*document, bytes, identity);
  return document;
}

void Summarize(const CATModelDocument& document, CATDocumentFileSummary& summary) {
  summary.type = document.Type();
  summary.objects = CATModelCountObjects(document);
  summary.references.RemoveAll();
  for (const CATUnicodeString& reference : CATModelReferencedDocuments(document)) {
    summary.references.Append(reference);
  }
}

}  // namespace

HRESULT CATDocumentServices::OpenDocument(const CATUnicodeString& path, CATDocument*& document,
                                          int withReferences) {
  document = nullptr;
  CATNoteFileFailure(AXOStatus());
  if (RefusedAsFileName(path)) return E_FAIL;
  const CATUnicodeString name = CATModelStorageName(path);
  if (name.GetLengthInChar() == 0) return E_INVALIDARG;
  CATModelSession& session = CATModelSession::Get();
  if (CATModelDocument* open = session.FindOpen(name)) {
    document = open;
    return S_OK;
  }
  std::string fault;
  const CATOwned<CATModelDocument> opened(ReadDocumentFile(name, fault));
  if (opened == nullptr) return E_FAIL;
  // Open before its references, so that references back to it find it.
  session.Add(opened.get());
  if (withReferences != 0) {
    for (const CATUnicodeString& reference : CATModelReferencedDocuments(*opened)) {
      CATDocument* ignored = nullptr;
      OpenDocument(reference, ignored, 1);
    }
  }
  document = opened.get();
  return S_OK;
}

HRESULT CATDocumentServices::SaveAs(CATDocument* document, const CATUnicodeString& path,
                                    const CATUnicodeString& format, int overwrite) {
  CATModelDocument* saved = CATModelDocumentOf(document);
  CATNoteFileFailure(AXOStatus());
  if (saved == nullptr || path.GetLengthInChar() == 0) return E_INVALIDARG;
  if (RefusedAsFileName(path)) return E_FAIL;
  const CATUnicodeString name = CATModelStorageName(path);
  if (name.GetLengthInChar() == 0) return E_INVALIDARG;
  if (format.GetLengthInChar() > 0 && format != saved->Type()) return E_INVALIDARG;
  if (saved->save_fault.kind == CATModelFault::kFails) return E_FAIL;
  saved->save_fault.RaiseIfAsked();

  CATModelSession& session = CATModelSession::Get();
  CATModelDocument* holder = session.FindOpen(name);
  if (holder != nullptr && holder != saved) return E_FAIL;
  std::string bytes;
  std::string fault;
  if (!CATModelWriteFile(*saved, name, bytes, fault)) return E_FAIL;
  const CATUnicodeString old_name = saved->StorageName();
  const HRESULT written =
      CATWriteDocumentFile(*saved, old_name == name, NativeFile(name), bytes, overwrite != 0);
  if (FAILED(written)) return written;

  if (old_name != name) {
    saved->SetStorageName(name);
    if (session.IsOpen(saved)) session.Rename(old_name, name);
  }
  return S_OK;
}

HRESULT CATDocumentServices::Remove(CATDocument* document) {
  CATModelDocument* open = CATModelDocumentOf(document);
  return open != nullptr && CATModelSession::Get().Remove(open) ? S_OK : E_FAIL;
}

bool CATCheckDocumentFile(const CATUnicodeString& path, CATDocumentFileSummary& summary,
                          CATUnicodeString& fault) {
  if (RefusedAsFileName(path)) {
    fault = CATLastFileFailure().reason().c_str();
    return false;
  }
  const CATUnicodeString name = CATModelStorageName(path);
  std::string text = "no path";
  const CATOwned<CATModelDocument> document(
      name.GetLengthInChar() > 0 ? ReadDocumentFile(name, text) : nullptr);
  if (document == nullptr) {
    fault = CATUnicodeString(text.data(), text.size());
    return false;
  }
  Summarize(*document, summary);
  return true;
}

bool CATSummarizeDocument(CATDocument* document, CATDocumentFileSummary& summary) {
  const CATModelDocument* open = CATModelDocumentOf(document);
  if (open == nullptr) return false;
  Summarize(*open, summary);
  return true;
}
