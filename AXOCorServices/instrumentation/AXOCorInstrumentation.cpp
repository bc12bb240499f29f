// The instrumentation registry: the singleton, record lookup, Start and End.
#include "AXOCorInstrumentation.h"

#include <cmath>
#include <cstdint>
#include <deque>
#include <new>

#include "AXOPlatform.h"

AXOCorInstrumentation* AXOCorInstrumentation::_pInstumentation = nullptr;

namespace {

// Owns every record ever created. Records must outlive the registry (callers
// keep the pointers GetInstrumentationData hands out), so the store is never
// destroyed; a deque keeps the addresses of its elements stable.
std::deque<AXOCorInstrumentationData>& RecordStore() {
  static auto* const store = new std::deque<AXOCorInstrumentationData>();
  return *store;
}

// Used virtual address space of the process, in whole units of 1024 bytes.
// An unknown status reads as 0.
double ReadUsedMemory() {
  AXOMemoryStatus status;
  if (!AXOPlatform::Get()->QueryMemoryStatus(status).ok()) return 0.0;
  const std::uint64_t used = status.totalVirtual - status.availVirtual;
  return std::trunc(static_cast<double>(used) * 0.0009765625);
}

// Elapsed milliseconds, wrapped to 32 bits like the C runtime's clock_t.
std::int32_t ReadClock() {
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(AXOPlatform::Get()->ElapsedMilliseconds()));
}

// Seconds from `from` to `to`, the difference taken modulo 2^32 as a signed
// value so that a wrap of the clock still yields the short interval.
double SecondsBetween(std::int32_t from, std::int32_t to) {
  const auto ticks =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(to) - static_cast<std::uint32_t>(from));
  return ticks / 1000.0;
}

}  // namespace

AXOCorInstrumentation* AXOCorInstrumentation::GetInstance() {
  if (_pInstumentation == nullptr) _pInstumentation = new (std::nothrow) AXOCorInstrumentation();
  return _pInstumentation;
}

void AXOCorInstrumentation::DeleteInstance() {
  delete _pInstumentation;
  _pInstumentation = nullptr;
}

// The records belong to RecordStore(), not to the registry.
AXOCorInstrumentation::~AXOCorInstrumentation() {
  _DataMap.clear();
}

AXOCorInstrumentationData* AXOCorInstrumentation::GetInstrumentationData(
    CATUnicodeString& identifier, bool create) {
  const auto found = _DataMap.find(identifier);
  if (found != _DataMap.end()) return found->second;
  if (!create) return nullptr;
  std::deque<AXOCorInstrumentationData>& store = RecordStore();
  store.emplace_back(identifier);
  AXOCorInstrumentationData* record = &store.back();
  _DataMap.emplace(identifier, record);
  return record;
}

void AXOCorInstrumentation::Start(CATUnicodeString identifier) {
  // A creating lookup never gives null: running out of memory throws.
  AXOCorInstrumentationData* record = GetInstrumentationData(identifier, true);
  const double memory = ReadUsedMemory();
  record->_HitCount += 1;
  record->_StartMemory = memory;
  record->_StartClock = ReadClock();
}

void AXOCorInstrumentation::End(CATUnicodeString identifier) {
  const std::int32_t now = ReadClock();
  AXOCorInstrumentationData* record = GetInstrumentationData(identifier, false);
  if (record == nullptr) return;
  record->_EndClock = now;
  record->_TotalTime += SecondsBetween(record->_StartClock, now);
  record->_EndMemory = ReadUsedMemory();
  record->_TotalMemory += std::trunc(record->_EndMemory - record->_StartMemory);
}
