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
#include "AXOPlatformTesting.h"
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
    ASSERT_TRUE(AXOPlatform::Get()->NewGuid(guid).ok());
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
  ASSERT_TRUE(AXOPlatform::Get()->QueryMemoryStatus(status).ok());
  EXPECT_GT(status.totalVirtual, 0u);
  EXPECT_LE(status.availVirtual, status.totalVirtual);
}

TEST(PlatformProcess, CommandLineNamesTheProgram) {
  EXPECT_NE(AXOPlatform::Get()->CommandLine().find("platform_tests"), std::string::npos)
      << AXOPlatform::Get()->CommandLine();
}

// The running program, as a child's first argument.
std::string Program() {
  std::string program;
  const AXOStatus status = AXOPlatform::Get()->ExecutablePath(program);
  EXPECT_TRUE(status.ok()) << status.ToString();
  return program;
}

TEST(PlatformProcess, ExecutablePathNamesThisProgramsFile) {
  const std::string program = Program();
  EXPECT_TRUE(std::filesystem::u8path(program).is_absolute()) << program;
  EXPECT_NE(program.find("platform_tests"), std::string::npos) << program;
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::u8path(program))) << program;
}

TEST(PlatformProcess, ChildOutputGoesToTheNamedFileOnly) {
  AXOPlatformTesting& testing = AXOPlatformTesting::Get();
  AXOTestTempFolder folder;
  const std::string output = folder.WriteFile("out.txt", std::string(100000, 'x')).u8string();
  const std::vector<std::string> list_tests = {
      Program(), "--gtest_list_tests",
      "--gtest_filter=PlatformProcess.ChildOutputGoesToTheNamedFileOnly"};
  std::int64_t child = 0;
  ASSERT_TRUE(testing.StartProcessWithOutputFile(list_tests, output, child).ok());
  int exit_code = -1;
  ASSERT_TRUE(testing.WaitForProcess(child, exit_code).ok());
  EXPECT_EQ(exit_code, 0);
  std::ifstream in(std::filesystem::u8path(output), std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(written.find("ChildOutputGoesToTheNamedFileOnly"), std::string::npos) << written;
  EXPECT_EQ(written.find('x'), std::string::npos) << "the file is emptied first";

  const std::string unwritable = folder.Native("no-such-folder/out.txt").u8string();
  EXPECT_FALSE(testing.StartProcessWithOutputFile(list_tests, unwritable, child).ok());
}

TEST(PlatformProcess, AProgramThatIsNotThereDoesNotStart) {
  AXOTestTempFolder folder;
  const struct {
    const char* what;
    std::vector<std::string> arguments;
    AXOStatusCode code;
  } cases[] = {
      {"missing", {folder.Native("no-such-program").u8string()}, AXOStatusCode::kNotFound},
      {"missing folder",
       {folder.Native("no-such-folder/program").u8string()},
       AXOStatusCode::kNotFound},
      {"none", {}, AXOStatusCode::kInvalidArgument},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::int64_t child = 0;
    const AXOStatus status = AXOPlatformTesting::Get().StartProcess(c.arguments, child);
    EXPECT_EQ(status.code(), c.code) << status.ToString();
  }
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
  ASSERT_TRUE(platform->SetEnv(name, "c:\\x;d:\\y").ok());
  const char* seen = std::getenv(name);
  ASSERT_NE(seen, nullptr);
  EXPECT_STREQ(seen, "c:\\x;d:\\y");
  std::string value;
  EXPECT_TRUE(platform->GetEnv(name, value).ok());
  EXPECT_EQ(value, "c:\\x;d:\\y");

  ASSERT_TRUE(platform->SetEnv(name, "second").ok());
  EXPECT_STREQ(std::getenv(name), "second");

  ASSERT_TRUE(platform->SetEnv(name, nullptr).ok());
  EXPECT_EQ(std::getenv(name), nullptr);
  EXPECT_EQ(platform->GetEnv(name, value).code(), AXOStatusCode::kNotFound);
  EXPECT_TRUE(platform->SetEnv(name, nullptr).ok()) << "removing an unset variable";
}

TEST(PlatformEnvironment, EmptyValueIsKeptForGetEnv) {
  AXOPlatform* platform = AXOPlatform::Get();
  const char* name = "AXO_PLATFORM_TEST_EMPTY";
  ASSERT_TRUE(platform->SetEnv(name, "").ok());
  std::string value = "untouched";
  EXPECT_TRUE(platform->GetEnv(name, value).ok());
  EXPECT_EQ(value, "");
  platform->SetEnv(name, nullptr);
}

TEST(PlatformEnvironment, RejectsInvalidNames) {
  AXOPlatform* platform = AXOPlatform::Get();
  for (const char* name : {static_cast<const char*>(nullptr), "", "AXO=BAD"}) {
    SCOPED_TRACE(name == nullptr ? "null" : name);
    EXPECT_EQ(platform->SetEnv(name, "x").code(), AXOStatusCode::kInvalidArgument);
  }
  EXPECT_EQ(std::getenv("AXO"), nullptr);
  std::string value;
  EXPECT_EQ(platform->GetEnv("", value).code(), AXOStatusCode::kInvalidArgument);
}

TEST(PlatformFiles, ChangeFileModeReportsMissingFiles) {
  AXOTestTempFolder folder;
  const std::string path = folder.Native("file").u8string();
  AXOPlatform* platform = AXOPlatform::Get();
  const AXOStatus missing = platform->ChangeFileMode(path, 0600);
  EXPECT_EQ(missing.code(), AXOStatusCode::kNotFound) << missing.ToString();
  EXPECT_EQ(missing.subject(), path);
  folder.WriteFile("file", "1\n");
  EXPECT_TRUE(platform->ChangeFileMode(path, 0400).ok());
  EXPECT_TRUE(platform->ChangeFileMode(path, 0600).ok());
  // Writable again: the file can be replaced.
  std::ofstream out(std::filesystem::u8path(path));
  EXPECT_TRUE(out << "2\n");
}

TEST(PlatformFiles, FileStatusTellsKindSizeAndWriteAccess) {
  namespace fs = std::filesystem;
  AXOTestTempFolder folder;
  const fs::path file = folder.Native("status.txt");
  AXOPlatform* platform = AXOPlatform::Get();
  AXOFileStatus status;
  EXPECT_EQ(platform->GetFileStatus(file.u8string(), status).code(), AXOStatusCode::kNotFound);
  EXPECT_EQ(platform->GetFileStatus("", status).code(), AXOStatusCode::kInvalidArgument);
  { std::ofstream(file, std::ios::binary) << "12345"; }
  ASSERT_TRUE(platform->GetFileStatus(file.u8string(), status).ok());
  EXPECT_EQ(status.kind, AXOFileStatus::kRegular);
  EXPECT_EQ(status.size, 5u);
  EXPECT_NE(status.permissions & 0200, 0u);
  const auto now = std::chrono::duration_cast<std::chrono::seconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count();
  EXPECT_LE(std::llabs(now - status.modified), 120) << "seconds since 1970, not a file clock";
  ASSERT_TRUE(platform->ChangeFileMode(file.u8string(), 0400).ok());
  ASSERT_TRUE(platform->GetFileStatus(file.u8string(), status).ok());
  EXPECT_EQ(status.permissions & 0200, 0u);
  platform->ChangeFileMode(file.u8string(), 0600);
  ASSERT_TRUE(platform->GetFileStatus(folder.Native().u8string(), status).ok());
  EXPECT_EQ(status.kind, AXOFileStatus::kDirectory);
  EXPECT_EQ(status.size, 0u);
}

TEST(PlatformFiles, ListFolderTellsFilesAndFoldersAndLeavesLinksOpen) {
  AXOTestTempFolder folder;
  AXOPlatform* platform = AXOPlatform::Get();
  std::vector<AXOFolderEntry> entries{{"left over", AXOFileStatus::kOther}};
  ASSERT_TRUE(platform->ListFolder(folder.Native().u8string(), entries).ok());
  EXPECT_TRUE(entries.empty()) << "no \".\" or \"..\"";
  folder.WriteFile("b.txt", "b");
  folder.WriteFile("sub/a.txt", "a");
  folder.WriteFile("\xc3\xa9t\xc3\xa9.txt", "");
  std::error_code error;
  std::filesystem::create_symlink(folder.Native("b.txt"), folder.Native("link"), error);
  const bool linked = !error;  // not every system lets a test make links
  ASSERT_TRUE(platform->ListFolder(folder.Native().u8string() + "/", entries).ok());
  std::map<std::string, AXOFileStatus::Kind> listed;
  for (const AXOFolderEntry& entry : entries) listed[entry.name] = entry.kind;
  std::map<std::string, AXOFileStatus::Kind> expected{
      {"b.txt", AXOFileStatus::kRegular},
      {"sub", AXOFileStatus::kDirectory},
      {"\xc3\xa9t\xc3\xa9.txt", AXOFileStatus::kRegular}};
  if (linked) expected["link"] = AXOFileStatus::kOther;
  EXPECT_EQ(listed, expected);

  const struct {
    const char* what;
    std::string path;
    AXOStatusCode code;
  } refused[] = {
      {"a file", folder.Native("b.txt").u8string(), AXOStatusCode::kNotFound},
      {"missing", folder.Native("missing").u8string(), AXOStatusCode::kNotFound},
      {"no name", "", AXOStatusCode::kInvalidArgument},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    entries.assign(1, AXOFolderEntry{"left over", AXOFileStatus::kOther});
    const AXOStatus status = platform->ListFolder(c.path, entries);
    EXPECT_EQ(status.code(), c.code) << status.ToString();
    EXPECT_TRUE(entries.empty());
  }
}

// Run by KillProcessEndsAChildAtOnce as the child: waits far longer than
// the test would, unless it is killed.
TEST(PlatformChild, DISABLED_WaitsAMinute) {
  std::this_thread::sleep_for(std::chrono::seconds(60));
}

TEST(PlatformProcess, KillProcessEndsAChildAtOnce) {
  AXOPlatformTesting& testing = AXOPlatformTesting::Get();
  std::int64_t child = 0;
  ASSERT_TRUE(testing
                  .StartProcess({Program(), "--gtest_filter=PlatformChild.DISABLED_WaitsAMinute",
                                 "--gtest_also_run_disabled_tests"},
                                child)
                  .ok());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(testing.KillProcess(child).ok());
  int exit_code = 0;
  const AXOStatus waited = testing.WaitForProcess(child, exit_code);
  // POSIX: ended by a signal, which is no exit code; Windows: exit code 1.
  EXPECT_TRUE(!waited.ok() || exit_code != 0) << waited.ToString();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  EXPECT_EQ(testing.KillProcess(child).code(), AXOStatusCode::kInvalidArgument)
      << "no longer waited for";
  EXPECT_EQ(testing.WaitForProcess(child, exit_code).code(), AXOStatusCode::kInvalidArgument);
}

}  // namespace
