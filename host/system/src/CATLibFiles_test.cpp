#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "CATLib.h"

namespace {

namespace fs = std::filesystem;

TEST(CATFileAccess, TellsWhetherAPathExists) {
  AXOTestTempFolder folder;
  folder.WriteFile("plan.txt", "x");
  folder.MakeFolder("sub");
  EXPECT_EQ(CATFileAccess(folder.Host("plan.txt").c_str(), 0), 0);
  EXPECT_EQ(CATFileAccess(folder.Host("sub").c_str(), 0), 0);
  EXPECT_EQ(CATFileAccess(folder.Host("missing.txt").c_str(), 0), -1);
  EXPECT_EQ(CATFileAccess("", 0), -1);
  EXPECT_EQ(CATFileAccess(nullptr, 0), -1);
}

TEST(CATFileAccess, ChecksTheOwnersPermissionBits) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("locked.txt", "x");
  const std::string host = folder.Host("locked.txt");
  EXPECT_EQ(CATFileAccess(host.c_str(), 6), 0);
  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(CATFileAccess(host.c_str(), 4), 0);
  EXPECT_EQ(CATFileAccess(host.c_str(), 2), -1);
  EXPECT_EQ(CATFileAccess(host.c_str(), 6), -1);
  EXPECT_EQ(CATFileAccess(host.c_str(), 1), -1) << "unknown modes are refused";
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
}

TEST(CATGetFileInfo, SetsTheDirectoryBitForDirectoriesOnly) {
  AXOTestTempFolder folder;
  folder.WriteFile("plan.txt", "12345");
  folder.MakeFolder("sub");
  struct stat info;
  ASSERT_EQ(CATGetFileInfo(folder.Host("sub").c_str(), &info), 0);
  EXPECT_NE(info.st_mode & 0x4000, 0);
  ASSERT_EQ(CATGetFileInfo(folder.Host("plan.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0x4000, 0);
  EXPECT_EQ(info.st_mode & S_IFMT, S_IFREG);
  EXPECT_EQ(info.st_size, 5);
  EXPECT_GT(info.st_mtime, 0);
  EXPECT_EQ(CATGetFileInfo(folder.Host("missing").c_str(), &info), -1);
  EXPECT_EQ(CATGetFileInfo(folder.Host("plan.txt").c_str(), nullptr), -1);
}

// Sets the drive root for one test and restores the default afterwards.
class DriveRootTest : public testing::Test {
 protected:
  void SetUp() override { AXOPlatform::Get()->SetDriveRoot(drives_.Native().u8string()); }
  void TearDown() override { AXOPlatform::Get()->SetDriveRoot(""); }
  AXOTestTempFolder drives_;
};

TEST_F(DriveRootTest, DriveLetterPathsReachTheDriveRoot) {
  if (AXOPlatform::Get()->NativePath("c:\\x") == "c:\\x") {
    GTEST_SKIP() << "drive letters are real on this system";
  }
  drives_.WriteFile("c/data/plan.txt", "x");
  EXPECT_EQ(CATFileAccess("c:\\data\\plan.txt", 0), 0);
  EXPECT_EQ(CATFileAccess("C:\\data\\plan.txt", 0), 0) << "the letter's case does not matter";
  EXPECT_EQ(CATFileAccess("d:\\data\\plan.txt", 0), -1);
  struct stat info;
  ASSERT_EQ(CATGetFileInfo("c:\\data", &info), 0);
  EXPECT_NE(info.st_mode & 0x4000, 0);
}

// Reads a listing to its end: the names, and the end flag of each read.
struct Listing {
  std::vector<std::string> names;
  std::vector<int> end_flags;
};

Listing ReadAll(CATDirectory& directory) {
  Listing listing;
  CATDirectoryEntry entry;
  int end = 0;
  while (CATReadDirectory(&directory, &entry, &end) == 0) {
    listing.names.push_back(entry.name);
    listing.end_flags.push_back(end);
  }
  return listing;
}

TEST(CATDirectoryListing, ListsFilesAndFoldersSortedWithTheEndFlagOnTheLast) {
  AXOTestTempFolder folder;
  folder.WriteFile("b.txt");
  folder.WriteFile("a.xml");
  folder.MakeFolder("C");
  folder.WriteFile("C/inner.txt");
  CATDirectory directory;
  ASSERT_EQ(CATOpenDirectory(folder.Host().c_str(), &directory), 0);
  const Listing listing = ReadAll(directory);
  EXPECT_EQ(listing.names, (std::vector<std::string>{"C", "a.xml", "b.txt"}));
  EXPECT_EQ(listing.end_flags, (std::vector<int>{0, 0, 1}));
  CATDirectoryEntry entry;
  int end = 0;
  EXPECT_EQ(CATReadDirectory(&directory, &entry, &end), -1) << "nothing after the last";
  EXPECT_EQ(CATCloseDirectory(&directory), 0);
  EXPECT_EQ(CATCloseDirectory(&directory), -1) << "already closed";
}

TEST(CATDirectoryListing, EmptyDirectoryFailsTheFirstRead) {
  AXOTestTempFolder folder;
  CATDirectory directory;
  ASSERT_EQ(CATOpenDirectory(folder.Host().c_str(), &directory), 0);
  CATDirectoryEntry entry;
  int end = 0;
  EXPECT_EQ(CATReadDirectory(&directory, &entry, &end), -1);
  EXPECT_EQ(CATCloseDirectory(&directory), 0);
}

TEST(CATDirectoryListing, RefusesWhatIsNotADirectory) {
  AXOTestTempFolder folder;
  folder.WriteFile("plan.txt");
  CATDirectory directory;
  EXPECT_EQ(CATOpenDirectory(folder.Host("missing").c_str(), &directory), -1);
  EXPECT_EQ(CATOpenDirectory(folder.Host("plan.txt").c_str(), &directory), -1);
  EXPECT_EQ(CATOpenDirectory(nullptr, &directory), -1);
  EXPECT_EQ(CATOpenDirectory(folder.Host().c_str(), nullptr), -1);
  CATDirectoryEntry entry;
  int end = 0;
  EXPECT_EQ(CATReadDirectory(&directory, &entry, &end), -1) << "never opened";
}

TEST(CATDirectoryListing, OpeningAgainStartsANewListing) {
  AXOTestTempFolder folder;
  folder.WriteFile("one.txt");
  folder.MakeFolder("other");
  folder.WriteFile("other/two.txt");
  CATDirectory directory;
  ASSERT_EQ(CATOpenDirectory(folder.Host().c_str(), &directory), 0);
  ASSERT_EQ(CATOpenDirectory(folder.Host("other").c_str(), &directory), 0);
  EXPECT_EQ(ReadAll(directory).names, std::vector<std::string>{"two.txt"});
  EXPECT_EQ(CATCloseDirectory(&directory), 0);
}

}  // namespace
