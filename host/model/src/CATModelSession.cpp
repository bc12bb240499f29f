#include "CATModelSession.h"

#include <algorithm>
#include <functional>

CATModelSession& CATModelSession::Get() {
  static CATModelSession* session = new CATModelSession();  // lives as long as the process
  return *session;
}

CATModelDocument* CATModelSession::FindOpen(const CATUnicodeString& storageName) const {
  CATModelDocumentMemo memo;
  return FindOpen(storageName, memo);
}

CATModelDocument* CATModelSession::FindOpen(const CATUnicodeString& storageName,
                                            CATModelDocumentMemo& memo) const {
  if (memo.generation == names_generation_) return memo.document;
  const auto found = by_name_.find(storageName.Characters());
  if (found == by_name_.end()) return nullptr;
  memo = CATModelDocumentMemo{names_generation_, found->second};
  return found->second;
}

CATModelDocument* CATModelSession::FindBySerial(long serial) const {
  const auto found = by_serial_.find(serial);
  return found != by_serial_.end() ? found->second : nullptr;
}

bool CATModelSession::IsOpen(const CATModelDocument* document) const {
  return document != nullptr && FindBySerial(document->Serial()) == document;
}

void CATModelSession::Add(CATModelDocument* document) {
  document->AddRef();
  documents_.push_back(document);
  by_name_.emplace(document->StorageName().Characters(), document);
  ++names_generation_;
  by_serial_.emplace(document->Serial(), document);
}

bool CATModelSession::Remove(CATModelDocument* document) {
  const auto it = std::find(documents_.begin(), documents_.end(), document);
  if (it == documents_.end()) return false;
  documents_.erase(it);
  Unindex(document);
  document->Release();
  return true;
}

void CATModelSession::Unindex(CATModelDocument* document) {
  const auto named = by_name_.find(document->StorageName().Characters());
  if (named != by_name_.end() && named->second == document) by_name_.erase(named);
  ++names_generation_;
  by_serial_.erase(document->Serial());
}

void CATModelSession::Rename(const CATUnicodeString& from, const CATUnicodeString& to) {
  const auto named = by_name_.find(from.Characters());
  if (named != by_name_.end()) {
    CATModelDocument* document = named->second;
    by_name_.erase(named);
    by_name_[to.Characters()] = document;
  }
  ++names_generation_;
  const auto rename = [&](CATModelLink& link) {
    if (link.Document() == from) link.Retarget(to);
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
    Unindex(document);
    document->Release();
  }
}
