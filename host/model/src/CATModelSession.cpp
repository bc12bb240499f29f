#include "CATModelSession.h"

#include <algorithm>
#include <functional>

CATModelSession& CATModelSession::Get() {
  static CATModelSession* session = new CATModelSession();  // lives as long as the process
  return *session;
}

CATModelDocument* CATModelSession::FindOpen(const CATUnicodeString& storageName) const {
  for (CATModelDocument* document : documents_) {
    if (document->StorageName() == storageName) return document;
  }
  return nullptr;
}

CATModelDocument* CATModelSession::FindBySerial(long serial) const {
  for (CATModelDocument* document : documents_) {
    if (document->Serial() == serial) return document;
  }
  return nullptr;
}

bool CATModelSession::IsOpen(const CATModelDocument* document) const {
  return std::find(documents_.begin(), documents_.end(), document) != documents_.end();
}

void CATModelSession::Add(CATModelDocument* document) {
  document->AddRef();
  documents_.push_back(document);
}

bool CATModelSession::Remove(CATModelDocument* document) {
  const auto it = std::find(documents_.begin(), documents_.end(), document);
  if (it == documents_.end()) return false;
  documents_.erase(it);
  document->Release();
  return true;
}

void CATModelSession::Rename(const CATUnicodeString& from, const CATUnicodeString& to) {
  const auto rename = [&](CATModelLink& link) {
    if (link.document == from) link.document = to;
  };
  std::function<void(CATModelNode*)> visit = [&](CATModelNode* node) {
    node->VisitLinks(rename);
    for (CATModelNode* child : node->Children()) visit(child);
  };
  for (CATModelDocument* document : documents_) {
    for (CATModelNode* container : document->Containers()) visit(container);
  }
}

void CATModelSession::Reset() {
  editor_.reset();
  active_element.Clear();
  work_mode_result = S_OK;
  work_mode_calls.clear();
  // Released one by one, last first, each while the others are still open.
  while (!documents_.empty()) {
    CATModelDocument* document = documents_.back();
    documents_.pop_back();
    document->Release();
  }
}
