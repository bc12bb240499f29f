// The report model and its text form.
#include "DoctorReport.h"

#include <algorithm>

namespace axocor::doctor {

namespace {

void Add(Section& section, FindingKind kind, int depth, std::string subject, std::string text) {
  section.findings.push_back(Finding{kind, depth, std::move(subject), std::move(text)});
}

}  // namespace

void Section::Info(int depth, std::string subject, std::string text) {
  Add(*this, FindingKind::kInfo, depth, std::move(subject), std::move(text));
}

void Section::Note(int depth, std::string subject, std::string text) {
  Add(*this, FindingKind::kNote, depth, std::move(subject), std::move(text));
}

void Section::Problem(int depth, std::string subject, std::string text) {
  Add(*this, FindingKind::kProblem, depth, std::move(subject), std::move(text));
}

int Section::Count(FindingKind kind) const {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                        [kind](const Finding& f) { return f.kind == kind; }));
}

Section& Report::AddSection(std::string id, std::string title) {
  sections_.push_back(Section{std::move(id), std::move(title), {}});
  return sections_.back();
}

int Report::Count(FindingKind kind) const {
  int count = 0;
  for (const Section& section : sections_) count += section.Count(kind);
  return count;
}

std::string Report::Summary() const {
  const int problems = Count(FindingKind::kProblem);
  if (problems == 0) return "no problems found";
  return std::to_string(problems) + (problems == 1 ? " problem found" : " problems found");
}

std::string FormatReportText(const Report& report) {
  std::string out = "axocor doctor: " + report.source + "\n";
  for (const auto& [name, value] : report.variables) {
    out += "  " + name + "=" + value + "\n";
  }
  for (const Section& section : report.sections()) {
    out += "\n== " + section.title + " ==\n";
    if (section.findings.empty()) out += "  (nothing to report)\n";
    for (const Finding& finding : section.findings) {
      out += std::string(2 + 2 * std::max(finding.depth, 0), ' ');
      if (finding.kind == FindingKind::kProblem) out += "PROBLEM: ";
      if (finding.kind == FindingKind::kNote) out += "note: ";
      out += finding.subject;
      if (!finding.subject.empty() && !finding.text.empty()) out += ": ";
      out += finding.text + "\n";
    }
  }
  const int notes = report.Count(FindingKind::kNote);
  out += "\n" + report.Summary();
  if (notes > 0) out += " (" + std::to_string(notes) + (notes == 1 ? " note)" : " notes)");
  return out + "\n";
}

}  // namespace axocor::doctor
