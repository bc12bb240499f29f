// The fields of "axocor settings" and the doctor for the DXF and the IFC
// translator.
#include "SettingsFields.h"

#include "AXOCorServices.h"

// Each row of the description with its operations, in the description's
// order.
const TranslatorSettings<AXOITrsDxfSettingAtt>& DxfSettings() {
  using D = AXOITrsDxfSettingAtt;
  const axo_settings::Translator& t = axo_settings::kDxf;
  static const TranslatorSettings<D> settings = {
      t,
      &GetAXOTrsDxfSettingCtrl,
      {
          Field<D>(t, "UnitOfDxfFile", &D::GetUnitOfDxfFile, &D::SetUnitOfDxfFile),
          Field<D>(t, "ImportLayerToComp", &D::GetImportLayerToComp, &D::SetImportLayerToComp),
          Field<D>(t, "FilePerSolid", &D::GetFilePerSolid, &D::SetFilePerSolid),
          Field<D>(t, "FilePerSurfaceMesh", &D::GetFilePerSurfaceMesh, &D::SetFilePerSurfaceMesh),
          Field<D>(t, "ImportAsPartCGR", &D::GetImportAsPartCGR, &D::SetImportAsPartCGR),
          Field<D>(t, "CLDLimit", &D::GetCLDLimit, &D::SetCLDLimit),
      }};
  return settings;
}

const TranslatorSettings<AXOITrsIfcSettingAtt>& IfcSettings() {
  using F = AXOITrsIfcSettingAtt;
  const axo_settings::Translator& t = axo_settings::kIfc;
  static const TranslatorSettings<F> settings = {
      t,
      &GetAXOTrsIfcSettingCtrl,
      {
          Field<F>(t, "CGRLimit", &F::GetCGRLimit, &F::SetCGRLimit),
          Field<F>(t, "ExportAllBodiesSets", &F::GetExportAllBodiesSets,
                   &F::SetExportAllBodiesSets),
          Field<F>(t, "ExportStdPropSets", &F::GetExportStdPropSets, &F::SetExportStdPropSets),
          Field<F>(t, "ExportAllPackages", &F::GetExportAllPackages, &F::SetExportAllPackages),
          Field<F>(t, "ExportMapFileName", &F::GetExportMapFileName, &F::SetExportMapFileName),
          Field<F>(t, "JoinLimit", &F::GetJoinLimit, &F::SetJoinLimit),
          Field<F>(t, "DisjoinLimit", &F::GetDisjoinLimit, &F::SetDisjoinLimit),
          Field<F>(t, "ImportPSet", &F::GetImportPSet, &F::SetImportPSet),
          Field<F>(t, "SagFactor", &F::GetSagFactorParm, &F::SetSagFactorParm),
          Field<F>(t, "Angle", &F::GetAngleParm, &F::SetAngleParm),
          Field<F>(t, "Representation", &F::GetRepresentation, &F::SetRepresentation),
          Field<F>(t, "ExportOption", &F::GetExportOption, &F::SetExportOption),
          Field<F>(t, "BEPerPart", &F::GetBEPerPart, &F::SetBEPerPart),
          Field<F>(t, "MaxBEPerPart", &F::GetMaxBEPerPart, &F::SetMaxBEPerPart),
          Field<F>(t, "SectionCatalogName", &F::GetSectionCatalogName, &F::SetSectionCatalogName),
          Field<F>(t, "ImportMapFileName", &F::GetImportMapFileName, &F::SetImportMapFileName),
          Field<F>(t, "ExportSpaceBoundaries", &F::GetExportSpaceBoundaries,
                   &F::SetExportSpaceBoundaries),
          Field<F>(t, "ExportGeoSetsAndBodies", &F::GetExportGeoSetsAndBodies,
                   &F::SetExportGeoSetsAndBodies),
          Field<F>(t, "ExportXRefs", &F::GetExportXRefs, &F::SetExportXRefs),
          Field<F>(t, "ExportSATFiles", &F::GetExportSATFiles, &F::SetExportSATFiles),
          Field<F>(t, "BrepOptNormalsOrientation", &F::GetBrepOptNormalsOrientation,
                   &F::SetBrepOptNormalsOrientation),
          Field<F>(t, "BrepOptMergeVertices", &F::GetBrepOptMergeVertices,
                   &F::SetBrepOptMergeVertices),
          Field<F>(t, "BrepOptDecimateTriangles", &F::GetBrepOptDecimateTriangles,
                   &F::SetBrepOptDecimateTriangles),
      }};
  return settings;
}
