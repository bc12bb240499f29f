#include "CATComponent.h"

#include <cstddef>

CATComponent::CATComponent(const CATInterfaceEntry* interfaces, int count) {
  if (interfaces == nullptr || count <= 0) return;
  interfaces_.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    if (interfaces[i].iid != nullptr) AddInterface(*interfaces[i].iid, interfaces[i].make);
  }
}

CATComponent::~CATComponent() = default;

HRESULT CATComponent::QueryInterface(const IID& iid, void** out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = nullptr;
  if (iid == IID_CATBaseUnknown) return CATBaseUnknown::QueryInterface(iid, out);
  const Offer* entry = Find(iid);
  if (entry == nullptr) return CATBaseUnknown::QueryInterface(iid, out);
  if (entry->make == nullptr) return E_NOINTERFACE;
  CATBaseUnknown* adapter = entry->make(this);
  if (adapter == nullptr) return E_OUTOFMEMORY;
  *out = adapter;
  return S_OK;
}

void CATComponent::AddInterface(const IID& iid, CATAdapterMaker make) {
  if (Offer* entry = Find(iid)) {
    entry->make = make;
    return;
  }
  interfaces_.push_back(Offer{iid, make});
}

void CATComponent::RemoveInterface(const IID& iid) {
  AddInterface(iid, nullptr);
}

bool CATComponent::OffersInterface(const IID& iid) const {
  for (const Offer& entry : interfaces_) {
    if (entry.iid == iid) return entry.make != nullptr;
  }
  return false;
}

CATComponent::Offer* CATComponent::Find(const IID& iid) {
  for (Offer& entry : interfaces_) {
    if (entry.iid == iid) return &entry;
  }
  return nullptr;
}
