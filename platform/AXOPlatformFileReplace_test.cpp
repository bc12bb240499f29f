// Atomic file replacement, the folders the platform names, renames and
// new folders, against whichever backend is compiled in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <thread>

#include "AXOPlatform.h"
#include "AXOTestChildProcess.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

AXOStatus Replace(const fs::path& path, const std::string& contents,
                  AXOReplace mode = AXOReplace::kAlways) {
  return AXOPlatform::Get()->ReplaceFile(path.u8string(), contents, mode);
}

class PlatformFileReplace : public ::testing::Test {
 protected:
  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // Names in `folder`, to see that no temporary file stays behind.
  static std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.insert(entry.path().filename().u8string());
    }
    return names;
  }
  std::set<std::string> Names() const { return Names(folder_.Native()); }

  AXOTestTempFolder folder_;
};

TEST_F(PlatformFileReplace, CreatesThenReplacesTheWholeFile) {
  const fs::path target = folder_.Native("settings.txt");
  const std::string binary("line\r\n\0\xFF end", 12);
  for (const std::string& contents :
       {std::string("a much longer first text"), binary, std::string()}) {
    SCOPED_TRACE(contents.size());
    ASSERT_TRUE(Replace(target, contents).ok());
    EXPECT_TRUE(AXOTestReadFile(target) == contents);
  }
  EXPECT_EQ(Names(), std::set<std::string>{"settings.txt"});
}

TEST_F(PlatformFileReplace, OnlyWhenAbsentNeverReplacesNorWritesThroughWhatIsThere) {
  Write(folder_.Native("file"), "old");
  folder_.MakeFolder("folder");
  std::error_code error;
  fs::create_symlink(folder_.Native("missing"), folder_.Native("dangling"), error);
  const bool linked = !error;  // not every system lets a test make links
  const struct {
    const char* name;
    AXOStatusCode code;
    bool made;  // for this system
  } cases[] = {
      {"absent", AXOStatusCode::kOk, true},
      {"file", AXOStatusCode::kExists, true},
      {"folder", AXOStatusCode::kNotRegularFile, true},
      {"dangling", AXOStatusCode::kExists, linked},
  };
  for (const auto& c : cases) {
    if (!c.made) continue;
    SCOPED_TRACE(c.name);
    const std::set<std::string> before = Names();
    const AXOStatus status = Replace(folder_.Native(c.name), "new", AXOReplace::kOnlyWhenAbsent);
    EXPECT_EQ(status.code(), c.code) << status.ToString();
    if (status.ok()) {
      EXPECT_EQ(AXOTestReadFile(folder_.Native(c.name)), "new");
      continue;
    }
    EXPECT_EQ(Names(), before) << "nothing made, no temporary file left";
  }
  EXPECT_EQ(AXOTestReadFile(folder_.Native("file")), "old");
  if (linked) {
    EXPECT_TRUE(fs::is_symlink(folder_.Native("dangling")));
  }
  const AXOStatus device =
      AXOPlatform::Get()->ReplaceFile(AXOTestNullDevice(), "x", AXOReplace::kOnlyWhenAbsent);
  EXPECT_EQ(device.code(), AXOStatusCode::kExists) << device.ToString();
}

TEST_F(PlatformFileReplace, TheNewFileKeepsThePermissionsOfTheOldOne) {
  // Windows keeps only the write bit, which every one of these has.
  const fs::path file = folder_.Native("file");
  for (int mode : {0600, 0640, 0604, 0660, 0755}) {
    SCOPED_TRACE(mode);
    Write(file, "old");
    AXOPlatform* platform = AXOPlatform::Get();
    ASSERT_TRUE(platform->ChangeFileMode(file.u8string(), mode).ok());
    AXOFileStatus before;
    AXOFileStatus after;
    ASSERT_TRUE(platform->GetFileStatus(file.u8string(), before).ok());
    ASSERT_TRUE(Replace(file, "new").ok());
    ASSERT_TRUE(platform->GetFileStatus(file.u8string(), after).ok());
    EXPECT_EQ(after.permissions, before.permissions);
    EXPECT_EQ(AXOTestReadFile(file), "new");
  }
}

TEST_F(PlatformFileReplace, TheNewFileKeepsTheOwnerAndGroupOfTheOldOne) {
  const fs::path file = folder_.Native("file");
  Write(file, "old");
  // 65534: "nobody" and "nogroup", an owner that is not this user.
  if (AXOTestOwnerOf(file) == "65534:65534" || !AXOTestChangeOwner(file, "65534:65534")) {
    GTEST_SKIP() << "only root may give a file away (and only on POSIX)";
  }
  ASSERT_EQ(AXOTestOwnerOf(file), "65534:65534");
  ASSERT_TRUE(Replace(file, "new").ok());
  EXPECT_EQ(AXOTestOwnerOf(file), "65534:65534");
  EXPECT_EQ(AXOTestReadFile(file), "new");
}

TEST_F(PlatformFileReplace, AFullDiskLeavesTheOldFileWholeAndNoTemporaryFile) {
  const fs::path disk = folder_.MakeFolder("disk");
  AXOTestSmallFileSystem small(disk, "64k");
  if (!small.mounted()) GTEST_SKIP() << "no small file system of its own here (Linux, as root)";
  const fs::path file = disk / "file";
  const std::string old = "old content";
  Write(file, old);
  const std::string large(1 << 20, 'x');
  const struct {
    const char* what;
    std::function<AXOStatus()> write;
  } cases[] = {
      {"replaced", [&] { return Replace(file, large); }},
      {"updated",
       [&] {
         return AXOPlatform::Get()->UpdateFileExclusively(
             file.u8string(),
             [&](const std::string&, std::string& next) {
               next = large;
               return AXOStatus();
             },
             AXOLockOptions());
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const AXOStatus status = c.write();
    EXPECT_EQ(status.code(), AXOStatusCode::kNoSpace) << status.ToString();
    EXPECT_EQ(status.reason(), "no space left on the device");
    EXPECT_EQ(AXOTestReadFile(file), old);
    for (const std::string& name : Names(disk)) {
      EXPECT_NE(name.compare(0, 5, ".axo-"), 0) << name << " left behind";
    }
  }
}

TEST_F(PlatformFileReplace, NeverWritesThroughAFilePlantedUnderAPredictableName) {
  // Files put where a save by this process might once have written: the
  // old "<file>.<process id>.tmp" and "<file>.<digits>.tmp", and a name of
  // the present form.
  const fs::path target = folder_.Native("counter");
  const fs::path planted[] = {
      target.u8string() + "." + std::to_string(AXOPlatform::Get()->ProcessId()) + ".tmp",
      target.u8string() + ".0000000000000000.tmp", folder_.Native(".axo-0000000000000000.tmp")};
  for (const fs::path& file : planted) {
    Write(file, "planted");
    // A second name of the same file shows whether a save wrote into it.
    fs::create_hard_link(file, file.u8string() + "-witness");
  }
  ASSERT_TRUE(Replace(target, "new").ok());
  EXPECT_EQ(AXOTestReadFile(target), "new");
  for (const fs::path& file : planted) {
    SCOPED_TRACE(file.u8string());
    EXPECT_EQ(AXOTestReadFile(file.u8string() + "-witness"), "planted");
  }
}

TEST_F(PlatformFileReplace, RemovesTemporaryFilesThatNoSaveHolds) {
  const std::string stale[] = {"settings.txt.0123456789abcdef.tmp", "settings.txt.4711.tmp",
                               "settings.txt.ABCDEF0123456789.tmp", ".axo-0123456789abcdef.tmp"};
  const std::string kept[] = {"settings.txt.tmp",
                              "settings.txt..tmp",                   // no digits
                              "settings.txt.0123456789abcdef0.tmp",  // 17 digits
                              "settings.txt.xyz.tmp",
                              "settings.txt.1234.tmp.bak",
                              "other.txt.0123456789abcdef.tmp",
                              "settings.txt.0123456789abcdef",
                              ".axo-0123.tmp",  // 4 digits: never given
                              ".axo-0123456789abcdef.tmp.bak"};
  for (const std::string& name : stale) Write(folder_.Native(name), "left by a crash");
  for (const std::string& name : kept) Write(folder_.Native(name), "not a temporary file of it");
  ASSERT_TRUE(Replace(folder_.Native("settings.txt"), "new").ok());
  std::set<std::string> expected(std::begin(kept), std::end(kept));
  expected.insert("settings.txt");
  EXPECT_EQ(Names(), expected);
}

TEST_F(PlatformFileReplace, SavesOfOneFileFromTwoThreadsDoNotTakeEachOthersFiles) {
  // Each save removes the temporary files of the file that no save holds;
  // one that is being written must survive the other thread's clean-up.
  const fs::path target = folder_.Native("shared.txt");
  const std::string first(256 * 1024, 'a');
  const std::string second(256 * 1024, 'b');
  int failures[2] = {0, 0};
  auto saves = [&](int thread, const std::string& contents) {
    for (int i = 0; i < 40; ++i) failures[thread] += !Replace(target, contents).ok();
  };
  std::thread other(saves, 1, second);
  saves(0, first);
  other.join();
  EXPECT_EQ(failures[0], 0);
  EXPECT_EQ(failures[1], 0);
  const std::string content = AXOTestReadFile(target);
  EXPECT_TRUE(content == first || content == second);
  EXPECT_EQ(Names(), std::set<std::string>{"shared.txt"});
}

TEST_F(PlatformFileReplace, FailsWithoutLeavingATemporaryFile) {
  // The rename cannot put a file over a folder that holds something.
  fs::create_directories(folder_.Native("occupied/inside"));
  const struct {
    const char* what;
    std::string path;
    AXOStatusCode code;
  } cases[] = {
      {"folder", folder_.Native("occupied").u8string(), AXOStatusCode::kNotRegularFile},
      {"missing folder", folder_.Native("no/f").u8string(), AXOStatusCode::kNotFound},
      {"empty name", "", AXOStatusCode::kInvalidArgument},
      {"NUL in the name", folder_.Native("f").u8string() + std::string("\0x", 2),
       AXOStatusCode::kInvalidArgument},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const AXOStatus status = AXOPlatform::Get()->ReplaceFile(c.path, "x", AXOReplace::kAlways);
    EXPECT_EQ(status.code(), c.code) << status.ToString();
    EXPECT_EQ(Names(), std::set<std::string>{"occupied"});
  }
  EXPECT_TRUE(fs::is_directory(folder_.Native("occupied/inside")));
}

// The folder that the parent shares with a child running as another user.
constexpr char kFolderVariable[] = "AXO_SHARED_FOLDER";

// The child's half of the test below, run as a user who is not root: it
// replaces a file of root's in a folder where anyone may make files but
// only a file's owner may remove or replace it (the sticky bit, as /tmp
// has). Its temporary file is made and written; the rename is refused.
TEST(PlatformFileReplaceChild, DISABLED_ReplacesAFileItMayNotReplace) {
  std::string folder;
  ASSERT_TRUE(AXOPlatform::Get()->GetEnv(kFolderVariable, folder).ok());
  const AXOStatus status = Replace(fs::u8path(folder) / "file", "new");
  EXPECT_EQ(status.code(), AXOStatusCode::kPermissionDenied) << status.ToString();
  AXOTestChildProcess::Passed();
}

TEST_F(PlatformFileReplace, FailingAfterItsTemporaryFileWasMadeLeavesNothingBehind) {
  const std::vector<std::string> launcher = AXOTestAsOtherUser();
  if (launcher.empty() ||
      AXOTestChildProcess::RunSelf({"--gtest_list_tests", "--gtest_filter=-*"}, launcher) != 0) {
    GTEST_SKIP() << "this test program cannot run as another user here (it needs root and "
                    "setpriv, and a build folder that other users may read)";
  }
  Write(folder_.Native("file"), "old");
  fs::permissions(folder_.Native(), fs::perms::all | fs::perms::sticky_bit);
  EXPECT_TRUE(
      AXOTestChildProcess::Run("PlatformFileReplaceChild.DISABLED_ReplacesAFileItMayNotReplace",
                               {{kFolderVariable, folder_.Native().u8string()}}, launcher));
  EXPECT_EQ(Names(), std::set<std::string>{"file"});
  EXPECT_EQ(AXOTestReadFile(folder_.Native("file")), "old");
}

TEST_F(PlatformFileReplace, RenameFileNeverReplaces) {
  const struct {
    const char* what;
    bool targetThere;
    const char* from;
    AXOStatusCode code;
    const char* subject;  // the name that the failure is about
  } cases[] = {
      {"to a free name", false, "from", AXOStatusCode::kOk, ""},
      {"to a name taken", true, "from", AXOStatusCode::kExists, "to"},
      {"from a missing file", false, "missing", AXOStatusCode::kNotFound, "missing"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(folder_.Native("to"));
    Write(folder_.Native("from"), "moved");
    if (c.targetThere) Write(folder_.Native("to"), "kept");
    const AXOStatus status = AXOPlatform::Get()->RenameFile(folder_.Native(c.from).u8string(),
                                                            folder_.Native("to").u8string());
    EXPECT_EQ(status.code(), c.code) << status.ToString();
    if (status.ok()) {
      EXPECT_EQ(AXOTestReadFile(folder_.Native("to")), "moved");
      EXPECT_FALSE(fs::exists(folder_.Native("from")));
      continue;
    }
    EXPECT_EQ(status.subject(), folder_.Native(c.subject).u8string());
    EXPECT_EQ(AXOTestReadFile(folder_.Native("from")), "moved");
    if (c.targetThere) {
      EXPECT_EQ(AXOTestReadFile(folder_.Native("to")), "kept");
    }
  }
}

TEST_F(PlatformFileReplace, CreateFoldersMakesTheMissingOnesAndRefusesAFileOnTheWay) {
  Write(folder_.Native("file"), "");
  const struct {
    const char* path;
    AXOStatusCode code;
  } cases[] = {
      {"a/b/c", AXOStatusCode::kOk},          {"a/b/c", AXOStatusCode::kOk},  // there already
      {"a/b/c/", AXOStatusCode::kOk},         {"file", AXOStatusCode::kExists},
      {"file/below", AXOStatusCode::kExists},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const std::string path = folder_.Native().u8string() + "/" + c.path;
    const AXOStatus status = AXOPlatform::Get()->CreateFolders(path);
    EXPECT_EQ(status.code(), c.code) << status.ToString();
    if (status.ok()) {
      EXPECT_TRUE(fs::is_directory(fs::u8path(path)));
    }
  }
  EXPECT_TRUE(fs::is_regular_file(folder_.Native("file")));
}

TEST(PlatformFolders, AreAbsoluteWhenTheSystemNamesThem) {
  AXOPlatform* platform = AXOPlatform::Get();
  std::string current;
  ASSERT_TRUE(platform->CurrentFolder(current).ok());
  EXPECT_TRUE(fs::equivalent(fs::u8path(current), fs::current_path())) << current;
  std::string user_data;
  const bool named = platform->UserDataFolder(user_data).ok();
  const struct {
    const char* what;
    std::string folder;
    bool there;  // must exist
  } cases[] = {
      {"current", current, true},
      {"temporary", platform->TemporaryFolder(), true},
      {"user data", named ? user_data : current, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(fs::u8path(c.folder).is_absolute()) << c.folder;
    if (c.there) {
      EXPECT_TRUE(fs::is_directory(fs::u8path(c.folder))) << c.folder;
    }
  }
}

TEST(PlatformDriveRoot, DefaultLiesInTheUsersOwnDataFolder) {
  AXOPlatform* platform = AXOPlatform::Get();
  if (AXOTestDriveLettersAreReal()) GTEST_SKIP() << "drive letters are real here";
  std::string saved;
  const bool was_set = platform->GetEnv("AXO_DRIVE_ROOT", saved).ok();
  platform->SetEnv("AXO_DRIVE_ROOT", nullptr);
  const std::string native = platform->NativePath("c:\\AXOInstrumentationLog.csv");
  std::string user_data;
  if (!platform->UserDataFolder(user_data).ok()) {
    EXPECT_EQ(native, "") << "no folder of the user's: drive letters name no file";
  } else {
    EXPECT_EQ(native, user_data + "/axo-drives/c/AXOInstrumentationLog.csv");
  }
  platform->SetEnv("AXO_DRIVE_ROOT", "/srv/drives/");
  EXPECT_EQ(platform->NativePath("D:a\\b"), "/srv/drives/d/a/b");
  platform->SetEnv("AXO_DRIVE_ROOT", was_set ? saved.c_str() : nullptr);
}

}  // namespace
