// Files shared by two users, as on a machine where the add-on's folders
// are everyone's: root and another user take turns saving one document and
// drawing numbers from one counter. Neither shuts the other out, nothing is
// lost, and what the other user may not do is refused with its reason.
// Runs where the tests run as root (the other user's half runs in a child
// that drops to the user "nobody"); skipped elsewhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestChildProcess.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATIPrdObjectPublisher.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"

namespace {

namespace fs = std::filesystem;

constexpr const char kFolderVariable[] = "AXO_SHARED_FOLDER";

const std::vector<AxocorGroup> kCommands = {{"model", RegisterModelCommands},
                                            {"counter", RegisterCounterCommands}};

CommandTestResult Axocor(const std::vector<std::string>& args) {
  return RunToolForTest(kCommands, args);
}

// The host path of `relative` in the shared folder.
std::string Shared(const std::string& relative) {
  std::string folder;
  AXOPlatform::Get()->GetEnv(kFolderVariable, folder);
  return CATHostPathOfNative((fs::u8path(folder) / fs::u8path(relative)).u8string());
}

// The publications of the document `file`, in its order.
std::vector<std::string> Publications(const std::string& file) {
  CATTestModel model;
  const CATTestDocument document = model.Open(file.c_str());
  std::vector<std::string> names;
  const CATIPrdObjectPublisher_var publisher = document.Product();
  if (!publisher) return names;
  CATListValCATUnicodeString present;
  publisher->ListPublications(present);
  for (int i = 1; i <= present.Size(); ++i) names.emplace_back(present[i].ConvertToChar());
  return names;
}

// The other user's turn.
TEST(SharedFilesChild, DISABLED_TheOtherUserTakesItsTurn) {
  const CommandTestResult published =
      Axocor({"model", "publish", Shared("Room.CATPart"), "Level 1\\Wall.1", "ByTheOtherUser"});
  EXPECT_EQ(published.status, 0) << published.err;
  const CommandTestResult counted = Axocor({"counter", "beams"});
  EXPECT_EQ(counted.status, 0) << counted.err;
  EXPECT_EQ(counted.out, "43\n");

  // What root keeps for itself is refused with the reason.
  const struct {
    std::vector<std::string> args;
    const char* reason;
  } refused[] = {
      {{"model", "publish", Shared("closed/Room.CATPart"), "Level 1\\Wall.1", "X"},
       "permission denied"},
      {{"model", "show", Shared("private/Room.CATPart")}, "permission denied"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.args[1] + " " + c.args[2]);
    const CommandTestResult result = Axocor(c.args);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
  }
  AXOTestChildProcess::Passed();
}

TEST(SharedFiles, TwoUsersTakeTurnsWithADocumentAndACounter) {
  const std::vector<std::string> launcher = AXOTestAsOtherUser();
  if (launcher.empty() ||
      AXOTestChildProcess::RunSelf({"--gtest_list_tests", "--gtest_filter=SharedFilesChild.*"},
                                   launcher) != 0) {
    GTEST_SKIP() << "this test program cannot run as another user here (it needs root and "
                    "setpriv, and a build folder that other users may read)";
  }
  AXOTestTempFolder folder;
  const fs::path root = folder.Native();
  const auto shared = [&](const std::string& relative, fs::perms mode) {
    fs::permissions(root / relative, mode);
  };
  const fs::path sample = fs::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart";
  for (const char* copy : {"Room.CATPart", "closed/Room.CATPart", "private/Room.CATPart"}) {
    fs::create_directories((root / copy).parent_path());
    fs::copy_file(sample, root / copy);
  }
  folder.WriteFile("startup/IDSequenceNumbers/beams", "41");
  // Everyone's: the folders, the document and the counter. Root's own: a
  // folder the other user may read but not write, and an unreadable file.
  const fs::perms everyone = fs::perms::all;
  const fs::perms readable = fs::perms::owner_read | fs::perms::owner_write |
                             fs::perms::group_read | fs::perms::others_read;
  for (const char* path : {"", "startup", "startup/IDSequenceNumbers"}) shared(path, everyone);
  shared("Room.CATPart", readable | fs::perms::group_write | fs::perms::others_write);
  shared("startup/IDSequenceNumbers/beams",
         readable | fs::perms::group_write | fs::perms::others_write);
  shared("closed", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                       fs::perms::others_read | fs::perms::others_exec);
  shared("closed/Room.CATPart", everyone);
  shared("private", everyone);
  shared("private/Room.CATPart", fs::perms::owner_read | fs::perms::owner_write);
  AXOPlatform* platform = AXOPlatform::Get();
  platform->SetEnv(kFolderVariable, root.u8string().c_str());
  platform->SetEnv("CATStartupPath", folder.Host("startup").c_str());
  const std::string closed_before = AXOTestReadFile(root / "closed/Room.CATPart");

  // Root first, the other user, then root again over the other's file.
  EXPECT_EQ(
      Axocor({"model", "publish", Shared("Room.CATPart"), "Level 1\\Wall.1", "ByRoot"}).status, 0);
  EXPECT_EQ(Axocor({"counter", "beams"}).out, "42\n");
  EXPECT_TRUE(
      AXOTestChildProcess::Run("SharedFilesChild.DISABLED_TheOtherUserTakesItsTurn", {}, launcher));
  const std::string owner = AXOTestOwnerOf(root / "Room.CATPart");
  EXPECT_EQ(owner, kAXOTestOtherOwner) << "saved by the other user";
  const CommandTestResult again =
      Axocor({"model", "publish", Shared("Room.CATPart"), "Level 1\\Wall.1", "ByRootAgain"});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(Axocor({"counter", "beams"}).out, "44\n");

  EXPECT_EQ(Publications(Shared("Room.CATPart")),
            (std::vector<std::string>{"Entrance", "ByRoot", "ByTheOtherUser", "ByRootAgain"}))
      << "no user's save lost";
  EXPECT_EQ(AXOTestOwnerOf(root / "Room.CATPart"), owner) << "root's save keeps the owner";
  EXPECT_EQ(AXOTestReadFile(root / "closed/Room.CATPart"), closed_before);
  platform->SetEnv(kFolderVariable, nullptr);
  platform->SetEnv("CATStartupPath", nullptr);
}

// A lock that another process holds, or a link planted where the lock
// file goes: the save stops with the reason and writes nothing, and no
// file is made where the link leads.
TEST(SharedFiles, AHeldOrPlantedLockStopsTheSaveWithItsReason) {
  AXOTestTempFolder folder;
  fs::copy_file(fs::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart", folder.Native("Room.CATPart"));
  const std::string before = AXOTestReadFile(folder.Native("Room.CATPart"));
  const auto publish = [&] {
    return Axocor({"model", "publish", folder.Host("Room.CATPart"), "Level 1\\Wall.1", "X"});
  };

  std::promise<void> held;
  std::promise<void> release;
  std::thread holder([&] {
    AXOPlatform::Get()->UpdateFileExclusively(
        folder.Native("Room.CATPart").u8string(),
        [&](const std::string&, std::string&) {
          held.set_value();
          release.get_future().wait();
          return AXOStatus(AXOStatusCode::kOther, "", "let go");
        },
        AXOLockOptions());
  });
  held.get_future().wait();
  const CommandTestResult locked = publish();
  release.set_value();
  holder.join();
  EXPECT_EQ(locked.status, 1);
  EXPECT_NE(locked.err.find("locked by another process"), std::string::npos) << locked.err;
  EXPECT_EQ(AXOTestReadFile(folder.Native("Room.CATPart")), before);

  fs::remove(folder.Native("Room.CATPart.axo-lock"));
  std::error_code error;
  fs::create_symlink(folder.Native("planted"), folder.Native("Room.CATPart.axo-lock"), error);
  if (error) GTEST_SKIP() << "no symbolic links here";
  const CommandTestResult planted = publish();
  EXPECT_EQ(planted.status, 1);
  EXPECT_NE(planted.err.find("is a symbolic link"), std::string::npos) << planted.err;
  EXPECT_FALSE(fs::exists(fs::symlink_status(folder.Native("planted"))));
  EXPECT_EQ(AXOTestReadFile(folder.Native("Room.CATPart")), before);
}

}  // namespace
