// The interfaces of containers and parts.
#include "CATAdapter.h"
#include "CATIContainer.h"
#include "CATIPrtContainer.h"
#include "CATIPrtPart.h"
#include "CATIRedrawEvent.h"
#include "CATModelAdapters.h"
#include "CATModelDocument.h"
#include "CATModelInterfaces.h"
#include "CATModelProductData.h"

namespace {

class Container : public CATAdapterOf<CATIContainer, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  void ListMembersHere(const char* interfaceName, CATListValCATBaseUnknown_var& members) override {
    const IID* iid =
        interfaceName != nullptr ? CATModelFindInterface(interfaceName) : &IID_CATBaseUnknown;
    if (iid == nullptr) return;
    for (CATModelNode* node : Object()->Children()) {
      void* out = nullptr;
      if (FAILED(node->QueryInterface(*iid, &out))) continue;
      CATBaseUnknown* member = static_cast<CATBaseUnknown*>(out);
      members.Append(member);
      member->Release();
    }
  }
};

class PrtContainer : public CATAdapterOf<CATIPrtContainer, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATISpecObject_var GetPart() override {
    for (CATModelNode* node : Object()->Children()) {
      if (node->Kind() == CATModelKind::kPart) return node;
    }
    return CATISpecObject_var();
  }
};

class PrtPart : public CATAdapterOf<CATIPrtPart, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATBaseUnknown_var GetProduct() override {
    CATModelDocument* document = Object()->Document();
    if (document == nullptr) return CATBaseUnknown_var();
    return document->FirstTopLevel(CATModelKind::kProduct);
  }
};

class RedrawEvent : public CATAdapterOf<CATIRedrawEvent, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  void Redraw() override { ++Object()->Data<CATModelPartData>().redraws; }
};

}  // namespace

CATBaseUnknown* CATMakeContainerAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<Container>(node);
}
CATBaseUnknown* CATMakePrtContainerAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<PrtContainer>(node);
}
CATBaseUnknown* CATMakePrtPartAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<PrtPart>(node);
}
CATBaseUnknown* CATMakeRedrawEventAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<RedrawEvent>(node);
}
