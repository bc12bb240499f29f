// The DXF and IFC translator settings, read through their controllers. Each
// stored value is handed back to its setter, so that the library's own rules
// say which values are wrong; the texts below only explain the refusals.
// Every change is rolled back at the end: nothing is saved, and the
// repositories end as they were read.
#include <algorithm>
#include <iterator>
#include <string_view>

#include "AXOCorServices.h"
#include "AxocorFiles.h"
#include "CATIIniSettingManagment.h"
#include "CATListOfCATUnicodeString.h"
#include "CATSettingRepository.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"
#include "SettingsFields.h"

namespace axocor::doctor {

namespace {

constexpr const char kDxfRepository[] = "AXODxfUnitTypeElt";
constexpr const char kIfcRepository[] = "AXOIfcExport";
constexpr const char kNotANumber[] = "cannot be read (the stored value is not a number?)";
constexpr const char kNotAText[] = "cannot be read (the stored value is not a text?)";

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

template <class I>
const SettingField<I>& FieldOf(const std::vector<SettingField<I>>& fields, std::string_view key) {
  return *std::find_if(fields.begin(), fields.end(),
                       [&](const SettingField<I>& field) { return key == field.key; });
}

// How a setting is checked.
enum class Shape { kValue, kChoice, kMeasure, kCatalog, kMapFile };

struct Check {
  const char* key;
  Shape shape;
  // Why the setter refuses a value; "{Key}" stands for the value of the
  // setting Key.
  const char* refusal = "refused by the setter";
  // Measures: what the text must be, and the text the translator starts
  // from while none is stored (its parameter shows only the value).
  const char* form = nullptr;
  const char* unset = nullptr;
  HRESULT (AXOITrsIfcSettingAtt::*getParm)(CATICkeParm_var&) = nullptr;
  HRESULT (AXOITrsIfcSettingAtt::*setParm)(const CATICkeParm_var&) = nullptr;
};

const Check kIfcChecks[] = {
    {"CGRLimit", Shape::kValue, "below 0, which the setter refuses"},
    {"JoinLimit", Shape::kValue, "below 1, which the setter refuses"},
    {"DisjoinLimit", Shape::kValue, "not above JoinLimit ({JoinLimit}), which the setter refuses"},
    {"MaxBEPerPart", Shape::kValue, "below 1, which the setter refuses"},
    {"Representation", Shape::kChoice, "neither 'BRep' nor 'Triangulated' (letter case counts)"},
    {"ExportOption", Shape::kChoice, "neither 'Detailed' nor 'Surfacic' (letter case counts)"},
    {"BEPerPart", Shape::kChoice, "neither 'Single' nor 'Multiple' (letter case counts)"},
    {"SagFactor", Shape::kMeasure, "a negative length, which the setter refuses",
     "a length (such as 5.0cm)", "5.0cm", &AXOITrsIfcSettingAtt::GetSagFactorParm,
     &AXOITrsIfcSettingAtt::SetSagFactorParm},
    {"Angle", Shape::kMeasure, "outside 0 to 360 degrees, which the setter refuses",
     "an angle (such as 15.0deg)", "15.0deg", &AXOITrsIfcSettingAtt::GetAngleParm,
     &AXOITrsIfcSettingAtt::SetAngleParm},
    {"SectionCatalogName", Shape::kCatalog},
    {"ExportMapFileName", Shape::kMapFile},
    {"ImportMapFileName", Shape::kMapFile},
    {"ExportAllBodiesSets", Shape::kValue},
    {"ExportStdPropSets", Shape::kValue},
    {"ExportAllPackages", Shape::kValue},
    {"ImportPSet", Shape::kValue},
    {"ExportSpaceBoundaries", Shape::kValue},
    {"ExportGeoSetsAndBodies", Shape::kValue},
    {"ExportXRefs", Shape::kValue},
    {"ExportSATFiles", Shape::kValue},
    {"BrepOptNormalsOrientation", Shape::kValue},
    {"BrepOptMergeVertices", Shape::kValue},
    {"BrepOptDecimateTriangles", Shape::kValue},
};

// The settings of one translator being checked.
class IfcCheck {
 public:
  IfcCheck(Section& section, AXOITrsIfcSettingAtt& ifc, CATSettingRepository& repository,
           const std::vector<std::string>& steelCatalogs, std::vector<std::string>& profileMaps)
      : section_(section),
        ifc_(ifc),
        repository_(repository),
        steelCatalogs_(steelCatalogs),
        profileMaps_(profileMaps) {}

  void Run(const Check& check) {
    // Measures and the catalog are read apart: reading the catalog through
    // the interface stores its fallback.
    if (check.shape == Shape::kMeasure) return CheckMeasure(check);
    if (check.shape == Shape::kCatalog) return CheckSectionCatalog();
    const SettingField<AXOITrsIfcSettingAtt>& field = FieldOf(IfcSettingFields(), check.key);
    std::string value;
    const bool read = field.read(ifc_, value);
    if (check.shape == Shape::kChoice) return CheckChoice(check, field, value);
    if (!read) {
      return section_.Problem(1, check.key,
                              check.shape == Shape::kValue ? kNotANumber : "cannot be read");
    }
    if (check.shape == Shape::kMapFile) return CheckMapFile(check.key, value);
    Verdict(check, value, field.write(ifc_, value), value);
  }

 private:
  // The value as it is stored, `shown` when the repository holds none;
  // false when it holds no text.
  bool Stored(const char* key, const std::string& shown, std::string& stored) {
    CATString text(shown.c_str());
    if (repository_.ReadSetting(key, &text) <= 0) return false;
    stored = text.CastToCharPtr();
    return true;
  }

  void Verdict(const Check& check, const std::string& value, bool accepted,
               const std::string& shown) {
    if (accepted) {
      section_.Info(1, check.key, value);
    } else {
      section_.Problem(1, check.key, shown + ": " + Expand(check.refusal));
    }
  }

  std::string Expand(std::string text) {
    const std::size_t open = text.find('{');
    const std::size_t close = text.find('}', open);
    if (open == std::string::npos || close == std::string::npos) return text;
    std::string value;
    const std::string key = text.substr(open + 1, close - open - 1);
    FieldOf(IfcSettingFields(), key).read(ifc_, value);
    return text.replace(open, close - open + 1, value);
  }

  // A choice stored as text, read from the repository itself (the interface
  // answers "BRep" for Representation whatever is stored).
  void CheckChoice(const Check& check, const SettingField<AXOITrsIfcSettingAtt>& field,
                   const std::string& answer) {
    std::string stored;
    if (!Stored(check.key, answer, stored)) return section_.Problem(1, check.key, kNotAText);
    if (stored.empty()) {
      // The interface then leaves the caller's own text.
      return section_.Info(
          1, check.key,
          answer.empty() ? "empty: the translator keeps its own default" : answer + " (default)");
    }
    Verdict(check, stored, field.write(ifc_, stored), "'" + stored + "'");
  }

  // The sag or the angle: the stored text must valuate the translator's
  // parameter, and the setter must take that parameter.
  void CheckMeasure(const Check& check) {
    std::string stored;
    if (!Stored(check.key, check.unset, stored)) return section_.Problem(1, check.key, kNotAText);
    if (stored.empty()) stored = check.unset;
    CATICkeParm_var parm;
    if (FAILED((ifc_.*check.getParm)(parm)) || !parm) {
      return section_.Info(1, check.key, stored + " (not checked: no knowledge parameter factory)");
    }
    if (FAILED(parm->Valuate(stored.c_str()))) {
      return section_.Problem(
          1, check.key,
          "'" + stored + "' is not " + check.form + ": the translator uses 0 instead");
    }
    Verdict(check, stored, SUCCEEDED((ifc_.*check.setParm)(parm)), "'" + stored + "'");
  }

  void CheckSectionCatalog() {
    CATUnicodeString stored;
    repository_.ReadSetting("SectionCatalogName", &stored);
    if (stored.GetLengthInByte() != 0) {
      if (std::find(steelCatalogs_.begin(), steelCatalogs_.end(), stored.ConvertToChar()) ==
          steelCatalogs_.end()) {
        // Steel catalogs are found below the startup paths.
        section_.SearchProblem(
            "CATStartupPath", 1, "SectionCatalogName",
            "'" + std::string(stored.ConvertToChar()) + "' is not an installed steel catalog");
      } else {
        section_.Info(1, "SectionCatalogName", stored.ConvertToChar());
      }
      return;
    }
    // The translator's own fallback: the first steel catalog.
    CATUnicodeString name;
    if (FAILED(ifc_.GetSectionCatalogName(name)) || name.GetLengthInByte() == 0) {
      section_.Problem(1, "SectionCatalogName", "not set, and no steel catalog to fall back on");
    } else {
      section_.Info(
          1, "SectionCatalogName",
          "not set: the first steel catalog, '" + std::string(name.ConvertToChar()) + "', is used");
    }
  }

  void CheckMapFile(const char* key, const std::string& path) {
    if (path.empty()) {
      section_.Info(1, key, "not set");
    } else if (!IsFile(path)) {
      section_.Problem(1, key,
                       "names " + Shown(path) +
                           ", which does not exist: the translator "
                           "reads an empty map");
    } else {
      section_.Info(1, key, Shown(path));
      profileMaps_.push_back(path);
    }
  }

  Section& section_;
  AXOITrsIfcSettingAtt& ifc_;
  CATSettingRepository& repository_;
  const std::vector<std::string>& steelCatalogs_;
  std::vector<std::string>& profileMaps_;
};

void CheckDxf(Section& section) {
  ShowRepositoryFile(section, kDxfRepository);
  CATHandle<AXOITrsDxfSettingAtt> dxf =
      SettingsInterface<AXOITrsDxfSettingAtt>(GetAXOTrsDxfSettingCtrl);
  CATIIniSettingManagment_var management =
      SettingsInterface<CATIIniSettingManagment>(GetAXOTrsDxfSettingCtrl);
  if (!dxf || !management) {
    section.Problem(0, kDxfRepository,
                    "the DXF settings controller cannot be created: the "
                    "repository is unavailable or an option cannot be read");
    return;
  }
  // Names of the units, for people; which units exist the scale tells.
  static const char* const kUnits[] = {"millimetre", "centimetre", "metre", "inch", "foot"};
  int unit = 0;
  double scale = 1.0;
  if (FAILED(dxf->GetUnitOfDxfFile(unit))) {
    section.Problem(1, "UnitOfDxfFile", kNotANumber);
  } else if (FAILED(dxf->GetUnitOfDxfFileScale(scale))) {
    section.Problem(1, "UnitOfDxfFile",
                    std::to_string(unit) +
                        ": not a unit (0 mm, 1 cm, 2 m, 3 in, 4 ft); DXF "
                        "files are then read at scale 1");
  } else {
    const bool named = unit >= 0 && unit < static_cast<int>(std::size(kUnits));
    section.Info(1, "UnitOfDxfFile",
                 std::to_string(unit) + " (" +
                     (named ? kUnits[unit] : std::to_string(scale) + " mm per unit") + ")");
  }
  for (const SettingField<AXOITrsDxfSettingAtt>& field : DxfSettingFields()) {
    if (std::string_view(field.key) == "UnitOfDxfFile") continue;
    std::string value;
    if (!field.read(*dxf, value)) {
      section.Problem(1, field.key, kNotANumber);
    } else if (!field.write(*dxf, value)) {
      section.Problem(1, field.key, value + ": refused by the setter");
    } else {
      section.Info(1, field.key, value);
    }
  }
  management->Rollback();
}

void CheckIfc(Section& section, const std::vector<std::string>& steelCatalogs,
              std::vector<std::string>& profileMaps) {
  ShowRepositoryFile(section, kIfcRepository);
  CATHandle<AXOITrsIfcSettingAtt> ifc =
      SettingsInterface<AXOITrsIfcSettingAtt>(GetAXOTrsIfcSettingCtrl);
  CATIIniSettingManagment_var management =
      SettingsInterface<CATIIniSettingManagment>(GetAXOTrsIfcSettingCtrl);
  CATSettingRepository* repository = CATSettingRepository::GetRepository(kIfcRepository, 0, 1);
  if (!ifc || !management || repository == nullptr) {
    section.Problem(0, kIfcRepository,
                    "the IFC settings controller cannot be created: the "
                    "repository is unavailable or an option cannot be read");
    return;
  }
  IfcCheck checks(section, *ifc, *repository, steelCatalogs, profileMaps);
  for (const Check& check : kIfcChecks) checks.Run(check);
  management->Rollback();
}

// Files of the library's repositories that cannot be read: the user's
// values in them are not used, and a save keeps them aside rather than
// replacing them.
void CheckUnreadableFiles(Section& section) {
  for (const char* repository : {kDxfRepository, kIfcRepository, "AXOCatalogSettings"}) {
    CATListValCATUnicodeString files;
    CATSettingRepository::ListUnreadableFiles(repository, files);
    const std::string own = std::string(repository) + ".axosettings";
    for (int i = 1; i <= files.Size(); ++i) {
      const std::string file = files[i].ConvertToChar();
      const bool is_own =
          file.size() >= own.size() && file.compare(file.size() - own.size(), own.size(), own) == 0;
      const AXOStatus read = AxocorCanRead(file);
      const std::string why =
          read.ok() ? "cannot be read as settings" : "cannot be read (" + read.reason() + ")";
      section.Problem(0, repository,
                      file + (is_own ? ": " + why +
                                           "; the defaults are used, and the next save sets "
                                           "the file aside"
                                     : ": set aside by an earlier save because it could "
                                       "not be read; the values in it are not used"));
    }
  }
}

}  // namespace

void CheckSettings(Report& report, const std::vector<std::string>& steelCatalogs,
                   std::vector<std::string>& profileMaps) {
  Section& section = report.AddSection("settings", "Translator settings");
  CheckUnreadableFiles(section);
  CheckDxf(section);
  CheckIfc(section, steelCatalogs, profileMaps);
}

}  // namespace axocor::doctor
