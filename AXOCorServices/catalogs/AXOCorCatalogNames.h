#ifndef AXOCorCatalogNames_h
#define AXOCorCatalogNames_h

// The names under which the library offers catalog files. An internal unit:
// linked into the library and into its tools, never exported.

#include "CATUnicodeString.h"

namespace axo_catalogs {

// The extension of catalog files; listings match it in any letter case.
extern const char kExtension[];

// The name a steel catalog file is offered under: its first ".catalog",
// in exactly that letter case, taken out.
//   "EU_HEB.catalog" => "EU_HEB"    "Beams.CATALOG" => "Beams.CATALOG"
CATUnicodeString CatalogNameOf(const CATUnicodeString& fileName);

}  // namespace axo_catalogs

#endif  // AXOCorCatalogNames_h
