#include "AxocorNearNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(NearNames, FindsNamesDifferingInCaseBlanksOrAFewEdits) {
  const std::vector<std::string> commands = {"guid", "env", "model", "units", "catalogs"};
  const std::vector<std::string> entries = {"IPE 100", "IPE 200", "SHS 100x100x5"};
  const struct {
    const char* text;
    const std::vector<std::string>& names;
    std::vector<std::string> near;
  } cases[] = {
      {"modle", commands, {"model"}},  // two neighbours swapped
      {"unit", commands, {"units"}},   // one left out
      {"catalgos", commands, {"catalogs"}},
      {"cat", commands, {"catalogs"}},  // a beginning
      {"GUID", commands, {"guid"}},     // letter case
      {"xyz", commands, {}},
      {"", commands, {}},
      {"ipe200", entries, {"IPE 200"}},  // only the one differing in case and blanks
      {"IPE 20", entries, {"IPE 200"}},  // one edit; "IPE 100" is two
      {"shs100x100x5", entries, {"SHS 100x100x5"}},
      {"IPE 999", entries, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NearNames(c.text, c.names), c.near);
  }
  EXPECT_EQ(NearNames("IPE", entries, 1), std::vector<std::string>{"IPE 100"});
}

TEST(NearNames, DidYouMeanListsTheNames) {
  EXPECT_EQ(DidYouMean({}), "");
  EXPECT_EQ(DidYouMean({"a"}), "; did you mean 'a'?");
  EXPECT_EQ(DidYouMean({"a", "b", "c"}), "; did you mean 'a', 'b' or 'c'?");
}

}  // namespace
