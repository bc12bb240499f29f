#include <gtest/gtest.h>

#include <string>

#include "AXOCorParserServices.h"

namespace {

TEST(SplitFilePath, GivesTheHostsDirectoryAndFileName) {
  struct {
    const char* path;
    const char* directory;
    const char* file;
  } cases[] = {
      {"c:\\data\\plan.xml", "c:\\data", "plan.xml"},
      {"c:\\plan.xml", "c:\\", "plan.xml"},
      {"plan.xml", "", "plan.xml"},
      {"c:\\data\\", "c:\\data", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    CATUnicodeString directory("old");
    CATUnicodeString file("old");
    AXOCorParserServices::SplitFilePath(c.path, directory, file);
    EXPECT_EQ(directory, c.directory);
    EXPECT_EQ(file, c.file);
  }
}

TEST(MakeFilePath, JoinsWithOneSeparator) {
  struct {
    const char* directory;
    const char* file;
    const char* path;
  } cases[] = {
      {"c:\\data", "plan.xml", "c:\\data\\plan.xml"},
      {"c:\\data\\", "plan.xml", "c:\\data\\plan.xml"},
      {"", "plan.xml", "plan.xml"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.directory) + " + " + c.file);
    CATUnicodeString path("old");
    AXOCorParserServices::MakeFilePath(c.directory, c.file, path);
    EXPECT_EQ(path, c.path);
  }
}

TEST(MakeFilePath, OutputMayBeAnInput) {
  CATUnicodeString text("c:\\data");
  AXOCorParserServices::MakeFilePath(text, text, text);
  EXPECT_EQ(text, "c:\\data\\c:\\data");
}

TEST(SplitAndMakeFilePath, PathsBeyondTheHostsBuffersGiveEmptyTexts) {
  const std::string folder(250, 'f');
  std::string umlauts;  // 2 bytes each: a cut at 259 bytes would split one
  for (int i = 0; i < 130; ++i) umlauts += "\xC3\xA4";
  const struct {
    std::string directory;
    std::string file;
    std::string path;
  } joins[] = {
      {folder, "plan.xml", folder + "\\plan.xml"},  // 259 bytes
      {folder, "plan.xmlx", ""},                    // 260
      {"c:\\", umlauts, ""},
  };
  for (const auto& c : joins) {
    SCOPED_TRACE(c.directory.size() + c.file.size());
    CATUnicodeString path("old");
    AXOCorParserServices::MakeFilePath(c.directory.c_str(), c.file.c_str(), path);
    EXPECT_EQ(std::string(path.ConvertToChar()), c.path);
  }

  const struct {
    std::string path;
    std::string directory;
    std::string file;
  } splits[] = {
      {folder + "\\" + folder, folder, folder},  // each part fits
      {folder + "\\" + folder + "\\x", "", ""},
      {"c:\\" + umlauts, "", ""},
  };
  for (const auto& c : splits) {
    SCOPED_TRACE(c.path.size());
    CATUnicodeString directory("old");
    CATUnicodeString file("old");
    AXOCorParserServices::SplitFilePath(c.path.c_str(), directory, file);
    EXPECT_EQ(std::string(directory.ConvertToChar()), c.directory);
    EXPECT_EQ(std::string(file.ConvertToChar()), c.file);
  }
}

TEST(VerifyFileExtension, AppendsTheExtensionUnlessItEndsTheName) {
  struct {
    const char* name;
    const char* extension;
    const char* expect;
  } cases[] = {
      {"plan", "xml", "plan.xml"},
      {"plan.xml", "xml", "plan.xml"},
      {"data.csv", "csv", "data.csv"},
      {"plan.XML", "xml", "plan.XML.xml"},
      {"a.xml.xml", "xml", "a.xml.xml.xml"},
      {".xml", "xml", ".xml.xml"},
      {"", "xml", ""},
      {"plan.xml.bak", "xml", "plan.xml.bak.xml"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " with " + c.extension);
    CATUnicodeString name(c.name);
    AXOCorParserServices::VerifyFileExtension(name, c.extension);
    EXPECT_EQ(name, c.expect);
  }
}

TEST(GetFileExtension, GivesTheTextAfterTheLastDot) {
  struct {
    const char* name;
    const char* extension;
  } cases[] = {
      {"archive.tar.gz", "gz"},
      {"a.b.c", "c"},
      {"plan.XML", "XML"},
      {"Makefile", "Makefile"},
      {"readme", "readme"},
      {"name.", ""},
      {".", ""},
      {"..", ""},
      {"", ""},
      {".profile", "profile"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CATUnicodeString extension("old");
    AXOCorParserServices::GetFileExtension(c.name, extension);
    EXPECT_EQ(extension, c.extension);
  }
}

TEST(RemoveExtensionFromFileName, CutsAtTheLastDotOfTheWholeText) {
  struct {
    const char* name;
    const char* expect;
  } cases[] = {
      {"plan.xml", "plan"},
      {"archive.tar.gz", "archive.tar"},
      {"readme", "readme"},
      {".profile", ""},
      {"C:\\a.b\\file", "C:\\a"},
      {"name.", "name"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CATUnicodeString name("old");
    AXOCorParserServices::RemoveExtensionFromFileName(c.name, name);
    EXPECT_EQ(name, c.expect);
  }
}

}  // namespace
