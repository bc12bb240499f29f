#include <gtest/gtest.h>

#include <string>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "axocor/CommandTestRun.h"

namespace {

class CatalogCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteFile("one/Catalogs/Structural Steel/Euro/IPE.catalog");
    folder_.WriteFile("two/Catalogs/Structural Steel/Euro/IPE.catalog");
    folder_.WriteFile("two/Catalogs/Structural Steel/US/W.catalog");
    const std::string paths = folder_.Host("one") + ";" + folder_.Host("two");
    AXOPlatform::Get()->SetEnv("CATStartupPath", paths.c_str());
  }
  void TearDown() override { AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr); }

  AXOTestTempFolder folder_;
};

TEST_F(CatalogCommands, SteelPrintsEachCatalogOnce) {
  const CommandTestResult steel = RunCommandForTest(RegisterCatalogCommands, {"catalogs", "steel"});
  EXPECT_EQ(steel.status, 0) << steel.err;
  EXPECT_EQ(steel.out, "IPE\nW\n");

  AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
  const CommandTestResult none = RunCommandForTest(RegisterCatalogCommands, {"catalogs", "steel"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find("no steel section catalog"), std::string::npos);
}

TEST_F(CatalogCommands, FindPrintsTheFirstPathOrFails) {
  const CommandTestResult found = RunCommandForTest(
      RegisterCatalogCommands, {"catalogs", "find", "IPE", "Structural Steel\\Euro"});
  EXPECT_EQ(found.status, 0) << found.err;
  EXPECT_EQ(found.out,
            (folder_.Native("one") / "Catalogs" / "Structural Steel" / "Euro" / "IPE.catalog")
                    .u8string() +
                "\n");

  const CommandTestResult missing = RunCommandForTest(
      RegisterCatalogCommands, {"catalogs", "find", "W", "Structural Steel\\Euro"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("no file 'W.catalog' in Catalogs\\Structural Steel\\Euro below any "
                             "of the 2 startup paths"),
            std::string::npos)
      << missing.err;
}

}  // namespace
