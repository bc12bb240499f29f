#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATHostPath.h"
#include "CATIAlias.h"
#include "CATTestModel.h"
#include "OpenedModel.h"
#include "axocor/CommandTestRun.h"

namespace {

// The sample's folder as a host path.
std::string HostSample() {
  return CATHostPathOfNative(AXOCOR_SAMPLE_MODELS);
}

// A sample file's path as the tool prints it.
std::string ShownSample(const std::string& name) {
  return ShownPath((HostSample() + "\\" + name).c_str());
}

class ModelCommands : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(model_.LeakedObjects(), 0); }

  CATTestModel model_;  // the session starts and ends empty
  AXOTestTempFolder folder_;
};

TEST_F(ModelCommands, ShowPrintsTheSampleBuildingAndClosesIt) {
  const std::string sample = HostSample();
  const CommandTestResult shown =
      RunCommandForTest(RegisterModelCommands, {"model", "show", sample + "\\Building.CATProduct"});
  EXPECT_EQ(shown.status, 0) << shown.err;
  const std::string building = ShownSample("Building.CATProduct");
  const std::string room = ShownSample("Room.CATPart");
  EXPECT_EQ(
      shown.out,
      "document " + building +
          " (CATProduct)\n"
          "  product \"Building\"  part number Building\n"
          "    instance \"Room.1\"  of \"Room\" in " +
          room +
          "\n"
          "    instance \"Room.2\"  of \"Room\" in " +
          room +
          "  at 10000 4000 0  rotation -1 0 0 / 0 -1 0 / 0 0 1\n"
          "document " +
          room +
          " (CATPart)\n"
          "  part \"Room\"  type Part  time stamp 2023-11-14 22:13:20  update stamp 0  box x 0 "
          ".. 5000  y 0 .. 4000  z 0 .. 2700\n"
          "    body \"Level 1\"  type Level  time stamp 2023-11-14 22:15:00  update stamp 0  "
          "box x 0 .. 5000  y 0 .. 4000  z 0 .. 2700\n"
          "      feature \"Wall.1\"  type Wall  time stamp 2023-11-14 22:16:40  update stamp 0\n"
          "        parameter \"Height\" = 2700mm\n"
          "      feature \"Wall.2\"  type Wall  time stamp 2023-11-14 22:18:20  update stamp 0\n"
          "      feature \"Door.1\"  type Door  time stamp 2023-11-14 22:20:00  update stamp 0\n"
          "    feature \"Roof\"  type Roof  time stamp 2023-11-14 22:21:40  update stamp 0\n"
          "  product \"Room\"  part number Room\n"
          "    publication \"Entrance\" -> \"Door.1\"\n");
  CATDocument* open = nullptr;
  EXPECT_EQ(CATDocumentServices::OpenDocument((sample + "\\Room.CATPart").c_str(), open, 0), S_OK);
  EXPECT_EQ(CATDocumentServices::Remove(open), S_OK) << "opened anew: show closed it";
}

TEST_F(ModelCommands, ShowNamesTheObjectsOfACatalogByTheirKind) {
  const CommandTestResult shown = RunCommandForTest(
      RegisterModelCommands, {"model", "show", HostSample() + "\\Sections.catalog"});
  EXPECT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.out, "document " + ShownSample("Sections.catalog") +
                           " (catalog)\n"
                           "  chapter \"Sections\"\n"
                           "    sub-chapter \"I sections\" -> chapter \"IPE\"\n"
                           "    sub-chapter \"Hollow sections\" -> chapter \"Hollow sections\"\n"
                           "  chapter \"IPE\"\n"
                           "    entry \"IPE 100\"\n"
                           "    entry \"IPE 200\"\n"
                           "    entry \"IPE 300\"\n"
                           "  chapter \"Hollow sections\"\n"
                           "    sub-chapter \"Square\" -> chapter \"Square\"\n"
                           "  chapter \"Square\"\n"
                           "    entry \"SHS 100x100x5\"\n"
                           "    entry \"SHS 120x120x6\"\n");
}

TEST_F(ModelCommands, ShowNamesWhatIsMissingAndUnreachable) {
  const CATTestDocument room = model_.PartDocument(folder_.Host("Room.CATPart").c_str());
  const CATTestDocument building =
      model_.ProductDocument(folder_.Host("Building.CATProduct").c_str());
  model_.Instance(building.Product(), room.Product(), "Room.1");
  model_.Feature(room.Part(), "Anon").Without(IID_CATIAlias);
  ASSERT_EQ(
      CATDocumentServices::SaveAs(building, folder_.Host("Building.CATProduct").c_str(), "", 1),
      S_OK);
  model_.LeakedObjects();  // the room was never saved
  const CommandTestResult shown = RunCommandForTest(
      RegisterModelCommands, {"model", "show", folder_.Host("Building.CATProduct")});
  EXPECT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find("instance \"Room.1\"  broken: of a product that cannot be reached\n"),
            std::string::npos)
      << shown.out;
  const CommandTestResult missing =
      RunCommandForTest(RegisterModelCommands, {"model", "show", folder_.Host("Room.CATPart")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("axocor: error: cannot open"), std::string::npos) << missing.err;
}

TEST_F(ModelCommands, CheckFollowsReferencesAndNamesEachFault) {
  const std::string sample = HostSample();
  const CommandTestResult good = RunCommandForTest(
      RegisterModelCommands, {"model", "check", sample + "\\Building.CATProduct"});
  EXPECT_EQ(good.status, 0) << good.err;
  EXPECT_EQ(good.out, ShownSample("Building.CATProduct") +
                          ": a CATProduct document of 4 objects, referring to 1 document\n" +
                          ShownSample("Room.CATPart") + ": a CATPart document of 9 objects\n");

  std::ifstream in(std::filesystem::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart", std::ios::binary);
  const std::string room((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::ifstream product(std::filesystem::path(AXOCOR_SAMPLE_MODELS) / "Building.CATProduct",
                        std::ios::binary);
  folder_.WriteFile("Building.CATProduct", std::string((std::istreambuf_iterator<char>(product)),
                                                       std::istreambuf_iterator<char>()));
  folder_.WriteFile("Room.CATPart", room.substr(0, room.size() / 2));
  const CommandTestResult damaged = RunCommandForTest(
      RegisterModelCommands, {"model", "check", folder_.Host("Building.CATProduct")});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.out.find(ShownPath(folder_.Host("Room.CATPart").c_str()) +
                             ": cannot be opened: line "),
            std::string::npos)
      << damaged.out;
  EXPECT_NE(damaged.err.find("axocor: error: 1 of 2 documents cannot be opened"), std::string::npos)
      << damaged.err;

  // Two documents that refer to each other: the second's reference is the
  // first, already listed, and each is checked once.
  const CATTestDocument first = model_.PartDocument(folder_.Host("A.CATPart").c_str());
  const CATTestDocument second = model_.PartDocument(folder_.Host("B.CATPart").c_str());
  model_.Feature(first.Part(), "InA").Link(second.Part());
  model_.Feature(second.Part(), "InB").Link(first.Part());
  ASSERT_EQ(CATDocumentServices::SaveAs(first, folder_.Host("A.CATPart").c_str(), "", 1), S_OK);
  ASSERT_EQ(CATDocumentServices::SaveAs(second, folder_.Host("B.CATPart").c_str(), "", 1), S_OK);
  model_.LeakedObjects();  // closes both
  const CommandTestResult cycle =
      RunCommandForTest(RegisterModelCommands, {"model", "check", folder_.Host("A.CATPart")});
  EXPECT_EQ(cycle.status, 0) << cycle.err;
  EXPECT_EQ(cycle.out, ShownPath(folder_.Host("A.CATPart").c_str()) +
                           ": a CATPart document of 4 objects, referring to 1 document\n" +
                           ShownPath(folder_.Host("B.CATPart").c_str()) +
                           ": a CATPart document of 4 objects, referring to 1 document\n");
}

TEST_F(ModelCommands, TheSampleSavedOnceSavesTheSameBytesAgain) {
  const std::string sample = HostSample();
  const CATTestDocument building = model_.Open((sample + "\\Building.CATProduct").c_str());
  const CATTestDocument room = model_.Open((sample + "\\Room.CATPart").c_str());
  ASSERT_NE(room.Document(), nullptr);
  ASSERT_EQ(CATDocumentServices::SaveAs(room, folder_.Host("Room.CATPart").c_str(), "", 1), S_OK);
  ASSERT_EQ(
      CATDocumentServices::SaveAs(building, folder_.Host("Building.CATProduct").c_str(), "", 1),
      S_OK);
  const auto read = [](const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  };
  const std::string first_room = read(folder_.Native("Room.CATPart"));
  const std::string first_building = read(folder_.Native("Building.CATProduct"));
  model_.LeakedObjects();
  folder_.MakeFolder("again");
  const CATTestDocument building_again = model_.Open(folder_.Host("Building.CATProduct").c_str());
  const CATTestDocument room_again = model_.Open(folder_.Host("Room.CATPart").c_str());
  ASSERT_EQ(
      CATDocumentServices::SaveAs(room_again, folder_.Host("again\\Room.CATPart").c_str(), "", 1),
      S_OK);
  ASSERT_EQ(CATDocumentServices::SaveAs(building_again,
                                        folder_.Host("again\\Building.CATProduct").c_str(), "", 1),
            S_OK);
  EXPECT_EQ(read(folder_.Native("again/Room.CATPart")), first_room);
  EXPECT_EQ(read(folder_.Native("again/Building.CATProduct")), first_building);
}

TEST_F(ModelCommands, BoxPrintsTheBoxOfTheRootOrOfAnObjectBelowIt) {
  const std::string building = HostSample() + "\\Building.CATProduct";
  const std::string room = HostSample() + "\\Room.CATPart";
  folder_.WriteFile("Damaged.CATPart", "{");
  const struct {
    const char* what;
    std::vector<std::string> args;
    int status;
    const char* out;  // the whole line printed, or a part of the error
  } cases[] = {
      {"the building", {building}, 0, "\"Building\": x 0 .. 10000  y 0 .. 4000  z 0 .. 2700\n"},
      {"the part of an instance",
       {building, "Room.2"},
       0,
       "\"Room.2\": x 5000 .. 10000  y 0 .. 4000  z 0 .. 2700\n"},
      {"a feature of an instance's part, placed",
       {building, "Room.2\\Level 1\\Wall.2"},
       0,
       "\"Wall.2\": x 5000 .. 10000  y 0 .. 200  z 0 .. 2700\n"},
      {"a part", {room}, 0, "\"Room\": x 0 .. 5000  y 0 .. 4000  z 0 .. 2700\n"},
      {"a feature",
       {room, "Level 1\\Wall.1"},
       0,
       "\"Wall.1\": x 0 .. 5000  y 0 .. 200  z 0 .. 2700\n"},
      {"a feature without geometry", {room, "Roof"}, 0, "\"Roof\": empty\n"},
      {"no such feature", {room, "Level 1\\Wall.9"}, 1, "no feature \"Wall.9\" below \"Level 1\""},
      {"no such instance",
       {building, "Room.9\\Level 1"},
       1,
       "no feature \"Room.9\" below \"Building\" in Building.CATProduct"},
      {"a parameter", {room, "Level 1\\Wall.1\\Height"}, 1, "\"Height\" has no box"},
      {"a damaged file", {folder_.Host("Damaged.CATPart")}, 1, "cannot open"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args{"model", "box"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CommandTestResult run = RunCommandForTest(RegisterModelCommands, args);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status == 0) {
      EXPECT_EQ(run.out, c.out);
    } else {
      EXPECT_NE(run.err.find(c.out), std::string::npos) << run.err;
    }
    model_.LeakedObjects();  // closes what the command opened
  }
}

TEST_F(ModelCommands, QueriesReachFeaturesByTheirPathFromThePart) {
  const std::string building = HostSample() + "\\Building.CATProduct";
  const std::string room = HostSample() + "\\Room.CATPart";
  const std::string content = "------------------ content  ---------------------\n";
  const std::string endContent = "----------------- end content  -----------------\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out;  // exactly
    std::string err;  // a part of it
  } cases[] = {
      {{"dump", room},
       0,
       content + "name: Room type: Part Supertype: MechanicalFeature\n" +
           "--name: Level 1 type: Level Supertype: \n" +
           "----name: Wall.1 type: Wall Supertype: MechanicalFeature\n" + "    Attributes :\n" +
           "    Name: Height Type: tk_double Quality: sp_IN\n" +
           "    Name: Layers Type: tk_list(tk_string) Quality: sp_NEUTRAL\n" +
           "------name: Height type:  Supertype: \n" +
           "----name: Wall.2 type: Wall Supertype: MechanicalFeature\n" +
           "----name: Door.1 type: Door Supertype: \n" + "--name: Roof type: Roof Supertype: \n" +
           endContent,
       ""},
      {{"dump", room, "Level 1\\Wall.1"},
       0,
       content + "name: Wall.1 type: Wall Supertype: MechanicalFeature\n" + "Attributes :\n" +
           "Name: Height Type: tk_double Quality: sp_IN\n" +
           "Name: Layers Type: tk_list(tk_string) Quality: sp_NEUTRAL\n" +
           "--name: Height type:  Supertype: \n" + endContent +
           "------------------ parent  ---------------------\n" + "Name: Door.1  Type: Door\n" +
           "----------------- end parent  -----------------\n",
       ""},
      {{"dump", building, "Room.1\\Level 1\\Window.1"},
       1,
       "",
       "no feature \"Window.1\" below \"Level 1\" in Room.CATPart"},
      {{"dump", building, "Room.1\\Roof", "-o", folder_.Host("missing\\dump.txt")},
       1,
       "",
       "cannot write '" + (folder_.Native("missing") / "dump.txt").u8string() +
           "': no such folder"},
      {{"dump", building, "Room.1\\Roof", "-o", folder_.Host()}, 1, "", "is a folder"},
      {{"children", building}, 0, "\"Room.1\"  type Product\n\"Room.2\"  type Product\n", ""},
      {{"children", room}, 0, "\"Level 1\"  type Level\n\"Roof\"  type Roof\n", ""},
      {{"children", building, "Room.2/Level 1"},
       0,
       "\"Wall.1\"  type Wall\n\"Wall.2\"  type Wall\n\"Door.1\"  type Door\n",
       ""},
      {{"children", room, "Roof"}, 0, "", ""},
      {{"unique-name", building, "Room.1\\Level 1", "Wall.1"}, 0, "Wall.3\n", ""},
      {{"unique-name", room, "Level 1", "Window"}, 0, "Window\n", ""},
      {{"unique-name", room, "", "Roof"}, 0, "Roof.1\n", ""},
      {{"unique-name", room, "Level 2", "Wall"}, 1, "", "no feature \"Level 2\" below \"Room\""},
      {{"unique-name", building, "", "Room.1"},
       1,
       "",
       "\"Building\" is a product: its children are instances, which the library does not name; a "
       "unique name is chosen among the features below a part, so name an instance of a part such "
       "as \"Room.1\" or a feature below it"},
      {{"unique-name", building, "Room.1", "Roof"}, 0, "Roof.1\n", ""},
      {{"unique-name", room, "Level 1/Wall.1/Height", "H"},
       1,
       "",
       "\"Height\" has no children: a unique name is chosen among the features below a part"},
      {{"unique-name", building, "Room.1/Level 1", ""}, 2, "", "the wanted name is empty"},
      {{"children", folder_.Host("Missing.CATPart")}, 1, "", "cannot open"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"model"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(args[1] + " " + args.back());
    const CommandTestResult run = RunCommandForTest(RegisterModelCommands, args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(model_.LeakedObjects(), 0) << "every document closed";
  }
}

TEST_F(ModelCommands, DumpToAFileWritesWhatStandardOutputWouldShow) {
  const std::string room = HostSample() + "\\Room.CATPart";
  const CommandTestResult shown =
      RunCommandForTest(RegisterModelCommands, {"model", "dump", room, "Level 1"});
  folder_.WriteFile("dump.txt", "an older and longer text than the dump of the level, by far");
  const CommandTestResult written = RunCommandForTest(
      RegisterModelCommands, {"model", "dump", room, "Level 1", "-o", folder_.Host("dump.txt")});
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, "");
  std::ifstream file(folder_.Native("dump.txt"), std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()),
            AsSystemTextFile(shown.out));
  EXPECT_NE(shown.out.find("--name: Door.1 type: Door"), std::string::npos) << shown.out;
}

}  // namespace
