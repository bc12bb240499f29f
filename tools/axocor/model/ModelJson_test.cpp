// The model commands' JSON output: one document per run, parsed, holding
// the figures that the text output prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATHostPath.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"

namespace {

using Json = nlohmann::json;

class ModelJson : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(model_.LeakedObjects(), 0); }

  // Runs "axocor model <args>" on the sample file `file`, with --json when
  // `json`.
  CommandTestResult Run(const std::string& command, const std::string& file,
                        std::vector<std::string> args, bool json) {
    std::vector<std::string> all{"model", command, models_ + "\\" + file};
    all.insert(all.end(), args.begin(), args.end());
    if (json) all.push_back("--json");
    const CommandTestResult result = RunCommandForTest(RegisterModelCommands, all);
    model_.LeakedObjects();
    EXPECT_EQ(result.status, 0) << result.err;
    return result;
  }
  // The one JSON document that the command prints.
  Json RunJson(const std::string& command, const std::string& file,
               const std::vector<std::string>& args) {
    const std::string out = Run(command, file, args, true).out;
    EXPECT_EQ(out.find('\n'), out.size() - 1) << "one line: " << out;
    return Json::parse(out);
  }

  CATTestModel model_;
  // The host folder of the documents the commands are run on.
  std::string models_ = CATHostPathOfNative(AXOCOR_SAMPLE_MODELS);
};

// "x 0 .. 10000  y ..." of a box as printed in JSON's figures.
std::string BoxText(const Json& box) {
  std::ostringstream text;
  text << "\"" << box["name"].get<std::string>() << "\": ";
  const char* separator = "";
  for (const char* axis : {"x", "y", "z"}) {
    text << separator << axis << " " << box[axis][0].get<double>() << " .. "
         << box[axis][1].get<double>();
    separator = "  ";
  }
  return text.str() + "\n";
}

TEST_F(ModelJson, BoxGivesTheFiguresItPrints) {
  for (const char* path : {"", "Room.1", "Room.2", "Room.2\\Level 1\\Wall.1"}) {
    SCOPED_TRACE(path);
    const Json box = RunJson("box", "Building.CATProduct", {path});
    EXPECT_FALSE(box["empty"].get<bool>());
    EXPECT_EQ(BoxText(box), Run("box", "Building.CATProduct", {path}, false).out);
  }
  const Json roof = RunJson("box", "Room.CATPart", {"Roof"});
  EXPECT_TRUE(roof["empty"].get<bool>());
  EXPECT_FALSE(roof.contains("x"));
}

TEST_F(ModelJson, TheSecondRoomIsTheBuildingLessTheFirst) {
  const Json building = RunJson("box", "Building.CATProduct", {});
  const Json first = RunJson("box", "Building.CATProduct", {"Room.1"});
  const Json second = RunJson("box", "Building.CATProduct", {"Room.2"});
  EXPECT_EQ(building["x"][0], first["x"][0]);
  EXPECT_EQ(second["x"], Json::array({first["x"][1], building["x"][1]}));
  EXPECT_EQ(second["y"], building["y"]);
  EXPECT_EQ(second["z"], building["z"]);
}

// A room turned by an eighth of a turn: the box of the building and those
// of its rooms come from one rule (the library's placement of an
// instance's box), so the building's box is exactly that of its rooms.
TEST_F(ModelJson, TheBuildingsBoxHoldsItsRoomsBoxesAlsoWhenOneIsTilted) {
  AXOTestTempFolder folder;
  const std::filesystem::path sample(AXOCOR_SAMPLE_MODELS);
  std::filesystem::copy_file(sample / "Room.CATPart", folder.Native("Room.CATPart"));
  std::string building = AXOTestReadFile(sample / "Building.CATProduct");
  const std::string turned = "[[-1, 0, 0], [0, -1, 0], [0, 0, 1]]";
  ASSERT_NE(building.find(turned), std::string::npos);
  building.replace(building.find(turned), turned.size(),
                   "[[0.6, -0.8, 0], [0.8, 0.6, 0], [0, 0, 1]]");
  folder.WriteFile("Building.CATProduct", building);
  models_ = folder.Host();
  const Json all = RunJson("box", "Building.CATProduct", {});
  const Json first = RunJson("box", "Building.CATProduct", {"Room.1"});
  const Json second = RunJson("box", "Building.CATProduct", {"Room.2"});
  for (const char* axis : {"x", "y", "z"}) {
    SCOPED_TRACE(axis);
    EXPECT_EQ(all[axis][0], std::min(first[axis][0].get<double>(), second[axis][0].get<double>()));
    EXPECT_EQ(all[axis][1], std::max(first[axis][1].get<double>(), second[axis][1].get<double>()));
  }
  // The low and high corners placed: (0, 0, 0) and (5000, 4000, 2700)
  // turned and moved by (10000, 4000, 0).
  const double expected[2][2] = {{10000 + 0.6 * 5000 - 0.8 * 4000, 10000},
                                 {4000, 4000 + 0.8 * 5000 + 0.6 * 4000}};
  for (int i = 0; i < 2; ++i) {
    EXPECT_NEAR(second["x"][i].get<double>(), expected[0][i], 1e-6);
    EXPECT_NEAR(second["y"][i].get<double>(), expected[1][i], 1e-6);
  }
  // The help says which box it shows.
  const CommandTestResult help =
      RunCommandForTest(RegisterModelCommands, {"model", "box", "--help"});
  EXPECT_NE(help.out.find("the box of its low and high corners placed"), std::string::npos)
      << help.out;
}

TEST_F(ModelJson, QueriesGiveWhatTheyPrint) {
  const Json children = RunJson("children", "Building.CATProduct", {"Room.1\\Level 1"});
  std::string printed;
  for (const Json& child : children["children"]) {
    printed += "\"" + child["name"].get<std::string>() + "\"  type " +
               child["type"].get<std::string>() + "\n";
  }
  EXPECT_EQ(children["name"], "Level 1");
  EXPECT_EQ(printed, Run("children", "Building.CATProduct", {"Room.1\\Level 1"}, false).out);

  const Json unique = RunJson("unique-name", "Room.CATPart", {"Level 1", "Wall.1"});
  EXPECT_EQ(unique["unique"].get<std::string>() + "\n",
            Run("unique-name", "Room.CATPart", {"Level 1", "Wall.1"}, false).out);

  const Json dump = RunJson("dump", "Room.CATPart", {"Level 1\\Wall.1"});
  std::string lines;
  for (const Json& line : dump["lines"]) lines += line.get<std::string>() + "\n";
  EXPECT_EQ(dump["name"], "Wall.1");
  EXPECT_EQ(lines, Run("dump", "Room.CATPart", {"Level 1\\Wall.1"}, false).out);
}

TEST_F(ModelJson, ShowGivesTheTreeItPrints) {
  const Json tree = RunJson("show", "Building.CATProduct", {});
  const std::string text = Run("show", "Building.CATProduct", {}, false).out;
  ASSERT_EQ(tree["documents"].size(), 2u);
  const Json& building = tree["documents"][0];
  EXPECT_EQ(text.rfind("document " + building["path"].get<std::string>() + " (CATProduct)\n", 0),
            0u)
      << text;
  const Json& second = building["objects"][0]["children"][1];
  EXPECT_EQ(second["name"], "Room.2");
  EXPECT_EQ(second["position"]["translation"], Json::array({10000, 4000, 0}));
  EXPECT_EQ(second["position"]["rotation"], Json::parse("[[-1,0,0],[0,-1,0],[0,0,1]]"));
  const Json& part = tree["documents"][1]["objects"][0];
  EXPECT_EQ(part["kind"], "part");
  EXPECT_EQ(part["timeStamp"], "2023-11-14 22:13:20");
  Json box = part["box"];
  box["name"] = part["name"];
  EXPECT_EQ(BoxText(box), Run("box", "Room.CATPart", {}, false).out);
  EXPECT_EQ(part["children"][0]["kind"], "body");

  // Drawn, the same lines hang from branches.
  const std::string drawn = Run("show", "Building.CATProduct", {"--tree"}, false).out;
  EXPECT_NE(drawn.find("\n│   │   ├── feature \"Wall.1\""), std::string::npos) << drawn;
  EXPECT_NE(drawn.find("\n└── product \"Room\"  part number Room\n    └── publication"),
            std::string::npos)
      << drawn;
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), '\n'),
            std::count(text.begin(), text.end(), '\n'));
}

TEST_F(ModelJson, ShowMarksHiddenObjects) {
  AXOTestTempFolder folder;
  std::ifstream sample(std::filesystem::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart",
                       std::ios::binary);
  std::string room((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
  room.replace(room.find("\"id\": \"wall2\","), 0, "\"hidden\": true, ");
  folder.WriteFile("Room.CATPart", room);
  const CommandTestResult shown = RunCommandForTest(
      RegisterModelCommands, {"model", "show", folder.Host("Room.CATPart"), "Level 1\\Wall.2"});
  EXPECT_EQ(shown.out,
            "  feature \"Wall.2\"  type Wall  time stamp 2023-11-14 22:18:20  update stamp 0  "
            "hidden\n");
  model_.LeakedObjects();
}

}  // namespace
