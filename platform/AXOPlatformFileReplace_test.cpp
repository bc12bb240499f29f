// Atomic file replacement and the user's folders, against whichever backend
// is compiled in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <thread>

#include "AXOPlatform.h"

namespace {

namespace fs = std::filesystem;

class PlatformFileReplace : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("axo-replace-" + std::to_string(AXOPlatform::Get()->ProcessId()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // Names in the folder, to see that no temporary file stays behind.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.insert(entry.path().filename().u8string());
    }
    return names;
  }
  std::size_t EntryCount() const { return Names().size(); }

  fs::path folder_;
};

TEST_F(PlatformFileReplace, CreatesThenReplacesTheWholeFile) {
  const fs::path target = folder_ / "settings.txt";
  const std::string binary("line\r\n\0\xFF end", 12);
  ASSERT_TRUE(
      AXOPlatform::Get()->ReplaceFileAtomically(target.u8string(), "a much longer first text"));
  EXPECT_EQ(Read(target), "a much longer first text");
  ASSERT_TRUE(AXOPlatform::Get()->ReplaceFileAtomically(target.u8string(), binary));
  EXPECT_EQ(Read(target), binary);
  ASSERT_TRUE(AXOPlatform::Get()->ReplaceFileAtomically(target.u8string(), ""));
  EXPECT_EQ(Read(target), "");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(PlatformFileReplace, NeverWritesThroughAFilePlantedUnderAPredictableName) {
  // Files put where a save by this process might once have written: the
  // old "<file>.<process id>.tmp" and "<file>.<digits>.tmp", and a name of
  // the present form.
  const fs::path target = folder_ / "counter";
  const fs::path planted[] = {
      target.u8string() + "." + std::to_string(AXOPlatform::Get()->ProcessId()) + ".tmp",
      target.u8string() + ".0000000000000000.tmp",
      (folder_ / ".axo-0000000000000000.tmp").u8string()};
  for (const fs::path& file : planted) {
    Write(file, "planted");
    // A second name of the same file shows whether a save wrote into it.
    fs::create_hard_link(file, file.u8string() + "-witness");
  }
  ASSERT_TRUE(AXOPlatform::Get()->ReplaceFileAtomically(target.u8string(), "new"));
  EXPECT_EQ(Read(target), "new");
  for (const fs::path& file : planted) {
    SCOPED_TRACE(file.u8string());
    EXPECT_EQ(Read(file.u8string() + "-witness"), "planted");
  }
}

TEST_F(PlatformFileReplace, RemovesTemporaryFilesThatNoSaveHolds) {
  const fs::path target = folder_ / "settings.txt";
  const std::string stale[] = {"settings.txt.0123456789abcdef.tmp", "settings.txt.4711.tmp",
                               "settings.txt.ABCDEF0123456789.tmp", ".axo-0123456789abcdef.tmp"};
  const std::string kept[] = {"settings.txt.tmp",
                              "settings.txt.0123456789abcdef0.tmp",  // 17 digits
                              "settings.txt.xyz.tmp",
                              "settings.txt.1234.tmp.bak",
                              "other.txt.0123456789abcdef.tmp",
                              "settings.txt.0123456789abcdef",
                              ".axo-0123.tmp",  // 4 digits: never given
                              ".axo-0123456789abcdef.tmp.bak"};
  for (const std::string& name : stale) Write(folder_ / name, "left by a crash");
  for (const std::string& name : kept) Write(folder_ / name, "not a temporary file of it");
  ASSERT_TRUE(AXOPlatform::Get()->ReplaceFileAtomically(target.u8string(), "new"));
  std::set<std::string> expected(std::begin(kept), std::end(kept));
  expected.insert("settings.txt");
  EXPECT_EQ(Names(), expected);
}

TEST_F(PlatformFileReplace, SavesOfOneFileFromTwoThreadsDoNotTakeEachOthersFiles) {
  // Each save removes the temporary files of the file that no save holds;
  // one that is being written must survive the other thread's clean-up.
  const fs::path target = folder_ / "shared.txt";
  const std::string first(256 * 1024, 'a');
  const std::string second(256 * 1024, 'b');
  int failures[2] = {0, 0};
  auto saves = [&](int thread, const std::string& contents) {
    for (int i = 0; i < 40; ++i) {
      if (!AXOPlatform::Get()->ReplaceFileAtomically(target.u8string(), contents)) {
        ++failures[thread];
      }
    }
  };
  std::thread other(saves, 1, second);
  saves(0, first);
  other.join();
  EXPECT_EQ(failures[0], 0);
  EXPECT_EQ(failures[1], 0);
  const std::string content = Read(target);
  EXPECT_TRUE(content == first || content == second);
  EXPECT_EQ(Names(), std::set<std::string>{"shared.txt"});
}

TEST_F(PlatformFileReplace, FailsWithoutLeavingATemporaryFile) {
  // The rename cannot put a file over a directory that holds something.
  const fs::path occupied = folder_ / "occupied";
  fs::create_directories(occupied / "inside");
  EXPECT_FALSE(AXOPlatform::Get()->ReplaceFileAtomically(occupied.u8string(), "x"));
  EXPECT_TRUE(fs::is_directory(occupied / "inside"));

  EXPECT_FALSE(AXOPlatform::Get()->ReplaceFileAtomically((folder_ / "no" / "f").u8string(), "x"));
  EXPECT_FALSE(AXOPlatform::Get()->ReplaceFileAtomically("", "x"));
  EXPECT_EQ(EntryCount(), 1u);
}

TEST(PlatformUserDataFolder, NamesAnAbsoluteFolderOrNone) {
  const std::string folder = AXOPlatform::Get()->UserDataFolder();
  if (!folder.empty()) {
    EXPECT_TRUE(fs::u8path(folder).is_absolute()) << folder;
  }
}

TEST(PlatformDriveRoot, DefaultLiesInTheUsersOwnDataFolder) {
  AXOPlatform* platform = AXOPlatform::Get();
  if (platform->NativePath("c:\\x") == "c:\\x") GTEST_SKIP() << "drive letters are real here";
  std::string saved;
  const bool was_set = platform->GetEnv("AXO_DRIVE_ROOT", saved);
  platform->SetEnv("AXO_DRIVE_ROOT", nullptr);
  const std::string native = platform->NativePath("c:\\AXOInstrumentationLog.csv");
  const std::string user_data = platform->UserDataFolder();
  if (user_data.empty()) {
    EXPECT_EQ(native, "") << "no folder of the user's: drive letters name no file";
  } else {
    EXPECT_EQ(native, user_data + "/axo-drives/c/AXOInstrumentationLog.csv");
  }
  platform->SetEnv("AXO_DRIVE_ROOT", "/srv/drives/");
  EXPECT_EQ(platform->NativePath("D:a\\b"), "/srv/drives/d/a/b");
  platform->SetEnv("AXO_DRIVE_ROOT", was_set ? saved.c_str() : nullptr);
}

TEST(PlatformProcessId, IsStableWithinTheProcess) {
  EXPECT_EQ(AXOPlatform::Get()->ProcessId(), AXOPlatform::Get()->ProcessId());
  EXPECT_NE(AXOPlatform::Get()->ProcessId(), 0ul);
}

}  // namespace
