// The identifiers of the catalog's interfaces: the one place they are
// written (CATInterfaceTable.h).
#include "CATICatalogChapter.h"
#include "CATICatalogChapterFactory.h"
#include "CATICatalogDescription.h"
#include "CATICatalogKeyword.h"
#include "CATICatalogQuery.h"
#include "CATICatalogQueryResult.h"
#include "CATInterfaceTable.h"

namespace {

// The catalog interfaces count up from this id.
constexpr IID kCatalogFamily = {
    0x3e5d7a00, 0x2c41, 0x4b9e, {0x8f, 0x13, 0x6a, 0xd0, 0x47, 0xb2, 0x95, 0x1c}};

constexpr CATInterfaceId kCatalogInterfaces[] = {
    {"CATICatalogChapterFactory", CATFamilyIID(kCatalogFamily, 1)},
    {"CATICatalogChapter", CATFamilyIID(kCatalogFamily, 2)},
    {"CATICatalogQuery", CATFamilyIID(kCatalogFamily, 3)},
    {"CATICatalogQueryResult", CATFamilyIID(kCatalogFamily, 4)},
    {"CATICatalogDescription", CATFamilyIID(kCatalogFamily, 5)},
    {"CATICatalogKeyword", CATFamilyIID(kCatalogFamily, 6)},
};
const CATInterfaceListing kListed("catalog", kCatalogInterfaces);

}  // namespace

const IID IID_CATICatalogChapterFactory =
    CATInterfaceIdOf(kCatalogInterfaces, "CATICatalogChapterFactory");
const IID IID_CATICatalogChapter = CATInterfaceIdOf(kCatalogInterfaces, "CATICatalogChapter");
const IID IID_CATICatalogQuery = CATInterfaceIdOf(kCatalogInterfaces, "CATICatalogQuery");
const IID IID_CATICatalogQueryResult =
    CATInterfaceIdOf(kCatalogInterfaces, "CATICatalogQueryResult");
const IID IID_CATICatalogDescription =
    CATInterfaceIdOf(kCatalogInterfaces, "CATICatalogDescription");
const IID IID_CATICatalogKeyword = CATInterfaceIdOf(kCatalogInterfaces, "CATICatalogKeyword");
