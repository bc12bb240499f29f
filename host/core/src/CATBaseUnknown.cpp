#include "CATBaseUnknown.h"

#include <atomic>
#include <cstring>

#include "CATObjectModelQuery.h"

const IID IID_CATBaseUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace {
std::atomic<long> g_live_objects{0};
}  // namespace

bool operator==(const GUID& a, const GUID& b) {
  return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

CATBaseUnknown::CATBaseUnknown() {
  ++g_live_objects;
}

CATBaseUnknown::~CATBaseUnknown() {
  // The extension objects of a component live exactly as long as it does.
  CATReleaseExtensions(this);
  --g_live_objects;
}

long CATBaseUnknown::LiveObjectCount() {
  return g_live_objects.load();
}

HRESULT CATBaseUnknown::QueryInterface(const IID& iid, void** out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = nullptr;
  if (iid == IID_CATBaseUnknown) {
    AddRef();
    *out = this;
    return S_OK;
  }
  // Interfaces that extensions add to this object's component.
  return CATQueryExtension(this, iid, out);
}

ULONG CATBaseUnknown::AddRef() {
  return ++ref_count_;
}

ULONG CATBaseUnknown::Release() {
  const ULONG left = --ref_count_;
  if (left == 0) delete this;
  return left;
}

const char* CATBaseUnknown::IsA() const {
  return ClassName();
}

int CATBaseUnknown::IsAKindOf(const char* className) const {
  return className != nullptr && std::strcmp(className, ClassName()) == 0;
}

int CATBaseUnknown::IsEqual(CATBaseUnknown* other) {
  return other != nullptr && CATIsSameObject(this, other) ? 1 : 0;
}

bool CATIsSameObject(CATBaseUnknown* a, CATBaseUnknown* b) {
  if (a == nullptr || b == nullptr) return a == b;
  void* ia = nullptr;
  void* ib = nullptr;
  a->QueryInterface(IID_CATBaseUnknown, &ia);
  b->QueryInterface(IID_CATBaseUnknown, &ib);
  const bool same = ia == ib;
  if (ia != nullptr) static_cast<CATBaseUnknown*>(ia)->Release();
  if (ib != nullptr) static_cast<CATBaseUnknown*>(ib)->Release();
  return same;
}
