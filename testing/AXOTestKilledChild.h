#ifndef AXOTestKilledChild_h
#define AXOTestKilledChild_h

// Test support (GoogleTest): crashes on purpose. A test runs one of its own
// disabled tests as a child process, which writes a file again and again,
// and kills it at a random moment of that work, as a crash or a power cut
// would; the test then checks what the child left behind.
//
// The child learns from the environment where to say that it is ready
// (AXOTestChildIsReady) and keeps working until it is killed, or gives up
// after a while should its parent be gone (AXOTestChildMayGoOn).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "AXOPlatform.h"
#include "AXOPlatformTesting.h"

constexpr const char kAXOTestReadyVariable[] = "AXO_TEST_CHILD_READY";

// In the child: makes the file the parent waits for.
inline void AXOTestChildIsReady() {
  std::string ready;
  if (AXOPlatform::Get()->GetEnv(kAXOTestReadyVariable, ready).ok()) {
    std::ofstream(std::filesystem::u8path(ready)) << "ready";
  }
}

// In the child: true while it should go on working (a minute at most).
inline bool AXOTestChildMayGoOn(std::chrono::steady_clock::time_point started) {
  return std::chrono::steady_clock::now() - started < std::chrono::minutes(1);
}

// In the parent: runs the disabled test `childTest` ("Suite.DISABLED_Name")
// of this program as a child, waits until it is ready, lets it work for a
// random time of up to `maxWork` and kills it. `ready` (native) is the file
// the child makes when ready; it should lie outside the folder under test.
// False when the child could not be started or never got ready.
inline bool AXOTestRunAndKillChild(const std::string& childTest, const std::filesystem::path& ready,
                                   std::chrono::microseconds maxWork, std::mt19937& random) {
  AXOPlatform* platform = AXOPlatform::Get();
  std::error_code ignored;
  std::filesystem::remove(ready, ignored);
  platform->SetEnv(kAXOTestReadyVariable, ready.u8string().c_str());
  AXOPlatformTesting& testing = AXOPlatformTesting::Get();
  std::string executable;
  std::int64_t child = 0;
  const bool started = platform->ExecutablePath(executable).ok() &&
                       testing
                           .StartProcess({executable, "--gtest_filter=" + childTest,
                                          "--gtest_also_run_disabled_tests", "--gtest_brief=1"},
                                         child)
                           .ok();
  platform->SetEnv(kAXOTestReadyVariable, nullptr);
  if (!started) return false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  bool got_ready = false;
  while (!(got_ready = std::filesystem::exists(ready, ignored)) &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  std::uniform_int_distribution<std::int64_t> work(0, maxWork.count());
  if (got_ready) std::this_thread::sleep_for(std::chrono::microseconds(work(random)));
  testing.KillProcess(child);
  int exit_code = 0;
  testing.WaitForProcess(child, exit_code);
  return got_ready;
}

// In the parent: the regular files in `folder` (native), to tell that a
// killed child left no more than one temporary file behind.
inline int AXOTestRegularFileCount(const std::filesystem::path& folder) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files += entry.is_regular_file();
  }
  return files;
}

// In the parent: how many children a test kills. `most` of them, or fewer
// where starting a program is slow (under an emulator): none is started
// once `budget` has passed, but at least `least` are.
class AXOTestKillBudget {
 public:
  explicit AXOTestKillBudget(int least = 30, int most = 150,
                             std::chrono::seconds budget = std::chrono::seconds(20))
      : least_(least), most_(most), end_(std::chrono::steady_clock::now() + budget) {}

  // Whether to kill another child after `done` of them.
  bool Another(int done) const {
    return done < least_ || (done < most_ && std::chrono::steady_clock::now() < end_);
  }

 private:
  const int least_;
  const int most_;
  const std::chrono::steady_clock::time_point end_;
};

#endif  // AXOTestKilledChild_h
