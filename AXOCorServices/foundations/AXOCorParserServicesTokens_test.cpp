#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AXOCorParserServices.h"
#include "AXOTestTexts.h"

namespace {

TEST(ParseString, AppendsTheTokensBetweenSeparatorsKeepingEmptyOnes) {
  struct {
    const char* text;
    const char* separator;
    std::vector<std::string> tokens;
  } cases[] = {
      {"", ";", {}},
      {"abc", ";", {"abc"}},
      {"a;b", ";", {"a", "b"}},
      {"a;;b", ";", {"a", "", "b"}},
      {";a", ";", {"", "a"}},
      {"a;", ";", {"a", ""}},
      {"x;", ";", {"x", ""}},
      {";", ";", {"", ""}},
      {";;", ";", {"", "", ""}},
      {" a ; b ", ";", {" a ", " b "}},
      {"Part\\Body\\Pad", "\\", {"Part", "Body", "Pad"}},
      {"archive.tar.gz", ".", {"archive", "tar", "gz"}},
      {"a;b", "", {"a;b"}},
      {"T\xC3\xBCr;\xC3\x98\x31\x32", ";", {"T\xC3\xBCr", "\xC3\x98\x31\x32"}},  // "Tür;Ø12"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("'") + c.text + "' on '" + c.separator + "'");
    CATListValCATUnicodeString tokens;
    tokens.Append("kept");
    AXOCorParserServices::ParseString(c.text, c.separator, tokens);
    std::vector<std::string> expected{"kept"};
    expected.insert(expected.end(), c.tokens.begin(), c.tokens.end());
    EXPECT_EQ(AXOTestTexts(tokens), expected);
  }
}

}  // namespace
