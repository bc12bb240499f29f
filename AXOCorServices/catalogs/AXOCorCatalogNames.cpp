// The names of catalog files.
#include "catalogs/AXOCorCatalogNames.h"

namespace axo_catalogs {

const char kExtension[] = ".catalog";

CATUnicodeString CatalogNameOf(const CATUnicodeString& fileName) {
  CATUnicodeString name = fileName;
  const int at = name.SearchSubString(kExtension);
  if (at >= 0) name.ReplaceSubString(at, sizeof kExtension - 1, "");
  return name;
}

}  // namespace axo_catalogs
