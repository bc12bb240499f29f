#include "model/AXOCorFeatureTree.h"

#include "CATIAlias.h"
#include "CATIDescendants.h"

bool AXOCorNameOf(CATBaseUnknown* object, CATUnicodeString& name) {
  const CATIAlias_var alias(object);
  if (!alias) return false;
  name = alias->GetAlias();
  return true;
}

bool AXOCorAppendDescendants(const CATBaseUnknown_var& object, const char* selector,
                             CATListValCATISpecObject_var& children) {
  const CATIDescendants_var descendants(object);
  if (!descendants) return false;
  descendants->GetDirectChildren(selector, children);
  return true;
}
