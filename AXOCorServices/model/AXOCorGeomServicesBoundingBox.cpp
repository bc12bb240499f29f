// Bounding boxes of bodies, parts, product structures and geometrical
// elements.
#include <cmath>
#include <memory>
#include <vector>

#include "AXOCorGeomServices.h"
#include "AXOICorPartDocument.h"
#include "AXOICorProductSearch.h"
#include "CATDocument.h"
#include "CATI3DGeoVisu.h"
#include "CATIBodyRequest.h"
#include "CATIGeometricalElement.h"
#include "CATILinkableObject.h"
#include "CATIMovable.h"
#include "CATIPartRequest.h"
#include "CATIProduct.h"
#include "CATISpecObject.h"
#include "foundations/AXOCorAdoptedHandle.h"

namespace {

// A box is taken only when all six limits lie strictly inside this bound:
// larger boxes belong to unbounded geometry (an infinite plane).
constexpr double kCoordinateBound = 1e6;

// The reference products being expanded, outermost first: a product whose
// reference is among them contains itself.
using ProductPath = std::vector<CATBaseUnknown*>;

HRESULT AddBox(const CATBaseUnknown_var& object, CATMathBox& box, ProductPath& path);

void AddEach(const CATListValCATBaseUnknown_var& objects, CATMathBox& box, ProductPath& path) {
  for (int i = 1; i <= objects.Size(); ++i) AddBox(objects[i], box, path);
}

bool RepresentationIsHidden(const CATBaseUnknown_var& object) {
  const CATI3DGeoVisu_var visu(object);
  CATRep* rep = !visu ? nullptr : visu->GiveRep();
  return rep != nullptr && rep->GetGraphicAttributeSet().IsHidden() != 0;
}

// The six limits of `box` (x, y, z, each low then high); false, with
// `limits` untouched, for the empty box.
bool ReadLimits(const CATMathBox& box, double (&limits)[6]) {
  return SUCCEEDED(box.GetLimits(limits[0], limits[1], limits[2], limits[3], limits[4], limits[5]));
}

// Whether the element or one of its parents is hidden.
bool IsHidden(const CATBaseUnknown_var& element) {
  for (CATISpecObject_var object(element); !!object;
       object = AXOCorAdoptHandle<CATISpecObject>(object->GetFather())) {
    if (RepresentationIsHidden(object)) return true;
  }
  return false;
}

void AddGeometricalElement(const CATIGeometricalElement_var& element, CATMathBox& box) {
  if (IsHidden(element)) return;
  const CATBody_var body = element->GetBodyResult();
  if (!body) return;
  CATMathBox local;
  body->GetBoundingBox(local);
  double limits[6];
  if (!ReadLimits(local, limits)) return;
  for (double limit : limits) {
    if (!(std::fabs(limit) < kCoordinateBound)) return;
  }
  box.AddInside(local);
}

// The box of the part that the leaf product `product` stands for.
HRESULT AddLeafProduct(const CATIProduct_var& product, CATMathBox& local, ProductPath& path) {
  const CATIProduct_var reference =
      product->IsReference() != S_OK ? product->GetReferenceProduct() : product;
  const CATILinkableObject_var linkable(reference);
  CATDocument* document = !linkable ? nullptr : linkable->GetDocument();
  const AXOICorPartDocument_var part_document(document);
  const CATBaseUnknown_var part = !part_document ? nullptr : part_document->GetRootObject();
  if (!part) return E_FAIL;
  AddBox(part, local, path);
  return S_OK;
}

HRESULT AddProduct(const CATBaseUnknown_var& object, const CATIProduct_var& product,
                   CATMathBox& box, ProductPath& path) {
  const CATBaseUnknown_var content(product->GetReferenceProduct());
  for (CATBaseUnknown* entered : path) {
    if (entered == content) return E_FAIL;
  }
  path.push_back(content);
  CATMathBox local;
  const std::unique_ptr<CATListValCATBaseUnknown_var> children(product->GetChildren("CATIProduct"));
  HRESULT result = S_OK;
  if (children == nullptr) {
    result = AddLeafProduct(product, local, path);
  } else if (const AXOICorProductSearch_var search = object) {
    CATListValCATISpecObject_var found;
    search->FindProducts(found, 0);
    for (int i = 1; i <= found.Size(); ++i) AddBox(found[i], local, path);
  }
  path.pop_back();
  if (FAILED(result)) return result;
  const CATIMovable_var movable(product);
  double limits[6];
  if (!!movable && ReadLimits(local, limits)) {
    const CATMathTransformation position = movable->GetPosition();
    CATMathPoint low;
    CATMathPoint high;
    local.GetLowLimit(low);
    local.GetHighLimit(high);
    local = CATMathBox(position * low, position * high, 1);
  }
  box.AddInside(local);
  return S_OK;
}

HRESULT AddBox(const CATBaseUnknown_var& object, CATMathBox& box, ProductPath& path) {
  if (const CATIBodyRequest_var body = object) {
    CATListValCATBaseUnknown_var results;
    body->GetResults("", results);
    AddEach(results, box, path);
    return S_OK;
  }
  if (const CATIPartRequest_var part = object) {
    CATListValCATBaseUnknown_var bodies;
    part->GetAllBodies("", bodies);
    AddEach(bodies, box, path);
    return S_OK;
  }
  if (const CATIProduct_var product = object) return AddProduct(object, product, box, path);
  if (const CATIGeometricalElement_var element = object) {
    AddGeometricalElement(element, box);
    return S_OK;
  }
  return E_FAIL;
}

}  // namespace

HRESULT AXOCorGeomServices::GetBoundingBox(const CATBaseUnknown_var& object, CATMathBox& box) {
  ProductPath path;
  return AddBox(object, box, path);
}
