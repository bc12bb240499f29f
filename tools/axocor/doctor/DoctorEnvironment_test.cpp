#include "DoctorEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "CATHostPath.h"

namespace axocor::doctor {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class EnvironmentFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("axo-doctor-env-" + std::to_string(std::random_device()()));
    fs::create_directories(folder_);
    host_ = CATHostPathOfNative(folder_.u8string());
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& content, const char* name = "axocor-env.txt") {
    std::ofstream(folder_ / name, std::ios::binary) << content;
    return (folder_ / name).string();
  }
  void MakeFolder(const char* relative) { fs::create_directories(folder_ / relative); }

  fs::path folder_;
  std::string host_;  // the folder in host form
};

TEST_F(EnvironmentFile, ResolvesRelativeEntriesFromTheFileFolder) {
  struct Case {
    std::string value;
    std::string expected;  // "@" stands for the folder in host form
  } cases[] = {
      {"startup/main", "@\\startup\\main"},
      {"startup\\main;startup/site", "@\\startup\\main;@\\startup\\site"},
      {"./a", "@\\a"},
      {" a ; b ", "@\\a;@\\b"},
      {"a;;b;", "@\\a;;@\\b;"},  // empty entries stay, to be reported
      {"\\\\server\\share\\x", "\\\\server\\share\\x"},
      {"C:/Program Files/AXO", "C:\\Program Files\\AXO"},
      {"/opt/axo", "\\opt\\axo"},
      {"graphic/Dictionaries/", "@\\graphic\\Dictionaries\\"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    Environment environment;
    std::string error;
    ASSERT_TRUE(LoadEnvironmentFile(Write("CATGraphicPath=" + c.value + "\n"), environment, error))
        << error;
    std::string expected = c.expected;
    for (auto at = expected.find('@'); at != std::string::npos; at = expected.find('@')) {
      expected.replace(at, 1, host_);
    }
    ASSERT_NE(environment.Find("CATGraphicPath"), nullptr);
    EXPECT_EQ(*environment.Find("CATGraphicPath"), expected);
  }
}

TEST_F(EnvironmentFile, SkipsCommentsAndKeepsNameListsAsWritten) {
  Environment environment;
  std::string error;
  ASSERT_TRUE(LoadEnvironmentFile(Write("# comment\r\n\r\n   # indented comment\n"
                                        "AXOCounterNames = WallID; DoorID\r\n"
                                        "CATStartupPath=s\n"),
                                  environment, error))
      << error;
  ASSERT_EQ(environment.variables.size(), 2u);
  // In the order of the known variables, not of the file.
  EXPECT_EQ(environment.variables[0].first, "CATStartupPath");
  EXPECT_EQ(environment.variables[1].first, "AXOCounterNames");
  EXPECT_EQ(environment.variables[1].second, "WallID;DoorID");
  EXPECT_EQ(environment.Find("CATGraphicPath"), nullptr);
}

TEST_F(EnvironmentFile, RejectsBadLinesNamingFileAndLine) {
  struct Case {
    std::string content;
    std::string expectedError;  // after "<file>:"
  } cases[] = {
      {"CATStartupPath\n", "1: expected VAR=value, found 'CATStartupPath'"},
      {"# c\nCATStartupPath=a\nCATStartupPath=b\n",
       "3: 'CATStartupPath' is set again (first on line 2)"},
      {"CATStartupPth=a\n", "1: unknown variable 'CATStartupPth' (known: CATStartupPath,"},
      {"=a\n", "1: unknown variable ''"},
      // What a file holds is shown escaped, and only the start of a long line.
      {"\x7F"
       "ELF\x02\x01\0\xFF\n"s,
       "1: expected VAR=value, found '\\x7FELF\\x02\\x01\\x00\\xFF'"},
      {"\x1B[2JX=1\n", "1: unknown variable '\\x1B[2JX'"},
      {std::string(100, 'x') + "\n",
       "1: expected VAR=value, found '" + std::string(60, 'x') + "...'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    Environment environment;
    std::string error;
    const std::string file = Write(c.content);
    EXPECT_FALSE(LoadEnvironmentFile(file, environment, error));
    EXPECT_EQ(error.rfind(file + ":" + c.expectedError, 0), 0u) << error;
  }
  Environment environment;
  std::string error;
  EXPECT_FALSE(LoadEnvironmentFile((folder_ / "missing.txt").string(), environment, error));
  EXPECT_NE(error.find("missing.txt: no such file or folder"), std::string::npos) << error;
}

TEST_F(EnvironmentFile, FolderWithoutFileIsReadByItsLayout) {
  MakeFolder("startup/site");
  MakeFolder("startup/main");
  MakeFolder("collection/default");
  MakeFolder("resources/graphic");
  MakeFolder("profilemaps");
  Write("A,B,C\n", "profilemaps/b.csv");
  Write("A,B,C\n", "profilemaps/a.csv");
  Write("", "profilemaps/notes.txt");
  Environment environment;
  std::string error;
  ASSERT_TRUE(LoadInstallationFolder(folder_.string(), environment, error)) << error;
  const auto value = [&](const char* name) {
    const std::string* found = environment.Find(name);
    return found == nullptr ? std::string("<unset>") : *found;
  };
  EXPECT_EQ(value("CATStartupPath"), host_ + "\\startup\\main;" + host_ + "\\startup\\site");
  EXPECT_EQ(value("CATCollectionStandard"), "<unset>");
  EXPECT_EQ(value("CATDefaultCollectionStandard"), host_ + "\\collection\\default");
  EXPECT_EQ(value("CATGraphicPath"), host_ + "\\resources\\graphic");
  EXPECT_EQ(value("AXOProfileMap"),
            host_ + "\\profilemaps\\a.csv;" + host_ + "\\profilemaps\\b.csv");
}

TEST_F(EnvironmentFile, FolderWithFileUsesTheFile) {
  Write("CATStartupPath=elsewhere\n");
  MakeFolder("startup/main");
  Environment environment;
  std::string error;
  ASSERT_TRUE(LoadInstallationFolder(folder_.string(), environment, error)) << error;
  EXPECT_EQ(*environment.Find("CATStartupPath"), host_ + "\\elsewhere");
  EXPECT_FALSE(LoadInstallationFolder((folder_ / "nope").string(), environment, error));
  EXPECT_NE(error.find("not a folder"), std::string::npos);
}

}  // namespace
}  // namespace axocor::doctor
