#ifndef TIE_AXOITrsIfcSettingAtt_h
#define TIE_AXOITrsIfcSettingAtt_h

// Contract: every declaration here is the add-on's interface library's.

// The adapter of AXOITrsIfcSettingAtt over an extension E that has the
// interface's 75 operations as ordinary members. See CATTie.h.

#include "AXOITrsIfcSettingAtt.h"
#include "CATTie.h"

template <class E>
class TIEAXOITrsIfcSettingAtt : public CATTie<AXOITrsIfcSettingAtt, E> {
 public:
  TIEAXOITrsIfcSettingAtt(CATBaseUnknown* object, void* hostData)
      : CATTie<AXOITrsIfcSettingAtt, E>(object, hostData) {}

  HRESULT Initialize() override { return this->Extension()->Initialize(); }
  HRESULT GetCGRLimit(int& value) override { return this->Extension()->GetCGRLimit(value); }
  HRESULT GetCGRLimitParm(CATICkeParm_var& parm) override {
    return this->Extension()->GetCGRLimitParm(parm);
  }
  HRESULT SetCGRLimit(const int& value) override { return this->Extension()->SetCGRLimit(value); }
  HRESULT SetCGRLimitParm(const CATICkeParm_var& parm) override {
    return this->Extension()->SetCGRLimitParm(parm);
  }
  HRESULT GetCGRLimitInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetCGRLimitInfo(info, option);
  }
  HRESULT GetExportAllBodiesSets(int& value) override {
    return this->Extension()->GetExportAllBodiesSets(value);
  }
  HRESULT SetExportAllBodiesSets(const int& value) override {
    return this->Extension()->SetExportAllBodiesSets(value);
  }
  HRESULT GetExportAllBodiesSetsInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetExportAllBodiesSetsInfo(info, option);
  }
  HRESULT GetExportStdPropSets(int& value) override {
    return this->Extension()->GetExportStdPropSets(value);
  }
  HRESULT SetExportStdPropSets(const int& value) override {
    return this->Extension()->SetExportStdPropSets(value);
  }
  HRESULT GetExportStdPropSetsInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetExportStdPropSetsInfo(info, option);
  }
  HRESULT GetExportAllPackages(int& value) override {
    return this->Extension()->GetExportAllPackages(value);
  }
  HRESULT SetExportAllPackages(const int& value) override {
    return this->Extension()->SetExportAllPackages(value);
  }
  HRESULT GetExportAllPackagesInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetExportAllPackagesInfo(info, option);
  }
  HRESULT GetExportMapFileName(CATUnicodeString& value) override {
    return this->Extension()->GetExportMapFileName(value);
  }
  HRESULT SetExportMapFileName(const CATUnicodeString& value) override {
    return this->Extension()->SetExportMapFileName(value);
  }
  HRESULT GetExportMapFileNameInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetExportMapFileNameInfo(info, option);
  }
  HRESULT GetJoinLimit(int& value) override { return this->Extension()->GetJoinLimit(value); }
  HRESULT GetJoinLimitParm(CATICkeParm_var& parm) override {
    return this->Extension()->GetJoinLimitParm(parm);
  }
  HRESULT SetJoinLimit(const int& value) override { return this->Extension()->SetJoinLimit(value); }
  HRESULT SetJoinLimitParm(const CATICkeParm_var& parm) override {
    return this->Extension()->SetJoinLimitParm(parm);
  }
  HRESULT GetJoinLimitInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetJoinLimitInfo(info, option);
  }
  HRESULT GetDisjoinLimit(int& value) override { return this->Extension()->GetDisjoinLimit(value); }
  HRESULT GetDisjoinLimitParm(CATICkeParm_var& parm) override {
    return this->Extension()->GetDisjoinLimitParm(parm);
  }
  HRESULT SetDisjoinLimitParm(const CATICkeParm_var& parm) override {
    return this->Extension()->SetDisjoinLimitParm(parm);
  }
  HRESULT SetDisjoinLimit(const int& value) override {
    return this->Extension()->SetDisjoinLimit(value);
  }
  HRESULT GetDisjoinLimitInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetDisjoinLimitInfo(info, option);
  }
  HRESULT GetImportPSet(int& value) override { return this->Extension()->GetImportPSet(value); }
  HRESULT SetImportPSet(const int& value) override {
    return this->Extension()->SetImportPSet(value);
  }
  HRESULT GetSagFactorParm(CATICkeParm_var& parm) override {
    return this->Extension()->GetSagFactorParm(parm);
  }
  HRESULT SetSagFactorParm(const CATICkeParm_var& parm) override {
    return this->Extension()->SetSagFactorParm(parm);
  }
  HRESULT GetSagFactorInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetSagFactorInfo(info, option);
  }
  HRESULT GetAngleParm(CATICkeParm_var& parm) override {
    return this->Extension()->GetAngleParm(parm);
  }
  HRESULT SetAngleParm(const CATICkeParm_var& parm) override {
    return this->Extension()->SetAngleParm(parm);
  }
  HRESULT GetAngleInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetAngleInfo(info, option);
  }
  HRESULT GetRepresentation(CATString& value) override {
    return this->Extension()->GetRepresentation(value);
  }
  HRESULT SetRepresentation(const CATString& value) override {
    return this->Extension()->SetRepresentation(value);
  }
  HRESULT GetRepresentationInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetRepresentationInfo(info, option);
  }
  HRESULT GetExportOption(CATString& value) override {
    return this->Extension()->GetExportOption(value);
  }
  HRESULT SetExportOption(const CATString& value) override {
    return this->Extension()->SetExportOption(value);
  }
  HRESULT GetExportOptionInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetExportOptionInfo(info, option);
  }
  HRESULT GetBEPerPart(CATString& value) override { return this->Extension()->GetBEPerPart(value); }
  HRESULT SetBEPerPart(const CATString& value) override {
    return this->Extension()->SetBEPerPart(value);
  }
  HRESULT GetBEPerPartInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetBEPerPartInfo(info, option);
  }
  HRESULT GetMaxBEPerPart(int& value) override { return this->Extension()->GetMaxBEPerPart(value); }
  HRESULT SetMaxBEPerPart(const int& value) override {
    return this->Extension()->SetMaxBEPerPart(value);
  }
  HRESULT GetMaxBEPerPartInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetMaxBEPerPartInfo(info, option);
  }
  HRESULT GetSectionCatalogName(CATUnicodeString& value) override {
    return this->Extension()->GetSectionCatalogName(value);
  }
  HRESULT SetSectionCatalogName(const CATUnicodeString& value) override {
    return this->Extension()->SetSectionCatalogName(value);
  }
  HRESULT GetSectionCatalogNameInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetSectionCatalogNameInfo(info, option);
  }
  HRESULT GetImportMapFileName(CATUnicodeString& value) override {
    return this->Extension()->GetImportMapFileName(value);
  }
  HRESULT SetImportMapFileName(const CATUnicodeString& value) override {
    return this->Extension()->SetImportMapFileName(value);
  }
  HRESULT GetImportMapFileNameInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetImportMapFileNameInfo(info, option);
  }
  HRESULT GetExportSpaceBoundaries(int& value) override {
    return this->Extension()->GetExportSpaceBoundaries(value);
  }
  HRESULT SetExportSpaceBoundaries(const int& value) override {
    return this->Extension()->SetExportSpaceBoundaries(value);
  }
  HRESULT GetExportSpaceBoundariesInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetExportSpaceBoundariesInfo(info, option);
  }
  HRESULT GetExportGeoSetsAndBodies(int& value) override {
    return this->Extension()->GetExportGeoSetsAndBodies(value);
  }
  HRESULT SetExportGeoSetsAndBodies(const int& value) override {
    return this->Extension()->SetExportGeoSetsAndBodies(value);
  }
  HRESULT GetExportGeoSetsAndBodiesInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetExportGeoSetsAndBodiesInfo(info, option);
  }
  HRESULT GetExportXRefs(int& value) override { return this->Extension()->GetExportXRefs(value); }
  HRESULT SetExportXRefs(const int& value) override {
    return this->Extension()->SetExportXRefs(value);
  }
  HRESULT GetExportXRefsInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetExportXRefsInfo(info, option);
  }
  HRESULT GetExportSATFiles(int& value) override {
    return this->Extension()->GetExportSATFiles(value);
  }
  HRESULT SetExportSATFiles(const int& value) override {
    return this->Extension()->SetExportSATFiles(value);
  }
  HRESULT GetExportSATFilesInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetExportSATFilesInfo(info, option);
  }
  HRESULT GetBrepOptNormalsOrientation(int& value) override {
    return this->Extension()->GetBrepOptNormalsOrientation(value);
  }
  HRESULT SetBrepOptNormalsOrientation(const int& value) override {
    return this->Extension()->SetBrepOptNormalsOrientation(value);
  }
  HRESULT GetBrepOptNormalsOrientationInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetBrepOptNormalsOrientationInfo(info, option);
  }
  HRESULT GetBrepOptMergeVertices(int& value) override {
    return this->Extension()->GetBrepOptMergeVertices(value);
  }
  HRESULT SetBrepOptMergeVertices(const int& value) override {
    return this->Extension()->SetBrepOptMergeVertices(value);
  }
  HRESULT GetBrepOptMergeVerticesInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetBrepOptMergeVerticesInfo(info, option);
  }
  HRESULT GetBrepOptDecimateTriangles(int& value) override {
    return this->Extension()->GetBrepOptDecimateTriangles(value);
  }
  HRESULT SetBrepOptDecimateTriangles(const int& value) override {
    return this->Extension()->SetBrepOptDecimateTriangles(value);
  }
  HRESULT GetBrepOptDecimateTrianglesInfo(CATSettingInfo* info, int option) override {
    return this->Extension()->GetBrepOptDecimateTrianglesInfo(info, option);
  }
};

#endif  // TIE_AXOITrsIfcSettingAtt_h
