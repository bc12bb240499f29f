#ifndef FeatureDumpJson_h
#define FeatureDumpJson_h

// "axocor model dump --json": the library's feature dump as data, from the
// walk that also writes its text (model/AXOCorFeatureDumpWalk.h), so that
// both hold the same:
//
//   {"feature": FEATURE, "links": [{"name", "type"}, ...]}
//   FEATURE: {"name", "type", "supertype",
//             "attributes": [{"name", "type", "elementType"?, "quality"}, ...],
//             "components": [FEATURE, ...]}
//
// "type" of an attribute is its kind as the text shows it ("tk_double",
// "tk_list", "undefine"), "elementType" the kind of a list's elements.
// "links" are the named features that the feature is linked to (the text's
// "parent" section), empty when there are none.

#include "AxocorJson.h"
#include "CATISpecObject.h"

AxocorJson FeatureDumpJson(const CATISpecObject_var& feature);

#endif  // FeatureDumpJson_h
