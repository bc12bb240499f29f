// Identifiers of the geometry's interfaces.
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
#include "CATInterfaceFamily.h"
#include "CATPoint.h"

// The geometry interfaces count up from this id.
constexpr IID kGeometryFamily = {
    0x3a9d5e00, 0x2b71, 0x4c0e, {0x8f, 0x13, 0x6a, 0x5c, 0x21, 0xe4, 0x9b, 0x07}};

const IID IID_CATGeometry = CATFamilyIID(kGeometryFamily, 1);
const IID IID_CATPoint = CATFamilyIID(kGeometryFamily, 2);
const IID IID_CATCell = CATFamilyIID(kGeometryFamily, 3);
const IID IID_CATDomain = CATFamilyIID(kGeometryFamily, 4);
const IID IID_CATBody = CATFamilyIID(kGeometryFamily, 5);
const IID IID_CATGeoFactory = CATFamilyIID(kGeometryFamily, 6);
const IID IID_CATIGeometricalElement = CATFamilyIID(kGeometryFamily, 7);
const IID IID_CATIBodyRequest = CATFamilyIID(kGeometryFamily, 8);
const IID IID_CATIPartRequest = CATFamilyIID(kGeometryFamily, 9);
const IID IID_CATIMovable = CATFamilyIID(kGeometryFamily, 10);
const IID IID_CATI3DGeoVisu = CATFamilyIID(kGeometryFamily, 11);
const IID IID_CATIContainerOfDocument = CATFamilyIID(kGeometryFamily, 12);
