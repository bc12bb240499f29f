// The interfaces of features: the feature itself, name, children, part,
// stamps, attributes and links, document, logical members, parameters.
#include <set>

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATCkeParmAdapter.h"
#include "CATIAlias.h"
#include "CATIContainer.h"
#include "CATIDescendants.h"
#include "CATILinkableObject.h"
#include "CATIMechanicalFeature.h"
#include "CATISpecAttrAccess.h"
#include "CATISpecAttrKey.h"
#include "CATISpecUpdate.h"
#include "CATModelAdapters.h"
#include "CATModelDocument.h"
#include "CATModelExplicitLists.h"
#include "CATModelNode.h"

namespace {

class SpecObject : public CATAdapterOf<CATISpecObject, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATISpecObject* GetFather() override {
    return CATNewReference<CATISpecObject>(Object()->Parent());
  }
  CATISpecObject* GetOwner() override {
    return CATNewReference<CATISpecObject>(Object()->Follow(Object()->Owner()));
  }
  CATUnicodeString GetType() override { return Object()->type; }
  CATUnicodeString GetSuperType() override { return Object()->Supertype(); }
  CATListValCATBaseUnknown_var* GetComponents() override {
    if (const CATModelExplicitList* given = Object()->ExplicitList(CATTestList::kComponents)) {
      return CATModelNewListOf<CATBaseUnknown_var>(Object(), *given);
    }
    if (Object()->Children().empty()) return nullptr;
    CATListValCATBaseUnknown_var* components = new CATListValCATBaseUnknown_var();
    for (CATModelNode* child : Object()->Children()) components->Append(child);
    return components;
  }
  int GetTimeStamp() override { return Object()->time_stamp; }
  void Update(const CATIDomain_var&) override { Update(Object()); }
  CATIContainer* GetFeatContainer() override {
    return CATNewReference<CATIContainer>(Object()->TopContainer());
  }

 private:
  // Each node before its components; a component may not outlive its
  // parent's handle on it while it updates.
  static void Update(CATModelNode* node) {
    ++node->update_calls;
    node->UpdateFault().RaiseIfAsked();
    ++node->update_stamp;
    const std::vector<CATModelNode*> children = node->Children();
    for (CATModelNode* child : children) {
      const CATBaseUnknown_var hold(child);
      Update(child);
    }
  }
};

class Alias : public CATAdapterOf<CATIAlias, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATUnicodeString GetAlias() override { return Object()->name; }
};

class Descendants : public CATAdapterOf<CATIDescendants, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  void GetDirectChildren(const char* name, CATListValCATISpecObject_var& children) override {
    if (const CATModelExplicitList* given = Object()->ExplicitList(CATTestList::kChildren)) {
      CATModelAppendEntries(Object(), *given, children);
      return;
    }
    for (CATModelNode* child : Object()->Children()) {
      if (!child->Matches(name)) continue;
      const CATISpecObject_var feature(child);
      if (!!feature) children.Append(feature);
    }
  }
};

class MechanicalFeature : public CATAdapterOf<CATIMechanicalFeature, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATISpecObject_var GetPart() override { return Object()->NearestOfKind(CATModelKind::kPart); }
};

class SpecUpdate : public CATAdapterOf<CATISpecUpdate, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  int GetUpdateStamp() override { return Object()->update_stamp; }
};

class SpecAttrAccess : public CATAdapterOf<CATISpecAttrAccess, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  void ListAttrKeys(CATListValCATISpecAttrKey_var& keys) override {
    for (CATModelAttrKey* key : Object()->keys) keys.Append(key);
  }
  CATAttrQuality GetQuality(const CATISpecAttrKey_var& key) override {
    const CATModelAttrKey* own = CATModelObjectOf<CATModelAttrKey>(key);
    return own != nullptr ? static_cast<CATAttrQuality>(own->quality) : sp_NEUTRAL;
  }
  CATListValCATBaseUnknown_var* ListLinkedObjects(const IID& iid, int withComponents,
                                                  int maxCount) override {
    const CATModelExplicitList* given = Object()->ExplicitList(CATTestList::kLinkedObjects);
    if (given != nullptr) return CATModelNewListOf<CATBaseUnknown_var>(Object(), *given);
    CATListValCATBaseUnknown_var found;
    std::set<CATModelNode*> seen;
    Collect(Object(), iid, withComponents != 0, maxCount, seen, found);
    return found.Size() > 0 ? new CATListValCATBaseUnknown_var(found) : nullptr;
  }

 private:
  static void Collect(CATModelNode* node, const IID& iid, bool withComponents, int maxCount,
                      std::set<CATModelNode*>& seen, CATListValCATBaseUnknown_var& found) {
    for (const CATModelLink& link : node->links) {
      if (maxCount > 0 && found.Size() >= maxCount) return;
      CATModelNode* target = node->Follow(link);
      if (target == nullptr || !seen.insert(target).second) continue;
      void* out = nullptr;
      if (FAILED(target->QueryInterface(iid, &out))) continue;
      CATBaseUnknown* object = static_cast<CATBaseUnknown*>(out);
      found.Append(object);
      object->Release();
    }
    if (!withComponents) return;
    for (CATModelNode* child : node->Children()) {
      Collect(child, iid, true, maxCount, seen, found);
    }
  }
};

class LinkableObject : public CATAdapterOf<CATILinkableObject, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATDocument* GetDocument() override { return Object()->Document(); }
};

class AttrKey : public CATAdapterOf<CATISpecAttrKey, CATModelAttrKey> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATUnicodeString GetName() override { return Object()->name; }
  CATAttrKind GetType() override { return static_cast<CATAttrKind>(Object()->kind); }
  CATAttrKind GetListType() override { return static_cast<CATAttrKind>(Object()->element_kind); }
};

}  // namespace

CATBaseUnknown* CATMakeSpecObjectAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<SpecObject>(node);
}
CATBaseUnknown* CATMakeAliasAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<Alias>(node);
}
CATBaseUnknown* CATMakeDescendantsAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<Descendants>(node);
}
CATBaseUnknown* CATMakeMechanicalFeatureAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<MechanicalFeature>(node);
}
CATBaseUnknown* CATMakeSpecUpdateAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<SpecUpdate>(node);
}
CATBaseUnknown* CATMakeSpecAttrAccessAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<SpecAttrAccess>(node);
}
CATBaseUnknown* CATMakeLinkableObjectAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<LinkableObject>(node);
}
CATBaseUnknown* CATMakeParameterAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<CATCkeParmAdapter<CATModelNode>>(node);
}
CATBaseUnknown* CATMakeAttrKeyAdapter(CATBaseUnknown* key) {
  return CATNewAdapter<AttrKey>(key);
}
