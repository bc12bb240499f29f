#include "CATModelNode.h"

#include <stdexcept>

#include "CATCkeParmAdapter.h"
#include "CATError.h"
#include "CATIConnector.h"
#include "CATISpecAttrKey.h"
#include "CATModelAdapters.h"
#include "CATModelDocument.h"
#include "CATModelExplicitLists.h"
#include "CATModelInterfaces.h"
#include "CATModelProductData.h"
#include "CATModelSession.h"

namespace {

const CATInterfaceEntry kKeyInterfaces[] = {{&IID_CATISpecAttrKey, &CATMakeAttrKeyAdapter}};
const CATInterfaceEntry kConnectorInterfaces[] = {{&IID_CATIConnector, &CATMakeConnectorAdapter}};

}  // namespace

void CATModelFault::RaiseIfAsked() const {
  switch (kind) {
    case kRaises:
      CATThrow(new CATError(CATUnicodeString(message.c_str(), message.size())));
    case kThrows:
      throw std::runtime_error(message);
    case kNone:
    case kFails:
      break;
  }
}

CATModelAttrKey::CATModelAttrKey() : CATComponent(kKeyInterfaces) {}

CATModelConnector::CATModelConnector(CATModelNode* product, const CATModelLink& target)
    : CATComponent(kConnectorInterfaces), product(product), target(target) {}

CATModelProductData::~CATModelProductData() {
  for (CATModelConnector* connector : connectors) {
    connector->product = nullptr;
    connector->Release();
  }
}

void CATModelProductData::VisitLinks(const std::function<void(CATModelLink&)>& visit) {
  visit(reference);
  for (CATModelConnector* connector : connectors) visit(connector->target);
}

CATModelConnector* CATModelProductData::ConnectorFor(CATModelNode* product,
                                                     const CATModelLink& target) {
  for (CATModelConnector* connector : connectors) {
    if (connector->target == target) return connector;
  }
  connectors.push_back(new CATModelConnector(product, target));
  return connectors.back();
}

CATModelNode::CATModelNode(CATModelKind kind)
    : CATComponent(CATModelKindInfoOf(kind).interfaces.data(),
                   static_cast<int>(CATModelKindInfoOf(kind).interfaces.size())),
      kind_(kind) {
  if (auto make = CATModelKindInfoOf(kind).makeData) data_ = make();
}

CATModelNode::~CATModelNode() {
  for (CATModelNode* child : children_) {
    child->holder_ = nullptr;
    child->Release();
  }
  for (CATModelAttrKey* key : keys) key->Release();
}

const char* CATModelNode::IsA() const {
  return CATModelKindInfoOf(kind_).className;
}

CATModelNode* CATModelNode::Parent() const {
  return holder_ != nullptr && !CATModelIsContainer(holder_->kind_) ? holder_ : nullptr;
}

void CATModelNode::AppendChild(CATModelNode* child) {
  child->AddRef();
  child->holder_ = this;
  children_.push_back(child);
  if (CATModelDocument* document = Document()) document->IndexSubtree(child);
}

void CATModelNode::RemoveChild(CATModelNode* child) {
  for (auto it = children_.begin(); it != children_.end(); ++it) {
    if (*it != child) continue;
    if (CATModelDocument* document = Document()) document->UnindexSubtree(child);
    children_.erase(it);
    child->holder_ = nullptr;
    child->Release();
    return;
  }
}

CATModelNode* CATModelNode::TopContainer() {
  CATModelNode* node = this;
  while (node->holder_ != nullptr) node = node->holder_;
  return CATModelIsContainer(node->kind_) ? node : nullptr;
}

CATModelDocument* CATModelNode::Document() {
  CATModelNode* container = TopContainer();
  return container != nullptr ? container->document_ : nullptr;
}

CATModelNode* CATModelNode::NearestOfKind(CATModelKind kind) {
  for (CATModelNode* node = this; node != nullptr; node = node->Parent()) {
    if (node->kind_ == kind) return node;
  }
  return nullptr;
}

bool CATModelNode::Matches(const char* name) {
  if (name == nullptr || *name == '\0') return true;
  if (const IID* iid = CATModelFindInterface(name)) {
    void* out = nullptr;
    if (FAILED(QueryInterface(*iid, &out))) return false;
    static_cast<CATBaseUnknown*>(out)->Release();
    return true;
  }
  return type == name || Supertype() == name;
}

const CATUnicodeString& CATModelNode::Supertype() const {
  static const CATUnicodeString none;
  return rare_ != nullptr ? rare_->supertype : none;
}

void CATModelNode::SetSupertype(const CATUnicodeString& supertype) {
  if (rare_ != nullptr || supertype.GetLengthInChar() > 0) MutableRare().supertype = supertype;
}

const CATModelLink& CATModelNode::Owner() const {
  static const CATModelLink none;
  return rare_ != nullptr ? rare_->owner : none;
}

void CATModelNode::SetOwner(const CATModelLink& owner) {
  if (rare_ != nullptr || owner.IsSet()) MutableRare().owner = owner;
}

const CATModelFault& CATModelNode::UpdateFault() const {
  static const CATModelFault none;
  return rare_ != nullptr ? rare_->update_fault : none;
}

void CATModelNode::SetUpdateFault(const CATModelFault& fault) {
  if (rare_ != nullptr || fault.kind != CATModelFault::kNone) MutableRare().update_fault = fault;
}

CATModelNode::Rare& CATModelNode::MutableRare() {
  if (rare_ == nullptr) rare_ = std::make_unique<Rare>();
  return *rare_;
}

CATModelNode* CATModelNode::Follow(const CATModelLink& link) {
  if (!link.IsSet()) return nullptr;
  CATModelLink::Found& found = link.found_;
  CATModelDocument* document =
      link.Document().GetLengthInChar() == 0
          ? Document()
          : CATModelSession::Get().FindOpen(link.Document(), found.document);
  return document != nullptr ? document->FindNode(link.Id(), found.node) : nullptr;
}

CATModelLink CATModelNode::LinkTo(CATModelNode* target) {
  CATModelDocument* target_document = target != nullptr ? target->Document() : nullptr;
  if (target_document == nullptr) return CATModelLink();
  return CATModelLink(
      target_document != Document() ? target_document->StorageName() : CATUnicodeString(),
      target->id);
}

CATModelAttrKey* CATModelNode::AddKey(const CATUnicodeString& keyName, int keyKind, int elementKind,
                                      int quality) {
  CATModelAttrKey* key = new CATModelAttrKey();
  key->name = keyName;
  key->kind = keyKind;
  key->element_kind = elementKind;
  key->quality = quality;
  keys.push_back(key);
  return key;
}

void CATModelNode::VisitLinks(const std::function<void(CATModelLink&)>& visit) {
  for (CATModelLink& link : links) visit(link);
  if (rare_ != nullptr) visit(rare_->owner);
  if (data_ != nullptr) data_->VisitLinks(visit);
  if (explicit_lists_ != nullptr) explicit_lists_->VisitLinks(visit);
}

const CATModelExplicitList* CATModelNode::ExplicitList(CATTestList kind) const {
  if (explicit_lists_ == nullptr) return nullptr;
  const auto found = explicit_lists_->lists.find(kind);
  return found != explicit_lists_->lists.end() ? &found->second : nullptr;
}

void CATModelNode::SetExplicitList(CATTestList kind, const CATModelExplicitList& list) {
  if (explicit_lists_ == nullptr) explicit_lists_.reset(new CATModelExplicitLists());
  explicit_lists_->lists[kind] = list;
}

std::vector<CATModelNode*> CATModelNode::EntriesOf(const CATModelExplicitList& list) {
  std::vector<CATModelNode*> entries;
  for (const CATModelLink& entry : list.entries) entries.push_back(Follow(entry));
  return entries;
}

CATCkeParmState& CATModelNode::CkeParmState() {
  return Data<CATCkeParmState>();
}

void CATModelNode::NoData() const {
  throw std::logic_error(std::string("an object of kind '") + CATModelKindInfoOf(kind_).fileName +
                         "' holds no such data");
}
