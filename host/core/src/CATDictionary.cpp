#include "CATDictionary.h"

#include <algorithm>
#include <vector>

#include "CATIidList.h"
#include "CATObjectModelInternal.h"

namespace {

// The registered entries of one interface, in registration order.
struct Offering {
  IID iid;
  std::vector<CATDictionaryEntry> entries;
};

// The registered entries by interface: a query needs only the entries of
// its interface, and most ask for one that no entry offers. Never
// destroyed, for the same reason as the meta-classes: libraries unregister
// at unload, possibly after the host's own statics are gone.
CATIidList<Offering>& Entries() {
  static auto* entries = new CATIidList<Offering>();
  return *entries;
}

}  // namespace

const std::vector<CATDictionaryEntry>* CATDictionaryEntriesFor(const IID& iid) {
  const Offering* offering = Entries().Find(iid);
  return offering != nullptr ? &offering->entries : nullptr;
}

CATFillDictionary::CATFillDictionary(const char* extensionClass, const IID& iid,
                                     CATAdapterFactory factory) {
  if (extensionClass == nullptr || factory == nullptr) return;
  CATIidList<Offering>& entries = Entries();
  Offering* offering = entries.Find(iid);
  if (offering == nullptr) offering = &entries.Add(Offering{iid, {}});
  offering->entries.push_back(CATDictionaryEntry{extensionClass, &iid, factory, this});
}

CATFillDictionary::~CATFillDictionary() {
  CATIidList<Offering>& entries = Entries();
  for (const Offering& group : entries.Entries()) {
    const auto mine = std::find_if(group.entries.begin(), group.entries.end(),
                                   [this](const CATDictionaryEntry& e) { return e.owner == this; });
    if (mine == group.entries.end()) continue;
    Offering* offering = entries.Find(group.iid);
    offering->entries.erase(offering->entries.begin() + (mine - group.entries.begin()));
    if (offering->entries.empty()) entries.Erase(offering);
    return;
  }
}
