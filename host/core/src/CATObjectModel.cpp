// The object model's lookups: the interfaces that extensions add to a
// component, and the extension objects that each component object keeps.
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "CATMetaClass.h"
#include "CATObjectModelInternal.h"
#include "CATObjectModelQuery.h"
#include "CATTie.h"

namespace {

// The extension objects of one component object, in creation order, each
// with one reference held by the component.
typedef std::vector<std::pair<std::string, CATBaseUnknown*>> ExtensionList;

std::map<const CATBaseUnknown*, ExtensionList>& Extensions() {
  static auto* extensions = new std::map<const CATBaseUnknown*, ExtensionList>();
  return *extensions;
}

// `meta` when it is a data extension of a component that `object` is;
// null otherwise.
const CATMetaClass* ExtensionFor(CATBaseUnknown* object, const CATMetaClass* meta) {
  if (meta == nullptr || meta->GetKind() != CATDataExtensionClass) return nullptr;
  return object->IsAKindOf(meta->GetExtendedType()) ? meta : nullptr;
}

// The meta-class of `extensionClass` when it is declared as a data
// extension of a component that `object` is.
const CATMetaClass* ExtensionOf(CATBaseUnknown* object, const char* extensionClass) {
  return ExtensionFor(object, CATMetaClass::Find(extensionClass));
}

// The meta-class that `entry` names, looked up by name only when a
// meta-class was declared or went since the last time.
const CATMetaClass* MetaOf(const CATDictionaryEntry& entry) {
  const unsigned long generation = CATMetaClassGeneration();
  if (entry.meta_generation != generation) {
    entry.meta = CATMetaClass::Find(entry.extensionClass);
    entry.meta_generation = generation;
  }
  return entry.meta;
}

CATBaseUnknown* Refuse(CATAdapterRequest* request, HRESULT why) {
  if (request != nullptr) request->result = why;
  return nullptr;
}

}  // namespace

HRESULT CATQueryExtension(CATBaseUnknown* object, const IID& iid, void** out) {
  *out = nullptr;
  const std::vector<CATDictionaryEntry>* entries = CATDictionaryEntriesFor(iid);
  if (entries == nullptr) return E_NOINTERFACE;
  for (const CATDictionaryEntry& offering : *entries) {
    if (ExtensionFor(object, MetaOf(offering)) == nullptr) continue;
    // Copied: the factory may register or unregister entries.
    const CATDictionaryEntry entry = offering;
    CATAdapterRequest request{entry.extensionClass, object, S_OK};
    CATBaseUnknown* adapter = entry.factory(object, &request);
    if (adapter == nullptr) return FAILED(request.result) ? request.result : E_OUTOFMEMORY;
    *out = adapter;
    return S_OK;
  }
  return E_NOINTERFACE;
}

CATBaseUnknown* CATBindAdapter(CATBaseUnknown* object, const char* extensionClass,
                               CATExtensionCreator create, void* hostData) {
  CATAdapterRequest* request = static_cast<CATAdapterRequest*>(hostData);
  if (object == nullptr || extensionClass == nullptr || create == nullptr) {
    return Refuse(request, E_INVALIDARG);
  }
  // An adapter serving a dictionary request must bind the extension that
  // the entry names; anything else is a factory registered for the wrong
  // class.
  if (request != nullptr && std::strcmp(request->extensionClass, extensionClass) != 0) {
    return Refuse(request, E_NOINTERFACE);
  }
  // The dictionary checked the extension for this object already.
  const bool checked = request != nullptr && request->extended == object;
  if (!checked && ExtensionOf(object, extensionClass) == nullptr) {
    return Refuse(request, E_NOINTERFACE);
  }
  ExtensionList& list = Extensions()[object];
  for (const auto& made : list) {
    if (made.first == extensionClass) return made.second;
  }
  CATBaseUnknown* extension = create();
  if (extension == nullptr) {
    if (list.empty()) Extensions().erase(object);
    return Refuse(request, E_OUTOFMEMORY);
  }
  list.emplace_back(extensionClass, extension);
  return extension;
}

void CATReleaseExtensions(CATBaseUnknown* object) {
  std::map<const CATBaseUnknown*, ExtensionList>& extensions = Extensions();
  if (extensions.empty()) return;
  const auto it = extensions.find(object);
  if (it == extensions.end()) return;
  // Taken out first: an extension's destructor may release other objects,
  // which come back here.
  ExtensionList list = std::move(it->second);
  extensions.erase(it);
  for (auto e = list.rbegin(); e != list.rend(); ++e) e->second->Release();
}
