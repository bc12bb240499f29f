#include <gtest/gtest.h>

#include <string>

#include "AXOCorParserServices.h"

namespace {

std::string Text(const CATUnicodeString& text) {
  return text.ConvertToChar();
}

TEST(HtmlPieces, TakeApartAnchorsByTheirQuotesHashAndAngles) {
  const struct {
    const char* html;
    const char* name;
    const char* full_link;
    const char* link;
    const char* location;
  } cases[] = {
      {"<a href=\"plan.htm#level2\">Ground floor</a>", "Ground floor", "plan.htm#level2",
       "plan.htm", "level2"},
      {"", "", "", "", ""},
      {"text<", "text", "", "", ""},
      {"no markup at all", "", "", "", ""},
      {"<a>", "", "", "", ""},
      {">Name", "", "", "", ""},
      {"<b>1 > 0</b>", "1 > 0", "", "", ""},
      // No quotation marks: only the name and nothing that needs Q2.
      {"<a href=plan.htm#x>Name</a>", "Name", "", "", ""},
      // A single quotation mark is both Q1 and Q2.
      {"<a href=\"plan.htm>Name</a>", "Name", "", "", ""},
      {"<a href=\"plan.htm#top>Name</a>", "Name", "", "plan.htm", ""},
      {"<a href=\"#top\">Top</a>", "Top", "#top", "", "top"},
      {"<a href=\"x.htm#p#q\">", "", "x.htm#p#q", "x.htm", "p#q"},
      // Positions are taken over the whole piece, wherever they stand.
      {"#<a href=\"plan.htm\">x</a>", "x", "plan.htm", "", "<a href=\"plan.htm"},
      {"<a href=\"a.htm\">x</a>\"", "x", "a.htm\">x</a>", "a.htm\">x</a>", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.html);
    EXPECT_EQ(Text(AXOCorParserServices::GetNameFromHtml(c.html)), c.name);
    EXPECT_EQ(Text(AXOCorParserServices::GetFullLinkFromHtml(c.html)), c.full_link);
    EXPECT_EQ(Text(AXOCorParserServices::GetLinkFromHtml(c.html)), c.link);
    EXPECT_EQ(Text(AXOCorParserServices::GetLocationFromHtml(c.html)), c.location);
  }
}

TEST(HtmlPieces, BaseAddressNeedsAClosedQuotedHref) {
  const struct {
    const char* html;
    const char* address;
  } cases[] = {
      {"<base href=\"http://host/folder/\">", "http://host/folder/"},
      // A closing "/>" puts no quotation mark right before ">".
      {"<base href=\"file:///c:/docs/\"/>", ""},
      {"<base href=\"file:///c:/docs/\" >", ""},
      {"<base href=\"\">", ""},
      {"<base href=\">", ""},  // value left open
      {"<base href=\">\">", ""},
      {"<base href=\"http://host/\"", ""},  // no quotation mark before ">"
      {"<base href=http://host/>", ""},
      {"<BASE HREF=\"http://host/\">", ""},
      {"<a href=\"x.htm\">", ""},
      {"", ""},
      // Q1 and Q2 are the first and last quotation marks of the piece.
      {"<base href=\"http://host/\" target=\"_self\">", "http://host/\" target=\"_self"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.html);
    EXPECT_EQ(Text(AXOCorParserServices::GetParsedBaseAddress(c.html)), c.address);
  }
}

}  // namespace
