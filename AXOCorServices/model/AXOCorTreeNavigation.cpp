// Moving about the host's model: the active part, the same-part test, the
// children of products and features, the root of the edited document.
#include <memory>

#include "AXOCorGlobalServices.h"
#include "AXOCorServices.h"
#include "AXOICorPartDocument.h"
#include "AXOICorProductDocument.h"
#include "CATDocument.h"
#include "CATFrmEditor.h"
#include "CATIContainer.h"
#include "CATIDocId.h"
#include "CATILinkableObject.h"
#include "CATIProduct.h"
#include "CATIPrtContainer.h"
#include "CATIPrtPart.h"
#include "CATInit.h"
#include "model/AXOCorFeatureTree.h"

namespace {

// The part of the container that holds `feature`'s tree; null when that is
// no part container or holds no part.
CATIPrtPart_var PartOfContainer(const CATISpecObject_var& feature) {
  CATIContainer* container = feature->GetFeatContainer();
  const CATIPrtContainer_var partContainer(container);
  if (container != nullptr) container->Release();
  if (!partContainer) return CATIPrtPart_var();
  return CATIPrtPart_var(partContainer->GetPart());
}

// The type of `document` ("CATPart" ...); empty when it has no identifier.
CATUnicodeString TypeOf(CATDocument* document) {
  CATUnicodeString type;
  CATIDocId* id = nullptr;
  if (SUCCEEDED(document->GetDocId(&id)) && id != nullptr) {
    id->GetType(type);
    id->Release();
  }
  return type;
}

// The part of the part document that holds the reference of `instance`,
// appended to `children`; nothing for a reference in no open document or
// in a document of another type.
void AppendPartOfReference(const CATIProduct_var& instance,
                           CATListValCATISpecObject_var& children) {
  const CATILinkableObject_var linkable(instance->GetReferenceProduct());
  CATDocument* document = !linkable ? nullptr : linkable->GetDocument();
  if (document == nullptr || TypeOf(document) != "CATPart") return;
  const CATInit_var init(document);
  if (!init) return;
  CATBaseUnknown* container = init->GetRootContainer("CATIPrtContainer");
  const CATIPrtContainer_var partContainer(container);
  if (container != nullptr) container->Release();
  if (!partContainer) return;
  const CATIPrtPart_var part(partContainer->GetPart());
  if (!!part) children.Append(CATISpecObject_var(part));
}

}  // namespace

CATISpecObject_var AXOCorGlobalServices::GetActivePart() {
  const CATFrmEditor* editor = CATFrmEditor::GetCurrentEditor();
  if (editor == nullptr) return CATISpecObject_var();
  const CATPathElement path = editor->GetUIActiveObject();
  CATBaseUnknown* part = path.Search(IID_CATIPrtPart);
  const CATISpecObject_var result(part);
  if (part != nullptr) part->Release();
  return result;
}

bool AXOCorGlobalServices::IsSamePart(const CATISpecObject_var& first,
                                      const CATISpecObject_var& second) {
  if (!first || !second) return false;
  const CATIPrtPart_var firstPart = PartOfContainer(first);
  if (!firstPart) return false;
  const CATIPrtPart_var secondPart = PartOfContainer(second);
  return !!secondPart && firstPart == secondPart;
}

CATISpecObject_var GetSpecObjectParent(const CATISpecObject_var&) {
  return CATISpecObject_var();
}

void GetDirectChildrenSpecObj(const CATISpecObject_var& object,
                              CATListValCATISpecObject_var& children) {
  const CATIProduct_var product(object);
  if (!!product) {
    const std::unique_ptr<CATListValCATBaseUnknown_var> products(
        product->GetChildren("CATIProduct"));
    if (products == nullptr) {
      // A leaf: a reference has no children; an instance shows the part of
      // a part document, and nothing below it.
      if (product->IsReference() == E_FAIL) AppendPartOfReference(product, children);
      return;
    }
    for (int i = 1; i <= products->Size(); ++i) {
      children.Append(CATISpecObject_var((*products)[i]));
    }
  }
  AXOCorAppendDescendants(object, CATISpecObject::ClassName(), children);
}

CATISpecObject_var GetDocRoot() {
  const CATFrmEditor* editor = CATFrmEditor::GetCurrentEditor();
  CATDocument* document = editor == nullptr ? nullptr : editor->GetDocument();
  if (document == nullptr) return CATISpecObject_var();
  const AXOICorProductDocument_var productDocument(document);
  if (!!productDocument) return CATISpecObject_var(productDocument->GetRootObject());
  const AXOICorPartDocument_var partDocument(document);
  if (!!partDocument) return CATISpecObject_var(partDocument->GetRootObject());
  return CATISpecObject_var();
}
