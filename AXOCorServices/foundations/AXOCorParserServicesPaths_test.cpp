#include <gtest/gtest.h>

#include <string>

#include "AXOCorParserServices.h"

namespace {

// Texts beyond the host's 259-byte path buffers: a folder name that fills
// most of one, and 130 two-byte characters, which a cut at 259 bytes would
// split.
const std::string kFolder(250, 'f');
const std::string kUmlauts = [] {
  std::string umlauts;
  for (int i = 0; i < 130; ++i) umlauts += "\xC3\xA4";
  return umlauts;
}();

TEST(SplitFilePath, GivesTheDirectoryAndFileNameOrNothingBeyondTheHostsBuffers) {
  const struct {
    std::string path;
    std::string directory;
    std::string file;
  } cases[] = {
      {"c:\\data\\plan.xml", "c:\\data", "plan.xml"},
      {"c:\\plan.xml", "c:\\", "plan.xml"},
      {"plan.xml", "", "plan.xml"},
      {"c:\\data\\", "c:\\data", ""},
      {"", "", ""},
      {kFolder + "\\" + kFolder, kFolder, kFolder},  // each part fits
      {kFolder + "\\" + kFolder + "\\x", "", ""},
      {"c:\\" + kUmlauts, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    CATUnicodeString directory("old");
    CATUnicodeString file("old");
    AXOCorParserServices::SplitFilePath(c.path.c_str(), directory, file);
    EXPECT_EQ(std::string(directory.ConvertToChar()), c.directory);
    EXPECT_EQ(std::string(file.ConvertToChar()), c.file);
  }
}

TEST(MakeFilePath, JoinsWithOneSeparatorOrGivesNothingBeyondTheHostsBuffer) {
  const struct {
    std::string directory;
    std::string file;
    std::string path;
  } cases[] = {
      {"c:\\data", "plan.xml", "c:\\data\\plan.xml"},
      {"c:\\data\\", "plan.xml", "c:\\data\\plan.xml"},
      {"", "plan.xml", "plan.xml"},
      {kFolder, "plan.xml", kFolder + "\\plan.xml"},  // 259 bytes
      {kFolder, "plan.xmlx", ""},                     // 260
      {"c:\\", kUmlauts, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.directory + " + " + c.file);
    CATUnicodeString path("old");
    AXOCorParserServices::MakeFilePath(c.directory.c_str(), c.file.c_str(), path);
    EXPECT_EQ(std::string(path.ConvertToChar()), c.path);
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
