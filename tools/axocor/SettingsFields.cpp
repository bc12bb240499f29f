// The fields of "axocor settings" for the DXF and the IFC translator.
#include "SettingsFields.h"

const std::vector<SettingField<AXOITrsDxfSettingAtt>>& DxfSettingFields() {
  using D = AXOITrsDxfSettingAtt;
  static const std::vector<SettingField<D>> fields = {
      IntegerField<D>("UnitOfDxfFile", &D::GetUnitOfDxfFile, &D::SetUnitOfDxfFile),
      IntegerField<D>("ImportLayerToComp", &D::GetImportLayerToComp, &D::SetImportLayerToComp),
      IntegerField<D>("FilePerSolid", &D::GetFilePerSolid, &D::SetFilePerSolid),
      IntegerField<D>("FilePerSurfaceMesh", &D::GetFilePerSurfaceMesh, &D::SetFilePerSurfaceMesh),
      IntegerField<D>("ImportAsPartCGR", &D::GetImportAsPartCGR, &D::SetImportAsPartCGR),
      IntegerField<D>("CLDLimit", &D::GetCLDLimit, &D::SetCLDLimit),
  };
  return fields;
}

const std::vector<SettingField<AXOITrsIfcSettingAtt>>& IfcSettingFields() {
  using F = AXOITrsIfcSettingAtt;
  static const std::vector<SettingField<F>> fields = {
      IntegerField<F>("CGRLimit", &F::GetCGRLimit, &F::SetCGRLimit),
      IntegerField<F>("ExportAllBodiesSets", &F::GetExportAllBodiesSets,
                      &F::SetExportAllBodiesSets),
      IntegerField<F>("ExportStdPropSets", &F::GetExportStdPropSets, &F::SetExportStdPropSets),
      IntegerField<F>("ExportAllPackages", &F::GetExportAllPackages, &F::SetExportAllPackages),
      TextField<F>("ExportMapFileName", &F::GetExportMapFileName, &F::SetExportMapFileName),
      IntegerField<F>("JoinLimit", &F::GetJoinLimit, &F::SetJoinLimit),
      IntegerField<F>("DisjoinLimit", &F::GetDisjoinLimit, &F::SetDisjoinLimit),
      IntegerField<F>("ImportPSet", &F::GetImportPSet, &F::SetImportPSet),
      ParameterField<F>("SagFactor", "a length of 0 or more with its unit, such as 5.0cm",
                        &F::GetSagFactorParm, &F::SetSagFactorParm),
      ParameterField<F>("Angle", "an angle from 0 to 360deg with its unit, such as 15deg",
                        &F::GetAngleParm, &F::SetAngleParm),
      WordField<F>("Representation", "BRep or Triangulated", &F::GetRepresentation,
                   &F::SetRepresentation),
      WordField<F>("ExportOption", "Detailed or Surfacic", &F::GetExportOption,
                   &F::SetExportOption),
      WordField<F>("BEPerPart", "Single or Multiple", &F::GetBEPerPart, &F::SetBEPerPart),
      IntegerField<F>("MaxBEPerPart", &F::GetMaxBEPerPart, &F::SetMaxBEPerPart),
      TextField<F>("SectionCatalogName", &F::GetSectionCatalogName, &F::SetSectionCatalogName),
      TextField<F>("ImportMapFileName", &F::GetImportMapFileName, &F::SetImportMapFileName),
      IntegerField<F>("ExportSpaceBoundaries", &F::GetExportSpaceBoundaries,
                      &F::SetExportSpaceBoundaries),
      IntegerField<F>("ExportGeoSetsAndBodies", &F::GetExportGeoSetsAndBodies,
                      &F::SetExportGeoSetsAndBodies),
      IntegerField<F>("ExportXRefs", &F::GetExportXRefs, &F::SetExportXRefs),
      IntegerField<F>("ExportSATFiles", &F::GetExportSATFiles, &F::SetExportSATFiles),
      IntegerField<F>("BrepOptNormalsOrientation", &F::GetBrepOptNormalsOrientation,
                      &F::SetBrepOptNormalsOrientation),
      IntegerField<F>("BrepOptMergeVertices", &F::GetBrepOptMergeVertices,
                      &F::SetBrepOptMergeVertices),
      IntegerField<F>("BrepOptDecimateTriangles", &F::GetBrepOptDecimateTriangles,
                      &F::SetBrepOptDecimateTriangles),
  };
  return fields;
}
