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
