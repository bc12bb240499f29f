// The report as JSON, for scripts:
//   { "source": text, "variables": { name: value, ... },
//     "sections": [ { "id", "title", "problemCount",
//                     "findings": [ { "kind": "info"|"note"|"problem",
//                                     "depth", "subject", "text",
//                                     "consequences"? } ] } ],
//     "problems": [ { "section", "subject", "text", "consequences"? } ],
//                                                        (all sections)
//     "problemCount", "noteCount", "summary" }
// "consequences" ([ { "subject", "text" } ]) only on a missing folder that
// problems were grouped under. Members keep this order; the text is
// compact, on one line.
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
      Json consequences = Json::array();
      for (const Finding& consequence : finding.consequences) {
        consequences.push_back({{"subject", consequence.subject}, {"text", consequence.text}});
      }
      Json item = {{"kind", KindName(finding.kind)},
                   {"depth", finding.depth},
                   {"subject", finding.subject},
                   {"text", finding.text}};
      Json problem = {
          {"section", section.id}, {"subject", finding.subject}, {"text", finding.text}};
      if (!consequences.empty()) {
        item["consequences"] = consequences;
        problem["consequences"] = std::move(consequences);
      }
      findings.push_back(std::move(item));
      if (finding.kind == FindingKind::kProblem) problems.push_back(std::move(problem));
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
