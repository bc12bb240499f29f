#ifndef CATObjectModelQuery_h
#define CATObjectModelQuery_h

#include "CATBaseUnknown.h"

// Looks up, in the object-model dictionary, an interface that an extension
// adds to the component of `object`. Sets *out and returns S_OK with one
// reference, or returns E_NOINTERFACE with *out null.
HRESULT CATQueryExtension(CATBaseUnknown* object, const IID& iid, void** out);

#endif  // CATObjectModelQuery_h
