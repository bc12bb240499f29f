// The identifiers of the model's interfaces, the one place they are written
// (CATInterfaceTable.h), and the table of the names known at run time.
#include "CATModelInterfaces.h"
#include "CATInterfaceTable.h"

#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CATI3DGeoVisu.h"
#include "CATIAlias.h"
#include "CATIAttributesDescription.h"
#include "CATIBodyRequest.h"
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
#include "CATIOsmExtension.h"
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
#include "CATModelKinds.h"

namespace {

// The model interfaces count up from this id.
constexpr IID kModelFamily = {
    0x7c3e1a00, 0x51d2, 0x4e8b, {0xa4, 0x6f, 0x19, 0x3b, 0x8d, 0x02, 0xc7, 0x5e}};

constexpr CATInterfaceId kModelInterfaces[] = {
    {"CATISpecObject", CATFamilyIID(kModelFamily, 1)},
    {"CATIAlias", CATFamilyIID(kModelFamily, 2)},
    {"CATIDescendants", CATFamilyIID(kModelFamily, 3)},
    {"CATIMechanicalFeature", CATFamilyIID(kModelFamily, 4)},
    {"CATISpecUpdate", CATFamilyIID(kModelFamily, 5)},
    {"CATISpecAttrAccess", CATFamilyIID(kModelFamily, 6)},
    {"CATISpecAttrKey", CATFamilyIID(kModelFamily, 7)},
    {"CATILinkableObject", CATFamilyIID(kModelFamily, 8)},
    {"CATIDomain", CATFamilyIID(kModelFamily, 9)},
    {"CATIContainer", CATFamilyIID(kModelFamily, 10)},
    {"CATIPrtContainer", CATFamilyIID(kModelFamily, 11)},
    {"CATIPrtPart", CATFamilyIID(kModelFamily, 12)},
    {"CATIDocId", CATFamilyIID(kModelFamily, 13)},
    {"CATInit", CATFamilyIID(kModelFamily, 14)},
    {"CATIProduct", CATFamilyIID(kModelFamily, 15)},
    {"CATIConnector", CATFamilyIID(kModelFamily, 16)},
    {"CATIPrdObjectPublisher", CATFamilyIID(kModelFamily, 17)},
    {"CATIRedrawEvent", CATFamilyIID(kModelFamily, 18)},
    {"CATIAttributesDescription", CATFamilyIID(kModelFamily, 19)},
    {"CATIInstance", CATFamilyIID(kModelFamily, 20)},
    {"CATIOsmExtension",
     {0x3e8d5c21, 0x94b7, 0x4f0a, {0xb6, 0x1d, 0x2a, 0x7c, 0x58, 0x93, 0xe4, 0x0f}}},
};
const CATInterfaceListing kListed("model", kModelInterfaces);

}  // namespace

const IID IID_CATISpecObject = CATInterfaceIdOf(kModelInterfaces, "CATISpecObject");
const IID IID_CATIAlias = CATInterfaceIdOf(kModelInterfaces, "CATIAlias");
const IID IID_CATIDescendants = CATInterfaceIdOf(kModelInterfaces, "CATIDescendants");
const IID IID_CATIMechanicalFeature = CATInterfaceIdOf(kModelInterfaces, "CATIMechanicalFeature");
const IID IID_CATISpecUpdate = CATInterfaceIdOf(kModelInterfaces, "CATISpecUpdate");
const IID IID_CATISpecAttrAccess = CATInterfaceIdOf(kModelInterfaces, "CATISpecAttrAccess");
const IID IID_CATISpecAttrKey = CATInterfaceIdOf(kModelInterfaces, "CATISpecAttrKey");
const IID IID_CATILinkableObject = CATInterfaceIdOf(kModelInterfaces, "CATILinkableObject");
const IID IID_CATIDomain = CATInterfaceIdOf(kModelInterfaces, "CATIDomain");
const IID IID_CATIContainer = CATInterfaceIdOf(kModelInterfaces, "CATIContainer");
const IID IID_CATIPrtContainer = CATInterfaceIdOf(kModelInterfaces, "CATIPrtContainer");
const IID IID_CATIPrtPart = CATInterfaceIdOf(kModelInterfaces, "CATIPrtPart");
const IID IID_CATIDocId = CATInterfaceIdOf(kModelInterfaces, "CATIDocId");
const IID IID_CATInit = CATInterfaceIdOf(kModelInterfaces, "CATInit");
const IID IID_CATIProduct = CATInterfaceIdOf(kModelInterfaces, "CATIProduct");
const IID IID_CATIConnector = CATInterfaceIdOf(kModelInterfaces, "CATIConnector");
const IID IID_CATIPrdObjectPublisher = CATInterfaceIdOf(kModelInterfaces, "CATIPrdObjectPublisher");
const IID IID_CATIRedrawEvent = CATInterfaceIdOf(kModelInterfaces, "CATIRedrawEvent");
const IID IID_CATIAttributesDescription =
    CATInterfaceIdOf(kModelInterfaces, "CATIAttributesDescription");
const IID IID_CATIInstance = CATInterfaceIdOf(kModelInterfaces, "CATIInstance");
const IID IID_CATIOsmExtension = CATInterfaceIdOf(kModelInterfaces, "CATIOsmExtension");

namespace {

struct NamedInterface {
  std::string_view name;  // of a text that lives as long as the process
  const IID* iid;
};

std::vector<NamedInterface>& Interfaces() {
  static std::vector<NamedInterface> interfaces;
  return interfaces;
}

void RegisterModelInterfaces() {
  CATModelRegisterInterfaces<
      CATBaseUnknown, CATISpecObject, CATIAlias, CATIDescendants, CATIMechanicalFeature,
      CATISpecUpdate, CATISpecAttrAccess, CATISpecAttrKey, CATILinkableObject, CATIDomain,
      CATIContainer, CATIPrtContainer, CATIPrtPart, CATIDocId, CATInit, CATIProduct, CATIConnector,
      CATIPrdObjectPublisher, CATIRedrawEvent, CATIAttributesDescription, CATIInstance, CATICkeParm,
      CATIGeometricalElement, CATIBodyRequest, CATIPartRequest, CATIMovable, CATI3DGeoVisu,
      CATIContainerOfDocument>();
}

const CATModelRegistration kModelInterfaceNames(&RegisterModelInterfaces);

}  // namespace

void CATModelRegisterInterface(const char* name, const IID& iid) {
  // An interface without a ClassName() of its own answers its base's name.
  const IID* named = CATModelFindInterface(name);
  if (named != nullptr && *named != iid) {
    throw std::logic_error(std::string("two interfaces registered as ") + name);
  }
  Interfaces().push_back({std::string_view(name), &iid});
}

const IID* CATModelFindInterface(std::string_view name) {
  for (const NamedInterface& entry : Interfaces()) {
    if (name == entry.name) return entry.iid;
  }
  return nullptr;
}

const char* CATModelInterfaceName(const IID& iid) {
  for (const NamedInterface& entry : Interfaces()) {
    if (*entry.iid == iid) return entry.name.data();
  }
  return nullptr;
}
