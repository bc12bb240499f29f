// What a model leaves alive when it closes (CATTestModel::Leaks).
//
// A kept feature keeps what it owns (its children, attribute keys, body,
// the body's domains and cells ...). Listing each of those on its own line
// hides the one object the test forgot, so an object that only its owner
// still holds is folded into its owner's line, and each line names where
// its object stood in the model before the documents closed.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "CATBody.h"
#include "CATCell.h"
#include "CATDomain.h"
#include "CATGeoShownData.h"
#include "CATLiveObjects.h"
#include "CATModelFileFields.h"
#include "CATModelNode.h"
#include "CATModelProductData.h"
#include "CATTestModel.h"
#include "CATTestNaming.h"

namespace {

// The object behind any of its interfaces.
CATBaseUnknown* Component(CATBaseUnknown* object) {
  const CATBaseUnknown_var identity(object);
  return identity;
}

CATModelNode* NodeOf(CATBaseUnknown* component) {
  return dynamic_cast<CATModelNode*>(component);
}

// The body a node carries as its geometry; null when it carries none.
CATBaseUnknown* BodyOf(CATModelNode& node) {
  if (CATModelFindFileField("geometry", node.Kind()) == nullptr) return nullptr;
  return Component(node.Data<CATGeoShownData>().result);
}

// The objects that `component` holds a reference on, as components.
std::vector<CATBaseUnknown*> HeldBy(CATBaseUnknown* component) {
  std::vector<CATBaseUnknown*> held;
  if (CATModelNode* node = NodeOf(component)) {
    for (CATModelNode* child : node->Children()) held.push_back(child);
    for (CATModelAttrKey* key : node->keys) held.push_back(key);
    if (CATBaseUnknown* body = BodyOf(*node)) held.push_back(body);
    if (node->Kind() == CATModelKind::kProduct) {
      for (CATModelConnector* connector : node->Data<CATModelProductData>().connectors) {
        held.push_back(Component(connector));
      }
    }
    return held;
  }
  // Geometry answers through adapters of its components.
  if (CATBody_var body = component) {
    for (int i = 1; i <= body->GetNbDomains(); ++i) {
      CATDomain* domain = body->GetDomain(i);
      held.push_back(Component(domain));
      domain->Release();  // the body keeps its own reference
    }
  } else if (CATDomain_var domain = component) {
    for (int i = 1; i <= domain->GetNbCells(); ++i) {
      CATCell* cell = domain->GetCell(i);
      held.push_back(Component(cell));
      cell->Release();
    }
  } else if (CATCell_var cell = component) {
    if (CATGeometry* geometry = cell->GetGeometry()) {
      held.push_back(Component(geometry));
      geometry->Release();
    }
  }
  return held;
}

// Where each object of the open documents stands: "body 'Level 1'" for
// the objects a node holds, "feature 'Wall.1'" for the body of its
// geometry. Taken before the documents close, which detaches them.
std::map<CATBaseUnknown*, std::string> Owners() {
  std::map<CATBaseUnknown*, std::string> owners;
  for (CATBaseUnknown* object : CATRecordedLiveObjects()) {
    CATModelNode* node = NodeOf(object);
    if (node == nullptr || Component(object) != object) continue;
    if (node->Holder() != nullptr) owners[node] = CATTestNamed(*node->Holder());
    for (CATModelAttrKey* key : node->keys) owners[key] = CATTestNamed(*node);
    if (CATBaseUnknown* body = BodyOf(*node)) owners[body] = CATTestNamed(*node);
  }
  return owners;
}

long ReferencesOf(CATBaseUnknown* object) {
  const long references = static_cast<long>(object->AddRef()) - 1;
  object->Release();
  return references;
}

// The kind and name of a leaked object: a model object, an attribute key,
// an interface of one of them (an adapter), or any other object by class.
CATTestLeak LeakOf(CATBaseUnknown* object) {
  CATTestLeak leak;
  CATBaseUnknown* component = Component(object);
  const std::string of = component != object ? "interface of " : "";
  if (const CATModelNode* node = NodeOf(component)) {
    leak.kind = of + CATModelKindInfoOf(node->Kind()).fileName;
    leak.name = CATTestUtf8(node->name);
  } else if (const CATModelAttrKey* key = dynamic_cast<const CATModelAttrKey*>(component)) {
    leak.kind = of + "attribute key";
    leak.name = CATTestUtf8(key->name);
  } else {
    leak.kind = of + component->IsA();
  }
  leak.references = ReferencesOf(object);
  return leak;
}

std::string Named(const CATTestLeak& leak) {
  return leak.name.empty() ? leak.kind : leak.kind + " '" + leak.name + "'";
}

}  // namespace

long CATTestModel::LeakedObjects() {
  ResetHost();
  return CATBaseUnknown::LiveObjectCount() - live_before_;
}

std::vector<CATTestLeak> CATTestModel::Leaks() {
  if (!listed_) CATTestMisuse("a model that only counts its objects cannot list them");
  const std::map<CATBaseUnknown*, std::string> owners = Owners();
  ResetHost();
  const std::vector<CATBaseUnknown*> alive = CATRecordedLiveObjects();
  const std::set<CATBaseUnknown*> leaked(alive.begin(), alive.end());

  // An object is folded into its holder's line when the holder leaked too
  // and holds the object's only reference.
  std::map<CATBaseUnknown*, CATBaseUnknown*> holderOf;
  for (CATBaseUnknown* object : alive) {
    if (Component(object) != object) continue;
    for (CATBaseUnknown* held : HeldBy(object)) {
      if (held != object && leaked.count(held) != 0 && ReferencesOf(held) == 1) {
        holderOf.emplace(held, object);
      }
    }
  }
  std::vector<CATTestLeak> leaks;
  std::map<CATBaseUnknown*, size_t> lineOf;
  for (CATBaseUnknown* object : alive) {
    if (holderOf.count(object) != 0) continue;
    CATTestLeak leak = LeakOf(object);
    const auto owner = owners.find(Component(object));
    if (owner != owners.end()) leak.owner = owner->second;
    lineOf[object] = leaks.size();
    leaks.push_back(leak);
  }
  // Each folded object goes to the line of the outermost holder, oldest
  // first; a ring of holders with no line of its own gets one.
  for (CATBaseUnknown* object : alive) {
    if (holderOf.count(object) == 0) continue;
    CATBaseUnknown* top = object;
    std::set<CATBaseUnknown*> seen;
    while (holderOf.count(top) != 0 && seen.insert(top).second) top = holderOf.at(top);
    if (lineOf.count(top) == 0) {
      lineOf[top] = leaks.size();
      leaks.push_back(LeakOf(top));
      if (top == object) continue;
    }
    if (top != object) leaks[lineOf.at(top)].holds.push_back(Named(LeakOf(object)));
  }
  return leaks;
}
