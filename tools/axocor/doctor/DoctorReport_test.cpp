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

}  // namespace
}  // namespace axocor::doctor
