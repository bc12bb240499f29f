#ifndef CATCatalogKinds_h
#define CATCatalogKinds_h

// The catalog's kinds of model objects. The catalog registers them into
// the model (CATModelRegisterKind) when the stand-in is loaded; their
// identifiers are the ones the model handed out then.

#include "CATModelKinds.h"

struct CATCatalogKindIds {
  CATModelKind container;    // the container of a catalog document; it holds the chapters
  CATModelKind chapter;      // a chapter; its children are its keywords and descriptions
  CATModelKind description;  // a description of a chapter
  CATModelKind keyword;      // a keyword of a chapter
};

// The identifiers of the catalog's kinds, registering the kinds at the
// first call.
const CATCatalogKindIds& CATCatalogKind();

#endif  // CATCatalogKinds_h
