#ifndef AXOTrsTestProcess_h
#define AXOTrsTestProcess_h

// Test support: runs a test of this test program in a new process. The
// controllers are process-wide singletons, so a test of their creation
// needs a process that has none yet, whatever ran before it.
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
    AXOPlatform* platform = AXOPlatform::Get();
    const std::filesystem::path marker =
        std::filesystem::temp_directory_path() /
        ("axotrs-child-" + std::to_string(platform->ProcessId()) + ".passed");
    std::filesystem::remove(marker);
    platform->SetEnv(kChildTest, CurrentTestName().c_str());
    platform->SetEnv(kMarker, marker.u8string().c_str());
    const std::int64_t child =
        platform->StartProcess({platform->ExecutablePath(), "--gtest_filter=" + CurrentTestName()});
    const int exit_code = child > 0 ? platform->WaitForProcess(child) : -1;
    platform->SetEnv(kChildTest, nullptr);
    platform->SetEnv(kMarker, nullptr);
    EXPECT_TRUE(exit_code == 0 && std::filesystem::exists(marker)) << "in a new process";
    std::filesystem::remove(marker);
    return true;
  }

 private:
  // True in a process started by RunInNewProcess for this test.
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
