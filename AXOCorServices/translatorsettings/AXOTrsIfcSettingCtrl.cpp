// The IFC settings controller: its class, its dictionary entries, its
// holder and its factory.
#include "AXOCorServices.h"
#include "AXOITrsIfcSettingAtt.h"
#include "CATDictionary.h"
#include "CATIIniSettingManagment.h"
#include "CATIniCleanerSettingCtrl.h"
#include "translatorsettings/AXOTrsSettingCtrl.h"
#include "translatorsettings/AXOTrsSettingCtrlCreation.h"

CATImplementClass(AXOTrsIfcSettingCtrl, CATComponentMainClass, CATBaseUnknown, CATNull)

AXOTrsIfcSettingCtrl::AXOTrsIfcSettingCtrl() = default;

AXOTrsIfcSettingCtrl::~AXOTrsIfcSettingCtrl() = default;

namespace {

// Registered while the library is loaded.
const CATFillDictionary g_settings_entry("AXOETrsIfcSettingAtt", IID_AXOITrsIfcSettingAtt,
                                         &CreateTIEAXOITrsIfcSettingAttAXOETrsIfcSettingAtt);
const CATFillDictionary g_management_entry(
    "AXOTrsIfcSettingManagement", IID_CATIIniSettingManagment,
    &CreateTIECATIIniSettingManagmentAXOTrsIfcSettingManagement);

// Keeps the controller from its creation until the library unloads.
CATIniCleanerSettingCtrl g_holder;

}  // namespace

HRESULT GetAXOTrsIfcSettingCtrl(const GUID& iIID, void** oPtr) {
  return AXOTrsGetSettingCtrl<AXOTrsIfcSettingCtrl, AXOITrsIfcSettingAtt>(g_holder, iIID, oPtr);
}
