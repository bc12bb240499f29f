#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOTestDebugOutput.h"
#include "CATDocument.h"
#include "CATIAlias.h"
#include "CATIPrdObjectPublisher.h"
#include "CATISpecUpdate.h"
#include "CATModelTestFixture.h"

namespace {

std::vector<std::string> Files(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) names.push_back(entry.path().filename().u8string());
  }
  return names;
}

int UpdateStamp(const CATTestNode& node) {
  return CATISpecUpdate_var(node)->GetUpdateStamp();
}

// The part and root product of a call, and its other arguments.
struct Call {
  CATTestNode part;
  CATTestNode root;
  std::string folder;  // host path
  bool setWorkMode = false;
};

using PartSave = CATModelTest;

// Texts of the two reports; "<saved>" stands for the save path.
const char kUpdateReport[] = "Error in Updating Part: ";
const char kSaveReport[] = "Error in AXOCorGlobalServices::UpdateAndSavePart() ";

// What a call leaves behind.
struct Outcome {
  HRESULT result;
  std::vector<std::string> files;   // in the case's folder
  std::vector<std::string> output;  // calls of the debugger output
  int updates;                      // of the wall
  int workModeCalls;
};

typedef std::function<void(CATTestModel&, CATTestBuilding&, Call&)> Arrange;

TEST_F(PartSave, UpdatesSavesAndReportsHostErrors) {
  const std::vector<std::string> saved{"Room.CATPart"};
  const std::vector<std::string> none;
  const std::vector<std::string> updateReport{std::string(kUpdateReport) + "bad sketch", "\n"};
  const std::vector<std::string> saveReport{std::string(kSaveReport) + "<saved>disk full", "\n"};
  const struct {
    const char* what;
    Arrange arrange;
    Outcome expected;
  } cases[] = {
      {"saved under the instance's part number",
       [](auto&, auto&, Call&) {},
       {S_OK, saved, none, 1, 0}},
      {"over the file of its part number",
       [this](auto&, auto&, Call&) { folder_.WriteFile("case/Room.CATPart", "old"); },
       {S_OK, saved, none, 1, 0}},
      {"another part number",
       [](auto&, CATTestBuilding& b, Call&) { b.room.Product().PartNumber("Beam1"); },
       {S_OK, {"Beam1.CATPart"}, none, 1, 0}},
      {"folder without separator: joined unchanged",
       [](auto&, auto&, Call& call) { call.folder += "Parts"; },
       {S_OK, {"PartsRoom.CATPart"}, none, 1, 0}},
      {"empty folder: updated, not saved",
       [](auto&, auto&, Call& call) { call.folder.clear(); },
       {S_FALSE, none, none, 1, 0}},
      {"update error reported, save goes on",
       [](auto&, CATTestBuilding& b, Call&) { b.door.UpdateRaises("bad sketch"); },
       {S_OK, saved, updateReport, 1, 0}},
      {"update error in UTF-8, empty folder",
       [](auto&, CATTestBuilding& b, Call& call) {
         b.wall.UpdateRaises("Skizze ung\xC3\xBCltig");
         call.folder.clear();
       },
       {S_FALSE, none, {std::string(kUpdateReport) + "Skizze ung\xC3\xBCltig", "\n"}, 0, 0}},
      {"save fails: its result",
       [](auto&, CATTestBuilding& b, Call&) { b.room.SaveFails(); },
       {E_FAIL, none, none, 1, 0}},
      {"save raises: reported with the path",
       [](auto&, CATTestBuilding& b, Call&) { b.room.SaveRaises("disk full"); },
       {E_FAIL, none, saveReport, 1, 0}},
      {"both raise: two reports",
       [](auto&, CATTestBuilding& b, Call&) {
         b.wall.UpdateRaises("bad sketch");
         b.room.SaveRaises("disk full");
       },
       {E_FAIL, none, {updateReport[0], "\n", saveReport[0], "\n"}, 0, 0}},
      {"missing folder: the save's result",
       [](auto&, auto&, Call& call) { call.folder += "missing\\"; },
       {E_FAIL, none, none, 1, 0}},
      {"work mode set after the save",
       [](auto&, auto&, Call& call) { call.setWorkMode = true; },
       {S_OK, saved, none, 1, 1}},
      {"a failed save stays the result when the work mode is set",
       [](auto&, CATTestBuilding& b, Call& call) {
         b.room.SaveFails();
         call.setWorkMode = true;
       },
       {E_FAIL, none, none, 1, 1}},
      {"work mode's failure replaces a good save's",
       [](CATTestModel& m, auto&, Call& call) {
         m.SetWorkModeResult(E_INVALIDARG);
         call.setWorkMode = true;
       },
       {E_INVALIDARG, saved, none, 1, 1}},
      {"save raises: no work mode",
       [](auto&, CATTestBuilding& b, Call& call) {
         b.room.SaveRaises("disk full");
         call.setWorkMode = true;
       },
       {E_FAIL, none, saveReport, 1, 0}},
      {"no instance below the root",
       [](CATTestModel& m, auto&, Call& call) {
         call.root = m.ProductDocument("c:\\Other\\Site.CATProduct").Product();
       },
       {E_FAIL, none, none, 1, 0}},
      {"null root",
       [](auto&, auto&, Call& call) { call.root = CATTestNode(); },
       {E_FAIL, none, none, 1, 0}},
      {"part without product",
       [](auto&, CATTestBuilding& b, Call&) { b.room.Product().Delete(); },
       {E_FAIL, none, none, 1, 0}},
      {"product without document",
       [](auto&, CATTestBuilding& b, Call&) { b.room.Product().Without(IID_CATILinkableObject); },
       {E_FAIL, none, none, 1, 0}},
      {"part that cannot be updated is saved",
       [](auto&, CATTestBuilding& b, Call&) { b.room.Part().Without(IID_CATISpecObject); },
       {S_OK, saved, none, 0, 0}},
      {"null part: nothing",
       [](auto&, auto&, Call& call) { call.part = CATTestNode(); },
       {E_FAIL, none, none, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string folder = "case";
    std::filesystem::remove_all(folder_.Native(folder));
    folder_.MakeFolder(folder);
    CATTestBuilding b = CATTestBuilding::Build(model_, folder_.Host());
    Call call{b.room.Part(), b.building.Product(), folder_.Host(folder) + "\\"};
    c.arrange(model_, b, call);
    const std::string saved = call.folder + "Room.CATPart";
    AXOTestDebugOutput recorder;
    {
      CATUnicodeString folderText(call.folder.c_str());
      CATIPrtPart_var part = call.part;
      CATIProduct_var root = call.root;
      EXPECT_EQ(AXOCorGlobalServices::UpdateAndSavePart(folderText, part, root, call.setWorkMode),
                c.expected.result);
      EXPECT_EQ(folderText, call.folder.c_str());
    }
    std::vector<std::string> output = c.expected.output;
    for (std::string& text : output) {
      const size_t at = text.find("<saved>");
      if (at != std::string::npos) text.replace(at, 7, saved);
    }
    EXPECT_EQ(recorder.calls, output);
    EXPECT_EQ(Files(folder_.Native(folder)), c.expected.files);
    EXPECT_EQ(UpdateStamp(b.wall), c.expected.updates);
    ASSERT_EQ(model_.WorkModeCalls().size(), size_t(c.expected.workModeCalls));
    if (c.expected.workModeCalls == 1) {
      EXPECT_TRUE(model_.WorkModeCalls()[0].instance == CATIProduct_var(b.first));
      EXPECT_EQ(model_.WorkModeCalls()[0].mode, 0);
    }
    EXPECT_EQ(model_.LeakedObjects(), 0);
  }
}

TEST_F(PartSave, OtherExceptionsReachTheCaller) {
  const struct {
    const char* what;
    std::function<void(CATTestBuilding&)> arrange;
  } cases[] = {
      {"from the update", [](CATTestBuilding& b) { b.wall.UpdateThrows("out of sketches"); }},
      {"from the save", [](CATTestBuilding& b) { b.room.SaveThrows("out of disks"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CATTestBuilding b = CATTestBuilding::Build(model_, folder_.Host());
    c.arrange(b);
    AXOTestDebugOutput recorder;
    {
      CATUnicodeString folder(folder_.Host("").c_str());
      folder.Append("\\");
      CATIPrtPart_var part = b.room.Part();
      CATIProduct_var root = b.building.Product();
      EXPECT_THROW(AXOCorGlobalServices::UpdateAndSavePart(folder, part, root, true),
                   std::runtime_error);
    }
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_TRUE(model_.WorkModeCalls().empty());
    EXPECT_EQ(model_.LeakedObjects(), 0);
  }
}

// A part number comes from the document: one that is not a plain file name
// is refused, with the report of a failed save, and nothing is written
// anywhere; a plain file name saves as any other.
TEST_F(PartSave, APartNumberNamesAFileInTheFolderNeverAPath) {
  const struct {
    std::string number;
    const char* fault;  // null: saved as <number>.CATPart in the folder
  } cases[] = {
      {"..\\..\\escaped", "holds a path separator"},
      {"../escaped", "holds a path separator"},
      {"sub\\Beam", "holds a path separator"},
      {"c:Beam", "names a drive (\":\")"},
      {"", "is empty"},
      {".", "is \".\" or \"..\""},
      {"..", "is \".\" or \"..\""},
      {"Beam?", "holds a character that no file name may hold"},
      {"Beam\x01", "holds a character that no file name may hold"},
      {"nul", "is the name of a device"},
      {"COM1", "is the name of a device"},
      // A NUL ends the char form of the text, not the path made of it.
      {std::string("x\0/../../../../escaped_nul", 26), "holds a path separator"},
      {std::string("Room.CATPart\0", 13), "holds a character that no file name may hold"},
      {std::string("Beam\0", 5), "holds a character that no file name may hold"},
      // Devices whatever follows: an extension, blanks; the console's own.
      {"CON.x", "is the name of a device"},
      {"lpt1.backup", "is the name of a device"},
      {"COM1.CATPart", "is the name of a device"},
      {"AUX .txt", "is the name of a device"},
      {"CONIN$", "is the name of a device"},
      {"conout$.log", "is the name of a device"},
      {"COM0", "is the name of a device"},
      {"LPT0.x", "is the name of a device"},
      {"COM\xC2\xB9", "is the name of a device"},
      {"LPT\xC2\xB9", "is the name of a device"},
      {"com\xC2\xB2 .txt", "is the name of a device"},
      {"lpt\xC2\xB3.a", "is the name of a device"},
      {"LPT0", "is the name of a device"},
      {"COM\xC2\xB9\xC2\xB2", nullptr},
      {"COM\xC2\xB0", nullptr},
      {"COM10", nullptr},
      {"LPT\xC2\xB4", nullptr},
      {"CONIN", nullptr},
      {"NULL.txt", nullptr},
      {"Beam 1 (rev. 2)", nullptr},
      {"..Beam..", nullptr},
      {"Tr\xC3\xA4ger", nullptr},
      {"CON1", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    std::filesystem::remove_all(folder_.Native("deep"));
    const std::string folder = folder_.MakeFolder("deep/a/b").u8string() + "/";
    CATTestBuilding b = CATTestBuilding::Build(model_, folder_.Host());
    b.room.Product().PartNumber(CATUnicodeString(c.number.data(), c.number.size()));
    AXOTestDebugOutput recorder;
    HRESULT result;
    {
      CATUnicodeString folderText(folder.c_str());
      CATIPrtPart_var part = b.room.Part();
      CATIProduct_var root = b.building.Product();
      result = AXOCorGlobalServices::UpdateAndSavePart(folderText, part, root, false);
    }
    std::string saved = c.number + ".CATPart";
    if (c.fault == nullptr) {
      EXPECT_EQ(result, S_OK);
      EXPECT_EQ(Files(folder_.Native("deep")), std::vector<std::string>{saved});
      EXPECT_TRUE(recorder.calls.empty());
    } else {
      EXPECT_EQ(result, E_FAIL);
      EXPECT_EQ(Files(folder_.Native("deep")), std::vector<std::string>());
      EXPECT_FALSE(std::filesystem::exists(folder_.Native("escaped_nul.CATPart")));
      for (std::size_t nul; (nul = saved.find('\0')) != std::string::npos;) {
        saved.replace(nul, 1, "\\0");
      }
      EXPECT_EQ(
          recorder.calls,
          (std::vector<std::string>{
              std::string(kSaveReport) + folder + saved + ": the part number " + c.fault, "\n"}));
      EXPECT_EQ(UpdateStamp(b.wall), 1) << "the part is still brought up to date";
    }
    EXPECT_EQ(model_.LeakedObjects(), 0);
  }
}

// The saved file is a document that opens again, with the part brought up
// to date and what was published on it.
TEST_F(PartSave, TheSavedPartOpensAgain) {
  {
    CATTestBuilding b = CATTestBuilding::Build(model_, folder_.Host());
    ASSERT_EQ(AXOCorGlobalServices::Publish(b.wall, "Front"), S_OK);
    b.room.Product().PartNumber("R-7");
    CATUnicodeString folder(folder_.MakeFolder("saved").u8string().c_str());
    folder.Append("/");
    CATIPrtPart_var part = b.room.Part();
    CATIProduct_var root = b.building.Product();
    ASSERT_EQ(AXOCorGlobalServices::UpdateAndSavePart(folder, part, root, false), S_OK);
  }
  EXPECT_EQ(model_.LeakedObjects(), 0);

  const CATTestDocument room = model_.Open(folder_.Host("saved\\R-7.CATPart").c_str());
  ASSERT_NE(room.Document(), nullptr);
  const CATIPrdObjectPublisher_var publisher = room.Product();
  ASSERT_TRUE(!!publisher);
  CATBaseUnknown_var wall;
  EXPECT_EQ(publisher->GetPublication("Front", wall), S_OK);
  EXPECT_EQ(CATIAlias_var(wall)->GetAlias(), "Wall.1");
  EXPECT_EQ(CATISpecUpdate_var(wall)->GetUpdateStamp(), 1);
  EXPECT_EQ(publisher->GetPublication("Entrance", wall), S_OK);
}

}  // namespace
