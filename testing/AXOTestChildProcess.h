#ifndef AXOTestChildProcess_h
#define AXOTestChildProcess_h

// Test support (GoogleTest): runs one test of this test program in a new
// process, for what one process must see of another (a file that the
// first saved, read by a second). The child's test is usually DISABLED_,
// so that it runs only when asked for, and ends with Passed():
//
//   TEST_F(Files, ASecondProcessReadsWhatTheFirstSaved) {
//     ... save ...
//     EXPECT_TRUE(AXOTestChildProcess::Run("Files.DISABLED_ReadSaved", {{"AXO_FILE", path}}));
//   }
//   TEST_F(Files, DISABLED_ReadSaved) {
//     ... read the file that AXO_FILE names ...
//     AXOTestChildProcess::Passed();
//   }

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "AXOPlatform.h"
#include "AXOPlatformTesting.h"

class AXOTestChildProcess {
 public:
  typedef std::vector<std::pair<std::string, std::string>> Variables;

  // Starts this test program again with `arguments`: the child's id, or
  // -1 when it cannot be started. With a `launcher` (a program and its
  // arguments, such as "/usr/bin/setpriv --reuid=65534 ..."), the launcher
  // is started with this program's path and `arguments` after its own.
  static std::int64_t StartSelf(const std::vector<std::string>& arguments,
                                const std::vector<std::string>& launcher = {}) {
    std::string executable;
    if (!AXOPlatform::Get()->ExecutablePath(executable).ok()) return -1;
    std::vector<std::string> all = launcher;
    all.push_back(executable);
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::int64_t child = -1;
    return AXOPlatformTesting::Get().StartProcess(all, child).ok() ? child : -1;
  }

  // Waits for a child of StartSelf: its exit code, or -1 when it did not
  // exit (killed, or never started).
  static int Wait(std::int64_t child) {
    int exit_code = -1;
    if (child < 0 || !AXOPlatformTesting::Get().WaitForProcess(child, exit_code).ok()) return -1;
    return exit_code;
  }

  // Runs this test program again with `arguments` and waits for it.
  static int RunSelf(const std::vector<std::string>& arguments,
                     const std::vector<std::string>& launcher = {}) {
    return Wait(StartSelf(arguments, launcher));
  }

  // Runs the test `name` ("Suite.Test", possibly DISABLED_) of this program
  // in a new process that inherits the environment, with `variables` set
  // (they are restored here afterwards), through `launcher` as StartSelf
  // takes it. True when it ran, ended with Passed() and exited with 0.
  static bool Run(const std::string& name, const Variables& variables = Variables(),
                  const std::vector<std::string>& launcher = {}) {
    AXOPlatform* platform = AXOPlatform::Get();
    const std::string marker = platform->TemporaryFolder() + "/axo-child-" +
                               std::to_string(platform->ProcessId()) + ".passed";
    Variables all = variables;
    all.emplace_back(kMarker, marker);
    std::vector<std::pair<std::string, bool>> saved;  // old value, was set
    for (const auto& variable : all) {
      std::string old;
      const bool was_set = platform->GetEnv(variable.first.c_str(), old).ok();
      saved.emplace_back(old, was_set);
      platform->SetEnv(variable.first.c_str(), variable.second.c_str());
    }
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::u8path(marker), ignored);
    const int exit_code =
        RunSelf({"--gtest_filter=" + name, "--gtest_also_run_disabled_tests"}, launcher);
    for (size_t i = 0; i < all.size(); ++i) {
      platform->SetEnv(all[i].first.c_str(), saved[i].second ? saved[i].first.c_str() : nullptr);
    }
    AXOFileContents said;
    const bool passed = exit_code == 0 && platform->ReadFile(marker, {16, false}, said).ok() &&
                        said.bytes == "passed";
    std::filesystem::remove(std::filesystem::u8path(marker), ignored);
    return passed;
  }

  // In the child, at the end of its test: tells the parent that the test
  // ran to here without a failure.
  static void Passed() {
    std::string marker;
    if (!::testing::Test::HasFailure() && AXOPlatform::Get()->GetEnv(kMarker, marker).ok()) {
      AXOPlatform::Get()->ReplaceFile(marker, "passed", AXOReplace::kAlways);
    }
  }

 private:
  static constexpr const char* kMarker = "AXO_TEST_CHILD_MARKER";
};

#endif  // AXOTestChildProcess_h
