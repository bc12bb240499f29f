#ifndef CATObjectModelQuery_h
#define CATObjectModelQuery_h

#include "CATBaseUnknown.h"

// Looks up, in the object-model dictionary, an interface that an extension
// adds to the component of `object`. Sets *out and returns S_OK with one
// reference, or returns E_NOINTERFACE (E_OUTOFMEMORY when the adapter or
// the extension could not be made) with *out null.
HRESULT CATQueryExtension(CATBaseUnknown* object, const IID& iid, void** out);

// Releases the extension objects that `object` keeps, as it dies.
void CATReleaseExtensions(CATBaseUnknown* object);

#endif  // CATObjectModelQuery_h
