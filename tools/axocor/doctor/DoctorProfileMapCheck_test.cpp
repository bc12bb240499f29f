// The doctor's account of a profile map: every finding about a line in the
// order of the lines, whichever rule found it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AXOTestTempFolder.h"
#include "DoctorChecks.h"

namespace axocor::doctor {
namespace {

// "kind subject: text" of each finding about a line of the map `text`.
std::vector<std::string> LineFindingsOf(const std::string& text) {
  AXOTestTempFolder folder;
  folder.WriteFile("map.csv", text);
  Report report;
  CheckProfileMaps({folder.Host("map.csv")}, report);
  std::vector<std::string> lines;
  for (const Finding& finding : report.sections().front().findings) {
    if (finding.subject.rfind("line ", 0) != 0) continue;
    lines.push_back(std::string(finding.kind == FindingKind::kNote ? "note " : "problem ") +
                    finding.subject + ": " + finding.text);
  }
  return lines;
}

TEST(DoctorProfileMaps, FindingsFollowTheLinesOfTheMap) {
  const struct {
    const char* why;
    std::string map;
    std::vector<std::string> findings;
  } cases[] = {
      {"skipped lines, repeated names and shared keys interleave by line",
       "A,X,HE 1\nC,Z,HE 1\nA,Y,HE 3\nbad;line\nD,E,F,G\n",
       {"problem line 2: 'HE 1' (field 3) leads to the same import key 'HE1' as 'HE 1' (field 3) "
        "on line 1: import gives 'A', not 'C'",
        "problem line 3: 'A' is also on line 1: export gives 'HE 1' from there, not 'HE 3'",
        "problem line 4: skipped, fewer than two \",\": 'bad;line'",
        "note line 5: 1 records have more than three fields; the fields after the third are "
        "ignored"}},
      {"beyond 25 of a kind, the first 25 by line and a sum",
       [] {
         std::string map = "A,B,C\n";
         for (int i = 0; i < 27; ++i) map += "bad\n";
         return map;
       }(),
       [] {
         std::vector<std::string> findings;
         for (int line = 2; line <= 26; ++line) {
           findings.push_back("problem line " + std::to_string(line) +
                              ": skipped, fewer than two \",\": 'bad'");
         }
         findings.push_back("problem line 27 and after: 2 more lines like the above");
         return findings;
       }()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(LineFindingsOf(c.map), c.findings);
  }
}

}  // namespace
}  // namespace axocor::doctor
