// The report as JSON, for scripts:
//   { "source": text, "variables": { name: value, ... },
//     "sections": [ { "id", "title", "problemCount",
//                     "findings": [ { "kind": "info"|"note"|"problem",
//                                     "depth", "subject", "text" } ] } ],
//     "problems": [ { "section", "subject", "text" } ],   (all sections)
//     "problemCount", "noteCount", "summary" }
// Members keep this order; the text is compact, on one line.
#include "AxocorJson.h"
#include "DoctorReport.h"

namespace axocor::doctor {

namespace {

using Json = AxocorJson;

const char* KindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::kNote:
      return "note";
    case FindingKind::kProblem:
      return "problem";
    case FindingKind::kInfo:
      break;
  }
  return "info";
}

}  // namespace

std::string FormatReportJson(const Report& report) {
  Json variables = Json::object();
  for (const auto& [name, value] : report.variables) variables[name] = value;
  Json sections = Json::array();
  Json problems = Json::array();
  for (const Section& section : report.sections()) {
    Json findings = Json::array();
    for (const Finding& finding : section.findings) {
      findings.push_back({{"kind", KindName(finding.kind)},
                          {"depth", finding.depth},
                          {"subject", finding.subject},
                          {"text", finding.text}});
      if (finding.kind == FindingKind::kProblem) {
        problems.push_back(
            {{"section", section.id}, {"subject", finding.subject}, {"text", finding.text}});
      }
    }
    sections.push_back({{"id", section.id},
                        {"title", section.title},
                        {"problemCount", section.Count(FindingKind::kProblem)},
                        {"findings", std::move(findings)}});
  }
  const Json json = {{"source", report.source},
                     {"variables", std::move(variables)},
                     {"sections", std::move(sections)},
                     {"problems", std::move(problems)},
                     {"problemCount", report.Count(FindingKind::kProblem)},
                     {"noteCount", report.Count(FindingKind::kNote)},
                     {"summary", report.Summary()}};
  return JsonText(json);
}

}  // namespace axocor::doctor
