// Behaviour that callers rely on from every backend's process, time, memory
// and environment services. The same tests run against the POSIX backend
// natively and against the Windows backend under Wine.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"

namespace {

std::string GuidKey(const AXOGuidFields& guid) {
  return std::to_string(guid.data1) + "-" + std::to_string(guid.data2) + "-" +
         std::to_string(guid.data3) + "-" +
         std::string(reinterpret_cast<const char*>(guid.data4), sizeof guid.data4);
}

TEST(PlatformGuid, GivesDistinctRandomGuids) {
  std::set<std::string> seen;
  for (int i = 0; i < 100; ++i) {
    AXOGuidFields guid;
    ASSERT_TRUE(AXOPlatform::Get()->NewGuid(guid));
    // Random (version 4) GUIDs with the standard variant, as both systems make them.
    EXPECT_EQ(guid.data3 >> 12, 4) << "version of GUID " << i;
    EXPECT_EQ(guid.data4[0] & 0xC0, 0x80) << "variant of GUID " << i;
    EXPECT_TRUE(seen.insert(GuidKey(guid)).second) << "GUID " << i << " repeats";
  }
}

TEST(PlatformTime, ElapsedMillisecondsFollowsTheClock) {
  AXOPlatform* platform = AXOPlatform::Get();
  const std::int64_t before = platform->ElapsedMilliseconds();
  EXPECT_GE(before, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  const std::int64_t after = platform->ElapsedMilliseconds();
  // Generous bounds: the test machine may be busy, but not by seconds.
  EXPECT_GE(after - before, 40);
  EXPECT_LT(after - before, 10000);
}

TEST(PlatformMemory, ReportsAvailableWithinTotal) {
  AXOMemoryStatus status;
  ASSERT_TRUE(AXOPlatform::Get()->QueryMemoryStatus(status));
  EXPECT_GT(status.totalVirtual, 0u);
  EXPECT_LE(status.availVirtual, status.totalVirtual);
}

TEST(PlatformProcess, CommandLineNamesTheProgram) {
  EXPECT_NE(AXOPlatform::Get()->CommandLine().find("platform_tests"), std::string::npos)
      << AXOPlatform::Get()->CommandLine();
}

TEST(PlatformProcess, ChildOutputGoesToTheNamedFileOnly) {
  AXOPlatform* platform = AXOPlatform::Get();
  AXOTestTempFolder folder;
  const std::string output = folder.WriteFile("out.txt", std::string(100000, 'x')).u8string();
  const std::vector<std::string> list_tests = {
      platform->ExecutablePath(), "--gtest_list_tests",
      "--gtest_filter=PlatformProcess.ChildOutputGoesToTheNamedFileOnly"};
  const std::int64_t child = platform->StartProcessWithOutputFile(list_tests, output);
  ASSERT_GT(child, 0);
  EXPECT_EQ(platform->WaitForProcess(child), 0);
  std::ifstream in(std::filesystem::u8path(output), std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(written.find("ChildOutputGoesToTheNamedFileOnly"), std::string::npos) << written;
  EXPECT_EQ(written.find('x'), std::string::npos) << "the file is emptied first";

  const std::string unwritable = folder.Native("no-such-folder/out.txt").u8string();
  EXPECT_EQ(platform->StartProcessWithOutputFile(list_tests, unwritable), -1);
}

TEST(PlatformProcess, AProgramThatIsNotThereDoesNotStart) {
  AXOPlatform* platform = AXOPlatform::Get();
  AXOTestTempFolder folder;
  EXPECT_EQ(platform->StartProcess({folder.Native("no-such-program").u8string()}), -1);
  EXPECT_EQ(platform->StartProcess({folder.Native("no-such-folder/program").u8string()}), -1);
  EXPECT_EQ(platform->StartProcess({}), -1);
}

TEST(PlatformProcess, DebugOutputTakesAnyText) {
  // Nothing to observe without a debugger; the texts must simply not fail,
  // including invalid UTF-8 and an embedded NUL.
  AXOPlatform* platform = AXOPlatform::Get();
  platform->DebugOutput("");
  platform->DebugOutput("folder \xC3\xA9t\xC3\xA9\n");
  platform->DebugOutput(std::string("a\0b\xFF\xC3", 5));
}

TEST(PlatformEnvironment, SetEnvIsSeenByGetenvAndGetEnv) {
  AXOPlatform* platform = AXOPlatform::Get();
  const char* name = "AXO_PLATFORM_TEST_VARIABLE";
  ASSERT_TRUE(platform->SetEnv(name, "c:\\x;d:\\y"));
  const char* seen = std::getenv(name);
  ASSERT_NE(seen, nullptr);
  EXPECT_STREQ(seen, "c:\\x;d:\\y");
  std::string value;
  EXPECT_TRUE(platform->GetEnv(name, value));
  EXPECT_EQ(value, "c:\\x;d:\\y");

  ASSERT_TRUE(platform->SetEnv(name, "second"));
  EXPECT_STREQ(std::getenv(name), "second");

  ASSERT_TRUE(platform->SetEnv(name, nullptr));
  EXPECT_EQ(std::getenv(name), nullptr);
  EXPECT_FALSE(platform->GetEnv(name, value));
  EXPECT_TRUE(platform->SetEnv(name, nullptr)) << "removing an unset variable";
}

TEST(PlatformEnvironment, EmptyValueIsKeptForGetEnv) {
  AXOPlatform* platform = AXOPlatform::Get();
  const char* name = "AXO_PLATFORM_TEST_EMPTY";
  ASSERT_TRUE(platform->SetEnv(name, ""));
  std::string value = "untouched";
  EXPECT_TRUE(platform->GetEnv(name, value));
  EXPECT_EQ(value, "");
  platform->SetEnv(name, nullptr);
}

TEST(PlatformEnvironment, RejectsInvalidNames) {
  AXOPlatform* platform = AXOPlatform::Get();
  EXPECT_FALSE(platform->SetEnv(nullptr, "x"));
  EXPECT_FALSE(platform->SetEnv("", "x"));
  EXPECT_FALSE(platform->SetEnv("AXO=BAD", "x"));
  EXPECT_EQ(std::getenv("AXO"), nullptr);
}

TEST(PlatformFiles, ChangeFileModeReportsMissingFiles) {
  namespace fs = std::filesystem;
  AXOGuidFields unique;
  ASSERT_TRUE(AXOPlatform::Get()->NewGuid(unique));
  const fs::path file = fs::temp_directory_path() / ("axo-mode-" + std::to_string(unique.data1));
  const std::string path = file.u8string();
  AXOPlatform* platform = AXOPlatform::Get();
  EXPECT_EQ(platform->ChangeFileMode(path, 0600), -1);
  { std::ofstream(file) << "1\n"; }
  EXPECT_EQ(platform->ChangeFileMode(path, 0400), 0);
  EXPECT_EQ(platform->ChangeFileMode(path, 0600), 0);
  {
    // Writable again: the file can be replaced.
    std::ofstream out(file);
    EXPECT_TRUE(out << "2\n");
  }
  fs::remove(file);
}

TEST(PlatformFiles, FileStatusTellsKindSizeAndWriteAccess) {
  namespace fs = std::filesystem;
  AXOTestTempFolder folder;
  const fs::path file = folder.Native("status.txt");
  AXOPlatform* platform = AXOPlatform::Get();
  AXOFileStatus status;
  EXPECT_FALSE(platform->GetFileStatus(file.u8string(), status));
  EXPECT_FALSE(platform->GetFileStatus("", status));
  { std::ofstream(file, std::ios::binary) << "12345"; }
  ASSERT_TRUE(platform->GetFileStatus(file.u8string(), status));
  EXPECT_EQ(status.kind, AXOFileStatus::kRegular);
  EXPECT_EQ(status.size, 5u);
  EXPECT_NE(status.permissions & 0200, 0u);
  const auto now = std::chrono::duration_cast<std::chrono::seconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count();
  EXPECT_LE(std::llabs(now - status.modified), 120) << "seconds since 1970, not a file clock";
  ASSERT_EQ(platform->ChangeFileMode(file.u8string(), 0400), 0);
  ASSERT_TRUE(platform->GetFileStatus(file.u8string(), status));
  EXPECT_EQ(status.permissions & 0200, 0u);
  platform->ChangeFileMode(file.u8string(), 0600);
  ASSERT_TRUE(platform->GetFileStatus(folder.Native().u8string(), status));
  EXPECT_EQ(status.kind, AXOFileStatus::kDirectory);
  EXPECT_EQ(status.size, 0u);
}

TEST(PlatformFiles, ListFolderNamesEntriesOnlyOfFolders) {
  AXOTestTempFolder folder;
  AXOPlatform* platform = AXOPlatform::Get();
  std::vector<std::string> names{"left over"};
  ASSERT_TRUE(platform->ListFolder(folder.Native().u8string(), names));
  EXPECT_TRUE(names.empty()) << "no \".\" or \"..\"";
  folder.WriteFile("b.txt", "b");
  folder.WriteFile("sub/a.txt", "a");
  folder.WriteFile("\xc3\xa9t\xc3\xa9.txt", "");
  ASSERT_TRUE(platform->ListFolder(folder.Native().u8string() + "/", names));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"b.txt", "sub", "\xc3\xa9t\xc3\xa9.txt"}));
  for (const std::string& bad :
       {folder.Native("b.txt").u8string(), folder.Native("missing").u8string(), std::string()}) {
    names.assign(1, "left over");
    EXPECT_FALSE(platform->ListFolder(bad, names)) << bad;
    EXPECT_TRUE(names.empty()) << bad;
  }
}

TEST(PlatformFiles, ListFolderKindsTellsFilesAndFoldersAndLeavesLinksOpen) {
  AXOTestTempFolder folder;
  AXOPlatform* platform = AXOPlatform::Get();
  folder.WriteFile("b.txt", "b");
  folder.MakeFolder("sub");
  std::error_code error;
  std::filesystem::create_symlink(folder.Native("b.txt"), folder.Native("link"), error);
  const bool linked = !error;  // not every system lets a test make links
  std::vector<std::string> names{"left over"};
  std::vector<AXOFileStatus::Kind> kinds{AXOFileStatus::kOther};
  ASSERT_TRUE(platform->ListFolderKinds(folder.Native().u8string(), names, kinds));
  ASSERT_EQ(names.size(), kinds.size());
  std::map<std::string, AXOFileStatus::Kind> listed;
  for (std::size_t i = 0; i < names.size(); ++i) listed[names[i]] = kinds[i];
  std::map<std::string, AXOFileStatus::Kind> expected{{"b.txt", AXOFileStatus::kRegular},
                                                      {"sub", AXOFileStatus::kDirectory}};
  if (linked) expected["link"] = AXOFileStatus::kOther;
  EXPECT_EQ(listed, expected);
  EXPECT_FALSE(platform->ListFolderKinds(folder.Native("b.txt").u8string(), names, kinds));
  EXPECT_TRUE(names.empty() && kinds.empty());
}

// Run by KillProcessEndsAChildAtOnce as the child: waits far longer than
// the test would, unless it is killed.
TEST(PlatformChild, DISABLED_WaitsAMinute) {
  std::this_thread::sleep_for(std::chrono::seconds(60));
}

TEST(PlatformProcess, KillProcessEndsAChildAtOnce) {
  AXOPlatform* platform = AXOPlatform::Get();
  const std::int64_t child = platform->StartProcess(
      {platform->ExecutablePath(), "--gtest_filter=PlatformChild.DISABLED_WaitsAMinute",
       "--gtest_also_run_disabled_tests"});
  ASSERT_GT(child, 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(platform->KillProcess(child));
  EXPECT_NE(platform->WaitForProcess(child), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  EXPECT_FALSE(platform->KillProcess(child)) << "no longer waited for";
}

}  // namespace
