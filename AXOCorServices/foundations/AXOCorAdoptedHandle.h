#ifndef AXOCorAdoptedHandle_h
#define AXOCorAdoptedHandle_h

// Taking over the reference of a host query's result.

#include "CATBaseUnknown.h"

// A pointer that a host query returns (a parent, a domain, a cell, a
// geometry ...) carries one reference that the receiver releases. This
// gives the handle of the object's interface I, which holds its own
// reference, and releases the query's: null when `counted` is null or its
// object lacks I (the reference is released all the same).
template <class I, class J>
CATHandle<I> AXOCorAdoptHandle(J* counted) {
  CATHandle<I> handle(counted);
  if (counted != nullptr) counted->Release();
  return handle;
}

#endif  // AXOCorAdoptedHandle_h
