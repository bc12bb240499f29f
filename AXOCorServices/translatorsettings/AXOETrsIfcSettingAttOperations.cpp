// The operations of AXOITrsIfcSettingAtt: each hands its attribute to the
// helper of its shape (see AXOETrsIfcSettingAtt.cpp).
#include "AXOETrsIfcSettingAtt.h"
#include "AXOETrsIfcSettingAttributes.h"

using namespace axo_ifc_settings;

// ---- The interface's operations, by attribute ----------------------------------

HRESULT AXOETrsIfcSettingAtt::GetCGRLimit(int& value) {
  return GetInteger(kCGRLimit, value);
}
HRESULT AXOETrsIfcSettingAtt::SetCGRLimit(const int& value) {
  return SetInteger(kCGRLimit, value);
}
HRESULT AXOETrsIfcSettingAtt::GetCGRLimitParm(CATICkeParm_var& parm) {
  return GetIntegerParm(kCGRLimit, parm);
}
HRESULT AXOETrsIfcSettingAtt::SetCGRLimitParm(const CATICkeParm_var& parm) {
  return SetIntegerParm(kCGRLimit, parm);
}
HRESULT AXOETrsIfcSettingAtt::GetCGRLimitInfo(CATSettingInfo* info, int option) {
  return GetInfo(kCGRLimit.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportAllBodiesSets(int& value) {
  return GetInteger(kExportAllBodiesSets, value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportAllBodiesSets(const int& value) {
  return SetInteger(kExportAllBodiesSets, value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportAllBodiesSetsInfo(CATSettingInfo* info, int option) {
  return GetInfo(kExportAllBodiesSets.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportStdPropSets(int& value) {
  return GetInteger(kExportStdPropSets, value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportStdPropSets(const int& value) {
  return SetInteger(kExportStdPropSets, value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportStdPropSetsInfo(CATSettingInfo* info, int option) {
  return GetInfo(kExportStdPropSets.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportAllPackages(int& value) {
  return GetInteger(kExportAllPackages, value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportAllPackages(const int& value) {
  return SetInteger(kExportAllPackages, value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportAllPackagesInfo(CATSettingInfo* info, int option) {
  return GetInfo(kExportAllPackages.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetJoinLimit(int& value) {
  return GetInteger(kJoinLimit, value);
}
HRESULT AXOETrsIfcSettingAtt::SetJoinLimit(const int& value) {
  return SetInteger(kJoinLimit, value);
}
HRESULT AXOETrsIfcSettingAtt::GetJoinLimitParm(CATICkeParm_var& parm) {
  return GetIntegerParm(kJoinLimit, parm);
}
HRESULT AXOETrsIfcSettingAtt::SetJoinLimitParm(const CATICkeParm_var& parm) {
  return SetIntegerParm(kJoinLimit, parm);
}
HRESULT AXOETrsIfcSettingAtt::GetJoinLimitInfo(CATSettingInfo* info, int option) {
  return GetInfo(kJoinLimit.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetDisjoinLimit(int& value) {
  return GetInteger(kDisjoinLimit, value);
}
HRESULT AXOETrsIfcSettingAtt::SetDisjoinLimit(const int& value) {
  return SetInteger(kDisjoinLimit, value);
}
HRESULT AXOETrsIfcSettingAtt::GetDisjoinLimitParm(CATICkeParm_var& parm) {
  return GetIntegerParm(kDisjoinLimit, parm);
}
HRESULT AXOETrsIfcSettingAtt::SetDisjoinLimitParm(const CATICkeParm_var& parm) {
  return SetIntegerParm(kDisjoinLimit, parm);
}
HRESULT AXOETrsIfcSettingAtt::GetDisjoinLimitInfo(CATSettingInfo* info, int option) {
  return GetInfo(kDisjoinLimit.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetImportPSet(int& value) {
  return GetInteger(kImportPSet, value);
}
HRESULT AXOETrsIfcSettingAtt::SetImportPSet(const int& value) {
  return SetInteger(kImportPSet, value);
}

HRESULT AXOETrsIfcSettingAtt::GetMaxBEPerPart(int& value) {
  return GetInteger(kMaxBEPerPart, value);
}
HRESULT AXOETrsIfcSettingAtt::SetMaxBEPerPart(const int& value) {
  return SetInteger(kMaxBEPerPart, value);
}
HRESULT AXOETrsIfcSettingAtt::GetMaxBEPerPartInfo(CATSettingInfo* info, int option) {
  return GetInfo(kMaxBEPerPart.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportSpaceBoundaries(int& value) {
  return GetInteger(kExportSpaceBoundaries, value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportSpaceBoundaries(const int& value) {
  return SetInteger(kExportSpaceBoundaries, value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportSpaceBoundariesInfo(CATSettingInfo* info, int option) {
  return GetInfo(kExportSpaceBoundaries.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportGeoSetsAndBodies(int& value) {
  return GetInteger(kExportGeoSetsAndBodies, value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportGeoSetsAndBodies(const int& value) {
  return SetInteger(kExportGeoSetsAndBodies, value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportGeoSetsAndBodiesInfo(CATSettingInfo* info, int option) {
  return GetInfo(kExportGeoSetsAndBodies.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportXRefs(int& value) {
  return GetInteger(kExportXRefs, value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportXRefs(const int& value) {
  return SetInteger(kExportXRefs, value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportXRefsInfo(CATSettingInfo* info, int option) {
  return GetInfo(kExportXRefs.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportSATFiles(int& value) {
  return GetInteger(kExportSATFiles, value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportSATFiles(const int& value) {
  return SetInteger(kExportSATFiles, value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportSATFilesInfo(CATSettingInfo* info, int option) {
  return GetInfo(kExportSATFiles.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetBrepOptNormalsOrientation(int& value) {
  return GetInteger(kBrepOptNormalsOrientation, value);
}
HRESULT AXOETrsIfcSettingAtt::SetBrepOptNormalsOrientation(const int& value) {
  return SetInteger(kBrepOptNormalsOrientation, value);
}
HRESULT AXOETrsIfcSettingAtt::GetBrepOptNormalsOrientationInfo(CATSettingInfo* info, int option) {
  return GetInfo(kBrepOptNormalsOrientation.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetBrepOptMergeVertices(int& value) {
  return GetInteger(kBrepOptMergeVertices, value);
}
HRESULT AXOETrsIfcSettingAtt::SetBrepOptMergeVertices(const int& value) {
  return SetInteger(kBrepOptMergeVertices, value);
}
HRESULT AXOETrsIfcSettingAtt::GetBrepOptMergeVerticesInfo(CATSettingInfo* info, int option) {
  return GetInfo(kBrepOptMergeVertices.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetBrepOptDecimateTriangles(int& value) {
  return GetInteger(kBrepOptDecimateTriangles, value);
}
HRESULT AXOETrsIfcSettingAtt::SetBrepOptDecimateTriangles(const int& value) {
  return SetInteger(kBrepOptDecimateTriangles, value);
}
HRESULT AXOETrsIfcSettingAtt::GetBrepOptDecimateTrianglesInfo(CATSettingInfo* info, int option) {
  return GetInfo(kBrepOptDecimateTriangles.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetSagFactorParm(CATICkeParm_var& parm) {
  return GetMeasureParm(kSagFactor, parm);
}
HRESULT AXOETrsIfcSettingAtt::SetSagFactorParm(const CATICkeParm_var& parm) {
  return SetMeasureParm(kSagFactor, parm);
}
HRESULT AXOETrsIfcSettingAtt::GetSagFactorInfo(CATSettingInfo* info, int option) {
  return GetInfo(kSagFactor.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetAngleParm(CATICkeParm_var& parm) {
  return GetMeasureParm(kAngle, parm);
}
HRESULT AXOETrsIfcSettingAtt::SetAngleParm(const CATICkeParm_var& parm) {
  return SetMeasureParm(kAngle, parm);
}
HRESULT AXOETrsIfcSettingAtt::GetAngleInfo(CATSettingInfo* info, int option) {
  return GetInfo(kAngle.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::SetRepresentation(const CATString& value) {
  return SetChoice(kRepresentation, value);
}
HRESULT AXOETrsIfcSettingAtt::GetRepresentationInfo(CATSettingInfo* info, int option) {
  return GetInfo(kRepresentation.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportOption(CATString& value) {
  return GetChoice(kExportOption, value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportOption(const CATString& value) {
  return SetChoice(kExportOption, value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportOptionInfo(CATSettingInfo* info, int option) {
  return GetInfo(kExportOption.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetBEPerPart(CATString& value) {
  return GetChoice(kBEPerPart, value);
}
HRESULT AXOETrsIfcSettingAtt::SetBEPerPart(const CATString& value) {
  return SetChoice(kBEPerPart, value);
}
HRESULT AXOETrsIfcSettingAtt::GetBEPerPartInfo(CATSettingInfo* info, int option) {
  return GetInfo(kBEPerPart.key, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetExportMapFileName(CATUnicodeString& value) {
  return GetFileName(kExportMapFileName, value);
}
HRESULT AXOETrsIfcSettingAtt::SetExportMapFileName(const CATUnicodeString& value) {
  return SetText(kExportMapFileName, value);
}
HRESULT AXOETrsIfcSettingAtt::GetExportMapFileNameInfo(CATSettingInfo* info, int option) {
  return GetInfo(kExportMapFileName, info, option);
}

HRESULT AXOETrsIfcSettingAtt::GetImportMapFileName(CATUnicodeString& value) {
  return GetFileName(kImportMapFileName, value);
}
HRESULT AXOETrsIfcSettingAtt::SetImportMapFileName(const CATUnicodeString& value) {
  return SetText(kImportMapFileName, value);
}
HRESULT AXOETrsIfcSettingAtt::GetImportMapFileNameInfo(CATSettingInfo* info, int option) {
  return GetInfo(kImportMapFileName, info, option);
}

HRESULT AXOETrsIfcSettingAtt::SetSectionCatalogName(const CATUnicodeString& value) {
  return SetText(kSectionCatalogName, value);
}
HRESULT AXOETrsIfcSettingAtt::GetSectionCatalogNameInfo(CATSettingInfo* info, int option) {
  return GetInfo(kSectionCatalogName, info, option);
}
