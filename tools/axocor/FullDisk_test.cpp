// Every command that writes a file, on a file system that is full: it says
// so, keeps the file it would have replaced whole and leaves no temporary
// file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATSettingRepositoryTesting.h"
#include "axocor/CommandTestRun.h"

namespace {

namespace fs = std::filesystem;

const std::vector<AxocorGroup> kWriters = {{"model", RegisterModelCommands},
                                           {"counter", RegisterCounterCommands},
                                           {"settings", RegisterSettingsCommands},
                                           {"gvs", RegisterGvsCommands}};

// The names in `folder` and its sub-folders, but the lock files that saves
// keep beside the files they save (empty: they take no space).
std::set<std::string> NamesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.path().extension() == ".axo-lock") continue;
    names.insert(entry.path().lexically_relative(folder).u8string());
  }
  return names;
}

// Writes to `path` until the file system refuses more.
void FillUp(const fs::path& path) {
  std::ofstream filler(path, std::ios::binary);
  const std::string block(4096, 'x');
  while (filler.write(block.data(), block.size()) && filler.flush()) {
  }
}

class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    disk_ = std::make_unique<AXOTestSmallFileSystem>(folder_.MakeFolder("disk"), "256k");
    if (!disk_->mounted()) {
      GTEST_SKIP() << "no small file system of its own here (mounting one needs root on Linux)";
    }
    fs::copy_file(fs::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart", Disk("Room.CATPart"));
    Put("dump.txt", "old dump\n");
    Put("plan.svg", "<svg/>\n");
    Put("out.xml", "old expansion\n");
    Put("sheet.xml", "<std:node><std:node name=\"a\"/></std:node>");
    Put("startup/IDSequenceNumbers/beams", "41");
    AXOPlatform* platform = AXOPlatform::Get();
    platform->SetEnv("CATStartupPath", (folder_.Host("disk") + "\\startup").c_str());
    platform->SetEnv("CATUserSettingPath", Disk("settings").u8string().c_str());
    platform->SetEnv("CATReferenceSettingPath", nullptr);
    CATSettingRepositoryTesting::ResetAll();
    ASSERT_EQ(RunToolForTest(kWriters, {"settings", "set", "ifc", "JoinLimit", "60"}).status, 0);
  }
  void TearDown() override {
    AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
    AXOPlatform::Get()->SetEnv("CATUserSettingPath", nullptr);
    CATSettingRepositoryTesting::ResetAll();
    disk_.reset();
  }

  fs::path Disk(const std::string& relative) const { return folder_.Native("disk/" + relative); }
  std::string Host(const std::string& relative) const { return folder_.Host("disk/" + relative); }
  void Put(const std::string& relative, const std::string& bytes) const {
    folder_.WriteFile("disk/" + relative, bytes);
  }

  AXOTestTempFolder folder_;
  std::unique_ptr<AXOTestSmallFileSystem> disk_;
};

TEST_F(FullDisk, EveryWriterSaysSoAndKeepsTheOldFileWhole) {
  const struct {
    std::vector<std::string> args;
    const char* kept;  // the file the command would replace
  } cases[] = {
      {{"model", "publish", Host("Room.CATPart"), "Level 1\\Wall.1", "Side"}, "Room.CATPart"},
      {{"model", "dump", Host("Room.CATPart"), "Level 1", "-o", Host("dump.txt")}, "dump.txt"},
      {{"model", "plan", Host("Room.CATPart"), "-o", Host("plan.svg")}, "plan.svg"},
      {{"gvs", "expand", Host("sheet.xml"), "-o", Host("out.xml")}, "out.xml"},
      {{"counter", "beams"}, "startup/IDSequenceNumbers/beams"},
      {{"settings", "set", "ifc", "JoinLimit", "61"}, "settings/AXOIfcExport.axosettings"},
  };
  std::vector<std::string> before;
  for (const auto& c : cases) before.push_back(AXOTestReadFile(Disk(c.kept)));
  FillUp(Disk("filler"));
  const std::set<std::string> names = NamesIn(Disk(""));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.args[0] + " " + c.args[1]);
    const CommandTestResult result = RunToolForTest(kWriters, c.args);
    EXPECT_EQ(result.status, 1) << result.out;
    EXPECT_NE(result.err.find("no space left on the device"), std::string::npos) << result.err;
    EXPECT_EQ(AXOTestReadFile(Disk(c.kept)), before[i]) << "the old file whole";
    EXPECT_EQ(NamesIn(Disk("")), names) << "no temporary file left";
  }
}

}  // namespace
