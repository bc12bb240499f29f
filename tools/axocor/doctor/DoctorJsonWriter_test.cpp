#include "DoctorJsonWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace axocor::doctor {
namespace {

TEST(JsonQuote, EscapesQuotesBackslashesAndControlCharacters) {
  struct Case {
    std::string in;
    std::string expected;
  } cases[] = {
      {"", R"("")"},
      {"plain", R"("plain")"},
      {"say \"hi\"", R"("say \"hi\"")"},
      {"c:\\axo\\x", R"("c:\\axo\\x")"},
      {"a\nb\r\tc", R"("a\nb\r\tc")"},
      {std::string("nul\0here", 8), R"("nul\u0000here")"},
      {"\x1f\x7f", R"("\u001f\u007f")"},
      {"Stra\xC3\x9F"
       "e \xE2\x82\xAC \xF0\x9F\x94\xA9",
       "\"Stra\xC3\x9F"
       "e \xE2\x82\xAC \xF0\x9F\x94\xA9\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(JsonQuote(c.in), c.expected);
  }
}

TEST(JsonQuote, ReplacesBytesThatAreNotUtf8AndStaysParseable) {
  const std::string replacement = "\xEF\xBF\xBD";
  struct Case {
    std::string in;
    std::string expected;
  } cases[] = {
      {"a\xFF"
       "b",
       "a" + replacement + "b"},                                  // never valid
      {"\xC3", replacement},                                      // cut short at the end
      {"\xC0\xAF", replacement + replacement},                    // overlong "/"
      {"\xED\xA0\x80", replacement + replacement + replacement},  // surrogate
      {"\xF4\x90\x80\x80", replacement + replacement + replacement + replacement},
      {"\xE2\x82"
       "x",
       replacement + replacement + "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    const std::string quoted = JsonQuote(c.in);
    EXPECT_EQ(quoted, "\"" + c.expected + "\"");
    EXPECT_NO_THROW(nlohmann::json::parse(quoted));
  }
}

TEST(JsonWriter, PlacesCommasBetweenMembersAtEveryLevel) {
  JsonWriter json;
  json.BeginObject();
  json.Key("name");
  json.String("doctor");
  json.Key("empty");
  json.BeginArray();
  json.EndArray();
  json.Key("list");
  json.BeginArray();
  json.Integer(-3);
  json.Bool(true);
  json.BeginObject();
  json.Key("k");
  json.Bool(false);
  json.EndObject();
  json.EndArray();
  json.EndObject();
  EXPECT_EQ(json.text(), R"({"name":"doctor","empty":[],"list":[-3,true,{"k":false}]})");
  const nlohmann::json parsed = nlohmann::json::parse(json.text());
  EXPECT_EQ(parsed["list"][2]["k"], false);
}

}  // namespace
}  // namespace axocor::doctor
