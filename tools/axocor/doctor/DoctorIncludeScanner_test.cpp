#include "DoctorIncludeScanner.h"

#include <gtest/gtest.h>

namespace axocor::doctor {
namespace {

std::string Include(const std::string& name, const char* mark = "includefile") {
  return "<std:node name=\"i\" type=\"" + std::string(mark) + "\">\n  <std:strval>" + name +
         "</std:strval>\n</std:node>\n";
}

TEST(ScanIncludes, FindsEachIncludeNodeInOrderInLowerCase) {
  struct Case {
    std::string text;
    std::vector<std::string> names;
  } cases[] = {
      {"<std:node name=\"Walls\"></std:node>", {}},
      {"<std:node>" + Include("Wall_Layers.xml") + Include("common.xml") + "</std:node>",
       {"wall_layers.xml", "common.xml"}},
      {Include("a.xml", "IncludeFile"), {"a.xml"}},
      {Include("D:\\gvs\\Doors.xml"), {"d:\\gvs\\doors.xml"}},
      {Include(" spaced .xml"), {" spaced .xml"}},  // names are not trimmed
      {Include("a.xml") + std::string("\0", 1) + Include("hidden.xml"), {"a.xml"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const IncludeScan scan = ScanIncludes(c.text);
    EXPECT_EQ(scan.names, c.names);
    EXPECT_EQ(scan.malformed, "");
  }
}

TEST(ScanIncludes, StopsAtAMalformedIncludeNodeAndSaysWhy) {
  struct Case {
    std::string text;
    std::size_t found;
    std::string why;
  } cases[] = {
      {Include("a.xml") + Include(""), 1, "empty file name"},
      {Include("a.xml") + "<std:node type=\"includefile\"></std:node>", 1,
       "without \"<std:strval>\""},
      {"<std:node type=\"includefile\"><std:strval>a.xml</std:strval>", 0,
       "without a closing \"</std:node>\""},
      {"<node type=\"includefile\"><std:strval>a.xml</std:strval></std:node>", 0,
       "without a \"<std:node\" before it"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const IncludeScan scan = ScanIncludes(c.text);
    EXPECT_EQ(scan.names.size(), c.found);
    EXPECT_NE(scan.malformed.find(c.why), std::string::npos) << scan.malformed;
  }
}

TEST(IncludedContent, KeepsTheRootNodesChildrenOnly) {
  struct Case {
    std::string text;
    std::string content;
  } cases[] = {
      {"<?xml?>\n<std:node n=\"r\">\n  <std:node a/>\n  <std:node b/>\n</std:node>\n",
       "<std:node a/>\n  <std:node b/>\n"},
      {"<std:node n=\"r\"></std:node>", ""},  // a root without children contributes nothing
      {"<std:node><std:node a/>", ""},        // no closing
      {"plain text", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IncludedContent(c.text), c.content);
  }
}

TEST(IsFullIncludePath, TakesDriveAndNetworkPathsAsTheyStand) {
  EXPECT_TRUE(IsFullIncludePath("d:\\gvs\\doors.xml"));
  EXPECT_TRUE(IsFullIncludePath("\\\\server\\share\\doors.xml"));
  EXPECT_FALSE(IsFullIncludePath("doors.xml"));
  EXPECT_FALSE(IsFullIncludePath("sub/doors.xml"));
}

}  // namespace
}  // namespace axocor::doctor
