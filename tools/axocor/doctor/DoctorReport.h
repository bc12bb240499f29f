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
  // A folder missing from a path list: the list's variable ("CATStartupPath").
  std::string missingFrom;
  // A problem met while searching the folders of path lists: their
  // variables, separated by ';'.
  std::string searched;
  // The problems grouped under this missing folder (GroupUnderMissingFolders),
  // shown and counted with it.
  std::vector<Finding> consequences;
};

struct Section {
  std::string id;     // stable key for scripts, such as "styleSheets"
  std::string title;  // heading of the text form
  std::vector<Finding> findings;

  void Info(int depth, std::string subject, std::string text);
  void Note(int depth, std::string subject, std::string text);
  void Problem(int depth, std::string subject, std::string text);
  // A problem: a folder of the path list `variable` that does not exist.
  void MissingFolder(std::string variable, int depth, std::string subject, std::string text);
  // A problem met while searching the folders of the path lists `searched`
  // ("A;B"): a folder missing from one of them may be its cause.
  void SearchProblem(std::string searched, int depth, std::string subject, std::string text);
  // Findings of `kind`; those grouped under another are not counted.
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
  // Moves every problem met while searching a path list that misses a
  // folder (SearchProblem) under the first such folder (MissingFolder) of
  // the first of its lists that misses one: one missing folder is one
  // problem, with what it causes below it.
  void GroupUnderMissingFolders();
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
