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

#include <string>

#include "AXOPlatform.h"
#include "AXOTestChildProcess.h"
#include "CATSettingTestFolder.h"

class AXOTrsProcessTest : public CATSettingTestFolder {
 protected:
  void TearDown() override {
    if (InNewProcess()) AXOTestChildProcess::Passed();
    CATSettingTestFolder::TearDown();
  }

  // In the process that the test runner started: runs this very test in a
  // new process, records a failure unless it passed there, and returns
  // true. In that new process: returns false, and the body goes on.
  bool RunInNewProcess() {
    if (InNewProcess()) return false;
    EXPECT_TRUE(AXOTestChildProcess::Run(CurrentTestName(), {{kChildTest, CurrentTestName()}}))
        << "in a new process";
    return true;
  }

 private:
  // True in a process started by RunInNewProcess for this test.
  static bool InNewProcess() {
    std::string name;
    return AXOPlatform::Get()->GetEnv(kChildTest, name).ok() && name == CurrentTestName();
  }

  static std::string CurrentTestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "." + info->name();
  }

  static constexpr const char* kChildTest = "AXO_TRS_CHILD_TEST";
};

#endif  // AXOTrsTestProcess_h
