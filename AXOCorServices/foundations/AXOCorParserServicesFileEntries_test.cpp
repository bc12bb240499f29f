#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "AXOCorParserServices.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"
#include "AXOTestTexts.h"

namespace {

// The lines of a file of `bytes`, appended to a list that holds "kept".
std::vector<std::string> ReadLines(const std::string& bytes) {
  AXOTestTempFolder folder;
  folder.WriteFile("lines.txt", bytes);
  CATListValCATUnicodeString lines;
  lines.Append("kept");
  EXPECT_TRUE(AXOCorParserServices::GetFileEntries(folder.Host("lines.txt").c_str(), lines));
  std::vector<std::string> texts = AXOTestTexts(lines);
  EXPECT_EQ(texts.front(), "kept");
  texts.erase(texts.begin());
  return texts;
}

TEST(GetFileEntries, AppendsOneEntryPerLineAndOneAfterTheLastLineEnd) {
  struct {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"empty file", "", {""}},
      {"final line end", "a\nb\n", {"a", "b", ""}},
      {"no final line end", "a\nb", {"a", "b"}},
      {"empty lines", "\n\n", {"", "", ""}},
      {"windows line ends", "a\r\nb\r\n", {"a", "b", ""}},
      {"mixed line ends", "a\r\nb\nc", {"a", "b", "c"}},
      {"lone carriage return", "a\rb\r", {"a\rb\r"}},
      {"blanks kept", "  a \t\n", {"  a \t", ""}},
      {"UTF-8", "T\xC3\xBCr\r\n", {"T\xC3\xBCr", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadLines(c.bytes), c.lines);
  }
}

TEST(GetFileEntries, CutsLinesLongerThan1023Bytes) {
  const std::string at_limit(1023, 'a');
  const std::string over_limit(5000, 'b');
  EXPECT_EQ(ReadLines(at_limit + "\r\nnext"), (std::vector<std::string>{at_limit, "next"}));
  EXPECT_EQ(ReadLines(over_limit + "\nnext\n"),
            (std::vector<std::string>{std::string(1023, 'b'), "next", ""}));
  EXPECT_EQ(ReadLines(over_limit), std::vector<std::string>{std::string(1023, 'b')});
  // Never half a character, and never more than one character lost.
  const struct {
    std::string at_cut;  // bytes from position 1021 on
    std::string kept;    // of them
  } cuts[] = {
      {"c\xC3\xBCtail", "c"},                    // "ü" would straddle the cut
      {"\xC3\xBCtail", "\xC3\xBC"},              // ends at the cut
      {"\xF0\x9F\x98\x80", ""},                  // a 4-byte character from 1021 on
      {"cc\xBE\xBE\xBE\xBE", "cc"},              // stray continuation bytes
      {"\xBE\xBE\xBE\xBE\xBE\xBE", "\xBE\xBE"},  // ... each a character of its own
      {"c\xE2\x82\xAC", "c"},
      {"c\xFF\x80\x80", "c\xFF"},  // no lead byte: kept
  };
  for (const auto& c : cuts) {
    SCOPED_TRACE(c.at_cut);
    EXPECT_EQ(ReadLines(std::string(1021, 'c') + c.at_cut),
              std::vector<std::string>{std::string(1021, 'c') + c.kept});
  }
}

TEST(GetFileEntries, MissingFileOrFolderGivesFalseAndLeavesTheOutput) {
  AXOTestTempFolder folder;
  folder.MakeFolder("sub");
  std::vector<std::string> paths = {folder.Host("missing.txt"), folder.Host("sub"), ""};
  // A device that never ends, where there is one (host path of /dev/zero).
  if (std::filesystem::exists("/dev/zero")) paths.push_back("\\dev\\zero");
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    CATListValCATUnicodeString lines;
    lines.Append("kept");
    CATUnicodeString first("kept");
    EXPECT_FALSE(AXOCorParserServices::GetFileEntries(path.c_str(), lines));
    EXPECT_FALSE(AXOCorParserServices::GetFileEntries(path.c_str(), first));
    EXPECT_EQ(AXOTestTexts(lines), std::vector<std::string>{"kept"});
    EXPECT_EQ(first, "kept");
  }
}

TEST(GetFileEntries, FifoGivesFalseWithoutWaitingForAWriter) {
  AXOTestTempFolder folder;
  if (!AXOTestMakeFifo(folder.Native("pipe.txt"))) GTEST_SKIP() << "no FIFOs on this system";
  const CATUnicodeString path(folder.Host("pipe.txt").c_str());
  bool list_read = true;
  bool line_read = true;
  EXPECT_TRUE(AXOTestReturnsWithin(
      std::chrono::seconds(5),
      [&] {
        CATListValCATUnicodeString lines;
        list_read = AXOCorParserServices::GetFileEntries(path, lines);
        CATUnicodeString first;
        line_read = AXOCorParserServices::GetFileEntries(path, first);
      },
      [&] {
        // Two readers may be waiting, one after the other.
        AXOTestReleaseFifoReader(folder.Native("pipe.txt"));
        AXOTestReleaseFifoReader(folder.Native("pipe.txt"));
      }));
  EXPECT_FALSE(list_read);
  EXPECT_FALSE(line_read);
}

TEST(GetFileEntries, FirstLineFormReadsAtMost255Bytes) {
  AXOTestTempFolder folder;
  struct {
    const char* name;
    std::string bytes;
    std::string first;
  } cases[] = {
      {"two lines", "first\r\nsecond\r\n", "first"},
      {"one line without end", "only", "only"},
      {"empty file", "", ""},
      {"long line", std::string(300, 'x') + "\nsecond", std::string(255, 'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    folder.WriteFile("first.txt", c.bytes);
    CATUnicodeString first("old");
    EXPECT_TRUE(AXOCorParserServices::GetFileEntries(folder.Host("first.txt").c_str(), first));
    EXPECT_EQ(std::string(first.ConvertToChar()), c.first);
  }
}

}  // namespace
