#include "PartCollection.h"

#include <memory>
#include <set>

#include "CATILinkableObject.h"
#include "ModelLookup.h"

namespace {

// Objects are known by their CATBaseUnknown pointer, which is the same for
// every interface of one object.
CATBaseUnknown* Identity(const CATBaseUnknown_var& object) {
  return object;
}

std::string Quoted(const CATIProduct_var& product) {
  return "\"" + std::string(product->GetPartNumber().ConvertToChar()) + "\"";
}

class Collector {
 public:
  explicit Collector(PartCollection& found) : found_(found) {}

  void Expand(const CATIProduct_var& product) {
    expanded_.insert(Identity(product));
    path_.push_back(product);
    const std::unique_ptr<CATListValCATBaseUnknown_var> children(product->GetChildren());
    for (int i = 1; children != nullptr && i <= children->Size(); ++i) {
      const CATIProduct_var instance((*children)[i]);
      const CATIProduct_var reference = !instance ? instance : instance->GetReferenceProduct();
      const CATILinkableObject_var linkable(reference);
      if (!linkable) continue;
      const CATIPrtPart_var part = PartOfDocument(linkable->GetDocument());
      if (!!part) {
        if (parts_.insert(Identity(part)).second) found_.parts.push_back(part);
      } else if (OnPath(reference)) {
        ReportCycle(reference);
      } else if (expanded_.count(Identity(reference)) == 0) {
        Expand(reference);
      }
    }
    path_.pop_back();
  }

 private:
  bool OnPath(const CATIProduct_var& product) const {
    for (const CATIProduct_var& entered : path_) {
      if (Identity(entered) == Identity(product)) return true;
    }
    return false;
  }

  void ReportCycle(const CATIProduct_var& product) {
    std::string text;
    bool inside = false;
    for (const CATIProduct_var& entered : path_) {
      inside = inside || Identity(entered) == Identity(product);
      if (inside) text += Quoted(entered) + " -> ";
    }
    found_.cycles.push_back(text + Quoted(product));
  }

  PartCollection& found_;
  std::vector<CATIProduct_var> path_;
  std::set<CATBaseUnknown*> expanded_;
  std::set<CATBaseUnknown*> parts_;
};

}  // namespace

PartCollection CollectParts(const CATIProduct_var& root) {
  PartCollection found;
  if (!!root) Collector(found).Expand(root);
  return found;
}
