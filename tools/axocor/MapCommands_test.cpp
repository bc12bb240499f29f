#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "axocor/CommandTestRun.h"

namespace {

class MapCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteFile("map.csv",
                      "# own,foreign,foreign\r\nHEB100,HE100B,HE 100 B\r\nANG50,L50X5,\r\n"
                      "BOX100,,rhs 100*100\r\nESC1,X,\x1B[2Jred\xFF\r\n");
  }
  CommandTestResult Run(const std::string& direction, std::vector<std::string> names) {
    names.insert(names.begin(), {"map", direction, folder_.Host("map.csv")});
    return RunCommandForTest(RegisterMapCommands, names);
  }

  AXOTestTempFolder folder_;
};

TEST_F(MapCommands, TranslatesEachNameInTheGivenDirection) {
  // A translation is printed escaped: the terminal is not told to clear.
  const CommandTestResult exported = Run("export", {"HEB100", "ANG50", "ESC1"});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out, "HEB100\tHE 100 B\nANG50\tL50X5\nESC1\t\\x1B[2Jred\\xFF\n");

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

// What is no profile map is refused with its reason, at once, and nothing
// is translated: not a name is answered "(not in map)".
TEST_F(MapCommands, RefusesWhatIsNoMapFileWithTheReason) {
  folder_.MakeFolder("folder.csv");
  folder_.WriteFile("binary.csv", std::string("HEB100,HE100B,HE 100 B\n\0\x01\xff", 26));
  const bool fifo = AXOTestMakeFifo(folder_.Native("fifo.csv"));
  const struct {
    const char* file;
    const char* reason;
  } cases[] = {
      {"none.csv", "no such file or folder"},
      {"folder.csv", "is a folder, not a file"},
      {"binary.csv", "not a profile map: it holds a NUL byte (byte 24)"},
      {"fifo.csv", "is a FIFO, not a file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    if (std::string(c.file) == "fifo.csv" && !fifo) continue;
    CommandTestResult result;
    EXPECT_TRUE(AXOTestReturnsWithin(
        std::chrono::seconds(5),
        [&] {
          result = RunCommandForTest(RegisterMapCommands,
                                     {"map", "export", folder_.Host(c.file), "HEB100"});
        },
        [&] { AXOTestReleaseFifoReader(folder_.Native("fifo.csv")); }));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(c.file), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
  }
}

}  // namespace
