// The add-on's interfaces served by objects of the model: logical nodes
// list their members, products search the products below them, and part
// and product documents give their root object. Registered into the
// model's kinds and document types when the stand-in is loaded.
#include <memory>
#include <set>

#include "AXOIAttLogical.h"
#include "AXOICorPartDocument.h"
#include "AXOICorProductDocument.h"
#include "AXOICorProductSearch.h"
#include "CATAdapter.h"
#include "CATIProduct.h"
#include "CATModelDocument.h"
#include "CATModelExplicitLists.h"
#include "CATModelInterfaces.h"
#include "CATModelKinds.h"
#include "CATModelNode.h"

namespace {

// A list that a test gave: its entries appended, S_OK; E_FAIL, nothing
// appended, when it stands for "no list".
template <class Handle>
HRESULT AppendGiven(CATModelNode* holder, const CATModelExplicitList& given,
                    CATListVal<Handle>& out) {
  if (!given.exists) return E_FAIL;
  CATModelAppendEntries(holder, given, out);
  return S_OK;
}

class AttLogical : public CATAdapterOf<AXOIAttLogical, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  HRESULT ListMembers(CATListValCATBaseUnknown_var& members) override {
    if (const CATModelExplicitList* given = Object()->ExplicitList(CATTestList::kMembers)) {
      return AppendGiven(Object(), *given, members);
    }
    for (CATModelNode* child : Object()->Children()) members.Append(child);
    return S_OK;
  }
};

class ProductSearch : public CATAdapterOf<AXOICorProductSearch, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  HRESULT FindProducts(CATListValCATISpecObject_var& found, int allLevels) override {
    const CATModelExplicitList* given = Object()->ExplicitList(CATTestList::kSearchResults);
    if (given != nullptr) return AppendGiven(Object(), *given, found);
    const CATIProduct_var product(Object());
    if (!product || !product->GetReferenceProduct()) return E_FAIL;
    std::set<CATBaseUnknown*> searched;
    Search(product, allLevels != 0, searched, found);
    return S_OK;
  }

 private:
  // Appends the products below `product` unless the content of its
  // reference was searched already.
  static void Search(const CATIProduct_var& product, bool allLevels,
                     std::set<CATBaseUnknown*>& searched, CATListValCATISpecObject_var& found) {
    const CATBaseUnknown_var content(product->GetReferenceProduct());
    if (!content || !searched.insert(content).second) return;
    const std::unique_ptr<CATListValCATBaseUnknown_var> children(
        product->GetChildren("CATIProduct"));
    for (int i = 1; children != nullptr && i <= children->Size(); ++i) {
      const CATISpecObject_var child((*children)[i]);
      if (!!child) found.Append(child);
      if (allLevels) Search((*children)[i], true, searched, found);
    }
  }
};

class PartDocument : public CATAdapterOf<AXOICorPartDocument, CATModelDocument> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATBaseUnknown_var GetRootObject() override {
    return Object()->FirstTopLevel(CATModelKind::kPart);
  }
};

class ProductDocument : public CATAdapterOf<AXOICorProductDocument, CATModelDocument> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATBaseUnknown_var GetRootObject() override {
    return Object()->FirstTopLevel(CATModelKind::kProduct);
  }
};

void RegisterAddOnInterfaces() {
  CATModelAddKindInterface(CATModelKind::kLogical,
                           {&IID_AXOIAttLogical, &CATNewAdapter<AttLogical>});
  CATModelAddKindInterface(CATModelKind::kProduct,
                           {&IID_AXOICorProductSearch, &CATNewAdapter<ProductSearch>});
  CATModelAddDocumentInterface("CATPart", {&IID_AXOICorPartDocument, &CATNewAdapter<PartDocument>});
  CATModelAddDocumentInterface("CATProduct",
                               {&IID_AXOICorProductDocument, &CATNewAdapter<ProductDocument>});
  CATModelRegisterInterfaces<AXOICorProductDocument, AXOICorPartDocument, AXOIAttLogical,
                             AXOICorProductSearch>();
}

const CATModelRegistration kAddOnInterfaces(&RegisterAddOnInterfaces);

}  // namespace
