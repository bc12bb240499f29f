#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "axocor/CommandTestRun.h"

namespace {

// Runs "axocor gvs ..." with the given arguments.
CommandTestResult RunGvs(std::vector<std::string> args) {
  args.insert(args.begin(), "gvs");
  return RunCommandForTest(RegisterGvsCommands, args);
}

std::string Include(const std::string& name) {
  return "<std:node type=\"includefile\"><std:strval>" + name + "</std:strval></std:node>";
}

class GvsCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AXOPlatform::Get()->SetEnv("CATCollectionStandard", dir_.Host("std").c_str());
    AXOPlatform::Get()->SetEnv("CATDefaultCollectionStandard", nullptr);
    dir_.WriteFile("std/gvs_includes/part.xml", "<std:node><std:node name=\"p\"/></std:node>");
  }
  void TearDown() override { AXOPlatform::Get()->SetEnv("CATCollectionStandard", nullptr); }

  // Writes a style sheet; returns its host path.
  std::string Sheet(const std::string& text, const std::string& name = "sheet.xml") {
    dir_.WriteFile(name, text);
    return dir_.Host(name);
  }

  AXOTestTempFolder dir_;
};

TEST_F(GvsCommandsTest, ExpandPrintsTheExpandedTextOrWritesItToAFile) {
  const std::string sheet = Sheet("<a>\r\n" + Include("part.xml") + "</a>");
  const CommandTestResult printed = RunGvs({"expand", sheet});
  EXPECT_EQ(printed.status, 0) << printed.err;
  EXPECT_EQ(printed.out, "<a>\n<std:node name=\"p\"/></a>");

  const CommandTestResult written = RunGvs({"expand", sheet, "-o", dir_.Host("out.xml")});
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, "");
  std::ifstream file(dir_.Native("out.xml"), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "<a>\n<std:node name=\"p\"/></a>");
}

TEST_F(GvsCommandsTest, IncludesGivesEachIncludeAndFailsWhenOneDoesNotRead) {
  const CommandTestResult good = RunGvs({"includes", Sheet(Include("part.xml"))});
  EXPECT_EQ(good.status, 0) << good.err;
  const std::string part = (dir_.Native("std") / "gvs_includes" / "part.xml").u8string();
  EXPECT_EQ(good.out, "ok\t" + part + "\n");

  const CommandTestResult bad =
      RunGvs({"includes", Sheet(Include("part.xml") + Include("gone.xml"))});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "ok\t" + part + "\nnot found\t(in no gvs_includes folder)\n");
  EXPECT_NE(bad.err.find("1 of 2 includes of '" + dir_.Host("sheet.xml") + "'"), std::string::npos)
      << bad.err;

  // An include closing a cycle expands to nothing too.
  dir_.WriteFile("std/gvs_includes/loop.xml",
                 "<std:node><std:node/>" + Include("loop.xml") + "</std:node>");
  const CommandTestResult cycle = RunGvs({"includes", Sheet(Include("loop.xml"))});
  EXPECT_EQ(cycle.status, 1);
  const std::string loop = (dir_.Native("std") / "gvs_includes" / "loop.xml").u8string();
  EXPECT_EQ(cycle.out, "ok\t" + loop + "\ncycle\t" + loop + "\n");
}

TEST_F(GvsCommandsTest, ErrorsNameTheFileAtFault) {
  // Each level includes the next twice, beyond the bound on replaced nodes.
  for (int level = 0; level < 20; ++level) {
    const std::string next = "l" + std::to_string(level + 1) + ".xml";
    dir_.WriteFile("std/gvs_includes/l" + std::to_string(level) + ".xml",
                   "<std:node><std:node/>" + Include(next) + Include(next) + "</std:node>");
  }
  dir_.MakeFolder("folder.xml");
  dir_.WriteFile("std/gvs_includes/binary.xml", "<std:node><std:node/>\x1B[2J</std:node>");
  const std::string multiplying = Sheet(Include("l0.xml"), "multiplying.xml");
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"expand", dir_.Host("missing.xml")}, "'" + dir_.Host("missing.xml") + "' does not exist"},
      {{"includes", dir_.Host("folder.xml")}, "'" + dir_.Host("folder.xml") + "' is a folder"},
      {{"expand", multiplying}, "the expansion of '" + multiplying + "' stops at include 10001"},
      {{"includes", multiplying}, "stops at include 10001"},
      {{"expand", multiplying, "-o", dir_.Host("folder.xml")}, "stops at include"},
      {{"expand", Sheet("<a/>"), "-o", dir_.Host("folder.xml")},
       "cannot write '" + dir_.Native("folder.xml").u8string() + "': is a folder, not a file"},
      // What is not text is no style sheet, even where the reader stops at a
      // NUL byte.
      {{"expand", Sheet(std::string("<a>\n<b>\0\xFF\x1B</b>", 13), "binary.xml")},
       "the style sheet '" + dir_.Host("binary.xml") +
           "' is not text (line 2, column 4: a NUL byte): it cannot be a style sheet"},
      {{"expand", Sheet("<a>\xE9t\xE9</a>", "latin1.xml")},
       "(line 1, column 4: the byte 0xE9, which is not UTF-8)"},
      {{"expand", Sheet(Include("binary.xml"), "includes-binary.xml")},
       "'" + (dir_.Native("std") / "gvs_includes" / "binary.xml").u8string() + "', included by '" +
           dir_.Host("includes-binary.xml") +
           "', is not text (line 1, column 22: the control character 0x1B)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CommandTestResult result = RunGvs(c.args);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("axocor: error: "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    if (c.args[0] == "expand") {
      EXPECT_EQ(result.out, "") << "nothing of the text goes out";
    }
  }
}

TEST_F(GvsCommandsTest, ListGivesTheStyleSheetNamesOrFails) {
  const CommandTestResult none = RunGvs({"list"});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("no style sheet"), std::string::npos) << none.err;

  dir_.WriteFile("std/generativeparameters/Walls.xml", "<a/>");
  const CommandTestResult one = RunGvs({"list"});
  EXPECT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(one.out, "Walls\n");

  AXOPlatform::Get()->SetEnv("CATCollectionStandard", nullptr);
  const CommandTestResult unset = RunGvs({"list"});
  EXPECT_EQ(unset.status, 1);
  EXPECT_NE(unset.err.find("neither CATCollectionStandard nor"), std::string::npos) << unset.err;
}

}  // namespace
