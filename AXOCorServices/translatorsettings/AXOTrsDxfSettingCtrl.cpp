// The DXF settings controller: its class, its dictionary entries, its
// holder and its factory.
#include "AXOCorServices.h"
#include "AXOITrsDxfSettingAtt.h"
#include "CATDictionary.h"
#include "CATIIniSettingManagment.h"
#include "CATIniCleanerSettingCtrl.h"
#include "translatorsettings/AXOTrsSettingCtrl.h"
#include "translatorsettings/AXOTrsSettingCtrlCreation.h"

CATImplementClass(AXOTrsDxfSettingCtrl, CATComponentMainClass, CATBaseUnknown, CATNull)

AXOTrsDxfSettingCtrl::AXOTrsDxfSettingCtrl() = default;

AXOTrsDxfSettingCtrl::~AXOTrsDxfSettingCtrl() = default;

namespace {

// Registered while the library is loaded.
const CATFillDictionary g_settings_entry("AXOETrsDxfSettingAtt", IID_AXOITrsDxfSettingAtt,
                                         &CreateTIEAXOITrsDxfSettingAttAXOETrsDxfSettingAtt);
const CATFillDictionary g_management_entry(
    "AXOTrsDxfSettingManagement", IID_CATIIniSettingManagment,
    &CreateTIECATIIniSettingManagmentAXOTrsDxfSettingManagement);

// Keeps the controller from its creation until the library unloads.
CATIniCleanerSettingCtrl g_holder;

}  // namespace

HRESULT GetAXOTrsDxfSettingCtrl(const GUID& iIID, void** oPtr) {
  return AXOTrsGetSettingCtrl<AXOTrsDxfSettingCtrl, AXOITrsDxfSettingAtt>(g_holder, iIID, oPtr);
}
