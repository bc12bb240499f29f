#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "DoctorReport.h"

namespace axocor::doctor {
namespace {

TEST(DoctorReportJson, KeepsTheMemberOrderOnOneLineAndRepairsTextThatIsNotUtf8) {
  Report report;
  report.source = "c:\\axo";
  report.variables = {{"CATStartupPath", "b"}, {"AXOProfileMap", "a"}};
  Section& section = report.AddSection("maps", "Maps");
  section.Info(0, "x", "\"q\"");
  section.Problem(1, "a\xFF", "tab\there\x01");
  section.Note(0, "", "");
  const std::string json = FormatReportJson(report);
  EXPECT_EQ(json, R"({"source":"c:\\axo","variables":{"CATStartupPath":"b","AXOProfileMap":"a"},)"
                  R"("sections":[{"id":"maps","title":"Maps","problemCount":1,"findings":[)"
                  R"({"kind":"info","depth":0,"subject":"x","text":"\"q\""},)"
                  R"({"kind":"problem","depth":1,"subject":"a)"
                  "\xEF\xBF\xBD"
                  R"(","text":"tab\there\u0001"},)"
                  R"({"kind":"note","depth":0,"subject":"","text":""}]}],)"
                  R"("problems":[{"section":"maps","subject":"a)"
                  "\xEF\xBF\xBD"
                  R"(","text":"tab\there\u0001"}],"problemCount":1,"noteCount":1,)"
                  R"("summary":"1 problem found"})"
                  "\n");
  EXPECT_NO_THROW(nlohmann::json::parse(json));
}

// A missing folder is one problem, with the problems that searching its
// list met below it; problems of lists that miss nothing stay where they are.
TEST(DoctorReport, GroupsProblemsUnderTheFirstFolderMissingFromTheirList) {
  Report report;
  Section& paths = report.AddSection("pathLists", "Path lists");
  paths.MissingFolder("CATStartupPath", 1, "/a", "folder does not exist");
  paths.MissingFolder("CATStartupPath", 1, "/b", "folder does not exist");
  paths.MissingFolder("CATDefaultCollectionStandard", 1, "/d", "folder does not exist");
  Section& counters = report.AddSection("counters", "Counters");
  counters.SearchProblem("CATStartupPath", 0, "WallID", "absent");
  counters.Info(0, "DoorID", "41");
  counters.SearchProblem("CATGraphicPath", 0, "x.CATfct", "not installed");
  counters.SearchProblem("CATCollectionStandard;CATDefaultCollectionStandard", 0, "walls.xml",
                         "not found");
  counters.SearchProblem("CATStartupPath", 0, "DoorID", "absent");
  report.GroupUnderMissingFolders();

  EXPECT_EQ(report.Count(FindingKind::kProblem), 4);  // three folders, one graphic path problem
  EXPECT_EQ(FormatReportText(report),
            "axocor doctor: \n\n== Path lists ==\n"
            "    PROBLEM: /a: folder does not exist\n"
            "      so: WallID: absent\n      so: DoorID: absent\n"
            "    PROBLEM: /b: folder does not exist\n"
            "    PROBLEM: /d: folder does not exist\n      so: walls.xml: not found\n"
            "\n== Counters ==\n  DoorID: 41\n  PROBLEM: x.CATfct: not installed\n"
            "\n4 problems found\n");
  const nlohmann::json json = nlohmann::json::parse(FormatReportJson(report));
  EXPECT_EQ(json["problemCount"], 4);
  EXPECT_EQ(json["problems"][0]["consequences"][1]["subject"], "DoorID");
  EXPECT_FALSE(json["problems"][1].contains("consequences"));
  EXPECT_EQ(json["sections"][1]["problemCount"], 1);
}

}  // namespace
}  // namespace axocor::doctor
