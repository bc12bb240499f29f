// Identifiers of the model's interfaces, and the table of their names.
#include "CATModelInterfaces.h"
#include "CATInterfaceFamily.h"

#include <cstring>

#include "AXOIAttLogical.h"
#include "AXOICorPartDocument.h"
#include "AXOICorProductDocument.h"
#include "AXOICorProductSearch.h"
#include "CATI3DGeoVisu.h"
#include "CATIAlias.h"
#include "CATIAttributesDescription.h"
#include "CATIBodyRequest.h"
#include "CATICatalogChapterFactory.h"
#include "CATICatalogQuery.h"
#include "CATICkeParm.h"
#include "CATIConnector.h"
#include "CATIContainer.h"
#include "CATIContainerOfDocument.h"
#include "CATIDescendants.h"
#include "CATIDocId.h"
#include "CATIDomain.h"
#include "CATIGeometricalElement.h"
#include "CATIInstance.h"
#include "CATILinkableObject.h"
#include "CATIMechanicalFeature.h"
#include "CATIMovable.h"
#include "CATIPartRequest.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIProduct.h"
#include "CATIPrtContainer.h"
#include "CATIPrtPart.h"
#include "CATIRedrawEvent.h"
#include "CATISpecAttrAccess.h"
#include "CATISpecAttrKey.h"
#include "CATISpecObject.h"
#include "CATISpecUpdate.h"
#include "CATInit.h"

// The model interfaces count up from this id.
constexpr IID kModelFamily = {
    0x7c3e1a00, 0x51d2, 0x4e8b, {0xa4, 0x6f, 0x19, 0x3b, 0x8d, 0x02, 0xc7, 0x5e}};

const IID IID_CATISpecObject = CATFamilyIID(kModelFamily, 1);
const IID IID_CATIAlias = CATFamilyIID(kModelFamily, 2);
const IID IID_CATIDescendants = CATFamilyIID(kModelFamily, 3);
const IID IID_CATIMechanicalFeature = CATFamilyIID(kModelFamily, 4);
const IID IID_CATISpecUpdate = CATFamilyIID(kModelFamily, 5);
const IID IID_CATISpecAttrAccess = CATFamilyIID(kModelFamily, 6);
const IID IID_CATISpecAttrKey = CATFamilyIID(kModelFamily, 7);
const IID IID_CATILinkableObject = CATFamilyIID(kModelFamily, 8);
const IID IID_CATIDomain = CATFamilyIID(kModelFamily, 9);
const IID IID_CATIContainer = CATFamilyIID(kModelFamily, 10);
const IID IID_CATIPrtContainer = CATFamilyIID(kModelFamily, 11);
const IID IID_CATIPrtPart = CATFamilyIID(kModelFamily, 12);
const IID IID_CATIDocId = CATFamilyIID(kModelFamily, 13);
const IID IID_CATInit = CATFamilyIID(kModelFamily, 14);
const IID IID_CATIProduct = CATFamilyIID(kModelFamily, 15);
const IID IID_CATIConnector = CATFamilyIID(kModelFamily, 16);
const IID IID_CATIPrdObjectPublisher = CATFamilyIID(kModelFamily, 17);
const IID IID_CATIRedrawEvent = CATFamilyIID(kModelFamily, 18);
const IID IID_CATIAttributesDescription = CATFamilyIID(kModelFamily, 19);
const IID IID_CATIInstance = CATFamilyIID(kModelFamily, 20);

namespace {

struct NamedInterface {
  const char* name;
  const IID* iid;
};

const NamedInterface kInterfaces[] = {
    {"CATBaseUnknown", &IID_CATBaseUnknown},
    {"CATISpecObject", &IID_CATISpecObject},
    {"CATIAlias", &IID_CATIAlias},
    {"CATIDescendants", &IID_CATIDescendants},
    {"CATIMechanicalFeature", &IID_CATIMechanicalFeature},
    {"CATISpecUpdate", &IID_CATISpecUpdate},
    {"CATISpecAttrAccess", &IID_CATISpecAttrAccess},
    {"CATISpecAttrKey", &IID_CATISpecAttrKey},
    {"CATILinkableObject", &IID_CATILinkableObject},
    {"CATIDomain", &IID_CATIDomain},
    {"CATIContainer", &IID_CATIContainer},
    {"CATIPrtContainer", &IID_CATIPrtContainer},
    {"CATIPrtPart", &IID_CATIPrtPart},
    {"CATIDocId", &IID_CATIDocId},
    {"CATInit", &IID_CATInit},
    {"CATIProduct", &IID_CATIProduct},
    {"CATIConnector", &IID_CATIConnector},
    {"CATIPrdObjectPublisher", &IID_CATIPrdObjectPublisher},
    {"CATIRedrawEvent", &IID_CATIRedrawEvent},
    {"CATIAttributesDescription", &IID_CATIAttributesDescription},
    {"CATIInstance", &IID_CATIInstance},
    {"CATICkeParm", &IID_CATICkeParm},
    {"AXOICorProductDocument", &IID_AXOICorProductDocument},
    {"AXOICorPartDocument", &IID_AXOICorPartDocument},
    {"AXOIAttLogical", &IID_AXOIAttLogical},
    {"CATICatalogChapterFactory", &IID_CATICatalogChapterFactory},
    {"CATICatalogChapter", &IID_CATICatalogChapter},
    {"CATICatalogQuery", &IID_CATICatalogQuery},
    {"CATICatalogDescription", &IID_CATICatalogDescription},
    {"CATICatalogKeyword", &IID_CATICatalogKeyword},
    // Geometry.
    {"CATIGeometricalElement", &IID_CATIGeometricalElement},
    {"CATIBodyRequest", &IID_CATIBodyRequest},
    {"CATIPartRequest", &IID_CATIPartRequest},
    {"CATIMovable", &IID_CATIMovable},
    {"CATI3DGeoVisu", &IID_CATI3DGeoVisu},
    {"CATIContainerOfDocument", &IID_CATIContainerOfDocument},
    {"AXOICorProductSearch", &IID_AXOICorProductSearch},
};

}  // namespace

const IID* CATModelFindInterface(const std::string& name) {
  for (const NamedInterface& entry : kInterfaces) {
    if (name == entry.name) return entry.iid;
  }
  return nullptr;
}

const char* CATModelInterfaceName(const IID& iid) {
  for (const NamedInterface& entry : kInterfaces) {
    if (*entry.iid == iid) return entry.name;
  }
  return nullptr;
}
