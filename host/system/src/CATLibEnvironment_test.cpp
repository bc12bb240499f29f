#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "CATLib.h"

namespace {

const char kVariable[] = "AXO_TEST_CATLIB_PATH";

// Sets the test variable for one test and removes it afterwards.
class EnvironmentTest : public testing::Test {
 protected:
  void TearDown() override { AXOPlatform::Get()->SetEnv(kVariable, nullptr); }
  void SetVariable(const std::string& value) {
    ASSERT_TRUE(AXOPlatform::Get()->SetEnv(kVariable, value.c_str()).ok());
  }
};

TEST_F(EnvironmentTest, GetEnvValueHandsOutAFreeableCopy) {
  SetVariable("c:\\a;c:\\b");
  char* value = nullptr;
  ASSERT_EQ(CATGetEnvValue(kVariable, &value), 0);
  ASSERT_NE(value, nullptr);
  EXPECT_STREQ(value, "c:\\a;c:\\b");
  std::free(value);
}

TEST_F(EnvironmentTest, GetEnvValueReportsAnUnsetVariable) {
  char* value = reinterpret_cast<char*>(&value);  // must be reset
  EXPECT_EQ(CATGetEnvValue(kVariable, &value), -1);
  EXPECT_EQ(value, nullptr);
  EXPECT_EQ(CATGetEnvValue(nullptr, &value), -1);
}

TEST_F(EnvironmentTest, FindsARelativePathInTheFirstDirectoryThatHoldsIt) {
  AXOTestTempFolder folder;
  folder.WriteFile("second/gvs_includes/inc.xml");
  folder.WriteFile("third/gvs_includes/inc.xml");
  folder.MakeFolder("first");
  SetVariable(folder.Host("first") + ";;" + folder.Host("second") + "\\;" + folder.Host("third"));
  char buffer[CAT_MAX_OFFICIAL_PATH] = {};
  ASSERT_EQ(CATGetFilePathFromOfficialVariable("gvs_includes\\inc.xml", kVariable, buffer), 0);
  EXPECT_EQ(std::string(buffer), folder.Host("second") + "\\gvs_includes\\inc.xml");
}

TEST_F(EnvironmentTest, OfficialLookupIgnoresDirectoriesOfTheSameName) {
  AXOTestTempFolder folder;
  folder.MakeFolder("first/plan.xml");
  folder.WriteFile("second/plan.xml");
  SetVariable(folder.Host("first") + ";" + folder.Host("second"));
  char buffer[CAT_MAX_OFFICIAL_PATH] = {};
  ASSERT_EQ(CATGetFilePathFromOfficialVariable("plan.xml", kVariable, buffer), 0);
  EXPECT_EQ(std::string(buffer), folder.Host("second") + "\\plan.xml");
}

TEST_F(EnvironmentTest, OfficialLookupFailureLeavesTheBuffer) {
  AXOTestTempFolder folder;
  char buffer[CAT_MAX_OFFICIAL_PATH] = "untouched";
  EXPECT_EQ(CATGetFilePathFromOfficialVariable("plan.xml", kVariable, buffer), -1) << "unset";
  SetVariable(folder.Host());
  EXPECT_EQ(CATGetFilePathFromOfficialVariable("plan.xml", kVariable, buffer), -1) << "missing";
  EXPECT_EQ(CATGetFilePathFromOfficialVariable(nullptr, kVariable, buffer), -1);
  EXPECT_EQ(CATGetFilePathFromOfficialVariable("plan.xml", nullptr, buffer), -1);
  EXPECT_STREQ(buffer, "untouched");
}

TEST_F(EnvironmentTest, OfficialLookupSkipsPathsTooLongForTheBuffer) {
  AXOTestTempFolder folder;
  folder.WriteFile("plan.xml");
  // The same directory, spelt with enough "\.\" to pass the buffer size.
  std::string long_spelling = folder.Host();
  while (long_spelling.size() < CAT_MAX_OFFICIAL_PATH) long_spelling += "\\.";
  SetVariable(long_spelling);
  char buffer[CAT_MAX_OFFICIAL_PATH] = "untouched";
  EXPECT_EQ(CATGetFilePathFromOfficialVariable("plan.xml", kVariable, buffer), -1);
  EXPECT_STREQ(buffer, "untouched");
  SetVariable(long_spelling + ";" + folder.Host());
  ASSERT_EQ(CATGetFilePathFromOfficialVariable("plan.xml", kVariable, buffer), 0);
  EXPECT_EQ(std::string(buffer), folder.Host() + "\\plan.xml");
}

}  // namespace
