#include "AxocorEscapedText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(EscapedText, WritesWhatWouldNotPrintAsItselfAsEscapes) {
  const struct {
    std::string text;
    std::string escaped;
  } cases[] = {
      {"IPE 100", "IPE 100"},
      {"abc\0def\xFF"s, "abc\\x00def\\xFF"},
      {"\x1B[31mred", "\\x1B[31mred"},  // a colour change
      {"a\tb\r\nc", "a\\tb\\r\\nc"},
      {"\x7F", "\\x7F"},
      {"Stra\xC3\x9F"
       "e \xE2\x80\x93 \xF0\x9F\x8F\xA0",
       "Stra\xC3\x9F"
       "e \xE2\x80\x93 \xF0\x9F\x8F\xA0"},
      {"\xC2\x9B"
       "2J",
       "\\u009B2J"},                                 // C1 control sequence introducer
      {"\xC3", "\\xC3"},                             // a character cut short at the end
      {"\xC3(", "\\xC3("},                           // ... or by a byte that cannot follow
      {"\xC0\xAF", "\\xC0\\xAF"},                    // overlong "/"
      {"\xED\xA0\x80", "\\xED\\xA0\\x80"},           // a surrogate
      {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},  // beyond U+10FFFF
      {"C:\\Program Files\\x", "C:\\Program Files\\x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.escaped);
    EXPECT_EQ(AxocorEscapedText(c.text), c.escaped);
    EXPECT_EQ(AxocorEscapedText(c.escaped), c.escaped) << "escaping again changes nothing";
  }
}

TEST(EscapedText, WhyNotTextNamesTheFirstOffendingByteByLineAndColumn) {
  const struct {
    std::string bytes;
    std::string why;
  } cases[] = {
      {"<a>\r\n\t<b/>\n", ""},
      {"", ""},
      {"\xE2\x80\x93", ""},
      {"<a>\n<b>\0</b>"s, "line 2, column 4: a NUL byte"},
      {"ok\n\n  \xFF\xFE", "line 3, column 3: the byte 0xFF, which is not UTF-8"},
      {"\x1B[0m", "line 1, column 1: the control character 0x1B"},
      {"x\xC2\x85", "line 1, column 2: the control character U+0085"},
      {"\xE2\x80", "line 1, column 1: the byte 0xE2, which is not UTF-8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(AxocorWhyNotText(c.bytes), c.why);
  }
}

}  // namespace
