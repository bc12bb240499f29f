#include "CATObjectModelQuery.h"

// The dictionary of component extensions. Until extensions are registered
// no component offers more than it implements itself.
HRESULT CATQueryExtension(CATBaseUnknown* /*object*/, const IID& /*iid*/, void** out) {
  *out = nullptr;
  return E_NOINTERFACE;
}
