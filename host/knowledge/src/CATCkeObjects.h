#ifndef CATCkeObjects_h
#define CATCkeObjects_h

// The stand-in's knowledge objects: how each answers its interface, and the
// functions that make them.

#include "CATBaseUnknown.h"
#include "CATICkeInst.h"
#include "CATICkeParm.h"
#include "CATIParmManipulator.h"
#include "CATUnicodeString.h"

// Base of an object that implements the one interface I.
template <class I>
class CATCkeObject : public I {
 public:
  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (out != nullptr && iid == I::ClassId()) {
      this->AddRef();
      *out = static_cast<I*>(this);
      return S_OK;
    }
    return I::QueryInterface(iid, out);
  }
};

// Wraps a freshly made object (holding its creation reference) in a handle
// that takes over that reference.
template <class I>
CATHandle<I> CATCkeAdopt(I* fresh) {
  CATHandle<I> handle(fresh);
  fresh->Release();
  return handle;
}

// `value` in the internal unit of `kind` (metres, radians).
CATICkeInst_var CATCkeMakeValue(CATCkeValueKind kind, double value);
CATICkeParm_var CATCkeMakeParm(const CATUnicodeString& name, CATCkeValueKind kind, double value);
CATIParmManipulator_var CATCkeMakeManipulator();

#endif  // CATCkeObjects_h
