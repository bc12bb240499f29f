#include "textformats/AXOCorTakenNames.h"

#include <gtest/gtest.h>

namespace {

// Names whose UTF-8 form does not give them back (invalid bytes kept as
// they were read, U+FFFD) are found by their exact text all the same, and
// do not take a name of the same UTF-8 form.
TEST(TakenNames, FindExactTextsAlsoWhereTheirUtf8FormIsNotExact) {
  const CATUnicodeString replacement("Wall.\xEF\xBF\xBD");
  const CATUnicodeString invalid("Wall.\xFF");
  const CATUnicodeString truncated("Wall.\xE2\x82");
  AXOCorTakenNames taken;
  for (const char* name : {"Wall.1", "W\xC3\xA4nd.2", "\xF0\x9F\xA7\xB1.3", ""}) taken.Add(name);
  taken.Add(replacement);
  taken.Add(invalid);
  const struct {
    CATUnicodeString name;
    bool taken;
  } cases[] = {
      {"Wall.1", true},
      {"wall.1", false},
      {"Wall.1 ", false},
      {"W\xC3\xA4nd.2", true},
      {"W\xC3\x84nd.2", false},
      {"\xF0\x9F\xA7\xB1.3", true},
      {"", true},
      {replacement, true},
      {invalid, true},
      {truncated, false},
      {"Wall.", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.ConvertToChar());
    EXPECT_EQ(taken.Contains(c.name), c.taken);
  }
}

}  // namespace
