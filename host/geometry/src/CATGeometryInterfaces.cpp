// The identifiers of the geometry's interfaces: the one place they are
// written (CATInterfaceTable.h).
#include "CATBody.h"
#include "CATCell.h"
#include "CATDomain.h"
#include "CATGeoFactory.h"
#include "CATGeometry.h"
#include "CATI3DGeoVisu.h"
#include "CATIBodyRequest.h"
#include "CATIContainerOfDocument.h"
#include "CATIGeometricalElement.h"
#include "CATIMovable.h"
#include "CATIPartRequest.h"
#include "CATInterfaceTable.h"
#include "CATPoint.h"

namespace {

// The geometry interfaces count up from this id.
constexpr IID kGeometryFamily = {
    0x3a9d5e00, 0x2b71, 0x4c0e, {0x8f, 0x13, 0x6a, 0x5c, 0x21, 0xe4, 0x9b, 0x07}};

constexpr CATInterfaceId kGeometryInterfaces[] = {
    {"CATGeometry", CATFamilyIID(kGeometryFamily, 1)},
    {"CATPoint", CATFamilyIID(kGeometryFamily, 2)},
    {"CATCell", CATFamilyIID(kGeometryFamily, 3)},
    {"CATDomain", CATFamilyIID(kGeometryFamily, 4)},
    {"CATBody", CATFamilyIID(kGeometryFamily, 5)},
    {"CATGeoFactory", CATFamilyIID(kGeometryFamily, 6)},
    {"CATIGeometricalElement", CATFamilyIID(kGeometryFamily, 7)},
    {"CATIBodyRequest", CATFamilyIID(kGeometryFamily, 8)},
    {"CATIPartRequest", CATFamilyIID(kGeometryFamily, 9)},
    {"CATIMovable", CATFamilyIID(kGeometryFamily, 10)},
    {"CATI3DGeoVisu", CATFamilyIID(kGeometryFamily, 11)},
    {"CATIContainerOfDocument", CATFamilyIID(kGeometryFamily, 12)},
};
const CATInterfaceListing kListed("geometry", kGeometryInterfaces);

}  // namespace

const IID IID_CATGeometry = CATInterfaceIdOf(kGeometryInterfaces, "CATGeometry");
const IID IID_CATPoint = CATInterfaceIdOf(kGeometryInterfaces, "CATPoint");
const IID IID_CATCell = CATInterfaceIdOf(kGeometryInterfaces, "CATCell");
const IID IID_CATDomain = CATInterfaceIdOf(kGeometryInterfaces, "CATDomain");
const IID IID_CATBody = CATInterfaceIdOf(kGeometryInterfaces, "CATBody");
const IID IID_CATGeoFactory = CATInterfaceIdOf(kGeometryInterfaces, "CATGeoFactory");
const IID IID_CATIGeometricalElement =
    CATInterfaceIdOf(kGeometryInterfaces, "CATIGeometricalElement");
const IID IID_CATIBodyRequest = CATInterfaceIdOf(kGeometryInterfaces, "CATIBodyRequest");
const IID IID_CATIPartRequest = CATInterfaceIdOf(kGeometryInterfaces, "CATIPartRequest");
const IID IID_CATIMovable = CATInterfaceIdOf(kGeometryInterfaces, "CATIMovable");
const IID IID_CATI3DGeoVisu = CATInterfaceIdOf(kGeometryInterfaces, "CATI3DGeoVisu");
const IID IID_CATIContainerOfDocument =
    CATInterfaceIdOf(kGeometryInterfaces, "CATIContainerOfDocument");
