// The translator settings controllers: their classes, their dictionary
// entries, their holders and their factories. The two translators differ
// only in names; each row below is one translator's.
#include "translatorsettings/AXOTrsSettingCtrl.h"

#include "AXOCorServices.h"
#include "AXOITrsDxfSettingAtt.h"
#include "AXOITrsIfcSettingAtt.h"
#include "CATDictionary.h"
#include "CATIIniSettingManagment.h"
#include "CATIniCleanerSettingCtrl.h"
#include "translatorsettings/AXOTrsSettingCtrlCreation.h"

CATImplementClass(AXOTrsDxfSettingCtrl, CATComponentMainClass, CATBaseUnknown, CATNull)
CATImplementClass(AXOTrsIfcSettingCtrl, CATComponentMainClass, CATBaseUnknown, CATNull)

AXOTrsDxfSettingCtrl::AXOTrsDxfSettingCtrl() = default;
AXOTrsDxfSettingCtrl::~AXOTrsDxfSettingCtrl() = default;
AXOTrsIfcSettingCtrl::AXOTrsIfcSettingCtrl() = default;
AXOTrsIfcSettingCtrl::~AXOTrsIfcSettingCtrl() = default;

namespace {

// Each controller's two extensions, registered while the library is loaded.
const CATFillDictionary g_entries[] = {
    {"AXOETrsDxfSettingAtt", IID_AXOITrsDxfSettingAtt,
     &CreateTIEAXOITrsDxfSettingAttAXOETrsDxfSettingAtt},
    {"AXOTrsDxfSettingManagement", IID_CATIIniSettingManagment,
     &CreateTIECATIIniSettingManagmentAXOTrsDxfSettingManagement},
    {"AXOETrsIfcSettingAtt", IID_AXOITrsIfcSettingAtt,
     &CreateTIEAXOITrsIfcSettingAttAXOETrsIfcSettingAtt},
    {"AXOTrsIfcSettingManagement", IID_CATIIniSettingManagment,
     &CreateTIECATIIniSettingManagmentAXOTrsIfcSettingManagement},
};

// Each keeps its controller from its creation until the library unloads.
CATIniCleanerSettingCtrl g_dxf_holder;
CATIniCleanerSettingCtrl g_ifc_holder;

}  // namespace

HRESULT GetAXOTrsDxfSettingCtrl(const GUID& iIID, void** oPtr) {
  return AXOTrsGetSettingCtrl<AXOTrsDxfSettingCtrl, AXOITrsDxfSettingAtt>(g_dxf_holder, iIID, oPtr);
}

HRESULT GetAXOTrsIfcSettingCtrl(const GUID& iIID, void** oPtr) {
  return AXOTrsGetSettingCtrl<AXOTrsIfcSettingCtrl, AXOITrsIfcSettingAtt>(g_ifc_holder, iIID, oPtr);
}
