#ifndef CATObjectModelInternal_h
#define CATObjectModelInternal_h

// What the pieces of the stand-in's object model share: the dictionary's
// entries, the generation of the meta-class declarations and the request
// record that adapter factories pass on.

#include <cstdint>
#include <cstring>
#include <vector>

#include "CATBaseUnknown.h"
#include "CATDictionary.h"

class CATMetaClass;

// The same identifier: GUID's operator==, inline, as two words. Every
// QueryInterface compares the asked identifier with each of the object's
// interfaces.
inline bool CATSameIid(const IID& a, const IID& b) {
  static_assert(sizeof(IID) == 2 * sizeof(std::uint64_t), "an IID is 16 bytes");
  std::uint64_t wa[2];
  std::uint64_t wb[2];
  std::memcpy(wa, &a, sizeof wa);
  std::memcpy(wb, &b, sizeof wb);
  return wa[0] == wb[0] && wa[1] == wb[1];
}

struct CATDictionaryEntry {
  const char* extensionClass;
  const IID* iid;
  CATAdapterFactory factory;
  const CATFillDictionary* owner;
  // The meta-class that `extensionClass` named when the declarations had
  // generation `meta_generation` (0: not looked up yet).
  mutable const CATMetaClass* meta = nullptr;
  mutable unsigned long meta_generation = 0;
};

// The registered entries that offer `iid`, in registration order; null
// when none does.
const std::vector<CATDictionaryEntry>* CATDictionaryEntriesFor(const IID& iid);

// Changes whenever a meta-class is declared or goes; never 0.
unsigned long CATMetaClassGeneration();

// The host's record of one adapter request (the adapter factory's second
// argument): which extension the dictionary entry names, the object whose
// component that extension was found to extend, and why binding failed
// when it did.
struct CATAdapterRequest {
  const char* extensionClass;
  CATBaseUnknown* extended;
  HRESULT result;
};

#endif  // CATObjectModelInternal_h
