// The adapter factory of AXOITrsIfcSettingAtt over AXOETrsIfcSettingAtt.
#include "AXOETrsIfcSettingAtt.h"
#include "TIE_AXOITrsIfcSettingAtt.h"

CATBaseUnknown* CreateTIEAXOITrsIfcSettingAttAXOETrsIfcSettingAtt(CATBaseUnknown* object,
                                                                  void* hostData) {
  return CATCreateAdapter<TIEAXOITrsIfcSettingAtt<AXOETrsIfcSettingAtt>>(object, hostData);
}
