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
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "AXOPlatform.h"

class AXOTestChildProcess {
 public:
  typedef std::vector<std::pair<std::string, std::string>> Variables;

  // Runs the test `name` ("Suite.Test", possibly DISABLED_) of this program
  // in a new process that inherits the environment, with `variables` set
  // (they are restored here afterwards). True when it ran, ended with
  // Passed() and exited with 0.
  static bool Run(const std::string& name, const Variables& variables = Variables()) {
    AXOPlatform* platform = AXOPlatform::Get();
    const std::string executable = platform->ExecutablePath();
    if (executable.empty()) return false;
    const std::filesystem::path marker =
        std::filesystem::temp_directory_path() /
        ("axo-child-" + std::to_string(platform->ProcessId()) + ".passed");
    std::filesystem::remove(marker);
    Variables all = variables;
    all.emplace_back(kMarker, marker.u8string());
    std::vector<std::pair<std::string, bool>> saved;  // old value, was set
    for (const auto& variable : all) {
      std::string old;
      const bool was_set = platform->GetEnv(variable.first.c_str(), old);
      saved.emplace_back(old, was_set);
      platform->SetEnv(variable.first.c_str(), variable.second.c_str());
    }
    const std::int64_t child = platform->StartProcess(
        {executable, "--gtest_filter=" + name, "--gtest_also_run_disabled_tests"});
    const int exit_code = child > 0 ? platform->WaitForProcess(child) : -1;
    for (size_t i = 0; i < all.size(); ++i) {
      platform->SetEnv(all[i].first.c_str(), saved[i].second ? saved[i].first.c_str() : nullptr);
    }
    const bool passed = exit_code == 0 && std::filesystem::exists(marker);
    std::filesystem::remove(marker);
    return passed;
  }

  // In the child, at the end of its test: tells the parent that the test
  // ran to here without a failure.
  static void Passed() {
    std::string marker;
    if (!::testing::Test::HasFailure() && AXOPlatform::Get()->GetEnv(kMarker, marker)) {
      std::ofstream(std::filesystem::u8path(marker)) << "passed";
    }
  }

 private:
  static constexpr const char* kMarker = "AXO_TEST_CHILD_MARKER";
};

#endif  // AXOTestChildProcess_h
