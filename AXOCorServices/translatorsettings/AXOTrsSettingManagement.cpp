#include "translatorsettings/AXOTrsSettingManagement.h"

#include "AXOCorServices.h"
#include "TIE_CATIIniSettingManagment.h"
#include "translatorsettings/AXOTrsSettingDescription.h"

CATImplementClass(AXOTrsDxfSettingManagement, CATDataExtensionClass, CATEIniSettingManagment,
                  AXOTrsDxfSettingCtrl)
CATImplementClass(AXOTrsIfcSettingManagement, CATDataExtensionClass, CATEIniSettingManagment,
                  AXOTrsIfcSettingCtrl)

AXOTrsDxfSettingManagement::AXOTrsDxfSettingManagement()
    : CATEIniSettingManagment(axo_settings::kDxf.repository) {}

AXOTrsDxfSettingManagement::~AXOTrsDxfSettingManagement() = default;

AXOTrsIfcSettingManagement::AXOTrsIfcSettingManagement()
    : CATEIniSettingManagment(axo_settings::kIfc.repository) {}

AXOTrsIfcSettingManagement::~AXOTrsIfcSettingManagement() = default;

CATBaseUnknown* CreateTIECATIIniSettingManagmentAXOTrsDxfSettingManagement(CATBaseUnknown* object,
                                                                           void* hostData) {
  return CATCreateAdapter<TIECATIIniSettingManagment<AXOTrsDxfSettingManagement>>(object, hostData);
}

CATBaseUnknown* CreateTIECATIIniSettingManagmentAXOTrsIfcSettingManagement(CATBaseUnknown* object,
                                                                           void* hostData) {
  return CATCreateAdapter<TIECATIIniSettingManagment<AXOTrsIfcSettingManagement>>(object, hostData);
}
