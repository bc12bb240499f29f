#ifndef CATObjectModelInternal_h
#define CATObjectModelInternal_h

// What the pieces of the stand-in's object model share: the dictionary's
// entries and the request record that adapter factories pass on.

#include <vector>

#include "CATBaseUnknown.h"
#include "CATDictionary.h"

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
