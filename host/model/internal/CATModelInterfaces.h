#ifndef CATModelInterfaces_h
#define CATModelInterfaces_h

// The interfaces that objects of the model can offer, by name: the one
// table through which names given at run time ("CATIPrtContainer" to
// CATInit, "CATISpecObject" to CATIDescendants, the "without" lists of a
// document file) become interface identifiers. The model lists its own;
// a module whose objects offer other interfaces registers them
// (CATModelRegistration).

#include <string_view>

#include "CATBaseUnknown.h"

// The interface of that name ("CATBaseUnknown" included); null when the
// model knows none.
const IID* CATModelFindInterface(std::string_view name);

// The name of a known interface; null for another one.
const char* CATModelInterfaceName(const IID& iid);

// Makes `iid` known by `name`; throws std::logic_error when another
// interface is known by that name.
void CATModelRegisterInterface(const char* name, const IID& iid);
// Makes each interface I known by I::ClassName().
template <class... I>
void CATModelRegisterInterfaces() {
  (CATModelRegisterInterface(I::ClassName(), I::ClassId()), ...);
}

#endif  // CATModelInterfaces_h
