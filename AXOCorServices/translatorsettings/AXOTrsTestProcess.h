#ifndef AXOTrsTestProcess_h
#define AXOTrsTestProcess_h

// Test support: runs a test of this test program in a new process. The
// controllers are process-wide singletons, so a test of their creation
// needs a process that has none yet, whatever ran before it; and what one
// process saves must be read by another.
//
//   TEST_F(AXOTrsProcessTest, Something) {
//     if (RunInNewProcess()) return;  // the parent ends here
//     ... body, run in the new process ...
//   }
//
// The new process inherits the environment, and with it the settings
// folder of CATSettingTestFolder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AXOPlatform.h"
#include "CATSettingTestFolder.h"

class AXOTrsProcessTest : public CATSettingTestFolder {
 protected:
  void TearDown() override {
    // Tell the parent that the body ran to its end without a failure.
    std::string marker;
    if (InNewProcess() && !HasFailure() && AXOPlatform::Get()->GetEnv(kMarker, marker)) {
      std::ofstream(std::filesystem::u8path(marker)) << "passed";
    }
    CATSettingTestFolder::TearDown();
  }

  // In the process that the test runner started: runs this very test in a
  // new process, records a failure unless it passed there, and returns
  // true. In that new process: returns false, and the body goes on.
  bool RunInNewProcess() {
    if (InNewProcess()) return false;
    EXPECT_TRUE(Run(CurrentTestName())) << "in a new process";
    return true;
  }

  // Runs the test `name` ("Suite.Test", possibly DISABLED_) of this program
  // in a new process; true when it ran and passed. The process may itself
  // be one that Run started.
  static bool Run(const std::string& name) {
    AXOPlatform* platform = AXOPlatform::Get();
    const std::string executable = platform->ExecutablePath();
    if (executable.empty()) return false;
    const std::filesystem::path marker =
        std::filesystem::temp_directory_path() /
        ("axotrs-child-" + std::to_string(platform->ProcessId()) + ".passed");
    std::filesystem::remove(marker);
    const ScopedVariable child_test(kChildTest, name);
    const ScopedVariable child_marker(kMarker, marker.u8string());
    const std::int64_t child = platform->StartProcess(
        {executable, "--gtest_filter=" + name, "--gtest_also_run_disabled_tests"});
    const int exit_code = child > 0 ? platform->WaitForProcess(child) : -1;
    const bool passed = exit_code == 0 && std::filesystem::exists(marker);
    std::filesystem::remove(marker);
    return passed;
  }

  // Sets an environment variable for its lifetime, then restores it.
  class ScopedVariable {
   public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
      had_value_ = AXOPlatform::Get()->GetEnv(name, old_value_);
      AXOPlatform::Get()->SetEnv(name, value.c_str());
    }
    ~ScopedVariable() {
      AXOPlatform::Get()->SetEnv(name_, had_value_ ? old_value_.c_str() : nullptr);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

   private:
    const char* name_;
    bool had_value_ = false;
    std::string old_value_;
  };

  // True in a process started by Run for this test.
  static bool InNewProcess() {
    std::string name;
    return AXOPlatform::Get()->GetEnv(kChildTest, name) && name == CurrentTestName();
  }

  static std::string CurrentTestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "." + info->name();
  }

  static constexpr const char* kChildTest = "AXO_TRS_CHILD_TEST";
  static constexpr const char* kMarker = "AXO_TRS_CHILD_MARKER";
};

#endif  // AXOTrsTestProcess_h
