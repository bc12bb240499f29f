#include <gtest/gtest.h>

#include <string>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "axocor/CommandTestRun.h"

namespace {

class DictionaryCommands : public ::testing::Test {
 protected:
  void TearDown() override { AXOPlatform::Get()->SetEnv("CATGraphicPath", nullptr); }

  AXOTestTempFolder folder_;
};

TEST_F(DictionaryCommands, PrintsInstalledOrOrderedNames) {
  folder_.WriteFile("g/Dictionaries/AXOUniformat.CATfct");
  folder_.WriteFile("g/Dictionaries/AXOCustom.CATfct");
  AXOPlatform::Get()->SetEnv("CATGraphicPath", folder_.Host("g/Dictionaries").c_str());

  const CommandTestResult all = RunCommandForTest(RegisterDictionaryCommands, {"dictionaries"});
  EXPECT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(all.out, "AXOCustom.CATfct\nAXOUniformat.CATfct\n");

  const CommandTestResult ordered =
      RunCommandForTest(RegisterDictionaryCommands, {"dictionaries", "--ordered"});
  EXPECT_EQ(ordered.status, 0) << ordered.err;
  EXPECT_EQ(ordered.out.find("AXOAttBasePackages.CATfct\nAXOIfcProjectStructure.CATfct\n"), 0u);
  EXPECT_EQ(ordered.out.substr(ordered.out.size() - 45),
            "AXOUnspecifiedGroups.CATfct\nAXOCustom.CATfct\n");
}

TEST_F(DictionaryCommands, FailsWhenNoneIsInstalled) {
  AXOPlatform::Get()->SetEnv("CATGraphicPath", nullptr);
  const CommandTestResult result = RunCommandForTest(RegisterDictionaryCommands, {"dictionaries"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("CATGraphicPath"), std::string::npos) << result.err;
}

}  // namespace
