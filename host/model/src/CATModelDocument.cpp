// Documents: their interfaces by type, their identifier, their containers
// and the index of their objects' ids.
#include "CATModelDocument.h"

#include <atomic>
#include <cstdint>
#include <cstring>
#include <vector>

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATHostPath.h"
#include "CATIContainerOfDocument.h"
#include "CATIDocId.h"
#include "CATInit.h"
#include "CATModelAdapters.h"
#include "CATModelInterfaces.h"

namespace {

// ---- Identifier ---------------------------------------------------------------

class CATModelDocId;

class DocIdAdapter : public CATAdapterOf<CATIDocId, CATModelDocId> {
 public:
  using CATAdapterOf::CATAdapterOf;
  HRESULT GetType(CATUnicodeString& type) override;
};

const CATInterfaceEntry kDocIdInterfaces[] = {{&IID_CATIDocId, &CATNewAdapter<DocIdAdapter>}};

class CATModelDocId : public CATComponent {
 public:
  explicit CATModelDocId(const CATUnicodeString& type)
      : CATComponent(kDocIdInterfaces), type(type) {}
  const char* IsA() const override { return "CATModelDocId"; }
  const CATUnicodeString type;
};

HRESULT DocIdAdapter::GetType(CATUnicodeString& type) {
  type = Object()->type;
  return S_OK;
}

// ---- Interfaces of documents ------------------------------------------------------

class InitAdapter : public CATAdapterOf<CATInit, CATModelDocument> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATBaseUnknown* GetRootContainer(const char* interfaceName) override {
    const IID* iid = interfaceName != nullptr ? CATModelFindInterface(interfaceName) : nullptr;
    if (iid == nullptr) return nullptr;
    for (CATModelNode* container : Object()->Containers()) {
      void* out = nullptr;
      if (SUCCEEDED(container->QueryInterface(*iid, &out)))
        return static_cast<CATBaseUnknown*>(out);
    }
    return nullptr;
  }
};

// The interfaces of a document by its type; documents of any other type
// offer those of the last row.
struct DocumentType {
  const char* type;
  std::vector<CATInterfaceEntry> interfaces;
};

std::vector<DocumentType>& DocumentTypes() {
  static std::vector<DocumentType> types = {
      {"CATPart",
       {{&IID_CATInit, &CATMakeInitAdapter},
        {&IID_CATIContainerOfDocument, &CATMakeContainerOfDocumentAdapter}}},
      {"CATProduct", {{&IID_CATInit, &CATMakeInitAdapter}}},
      {nullptr, {{&IID_CATInit, &CATMakeInitAdapter}}},
  };
  return types;
}

DocumentType& TypeOf(const CATUnicodeString& type) {
  for (DocumentType& row : DocumentTypes()) {
    if (row.type == nullptr || type == row.type) return row;
  }
  return DocumentTypes().back();  // not reached: the last row takes every type
}

long NextSerial() {
  static std::atomic<long> serial{0};
  return ++serial;
}

std::uint64_t NextIdsStamp() {
  static std::atomic<std::uint64_t> stamp{0};
  return ++stamp;
}

}  // namespace

CATBaseUnknown* CATMakeInitAdapter(CATBaseUnknown* document) {
  return CATNewAdapter<InitAdapter>(document);
}
const CATInterfaceEntry* CATModelDocumentInterfaces(const CATUnicodeString& type, int& count) {
  const std::vector<CATInterfaceEntry>& interfaces = TypeOf(type).interfaces;
  count = static_cast<int>(interfaces.size());
  return interfaces.data();
}

void CATModelAddDocumentInterface(const char* type, const CATInterfaceEntry& entry) {
  TypeOf(type).interfaces.push_back(entry);
}

CATModelDocument::CATModelDocument(const CATUnicodeString& type)
    : CATDocument(TypeOf(type).interfaces.data(), static_cast<int>(TypeOf(type).interfaces.size())),
      type_(type),
      serial_(NextSerial()),
      ids_stamp_(NextIdsStamp()) {}

CATModelDocument::~CATModelDocument() {
  if (result_container_ != nullptr) result_container_->Release();
  for (CATModelNode* container : containers_) {
    container->SetOwningDocument(nullptr);
    container->Release();
  }
}

HRESULT CATModelDocument::GetDocId(CATIDocId** id) {
  if (id == nullptr) return E_INVALIDARG;
  *id = CATAdoptAs<CATIDocId>(new CATModelDocId(type_));
  return *id != nullptr ? S_OK : E_OUTOFMEMORY;
}

CATModelNode* CATModelDocument::AppendContainer(CATModelNode* container) {
  container->AddRef();
  container->SetOwningDocument(this);
  containers_.push_back(container);
  return IndexSubtree(container);
}

CATModelNode* CATModelDocument::FirstTopLevel(CATModelKind kind) const {
  for (CATModelNode* container : containers_) {
    for (CATModelNode* node : container->Children()) {
      if (node->Kind() == kind) return node;
    }
  }
  return nullptr;
}

CATModelNode* CATModelDocument::FindNode(const std::string& id) const {
  const auto it = ids_.find(id);
  return it != ids_.end() ? it->second : nullptr;
}

CATModelNode* CATModelDocument::FindNode(const std::string& id, CATModelNodeMemo& memo) const {
  if (memo.ids_stamp == ids_stamp_) return memo.node;
  CATModelNode* node = FindNode(id);
  memo = CATModelNodeMemo{ids_stamp_, node};
  return node;
}

std::string CATModelDocument::NewId() {
  for (;; ++next_id_) {
    std::string id = std::to_string(next_id_);
    if (ids_.count(id) == 0) {
      ++next_id_;
      return id;
    }
  }
}

CATModelNode* CATModelDocument::IndexSubtree(CATModelNode* node) {
  CATModelNode* taken = nullptr;
  if (!node->id.empty()) {
    const auto placed = ids_.emplace(node->id, node);
    if (placed.second) {
      ids_stamp_ = NextIdsStamp();
    } else if (placed.first->second != node) {
      taken = node;
    }
  }
  for (CATModelNode* child : node->Children()) {
    CATModelNode* below = IndexSubtree(child);
    if (taken == nullptr) taken = below;
  }
  return taken;
}

void CATModelDocument::UnindexSubtree(CATModelNode* node) {
  const auto it = ids_.find(node->id);
  if (it != ids_.end() && it->second == node) {
    ids_.erase(it);
    ids_stamp_ = NextIdsStamp();
  }
  for (CATModelNode* child : node->Children()) UnindexSubtree(child);
}

CATUnicodeString CATModelStorageName(const CATUnicodeString& path) {
  const std::string normal = CATHostPathNormal(
      std::string(path.ConvertToChar(), static_cast<size_t>(path.GetLengthInByte())));
  return CATUnicodeString(normal.data(), normal.size());
}

CATModelDocument* CATModelDocumentOf(CATDocument* document) {
  return dynamic_cast<CATModelDocument*>(document);
}
