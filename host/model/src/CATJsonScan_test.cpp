#include "CATJsonScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CATJsonEvents.h"

namespace {

using CATJsonEvents::Parsed;
using CATJsonEvents::Scanned;

struct Row {
  const char* why;
  std::string text;
};

// Texts the scan reads whole, with the events the library gives.
TEST(CATJsonScan, GivesTheLibrarysEventsForValidText) {
  const Row rows[] = {
      {"a document's shape", R"({"format": "x", "version": 2, "containers": [{"kind": "part",
        "children": [], "box": [[0, 0.5, -200], [5000, 4000, 2.7e3]], "hidden": false}]})"},
      {"empty containers and every literal", " [ {}, [], null, true, false, {\"a\":{}} ] "},
      {"a scalar alone", "\t-12\r\n"},
      {"escapes", R"(["\"\\\/\b\f\n\r\t", "a\u0041\u00e9\u20AC\ud83d\ude00", "\u0000"])"},
      {"escapes at the edges of two, three and four bytes of UTF-8",
       R"(["\u007f\u0080\u07ff\u0800\uffff\ud800\udc00\udbff\udfff"])"},
      {"UTF-8 of two to four bytes",
       "[\"\xC3\xA9\xE2\x82\xAC\xED\x9F\xBF\xEF\xBF\xBF\xF0\x9F\x98\x80"
       "\xF4\x8F\xBF\xBF\"]"},
      {"keys with escapes", R"({"k\u00e9y": 1, "": 2, "a": 3, "a": 4})"},
      {"integers at the limits", "[0, -0, 18446744073709551615, -9223372036854775808]"},
      {"integers past the limits become doubles",
       "[18446744073709551616, -9223372036854775809, 100000000000000000000000]"},
      {"doubles",
       "[0.0, -0.0, 1.5, -1.5e-3, 1E5, 1e+2, 2.5E-2, 1.7976931348623157e308, "
       "0.1, 4.35, 123456789.123456789]"},
      {"deep nesting", std::string(20000, '[') + std::string(20000, ']')},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    std::vector<std::string> scanned;
    ASSERT_TRUE(Scanned(row.text, scanned));
    EXPECT_EQ(scanned, Parsed(row.text));
  }
}

// Texts that are not JSON: the scan stops, and the library refuses them too.
TEST(CATJsonScan, StopsWhereTheLibraryFindsAFault) {
  const Row rows[] = {
      {"nothing", ""},
      {"space only", "  \n"},
      {"a trailing comma", "[1, 2,]"},
      {"a trailing comma in an object", R"({"a": 1,})"},
      {"no colon", R"({"a" 1})"},
      {"a key that is no string", "{1: 2}"},
      {"an unclosed list", "[1, 2"},
      {"an unclosed object", R"({"a": 1)"},
      {"a closing of the other kind", "[1}"},
      {"a second value", "{} {}"},
      {"text after the value", "[] x"},
      {"a cut literal", "tru"},
      {"a longer literal", "nulll"},
      {"a literal of another case", "True"},
      {"a leading zero", "01"},
      {"a point without digits", "1."},
      {"an exponent without digits", "1e"},
      {"a minus alone", "-"},
      {"a leading point", ".5"},
      {"a leading plus", "+1"},
      {"a double too large", "1e400"},
      {"an unterminated string", "\"abc"},
      {"a control character in a string", "\"a\tb\""},
      {"a NUL in a string", std::string("\"a\0b\"", 5)},
      {"a NUL inside a list", std::string("[1,\0]", 5)},
      {"an unknown escape", R"("\x41")"},
      {"a short \\u", R"("\u12")"},
      {"a second half alone", R"("\udc00")"},
      {"a first half alone", R"("\ud800")"},
      {"a first half before another character", R"("\ud800\u0041")"},
      {"an overlong form", "\"\xC0\x80\""},
      {"an overlong form of three bytes", "\"\xE0\x80\x80\""},
      {"a surrogate in UTF-8", "\"\xED\xA0\x80\""},
      {"above U+10FFFF", "\"\xF4\x90\x80\x80\""},
      {"a continuation alone", "\"\x80\""},
      {"a cut sequence", "\"\xE2\x82\""},
      {"a cut sequence at the end", "\"\xE2\x82"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    std::vector<std::string> scanned;
    EXPECT_FALSE(Scanned(row.text, scanned));
    EXPECT_EQ(Parsed(row.text).back(), "error");
  }
}

// Forms the scan leaves to the library, which reads them: a byte order
// mark, a NUL after the value (where the library ends the text).
TEST(CATJsonScan, LeavesRareFormsToTheLibrary) {
  std::vector<std::string> scanned;
  for (const std::string& text : {std::string("\xEF\xBB\xBF{}"), std::string("[1]\0[", 5)}) {
    EXPECT_FALSE(Scanned(text, scanned));
    EXPECT_NE(Parsed(text).back(), "error");
  }
  // Too small for a double: the library reads it as the conversion rounds
  // it; the scan gives the same or stops.
  for (const char* text : {"1e-400", "4.9e-324", "2.2250738585072011e-308"}) {
    SCOPED_TRACE(text);
    if (Scanned(text, scanned)) {
      EXPECT_EQ(scanned, Parsed(text));
    }
  }
}

}  // namespace
