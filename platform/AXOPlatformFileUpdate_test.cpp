// The exclusive update of small shared files, against whichever backend is
// compiled in: what it replaces, what it refuses, and its lock, held by
// threads of this process as another process would hold it. Processes
// taking turns are tested with the counters that use it
// (AXOCorServices/model).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "AXOPlatform.h"
#include "AXOTestChildProcess.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLimit = 64 * 1024;
// The folder that the parent shares with a child running as another user.
constexpr char kFolderVariable[] = "AXO_SHARED_FOLDER";

// An update that appends "+" and counts its calls; `refusal` declines.
struct Appender {
  int calls = 0;
  AXOStatus refusal;
  AXOPlatform::FileUpdate Update() {
    return [this](const std::string& content, std::string& next) {
      ++calls;
      next = content + "+";
      return refusal;
    };
  }
};

AXOStatus Update(const fs::path& file, const AXOPlatform::FileUpdate& update,
                 std::int64_t waitMilliseconds = 10000) {
  return AXOPlatform::Get()->UpdateFileExclusively(file.u8string(), update,
                                                   {kLimit, waitMilliseconds});
}

TEST(PlatformUpdateFileExclusively, ReplacesAcceptedContentAndLeavesTheRestByteForByte) {
  AXOTestTempFolder folder;
  const AXOStatus declined(AXOStatusCode::kDamaged, "counter", "not a number");
  const struct {
    const char* what;
    std::string content;
    AXOStatus refusal;
    AXOStatusCode result;
    int calls;
    std::string after;
  } cases[] = {
      {"accepted", "41", AXOStatus(), AXOStatusCode::kOk, 1, "41+"},
      {"accepted at the limit", std::string(kLimit, '7'), AXOStatus(), AXOStatusCode::kOk, 1,
       std::string(kLimit, '7') + "+"},
      {"declined, with the update's status", "41", declined, AXOStatusCode::kDamaged, 1, "41"},
      {"declined at the limit", std::string(kLimit, '7'), declined, AXOStatusCode::kDamaged, 1,
       std::string(kLimit, '7')},
      {"over the limit", std::string(kLimit + 1, '7'), AXOStatus(), AXOStatusCode::kTooLarge, 0,
       std::string(kLimit + 1, '7')},
      {"far over the limit", std::string(3 * kLimit, '\n'), AXOStatus(), AXOStatusCode::kTooLarge,
       0, std::string(3 * kLimit, '\n')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path file = folder.WriteFile("counter", c.content);
    Appender appender;
    appender.refusal = c.refusal;
    const AXOStatus status = Update(file, appender.Update());
    EXPECT_EQ(status.code(), c.result) << status.ToString();
    if (c.result == AXOStatusCode::kDamaged) {
      EXPECT_EQ(status.reason(), "not a number");
    }
    EXPECT_EQ(appender.calls, c.calls);
    EXPECT_TRUE(AXOTestReadFile(file) == c.after);
  }
}

TEST(PlatformUpdateFileExclusively, CreatesNothingForWhatIsNoRegularFile) {
  AXOTestTempFolder folder;
  folder.MakeFolder("folder");
  const bool fifo = AXOTestMakeFifo(folder.Native("pipe"));
  const struct {
    const char* name;
    AXOStatusCode code;
  } cases[] = {
      {"missing", AXOStatusCode::kNotFound},
      {"folder", AXOStatusCode::kNotRegularFile},
      {"pipe", fifo ? AXOStatusCode::kNotRegularFile : AXOStatusCode::kNotFound},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = folder.Native(c.name);
    Appender appender;
    AXOStatus status;
    EXPECT_TRUE(AXOTestReturnsWithin(
        std::chrono::seconds(5), [&] { status = Update(path, appender.Update()); },
        [&] { AXOTestReleaseFifoReader(path); }));
    EXPECT_EQ(status.code(), c.code) << status.ToString();
    EXPECT_EQ(appender.calls, 0);
    EXPECT_FALSE(fs::exists(path.u8string() + ".axo-lock"));
  }
}

TEST(PlatformUpdateFileExclusively, RefusesALockFilePlantedAsALink) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("counter", "1");
  const fs::path planted = folder.Native("counter.axo-lock");
  const fs::path target = folder.Native("elsewhere");
  std::error_code error;
  fs::create_symlink(target, planted, error);
  if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
  Appender appender;
  const AXOStatus status = Update(file, appender.Update());
  EXPECT_EQ(status.code(), AXOStatusCode::kNotRegularFile) << status.ToString();
  const std::string subject = status.subject();
  EXPECT_NE(subject.find("counter.axo-lock"), std::string::npos) << "names the lock file";
  EXPECT_EQ(appender.calls, 0);
  EXPECT_FALSE(fs::exists(target)) << "nothing created through the link";
  EXPECT_TRUE(fs::is_symlink(planted));
  EXPECT_EQ(AXOTestReadFile(file), "1");
}

TEST(PlatformUpdateFileExclusively, GivesUpOnALockHeldLongerThanTheWait) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("counter", "1");
  std::atomic<bool> holding{false};
  std::atomic<bool> release{false};
  std::thread holder([&] {
    Update(file, [&](const std::string& content, std::string& next) {
      holding = true;
      while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      next = content;
      return AXOStatus();
    });
  });
  while (!holding) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  Appender appender;
  const auto start = std::chrono::steady_clock::now();
  const AXOStatus status = Update(file, appender.Update(), 200);
  const auto waited = std::chrono::steady_clock::now() - start;
  release = true;
  holder.join();
  EXPECT_EQ(status.code(), AXOStatusCode::kLocked) << status.ToString();
  EXPECT_EQ(status.reason(), "locked by another process");
  EXPECT_GE(waited, std::chrono::milliseconds(190));
  EXPECT_LT(waited, std::chrono::seconds(5));
  EXPECT_EQ(appender.calls, 0);
  EXPECT_EQ(AXOTestReadFile(file), "1");
}

TEST(PlatformUpdateFileExclusively, WritersTakeTurnsSoThatNoIncrementIsLost) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("counter", "0");
  constexpr int kIncrements = 100;
  auto increments = [&] {
    for (int i = 0; i < kIncrements; ++i) {
      const AXOStatus status = Update(file, [](const std::string& content, std::string& next) {
        next = std::to_string(std::stoi(content) + 1);
        return AXOStatus();
      });
      EXPECT_TRUE(status.ok()) << status.ToString();
    }
  };
  std::thread other(increments);
  increments();
  other.join();
  EXPECT_EQ(AXOTestReadFile(file), std::to_string(2 * kIncrements));
}

// The child's half of the test below, run as a user who is not root, for
// whom a file's mode counts: a read-only file of its own is refused while
// it stays read-only and kept whole; once the update has made it writable,
// it is replaced.
TEST(PlatformUpdateFileExclusivelyChild, DISABLED_ReplacesItsReadOnlyFileOnceMadeWritable) {
  std::string folder;
  ASSERT_TRUE(AXOPlatform::Get()->GetEnv(kFolderVariable, folder).ok());
  const fs::path file = fs::u8path(folder) / "counter";
  Appender read_only;
  const AXOStatus refused = Update(file, read_only.Update());
  EXPECT_EQ(refused.code(), AXOStatusCode::kPermissionDenied) << refused.ToString();
  EXPECT_EQ(read_only.calls, 1);
  EXPECT_EQ(AXOTestReadFile(file), "1");
  const AXOStatus replaced = Update(file, [&file](const std::string& content, std::string& next) {
    next = content + "+";
    return AXOPlatform::Get()->ChangeFileMode(file.u8string(), 0600);
  });
  EXPECT_TRUE(replaced.ok()) << replaced.ToString();
  EXPECT_EQ(AXOTestReadFile(file), "1+");
  AXOTestChildProcess::Passed();
}

TEST(PlatformUpdateFileExclusively, AReadOnlyFileIsReplacedOnlyOnceTheUpdateMadeItWritable) {
  const std::vector<std::string> launcher = AXOTestAsOtherUser();
  if (launcher.empty() ||
      AXOTestChildProcess::RunSelf({"--gtest_list_tests", "--gtest_filter=-*"}, launcher) != 0) {
    GTEST_SKIP() << "this test program cannot run as another user here (it needs root and "
                    "setpriv, and a build folder that other users may read)";
  }
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("counter", "1");
  fs::permissions(folder.Native(), fs::perms::all);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ASSERT_TRUE(AXOTestChangeOwner(file, kAXOTestOtherOwner));
  EXPECT_TRUE(AXOTestChildProcess::Run(
      "PlatformUpdateFileExclusivelyChild.DISABLED_ReplacesItsReadOnlyFileOnceMadeWritable",
      {{kFolderVariable, folder.Native().u8string()}}, launcher));
  EXPECT_EQ(AXOTestReadFile(file), "1+");
  EXPECT_EQ(AXOTestOwnerOf(file), kAXOTestOtherOwner);
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
