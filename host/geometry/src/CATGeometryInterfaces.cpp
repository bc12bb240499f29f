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
#include "CATPoint.h"

// Data1 counts the interfaces; the rest is common to the geometry's family.
#define CAT_GEOMETRY_IID(n)                          \
  {                                                  \
    0x3a9d5e00 + (n), 0x2b71, 0x4c0e, {              \
      0x8f, 0x13, 0x6a, 0x5c, 0x21, 0xe4, 0x9b, 0x07 \
    }                                                \
  }

const IID IID_CATGeometry = CAT_GEOMETRY_IID(1);
const IID IID_CATPoint = CAT_GEOMETRY_IID(2);
const IID IID_CATCell = CAT_GEOMETRY_IID(3);
const IID IID_CATDomain = CAT_GEOMETRY_IID(4);
const IID IID_CATBody = CAT_GEOMETRY_IID(5);
const IID IID_CATGeoFactory = CAT_GEOMETRY_IID(6);
const IID IID_CATIGeometricalElement = CAT_GEOMETRY_IID(7);
const IID IID_CATIBodyRequest = CAT_GEOMETRY_IID(8);
const IID IID_CATIPartRequest = CAT_GEOMETRY_IID(9);
const IID IID_CATIMovable = CAT_GEOMETRY_IID(10);
const IID IID_CATI3DGeoVisu = CAT_GEOMETRY_IID(11);
const IID IID_CATIContainerOfDocument = CAT_GEOMETRY_IID(12);
