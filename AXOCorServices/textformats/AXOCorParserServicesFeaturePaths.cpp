// Feature paths resolved from the add-on's active element, and the file of
// the document that a product instance represents.
#include "AXOAttPackageBaseServices.h"
#include "AXOCorParserServices.h"
#include "CATAttributeInfos.h"
#include "CATIAttributesDescription.h"
#include "CATIInstance.h"
#include "CATIProduct.h"
#include "model/AXOCorFeatureTree.h"

namespace {

// The first direct child of `parent` that is a feature named `name`; null
// when there is none.
CATISpecObject_var ChildNamed(const CATISpecObject_var& parent, const CATUnicodeString& name) {
  CATListValCATISpecObject_var children;
  AXOCorAppendDescendants(parent, CATISpecObject::ClassName(), children);
  for (int i = 1; i <= children.Size(); ++i) {
    CATUnicodeString childName;
    if (AXOCorNameOf(children[i], childName) && childName == name) return children[i];
  }
  return CATISpecObject_var();
}

}  // namespace

bool AXOCorParserServices::GetFeatureFromPathElement(CATUnicodeString featurePath,
                                                     CATISpecObject_var& feature) {
  if (featurePath.GetLengthInChar() == 0) return false;
  feature = CATISpecObject_var();
  CATListValCATUnicodeString elements;
  ParseString(featurePath, "\\", elements);
  CATISpecObject_var active;
  AXOAttPackageBaseServices::GetActiveUIElement(active);
  CATUnicodeString activeName;
  if (!active || !AXOCorNameOf(active, activeName)) return false;
  const int start = elements.Locate(activeName);
  if (start == 0) return false;
  CATISpecObject_var current = active;
  CATISpecObject_var parent;
  for (int i = start; i <= elements.Size(); ++i) {
    parent = current;
    const CATISpecObject_var child = ChildNamed(current, elements[i]);
    if (!!child) current = child;
  }
  if (current->IsEqual(parent) == 1) return false;
  feature = current;
  return true;
}

HRESULT AXOCorParserServices::GetPartPath(const CATIProduct_var& product, CATUnicodeString& path) {
  path = "";
  const CATIAttributesDescription_var description(product);
  const CATIInstance_var instance(product);
  if (!description || !instance) return E_FAIL;
  CATAttributeInfos infos;
  if (FAILED(description->FindAttribute("DefaultRepSource", infos))) return E_FAIL;
  CATICkeInst* value = instance->GetValue(infos.Name());
  if (value == nullptr) return E_FAIL;
  path = value->AsString();
  value->Release();
  return S_OK;
}
