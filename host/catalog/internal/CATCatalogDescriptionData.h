#ifndef CATCatalogDescriptionData_h
#define CATCatalogDescriptionData_h

// What a description of a catalog chapter holds: its kind, its values by
// keyword name, and for one of kind CATCatalogChapterKind the chapter it
// refers to.

#include <map>

#include "CATModelKindData.h"
#include "CATUnicodeString.h"

struct CATCatalogDescriptionData : CATModelKindData {
  void VisitLinks(const std::function<void(CATModelLink&)>& visit) override { visit(reference); }

  unsigned char kind = 0;
  std::map<CATUnicodeString, CATUnicodeString> values;
  CATModelLink reference;  // the chapter referred to
};

#endif  // CATCatalogDescriptionData_h
