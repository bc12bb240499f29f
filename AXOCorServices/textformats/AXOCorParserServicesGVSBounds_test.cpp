// Expansion ends on every input: include cycles and includes that multiply.
#include <filesystem>
#include <string>
#include <vector>

#include "CATISAXInputSource.h"
#include "textformats/AXOCorParserServicesGVSExpander.h"
#include "textformats/AXOCorParserServicesGVSFiles.h"
#include "textformats/AXOCorParserServicesGVSTestFixture.h"

namespace {

using Paths = std::vector<std::string>;

TEST_F(GvsTest, FileThatIncludesItselfContributesNothingThere) {
  // By name under gvs_includes, and by a path with a drive letter.
  const std::string by_name =
      WriteInclude("self.xml", "<std:node name=\"s\"/>" + IncludeNode("Self.xml") + "|");
  EXPECT_EQ(Expand(by_name),
            "<?xml version=\"1.0\"?>\n<std:node name=\"root\" "
            "xmlns:std=\"urn:gvs\"><std:node name=\"s\"/>|</std:node>\n");
  EXPECT_EQ(Includes(by_name), Paths{by_name});

  const std::string drive_path = DrivePath("drives/d/loop/self.xml", "D:\\loop\\self.xml");
  CATUnicodeString upper(drive_path.c_str());
  upper.ToUpper();
  dir_.WriteFile("drives/d/loop/self.xml",
                 "<std:node>" + IncludeNode(upper.ConvertToChar()) + "</std:node>");
  EXPECT_EQ(Expand(drive_path), "<std:node></std:node>");
  EXPECT_EQ(Includes(drive_path), Paths{Lower(drive_path)});
}

TEST_F(GvsTest, SameFileInSeparateBranchesIsNoCycle) {
  const std::string leaf = WriteInclude("leaf.xml", "<std:node name=\"leaf\"/>");
  WriteInclude("left.xml", "<std:node name=\"l\"/>" + IncludeNode("leaf.xml"));
  WriteInclude("right.xml", "<std:node name=\"r\"/>" + IncludeNode("leaf.xml"));
  const std::string sheet = WriteSheet(IncludeNode("left.xml") + IncludeNode("right.xml"));
  EXPECT_EQ(Expand(sheet),
            "<std:node name=\"l\"/><std:node name=\"leaf\"/>"
            "<std:node name=\"r\"/><std:node name=\"leaf\"/>");
  EXPECT_EQ(Includes(sheet).size(), 4u);
}

TEST_F(GvsTest, IncludesThatMultiplyStopAtTheBoundOnReplacedNodes) {
  // Each file includes the next twice: 2^30 nodes if nothing stopped it.
  const int depth = 30;
  for (int level = 0; level < depth; ++level) {
    const std::string next = "level" + std::to_string(level + 1) + ".xml";
    WriteInclude("level" + std::to_string(level) + ".xml",
                 "<std:node/>" + IncludeNode(next) + IncludeNode(next));
  }
  WriteInclude("level" + std::to_string(depth) + ".xml", "<std:node/>");
  const std::string sheet = WriteSheet(IncludeNode("level0.xml"));
  Expand(sheet);  // checks that the output stays untouched
  CATUnicodeString expanded("untouched");
  EXPECT_FALSE(AXOCorParserServices::ExpandIncludesInGVS(sheet.c_str(), expanded));
  // Listed: every include met, up to the one that crossed the bound.
  EXPECT_EQ(Includes(sheet).size(), static_cast<std::size_t>(kAXOGvsMaxIncludes) + 1);

  CATISAXInputSource_var source;
  EXPECT_EQ(AXOCorParserServices::CreateInputSourceFromGVS(sheet.c_str(), source), E_FAIL);
}

// The mark of the style sheet finds its node start in the text that f.xml
// brought in, which f.xml brings in again, round after round, until the
// bound on includes.
TEST_F(GvsTest, TextThatAnIncludeBringsInAgainAndAgainStopsPromptlyAtTheBound) {
  const struct {
    const char* why;
    std::string tail;  // of f.xml, after the node that includes it again
  } cases[] = {
      // Each round used to search the whole text from the node to the mark
      // again, for minutes.
      {"200 characters more each round", std::string(200, 'x')},
      // Each other round removes an include node with a name of 1 Mi
      // characters, and the next brings it in again: reading the name each
      // time would take minutes.
      {"a long name read once", IncludeNode(std::string(1024 * 1024, 'x'))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    WriteInclude("f.xml", "<std:node a><std:strval>f.xml</std:strval></std:node>" + c.tail);
    const std::string sheet =
        WriteSheet("<std:node r>" + IncludeNode("f.xml") + "\"includefile\">");
    EXPECT_EQ(Expand(sheet), "<failed>");
    EXPECT_EQ(Includes(sheet).size(), static_cast<std::size_t>(kAXOGvsMaxIncludes) + 1);
  }
}

TEST_F(GvsTest, TextGrowingPastTheBoundOnLengthFails) {
  // One character more than the bound, all of it from one include.
  const std::string filler(static_cast<std::size_t>(kAXOGvsMaxLength) - 20, 'x');
  WriteInclude("big.xml", "<std:node>" + filler + "</std:node>");
  const std::string sheet = WriteSheet(IncludeNode("big.xml"));
  EXPECT_EQ(Expand(sheet), "<failed>");
}

TEST_F(GvsTest, FilesBeyondTheReadLimitMakeTheExpansionFail) {
  // A sparse file: its size is what counts, nothing of it is read.
  const std::filesystem::path huge = dir_.WriteFile("std/gvs_includes/huge.xml");
  std::filesystem::resize_file(huge, static_cast<std::uintmax_t>(kAXOGvsMaxFileBytes) + 1);
  EXPECT_EQ(Expand(dir_.Host("std/gvs_includes/huge.xml")), "<failed>");
  EXPECT_EQ(Expand(WriteSheet(IncludeNode("huge.xml"))), "<failed>");
}

}  // namespace
