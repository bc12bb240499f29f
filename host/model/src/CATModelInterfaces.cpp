// Identifiers of the model's interfaces, and the table of their names.
#include "CATModelInterfaces.h"

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

// Data1 counts the interfaces; the rest is common to the model's family.
#define CAT_MODEL_IID(n)                             \
  {                                                  \
    0x7c3e1a00 + (n), 0x51d2, 0x4e8b, {              \
      0xa4, 0x6f, 0x19, 0x3b, 0x8d, 0x02, 0xc7, 0x5e \
    }                                                \
  }

const IID IID_CATISpecObject = CAT_MODEL_IID(1);
const IID IID_CATIAlias = CAT_MODEL_IID(2);
const IID IID_CATIDescendants = CAT_MODEL_IID(3);
const IID IID_CATIMechanicalFeature = CAT_MODEL_IID(4);
const IID IID_CATISpecUpdate = CAT_MODEL_IID(5);
const IID IID_CATISpecAttrAccess = CAT_MODEL_IID(6);
const IID IID_CATISpecAttrKey = CAT_MODEL_IID(7);
const IID IID_CATILinkableObject = CAT_MODEL_IID(8);
const IID IID_CATIDomain = CAT_MODEL_IID(9);
const IID IID_CATIContainer = CAT_MODEL_IID(10);
const IID IID_CATIPrtContainer = CAT_MODEL_IID(11);
const IID IID_CATIPrtPart = CAT_MODEL_IID(12);
const IID IID_CATIDocId = CAT_MODEL_IID(13);
const IID IID_CATInit = CAT_MODEL_IID(14);
const IID IID_CATIProduct = CAT_MODEL_IID(15);
const IID IID_CATIConnector = CAT_MODEL_IID(16);
const IID IID_CATIPrdObjectPublisher = CAT_MODEL_IID(17);
const IID IID_CATIRedrawEvent = CAT_MODEL_IID(18);
const IID IID_CATIAttributesDescription = CAT_MODEL_IID(19);
const IID IID_CATIInstance = CAT_MODEL_IID(20);

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
