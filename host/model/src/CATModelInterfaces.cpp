// Identifiers of the model's interfaces, and the table of their names.
#include "CATModelInterfaces.h"
#include "CATInterfaceFamily.h"

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

const CATModelRegistration kModelInterfaces(&RegisterModelInterfaces);

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
