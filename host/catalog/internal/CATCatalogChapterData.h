#ifndef CATCatalogChapterData_h
#define CATCatalogChapterData_h

// What a chapter of a catalog holds besides its objects: the record of the
// queries run on it, for tests to read (not saved).

#include <vector>

#include "CATModelKindData.h"
#include "CATUnicodeString.h"

struct CATCatalogChapterData : CATModelKindData {
  std::vector<CATUnicodeString> queries_run;  // each query's text, oldest first
};

#endif  // CATCatalogChapterData_h
