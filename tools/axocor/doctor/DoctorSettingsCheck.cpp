// The DXF and IFC translator settings, read through their controllers. Each
// stored value is handed back to its setter, so that the library's own rules
// say which values are wrong; the settings description explains the
// refusals. Every change is rolled back at the end: nothing is saved, and
// the repositories end as they were read.
#include <algorithm>
#include <string>
#include <vector>

#include "AXOCorServices.h"
#include "AXOPlatform.h"
#include "AxocorFiles.h"
#include "CATIIniSettingManagment.h"
#include "CATListOfCATUnicodeString.h"
#include "CATSettingRepository.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"
#include "SettingsFields.h"

namespace axocor::doctor {

namespace {

using axo_settings::Kind;
using axo_settings::Setting;
using IfcField = SettingField<AXOITrsIfcSettingAtt>;

constexpr const char kNotANumber[] = "cannot be read (the stored value is not a number?)";
constexpr const char kNotAText[] = "cannot be read (the stored value is not a text?)";

// Where the host keeps a repository, as the host itself says.
void ShowRepositoryFile(Section& section, const char* repository) {
  const std::string file = CATSettingRepository::FileOf(repository);
  AXOFileStatus status;
  if (AXOPlatform::Get()->GetFileStatus(file, status).ok()) {
    section.Info(0, repository, file);
  } else {
    section.Note(0, repository,
                 "no file " + file +
                     " yet: the translator uses its "
                     "defaults until the settings are saved");
  }
}

// What the doctor says of a value handed back to its setter, `shown` as
// the report shows it.
void Verdict(Section& section, const Setting& setting, const std::string& value,
             const SettingWrite& written, const std::string& shown) {
  switch (written.outcome) {
    case SettingWrite::kStored:
      return section.Info(1, setting.key, value);
    case SettingWrite::kRefused:
      // A choice's refusal names its words; the others are the setter's.
      return section.Problem(
          1, setting.key,
          shown + ": " + written.refusal +
              (setting.kind == Kind::kChoice ? "" : ", which the setter refuses"));
    case SettingWrite::kNotOfForm:
      // Only a stored measure can be a text its parameter does not read.
      return section.Problem(
          1, setting.key,
          shown + " is not " + axo_settings::Form(setting) + ": the translator uses 0 instead");
    case SettingWrite::kNotStored:
      break;
  }
  section.Problem(1, setting.key, shown + ": refused by the setter");
}

// The report's order of the IFC settings: those with a rule first, then
// the choices, the measures, the catalog, the map files and the integers
// that take any value.
int ReportRank(const Setting& setting) {
  switch (setting.kind) {
    case Kind::kInteger:
      return axo_settings::Refusal(setting).empty() ? 5 : 0;
    case Kind::kChoice:
      return 1;
    case Kind::kLength:
    case Kind::kAngle:
      return 2;
    case Kind::kCatalogName:
      return 3;
    case Kind::kFileName:
      return 4;
    case Kind::kUnit:
      break;
  }
  return 5;
}

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

  void Run(const IfcField& field) {
    const Setting& setting = *field.setting;
    // Measures and the catalog are read apart: reading the catalog through
    // the interface stores its fallback.
    switch (setting.kind) {
      case Kind::kLength:
      case Kind::kAngle:
        return CheckMeasure(field);
      case Kind::kCatalogName:
        return CheckSectionCatalog(setting.key);
      case Kind::kChoice:
        return CheckChoice(field);
      default:
        break;
    }
    std::string value;
    if (!field.read(ifc_, value)) {
      return section_.Problem(1, setting.key,
                              setting.kind == Kind::kFileName ? "cannot be read" : kNotANumber);
    }
    if (setting.kind == Kind::kFileName) return CheckMapFile(setting.key, value);
    Verdict(section_, setting, value, field.write(ifc_, value), value);
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

  // A choice stored as text, read from the repository itself (the interface
  // answers "BRep" for Representation whatever is stored).
  void CheckChoice(const IfcField& field) {
    const char* key = field.setting->key;
    std::string answer;
    field.read(ifc_, answer);
    std::string stored;
    if (!Stored(key, answer, stored)) return section_.Problem(1, key, kNotAText);
    if (stored.empty()) {
      // The interface then leaves the caller's own text.
      return section_.Info(
          1, key,
          answer.empty() ? "empty: the translator keeps its own default" : answer + " (default)");
    }
    Verdict(section_, *field.setting, stored, field.write(ifc_, stored), "'" + stored + "'");
  }

  // The sag or the angle: the stored text must valuate the translator's
  // parameter, and the setter must take that parameter.
  void CheckMeasure(const IfcField& field) {
    const Setting& setting = *field.setting;
    std::string stored;
    if (!Stored(setting.key, setting.defaultText, stored)) {
      return section_.Problem(1, setting.key, kNotAText);
    }
    if (stored.empty()) stored = setting.defaultText;
    std::string shown;
    if (!field.read(ifc_, shown)) {
      return section_.Info(1, setting.key,
                           stored + " (not checked: no knowledge parameter factory)");
    }
    Verdict(section_, setting, stored, field.write(ifc_, stored), "'" + stored + "'");
  }

  void CheckSectionCatalog(const char* key) {
    CATUnicodeString stored;
    repository_.ReadSetting(key, &stored);
    if (stored.GetLengthInByte() != 0) {
      if (std::find(steelCatalogs_.begin(), steelCatalogs_.end(), stored.ConvertToChar()) ==
          steelCatalogs_.end()) {
        // Steel catalogs are found below the startup paths.
        section_.SearchProblem(
            "CATStartupPath", 1, key,
            "'" + std::string(stored.ConvertToChar()) + "' is not an installed steel catalog");
      } else {
        section_.Info(1, key, stored.ConvertToChar());
      }
      return;
    }
    // The translator's own fallback: the first steel catalog.
    CATUnicodeString name;
    if (FAILED(ifc_.GetSectionCatalogName(name)) || name.GetLengthInByte() == 0) {
      section_.Problem(1, key, "not set, and no steel catalog to fall back on");
    } else {
      section_.Info(
          1, key,
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
  const TranslatorSettings<AXOITrsDxfSettingAtt>& translator = DxfSettings();
  const char* repository = translator.description.repository;
  ShowRepositoryFile(section, repository);
  CATHandle<AXOITrsDxfSettingAtt> dxf = SettingsInterface<AXOITrsDxfSettingAtt>(translator.factory);
  CATIIniSettingManagment_var management =
      SettingsInterface<CATIIniSettingManagment>(translator.factory);
  if (!dxf || !management) {
    section.Problem(0, repository,
                    "the DXF settings controller cannot be created: the "
                    "repository is unavailable or an option cannot be read");
    return;
  }
  for (const SettingField<AXOITrsDxfSettingAtt>& field : translator.fields) {
    const Setting& setting = *field.setting;
    std::string value;
    if (!field.read(*dxf, value)) {
      section.Problem(1, setting.key, kNotANumber);
      continue;
    }
    const SettingWrite written = field.write(*dxf, value);
    if (setting.kind != Kind::kUnit) {
      Verdict(section, setting, value, written, value);
    } else if (written.outcome == SettingWrite::kRefused) {
      // The library stores any unit; the translator reads the others at
      // scale 1.
      section.Problem(1, setting.key,
                      value + ": " + written.refusal + "; DXF files are then read at scale 1");
    } else if (written.outcome == SettingWrite::kStored) {
      int unit = 0;
      ParseSettingInteger(value, unit);
      section.Info(1, setting.key, value + " (" + axo_settings::kDxfUnits[unit].name + ")");
    } else {
      Verdict(section, setting, value, written, value);
    }
  }
  management->Rollback();
}

void CheckIfc(Section& section, const std::vector<std::string>& steelCatalogs,
              std::vector<std::string>& profileMaps) {
  const TranslatorSettings<AXOITrsIfcSettingAtt>& translator = IfcSettings();
  const char* name = translator.description.repository;
  ShowRepositoryFile(section, name);
  CATHandle<AXOITrsIfcSettingAtt> ifc = SettingsInterface<AXOITrsIfcSettingAtt>(translator.factory);
  CATIIniSettingManagment_var management =
      SettingsInterface<CATIIniSettingManagment>(translator.factory);
  CATSettingRepository* repository = CATSettingRepository::GetRepository(name, 0, 1);
  if (!ifc || !management || repository == nullptr) {
    section.Problem(0, name,
                    "the IFC settings controller cannot be created: the "
                    "repository is unavailable or an option cannot be read");
    return;
  }
  std::vector<const IfcField*> fields;
  for (const IfcField& field : translator.fields) fields.push_back(&field);
  std::stable_sort(fields.begin(), fields.end(), [](const IfcField* a, const IfcField* b) {
    return ReportRank(*a->setting) < ReportRank(*b->setting);
  });
  IfcCheck checks(section, *ifc, *repository, steelCatalogs, profileMaps);
  for (const IfcField* field : fields) checks.Run(*field);
  management->Rollback();
}

// Files of the library's repositories that cannot be read: the user's
// values in them are not used, and a save keeps them aside rather than
// replacing them.
void CheckUnreadableFiles(Section& section) {
  for (const char* repository :
       {axo_settings::kDxf.repository, axo_settings::kIfc.repository, "AXOCatalogSettings"}) {
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
