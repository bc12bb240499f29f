#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"
#include "SettingsFields.h"
#include "axocor/CommandTestRun.h"

namespace {

class SettingsCommands : public CATSettingTestFolder {
 protected:
  static CommandTestResult Run(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"settings"};
    all.insert(all.end(), args.begin(), args.end());
    return RunCommandForTest(RegisterSettingsCommands, all);
  }
  // The value that "show" prints for `key`, or "(absent)".
  static std::string Shown(const std::string& translator, const std::string& key) {
    const CommandTestResult shown = Run({"show", translator});
    const std::string line = "\n" + key + "\t";
    const size_t at = ("\n" + shown.out).find(line);
    if (at == std::string::npos) return "(absent)";
    const size_t start = at + line.size() - 1;
    return shown.out.substr(start, shown.out.find('\n', start) - start);
  }
};

TEST_F(SettingsCommands, ShowPrintsEverySettingWithItsValue) {
  const CommandTestResult ifc = Run({"show", "ifc"});
  EXPECT_EQ(ifc.status, 0) << ifc.err;
  EXPECT_EQ(std::count(ifc.out.begin(), ifc.out.end(), '\n'), 23);
  EXPECT_EQ(ifc.out.find("CGRLimit\t500\nExportAllBodiesSets\t0\n"), 0u) << ifc.out;
  EXPECT_NE(ifc.out.find("\nSagFactor\t50mm\nAngle\t15deg\nRepresentation\tBRep\n"),
            std::string::npos)
      << ifc.out;

  const CommandTestResult dxf = Run({"show", "dxf"});
  EXPECT_EQ(dxf.status, 0) << dxf.err;
  EXPECT_EQ(std::count(dxf.out.begin(), dxf.out.end(), '\n'), 6);
  EXPECT_NE(dxf.out.find("\nCLDLimit\t5000\n"), std::string::npos) << dxf.out;
}

TEST_F(SettingsCommands, SetStoresAnAcceptedValueAndSavesIt) {
  const struct {
    const char* translator;
    const char* key;
    const char* value;
    const char* shown;
  } cases[] = {
      {"ifc", "JoinLimit", "60", "60"},
      {"ifc", "DisjoinLimit", "61", "61"},
      {"ifc", "SagFactor", "2.5cm", "25mm"},
      {"ifc", "ExportOption", "Surfacic", "Surfacic"},
      {"ifc", "ImportMapFileName", "C:\\maps\\in.csv", "C:\\maps\\in.csv"},
      {"dxf", "UnitOfDxfFile", "4", "4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    const CommandTestResult set = Run({"set", c.translator, c.key, c.value});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(Shown(c.translator, c.key), c.shown);
  }
  EXPECT_TRUE(std::filesystem::exists(UserFile("AXOIfcExport")));
  EXPECT_TRUE(std::filesystem::exists(UserFile("AXODxfUnitTypeElt")));
  // What a new process finds.
  CATSettingRepositoryTesting::ResetAll();
  EXPECT_EQ(Shown("ifc", "JoinLimit"), "60");
}

// What "set" refuses: SettingsRefusals_test.cpp, setting by setting.

TEST_F(SettingsCommands, SetNamesTheSettingsWhenTheKeyIsUnknown) {
  const CommandTestResult set = Run({"set", "dxf", "Unit", "1"});
  EXPECT_EQ(set.status, 1);
  EXPECT_NE(set.err.find("no setting 'Unit'; its settings: UnitOfDxfFile ImportLayerToComp"),
            std::string::npos)
      << set.err;
}

TEST_F(SettingsCommands, ResetReturnsToTheDefaultsAndSaves) {
  ASSERT_EQ(Run({"set", "ifc", "MaxBEPerPart", "7"}).status, 0);
  const CommandTestResult reset = Run({"reset", "ifc"});
  EXPECT_EQ(reset.status, 0) << reset.err;
  EXPECT_EQ(Shown("ifc", "MaxBEPerPart"), "200");
  CATSettingRepositoryTesting::ResetAll();
  EXPECT_EQ(Shown("ifc", "MaxBEPerPart"), "200");
}

// "show --json": every setting in the description's order, its value as
// the library's interface reads it, its default, and whether it holds it.
TEST_F(SettingsCommands, ShowJsonGivesValuesAndDefaultsAsTheLibraryReadsThem) {
  ASSERT_EQ(Run({"set", "ifc", "JoinLimit", "60"}).status, 0);
  ASSERT_EQ(Run({"set", "ifc", "SagFactor", "5cm"}).status, 0);  // the default, spelt otherwise
  const CommandTestResult shown = Run({"show", "ifc", "--json"});
  ASSERT_EQ(shown.status, 0) << shown.err;
  const nlohmann::json json = nlohmann::json::parse(shown.out);
  EXPECT_EQ(json["file"], UserFile("AXOIfcExport").u8string());
  const TranslatorSettings<AXOITrsIfcSettingAtt>& ifc = IfcSettings();
  CATHandle<AXOITrsIfcSettingAtt> settings = SettingsInterface<AXOITrsIfcSettingAtt>(ifc.factory);
  ASSERT_TRUE(!!settings);
  ASSERT_EQ(json["settings"].size(), ifc.fields.size());
  std::string text;
  for (std::size_t i = 0; i < ifc.fields.size(); ++i) {
    const nlohmann::json& row = json["settings"][i];
    const std::string key = ifc.fields[i].setting->key;
    SCOPED_TRACE(key);
    EXPECT_EQ(row["key"], key);
    std::string value;
    ASSERT_TRUE(ifc.fields[i].read(*settings, value));
    EXPECT_EQ(row["value"], value);
    EXPECT_EQ(row["isDefault"].get<bool>(), key != "JoinLimit");
    if (key != "JoinLimit") {
      EXPECT_EQ(row["default"], value);
    }
    text += key + "\t" + value + "\n";
  }
  EXPECT_EQ(json["settings"][5]["default"], "50");
  EXPECT_EQ(json["settings"][8]["default"], "50mm") << "in the unit the value shows";
  EXPECT_EQ(text, Run({"show", "ifc"}).out);
}

// "set" says what changed, in text and in JSON, as "show" reads it after.
TEST_F(SettingsCommands, SetSaysWhatChanged) {
  const struct {
    const char* translator;
    const char* key;
    const char* value;
    const char* old;
    const char* now;
    const char* repository;
  } cases[] = {
      {"ifc", "JoinLimit", "60", "50", "60", "AXOIfcExport"},
      {"ifc", "SagFactor", "2.5cm", "50mm", "25mm", "AXOIfcExport"},
      {"ifc", "ExportOption", "Surfacic", "Detailed", "Surfacic", "AXOIfcExport"},
      {"dxf", "UnitOfDxfFile", "4", "0", "4", "AXODxfUnitTypeElt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    const std::string file = UserFile(c.repository).u8string();
    const CommandTestResult set = Run({"set", c.translator, c.key, c.value, "--json"});
    ASSERT_EQ(set.status, 0) << set.err;
    const nlohmann::json json = nlohmann::json::parse(set.out);
    EXPECT_EQ(json["translator"], c.translator);
    EXPECT_EQ(json["key"], c.key);
    EXPECT_EQ(json["old"], c.old);
    EXPECT_EQ(json["new"], c.now);
    EXPECT_EQ(json["file"], file);
    EXPECT_EQ(Shown(c.translator, c.key), c.now);
    const CommandTestResult again = Run({"set", c.translator, c.key, c.value});
    EXPECT_EQ(again.out, std::string(c.translator) + " " + c.key + ": " + c.now + " -> " + c.now +
                             ", saved in " + file + "\n");
  }
}

// "reset" says where the values came from; without the administrator's
// file it warns that the file now holds the built-in defaults.
TEST_F(SettingsCommands, ResetSaysWhereTheValuesCameFrom) {
  // The administrator's file, saved as a user's file is.
  const std::filesystem::path admin = UseAdminFolder("admin");
  AXOPlatform::Get()->SetEnv("CATUserSettingPath", admin.u8string().c_str());
  ASSERT_EQ(Run({"set", "ifc", "MaxBEPerPart", "9"}).status, 0);
  AXOPlatform::Get()->SetEnv("CATUserSettingPath", (folder_ / "user").u8string().c_str());
  CATSettingRepositoryTesting::ResetAll();
  const std::string adminFile = (admin / "AXOIfcExport.axosettings").u8string();
  const std::string userFile = UserFile("AXOIfcExport").u8string();
  const struct {
    const char* what;
    const char* reference;  // CATReferenceSettingPath; null: not set
    const char* warning;    // a part of it; "": none
    const char* source;
    const char* shown;  // MaxBEPerPart after the reset
  } cases[] = {
      {"no variable", nullptr, "(CATReferenceSettingPath is not set)", "defaults", "200"},
      {"a folder without the file", "empty", "(no file ", "defaults", "200"},
      {"the administrator's file", "admin", "", "reference", "9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.reference != nullptr) {
      UseAdminFolder(c.reference);
    } else {
      AXOPlatform::Get()->SetEnv("CATReferenceSettingPath", nullptr);
    }
    ASSERT_EQ(Run({"set", "ifc", "MaxBEPerPart", "7"}).status, 0);
    const CommandTestResult reset = Run({"reset", "ifc", "--json"});
    EXPECT_EQ(reset.status, 0) << reset.err;
    const nlohmann::json json = nlohmann::json::parse(reset.out);
    EXPECT_EQ(json["file"], userFile);
    EXPECT_EQ(json["source"], c.source);
    if (*c.warning == '\0') {
      EXPECT_EQ(reset.err, "");
      EXPECT_EQ(json["referenceFile"], adminFile);
    } else {
      EXPECT_NE(
          reset.err.find("axocor: warning: no reference settings found " + std::string(c.warning)),
          std::string::npos)
          << reset.err;
      EXPECT_NE(reset.err.find(userFile + " now holds the built-in defaults"), std::string::npos)
          << reset.err;
      EXPECT_TRUE(json["referenceFile"].is_null());
    }
    CATSettingRepositoryTesting::ResetAll();  // as the next process finds it
    EXPECT_EQ(Shown("ifc", "MaxBEPerPart"), c.shown);
    const CommandTestResult text = Run({"reset", "ifc"});
    EXPECT_EQ(text.err, reset.err);
    EXPECT_NE(text.out.find(userFile + " now holds the "), std::string::npos) << text.out;
  }
}

TEST_F(SettingsCommands, RejectsAnUnknownTranslator) {
  EXPECT_NE(Run({"show", "step"}).status, 0);
}

}  // namespace
