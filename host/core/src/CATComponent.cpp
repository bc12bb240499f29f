#include "CATComponent.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <utility>

#include "CATAdapter.h"
#include "CATLiveObjects.h"
#include "CATObjectModelInternal.h"

const CATComponent::Offers* CATComponent::SharedOffers(const CATInterfaceEntry* interfaces,
                                                       int count) {
  Offers wanted;
  wanted.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
  for (int i = 0; interfaces != nullptr && i < count; ++i) {
    if (interfaces[i].iid == nullptr) continue;
    const IID& iid = *interfaces[i].iid;
    const auto same = std::find_if(wanted.begin(), wanted.end(), [&iid](const Offer& offer) {
      return CATSameIid(offer.iid, iid);
    });
    if (same != wanted.end()) {
      same->make = interfaces[i].make;
    } else {
      wanted.push_back(Offer{iid, interfaces[i].make});
    }
  }
  // Keyed by the table's address; a table changed since (a kind given one
  // more interface) gets another copy beside the first.
  static std::mutex mutex;
  static auto* shared = new std::map<const CATInterfaceEntry*, std::vector<const Offers*>>();
  const std::lock_guard<std::mutex> lock(mutex);
  std::vector<const Offers*>& made = (*shared)[interfaces];
  for (const Offers* offers : made) {
    if (offers->size() == wanted.size() &&
        std::equal(offers->begin(), offers->end(), wanted.begin(),
                   [](const Offer& a, const Offer& b) {
                     return CATSameIid(a.iid, b.iid) && a.make == b.make;
                   })) {
      return offers;
    }
  }
  made.push_back(new Offers(std::move(wanted)));  // lives as long as the process
  return made.back();
}

CATComponent::CATComponent(const CATInterfaceEntry* interfaces, int count)
    : offers_(SharedOffers(interfaces, count)) {}

CATComponent::~CATComponent() {
  while (kept_ != nullptr) {
    CATKeptAdapter* adapter = kept_;
    kept_ = adapter->next_kept_;
    CATCountLiveObjectAgain();
    adapter->DestroyWithComponent();
  }
}

HRESULT CATComponent::QueryInterface(const IID& iid, void** out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = nullptr;
  if (CATSameIid(iid, IID_CATBaseUnknown)) return CATBaseUnknown::QueryInterface(iid, out);
  const Offer* entry = Find(iid);
  if (entry == nullptr) return CATBaseUnknown::QueryInterface(iid, out);
  if (entry->make == nullptr) return E_NOINTERFACE;
  CATBaseUnknown* adapter = AdapterOf(*entry);
  if (adapter == nullptr) return E_OUTOFMEMORY;
  *out = adapter;
  return S_OK;
}

CATBaseUnknown* CATComponent::AdapterOf(const Offer& entry) {
  for (CATKeptAdapter* kept = kept_; kept != nullptr; kept = kept->next_kept_) {
    if (kept->made_for_ != &entry) continue;
    CATBaseUnknown* adapter = kept->AsInterface();
    adapter->AddRef();
    return adapter;
  }
  CATBaseUnknown* adapter = entry.make(this);
  // A maker may adapt another object than this one, or give something that
  // is not an adapter at all: such an answer is handed out as made.
  CATKeptAdapter* keepable = dynamic_cast<CATKeptAdapter*>(adapter);
  if (keepable == nullptr || !keepable->Adapts(this)) return adapter;
  keepable->KeepWithComponent();
  CATUncountLiveObject(adapter);
  keepable->made_for_ = &entry;
  keepable->next_kept_ = kept_;
  kept_ = keepable;
  return adapter;
}

void CATComponent::AddInterface(const IID& iid, CATAdapterMaker make) {
  // Adapters already handed out keep working; new requests make new ones.
  for (CATKeptAdapter* kept = kept_; kept != nullptr; kept = kept->next_kept_) {
    kept->made_for_ = nullptr;
  }
  if (own_ == nullptr) {
    own_ = std::make_unique<Offers>(*offers_);
    offers_ = own_.get();
  }
  for (Offer& entry : *own_) {
    if (CATSameIid(entry.iid, iid)) {
      entry.make = make;
      return;
    }
  }
  own_->push_back(Offer{iid, make});
}

void CATComponent::RemoveInterface(const IID& iid) {
  AddInterface(iid, nullptr);
}

bool CATComponent::OffersInterface(const IID& iid) const {
  const Offer* entry = Find(iid);
  return entry != nullptr && entry->make != nullptr;
}

const CATComponent::Offer* CATComponent::Find(const IID& iid) const {
  for (const Offer& entry : *offers_) {
    if (CATSameIid(entry.iid, iid)) return &entry;
  }
  return nullptr;
}
