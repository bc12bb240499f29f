#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "AxocorCommands.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"
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

TEST_F(SettingsCommands, RejectsAnUnknownTranslator) {
  EXPECT_NE(Run({"show", "step"}).status, 0);
}

}  // namespace
