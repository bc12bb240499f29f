// The adapter factory of AXOITrsDxfSettingAtt over AXOETrsDxfSettingAtt.
#include "AXOCorServices.h"
#include "AXOETrsDxfSettingAtt.h"
#include "TIE_AXOITrsDxfSettingAtt.h"

CATBaseUnknown* CreateTIEAXOITrsDxfSettingAttAXOETrsDxfSettingAtt(CATBaseUnknown* object,
                                                                  void* hostData) {
  return CATCreateAdapter<TIEAXOITrsDxfSettingAtt<AXOETrsDxfSettingAtt>>(object, hostData);
}
