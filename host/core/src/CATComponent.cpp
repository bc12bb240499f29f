#include "CATComponent.h"

#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "CATAdapter.h"
#include "CATLiveObjects.h"
#include "CATObjectModelInternal.h"
#include "CATObjectModelQuery.h"
#include "CATOfferSet.h"

namespace {

// A table as a component was given it, and the set made of it.
struct MadeFrom {
  std::vector<CATInterfaceEntry> table;
  const CATOfferSet* offers;
};

bool SameTable(const std::vector<CATInterfaceEntry>& table, const CATInterfaceEntry* interfaces,
               int count) {
  if (table.size() != static_cast<std::size_t>(count)) return false;
  for (int i = 0; i < count; ++i) {
    if (table[i].iid != interfaces[i].iid || table[i].make != interfaces[i].make) return false;
  }
  return true;
}

// The set that objects starting with `interfaces` share.
const CATOfferSet* SharedOffers(const CATInterfaceEntry* interfaces, int count) {
  if (interfaces == nullptr || count < 0) count = 0;
  // Keyed by the table's address; a table changed since (a kind given one
  // more interface) gets another copy beside the first. A table seen
  // before, entry for entry, finds its set without a set being made: every
  // object of the model starts here.
  static std::mutex mutex;
  static auto* shared = new std::map<const CATInterfaceEntry*, std::vector<MadeFrom>>();
  const std::lock_guard<std::mutex> lock(mutex);
  std::vector<MadeFrom>& made = (*shared)[interfaces];
  for (const MadeFrom& from : made) {
    if (SameTable(from.table, interfaces, count)) return from.offers;
  }
  std::vector<CATInterfaceEntry> table(interfaces, interfaces + count);
  CATOfferSet wanted(interfaces, count);
  for (const MadeFrom& from : made) {
    if (*from.offers == wanted) {
      made.push_back({std::move(table), from.offers});
      return from.offers;
    }
  }
  // Lives as long as the process.
  made.push_back({std::move(table), new CATOfferSet(std::move(wanted))});
  return made.back().offers;
}

}  // namespace

CATComponent::CATComponent(const CATInterfaceEntry* interfaces, int count)
    : offers_(SharedOffers(interfaces, count)) {}

CATComponent::~CATComponent() {
  // Newest first: the list turned around, then destroyed from its head.
  CATKeptAdapter* newest = nullptr;
  while (kept_ != nullptr) {
    CATKeptAdapter* adapter = kept_;
    kept_ = adapter->next_kept_;
    adapter->next_kept_ = newest;
    newest = adapter;
  }
  while (newest != nullptr) {
    CATKeptAdapter* adapter = newest;
    newest = adapter->next_kept_;
    CATCountLiveObjectAgain();
    adapter->DestroyWithComponent();
  }
}

HRESULT CATComponent::QueryInterface(const IID& iid, void** out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = nullptr;
  if (CATSameIid(iid, IID_CATBaseUnknown)) return CATBaseUnknown::QueryInterface(iid, out);
  const CATInterfaceOffer* entry = offers_->Find(iid);
  if (entry == nullptr) return CATQueryExtension(this, iid, out);
  if (entry->make == nullptr) return E_NOINTERFACE;
  CATBaseUnknown* adapter = AdapterOf(*entry);
  if (adapter == nullptr) return E_OUTOFMEMORY;
  *out = adapter;
  return S_OK;
}

CATBaseUnknown* CATComponent::AdapterOf(const CATInterfaceOffer& entry) {
  for (CATKeptAdapter* kept = kept_; kept != nullptr; kept = kept->next_kept_) {
    if (kept->made_for_ != &entry) continue;
    AddRef();  // what the kept adapter's AddRef does
    return kept->interface_;
  }
  CATBaseUnknown* adapter = entry.make(this);
  // A maker may adapt another object than this one, or give something that
  // is not an adapter at all: such an answer is handed out as made.
  CATKeptAdapter* keepable = dynamic_cast<CATKeptAdapter*>(adapter);
  if (keepable == nullptr || !keepable->Adapts(this)) return adapter;
  keepable->KeepWithComponent();
  CATUncountLiveObject(adapter);
  keepable->made_for_ = &entry;
  keepable->interface_ = keepable->AsInterface();
  // Last: the interfaces asked first are those asked most, and are found
  // first. The maker may have kept adapters of its own meanwhile.
  CATKeptAdapter** last = &kept_;
  while (*last != nullptr) last = &(*last)->next_kept_;
  *last = keepable;
  return adapter;
}

void CATComponent::AddInterface(const IID& iid, CATAdapterMaker make) {
  // Adapters already handed out keep working; new requests make new ones.
  for (CATKeptAdapter* kept = kept_; kept != nullptr; kept = kept->next_kept_) {
    kept->made_for_ = nullptr;
  }
  if (own_ == nullptr) {
    own_ = std::make_unique<CATOfferSet>(*offers_);
    offers_ = own_.get();
  }
  own_->Set(iid, make);
}

void CATComponent::RemoveInterface(const IID& iid) {
  AddInterface(iid, nullptr);
}

bool CATComponent::OffersInterface(const IID& iid) const {
  const CATInterfaceOffer* entry = offers_->Find(iid);
  return entry != nullptr && entry->make != nullptr;
}
