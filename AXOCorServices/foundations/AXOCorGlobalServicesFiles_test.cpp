#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOTestTempFolder.h"
#include "AXOTestTexts.h"

namespace {

// A folder with files and folders whose names test case and extensions.
class DirectoryListingTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteFile("a.xml");
    folder_.WriteFile("Plan.XML");
    folder_.WriteFile("notes.txt");
    folder_.WriteFile("xml");
    folder_.MakeFolder("b.xml");
    folder_.MakeFolder("planning");
  }
  AXOTestTempFolder folder_;
};

TEST_F(DirectoryListingTest, FindFileAndFindDirectoryTellEntriesApart) {
  struct {
    std::string path;
    bool file;
    bool directory;
  } cases[] = {
      {folder_.Host("a.xml"), true, false},
      {folder_.Host("b.xml"), false, true},
      {folder_.Host(), false, true},
      {folder_.Host() + "\\", false, true},
      {folder_.Host("missing"), false, false},
      {folder_.Host("a.xml") + "\\inner", false, false},
      {"", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(AXOCorGlobalServices::FindFile(c.path.c_str()), c.file);
    EXPECT_EQ(AXOCorGlobalServices::FindDirectory(c.path.c_str()), c.directory);
  }
}

TEST_F(DirectoryListingTest, ExtensionListingMatchesAnyCaseAndTakesDirectoriesToo) {
  CATListValCATUnicodeString names;
  names.Append("kept");
  AXOCorGlobalServices::FindFilesInDirectoryWithExtension(folder_.Host().c_str(), "xml", names);
  // "xml" has no dot: its extension is its whole name, which matches too.
  EXPECT_EQ(AXOTestTexts(names),
            (std::vector<std::string>{"kept", "Plan.XML", "a.xml", "b.xml", "xml"}));
}

TEST_F(DirectoryListingTest, NamePartListingKeepsOnlyFiles) {
  struct {
    const char* part;
    bool ignore_case;
    std::vector<std::string> names;
  } cases[] = {
      {"", false, {"Plan.XML", "a.xml", "notes.txt", "xml"}},
      {"xml", false, {"a.xml", "xml"}},
      {"xml", true, {"Plan.XML", "a.xml", "xml"}},
      {"plan", false, {}},
      {"PLAN", true, {"Plan.XML"}},
      {"*.xml", false, {}},
  };
  // A directory with a trailing separator lists the same.
  for (const std::string& directory : {folder_.Host(), folder_.Host() + "\\"}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message()
                   << directory << " '" << c.part << "' ignore case " << c.ignore_case);
      CATListValCATUnicodeString names;
      AXOCorGlobalServices::FindFilesInDirectory(directory.c_str(), c.part, c.ignore_case, names);
      EXPECT_EQ(AXOTestTexts(names), c.names);
    }
  }
}

TEST_F(DirectoryListingTest, MissingOrEmptyFoldersAppendNothing) {
  folder_.MakeFolder("empty");
  const std::string directories[] = {folder_.Host("missing"), folder_.Host("empty"),
                                     folder_.Host("a.xml"), ""};
  for (const std::string& directory : directories) {
    SCOPED_TRACE(directory);
    CATListValCATUnicodeString names;
    names.Append("kept");
    AXOCorGlobalServices::FindFilesInDirectoryWithExtension(directory.c_str(), "xml", names);
    AXOCorGlobalServices::FindFilesInDirectory(directory.c_str(), "", true, names);
    EXPECT_EQ(AXOTestTexts(names), std::vector<std::string>{"kept"});
  }
}

}  // namespace
