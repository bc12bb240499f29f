// Every command that prints a path prints it in the native form of the
// system, JSON included: on POSIX no "\" of a host path in any of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestSpecialFiles.h"
#include "AxocorCommands.h"
#include "CATHostPath.h"
#include "axocor/CommandTestRun.h"

namespace {

TEST(PrintedPaths, NoCommandPrintsAHostPath) {
  if (AXOTestDriveLettersAreReal()) GTEST_SKIP() << "native paths hold \\ here";
  const std::string env = std::string(AXOCOR_SAMPLE_INSTALLATION) + "/axocor-env.txt";
  const std::string models = CATHostPathOfNative(AXOCOR_SAMPLE_MODELS);
  const std::vector<AxocorGroup> groups = {{"env", RegisterEnvCommands},
                                           {"catalogs", RegisterCatalogCommands},
                                           {"gvs", RegisterGvsCommands},
                                           {"dictionaries", RegisterDictionaryCommands},
                                           {"model", RegisterModelCommands}};
  const std::vector<std::vector<std::string>> commands = {
      {"env", "list", "CATStartupPath"},
      {"env", "list", "CATStartupPath", "--json"},
      {"env", "find", "CATStartupPath", "Catalogs/Doors/AXO_Doors.catalog"},
      {"env", "find", "CATStartupPath", "Catalogs/Doors/AXO_Doors.catalog", "--json"},
      {"catalogs", "find", "AXO_Doors", "Doors"},
      {"catalogs", "find", "AXO_Doors", "Doors", "--json"},
      {"gvs", "includes",
       CATHostPathOfNative(std::string(AXOCOR_SAMPLE_INSTALLATION) +
                           "/collection/standard/generativeparameters/"
                           "Walls.xml")},
      {"model", "show", models + "\\Building.CATProduct"},
      {"model", "show", models + "\\Building.CATProduct", "--json"},
      {"model", "check", models + "\\Building.CATProduct"},
  };
  for (const std::vector<std::string>& command : commands) {
    std::vector<std::string> args = {"--env", env};
    args.insert(args.end(), command.begin(), command.end());
    SCOPED_TRACE(command[0] + " " + command[1] + (command.back() == "--json" ? " --json" : ""));
    const CommandTestResult result = RunToolForTest(groups, args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_FALSE(result.out.empty());
    // JSON writes "\" as "\\": either form would show.
    EXPECT_EQ(result.out.find('\\'), std::string::npos) << result.out;
  }
  for (const char* variable :
       {"CATStartupPath", "CATCollectionStandard", "CATDefaultCollectionStandard", "CATGraphicPath",
        "CATUserSettingPath"}) {
    AXOPlatform::Get()->SetEnv(variable, nullptr);
  }
}

}  // namespace
