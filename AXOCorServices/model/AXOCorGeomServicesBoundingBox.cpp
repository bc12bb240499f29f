// Bounding boxes of bodies, parts, product structures and geometrical
// elements.
#include <cmath>
#include <memory>
#include <unordered_map>
#include <utility>

#include "AXOCorGeomServices.h"
#include "AXOICorPartDocument.h"
#include "AXOICorProductSearch.h"
#include "CATDocument.h"
#include "CATIBodyRequest.h"
#include "CATIGeometricalElement.h"
#include "CATILinkableObject.h"
#include "CATIMovable.h"
#include "CATIPartRequest.h"
#include "CATIProduct.h"
#include "CATISpecObject.h"
#include "foundations/AXOCorAdoptedHandle.h"
#include "model/AXOCorPlacement.h"

namespace {

// A box is taken only when all six limits lie strictly inside this bound:
// larger boxes belong to unbounded geometry (an infinite plane).
constexpr double kCoordinateBound = 1e6;

// The six limits of `box` (x, y, z, each low then high); false, with
// `limits` untouched, for the empty box.
bool ReadLimits(const CATMathBox& box, double (&limits)[6]) {
  return SUCCEEDED(box.GetLimits(limits[0], limits[1], limits[2], limits[3], limits[4], limits[5]));
}

// Whether the element or one of its parents is hidden.
bool IsHidden(const CATBaseUnknown_var& element) {
  for (CATISpecObject_var object(element); !!object;
       object = AXOCorAdoptHandle<CATISpecObject>(object->GetFather())) {
    if (AXOCorRepresentationIsHidden(object)) return true;
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

// The walk of one call through the object's structure. A product's box in
// its own axes (before its position places it) depends on its reference
// product only: the children, the product search and the part all come
// from the reference. The walk keeps that box for each reference expanded
// and places it again for every further instance, so that each distinct
// product is expanded once per call, not once per occurrence; the corners
// placed are those of the same box, so the result is the one of the walk
// through every occurrence. A product whose reference is being expanded
// contains itself and is refused; the box of a reference in such a loop is
// kept as made at its first occurrence too, so that the walk stays linear
// in the structure's size even where the loop is reached along
// exponentially many paths.
class BoxWalk {
 public:
  HRESULT Add(const CATBaseUnknown_var& object, CATMathBox& box) {
    if (const CATIBodyRequest_var body = object) {
      CATListValCATBaseUnknown_var results;
      body->GetResults("", results);
      AddEach(results, box);
      return S_OK;
    }
    if (const CATIPartRequest_var part = object) {
      CATListValCATBaseUnknown_var bodies;
      part->GetAllBodies("", bodies);
      AddEach(bodies, box);
      return S_OK;
    }
    if (const CATIProduct_var product = object) return AddProduct(object, product, box);
    if (const CATIGeometricalElement_var element = object) {
      AddGeometricalElement(element, box);
      return S_OK;
    }
    return E_FAIL;
  }

 private:
  // A reference product's box in its own axes, and the result of making it.
  struct Expanded {
    CATBaseUnknown_var reference;  // keeps the key's object for the call
    HRESULT result = S_OK;
    CATMathBox local;
    bool expanding = false;  // being made: an instance met now contains itself
  };

  void AddEach(const CATListValCATBaseUnknown_var& objects, CATMathBox& box) {
    for (int i = 1; i <= objects.Size(); ++i) Add(objects[i], box);
  }

  // The box of the part that the leaf product `product` stands for.
  HRESULT AddLeafProduct(const CATIProduct_var& product, CATMathBox& local) {
    const CATIProduct_var reference =
        product->IsReference() != S_OK ? product->GetReferenceProduct() : product;
    const CATILinkableObject_var linkable(reference);
    CATDocument* document = !linkable ? nullptr : linkable->GetDocument();
    const AXOICorPartDocument_var part_document(document);
    const CATBaseUnknown_var part = !part_document ? nullptr : part_document->GetRootObject();
    if (!part) return E_FAIL;
    Add(part, local);
    return S_OK;
  }

  // The box of `product`'s content in its own axes: the boxes of the
  // products its search finds, or the part of a leaf. A product whose
  // search finds products has children; only one whose search finds none
  // has its children listed, to tell a leaf (no children) from an assembly
  // without products to place.
  Expanded Expand(const CATBaseUnknown_var& object, const CATIProduct_var& product) {
    Expanded expanded;
    CATListValCATISpecObject_var found;
    if (const AXOICorProductSearch_var search = object) search->FindProducts(found, 0);
    if (found.Size() == 0) {
      const std::unique_ptr<CATListValCATBaseUnknown_var> children(
          product->GetChildren("CATIProduct"));
      if (children == nullptr) expanded.result = AddLeafProduct(product, expanded.local);
      return expanded;
    }
    // The search finds products: each is placed as one at once, without
    // asking first whether it is a body or a part. Anything else it gives
    // is added as any object is.
    for (int i = 1; i <= found.Size(); ++i) {
      if (const CATIProduct_var child = found[i]) {
        AddProduct(found[i], child, expanded.local);
      } else {
        Add(found[i], expanded.local);
      }
    }
    return expanded;
  }

  HRESULT AddProduct(const CATBaseUnknown_var& object, const CATIProduct_var& product,
                     CATMathBox& box) {
    const CATBaseUnknown_var content(product->GetReferenceProduct());
    CATBaseUnknown* const key = content;
    Expanded made;
    const Expanded* expanded = &made;
    if (key == nullptr) {
      made = Expand(object, product);
    } else {
      const auto [kept, first] = expanded_.try_emplace(key);
      Expanded& entry = kept->second;
      if (!first && entry.expanding) return E_FAIL;  // contains itself
      if (first) {
        entry.expanding = true;
        Expanded result = Expand(object, product);
        result.reference = content;
        entry = std::move(result);
      }
      expanded = &entry;
    }
    if (FAILED(expanded->result)) return expanded->result;
    CATMathBox local = expanded->local;
    const CATIMovable_var movable(product);
    if (!!movable) local = AXOCorPlaceLowAndHigh(local, movable->GetPosition());
    box.AddInside(local);
    return S_OK;
  }

  std::unordered_map<CATBaseUnknown*, Expanded> expanded_;
};

}  // namespace

HRESULT AXOCorGeomServices::GetBoundingBox(const CATBaseUnknown_var& object, CATMathBox& box) {
  return BoxWalk().Add(object, box);
}
