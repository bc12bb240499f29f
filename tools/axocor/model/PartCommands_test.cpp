#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATIAlias.h"
#include "CATIPrdObjectPublisher.h"
#include "CATTestModel.h"
#include "OpenedModel.h"
#include "axocor/CommandTestRun.h"
#include "axocor/model/ModelCommandTestRun.h"

namespace {

namespace fs = std::filesystem;

// A copy of the sample building in a folder of the test's own.
class PartCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* file : {"Building.CATProduct", "Room.CATPart"}) {
      fs::copy_file(fs::path(AXOCOR_SAMPLE_MODELS) / file, folder_.Native(file));
    }
  }
  void TearDown() override { EXPECT_EQ(model_.LeakedObjects(), 0); }

  // Runs "axocor model <args>" and closes what it opened.
  CommandTestResult Run(const std::vector<std::string>& args) {
    return RunModelForTest(model_, args);
  }

  std::string ReadBytes(const std::string& file) const {
    std::ifstream in(folder_.Native(file), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  // The publications of the part document `file`, "name->feature" each.
  std::string Publications(const std::string& file) {
    const CATTestDocument room = model_.Open(folder_.Host(file).c_str());
    std::string text;
    if (room.Document() == nullptr) return "(cannot be opened)";
    const CATIPrdObjectPublisher_var publisher = room.Product();
    CATListValCATUnicodeString names;
    publisher->ListPublications(names);
    for (int i = 1; i <= names.Size(); ++i) {
      CATBaseUnknown_var object;
      publisher->GetPublication(names[i], object);
      text += std::string(i > 1 ? " " : "") + names[i].ConvertToChar() + "->" +
              CATIAlias_var(object)->GetAlias().ConvertToChar();
    }
    model_.LeakedObjects();
    return text;
  }

  CATTestModel model_;
  AXOTestTempFolder folder_;
};

TEST_F(PartCommands, PublishSavesThePublicationInThePartDocument) {
  const std::string building = folder_.Host("Building.CATProduct");
  const std::string room = folder_.Host("Room.CATPart");
  const struct {
    std::vector<std::string> args;
    int status;
    const char* out;
    const char* err;
    const char* publications;  // of the room afterwards
  } cases[] = {
      {{building, "Room.1\\Level 1\\Wall.1", "Front"},
       0,
       "published as \"Front\"; saved ",
       "",
       "Entrance->Door.1 Front->Wall.1"},
      {{room, "\\Level 1\\Wall.2"},
       0,
       "published as \"Wall.2\"; saved ",
       "",
       "Entrance->Door.1 Front->Wall.1 Wall.2->Wall.2"},
      {{room, "Level 1\\Wall.1\\Height", "H"},
       0,
       "published as \"H\"; saved ",
       "",
       "Entrance->Door.1 Front->Wall.1 Wall.2->Wall.2 H->Height"},
      {{building, "Room.2\\Level 1\\Door.1", "Front"},
       1,
       "",
       "not published as \"Front\": the name is taken",
       "Entrance->Door.1 Front->Wall.1 Wall.2->Wall.2 H->Height"},
      {{room, "Level 1\\Wall.9"}, 1, "", "no feature \"Wall.9\" below \"Level 1\"", nullptr},
      {{building, "Room.3\\Level 1"},
       1,
       "",
       "no feature \"Room.3\" below \"Building\" in Building.CATProduct",
       nullptr},
      {{building, ""}, 1, "", "\"Building\" is no feature of a part", nullptr},
      {{folder_.Host("None.CATPart"), "Roof"}, 1, "", "cannot open", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    std::vector<std::string> args{"publish"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CommandTestResult result = Run(args);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out.rfind(c.out, 0), 0u) << result.out;
    if (c.status == 0) {
      EXPECT_NE(result.out.find(ShownPath(room.c_str())), std::string::npos) << result.out;
    }
    EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    if (c.publications != nullptr) {
      EXPECT_EQ(Publications("Room.CATPart"), c.publications);
    }
  }
}

TEST_F(PartCommands, SavePartSavesEachPartOnceUnderItsPartNumber) {
  const std::string building = folder_.Host("Building.CATProduct");
  folder_.MakeFolder("out");
  const struct {
    const char* what;
    std::string folder;
    int status;
    std::string out;
    std::string err;
  } cases[] = {
      {"folder with separator", folder_.Host("out") + "\\", 0,
       "Room: saved as " + ShownPath(folder_.Host("out\\Room.CATPart").c_str()) + "\n", ""},
      {"separator added", folder_.Host("out"), 0,
       "Room: saved as " + ShownPath(folder_.Host("out\\Room.CATPart").c_str()) + "\n", ""},
      {"empty folder: updated only", "", 0, "Room: updated, not saved\n", ""},
      {"missing folder", folder_.Host("missing"), 1, "",
       "no such folder '" + folder_.Host("missing") + "' (--parents creates it)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(folder_.Native("out/Room.CATPart"));
    const CommandTestResult result = Run({"save-part", building, c.folder});
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out, c.out);
    EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    const bool saved = c.folder.rfind(folder_.Host("out"), 0) == 0;
    EXPECT_EQ(fs::exists(folder_.Native("out/Room.CATPart")), saved);
    if (saved) {
      EXPECT_EQ(Publications("out\\Room.CATPart"), "Entrance->Door.1");
    }
  }

  const CommandTestResult part = Run({"save-part", folder_.Host("Room.CATPart"), folder_.Host()});
  EXPECT_EQ(part.status, 1);
  EXPECT_NE(part.err.find("no part is instantiated below the root product"), std::string::npos)
      << part.err;
}

TEST_F(PartCommands, PublishWritesElsewhereOrNothingWhenAsked) {
  const std::string building = folder_.Host("Building.CATProduct");
  const std::string room = ReadBytes("Room.CATPart");
  const std::string copy = ShownPath(folder_.Host("Copy.CATPart").c_str());
  const struct {
    std::vector<std::string> options;
    int status;
    std::string out;
    std::string err;
    const char* copied;  // publications of Copy.CATPart afterwards
  } cases[] = {
      {{"--dry-run"},
       0,
       "would publish \"Wall.1\" as \"Side\" and save " +
           ShownPath(folder_.Host("Room.CATPart").c_str()) + " (nothing written)\n",
       "",
       "(cannot be opened)"},
      {{"-o", folder_.Host("none\\Copy.CATPart")},
       1,
       "",
       "could not be saved: no such folder",
       "(cannot be opened)"},
      // A part saved under another kind's name is refused before it is
      // published; so is one without the extension.
      {{"-o", folder_.Host("Copy.CATProduct")},
       1,
       "",
       "would hold a CATPart document: give it the extension .CATPart",
       "(cannot be opened)"},
      {{"-o", folder_.Host("Copy")}, 1, "", "give it the extension .CATPart", "(cannot be opened)"},
      {{"-o", folder_.Host("Copy.CATPart")},
       0,
       "published as \"Side\"; saved " + copy + "\n",
       "",
       "Entrance->Door.1 Side->Wall.1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options.back());
    std::vector<std::string> args{"publish", building, "Room.1/Level 1/Wall.1", "Side"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CommandTestResult result = Run(args);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out, c.out);
    EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    EXPECT_EQ(ReadBytes("Room.CATPart"), room) << "the part itself stays as it was";
    EXPECT_EQ(Publications("Copy.CATPart"), c.copied);
  }
}

TEST_F(PartCommands, SavePartSaysWhatItWouldSaveAndMakesTheFolderWhenAsked) {
  const std::string building = folder_.Host("Building.CATProduct");
  const std::string saved = ShownPath(folder_.Host("new\\Room.CATPart").c_str());
  const struct {
    std::vector<std::string> options;
    int status;
    std::string out;
    std::string err;
  } dry_runs[] = {
      // As the run itself would: refused without --parents.
      {{"--dry-run"}, 1, "", "no such folder '" + folder_.Host("new") + "' (--parents creates it)"},
      {{"--dry-run", "--parents"},
       0,
       "would create the folder " + folder_.Native("new").u8string() +
           "\nRoom: would be saved as " + saved + "\n",
       ""},
  };
  for (const auto& c : dry_runs) {
    SCOPED_TRACE(c.options.back());
    std::vector<std::string> args{"save-part", building, folder_.Host("new")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CommandTestResult dry = Run(args);
    EXPECT_EQ(dry.status, c.status) << dry.err;
    EXPECT_EQ(dry.out, c.out);
    EXPECT_NE(dry.err.find(c.err), std::string::npos) << dry.err;
    EXPECT_FALSE(fs::exists(folder_.Native("new")));
  }

  const CommandTestResult made =
      Run({"save-part", building, folder_.Host("new\\deep"), "--parents"});
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(made.out,
            "Room: saved as " + ShownPath(folder_.Host("new\\deep\\Room.CATPart").c_str()) + "\n");
  EXPECT_TRUE(fs::exists(folder_.Native("new/deep/Room.CATPart")));

  // The current folder, however written.
  const fs::path current = fs::current_path();
  for (const char* here : {".", "./", ".\\"}) {
    SCOPED_TRACE(here);
    fs::remove_all(folder_.Native("here"));
    fs::current_path(folder_.MakeFolder("here"));
    const CommandTestResult result = Run({"save-part", building, here});
    fs::current_path(current);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::exists(folder_.Native("here/Room.CATPart")));
  }
}

}  // namespace
