// Profile maps: the lines the library's reader skips and why, and names
// that lead to the same key, found with the reader's own line and map rules.
#include <algorithm>
#include <deque>
#include <map>
#include <string_view>

#include "AXOPlatform.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"
#include "profilemap/AXOCorCSVMapEntries.h"
#include "profilemap/AXOCorCSVMapFile.h"
#include "profilemap/AXOCorCSVMapLines.h"

namespace axocor::doctor {

namespace {

using axo_profile_map::kMaxLineLength;
using axo_profile_map::LineKind;
using axo_profile_map::Source;

// Findings of one kind beyond this many are summed up in one line.
constexpr int kListedPerKind = 25;

std::string LineRef(int number) {
  return "line " + std::to_string(number);
}

// The findings about the lines of one map file, put into the section in
// line order once all are in (those of one line in the order they came);
// of each kind, those beyond kListedPerKind are summed up in one line.
// Summaries of many lines are placed at their first line and never summed
// up themselves.
class LineFindings {
 public:
  explicit LineFindings(Section& section) : section_(section) {}
  LineFindings(const LineFindings&) = delete;
  LineFindings& operator=(const LineFindings&) = delete;

  void Problem(int line, std::string text) { Add(FindingKind::kProblem, line, std::move(text)); }
  void Note(int line, std::string text) { Add(FindingKind::kNote, line, std::move(text)); }
  void Summary(int line, std::string text) {
    findings_.push_back({FindingKind::kNote, line, std::move(text), false});
  }

  void Flush() {
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const Entry& a, const Entry& b) { return a.line < b.line; });
    std::map<FindingKind, int> listed;
    std::map<FindingKind, std::pair<int, int>> dropped;  // first line, count
    for (const Entry& entry : findings_) {
      if (entry.capped && ++listed[entry.kind] > kListedPerKind) {
        ++dropped.try_emplace(entry.kind, entry.line, 0).first->second.second;
        continue;
      }
      Push(entry.kind, LineRef(entry.line), entry.text);
    }
    for (const auto& [kind, lines] : dropped) {
      Push(kind, LineRef(lines.first) + " and after",
           std::to_string(lines.second) + " more lines like the above");
    }
    findings_.clear();
  }

 private:
  struct Entry {
    FindingKind kind;
    int line;
    std::string text;
    bool capped;
  };
  void Add(FindingKind kind, int line, std::string text) {
    findings_.push_back({kind, line, std::move(text), true});
  }
  void Push(FindingKind kind, const std::string& subject, const std::string& text) {
    section_.findings.push_back(Finding{kind, 1, subject, text, {}, {}, {}});
  }
  Section& section_;
  std::vector<Entry> findings_;
};

// One line of a map file, kept for the findings.
struct KeptLine {
  int number = 0;  // from 1
  LineKind kind = LineKind::kEmpty;
  std::string text;        // the line (lines too long: not kept)
  std::size_t length = 0;  // bytes, line end not counted
  std::string fields[3];   // records: the first three fields
  bool moreFields = false;

  int Index(Source source) const { return static_cast<int>(source) - 1; }
  // The field a key or value comes from, as written.
  const std::string& Field(Source source) const { return fields[Index(source)]; }
  void Views(std::string_view (&views)[3]) const {
    for (int i = 0; i < 3; ++i) views[i] = fields[i];
  }
};

struct MapFileLines {
  // Up to and including a line too long; a deque, as lines are added one
  // by one and never moved.
  std::deque<KeptLine> lines;
  int linesAfterTooLong = 0;  // lines the reader never reaches
};

MapFileLines ReadMapLines(std::string_view text) {
  MapFileLines file;
  axo_profile_map::MapLineReader reader(text);
  axo_profile_map::MapLine line;
  while (reader.Next(line)) {
    KeptLine& kept = file.lines.emplace_back();
    kept.number = static_cast<int>(file.lines.size());
    kept.kind = line.kind;
    if (line.kind == LineKind::kTooLong) {
      kept.length = line.text.size();
      while (reader.Next(line)) ++file.linesAfterTooLong;
      break;
    }
    kept.text = line.text;
    kept.length = line.text.size();
    for (int i = 0; i < 3; ++i) kept.fields[i] = line.fields[i];
    kept.moreFields = line.moreFields;
  }
  return file;
}

// Both directions of the map, as the library's reader builds them.
struct Maps {
  axo_profile_map::ProfileMap exported{axo_profile_map::Direction::kExport};
  axo_profile_map::ProfileMap imported{axo_profile_map::Direction::kImport};
};

const char* FieldName(Source source) {
  return source == Source::kField3 ? "field 3" : source == Source::kField2 ? "field 2" : "own name";
}

std::string KeyOf(std::string_view text) {
  std::string key;
  axo_profile_map::AppendKey(text, key);
  return key;
}

// Whether import lookups, which normalise the name asked for, can find
// `name` as written.
bool IsNormalised(std::string_view name) {
  std::string normalised;
  axo_profile_map::AppendNormalisedKey(name, normalised);
  return normalised == KeyOf(name);
}

void CheckRecords(LineFindings& findings, const MapFileLines& file, const Maps& maps) {
  // Import keys that give another name than their line's.
  struct Conflict {
    std::string key;
    int line;
    std::string problem;
  };
  std::vector<Conflict> conflicts;
  int unreachable = 0, firstUnreachable = 0, extraFields = 0, firstExtra = 0;
  std::string scratch;
  for (const KeptLine& line : file.lines) {
    if (line.kind != LineKind::kRecord) continue;
    const std::string& own = line.fields[0];
    if (own.empty()) {
      findings.Problem(line.number, "empty own name: the line maps the empty name");
    } else if (own.front() == ' ' || own.back() == ' ' || own.front() == '\t' ||
               own.back() == '\t') {
      findings.Problem(line.number, "own name '" + own +
                                        "' has blanks at its ends: exact lookups of "
                                        "the name without them miss it");
    }
    if (line.moreFields && extraFields++ == 0) firstExtra = line.number;
    std::string_view fields[3];
    line.Views(fields);
    const axo_profile_map::MapEntry& first = *maps.exported.Find(KeyOf(own));
    if (first.line != line.number && first.value != axo_profile_map::ExportName(fields)) {
      findings.Problem(line.number, "'" + own + "' is also on " + LineRef(first.line) +
                                        ": export gives '" + first.value + "' from there, not '" +
                                        std::string(axo_profile_map::ExportName(fields)) + "'");
    } else if (first.line != line.number) {
      findings.Note(line.number, "repeats '" + own + "' of " + LineRef(first.line));
    }
    axo_profile_map::ForEachImportKey(fields, scratch, [&](const std::string& key, Source source) {
      if (source == Source::kField2 && !IsNormalised(line.Field(source)) && unreachable++ == 0) {
        firstUnreachable = line.number;
      }
      const axo_profile_map::MapEntry& winner = *maps.imported.Find(key);
      if (winner.value == own) return;
      const KeptLine& winnerLine = file.lines[winner.line - 1];
      conflicts.push_back({key, line.number,
                           "'" + line.Field(source) + "' (" + FieldName(source) +
                               ") leads to the same import key '" + key + "' as '" +
                               winnerLine.Field(winner.source) + "' (" + FieldName(winner.source) +
                               ") on " + LineRef(winner.line) + ": import gives '" + winner.value +
                               "', not '" + own + "'"});
    });
  }
  // By key within a line.
  std::stable_sort(conflicts.begin(), conflicts.end(),
                   [](const Conflict& a, const Conflict& b) { return a.key < b.key; });
  for (const Conflict& conflict : conflicts) findings.Problem(conflict.line, conflict.problem);
  if (extraFields > 0) {
    findings.Summary(firstExtra, std::to_string(extraFields) +
                                     " records have more than three fields; the "
                                     "fields after the third are ignored");
  }
  if (unreachable > 0) {
    findings.Summary(
        firstUnreachable,
        std::to_string(unreachable) +
            " second-field names hold blanks, lower case or "
            "\"*\": an import looks names up in normalised form, so it never finds them "
            "(their own names and third fields still work)");
  }
}

void CheckSkippedLines(LineFindings& findings, const MapFileLines& file) {
  for (const KeptLine& line : file.lines) {
    switch (line.kind) {
      case LineKind::kTooFewFields:
        findings.Problem(line.number, "skipped, fewer than two \",\": '" + line.text + "'");
        break;
      case LineKind::kTooLong:
        findings.Problem(line.number, std::to_string(line.length) + " characters, more than " +
                                          std::to_string(kMaxLineLength) +
                                          ": the reader stops here, and this line and the " +
                                          std::to_string(file.linesAfterTooLong) +
                                          " after it are ignored");
        break;
      case LineKind::kEmpty:
        findings.Note(line.number, "empty line, skipped");
        break;
      case LineKind::kComment:
      case LineKind::kRecord:
        break;
    }
  }
}

void CheckProfileMap(Section& section, const std::string& path) {
  std::string text;
  const AXOStatus read = axo_profile_map::ReadMapFile(path.c_str(), text);
  if (!read.ok()) {
    section.Problem(0, Shown(path),
                    "cannot be read (" + read.reason() + "): the translator reads an empty map");
    return;
  }
  const MapFileLines file = ReadMapLines(text);
  const auto records =
      std::count_if(file.lines.begin(), file.lines.end(),
                    [](const KeptLine& line) { return line.kind == LineKind::kRecord; });
  const auto comments =
      std::count_if(file.lines.begin(), file.lines.end(),
                    [](const KeptLine& line) { return line.kind == LineKind::kComment; });
  Maps maps;
  maps.exported.Reserve(static_cast<std::size_t>(records));
  maps.imported.Reserve(static_cast<std::size_t>(records));
  for (const KeptLine& line : file.lines) {
    if (line.kind != LineKind::kRecord) continue;
    std::string_view fields[3];
    line.Views(fields);
    maps.exported.Add(fields, line.number);
    maps.imported.Add(fields, line.number);
  }
  const int lines = static_cast<int>(file.lines.size()) + file.linesAfterTooLong;
  section.Info(0, Shown(path),
               std::to_string(lines) + " lines: " + std::to_string(records) + " records, " +
                   std::to_string(comments) + " comment lines");
  if (records == 0) section.Problem(1, Shown(path), "holds no record: the map is empty");
  LineFindings findings(section);
  CheckSkippedLines(findings, file);
  CheckRecords(findings, file, maps);
  findings.Flush();
  const auto& imported = maps.imported.entries();
  const auto byField3 = std::count_if(imported.begin(), imported.end(), [](const auto& entry) {
    return entry.source == Source::kField3;
  });
  section.Info(1, "library reader",
               std::to_string(maps.exported.entries().size()) + " names exported, " +
                   std::to_string(byField3) + " third-field names imported, as expected");
}

}  // namespace

void CheckProfileMaps(const std::vector<std::string>& profileMaps, Report& report) {
  Section& section = report.AddSection("profileMaps", "Profile maps");
  if (profileMaps.empty()) {
    section.Note(0, "AXOProfileMap", "no profile map named: nothing to check");
    return;
  }
  for (const std::string& path : profileMaps) {
    if (path.empty()) {
      section.Problem(0, "AXOProfileMap", "empty entry (a doubled or trailing ';')");
      continue;
    }
    CheckProfileMap(section, path);
  }
}

}  // namespace axocor::doctor
