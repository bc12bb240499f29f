#include "ModelLookup.h"

#include <charconv>
#include <memory>

#include "AXOCorGeomServices.h"
#include "AxocorNearNames.h"

#include "CATAdopt.h"
#include "CATDocument.h"
#include "CATIAlias.h"
#include "CATIContainer.h"
#include "CATIDescendants.h"
#include "CATILinkableObject.h"
#include "CATIMovable.h"
#include "CATIPrtContainer.h"
#include "CATInit.h"
#include "model/AXOCorPlacement.h"

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

// The names of `path`, split at "\" and "/", empty ones left out.
std::vector<std::string> PathNames(const std::string& path) {
  std::vector<std::string> names;
  std::string name;
  for (const char c : path + "\\") {
    if (c != '\\' && c != '/') {
      name += c;
    } else if (!name.empty()) {
      names.push_back(name);
      name.clear();
    }
  }
  return names;
}

// The file name of the document that holds `object`, for messages.
std::string DocumentFileName(const CATBaseUnknown_var& object) {
  const CATILinkableObject_var linkable(object);
  CATDocument* document = !linkable ? nullptr : linkable->GetDocument();
  if (document == nullptr) return "no document";
  const std::string storage = document->StorageName().ConvertToChar();
  return storage.substr(storage.find_last_of("\\/") + 1);
}

}  // namespace

namespace {

void AppendFeatures(const CATBaseUnknown_var& feature, std::vector<CATBaseUnknown_var>& next) {
  const CATIDescendants_var descendants(feature);
  if (!descendants) return;
  CATListValCATISpecObject_var children;
  descendants->GetDirectChildren("CATISpecObject", children);
  for (int i = 1; i <= children.Size(); ++i) next.push_back(CATBaseUnknown_var(children[i]));
}

// True when `product` has child products.
bool IsAssembly(const CATIProduct_var& product) {
  const std::unique_ptr<CATListValCATBaseUnknown_var> children(product->GetChildren("CATIProduct"));
  return children != nullptr && children->Size() > 0;
}

// The target that `child`, found after `from`, names.
ModelTarget Step(const ModelTarget& from, const CATBaseUnknown_var& child) {
  ModelTarget next;
  next.object = child;
  next.name = NameOf(child);
  next.part = from.part;
  next.positions = from.positions;
  if (!!from.instance) {
    const CATIMovable_var movable(from.instance);
    if (!!movable) next.positions.push_back(movable->GetPosition());
    if (!IsAssembly(from.instance)) next.part = PartOfInstance(from.instance);
  }
  const CATIProduct_var product(child);
  if (!!product && product->IsReference() != S_OK) {
    next.instance = product;
    next.part = CATIPrtPart_var();
  }
  return next;
}

// What to say when `name` is none of `names`, those below `at`: the names
// near it; else, at a root product, that a path starts with one of its
// instances; else the names there are.
std::string WhatLiesBelow(const ModelTarget& at, const std::string& name,
                          const std::vector<std::string>& names) {
  const std::string near = DidYouMean(NearNames(name, names));
  if (!near.empty()) return near;
  if (!at.part && !at.instance) {
    return names.empty() ? "; the product holds no instance"
                         : "; from a product, start with an instance: " + ListedNames(names);
  }
  return names.empty() ? "; nothing lies below it" : "; the names below it: " + ListedNames(names);
}

}  // namespace

const char kFeaturePathHelp[] =
    "Object below the document's root, names separated by \\ or / (\"Room.2\\Level "
    "1\\Wall.1\" in a product, \"Level 1\\Wall.1\" in a part); none: the root";

std::string NameOf(const CATBaseUnknown_var& object) {
  const CATIAlias_var alias(object);
  return !alias ? std::string() : std::string(alias->GetAlias().ConvertToChar());
}

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

CATIPrtPart_var PartOfInstance(const CATIProduct_var& instance) {
  const CATILinkableObject_var linkable(instance->GetReferenceProduct());
  return !linkable ? CATIPrtPart_var() : PartOfDocument(linkable->GetDocument());
}

CATBaseUnknown_var ChildrenHolder(const ModelTarget& target) {
  if (!target.instance || IsAssembly(target.instance)) return target.object;
  return CATBaseUnknown_var(PartOfInstance(target.instance));
}

std::vector<CATBaseUnknown_var> NextOnPath(const ModelTarget& target) {
  std::vector<CATBaseUnknown_var> next;
  const CATBaseUnknown_var holder = ChildrenHolder(target);
  const CATIProduct_var product(holder);
  if (!product) {
    AppendFeatures(holder, next);
    return next;
  }
  const std::unique_ptr<CATListValCATBaseUnknown_var> children(product->GetChildren("CATIProduct"));
  for (int i = 1; children != nullptr && i <= children->Size(); ++i) {
    next.push_back((*children)[i]);
  }
  return next;
}

bool FindByPath(CATDocument* document, const std::string& path, ModelTarget& target,
                std::string& fault) {
  ModelTarget at;
  at.part = PartOfDocument(document);
  at.object =
      !at.part ? CATBaseUnknown_var(RootProductOfDocument(document)) : CATBaseUnknown_var(at.part);
  if (!at.object) {
    fault = "the document holds no part and no product";
    return false;
  }
  at.name = NameOf(at.object);
  for (const std::string& name : PathNames(path)) {
    if (!!at.instance && !IsAssembly(at.instance) && !PartOfInstance(at.instance)) {
      fault = "instance \"" + at.name + "\" in " + DocumentFileName(at.object) +
              " is of no part that could be opened";
      return false;
    }
    bool found = false;
    std::vector<std::string> names;
    for (const CATBaseUnknown_var& child : NextOnPath(at)) {
      names.push_back(NameOf(child));
      if (names.back() != name) continue;
      at = Step(at, child);
      found = true;
      break;
    }
    if (!found) {
      fault = "no feature \"" + name + "\" below \"" + at.name + "\" in " +
              DocumentFileName(at.object) + WhatLiesBelow(at, name, names);
      return false;
    }
  }
  target = at;
  return true;
}

CATMathTransformation PlacementOf(const ModelTarget& target) {
  CATMathTransformation placement;
  for (const CATMathTransformation& position : target.positions) {
    placement = AXOCorNestPositions(placement, position);
  }
  return placement;
}

bool PlacedBoxOf(const ModelTarget& target, CATMathBox& box) {
  CATMathBox local;
  if (FAILED(AXOCorGeomServices::GetBoundingBox(target.object, local))) return false;
  for (auto position = target.positions.rbegin(); position != target.positions.rend(); ++position) {
    local = AXOCorPlaceLowAndHigh(local, *position);
  }
  box = local;
  return true;
}

std::string CoordinateText(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0);
  return std::string(buffer, end.ptr);
}
