// The adapter factory of AXOITrsDxfSettingAtt over AXOETrsDxfSettingAtt.
#include "AXOCorServices.h"
#include "TIE_AXOITrsDxfSettingAtt.h"
#include "translatorsettings/AXOETrsDxfSettingAtt.h"

CATBaseUnknown* CreateTIEAXOITrsDxfSettingAttAXOETrsDxfSettingAtt(CATBaseUnknown* object,
                                                                  void* hostData) {
  return CATCreateAdapter<TIEAXOITrsDxfSettingAtt<AXOETrsDxfSettingAtt>>(object, hostData);
}
