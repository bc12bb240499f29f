#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CATLib.h"

namespace {

TEST(CATSplitPath, SplitsAtTheLastSeparatorAndKeepsRoots) {
  struct {
    const char* path;
    const char* directory;
    const char* file;
  } cases[] = {
      {"c:\\a\\b.txt", "c:\\a", "b.txt"},
      {"c:\\b.txt", "c:\\", "b.txt"},
      {"c:b.txt", "c:", "b.txt"},
      {"\\b.txt", "\\", "b.txt"},
      {"/b.txt", "/", "b.txt"},
      {"b.txt", "", "b.txt"},
      {"c:\\a\\", "c:\\a", ""},
      {"c:\\", "c:\\", ""},
      {"a/b\\c", "a/b", "c"},
      {"a\\\\b", "a\\", "b"},
      {"\\\\server\\share\\f", "\\\\server\\share", "f"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    char directory[CAT_MAX_PATH];
    char file[CAT_MAX_PATH];
    std::memset(directory, 'x', sizeof directory);
    std::memset(file, 'x', sizeof file);
    CATSplitPath(c.path, directory, file);
    EXPECT_STREQ(directory, c.directory);
    EXPECT_STREQ(file, c.file);
  }
}

TEST(CATSplitPath, ToleratesNullArguments) {
  char directory[CAT_MAX_PATH] = "old";
  char file[CAT_MAX_PATH] = "old";
  CATSplitPath(nullptr, directory, file);
  EXPECT_STREQ(directory, "");
  EXPECT_STREQ(file, "");
  CATSplitPath("a\\b", nullptr, file);
  EXPECT_STREQ(file, "b");
  CATSplitPath("a\\b", directory, nullptr);
  EXPECT_STREQ(directory, "a");
}

TEST(CATMakePath, JoinsWithOneSeparator) {
  struct {
    const char* directory;
    const char* file;
    const char* path;
  } cases[] = {
      {"c:\\a", "b.txt", "c:\\a\\b.txt"}, {"c:\\a\\", "b.txt", "c:\\a\\b.txt"},
      {"/tmp/", "b.txt", "/tmp/b.txt"},   {"", "b.txt", "b.txt"},
      {"c:\\a", "", "c:\\a\\"},           {"c:\\a", "sub\\b.txt", "c:\\a\\sub\\b.txt"},
      {nullptr, "b.txt", "b.txt"},        {"a", nullptr, "a\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.directory ? c.directory : "(null)") + " + " +
                 (c.file ? c.file : "(null)"));
    char path[CAT_MAX_PATH];
    CATMakePath(c.directory, c.file, path);
    EXPECT_STREQ(path, c.path);
  }
}

TEST(CATMakePath, MayWriteIntoItsOwnInput) {
  char buffer[CAT_MAX_PATH] = "c:\\dir";
  CATMakePath(buffer, "file.txt", buffer);
  EXPECT_STREQ(buffer, "c:\\dir\\file.txt");
}

// The buffers hold CAT_MAX_PATH bytes. A result that does not fit is never
// cut (a cut path names another file) nor written past the end: it comes
// back empty. Guard bytes after each buffer catch an overflow.
TEST(CATPathBuffers, PathsThatDoNotFitComeBackEmpty) {
  struct Guarded {
    char buffer[CAT_MAX_PATH];
    char guard[16];
  };
  const std::string fits(CAT_MAX_PATH - 1, 'd');
  const std::string too_long(CAT_MAX_PATH, 'd');
  // 129 two-byte characters: a cut at 259 bytes would split the last one.
  std::string umlauts;
  for (int i = 0; i < 130; ++i) umlauts += "\xC3\xA4";
  const struct {
    std::string directory;
    std::string file;
    std::string joined;
  } joins[] = {
      {fits.substr(3), "ab", fits.substr(3) + "\\ab"},
      {fits.substr(3), "abc", ""},
      {"c:\\", umlauts, ""},
      {too_long, "", ""},
      {"", too_long, ""},
  };
  for (const auto& c : joins) {
    SCOPED_TRACE(std::to_string(c.directory.size()) + " + " + std::to_string(c.file.size()));
    Guarded joined;
    std::memset(&joined, '#', sizeof joined);
    CATMakePath(c.directory.c_str(), c.file.c_str(), joined.buffer);
    EXPECT_EQ(std::string(joined.buffer), c.joined);
    EXPECT_EQ(std::string(joined.guard, sizeof joined.guard), std::string(16, '#'));
  }

  const struct {
    std::string path;
    std::string directory;
    std::string file;
  } splits[] = {
      {fits + "\\" + fits, fits, fits}, {too_long + "\\f", "", ""}, {"c:\\" + too_long, "", ""},
      {"c:" + too_long, "", ""},        {too_long, "", ""},         {"c:\\dir\\" + umlauts, "", ""},
  };
  for (const auto& c : splits) {
    SCOPED_TRACE(c.path.size());
    Guarded directory;
    Guarded file;
    std::memset(&directory, '#', sizeof directory);
    std::memset(&file, '#', sizeof file);
    CATSplitPath(c.path.c_str(), directory.buffer, file.buffer);
    EXPECT_EQ(std::string(directory.buffer), c.directory);
    EXPECT_EQ(std::string(file.buffer), c.file);
    EXPECT_EQ(std::string(directory.guard, 16), std::string(16, '#'));
    EXPECT_EQ(std::string(file.guard, 16), std::string(16, '#'));
  }
}

}  // namespace
