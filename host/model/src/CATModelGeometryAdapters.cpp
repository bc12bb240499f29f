// The geometric interfaces of the model's objects: results of features,
// bodies of parts, representations, positions of products and the search
// below a product.
#include <memory>
#include <set>

#include "CATAdapter.h"
#include "CATI3DGeoVisu.h"
#include "CATIBodyRequest.h"
#include "CATIGeometricalElement.h"
#include "CATIMovable.h"
#include "CATIPartRequest.h"
#include "CATIProduct.h"
#include "CATModelAdapters.h"
#include "CATModelProductData.h"

namespace {

// Appends the children of `node` that offer `iid` and match `type`.
void AppendChildren(CATModelNode* node, const IID& iid, const CATUnicodeString& type,
                    CATListValCATBaseUnknown_var& list) {
  for (CATModelNode* child : node->Children()) {
    void* out = nullptr;
    if (!child->Matches(type.ConvertToChar()) || FAILED(child->QueryInterface(iid, &out))) {
      continue;
    }
    CATBaseUnknown* object = static_cast<CATBaseUnknown*>(out);
    list.Append(object);
    object->Release();
  }
}

class GeometricalElement : public CATAdapterOf<CATIGeometricalElement, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATBody_var GetBodyResult() override { return Object()->Data<CATGeoShownData>().result; }
};

class GeoVisu : public CATAdapterOf<CATI3DGeoVisu, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATRep* GiveRep() override { return Object()->Data<CATGeoShownData>().rep.get(); }
};

class BodyRequest : public CATAdapterOf<CATIBodyRequest, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  HRESULT GetResults(const CATUnicodeString& type, CATListValCATBaseUnknown_var& results) override {
    AppendChildren(Object(), IID_CATIGeometricalElement, type, results);
    return S_OK;
  }
};

class PartRequest : public CATAdapterOf<CATIPartRequest, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  HRESULT GetAllBodies(const CATUnicodeString& type,
                       CATListValCATBaseUnknown_var& bodies) override {
    AppendChildren(Object(), IID_CATIBodyRequest, type, bodies);
    return S_OK;
  }
};

class Movable : public CATAdapterOf<CATIMovable, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATMathTransformation GetPosition() override {
    return Object()->Data<CATModelProductData>().position;
  }
};

}  // namespace

CATBaseUnknown* CATMakeGeometricalElementAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<GeometricalElement>(node);
}
CATBaseUnknown* CATMake3DGeoVisuAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<GeoVisu>(node);
}
CATBaseUnknown* CATMakeBodyRequestAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<BodyRequest>(node);
}
CATBaseUnknown* CATMakePartRequestAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<PartRequest>(node);
}
CATBaseUnknown* CATMakeMovableAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<Movable>(node);
}
