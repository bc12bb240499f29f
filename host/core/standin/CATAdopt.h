#ifndef CATAdopt_h
#define CATAdopt_h

// Taking over references that a call hands out, so that each is released
// exactly once. The host's getters (CATInit::GetRootContainer,
// CATICatalogDescription::GetFatherChapter, CATCell::GetGeometry ...) and
// `new` give the caller one reference; a handle made from such a pointer
// takes one of its own, so the handed-out one is the caller's to release.
// These helpers do that in one place:
//
//   const CATIContainer_var container =
//       CATAdoptHandle<CATIContainer>(init->GetRootContainer("CATIContainer"));
//   return CATAdoptAs<CATIDocId>(new CATModelDocId(type));  // a getter's result
//   CATOwned<CATModelNode> node(new CATModelNode(kind));     // released when it goes
//   return CATNewReference<CATISpecObject>(parent);          // a getter hands one out

#include <memory>

#include "CATBaseUnknown.h"

// Takes over the reference held on `handed` (may be null) and hands out its
// interface I: a pointer with one reference, or null when the object lacks
// I. The object lives as long as the interface is held.
template <class I>
I* CATAdoptAs(CATBaseUnknown* handed) {
  if (handed == nullptr) return nullptr;
  void* out = nullptr;
  handed->QueryInterface(I::ClassId(), &out);
  handed->Release();
  return static_cast<I*>(out);
}

// The same in a handle, which holds the one reference; null when the
// object lacks I.
template <class I>
CATHandle<I> CATAdoptHandle(CATBaseUnknown* handed) {
  I* adopted = CATAdoptAs<I>(handed);
  CATHandle<I> handle(adopted);
  if (adopted != nullptr) adopted->Release();
  return handle;
}

// `object` (may be null) as interface I with a new reference for the
// caller, as a getter returns it; null when the object lacks I.
template <class I>
I* CATNewReference(CATBaseUnknown* object) {
  void* out = nullptr;
  if (object == nullptr || FAILED(object->QueryInterface(I::ClassId(), &out))) return nullptr;
  return static_cast<I*>(out);
}

// Holds the one reference on an object of a concrete class (a component
// being built, a document being read) and releases it when it goes.
struct CATReleaser {
  void operator()(CATBaseUnknown* object) const { object->Release(); }
};
template <class T>
using CATOwned = std::unique_ptr<T, CATReleaser>;

#endif  // CATAdopt_h
