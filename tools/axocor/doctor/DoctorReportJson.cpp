// The report as JSON, for scripts:
//   { "source": text, "variables": { name: value, ... },
//     "sections": [ { "id", "title", "problemCount",
//                     "findings": [ { "kind": "info"|"note"|"problem",
//                                     "depth", "subject", "text" } ] } ],
//     "problems": [ { "section", "subject", "text" } ],   (all sections)
//     "problemCount", "noteCount", "summary" }
#include "DoctorJsonWriter.h"
#include "DoctorReport.h"

namespace axocor::doctor {

namespace {

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

void WriteSection(JsonWriter& json, const Section& section) {
  json.BeginObject();
  json.Key("id");
  json.String(section.id);
  json.Key("title");
  json.String(section.title);
  json.Key("problemCount");
  json.Integer(section.Count(FindingKind::kProblem));
  json.Key("findings");
  json.BeginArray();
  for (const Finding& finding : section.findings) {
    json.BeginObject();
    json.Key("kind");
    json.String(KindName(finding.kind));
    json.Key("depth");
    json.Integer(finding.depth);
    json.Key("subject");
    json.String(finding.subject);
    json.Key("text");
    json.String(finding.text);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace

std::string FormatReportJson(const Report& report) {
  JsonWriter json;
  json.BeginObject();
  json.Key("source");
  json.String(report.source);
  json.Key("variables");
  json.BeginObject();
  for (const auto& [name, value] : report.variables) {
    json.Key(name);
    json.String(value);
  }
  json.EndObject();
  json.Key("sections");
  json.BeginArray();
  for (const Section& section : report.sections()) WriteSection(json, section);
  json.EndArray();
  json.Key("problems");
  json.BeginArray();
  for (const Section& section : report.sections()) {
    for (const Finding& finding : section.findings) {
      if (finding.kind != FindingKind::kProblem) continue;
      json.BeginObject();
      json.Key("section");
      json.String(section.id);
      json.Key("subject");
      json.String(finding.subject);
      json.Key("text");
      json.String(finding.text);
      json.EndObject();
    }
  }
  json.EndArray();
  json.Key("problemCount");
  json.Integer(report.Count(FindingKind::kProblem));
  json.Key("noteCount");
  json.Integer(report.Count(FindingKind::kNote));
  json.Key("summary");
  json.String(report.Summary());
  json.EndObject();
  return json.text() + "\n";
}

}  // namespace axocor::doctor
