// The DXF and IFC translator settings, read through their controllers and
// checked against the rules their setters apply. Nothing is written back or
// saved: the repositories change in memory at most (the section catalog
// fallback), and the process ends without saving them.
#include <cmath>
#include <functional>

#include "AXOCorGlobalServices.h"
#include "AXOCorServices.h"
#include "AXOITrsDxfSettingAtt.h"
#include "AXOITrsIfcSettingAtt.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeParmFactory.h"
#include "CATMathConstant.h"
#include "CATSettingRepository.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"

namespace axocor::doctor {

namespace {

constexpr const char kDxfRepository[] = "AXODxfUnitTypeElt";
constexpr const char kIfcRepository[] = "AXOIfcExport";

// Where the host keeps a repository: "<name>.axosettings" in the folder of
// CATUserSettingPath.
void ShowRepositoryFile(Section& section, const char* repository) {
  const std::vector<std::string> folders = PathListOf("CATUserSettingPath");
  if (folders.empty() || folders.front().empty()) {
    section.Info(0, repository, "kept in the user's own settings folder");
    return;
  }
  const std::string file = JoinPath(folders.front(), std::string(repository) + ".axosettings");
  if (IsFile(file)) {
    section.Info(0, repository, Shown(file));
  } else {
    section.Note(0, repository,
                 "no file " + Shown(file) +
                     " yet: the translator uses its "
                     "defaults until the settings are saved");
  }
}

// One integer getter: reports the value, or a problem when it cannot be
// read; `rule` gives the reason when the value breaks the setter's rule.
void CheckInteger(Section& section, const char* key, const std::function<HRESULT(int&)>& get,
                  const std::function<std::string(int)>& rule = nullptr) {
  int value = 0;
  if (FAILED(get(value))) {
    section.Problem(1, key, "cannot be read (the stored value is not a number?)");
    return;
  }
  const std::string broken = rule ? rule(value) : std::string();
  if (broken.empty()) {
    section.Info(1, key, std::to_string(value));
  } else {
    section.Problem(1, key, std::to_string(value) + ": " + broken);
  }
}

std::string AtLeast(int value, int minimum) {
  return value >= minimum ? "" : "below " + std::to_string(minimum) + ", which the setter refuses";
}

void CheckDxf(Section& section) {
  ShowRepositoryFile(section, kDxfRepository);
  AXOITrsDxfSettingAtt* dxf = nullptr;
  if (FAILED(GetAXOTrsDxfSettingCtrl(IID_AXOITrsDxfSettingAtt, reinterpret_cast<void**>(&dxf))) ||
      dxf == nullptr) {
    section.Problem(0, kDxfRepository,
                    "the DXF settings controller cannot be created: the "
                    "repository is unavailable or an option cannot be read");
    return;
  }
  static const char* const kUnits[] = {"millimetre", "centimetre", "metre", "inch", "foot"};
  int unit = 0;
  if (FAILED(dxf->GetUnitOfDxfFile(unit))) {
    section.Problem(1, "UnitOfDxfFile", "cannot be read (the stored value is not a number?)");
  } else if (unit < 0 || unit > 4) {
    section.Problem(1, "UnitOfDxfFile",
                    std::to_string(unit) +
                        ": not a unit (0 mm, 1 cm, 2 m, 3 in, 4 ft); DXF "
                        "files are then read at scale 1");
  } else {
    section.Info(1, "UnitOfDxfFile", std::to_string(unit) + " (" + kUnits[unit] + ")");
  }
  CheckInteger(section, "ImportLayerToComp", [&](int& v) { return dxf->GetImportLayerToComp(v); });
  CheckInteger(section, "FilePerSolid", [&](int& v) { return dxf->GetFilePerSolid(v); });
  CheckInteger(section, "FilePerSurfaceMesh",
               [&](int& v) { return dxf->GetFilePerSurfaceMesh(v); });
  CheckInteger(section, "ImportAsPartCGR", [&](int& v) { return dxf->GetImportAsPartCGR(v); });
  CheckInteger(section, "CLDLimit", [&](int& v) { return dxf->GetCLDLimit(v); });
  dxf->Release();
}

// A choice stored as text, read from the repository itself (the interface
// answers "BRep" for Representation whatever is stored).
void CheckChoice(Section& section, CATSettingRepository* repository, const char* key,
                 const char* fallback, const char* first, const char* second) {
  CATString value(fallback);
  if (repository->ReadSetting(key, &value) <= 0) {
    section.Problem(1, key, "cannot be read (the stored value is not a text?)");
    return;
  }
  const std::string text = value.CastToCharPtr();
  if (text == first || text == second || text.empty()) {
    section.Info(1, key, text.empty() ? std::string(fallback) + " (default)" : text);
  } else {
    section.Problem(
        1, key,
        "'" + text + "': neither '" + first + "' nor '" + second + "' (letter case counts)");
  }
}

// The sag or the angle: a number with its unit, valid for a knowledge
// parameter of that kind and inside the setter's range.
void CheckQuantity(Section& section, CATSettingRepository* repository, const char* key,
                   const char* fallback, bool isAngle) {
  CATString stored(fallback);
  if (repository->ReadSetting(key, &stored) <= 0) {
    section.Problem(1, key, "cannot be read (the stored value is not a text?)");
    return;
  }
  const std::string text = stored.CastToCharPtr()[0] != '\0' ? stored.CastToCharPtr() : fallback;
  CATICkeParmFactory_var factory = CATCkeGlobalFunctions::GetVolatileFactory();
  if (factory == nullptr) {
    section.Info(1, key, text + " (not checked: no knowledge parameter factory)");
    return;
  }
  CATICkeParm_var parm = isAngle ? factory->CreateAngle(key, 0.0) : factory->CreateLength(key, 0.0);
  if (parm == nullptr || FAILED(parm->Valuate(text.c_str()))) {
    section.Problem(1, key,
                    "'" + text + "' is not " +
                        (isAngle ? "an angle (such as 15.0deg)" : "a length (such as 5.0cm)") +
                        ": the translator uses 0 instead");
    return;
  }
  const double value = parm->Value()->AsReal();
  if (isAngle && (value < 0.0 || value > CAT2PI)) {
    section.Problem(1, key, "'" + text + "': outside 0 to 360 degrees, which the setter refuses");
  } else if (!isAngle && value < 0.0) {
    section.Problem(1, key, "'" + text + "': a negative length, which the setter refuses");
  } else {
    section.Info(1, key, text);
  }
}

void CheckMapFileName(Section& section, const char* key, const CATUnicodeString& name,
                      std::vector<std::string>& profileMaps) {
  const std::string path = name.ConvertToChar();
  if (path.empty()) {
    section.Info(1, key, "not set");
  } else if (!IsFile(path)) {
    section.Problem(1, key,
                    "names " + Shown(path) +
                        ", which does not exist: the translator "
                        "reads an empty map");
  } else {
    section.Info(1, key, Shown(path));
    profileMaps.push_back(path);
  }
}

void CheckSectionCatalog(Section& section, CATSettingRepository* repository,
                         AXOITrsIfcSettingAtt* ifc) {
  CATUnicodeString stored;
  repository->ReadSetting("SectionCatalogName", &stored);
  CATListValCATUnicodeString steel;
  AXOCorGlobalServices::GetSteelCatalogNames(steel);
  if (stored.GetLengthInByte() != 0) {
    if (steel.Locate(stored) == 0) {
      section.Problem(
          1, "SectionCatalogName",
          "'" + std::string(stored.ConvertToChar()) + "' is not an installed steel catalog");
    } else {
      section.Info(1, "SectionCatalogName", stored.ConvertToChar());
    }
    return;
  }
  // The translator's own fallback: the first steel catalog.
  CATUnicodeString name;
  if (FAILED(ifc->GetSectionCatalogName(name)) || name.GetLengthInByte() == 0) {
    section.Problem(1, "SectionCatalogName", "not set, and no steel catalog to fall back on");
  } else {
    section.Info(
        1, "SectionCatalogName",
        "not set: the first steel catalog, '" + std::string(name.ConvertToChar()) + "', is used");
  }
}

void CheckIfc(Section& section, std::vector<std::string>& profileMaps) {
  ShowRepositoryFile(section, kIfcRepository);
  AXOITrsIfcSettingAtt* ifc = nullptr;
  CATSettingRepository* repository = CATSettingRepository::GetRepository(kIfcRepository, 0, 1);
  if (FAILED(GetAXOTrsIfcSettingCtrl(IID_AXOITrsIfcSettingAtt, reinterpret_cast<void**>(&ifc))) ||
      ifc == nullptr || repository == nullptr) {
    section.Problem(0, kIfcRepository,
                    "the IFC settings controller cannot be created: the "
                    "repository is unavailable or an option cannot be read");
    if (ifc != nullptr) ifc->Release();
    return;
  }
  int join = 50;
  const bool joinRead = SUCCEEDED(ifc->GetJoinLimit(join));
  CheckInteger(
      section, "CGRLimit", [&](int& v) { return ifc->GetCGRLimit(v); },
      [](int v) { return AtLeast(v, 0); });
  CheckInteger(
      section, "JoinLimit", [&](int& v) { return ifc->GetJoinLimit(v); },
      [](int v) { return AtLeast(v, 1); });
  CheckInteger(
      section, "DisjoinLimit", [&](int& v) { return ifc->GetDisjoinLimit(v); },
      [&](int v) -> std::string {
        if (!joinRead || v > join) return "";
        return "not above JoinLimit (" + std::to_string(join) + "), which the setter refuses";
      });
  CheckInteger(
      section, "MaxBEPerPart", [&](int& v) { return ifc->GetMaxBEPerPart(v); },
      [](int v) { return AtLeast(v, 1); });
  CheckChoice(section, repository, "Representation", "BRep", "BRep", "Triangulated");
  CheckChoice(section, repository, "ExportOption", "Detailed", "Detailed", "Surfacic");
  CheckChoice(section, repository, "BEPerPart", "Multiple", "Single", "Multiple");
  CheckQuantity(section, repository, "SagFactor", "5.0cm", false);
  CheckQuantity(section, repository, "Angle", "15.0deg", true);
  CheckSectionCatalog(section, repository, ifc);
  CATUnicodeString name;
  if (FAILED(ifc->GetExportMapFileName(name))) {
    section.Problem(1, "ExportMapFileName", "cannot be read");
  } else {
    CheckMapFileName(section, "ExportMapFileName", name, profileMaps);
  }
  if (FAILED(ifc->GetImportMapFileName(name))) {
    section.Problem(1, "ImportMapFileName", "cannot be read");
  } else {
    CheckMapFileName(section, "ImportMapFileName", name, profileMaps);
  }
  const struct {
    const char* key;
    HRESULT (AXOITrsIfcSettingAtt::*get)(int&);
  } kFlags[] = {
      {"ExportAllBodiesSets", &AXOITrsIfcSettingAtt::GetExportAllBodiesSets},
      {"ExportStdPropSets", &AXOITrsIfcSettingAtt::GetExportStdPropSets},
      {"ExportAllPackages", &AXOITrsIfcSettingAtt::GetExportAllPackages},
      {"ImportPSet", &AXOITrsIfcSettingAtt::GetImportPSet},
      {"ExportSpaceBoundaries", &AXOITrsIfcSettingAtt::GetExportSpaceBoundaries},
      {"ExportGeoSetsAndBodies", &AXOITrsIfcSettingAtt::GetExportGeoSetsAndBodies},
      {"ExportXRefs", &AXOITrsIfcSettingAtt::GetExportXRefs},
      {"ExportSATFiles", &AXOITrsIfcSettingAtt::GetExportSATFiles},
      {"BrepOptNormalsOrientation", &AXOITrsIfcSettingAtt::GetBrepOptNormalsOrientation},
      {"BrepOptMergeVertices", &AXOITrsIfcSettingAtt::GetBrepOptMergeVertices},
      {"BrepOptDecimateTriangles", &AXOITrsIfcSettingAtt::GetBrepOptDecimateTriangles},
  };
  for (const auto& flag : kFlags) {
    CheckInteger(section, flag.key, [&](int& v) { return (ifc->*flag.get)(v); });
  }
  ifc->Release();
}

}  // namespace

void CheckSettings(Report& report, std::vector<std::string>& profileMaps) {
  Section& section = report.AddSection("settings", "Translator settings");
  CheckDxf(section);
  CheckIfc(section, profileMaps);
}

}  // namespace axocor::doctor
