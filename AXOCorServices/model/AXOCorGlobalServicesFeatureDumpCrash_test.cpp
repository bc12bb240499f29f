// Dumps killed half-way: whenever a process that dumps features to a file
// dies, the file holds one whole dump, and at most the killed dump's own
// temporary file lies beside it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "AXOTestKilledChild.h"
#include "CATModelTestFixture.h"
#include "foundations/AXOCorTextLines.h"

namespace {

namespace fs = std::filesystem;

constexpr const char kDumpFileVariable[] = "AXO_TEST_DUMP_FILE";

// Two features whose dumps differ in length: a wall with many windows, each
// with attributes, and a door alone.
struct DumpedFeatures {
  CATTestNode wall, door;

  explicit DumpedFeatures(CATTestModel& model) {
    const CATTestDocument room = model.PartDocument("c:\\Parts\\Room.CATPart");
    door = model.Feature(room.Part(), "Door.1", "Door");
    wall = model.Feature(room.Part(), "Wall.1", "Wall").Key("Height", tk_double, sp_IN);
    for (int i = 1; i <= 300; ++i) {
      model.Feature(wall, ("Window." + std::to_string(i)).c_str(), "Window")
          .Key("Width", tk_double, sp_IN)
          .ListKey("Panes", tk_integer, sp_OUT);
    }
  }
};

// The child: dumps the wall and the door in turn to the file its parent
// named, until it is killed.
TEST(FeatureDumpCrashChild, DISABLED_DumpsUntilKilled) {
  const auto started = std::chrono::steady_clock::now();
  std::string file;
  ASSERT_TRUE(AXOPlatform::Get()->GetEnv(kDumpFileVariable, file).ok());
  const CATUnicodeString path = file.c_str();
  CATTestModel model;
  const DumpedFeatures features(model);
  AXOCorGlobalServices::PrintAllLinks(features.door, &path);
  AXOTestChildIsReady();
  for (bool wall = true; AXOTestChildMayGoOn(started); wall = !wall) {
    AXOCorGlobalServices::PrintAllLinks(wall ? features.wall : features.door, &path);
  }
}

// The dump of `feature` as a file holds it.
std::string Dumped(const CATISpecObject_var& feature) {
  std::ostringstream out;
  std::streambuf* const old = std::cout.rdbuf(out.rdbuf());
  AXOCorGlobalServices::PrintAllLinks(feature, nullptr);
  std::cout.rdbuf(old);
  std::string text;
  AXOCorAppendTextLines(text, out.str(), AXOPlatform::TextLineEnd());
  return text;
}

using FeatureDumpCrash = CATModelTest;

TEST_F(FeatureDumpCrash, EveryKilledDumpLeavesAWholeDumpInTheFile) {
  std::string wall, door;
  {
    const DumpedFeatures features(model_);
    wall = Dumped(features.wall);
    door = Dumped(features.door);
  }
  const fs::path folder = folder_.MakeFolder("dumps");
  const fs::path dump = folder / "dump.txt";
  ASSERT_TRUE(
      AXOPlatform::Get()->SetEnv(kDumpFileVariable, folder_.Host("dumps\\dump.txt").c_str()).ok());
  std::mt19937 random(20241206);
  int kill = 0;
  int walls = 0;
  for (const AXOTestKillBudget budget; budget.Another(kill); ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill));
    ASSERT_TRUE(AXOTestRunAndKillChild("FeatureDumpCrashChild.DISABLED_DumpsUntilKilled",
                                       folder_.Native("ready"), std::chrono::milliseconds(20),
                                       random));
    const std::string left = ReadFile(dump);
    ASSERT_TRUE(left == wall || left == door) << "a dump cut short: " << left.size() << " bytes";
    if (left == wall) ++walls;
    ASSERT_LE(AXOTestRegularFileCount(folder), 2)
        << "the dump and at most the killed one's temporary file";
  }
  AXOPlatform::Get()->SetEnv(kDumpFileVariable, nullptr);
  EXPECT_GT(walls, 0) << "the children never finished a dump of the wall";
}

}  // namespace
