#include <string>
#include <vector>

#include "textformats/AXOCorParserServicesGVSTestFixture.h"

namespace {

using Paths = std::vector<std::string>;

TEST_F(GvsTest, TextWithoutIncludesLosesOnlyCarriageReturnsAndWhatFollowsANul) {
  const struct {
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"", ""},
      {"<std:node a=\"1\">\r\nx\r</std:node>\r\n", "<std:node a=\"1\">\nx</std:node>\n"},
      {std::string("<a>\0<b>", 7), "<a>"},
      {"\xE9t\xE9 \xC3\xA9t\xC3\xA9", "\xE9t\xE9 \xC3\xA9t\xC3\xA9"},  // bytes kept as they are
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Expand(WriteSheet(c.bytes)), c.expected);
  }
}

TEST_F(GvsTest, IncludeNodeBecomesTheRootContentOfItsFile) {
  dir_.WriteFile("std/gvs_includes/walls.xml",
                 "<?xml version=\"1.0\"?>\r\n<std:node name=\"W\" xmlns:std=\"urn:gvs\">\r\n"
                 "  <std:node name=\"a\"/>\r\n  between\r\n  <std:node name=\"b\">t</std:node>\r\n"
                 "  after\r\n</std:node>\r\n");
  const std::string sheet =
      WriteSheet("<std:node name=\"root\">before" + IncludeNode("walls.xml") + "after</std:node>");
  EXPECT_EQ(Expand(sheet),
            "<std:node name=\"root\">before<std:node name=\"a\"/>\n  between\n"
            "  <std:node name=\"b\">t</std:node>\n  after\nafter</std:node>");
  EXPECT_EQ(Includes(sheet), Paths{dir_.Host("std/gvs_includes/walls.xml")});
}

TEST_F(GvsTest, BytesBeyondAsciiKeepTheirCharactersWhereIncludedTextsMeet) {
  // f.xml ends in the first byte of "\xC3\xA9" and the style sheet goes on
  // with the second: each stays a character of its own, as in its file.
  WriteInclude("f.xml", "<std:node/>\xC3\xA9t\xC3");
  CATUnicodeString expanded;
  ASSERT_TRUE(AXOCorParserServices::ExpandIncludesInGVS(
      WriteSheet("<r>" + IncludeNode("f.xml") + "\xA9</r>").c_str(), expanded));
  EXPECT_EQ(std::string(expanded.ConvertToChar()), "<r><std:node/>\xC3\xA9t\xC3\xA9</r>");
  EXPECT_EQ(expanded.GetLengthInChar(), 22);
}

TEST_F(GvsTest, IncludeNodesAreRecognisedInAnyLetterCase) {
  WriteInclude("part.xml", "<std:node name=\"p\"/>");
  const char* expanded[] = {
      "<std:node type=\"includefile\"><std:strval>part.xml</std:strval></std:node>",
      "<std:node type=\"IncludeFile\"><std:strval>part.xml</std:strval></std:node>",
      "<STD:NODE TYPE=\"INCLUDEFILE\"><STD:STRVAL>PART.XML</STD:STRVAL></STD:NODE>",
      "<Std:Node type=\"includeFile\"><std:StrVal>Part.Xml</std:StrVal></Std:Node>",
  };
  for (const char* node : expanded) {
    SCOPED_TRACE(node);
    EXPECT_EQ(Expand(WriteSheet(std::string("[") + node + "]")), "[<std:node name=\"p\"/>]");
  }
  const char* kept[] = {
      "<std:node type=\"include file\"><std:strval>part.xml</std:strval></std:node>",
      "<std:node type='includefile'><std:strval>part.xml</std:strval></std:node>",
      "<std:node type=\"includefile\" ><std:strval>part.xml</std:strval></std:node>",
      "<std:nodes type=\"includefile\"><std:strval>part.xml</std:strval></std:nodes>",
  };
  for (const char* node : kept) {
    SCOPED_TRACE(node);
    EXPECT_EQ(Expand(WriteSheet(node)), node);
  }
}

TEST_F(GvsTest, NamesAreLookedUpInLowerCaseUnderGvsIncludes) {
  dir_.WriteFile("std/gvs_includes/doors.xml", SheetFile("<std:node name=\"d\"/>"));
  dir_.WriteFile("std/gvs_includes/sub/doors.xml", SheetFile("<std:node name=\"s\"/>"));
  const struct {
    const char* name;
    const char* listed;  // relative to the test folder; "" for not found
    const char* content;
  } cases[] = {
      {"doors.xml", "std/gvs_includes/doors.xml", "<std:node name=\"d\"/>"},
      {"Doors.XML", "std/gvs_includes/doors.xml", "<std:node name=\"d\"/>"},
      {"sub\\Doors.xml", "std/gvs_includes/sub/doors.xml", "<std:node name=\"s\"/>"},
      {" doors.xml", "", ""},  // not trimmed
      {"windows.xml", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string sheet = WriteSheet("<" + IncludeNode(c.name) + ">");
    EXPECT_EQ(Expand(sheet), std::string("<") + c.content + ">");
    const std::string listed = *c.listed != '\0' ? dir_.Host(c.listed) : "";
    EXPECT_EQ(Includes(sheet), Paths{listed});
  }
}

TEST_F(GvsTest, DefaultCollectionIsSearchedAfterTheStandardOne) {
  WriteInclude("both.xml", "<std:node name=\"standard\"/>", "std");
  WriteInclude("both.xml", "<std:node name=\"default\"/>", "default");
  WriteInclude("fallback.xml", "<std:node name=\"fallback\"/>", "default");
  const std::string sheet = WriteSheet(IncludeNode("both.xml") + IncludeNode("fallback.xml"));
  EXPECT_EQ(Expand(sheet), "<std:node name=\"standard\"/><std:node name=\"fallback\"/>");
  EXPECT_EQ(Includes(sheet), (Paths{dir_.Host("std/gvs_includes/both.xml"),
                                    dir_.Host("default/gvs_includes/fallback.xml")}));
}

TEST_F(GvsTest, NamesWithADriveOrTwoBackslashesArePathsInLowerCase) {
  dir_.WriteFile("drives/d/gvs/doors.xml", SheetFile("<std:node name=\"d\"/>"));
  // Found nowhere: a path relative to the working folder, not looked up
  // under gvs_includes, where this file is.
  WriteInclude("sub/doors.xml", "<std:node name=\"s\"/>");
  const std::string drive_name = DrivePath("drives/d/GVS/Doors.xml", "D:\\GVS\\Doors.xml");
  const std::string sheet = WriteSheet(IncludeNode(drive_name) + IncludeNode("Sub\\\\Doors.xml"));
  EXPECT_EQ(Expand(sheet), "<std:node name=\"d\"/>");
  EXPECT_EQ(Includes(sheet), (Paths{Lower(drive_name), "sub\\\\doors.xml"}));
}

TEST_F(GvsTest, IncludedIncludesAreExpandedAndRepeatedOnesListedEachTime) {
  const std::string b = WriteInclude(
      "b.xml", "<std:node name=\"b1\"/>" + IncludeNode("c.xml") + "<std:node name=\"b2\"/>");
  const std::string c = WriteInclude("c.xml", "<std:node name=\"c\"/>");
  const std::string sheet = WriteSheet("<std:node name=\"root\">" + IncludeNode("b.xml") + "|" +
                                       IncludeNode("B.xml") + "</std:node>");
  const std::string b_expanded =
      "<std:node name=\"b1\"/><std:node name=\"c\"/><std:node name=\"b2\"/>";
  EXPECT_EQ(Expand(sheet),
            "<std:node name=\"root\">" + b_expanded + "|" + b_expanded + "</std:node>");

  EXPECT_EQ(Includes(sheet), (Paths{b, c, b, c}));
}

TEST_F(GvsTest, IncludesThatCannotBeReadOrHoldNoChildContributeNothing) {
  WriteInclude("ok.xml", "<std:node name=\"ok\"/>");
  dir_.MakeFolder("std/gvs_includes/folder.xml");  // not found: only files are
  dir_.MakeFolder("drives/d/gvs/folder.xml");
  WriteInclude("rootonly.xml", "text but no child node");
  dir_.WriteFile("std/gvs_includes/plain.xml", "plain text");
  dir_.WriteFile("std/gvs_includes/empty.xml", "");
  dir_.WriteFile("std/gvs_includes/reversed.xml", "<std:node a></std:node><std:node b>");
  const std::string folder_path = DrivePath("drives/d/gvs/folder.xml", "D:\\gvs\\folder.xml");
  const struct {
    std::string name;
    std::string listed;
  } cases[] = {
      {"missing.xml", ""},
      {"folder.xml", ""},
      {folder_path, Lower(folder_path)},  // a path, but not a file to read
      {"rootonly.xml", dir_.Host("std/gvs_includes/rootonly.xml")},
      {"plain.xml", dir_.Host("std/gvs_includes/plain.xml")},
      {"empty.xml", dir_.Host("std/gvs_includes/empty.xml")},
      {"reversed.xml", dir_.Host("std/gvs_includes/reversed.xml")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string sheet =
        WriteSheet("A" + IncludeNode(c.name) + "B" + IncludeNode("ok.xml") + "C");
    EXPECT_EQ(Expand(sheet), "AB<std:node name=\"ok\"/>C");
    EXPECT_EQ(Includes(sheet), (Paths{c.listed, dir_.Host("std/gvs_includes/ok.xml")}));
  }
}

TEST_F(GvsTest, MalformedIncludeNodeEndsTheScanAndStaysAsItIs) {
  WriteInclude("ok.xml", "<std:node name=\"ok\"/>");
  const std::string ok = IncludeNode("ok.xml");
  const std::string ok_expanded = "<std:node name=\"ok\"/>";
  const struct {
    const char* why;
    std::string before;  // expanded when it is an include node
    std::string malformed;
    std::string after;  // never expanded
  } cases[] = {
      {"no node start before the mark", "", "\"includefile\">", ok},
      {"empty name", "", "<std:node type=\"includefile\"><std:strval></std:strval></std:node>", ok},
      {"no value", ok, "<std:node type=\"includefile\"></std:node>", ""},
      {"value not closed", ok, "<std:node type=\"includefile\"><std:strval>ok.xml</std:node>", ""},
      {"node not closed", ok, "<std:node type=\"includefile\"><std:strval>ok.xml</std:strval>", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const std::string sheet = WriteSheet(c.before + c.malformed + c.after);
    const std::string before = c.before.empty() ? "" : ok_expanded;
    EXPECT_EQ(Expand(sheet), before + c.malformed + c.after);
    EXPECT_EQ(Includes(sheet).size(), c.before.empty() ? 0u : 1u);
  }
}

TEST_F(GvsTest, NodeCompletedByTheRemovalOfAnotherIsExpanded) {
  WriteInclude("ok.xml", "<std:node name=\"ok\"/>");
  // The inner node goes; the outer start tag then ends in the include mark.
  const std::string sheet =
      WriteSheet("<std:node name=\"outer\" type=\"includefile" + IncludeNode("missing.xml") +
                 "\"><std:strval>ok.xml</std:strval></std:node>");
  EXPECT_EQ(Expand(sheet), "<std:node name=\"ok\"/>");
}

TEST_F(GvsTest, IncludesAreFoundWhereverTheyStandInLongTexts) {
  const std::string content = "<std:node name=\"c\">" + std::string(5000, 'c') + "</std:node>";
  WriteInclude("long.xml", content);
  // Paddings around the scanner's chunk length put each searched piece
  // across a chunk boundary.
  for (int padding = 4040; padding <= 4100; ++padding) {
    SCOPED_TRACE(padding);
    const std::string pad(static_cast<std::size_t>(padding), 'x');
    const std::string sheet =
        WriteSheet(pad + IncludeNode("long.xml") + pad + IncludeNode("LONG.xml") + "\r" + pad);
    EXPECT_EQ(Expand(sheet), pad + content + pad + content + pad);
  }
}

TEST_F(GvsTest, StyleSheetThatCannotBeReadGivesFalseAndNoIncludes) {
  dir_.MakeFolder("folder.xml");
  const std::string paths[] = {dir_.Host("missing.xml"), dir_.Host("folder.xml"), ""};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    Expand(path);  // checks that the output stays untouched
    CATUnicodeString expanded("untouched");
    EXPECT_FALSE(AXOCorParserServices::ExpandIncludesInGVS(path.c_str(), expanded));
    EXPECT_EQ(expanded, "untouched");
    EXPECT_EQ(Includes(path), Paths{});
  }
}

}  // namespace
