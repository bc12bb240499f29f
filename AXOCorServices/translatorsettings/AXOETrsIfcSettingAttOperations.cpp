// The operations of AXOITrsIfcSettingAtt: each hands its attribute to the
// helper of its shape (see AXOETrsIfcSettingAtt.cpp).
#include "translatorsettings/AXOETrsIfcSettingAtt.h"
#include "translatorsettings/AXOTrsSettingDescription.h"

namespace {

// The row of `key` in the IFC settings.
const axo_settings::Setting& Row(const char* key) {
  return axo_settings::SettingOf(axo_settings::kIfc, key);
}

}  // namespace

// ---- The interface's operations, by attribute ----------------------------------

HRESULT AXOETrsIfcSettingAtt::GetCGRLimit(int& value) {
  return GetInteger(Row("CGRLimit"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetCGRLimit(const int& value) {
  return SetInteger(Row("CGRLimit"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetCGRLimitParm(CATICkeParm_var& parm) {
  return GetIntegerParm(Row("CGRLimit"), parm);
}
HRESULT AXOETrsIfcSettingAtt::SetCGRLimitParm(const CATICkeParm_var& parm) {
  return SetIntegerParm(Row("CGRLimit"), parm);
}
HRESULT AXOETrsIfcSettingAtt::GetCGRLimitInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("CGRLimit"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportAllBodiesSets(int& value) {
  return GetInteger(Row("ExportAllBodiesSets"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportAllBodiesSets(const int& value) {
  return SetInteger(Row("ExportAllBodiesSets"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportAllBodiesSetsInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ExportAllBodiesSets"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportStdPropSets(int& value) {
  return GetInteger(Row("ExportStdPropSets"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportStdPropSets(const int& value) {
  return SetInteger(Row("ExportStdPropSets"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportStdPropSetsInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ExportStdPropSets"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportAllPackages(int& value) {
  return GetInteger(Row("ExportAllPackages"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportAllPackages(const int& value) {
  return SetInteger(Row("ExportAllPackages"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportAllPackagesInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ExportAllPackages"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetJoinLimit(int& value) {
  return GetInteger(Row("JoinLimit"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetJoinLimit(const int& value) {
  return SetInteger(Row("JoinLimit"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetJoinLimitParm(CATICkeParm_var& parm) {
  return GetIntegerParm(Row("JoinLimit"), parm);
}
HRESULT AXOETrsIfcSettingAtt::SetJoinLimitParm(const CATICkeParm_var& parm) {
  return SetIntegerParm(Row("JoinLimit"), parm);
}
HRESULT AXOETrsIfcSettingAtt::GetJoinLimitInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("JoinLimit"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetDisjoinLimit(int& value) {
  return GetInteger(Row("DisjoinLimit"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetDisjoinLimit(const int& value) {
  return SetInteger(Row("DisjoinLimit"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetDisjoinLimitParm(CATICkeParm_var& parm) {
  return GetIntegerParm(Row("DisjoinLimit"), parm);
}
HRESULT AXOETrsIfcSettingAtt::SetDisjoinLimitParm(const CATICkeParm_var& parm) {
  return SetIntegerParm(Row("DisjoinLimit"), parm);
}
HRESULT AXOETrsIfcSettingAtt::GetDisjoinLimitInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("DisjoinLimit"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetImportPSet(int& value) {
  return GetInteger(Row("ImportPSet"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetImportPSet(const int& value) {
  return SetInteger(Row("ImportPSet"), value);
}

HRESULT AXOETrsIfcSettingAtt::GetMaxBEPerPart(int& value) {
  return GetInteger(Row("MaxBEPerPart"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetMaxBEPerPart(const int& value) {
  return SetInteger(Row("MaxBEPerPart"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetMaxBEPerPartInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("MaxBEPerPart"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportSpaceBoundaries(int& value) {
  return GetInteger(Row("ExportSpaceBoundaries"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportSpaceBoundaries(const int& value) {
  return SetInteger(Row("ExportSpaceBoundaries"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportSpaceBoundariesInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ExportSpaceBoundaries"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportGeoSetsAndBodies(int& value) {
  return GetInteger(Row("ExportGeoSetsAndBodies"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportGeoSetsAndBodies(const int& value) {
  return SetInteger(Row("ExportGeoSetsAndBodies"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportGeoSetsAndBodiesInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ExportGeoSetsAndBodies"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportXRefs(int& value) {
  return GetInteger(Row("ExportXRefs"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportXRefs(const int& value) {
  return SetInteger(Row("ExportXRefs"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportXRefsInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ExportXRefs"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportSATFiles(int& value) {
  return GetInteger(Row("ExportSATFiles"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportSATFiles(const int& value) {
  return SetInteger(Row("ExportSATFiles"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportSATFilesInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ExportSATFiles"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetBrepOptNormalsOrientation(int& value) {
  return GetInteger(Row("BrepOptNormalsOrientation"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetBrepOptNormalsOrientation(const int& value) {
  return SetInteger(Row("BrepOptNormalsOrientation"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetBrepOptNormalsOrientationInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("BrepOptNormalsOrientation"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetBrepOptMergeVertices(int& value) {
  return GetInteger(Row("BrepOptMergeVertices"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetBrepOptMergeVertices(const int& value) {
  return SetInteger(Row("BrepOptMergeVertices"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetBrepOptMergeVerticesInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("BrepOptMergeVertices"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetBrepOptDecimateTriangles(int& value) {
  return GetInteger(Row("BrepOptDecimateTriangles"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetBrepOptDecimateTriangles(const int& value) {
  return SetInteger(Row("BrepOptDecimateTriangles"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetBrepOptDecimateTrianglesInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("BrepOptDecimateTriangles"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetSagFactorParm(CATICkeParm_var& parm) {
  return GetMeasureParm(Row("SagFactor"), parm);
}
HRESULT AXOETrsIfcSettingAtt::SetSagFactorParm(const CATICkeParm_var& parm) {
  return SetMeasureParm(Row("SagFactor"), parm);
}
HRESULT AXOETrsIfcSettingAtt::GetSagFactorInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("SagFactor"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetAngleParm(CATICkeParm_var& parm) {
  return GetMeasureParm(Row("Angle"), parm);
}
HRESULT AXOETrsIfcSettingAtt::SetAngleParm(const CATICkeParm_var& parm) {
  return SetMeasureParm(Row("Angle"), parm);
}
HRESULT AXOETrsIfcSettingAtt::GetAngleInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("Angle"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::SetRepresentation(const CATString& value) {
  return SetChoice(Row("Representation"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetRepresentationInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("Representation"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportOption(CATString& value) {
  return GetChoice(Row("ExportOption"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportOption(const CATString& value) {
  return SetChoice(Row("ExportOption"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportOptionInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ExportOption"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetBEPerPart(CATString& value) {
  return GetChoice(Row("BEPerPart"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetBEPerPart(const CATString& value) {
  return SetChoice(Row("BEPerPart"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetBEPerPartInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("BEPerPart"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportMapFileName(CATUnicodeString& value) {
  return GetFileName(Row("ExportMapFileName"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportMapFileName(const CATUnicodeString& value) {
  return SetText(Row("ExportMapFileName"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportMapFileNameInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ExportMapFileName"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetImportMapFileName(CATUnicodeString& value) {
  return GetFileName(Row("ImportMapFileName"), value);
}
HRESULT AXOETrsIfcSettingAtt::SetImportMapFileName(const CATUnicodeString& value) {
  return SetText(Row("ImportMapFileName"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetImportMapFileNameInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("ImportMapFileName"), info, option);
}

HRESULT AXOETrsIfcSettingAtt::SetSectionCatalogName(const CATUnicodeString& value) {
  return SetText(Row("SectionCatalogName"), value);
}
HRESULT AXOETrsIfcSettingAtt::GetSectionCatalogNameInfo(CATSettingInfo* info, int option) {
  return GetInfo(Row("SectionCatalogName"), info, option);
}
