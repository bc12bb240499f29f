#ifndef AXOCOR_DOCTOR_REPORT_H
#define AXOCOR_DOCTOR_REPORT_H

// What the doctor found in an installation: sections of findings, each a
// line about one file, folder, name or value. A finding is information
// (what is there), a note (worth knowing, not wrong) or a problem (the
// installation will misbehave). Only problems make the check fail.

#include <string>
#include <utility>
#include <vector>

namespace axocor::doctor {

enum class FindingKind { kInfo, kNote, kProblem };

struct Finding {
  FindingKind kind = FindingKind::kInfo;
  int depth = 0;        // nesting in the text form: 0 an item, 1 a detail of it
  std::string subject;  // the file, folder, name or value the line is about
  std::string text;     // what is there, or what is wrong and why
};

struct Section {
  std::string id;     // stable key for scripts, such as "styleSheets"
  std::string title;  // heading of the text form
  std::vector<Finding> findings;

  void Info(int depth, std::string subject, std::string text);
  void Note(int depth, std::string subject, std::string text);
  void Problem(int depth, std::string subject, std::string text);
  int Count(FindingKind kind) const;
};

class Report {
 public:
  // What was checked ("the installation described by <file>") and the
  // variables it was given, in the order they were set.
  std::string source;
  std::vector<std::pair<std::string, std::string>> variables;

  // Adds a section at the end; the reference stays valid until the next
  // AddSection.
  Section& AddSection(std::string id, std::string title);
  const std::vector<Section>& sections() const { return sections_; }

  int Count(FindingKind kind) const;
  // "no problems found", "1 problem found", "N problems found".
  std::string Summary() const;

 private:
  std::vector<Section> sections_;
};

// The report for people: a heading per section, one line per finding,
// problems and notes marked, and the summary as the last line.
std::string FormatReportText(const Report& report);

// The report for scripts, as one JSON object (see FormatReportJson in
// DoctorReportJson.cpp for its members). Always valid JSON: texts that are
// not valid UTF-8 are repaired with U+FFFD.
std::string FormatReportJson(const Report& report);

}  // namespace axocor::doctor

#endif  // AXOCOR_DOCTOR_REPORT_H
