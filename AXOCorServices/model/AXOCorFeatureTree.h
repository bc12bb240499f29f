#ifndef AXOCorFeatureTree_h
#define AXOCorFeatureTree_h

// The two ways in which the library reads the tree of features: the name
// of an object and the direct children of a feature. Navigation, unique
// names, feature paths and the feature dump all read them so.

#include "CATBaseUnknown.h"
#include "CATISpecObject.h"
#include "CATUnicodeString.h"

// True with `name` set to the object's name (CATIAlias); false, `name`
// untouched, when the object is null or has no name. Takes the interface
// that the caller holds as it is: a handle of another interface would ask
// the object for one more interface on every name read.
bool AXOCorNameOf(CATBaseUnknown* object, CATUnicodeString& name);

// Appends to `children` the direct children of `object` that match
// `selector` (an interface name such as "CATISpecObject", or a type name),
// through CATIDescendants. False, nothing appended, when the object lacks
// CATIDescendants.
bool AXOCorAppendDescendants(const CATBaseUnknown_var& object, const char* selector,
                             CATListValCATISpecObject_var& children);

#endif  // AXOCorFeatureTree_h
