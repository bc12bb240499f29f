#include "AXOCorEnvVarManager.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AXOTestTexts.h"

namespace {

const char kPathVariable[] = "AXO_TEST_RUNTIME_PATH";
const char kStandard[] = "CATCollectionStandard";
const char kDefaultStandard[] = "CATDefaultCollectionStandard";

// Gives each test the variables it sets, unset at first, and restores
// their values afterwards.
class EnvVarManagerTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {kPathVariable, kStandard, kDefaultStandard}) {
      std::string value;
      if (AXOPlatform::Get()->GetEnv(name, value).ok()) saved_[name] = value;
      AXOPlatform::Get()->SetEnv(name, nullptr);
    }
  }
  void TearDown() override {
    for (const char* name : {kPathVariable, kStandard, kDefaultStandard}) {
      const auto saved = saved_.find(name);
      AXOPlatform::Get()->SetEnv(name, saved != saved_.end() ? saved->second.c_str() : nullptr);
    }
  }
  static void Set(const char* name, const std::string& value) {
    ASSERT_TRUE(AXOPlatform::Get()->SetEnv(name, value.c_str()).ok());
  }

  AXOTestTempFolder folder_;

 private:
  std::map<std::string, std::string> saved_;
};

// An unset or empty variable gives no directory, and so does no name.
TEST_F(EnvVarManagerTest, ValuesAreTheDirectoriesInOrderWithEmptyEntries) {
  struct {
    const char* value;  // null: unset
    std::vector<std::string> directories;
  } cases[] = {
      {nullptr, {}},
      {"C:\\a;;C:\\b", {"C:\\a", "", "C:\\b"}},
      {"a;b;", {"a", "b", ""}},
      {"C:\\only", {"C:\\only"}},
      {";", {"", ""}},
      {"", {}},  // on Windows an empty value removes the variable
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value != nullptr ? c.value : "(unset)");
    if (c.value != nullptr) Set(kPathVariable, c.value);
    CATListValCATUnicodeString directories;
    directories.Append("kept");
    AXOCorEnvVarManager::GetEnvVariableValues(kPathVariable, directories);
    std::vector<std::string> expect{"kept"};
    expect.insert(expect.end(), c.directories.begin(), c.directories.end());
    EXPECT_EQ(AXOTestTexts(directories), expect);
  }
  CATListValCATUnicodeString directories;
  AXOCorEnvVarManager::GetEnvVariableValues(nullptr, directories);
  EXPECT_EQ(directories.Size(), 0);
}

TEST_F(EnvVarManagerTest, ValueIsTheWholeTextOnlyWhenSet) {
  CATUnicodeString value("kept");
  AXOCorEnvVarManager::GetEnvVariableValue(kPathVariable, value);
  EXPECT_EQ(value, "kept");
  Set(kPathVariable, "a;b;");
  AXOCorEnvVarManager::GetEnvVariableValue(kPathVariable, value);
  EXPECT_EQ(value, "a;b;");
}

TEST_F(EnvVarManagerTest, RuntimeFileComesFromTheFirstDirectoryThatHoldsIt) {
  folder_.MakeFolder("first");
  folder_.WriteFile("second/plan.xml");
  folder_.WriteFile("third/plan.xml");
  Set(kPathVariable,
      folder_.Host("first") + ";" + folder_.Host("second") + ";" + folder_.Host("third"));
  CATUnicodeString path;
  ASSERT_TRUE(AXOCorEnvVarManager::GetRuntimeFilePath(kPathVariable, "plan.xml", path));
  EXPECT_EQ(std::string(path.ConvertToChar()), folder_.Host("second") + "\\plan.xml");
}

TEST_F(EnvVarManagerTest, RuntimeFileMissOutputDependsOnWhetherADirectoryWasTried) {
  CATUnicodeString path("untouched");
  EXPECT_FALSE(AXOCorEnvVarManager::GetRuntimeFilePath(kPathVariable, "plan.xml", path));
  EXPECT_EQ(path, "untouched") << "unset variable";
  folder_.MakeFolder("first/plan.xml");  // a directory is not a file
  Set(kPathVariable, folder_.Host("first") + ";" + folder_.Host("missing"));
  EXPECT_FALSE(AXOCorEnvVarManager::GetRuntimeFilePath(kPathVariable, "plan.xml", path));
  EXPECT_EQ(path, "");
}

TEST_F(EnvVarManagerTest, RuntimeFileBeyondTheHostsPathBufferIsNeverAnotherFile) {
  // A folder of 255 bytes: "<folder>\pla" fits the host's 260-byte buffer,
  // and "<folder>\plan.xml" cut to fit would be that file.
  const std::size_t base = folder_.Host().size();
  ASSERT_LT(base, 150u);
  const std::string relative = std::string(100, 'd') + "/" + std::string(254 - base - 101, 'e');
  ASSERT_EQ(folder_.Host(relative).size(), 255u);
  folder_.WriteFile(relative + "/pla");
  Set(kPathVariable, folder_.Host(relative));
  CATUnicodeString path("untouched");
  EXPECT_FALSE(AXOCorEnvVarManager::GetRuntimeFilePath(kPathVariable, "plan.xml", path));
  EXPECT_EQ(path, "");
  ASSERT_TRUE(AXOCorEnvVarManager::GetRuntimeFilePath(kPathVariable, "pla", path));
  EXPECT_EQ(std::string(path.ConvertToChar()), folder_.Host(relative + "/pla"));
}

TEST_F(EnvVarManagerTest, CatalogPathPutsNoSeparatorBetweenDirectoryAndName) {
  folder_.WriteFile("cat/steel.catalog");
  folder_.WriteFile("catsteel.catalog");
  Set(kPathVariable, folder_.Host("missing") + ";" + folder_.Host("cat"));
  CATUnicodeString path("untouched");
  ASSERT_TRUE(AXOCorEnvVarManager::GetAXOCatalogFilePath(kPathVariable, "steel.catalog", path));
  EXPECT_EQ(std::string(path.ConvertToChar()), folder_.Host("catsteel.catalog"));
  ASSERT_TRUE(AXOCorEnvVarManager::GetAXOCatalogFilePath(kPathVariable, "\\steel.catalog", path));
  EXPECT_EQ(std::string(path.ConvertToChar()), folder_.Host("cat/steel.catalog"));
  EXPECT_FALSE(AXOCorEnvVarManager::GetAXOCatalogFilePath(kPathVariable, "none.catalog", path));
  EXPECT_EQ(path, "");
}

TEST_F(EnvVarManagerTest, StandardFileFallsBackToTheDefaultCollection) {
  folder_.WriteFile("default/gvs_includes/inc.xml");
  folder_.WriteFile("default/only.xml");
  folder_.WriteFile("standard/gvs_includes/inc.xml");
  Set(kStandard, folder_.Host("standard"));
  Set(kDefaultStandard, folder_.Host("default"));
  CATUnicodeString path;
  ASSERT_TRUE(AXOCorEnvVarManager::GetStandardFilePath("gvs_includes\\inc.xml", path));
  EXPECT_EQ(std::string(path.ConvertToChar()),
            folder_.Host("standard") + "\\gvs_includes\\inc.xml");
  ASSERT_TRUE(AXOCorEnvVarManager::GetStandardFilePath("only.xml", path));
  EXPECT_EQ(std::string(path.ConvertToChar()), folder_.Host("default") + "\\only.xml");
  path = "old";
  EXPECT_FALSE(AXOCorEnvVarManager::GetStandardFilePath("none.xml", path));
  EXPECT_EQ(path, "");
}

TEST_F(EnvVarManagerTest, GVSNamesAreUniqueWhateverTheirCase) {
  CATListValCATUnicodeString names;
  AXOCorEnvVarManager::GetGVSNames(names);
  EXPECT_EQ(names.Size(), 0) << "without collections";

  folder_.WriteFile("one/generativeparameters/Wall.xml");
  folder_.WriteFile("one/generativeparameters/Slab.XML");
  folder_.WriteFile("one/generativeparameters/readme.txt");
  folder_.WriteFile("two/generativeparameters/wall.xml");
  folder_.WriteFile("two/generativeparameters/Beam.xml");
  folder_.WriteFile("three/generativeparameters/beam.xml");
  Set(kStandard, folder_.Host("one") + ";" + folder_.Host("missing"));
  Set(kDefaultStandard, folder_.Host("two") + ";" + folder_.Host("three"));
  names.Append("kept");
  AXOCorEnvVarManager::GetGVSNames(names);
  EXPECT_EQ(AXOTestTexts(names), (std::vector<std::string>{"kept", "Slab", "Wall", "Beam"}));
}

}  // namespace
