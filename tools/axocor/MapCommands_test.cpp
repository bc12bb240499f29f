#include <gtest/gtest.h>

#include <string>

#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CommandTestRun.h"

namespace {

class MapCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteFile("map.csv",
                      "# own,foreign,foreign\r\nHEB100,HE100B,HE 100 B\r\nANG50,L50X5,\r\n"
                      "BOX100,,rhs 100*100\r\n");
  }
  CommandTestResult Run(const std::string& direction, std::vector<std::string> names) {
    names.insert(names.begin(), {"map", direction, folder_.Host("map.csv")});
    return RunCommandForTest(RegisterMapCommands, names);
  }

  AXOTestTempFolder folder_;
};

TEST_F(MapCommands, TranslatesEachNameInTheGivenDirection) {
  const CommandTestResult exported = Run("export", {"HEB100", "ANG50"});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out, "HEB100\tHE 100 B\nANG50\tL50X5\n");

  // A foreign name is found as the normalised text of field 3 ("*" read
  // as "X"), whatever the own name of its line.
  const CommandTestResult imported =
      Run("import", {"he 100 b", "L50X5", "ANG50", "RHS100X100", "Rhs 100*100"});
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out,
            "he 100 b\tHEB100\nL50X5\tANG50\nANG50\tANG50\nRHS100X100\tBOX100\n"
            "Rhs 100*100\tBOX100\n");
}

TEST_F(MapCommands, FlagsNamesNotInTheMapAndFails) {
  const CommandTestResult result = Run("export", {"HEB100", "HE 100 B", "IPE80"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "HEB100\tHE 100 B\nHE 100 B\t(not in map)\nIPE80\t(not in map)\n");
  EXPECT_NE(result.err.find("2 of 3 names"), std::string::npos) << result.err;
}

TEST_F(MapCommands, RefusesMissingMapFile) {
  const CommandTestResult missing =
      RunCommandForTest(RegisterMapCommands, {"map", "import", folder_.Host("none.csv"), "HE100B"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("none.csv"), std::string::npos) << missing.err;
}

}  // namespace
