// The adapter factory of AXOITrsIfcSettingAtt over AXOETrsIfcSettingAtt,
// through which the object model offers the interface on the IFC controller.
#include "AXOCorServices.h"
#include "TIE_AXOITrsIfcSettingAtt.h"
#include "translatorsettings/AXOETrsIfcSettingAtt.h"

CATBaseUnknown* CreateTIEAXOITrsIfcSettingAttAXOETrsIfcSettingAtt(CATBaseUnknown* object,
                                                                  void* hostData) {
  return CATCreateAdapter<TIEAXOITrsIfcSettingAtt<AXOETrsIfcSettingAtt>>(object, hostData);
}
