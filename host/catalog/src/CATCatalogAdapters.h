#ifndef CATCatalogAdapters_h
#define CATCatalogAdapters_h

// The makers of the adapters through which the model's catalog objects
// (CATCatalogKinds.h: catalog container, chapter, description, keyword)
// offer the catalog interfaces. The catalog's registration of its kinds
// (CATCatalogKinds.cpp) lists them.

#include "CATBaseUnknown.h"
#include "CATICatalogChapter.h"
#include "CATICatalogChapterFactory.h"
#include "CATICatalogDescription.h"
#include "CATICatalogKeyword.h"
#include "CATICatalogQuery.h"

CATBaseUnknown* CATMakeCatalogChapterFactoryAdapter(CATBaseUnknown* container);
CATBaseUnknown* CATMakeCatalogChapterAdapter(CATBaseUnknown* chapter);
CATBaseUnknown* CATMakeCatalogQueryAdapter(CATBaseUnknown* chapter);
CATBaseUnknown* CATMakeCatalogDescriptionAdapter(CATBaseUnknown* description);
CATBaseUnknown* CATMakeCatalogKeywordAdapter(CATBaseUnknown* keyword);

#endif  // CATCatalogAdapters_h
