#include "AXOTrsSettingManagement.h"

#include "AXOCorServices.h"
#include "TIE_CATIIniSettingManagment.h"

CATImplementClass(AXOTrsDxfSettingManagement, CATDataExtensionClass, CATEIniSettingManagment,
                  AXOTrsDxfSettingCtrl)
CATImplementClass(AXOTrsIfcSettingManagement, CATDataExtensionClass, CATEIniSettingManagment,
                  AXOTrsIfcSettingCtrl)

AXOTrsDxfSettingManagement::AXOTrsDxfSettingManagement()
    : CATEIniSettingManagment("AXODxfUnitTypeElt") {}

AXOTrsDxfSettingManagement::~AXOTrsDxfSettingManagement() = default;

AXOTrsIfcSettingManagement::AXOTrsIfcSettingManagement()
    : CATEIniSettingManagment("AXOIfcExport") {}

AXOTrsIfcSettingManagement::~AXOTrsIfcSettingManagement() = default;

CATBaseUnknown* CreateTIECATIIniSettingManagmentAXOTrsDxfSettingManagement(CATBaseUnknown* object,
                                                                           void* hostData) {
  return CATCreateAdapter<TIECATIIniSettingManagment<AXOTrsDxfSettingManagement>>(object, hostData);
}

CATBaseUnknown* CreateTIECATIIniSettingManagmentAXOTrsIfcSettingManagement(CATBaseUnknown* object,
                                                                           void* hostData) {
  return CATCreateAdapter<TIECATIIniSettingManagment<AXOTrsIfcSettingManagement>>(object, hostData);
}
