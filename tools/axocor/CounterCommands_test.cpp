#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "axocor/CommandTestRun.h"

namespace {

class CounterCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    counter_ = folder_.WriteFile("startup/IDSequenceNumbers/beams", "41");
    AXOPlatform::Get()->SetEnv("CATStartupPath", folder_.Host("startup").c_str());
  }
  void TearDown() override { AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr); }

  std::string CounterFile() const {
    std::ifstream in(counter_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  AXOTestTempFolder folder_;
  std::filesystem::path counter_;
};

TEST_F(CounterCommand, PrintsTheFirstNumberReserved) {
  const CommandTestResult one = RunCommandForTest(RegisterCounterCommands, {"counter", "beams"});
  EXPECT_EQ(0, one.status) << one.err;
  EXPECT_EQ("42\n", one.out);
  const CommandTestResult ten =
      RunCommandForTest(RegisterCounterCommands, {"counter", "beams", "-n", "10"});
  EXPECT_EQ(0, ten.status) << ten.err;
  EXPECT_EQ("43\n", ten.out);
  EXPECT_EQ("52", CounterFile());
}

TEST_F(CounterCommand, FailsClearlyWhenNothingCanBeReserved) {
  const CommandTestResult missing =
      RunCommandForTest(RegisterCounterCommands, {"counter", "walls"});
  EXPECT_EQ(1, missing.status);
  EXPECT_EQ("", missing.out);
  EXPECT_NE(std::string::npos, missing.err.find("counter 'walls'")) << missing.err;

  const CommandTestResult zero =
      RunCommandForTest(RegisterCounterCommands, {"counter", "beams", "-n", "0"});
  EXPECT_NE(0, zero.status);
  EXPECT_EQ("41", CounterFile());

  AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
  const CommandTestResult unset = RunCommandForTest(RegisterCounterCommands, {"counter", "beams"});
  EXPECT_EQ(1, unset.status);
  EXPECT_NE(std::string::npos, unset.err.find("CATStartupPath")) << unset.err;
}

}  // namespace
