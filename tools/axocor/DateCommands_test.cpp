#include <gtest/gtest.h>

#include <string>

#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "axocor/CommandTestRun.h"

namespace {

// Runs under the en_US conventions where the date parser follows LC_ALL;
// elsewhere (Windows) the user's settings decide, so only ISO texts, which
// every locale reads, are used.
class DateCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    had_locale_ = AXOPlatform::Get()->GetEnv("LC_ALL", locale_).ok();
    AXOPlatform::Get()->SetEnv("LC_ALL", "en_US.UTF-8");
  }
  void TearDown() override {
    AXOPlatform::Get()->SetEnv("LC_ALL", had_locale_ ? locale_.c_str() : nullptr);
  }

  bool had_locale_ = false;
  std::string locale_;
};

TEST_F(DateCommand, PrintsTheLocalTimeOfTheWordsJoined) {
  const CommandTestResult result =
      RunCommandForTest(RegisterDateCommands, {"date", "2024-03-15", "14:30:05"});
  EXPECT_EQ(0, result.status) << result.err;
  EXPECT_EQ("2024-03-15 14:30:05\n", result.out);
}

TEST_F(DateCommand, NamesTheTextItCannotRead) {
  const CommandTestResult result = RunCommandForTest(RegisterDateCommands, {"date", "13/13/2024"});
  EXPECT_EQ(1, result.status);
  EXPECT_EQ("", result.out);
  EXPECT_NE(std::string::npos, result.err.find("'13/13/2024'")) << result.err;
}

}  // namespace
