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
#include "CATDocumentFileCheck.h"
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
}

// Copies of the sample models in `folder`, the room's text `from` replaced
// by `to`; the folder's host path.
std::string RoomCopy(AXOTestTempFolder& folder, const std::string& from, const std::string& to) {
  std::string room = AXOTestReadFile(std::filesystem::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart");
  if (!from.empty()) room.replace(room.find(from), from.size(), to);
  folder.WriteFile("Room.CATPart", room);
  std::filesystem::copy_file(std::filesystem::path(AXOCOR_SAMPLE_MODELS) / "Building.CATProduct",
                             folder.Native("Building.CATProduct"));
  return folder.Host();
}

// The lines of the dump's text for a FEATURE of the JSON dump at `depth`.
std::string DumpedContent(const Json& feature, int depth) {
  const std::string indent(2 * depth, ' ');
  std::string text;
  for (int i = 0; i < depth; ++i) text += "--";
  text += "name: " + feature["name"].get<std::string>() +
          " type: " + feature["type"].get<std::string>() +
          " Supertype: " + feature["supertype"].get<std::string>() + "\n";
  if (!feature["attributes"].empty()) text += indent + "Attributes :\n";
  for (const Json& attribute : feature["attributes"]) {
    std::string type = attribute["type"];
    if (attribute.contains("elementType"))
      type += "(" + attribute["elementType"].get<std::string>() + ")";
    text += indent + "Name: " + attribute["name"].get<std::string>() + " Type: " + type +
            " Quality: " + attribute["quality"].get<std::string>() + "\n";
  }
  for (const Json& component : feature["components"]) text += DumpedContent(component, depth + 1);
  return text;
}

// The dump as data holds what the library's text holds, line for line; its
// links are the features the feature is linked to, never the one it lies in.
TEST_F(ModelJson, DumpGivesTheLibrarysDumpAsData) {
  const struct {
    const char* file;
    const char* path;
    const char* name;
    std::vector<std::string> links;  // "name type"
  } cases[] = {
      {"Room.CATPart", "Level 1\\Wall.1", "Wall.1", {"Door.1 Door"}},
      {"Room.CATPart", "Level 1\\Wall.2", "Wall.2", {"Level 1 Level", "Height "}},
      {"Room.CATPart", "Level 1\\Door.1", "Door.1", {}},
      {"Room.CATPart", "", "Room", {}},
      {"Building.CATProduct", "Room.2\\Level 1", "Level 1", {}},
  };
  // Wall.2 with kinds and a quality that have no name, a list of lists,
  // and links to a body and to a parameter of another feature.
  AXOTestTempFolder folder;
  models_ = RoomCopy(folder, "\"id\": \"wall2\",",
                     "\"id\": \"wall2\", \"attributes\": [{\"name\": \"Odd\", \"kind\": 99, "
                     "\"quality\": 7}, {\"name\": \"Nested\", \"kind\": \"list\", "
                     "\"elementKind\": \"list\"}], \"links\": [{\"id\": \"level1\"}, "
                     "{\"id\": \"height\"}],");
  const Json wall = RunJson("dump", "Room.CATPart", {"Level 1\\Wall.2"})["feature"];
  EXPECT_EQ(wall["attributes"], Json::parse(R"([{"name":"Odd","type":"undefine","quality":""},
      {"name":"Nested","type":"tk_list","elementType":"tk_list","quality":"sp_NEUTRAL"}])"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const Json dump = RunJson("dump", c.file, {c.path});
    EXPECT_EQ(dump["name"], c.name);
    EXPECT_EQ(dump["feature"]["name"], c.name);
    std::string text = "------------------ content  ---------------------\n" +
                       DumpedContent(dump["feature"], 0) +
                       "----------------- end content  -----------------\n";
    std::vector<std::string> links;
    for (const Json& link : dump["links"]) {
      links.push_back(link["name"].get<std::string>() + " " + link["type"].get<std::string>());
    }
    EXPECT_EQ(links, c.links);
    if (!links.empty()) {
      text += "------------------ parent  ---------------------\n";
      for (const Json& link : dump["links"]) {
        text += "Name: " + link["name"].get<std::string>() +
                "  Type: " + link["type"].get<std::string>() + "\n";
      }
      text += "----------------- end parent  -----------------\n";
    }
    EXPECT_EQ(text, Run("dump", c.file, {c.path}, false).out);
  }
}

// Each document's figures are those of the stand-in's own check of the
// file; each fault names its document and object, as the text says it.
TEST_F(ModelJson, CheckGivesEachDocumentAndFault) {
  const struct {
    const char* what;
    const char* from;  // the sample room changed
    const char* to;
    int status;
    std::vector<std::string> broken;  // "object: message"
  } cases[] = {
      {"sound", "", "", 0, {}},
      {"a link to an id the room lacks",
       "{\"id\": \"door1\"}]",
       "{\"id\": \"door9\"}]",
       1,
       {"Wall.1: link of \"Wall.1\" to id \"door9\", which "}},
      {"a damaged room",
       "\"version\": 2",
       "\"version\": two",
       1,
       {"Room.1: \"Room.1\" refers to ", "Room.2: \"Room.2\" refers to "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AXOTestTempFolder folder;
    models_ = RoomCopy(folder, c.from, c.to);
    const std::vector<std::string> args{"model", "check", models_ + "\\Building.CATProduct"};
    const CommandTestResult text = RunCommandForTest(RegisterModelCommands, args);
    std::vector<std::string> with_json = args;
    with_json.push_back("--json");
    const CommandTestResult run = RunCommandForTest(RegisterModelCommands, with_json);
    model_.LeakedObjects();
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.err, text.err);
    const Json check = Json::parse(run.out);
    EXPECT_EQ(check["ok"].get<bool>(), c.status == 0);
    std::string printed;
    int unreadable = 0;
    for (const Json& document : check["documents"]) {
      const std::string path = document["path"];
      CATDocumentFileSummary summary;
      CATUnicodeString fault;
      const bool readable = CATCheckDocumentFile(CATHostPathOfNative(path).c_str(), summary, fault);
      ASSERT_EQ(document["opened"].get<bool>(), readable) << path;
      if (!readable) {
        ++unreadable;
        EXPECT_EQ(document["fault"], fault.ConvertToChar());
        printed += path + ": cannot be opened: " + fault.ConvertToChar() + "\n";
        continue;
      }
      EXPECT_EQ(document["type"], summary.type.ConvertToChar());
      EXPECT_EQ(document["objects"], summary.objects);
      ASSERT_EQ(document["references"].size(), static_cast<std::size_t>(summary.references.Size()));
      printed += path + ": a " + document["type"].get<std::string>() + " document of " +
                 std::to_string(summary.objects) + " objects";
      if (summary.references.Size() > 0) {
        printed += ", referring to " + std::to_string(summary.references.Size()) + " document";
      }
      printed += "\n";
    }
    EXPECT_EQ(check["unreadable"], unreadable);
    ASSERT_EQ(check["broken"].size(), c.broken.size());
    for (std::size_t i = 0; i < c.broken.size(); ++i) {
      const Json& fault = check["broken"][i];
      const std::string said =
          fault["object"].get<std::string>() + ": " + fault["message"].get<std::string>();
      EXPECT_EQ(said.rfind(c.broken[i], 0), 0u) << said;
      printed += "broken: " + fault["message"].get<std::string>() + "\n";
    }
    EXPECT_EQ(printed, text.out);
  }
}

// A dry run writes nothing and says what it would do, the same in JSON.
TEST_F(ModelJson, PublishAndSavePartSayWhatTheyDo) {
  AXOTestTempFolder folder;
  models_ = RoomCopy(folder, "", "");
  const Json published =
      RunJson("publish", "Building.CATProduct", {"Room.1/Level 1/Wall.1", "Side", "--dry-run"});
  EXPECT_EQ(published["feature"], "Wall.1");
  EXPECT_EQ(published["publication"], "Side");
  EXPECT_EQ(published["file"], folder.Native("Room.CATPart").u8string());
  EXPECT_FALSE(published["saved"].get<bool>());

  const Json dry =
      RunJson("save-part", "Building.CATProduct", {folder.Host("saved"), "--parents", "--dry-run"});
  EXPECT_TRUE(dry["createsFolder"].get<bool>());
  ASSERT_EQ(dry["parts"].size(), 1u);
  EXPECT_EQ(dry["parts"][0]["state"], "would save");
  EXPECT_FALSE(std::filesystem::exists(folder.Native("saved")));

  const Json saved =
      RunJson("save-part", "Building.CATProduct", {folder.Host("saved"), "--parents"});
  EXPECT_FALSE(saved["createsFolder"].get<bool>());
  EXPECT_EQ(saved["parts"][0]["part"], "Room");
  EXPECT_EQ(saved["parts"][0]["state"], "saved");
  EXPECT_EQ(saved["parts"][0]["file"], (folder.Native("saved") / "Room.CATPart").u8string());
  EXPECT_TRUE(std::filesystem::exists(folder.Native("saved/Room.CATPart")));
  EXPECT_EQ(saved["failed"], 0);
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
