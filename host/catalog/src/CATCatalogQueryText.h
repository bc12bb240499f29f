#ifndef CATCatalogQueryText_h
#define CATCatalogQueryText_h

// The query language of catalog chapters (described in CATICatalogQuery.h):
// a query text split into its keyword and its value.

#include "CATUnicodeString.h"

struct CATCatalogQueryTerm {
  CATUnicodeString keyword;
  CATUnicodeString value;
};

// Splits `text` of the form (x.<keyword>=="<value>") into `term`. False,
// `term` unchanged, for any other text.
bool CATCatalogParseQuery(const CATUnicodeString& text, CATCatalogQueryTerm& term);

#endif  // CATCatalogQueryText_h
