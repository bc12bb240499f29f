// Every "-o" of the tool: never onto a file that the command reads, also
// through a link or another spelling; "-" is standard output.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"

namespace {

namespace fs = std::filesystem;

const std::vector<AxocorGroup> kWriters = {{"model", RegisterModelCommands},
                                           {"gvs", RegisterGvsCommands}};

class OutputRule : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path sample(AXOCOR_SAMPLE_MODELS);
    for (const char* file : {"Building.CATProduct", "Room.CATPart"}) {
      fs::copy_file(sample / file, folder_.Native(file));
    }
    folder_.WriteFile("std/gvs_includes/part.xml", "<std:node><std:node name=\"p\"/></std:node>");
    folder_.WriteFile("Walls.xml",
                      "<std:node><std:node/><std:node type=\"includefile\"><std:strval>part.xml"
                      "</std:strval></std:node></std:node>");
    AXOPlatform::Get()->SetEnv("CATCollectionStandard", folder_.Host("std").c_str());
  }
  void TearDown() override {
    AXOPlatform::Get()->SetEnv("CATCollectionStandard", nullptr);
    model_.LeakedObjects();
  }

  // The bytes of every file below the folder.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder_.Native())) {
      if (entry.is_regular_file() && entry.path().extension() != ".axo-lock") {
        files[entry.path().u8string()] = AXOTestReadFile(entry.path());
      }
    }
    return files;
  }

  AXOTestTempFolder folder_;
  CATTestModel model_;
};

TEST_F(OutputRule, NoCommandReplacesAFileItReads) {
  const std::string building = folder_.Host("Building.CATProduct");
  const std::string room = folder_.Host("Room.CATPart");
  std::error_code error;
  fs::create_symlink(folder_.Native("Room.CATPart"), folder_.Native("link.CATPart"), error);
  const bool linked = !error;
  const struct {
    std::vector<std::string> args;    // "-o" and the output follow
    std::vector<std::string> inputs;  // in the folder
  } cases[] = {
      {{"model", "dump", building, "Room.1"}, {"Building.CATProduct", "Room.CATPart"}},
      {{"model", "dump", room, "Level 1"}, {"Room.CATPart"}},
      {{"model", "plan", building}, {"Building.CATProduct", "Room.CATPart"}},
      {{"gvs", "expand", folder_.Host("Walls.xml")}, {"Walls.xml", "std/gvs_includes/part.xml"}},
      // The part is saved elsewhere: not over the product it was opened by.
      {{"model", "publish", building, "Room.1/Level 1/Wall.1", "Side"}, {"Building.CATProduct"}},
  };
  const std::map<std::string, std::string> before = Files();
  for (const auto& c : cases) {
    std::vector<std::string> outputs;
    for (const std::string& input : c.inputs) {
      outputs.push_back(folder_.Host(input));
      outputs.push_back(folder_.Native("./" + input).u8string());  // another spelling
    }
    if (linked && c.inputs.back() == "Room.CATPart")
      outputs.push_back(folder_.Host("link.CATPart"));
    for (const std::string& output : outputs) {
      std::vector<std::string> args = c.args;
      args.insert(args.end(), {"-o", output});
      SCOPED_TRACE(args[0] + " " + args[1] + " -o " + output);
      const CommandTestResult result = RunToolForTest(kWriters, args);
      EXPECT_EQ(result.status, 1) << result.out;
      EXPECT_NE(result.err.find("which the command reads: it is not replaced"), std::string::npos)
          << result.err;
      EXPECT_EQ(Files(), before) << "every input byte for byte";
      model_.LeakedObjects();
    }
  }
}

TEST_F(OutputRule, ADashIsStandardOutput) {
  const std::string building = folder_.Host("Building.CATProduct");
  const struct {
    std::vector<std::string> args;
    const char* printed;  // a part of what goes to standard output
  } cases[] = {
      {{"model", "plan", building, "-o", "-"}, "<svg"},
      {{"model", "dump", building, "Room.1", "-o", "-"}, "name: Room type: Part"},
      {{"gvs", "expand", folder_.Host("Walls.xml"), "-o", "-"}, "name=\"p\""},
  };
  const fs::path current = fs::current_path();
  fs::current_path(folder_.Native());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const CommandTestResult result = RunToolForTest(kWriters, c.args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find(c.printed), std::string::npos) << result.out;
    EXPECT_FALSE(fs::exists(folder_.Native("-"))) << "no file named -";
    model_.LeakedObjects();
  }
  fs::current_path(current);
}

}  // namespace
