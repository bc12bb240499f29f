// Opening, saving and closing documents, and the check of a document file.
#include "CATDocumentServices.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>

#include "AXOPlatform.h"
#include "CATAdopt.h"
#include "CATDocumentFileCheck.h"
#include "CATDocumentFileWrite.h"
#include "CATModelFile.h"
#include "CATModelSession.h"

namespace fs = std::filesystem;

namespace {

fs::path NativeFile(const CATUnicodeString& storageName) {
  return fs::u8path(AXOPlatform::Get()->NativePath(storageName.ConvertToChar()));
}

// The bytes of the file stored as `storageName`, with its identity when it
// did not change while it was read (else unknown); false, with `fault` set,
// when it is missing, no regular file (a FIFO would block the reading),
// too large or unreadable.
bool ReadFileBytes(const CATUnicodeString& storageName, std::string& bytes,
                   AXOFileIdentity& identity, std::string& fault) {
  const fs::path path = NativeFile(storageName);
  AXOPlatform* platform = AXOPlatform::Get();
  AXOFileIdentity before;
  platform->GetFileIdentity(path.u8string(), before);
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) {
    fault = "no such file";
    return false;
  }
  if (!fs::is_regular_file(status)) {
    fault = "not a regular file";
    return false;
  }
  const std::uintmax_t size = fs::file_size(path, error);
  if (!error && size > kCATModelFileMaxBytes) {
    fault = "larger than " + std::to_string(kCATModelFileMaxBytes >> 20) + " MiB";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  // All that the file holds when it is read, grown or shortened since.
  bytes.resize(error ? 0 : static_cast<std::size_t>(size));
  in.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (in) bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad() || bytes.size() > kCATModelFileMaxBytes) {
    fault = "cannot be read";
    return false;
  }
  AXOFileIdentity after;
  platform->GetFileIdentity(path.u8string(), after);
  identity = AXOFileUnchanged(before, after) ? after : AXOFileIdentity();
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
  const CATUnicodeString name = CATModelStorageName(path);
  if (saved == nullptr || name.GetLengthInChar() == 0) return E_INVALIDARG;
  if (format.GetLengthInChar() > 0 && format != saved->Type()) return E_INVALIDARG;
  if (saved->save_fault.kind == CATModelFault::kFails) return E_FAIL;
  saved->save_fault.RaiseIfAsked();

  CATModelSession& session = CATModelSession::Get();
  CATModelDocument* holder = session.FindOpen(name);
  if (holder != nullptr && holder != saved) return E_FAIL;
  const fs::path file = NativeFile(name);
  std::error_code error;
  if (overwrite == 0 && fs::exists(fs::symlink_status(file, error))) return E_FAIL;
  std::string bytes;
  std::string fault;
  if (!CATModelWriteFile(*saved, name, bytes, fault)) return E_FAIL;
  const CATUnicodeString old_name = saved->StorageName();
  const HRESULT written = CATWriteDocumentFile(*saved, old_name == name, file.u8string(), bytes);
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
