#include "foundations/AXOCorHostText.h"

#include <gtest/gtest.h>

#include <string>

#include "foundations/AXOCorTextLines.h"

namespace {

// The host's char constructor ends at a NUL byte; the library's texts of
// bytes must not, and must read everything else as the host does.
TEST(HostText, TextOfBytesKeepsEveryByteAndReadsCharactersAsTheHost) {
  const struct {
    std::string bytes;
    std::u32string characters;
  } cases[] = {
      {"", U""},
      {"Wall.1", U"Wall.1"},
      {std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
      {std::string("\0", 1), std::u32string(1, U'\0')},
      {std::string("\0\0x\0", 4), std::u32string(U"\0\0x\0", 4)},
      {"D\xC3\xA4mmung", U"D\u00E4mmung"},
      {std::string("\xC3\0\xA4", 3), std::u32string{0xDCC3, 0, 0xDCA4}},
      {"\xF0\x9F\x8F\xA0", U"\U0001F3E0"},
      {"\xFF", std::u32string{0xDCFF}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const CATUnicodeString text = AXOCorTextOfBytes(c.bytes);
    EXPECT_EQ(text.Characters(), c.characters);
    EXPECT_EQ(text, CATUnicodeString(c.bytes.data(), c.bytes.size()));
    EXPECT_EQ(AXOCorCodePoints(text), c.characters);
  }
}

TEST(TextLines, WritesEachLineFeedAsTheLineEndGiven) {
  const struct {
    const char* text;
    const char* lineEnd;
    const char* written;
  } cases[] = {
      {"", "\r\n", ""},
      {"one", "\r\n", "one"},
      {"one\n", "\r\n", "one\r\n"},
      {"one\ntwo", "\r\n", "one\r\ntwo"},
      {"\n\n", "\r\n", "\r\n\r\n"},
      {"a\r\nb\n", "\r\n", "a\r\r\nb\r\n"},  // as a Windows text stream writes it
      {"one\ntwo\n", "\n", "one\ntwo\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    std::string out = "kept|";
    AXOCorAppendTextLines(out, c.text, c.lineEnd);
    EXPECT_EQ(out, std::string("kept|") + c.written);
  }
}

}  // namespace
