#include "CATDictionary.h"

#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "CATObjectModelInternal.h"

namespace {

struct IidHash {
  std::size_t operator()(const IID& iid) const {
    std::uint64_t words[2];
    std::memcpy(words, &iid, sizeof words);
    return static_cast<std::size_t>(words[0] ^ (words[1] * 0x9E3779B97F4A7C15ull));
  }
};

struct IidEqual {
  bool operator()(const IID& a, const IID& b) const { return CATSameIid(a, b); }
};

// The registered entries by interface, each interface's in registration
// order: a query needs only the entries of its interface, and most ask for
// one that no entry offers. Never destroyed, for the same reason as the
// meta-classes: libraries unregister at unload, possibly after the host's
// own statics are gone.
typedef std::unordered_map<IID, std::vector<CATDictionaryEntry>, IidHash, IidEqual> EntriesByIid;

EntriesByIid& Entries() {
  static auto* entries = new EntriesByIid();
  return *entries;
}

}  // namespace

const std::vector<CATDictionaryEntry>* CATDictionaryEntriesFor(const IID& iid) {
  const EntriesByIid& entries = Entries();
  if (entries.empty()) return nullptr;
  const auto found = entries.find(iid);
  return found != entries.end() ? &found->second : nullptr;
}

CATFillDictionary::CATFillDictionary(const char* extensionClass, const IID& iid,
                                     CATAdapterFactory factory) {
  if (extensionClass == nullptr || factory == nullptr) return;
  Entries()[iid].push_back(CATDictionaryEntry{extensionClass, &iid, factory, this});
}

CATFillDictionary::~CATFillDictionary() {
  EntriesByIid& entries = Entries();
  for (auto group = entries.begin(); group != entries.end(); ++group) {
    std::vector<CATDictionaryEntry>& offering = group->second;
    for (auto e = offering.begin(); e != offering.end(); ++e) {
      if (e->owner != this) continue;
      offering.erase(e);
      if (offering.empty()) entries.erase(group);
      return;
    }
  }
}
