// Atomic file replacement and the user's folders, against whichever backend
// is compiled in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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
  fs::path TempOf(const fs::path& target) const {
    return target.u8string() + "." + std::to_string(AXOPlatform::Get()->ProcessId()) + ".tmp";
  }
  // Names in the folder, to see that no temporary file stays behind.
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

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

TEST_F(PlatformFileReplace, KeepsTheOldFileWhenTheTemporaryFileCannotBeWritten) {
  const fs::path target = folder_ / "settings.txt";
  ASSERT_TRUE(AXOPlatform::Get()->ReplaceFileAtomically(target.u8string(), "old"));
  fs::create_directory(TempOf(target));
  EXPECT_FALSE(AXOPlatform::Get()->ReplaceFileAtomically(target.u8string(), "new"));
  EXPECT_EQ(Read(target), "old");
  EXPECT_TRUE(fs::is_directory(TempOf(target)));
}

TEST_F(PlatformFileReplace, FailsWithoutLeavingATemporaryFile) {
  // The rename cannot put a file over a directory that holds something.
  const fs::path occupied = folder_ / "occupied";
  fs::create_directories(occupied / "inside");
  EXPECT_FALSE(AXOPlatform::Get()->ReplaceFileAtomically(occupied.u8string(), "x"));
  EXPECT_TRUE(fs::is_directory(occupied / "inside"));
  EXPECT_FALSE(fs::exists(TempOf(occupied)));

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

TEST(PlatformProcessId, IsStableWithinTheProcess) {
  EXPECT_EQ(AXOPlatform::Get()->ProcessId(), AXOPlatform::Get()->ProcessId());
  EXPECT_NE(AXOPlatform::Get()->ProcessId(), 0ul);
}

}  // namespace
