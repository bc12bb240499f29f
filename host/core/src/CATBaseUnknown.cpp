#include "CATBaseUnknown.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "CATLiveObjects.h"
#include "CATObjectModelInternal.h"
#include "CATObjectModelQuery.h"

namespace {

std::atomic<long> g_live_objects{0};

// The record of live objects (CATLiveObjects.h): each object with the
// serial of its making, so that the list comes out oldest first.
struct LiveRecord {
  std::atomic<bool> on{false};
  std::mutex mutex;
  std::unordered_map<const CATBaseUnknown*, unsigned long> objects;
  unsigned long next_serial = 0;
};

LiveRecord& Record() {
  static LiveRecord* const record = new LiveRecord();  // used until the process ends
  return *record;
}

}  // namespace

void CATRecordLiveObjects(bool on) {
  LiveRecord& record = Record();
  const std::lock_guard<std::mutex> lock(record.mutex);
  record.on = on;
  record.objects.clear();
}

std::vector<CATBaseUnknown*> CATRecordedLiveObjects() {
  LiveRecord& record = Record();
  const std::lock_guard<std::mutex> lock(record.mutex);
  std::vector<std::pair<unsigned long, const CATBaseUnknown*>> by_age;
  for (const auto& entry : record.objects) by_age.emplace_back(entry.second, entry.first);
  std::sort(by_age.begin(), by_age.end());
  std::vector<CATBaseUnknown*> alive;
  for (const auto& entry : by_age) alive.push_back(const_cast<CATBaseUnknown*>(entry.second));
  return alive;
}

void CATUncountLiveObject(const CATBaseUnknown* object) {
  --g_live_objects;
  LiveRecord& record = Record();
  if (!record.on) return;
  const std::lock_guard<std::mutex> lock(record.mutex);
  record.objects.erase(object);
}

void CATCountLiveObjectAgain() {
  ++g_live_objects;
}

bool operator==(const GUID& a, const GUID& b) {
  return CATSameIid(a, b);
}

CATBaseUnknown::CATBaseUnknown() {
  ++g_live_objects;
  LiveRecord& record = Record();
  if (!record.on) return;
  const std::lock_guard<std::mutex> lock(record.mutex);
  if (record.on) record.objects[this] = record.next_serial++;
}

CATBaseUnknown::~CATBaseUnknown() {
  // The extension objects of a component live exactly as long as it does.
  CATReleaseExtensions(this);
  --g_live_objects;
  LiveRecord& record = Record();
  if (!record.on) return;
  const std::lock_guard<std::mutex> lock(record.mutex);
  record.objects.erase(this);
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
