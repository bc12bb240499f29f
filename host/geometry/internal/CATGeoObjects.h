#ifndef CATGeoObjects_h
#define CATGeoObjects_h

// The stand-in's geometric objects: bodies made from a CATBodyDescription,
// with their domains, cells and the geometry of the cells. A body holds its
// domains, a domain its cells, a cell its geometry (one reference each), all
// made with the body; they never change. Exported for the model and the tests.

#include "CATBody.h"
#include "CATBodyDescription.h"

// A new body made as `body` describes, with one reference for the caller;
// null when the description has a fault (CATBodyDescriptionFault).
CATHOST_API CATBody* CATGeoNewBody(const CATBodyDescription& body);

// The description of a body that CATGeoNewBody made (any interface of it);
// null for another object.
CATHOST_API const CATBodyDescription* CATGeoDescriptionOf(CATBaseUnknown* body);

#endif  // CATGeoObjects_h
