#include "ModelLookup.h"

#include <memory>

#include "AXOCorParserServices.h"
#include "CATAdopt.h"
#include "CATDocument.h"
#include "CATIAlias.h"
#include "CATIContainer.h"
#include "CATIDescendants.h"
#include "CATILinkableObject.h"
#include "CATIPrtContainer.h"
#include "CATInit.h"

namespace {

// The first container of `document` that offers `interfaceName`, as a
// handle of I.
template <class I>
CATHandle<I> RootContainer(CATDocument* document, const char* interfaceName) {
  const CATInit_var init(document);
  const CATHandle<I> container =
      CATAdoptHandle<I>(!init ? nullptr : init->GetRootContainer(interfaceName));
  return container;
}

bool HasName(const CATBaseUnknown_var& object, const CATUnicodeString& name) {
  const CATIAlias_var alias(object);
  return !!alias && alias->GetAlias() == name;
}

std::string Quoted(const CATUnicodeString& name) {
  return std::string("\"") + name.ConvertToChar() + "\"";
}

// The instance named `name` among the children of `product`; null.
CATIProduct_var ChildInstance(const CATIProduct_var& product, const CATUnicodeString& name) {
  const std::unique_ptr<CATListValCATBaseUnknown_var> children(product->GetChildren());
  for (int i = 1; children != nullptr && i <= children->Size(); ++i) {
    if (HasName((*children)[i], name)) return (*children)[i];
  }
  return CATIProduct_var();
}

// The direct child named `name` of `feature`; null.
CATISpecObject_var ChildFeature(const CATISpecObject_var& feature, const CATUnicodeString& name) {
  const CATIDescendants_var descendants(feature);
  if (!descendants) return CATISpecObject_var();
  CATListValCATISpecObject_var children;
  descendants->GetDirectChildren("CATISpecObject", children);
  for (int i = 1; i <= children.Size(); ++i) {
    if (HasName(children[i], name)) return children[i];
  }
  return CATISpecObject_var();
}

// The part of the document that holds `product`'s reference; null.
CATIPrtPart_var PartOfInstance(const CATIProduct_var& instance) {
  const CATILinkableObject_var linkable(instance->GetReferenceProduct());
  return !linkable ? CATIPrtPart_var() : PartOfDocument(linkable->GetDocument());
}

}  // namespace

CATIPrtPart_var PartOfDocument(CATDocument* document) {
  const CATIPrtContainer_var container =
      RootContainer<CATIPrtContainer>(document, "CATIPrtContainer");
  return !container ? CATIPrtPart_var() : CATIPrtPart_var(container->GetPart());
}

CATIProduct_var RootProductOfDocument(CATDocument* document) {
  const CATIContainer_var container = RootContainer<CATIContainer>(document, "CATIContainer");
  if (!container) return CATIProduct_var();
  CATListValCATBaseUnknown_var products;
  container->ListMembersHere("CATIProduct", products);
  return products.Size() > 0 ? CATIProduct_var(products[1]) : CATIProduct_var();
}

CATISpecObject_var FindFeatureByPath(CATDocument* document, const std::string& path,
                                     CATIPrtPart_var& part, std::string& fault) {
  CATListValCATUnicodeString names;
  AXOCorParserServices::ParseString(path.c_str(), "\\", names);
  int next = 1;
  while (next <= names.Size() && names[next].GetLengthInChar() == 0) ++next;
  part = PartOfDocument(document);
  if (!part) {
    const CATIProduct_var root = RootProductOfDocument(document);
    if (!root || next > names.Size()) {
      fault = "the path must start with an instance of the document's root product";
      return CATISpecObject_var();
    }
    const CATIProduct_var instance = ChildInstance(root, names[next]);
    if (!instance) {
      fault = "no instance " + Quoted(names[next]) + " below the root product";
      return CATISpecObject_var();
    }
    part = PartOfInstance(instance);
    if (!part) {
      fault = "instance " + Quoted(names[next]) + " is of no part that could be opened";
      return CATISpecObject_var();
    }
    ++next;
  }
  CATISpecObject_var feature(part);
  for (; next <= names.Size(); ++next) {
    if (names[next].GetLengthInChar() == 0) continue;
    const CATISpecObject_var child = ChildFeature(feature, names[next]);
    if (!child) {
      const CATIAlias_var parent(feature);
      fault = "no feature " + Quoted(names[next]) + " below " +
              (!parent ? std::string("an object without name") : Quoted(parent->GetAlias()));
      return CATISpecObject_var();
    }
    feature = child;
  }
  return feature;
}
