// The model commands as a group: every command takes the same feature
// paths and refuses the same mistakes alike, and every command refuses a
// broken document naming what is broken.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATTestModel.h"
#include "OpenedModel.h"
#include "axocor/CommandTestRun.h"
#include "axocor/model/ModelCommandTestRun.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// `text` with its one `from` replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A copy of the sample building, and documents broken in each way.
class ModelPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    building_ = ReadFile(fs::path(AXOCOR_SAMPLE_MODELS) / "Building.CATProduct");
    room_ = ReadFile(fs::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart");
    folder_.WriteFile("Building.CATProduct", building_);
    folder_.WriteFile("Room.CATPart", room_);
  }
  void TearDown() override { EXPECT_EQ(model_.LeakedObjects(), 0); }

  // Runs "axocor model <command> <file> <args>" and closes what it opened.
  CommandTestResult Run(const std::string& command, const std::string& file,
                        const std::vector<std::string>& args) {
    std::vector<std::string> all{command, folder_.Host(file)};
    all.insert(all.end(), args.begin(), args.end());
    return RunModelForTest(model_, all);
  }

  // The arguments that follow the path for `command`.
  static std::vector<std::string> After(const std::string& command) {
    if (command == "unique-name") return {"Wall"};
    if (command == "publish") return {"Front", "--dry-run"};
    return {};
  }

  std::string building_;
  std::string room_;
  CATTestModel model_;
  AXOTestTempFolder folder_;
};

const char* const kPathCommands[] = {"show", "box", "dump", "children", "unique-name", "publish"};

TEST_F(ModelPaths, EveryCommandTakesTheSamePathsAndRefusesTheSameMistakes) {
  const struct {
    const char* file;
    const char* path;
    const char* refusal;  // null: accepted
  } cases[] = {
      {"Building.CATProduct", "Room.2\\Level 1\\Wall.1", nullptr},
      {"Building.CATProduct", "Room.2/Level 1/Wall.1", nullptr},
      {"Building.CATProduct", "/Room.2\\Level 1/Wall.1/", nullptr},
      {"Room.CATPart", "Level 1\\Wall.1", nullptr},
      {"Room.CATPart", "Level 1//Wall.1", nullptr},
      {"Building.CATProduct", "Room.2\\Typo\\Wall.1",
       "no feature \"Typo\" below \"Room.2\" in Building.CATProduct; the names below it: Level 1, "
       "Roof"},
      {"Building.CATProduct", "Room.2\\Level 1\\Typo",
       "no feature \"Typo\" below \"Level 1\" in Room.CATPart; the names below it: Wall.1, Wall.2, "
       "Door.1"},
      {"Building.CATProduct", "Level 1\\Wall.1",
       "no feature \"Level 1\" below \"Building\" in Building.CATProduct; from a product, start "
       "with an instance: Room.1, Room.2"},
      {"Building.CATProduct", "Room.2\\Room\\Level 1",
       "no feature \"Room\" below \"Room.2\" in Building.CATProduct; did you mean 'Roof'?"},
      {"Room.CATPart", "Room\\Level 1",
       "no feature \"Room\" below \"Room\" in Room.CATPart; did you mean 'Roof'?"},
      {"Room.CATPart", "Level 1\\Wal.1",
       "no feature \"Wal.1\" below \"Level 1\" in Room.CATPart; did you mean 'Wall.1'?"},
      {"Room.CATPart", "Level 1\\Door.1\\x",
       "no feature \"x\" below \"Door.1\" in Room.CATPart; nothing lies below it"},
      {"Building.CATProduct", "Room.3",
       "no feature \"Room.3\" below \"Building\" in Building.CATProduct; did you mean 'Room.1' or "
       "'Room.2'?"},
      {"Room.CATPart", "Level 1\\wall.1",
       "no feature \"wall.1\" below \"Level 1\" in Room.CATPart; did you mean 'Wall.1'?"},
  };
  for (const auto& c : cases) {
    for (const char* command : kPathCommands) {
      SCOPED_TRACE(std::string(command) + " " + c.file + " " + c.path);
      std::vector<std::string> args{c.path};
      for (const std::string& after : After(command)) args.push_back(after);
      const CommandTestResult result = Run(command, c.file, args);
      if (c.refusal == nullptr) {
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
      } else {
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, std::string("axocor: error: ") + c.refusal + "\n");
        EXPECT_EQ(result.out, "");
      }
    }
  }
  EXPECT_EQ(ReadFile(folder_.Native("Room.CATPart")), room_) << "--dry-run writes nothing";
}

TEST_F(ModelPaths, AnInstancePathNamesOnePlacedOccurrence) {
  const struct {
    const char* path;
    const char* box;
  } cases[] = {
      {"", "\"Building\": x 0 .. 10000  y 0 .. 4000  z 0 .. 2700\n"},
      {"Room.1", "\"Room.1\": x 0 .. 5000  y 0 .. 4000  z 0 .. 2700\n"},
      {"Room.2", "\"Room.2\": x 5000 .. 10000  y 0 .. 4000  z 0 .. 2700\n"},
      {"Room.1\\Level 1\\Door.1", "\"Door.1\": x 2000 .. 2900  y 0 .. 200  z 0 .. 2100\n"},
      {"Room.2\\Level 1\\Door.1", "\"Door.1\": x 7100 .. 8000  y 3800 .. 4000  z 0 .. 2100\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const CommandTestResult run = Run("box", "Building.CATProduct", {c.path});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.box);
  }
}

TEST_F(ModelPaths, EveryCommandRefusesABrokenDocumentNamingWhatIsBroken) {
  const std::string missing = ShownPath(folder_.Host("Missing.CATPart").c_str());
  const std::string damaged = ShownPath(folder_.Host("Damaged.CATPart").c_str());
  const std::string room = ShownPath(folder_.Host("Room.CATPart").c_str());
  folder_.WriteFile("Damaged.CATPart", room_.substr(0, 100));
  folder_.WriteFile("Missing.CATProduct",
                    Replaced(building_, "\"Room.CATPart\", \"id\": \"product\"}",
                             "\"Missing.CATPart\", \"id\": \"product\"}"));
  folder_.WriteFile("Damaged.CATProduct",
                    Replaced(building_, "\"Room.CATPart\", \"id\": \"product\"}",
                             "\"Damaged.CATPart\", \"id\": \"product\"}"));
  folder_.WriteFile("NoId.CATProduct", Replaced(building_, "\"Room.CATPart\", \"id\": \"product\"}",
                                                "\"Room.CATPart\", \"id\": \"product9\"}"));
  folder_.WriteFile("NoProduct.CATProduct",
                    Replaced(building_, "\"Room.CATPart\", \"id\": \"product\"}",
                             "\"Room.CATPart\", \"id\": \"wall1\"}"));
  folder_.WriteFile("Dangling.CATPart",
                    Replaced(room_, "[{\"id\": \"door1\"}]", "[{\"id\": \"door9\"}]"));
  const struct {
    const char* file;
    std::string fault;
  } cases[] = {
      {"Missing.CATProduct",
       "\"Room.1\" refers to " + missing + ", which cannot be opened: no such file"},
      {"Damaged.CATProduct", "\"Room.1\" refers to " + damaged + ", which cannot be opened: line "},
      {"NoId.CATProduct",
       "link of \"Room.1\" to id \"product9\", which " + room + " does not hold"},
      {"NoProduct.CATProduct", "instance \"Room.1\" refers to no product"},
      {"Dangling.CATPart", "link of \"Wall.1\" to id \"door9\", which " +
                               ShownPath(folder_.Host("Dangling.CATPart").c_str()) +
                               " does not hold"},
  };
  for (const auto& c : cases) {
    const bool product = std::string(c.file).find("Product") != std::string::npos;
    const std::string path = product ? "Room.2" : "Level 1";
    const struct {
      const char* command;
      std::vector<std::string> args;
    } commands[] = {
        {"box", {}},
        {"children", {path}},
        {"dump", {}},
        {"unique-name", {"", "Wall"}},
        {"publish", {path + "\\Level 1\\Wall.1", "--dry-run"}},
        {"save-part", {"", "--dry-run"}},
    };
    for (const auto& command : commands) {
      if (!product && std::string(command.command) == "save-part") continue;
      SCOPED_TRACE(std::string(command.command) + " " + c.file);
      const CommandTestResult run = Run(command.command, c.file, command.args);
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.out, "");
      EXPECT_NE(run.err.find("is broken: " + c.fault), std::string::npos) << run.err;
    }
    SCOPED_TRACE(c.file);
    const CommandTestResult check = Run("check", c.file, {});
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.out.find("broken: " + c.fault), std::string::npos) << check.out;
    const CommandTestResult show = Run("show", c.file, {});
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_NE(show.out.find("  broken: " + c.fault), std::string::npos) << show.out;
  }
}

TEST_F(ModelPaths, FilesThatCannotBeOpenedAreRefusedWithTheReason) {
  folder_.MakeFolder("Folder.CATPart");
  const struct {
    const char* file;
    const char* reason;
  } cases[] = {
      {"None.CATPart", "no such file or folder"},
      {"Folder.CATPart", "is a folder, not a file"},
  };
  for (const auto& c : cases) {
    for (const char* command : kPathCommands) {
      SCOPED_TRACE(std::string(command) + " " + c.file);
      std::vector<std::string> args{"Level 1"};
      for (const std::string& after : After(command)) args.push_back(after);
      const CommandTestResult run = Run(command, c.file, args);
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.err,
                "axocor: error: cannot open '" + folder_.Host(c.file) + "': " + c.reason + "\n");
    }
  }
}

}  // namespace
