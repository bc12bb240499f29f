#ifndef CATObjectModelInternal_h
#define CATObjectModelInternal_h

// What the pieces of the stand-in's object model share: the dictionary's
// entries and the request record that adapter factories pass on.

#include <cstdint>
#include <cstring>
#include <vector>

#include "CATBaseUnknown.h"
#include "CATDictionary.h"

// The same identifier: GUID's operator==, inline. Every QueryInterface
// compares the asked identifier with each of the object's interfaces and
// then with the dictionary's entries.
inline bool CATSameIid(const IID& a, const IID& b) {
  // Two 8-byte words: the compiler may call memcmp for a 16-byte compare.
  std::uint64_t wa[2];
  std::uint64_t wb[2];
  static_assert(sizeof wa == sizeof(IID), "an IID is 16 bytes");
  std::memcpy(wa, &a, sizeof wa);
  std::memcpy(wb, &b, sizeof wb);
  return wa[0] == wb[0] && wa[1] == wb[1];
}

struct CATDictionaryEntry {
  const char* extensionClass;
  const IID* iid;
  CATAdapterFactory factory;
  const CATFillDictionary* owner;
};

// The registered entries, in registration order.
std::vector<CATDictionaryEntry>& CATDictionaryEntries();

// The host's record of one adapter request (the adapter factory's second
// argument): which extension the dictionary entry names, and why binding
// failed when it did.
struct CATAdapterRequest {
  const char* extensionClass;
  HRESULT result;
};

#endif  // CATObjectModelInternal_h
