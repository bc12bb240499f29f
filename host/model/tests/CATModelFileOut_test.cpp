#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CATModelFileFields.h"
#include "CATModelFileOut.h"

namespace {

struct Written {
  const char* what;
  std::function<void(CATModelFileOut&)> write;
  const char* text;
};

TEST(CATModelFileOut, WritesOneMemberALineAndNumbersTogether) {
  const double point[] = {1.5, -2.25, 1e300};
  const double box[] = {0, 0, -0.0, 5000, 200, 2700.5};
  const double many[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  const Written cases[] = {
      {"empty object", [](CATModelFileOut& out) { out.BeginObject(), out.EndObject(); }, "{}"},
      {"empty list", [](CATModelFileOut& out) { out.BeginArray(), out.EndArray(); }, "[]"},
      {"members",
       [](CATModelFileOut& out) {
         out.BeginObject();
         out.Key("a");
         out.Integer(-7);
         out.Key(std::string("b"));
         out.Boolean(false);
         out.Key("c");
         out.BeginArray();
         out.Text("x");
         out.BeginObject();
         out.EndObject();
         out.EndArray();
         out.EndObject();
       },
       "{\n  \"a\": -7,\n  \"b\": false,\n  \"c\": [\n    \"x\",\n    {}\n  ]\n}"},
      {"whole numbers without a fraction",
       [](CATModelFileOut& out) {
         out.BeginArray();
         for (double number : {3.0, -0.0, 0.1, 1e15, 9007199254740992.0}) out.Number(number);
         out.EndArray();
       },
       "[\n  3,\n  0,\n  0.1,\n  1000000000000000,\n  9007199254740992\n]"},
      {"a point", [&](CATModelFileOut& out) { out.Numbers(point, 3); }, "[1.5, -2.25, 1e+300]"},
      {"a box", [&](CATModelFileOut& out) { out.Rows(box, 2, 3); },
       "[[0, 0, 0], [5000, 200, 2700.5]]"},
      {"rows beyond a line",
       [&](CATModelFileOut& out) {
         out.BeginObject();
         out.Key("face");
         out.Rows(many, 5, 3);
         out.EndObject();
       },
       "{\n  \"face\": [\n    [1, 2, 3],\n    [4, 5, 6],\n    [7, 8, 9],\n    [10, 11, 12],\n"
       "    [13, 14, 15]\n  ]\n}"},
      {"twelve numbers on a line", [&](CATModelFileOut& out) { out.Rows(many, 4, 3); },
       "[[1, 2, 3], [4, 5, 6], [7, 8, 9], [10, 11, 12]]"},
      {"escapes", [](CATModelFileOut& out) { out.Text("q\"b\\\b\f\n\r\t\x01\x1f\x7f"); },
       "\"q\\\"b\\\\\\b\\f\\n\\r\\t\\u0001\\u001f\x7f\""},
      {"NUL", [](CATModelFileOut& out) { out.Text(std::string("a\0b", 3)); }, "\"a\\u0000b\""},
      {"UTF-8 as it is",
       [](CATModelFileOut& out) { out.Key("\xC3\xA9"), out.Text("\xF0\x9F\x8F\xA0"); },
       "\"\xC3\xA9\": \"\xF0\x9F\x8F\xA0\""},
  };
  for (const Written& c : cases) {
    SCOPED_TRACE(c.what);
    std::string text = "kept";
    CATModelFileOut out(text);
    c.write(out);
    out.Flush();
    EXPECT_EQ(text, std::string("kept") + c.text);
  }
}

// Texts of code points take the short way only while they are ASCII, and
// then come out as their UTF-8 form does.
TEST(CATModelFileOut, WritesAsciiCodePointsAsTheirUtf8FormAndLeavesOthersToIt) {
  const struct {
    std::u32string chars;
    bool ascii;
  } cases[] = {
      {U"", true},
      {U"Wall.1", true},
      {std::u32string(U"q\"b\\\b\f\n\r\t\x01\x1f\x7f a\0b", 16), true},
      {U"caf\u00e9", false},
      {U"\U0001F3E0", false},
      {U"x\x80", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.chars.begin(), c.chars.end())));
    std::string short_way = "[";
    CATModelFileOut out(short_way);
    out.BeginArray();
    out.Integer(1);
    out.Flush();
    const std::string before = short_way;
    EXPECT_EQ(out.AsciiText(c.chars), c.ascii);
    out.Flush();
    if (!c.ascii) {
      EXPECT_EQ(short_way, before) << "nothing written";
      continue;
    }
    std::string utf8_way = "[";
    CATModelFileOut utf8_out(utf8_way);
    utf8_out.BeginArray();
    utf8_out.Integer(1);
    utf8_out.Text(std::string(c.chars.begin(), c.chars.end()));
    utf8_out.Flush();
    EXPECT_EQ(short_way, utf8_way);
  }
}

TEST(CATModelFileOut, RefusesTextsThatAreNotUtf8) {
  const char* const refused[] = {
      "\x80",              // a continuation alone
      "\xC3",              // cut short
      "\xC0\xAF",          // overlong
      "\xE0\x80\xAF",      // overlong
      "\xED\xA0\x80",      // a surrogate
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
      "\xF5\x80\x80\x80",  // no such lead
      "a\xE2\x82",         // cut short at the end
  };
  for (const char* text : refused) {
    SCOPED_TRACE(text);
    std::string written;
    CATModelFileOut out(written);
    try {
      out.Text(text);
      ADD_FAILURE() << "written: " << written;
    } catch (const CATModelFileFault& fault) {
      EXPECT_EQ(fault.message, "a text of the document is not valid Unicode");
    }
    EXPECT_THROW(out.Key(text), CATModelFileFault);
  }
}

}  // namespace
