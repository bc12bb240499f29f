#ifndef ModelLookup_h
#define ModelLookup_h

// Finding objects of an open document of the host's model from the command
// line: the document's part or root product, and a feature by its path.

#include <string>

#include "CATIProduct.h"
#include "CATIPrtPart.h"
#include "CATISpecObject.h"

class CATDocument;

// The part of a part document; null for other documents.
CATIPrtPart_var PartOfDocument(CATDocument* document);
// The root product of a product document: the first product at the top of
// its first container. A part document answers with its part's product.
CATIProduct_var RootProductOfDocument(CATDocument* document);

// The feature that `path` names in `document`: feature names separated by
// "\", each the name (CATIAlias) of a direct child of the object before it.
// In a part document the path starts below the part ("Level 1\Wall.1"); in
// a product document it starts with an instance below the root product,
// whose part, when it lies in a part document, the path goes on below
// ("Room.1\Level 1\Wall.1"). Empty names are passed over; an empty path
// names the part. Gives the feature and the part it was found in, or null
// with `fault` saying which name was not found.
CATISpecObject_var FindFeatureByPath(CATDocument* document, const std::string& path,
                                     CATIPrtPart_var& part, std::string& fault);

#endif  // ModelLookup_h
