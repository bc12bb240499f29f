// The doctor's account of a style sheet's includes: each where the library's
// expansion meets it, under the include that brought it in.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"

namespace axocor::doctor {
namespace {

std::string Include(const std::string& name) {
  return "<std:node type=\"includefile\"><std:strval>" + name + "</std:strval></std:node>";
}
std::string File(const std::string& content) {
  return "<?xml version=\"1.0\"?><std:node name=\"root\">" + content + "</std:node>";
}

class DoctorStyleSheets : public ::testing::Test {
 protected:
  void SetUp() override {
    AXOPlatform::Get()->SetEnv("CATCollectionStandard", dir_.Host("std").c_str());
    AXOPlatform::Get()->SetEnv("CATDefaultCollectionStandard", nullptr);
  }
  void TearDown() override { AXOPlatform::Get()->SetEnv("CATCollectionStandard", nullptr); }

  // The style-sheet findings, one "depth kind subject: text" line each,
  // with the test folder's path (native or host) shown as "~" and "/"
  // between folders.
  std::vector<std::string> Findings() {
    Report report;
    CheckStyleSheets(report);
    const std::string folders[] = {Shown(dir_.Host()), dir_.Host()};
    std::vector<std::string> lines;
    for (const Finding& finding : report.sections().front().findings) {
      static const char* const kKinds[] = {"info", "note", "problem"};
      std::string line = std::to_string(finding.depth) + " " +
                         kKinds[static_cast<int>(finding.kind)] + " " + finding.subject + ": " +
                         finding.text;
      for (const std::string& folder : folders) {
        for (std::size_t at; (at = line.find(folder)) != std::string::npos;) {
          line.replace(at, folder.size(), "~");
        }
      }
      std::replace(line.begin(), line.end(), '\\', '/');
      lines.push_back(line);
    }
    return lines;
  }

  AXOTestTempFolder dir_;
};

TEST_F(DoctorStyleSheets, IncludesAreReportedWhereTheExpansionMeetsThem) {
  dir_.WriteFile("std/gvs_includes/a.xml", File("<std:node a/>" + Include("b.xml")));
  dir_.WriteFile("std/gvs_includes/b.xml", File("<std:node b/>" + Include("a.xml")));
  dir_.WriteFile("std/gvs_includes/bad.xml", File("<std:node/>" + Include("")));
  dir_.WriteFile("std/gvs_includes/leaf.xml", File("<std:node leaf/>"));
  dir_.WriteFile("std/gvs_includes/cut.xml", "<std:node>\n<std:node a/>\n<std:no");
  dir_.WriteFile("std/gvs_includes/open.xml", "<std:node>\n<std:node a/>\n");
  dir_.WriteFile("std/gvs_includes/empty.xml", "<std:node>\n</std:node>");
  const struct {
    const char* why;
    std::string sheet;
    std::vector<std::string> findings;
  } cases[] = {
      {"a malformed node in an included file ends the includes there",
       File(Include("leaf.xml") + Include("bad.xml") + Include("leaf.xml")),
       {"0 info S: ~/std/generativeparameters/S.xml, 2 includes",
        "1 info leaf.xml: ~/std/gvs_includes/leaf.xml",
        "1 info bad.xml: ~/std/gvs_includes/bad.xml",
        "2 problem ~/std/gvs_includes/bad.xml: an include node with an empty file name (include "
        "mark at byte 26): it and the rest of the text are not expanded"}},
      {"an include cycle is shown with the includes that lead to it",
       File(Include("a.xml") + Include("leaf.xml")),
       {"0 info S: ~/std/generativeparameters/S.xml, 4 includes",
        "1 info a.xml: ~/std/gvs_includes/a.xml", "2 info b.xml: ~/std/gvs_includes/b.xml",
        "3 problem a.xml: ~/std/gvs_includes/a.xml includes itself (through "
        "~/std/gvs_includes/a.xml, ~/std/gvs_includes/b.xml); the expansion is cut there"}},
      {"a node that starts in included text counts for the text around it",
       "<std:node r>" + Include("leaf.xml") + "<std:strval>leaf.xml</std:strval></std:node>]",
       {"0 info S: ~/std/generativeparameters/S.xml, 1 include",
        "1 info leaf.xml: ~/std/gvs_includes/leaf.xml"}},
      {"a value left open is one problem, where it is and as it is written",
       "<std:node r>\n  <std:node type=\"IncludeFile\"><std:strval>Units.xml</std:node>\n" +
           Include("leaf.xml") + "</std:node>",
       {"0 info S: ~/std/generativeparameters/S.xml, 1 include",
        "1 problem ~/std/generativeparameters/S.xml, line 2: \"<std:strval>Units.xml\" is not "
        "closed: the library takes the text up to the \"</std:strval>\" on line 3 for the file "
        "name, which names no file, and drops the include"}},
      {"an include cut short is a problem, one with an empty root a note",
       File(Include("cut.xml") + Include("open.xml") + Include("empty.xml")),
       {"0 info S: ~/std/generativeparameters/S.xml, 3 includes",
        "1 problem cut.xml: ~/std/gvs_includes/cut.xml is cut short: it ends inside the tag "
        "\"<std:no\" on line 3; it contributes nothing",
        "1 problem open.xml: ~/std/gvs_includes/open.xml is cut short: its root node, open since "
        "line 1, is never closed; it contributes nothing",
        "1 note empty.xml: ~/std/gvs_includes/empty.xml contributes nothing: its root node has no "
        "child node"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    dir_.WriteFile("std/generativeparameters/S.xml", c.sheet);
    EXPECT_EQ(Findings(), c.findings);
  }
}

}  // namespace
}  // namespace axocor::doctor
