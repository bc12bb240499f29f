// The report model and its text form.
#include "DoctorReport.h"

#include <algorithm>
#include <map>
#include <set>

#include "AxocorEscapedText.h"

namespace axocor::doctor {

namespace {

Finding& Add(Section& section, FindingKind kind, int depth, std::string subject, std::string text) {
  section.findings.push_back(Finding{kind, depth, std::move(subject), std::move(text), {}, {}, {}});
  return section.findings.back();
}

// The variables of a ';'-separated list.
std::vector<std::string> Variables(const std::string& list) {
  std::vector<std::string> variables;
  std::size_t start = 0;
  for (std::size_t end; (end = list.find(';', start)) != std::string::npos; start = end + 1) {
    variables.push_back(list.substr(start, end - start));
  }
  variables.push_back(list.substr(start));
  return variables;
}

// A finding on one line. Its subject and text may quote what a file holds,
// so both are escaped.
void AddLine(std::string& out, const Finding& finding, int depth, const char* mark) {
  out += std::string(2 + 2 * std::max(depth, 0), ' ');
  if (finding.kind == FindingKind::kProblem) out += mark;
  if (finding.kind == FindingKind::kNote) out += "note: ";
  out += AxocorEscapedText(finding.subject);
  if (!finding.subject.empty() && !finding.text.empty()) out += ": ";
  out += AxocorEscapedText(finding.text) + "\n";
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

void Section::MissingFolder(std::string variable, int depth, std::string subject,
                            std::string text) {
  Add(*this, FindingKind::kProblem, depth, std::move(subject), std::move(text)).missingFrom =
      std::move(variable);
}

void Section::SearchProblem(std::string searched, int depth, std::string subject,
                            std::string text) {
  Add(*this, FindingKind::kProblem, depth, std::move(subject), std::move(text)).searched =
      std::move(searched);
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

void Report::GroupUnderMissingFolders() {
  std::set<std::string> missing;  // variables that miss a folder
  for (const Section& section : sections_) {
    for (const Finding& finding : section.findings) {
      if (!finding.missingFrom.empty()) missing.insert(finding.missingFrom);
    }
  }
  // The consequences are taken out first, by the variable of their cause;
  // then no section changes and the causes can be held.
  std::vector<std::pair<std::string, Finding>> consequences;
  for (Section& section : sections_) {
    std::vector<Finding> kept;
    for (Finding& finding : section.findings) {
      std::string cause;
      for (const std::string& variable : Variables(finding.searched)) {
        if (cause.empty() && missing.count(variable) != 0) cause = variable;
      }
      if (cause.empty()) {
        kept.push_back(std::move(finding));
      } else {
        consequences.emplace_back(cause, std::move(finding));
      }
    }
    section.findings = std::move(kept);
  }
  std::map<std::string, Finding*> first;
  for (Section& section : sections_) {
    for (Finding& finding : section.findings) {
      if (!finding.missingFrom.empty()) first.emplace(finding.missingFrom, &finding);
    }
  }
  for (auto& [variable, consequence] : consequences) {
    first[variable]->consequences.push_back(std::move(consequence));
  }
}

std::string Report::Summary() const {
  const int problems = Count(FindingKind::kProblem);
  if (problems == 0) return "no problems found";
  return std::to_string(problems) + (problems == 1 ? " problem found" : " problems found");
}

std::string FormatReportText(const Report& report) {
  std::string out = "axocor doctor: " + AxocorEscapedText(report.source) + "\n";
  for (const auto& [name, value] : report.variables) {
    out += "  " + name + "=" + AxocorEscapedText(value) + "\n";
  }
  for (const Section& section : report.sections()) {
    out += "\n== " + section.title + " ==\n";
    if (section.findings.empty()) out += "  (nothing to report)\n";
    for (const Finding& finding : section.findings) {
      AddLine(out, finding, finding.depth, "PROBLEM: ");
      for (const Finding& consequence : finding.consequences) {
        AddLine(out, consequence, finding.depth + 1, "so: ");
      }
    }
  }
  const int notes = report.Count(FindingKind::kNote);
  out += "\n" + report.Summary();
  if (notes > 0) out += " (" + std::to_string(notes) + (notes == 1 ? " note)" : " notes)");
  return out + "\n";
}

}  // namespace axocor::doctor
