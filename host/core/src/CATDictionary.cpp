#include "CATDictionary.h"

#include "CATObjectModelInternal.h"

std::vector<CATDictionaryEntry>& CATDictionaryEntries() {
  // Never destroyed, for the same reason as the meta-classes: libraries
  // unregister at unload, possibly after the host's own statics are gone.
  static auto* entries = new std::vector<CATDictionaryEntry>();
  return *entries;
}

CATFillDictionary::CATFillDictionary(const char* extensionClass, const IID& iid,
                                     CATAdapterFactory factory) {
  if (extensionClass == nullptr || factory == nullptr) return;
  CATDictionaryEntries().push_back(CATDictionaryEntry{extensionClass, &iid, factory, this});
}

CATFillDictionary::~CATFillDictionary() {
  std::vector<CATDictionaryEntry>& entries = CATDictionaryEntries();
  for (auto e = entries.begin(); e != entries.end(); ++e) {
    if (e->owner == this) {
      entries.erase(e);
      return;
    }
  }
}
