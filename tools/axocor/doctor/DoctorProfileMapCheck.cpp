// Profile maps: the lines the reader skips and why, names that lead to the
// same key, and the library's own reading of the file in both directions.
#include <fstream>
#include <map>

#include "AXOCorCSVMapReader.h"
#include "AXOPlatform.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"
#include "DoctorProfileMapLines.h"

namespace axocor::doctor {

namespace {

// Findings of one kind beyond this many are summed up in one line.
constexpr int kListedPerKind = 25;

// The library's key for a foreign name on import: blanks removed, "*"
// made "x", upper case.
std::string Normalised(const std::string& name) {
  CATUnicodeString key = CATUnicodeString(name.c_str()).Strip(CATUnicodeString::CATStripModeAll);
  key.ReplaceAll("*", "x");
  key.ToUpper();
  return key.ConvertToChar();
}

// A foreign-name field counts only with two characters or more.
bool IsName(const std::string& field) {
  return CATUnicodeString(field.c_str()).GetLengthInChar() >= 2;
}

std::string LineRef(int number) {
  return "line " + std::to_string(number);
}

// Adds findings of one kind, summing up those beyond kListedPerKind.
class CappedFindings {
 public:
  CappedFindings(Section& section, FindingKind kind) : section_(section), kind_(kind) {}
  ~CappedFindings() {
    if (count_ <= kListedPerKind) return;
    Push(LineRef(firstDropped_) + " and after",
         std::to_string(count_ - kListedPerKind) + " more lines like the above");
  }
  void Add(int line, const std::string& text) {
    if (++count_ > kListedPerKind) {
      if (count_ == kListedPerKind + 1) firstDropped_ = line;
      return;
    }
    Push(LineRef(line), text);
  }

 private:
  void Push(const std::string& subject, const std::string& text) {
    section_.findings.push_back(Finding{kind_, 1, subject, text});
  }
  Section& section_;
  FindingKind kind_;
  int count_ = 0;
  int firstDropped_ = 0;
};

// One import key and where it comes from. Field-3 keys beat field-2 keys,
// which beat own names; within a rank the earliest line wins.
struct ImportEntry {
  int rank = 0;  // 3, 2 or 1: the field the key comes from
  int line = 0;
  std::string field;  // as written
  std::string value;  // the own name it leads to
};

bool Beats(const ImportEntry& a, const ImportEntry& b) {
  return a.rank != b.rank ? a.rank > b.rank : a.line < b.line;
}

const char* FieldName(int rank) {
  return rank == 3 ? "field 3" : rank == 2 ? "field 2" : "own name";
}

struct MapAnalysis {
  std::map<std::string, std::pair<int, std::string>> exportMap;  // own name -> line, value
  std::map<std::string, ImportEntry> importMap;                  // key -> winner
};

void CheckRecords(Section& section, const MapFileLines& file, MapAnalysis& map) {
  CappedFindings problems(section, FindingKind::kProblem);
  CappedFindings notes(section, FindingKind::kNote);
  std::vector<ImportEntry> entries;
  std::map<std::string, std::vector<ImportEntry>> byKey;
  int unreachable = 0, firstUnreachable = 0, extraFields = 0, firstExtra = 0;
  for (const MapLine& line : file.lines) {
    if (line.kind != MapLineKind::kRecord) continue;
    const std::string& own = line.fields[0];
    if (own.empty()) {
      problems.Add(line.number, "empty own name: the line maps the empty name");
    } else if (own.front() == ' ' || own.back() == ' ' || own.front() == '\t' ||
               own.back() == '\t') {
      problems.Add(line.number, "own name '" + own +
                                    "' has blanks at its ends: exact lookups of "
                                    "the name without them miss it");
    }
    if (line.fieldCount > 3 && extraFields++ == 0) firstExtra = line.number;
    const std::string& value = IsName(line.fields[2])   ? line.fields[2]
                               : IsName(line.fields[1]) ? line.fields[1]
                                                        : own;
    const auto [first, inserted] = map.exportMap.emplace(own, std::make_pair(line.number, value));
    if (!inserted && first->second.second != value) {
      problems.Add(line.number, "'" + own + "' is also on " + LineRef(first->second.first) +
                                    ": export gives '" + first->second.second +
                                    "' from there, "
                                    "not '" +
                                    value + "'");
    } else if (!inserted) {
      notes.Add(line.number, "repeats '" + own + "' of " + LineRef(first->second.first));
    }
    if (IsName(line.fields[2])) {
      byKey[Normalised(line.fields[2])].push_back({3, line.number, line.fields[2], own});
    }
    if (IsName(line.fields[1])) {
      byKey[line.fields[1]].push_back({2, line.number, line.fields[1], own});
      if (Normalised(line.fields[1]) != line.fields[1] && unreachable++ == 0) {
        firstUnreachable = line.number;
      }
    }
    byKey[own].push_back({1, line.number, own, own});
  }
  for (auto& [key, list] : byKey) {
    ImportEntry winner = list.front();
    for (const ImportEntry& entry : list) {
      if (Beats(entry, winner)) winner = entry;
    }
    map.importMap[key] = winner;
    for (const ImportEntry& entry : list) {
      if (entry.value == winner.value) continue;
      problems.Add(entry.line, "'" + entry.field + "' (" + FieldName(entry.rank) +
                                   ") leads to the same import key '" + key + "' as '" +
                                   winner.field + "' (" + FieldName(winner.rank) + ") on " +
                                   LineRef(winner.line) + ": import gives '" + winner.value +
                                   "', not '" + entry.value + "'");
    }
  }
  if (extraFields > 0) {
    section.Note(1, LineRef(firstExtra),
                 std::to_string(extraFields) +
                     " records have more than three fields; the "
                     "fields after the third are ignored");
  }
  if (unreachable > 0) {
    section.Note(1, LineRef(firstUnreachable),
                 std::to_string(unreachable) +
                     " second-field names hold blanks, lower case or "
                     "\"*\": an import looks names up in normalised form, so it never finds them "
                     "(their own names and third fields still work)");
  }
}

void CheckSkippedLines(Section& section, const MapFileLines& file) {
  CappedFindings problems(section, FindingKind::kProblem);
  CappedFindings notes(section, FindingKind::kNote);
  for (const MapLine& line : file.lines) {
    switch (line.kind) {
      case MapLineKind::kTooFewFields:
        problems.Add(line.number, "skipped, fewer than two \",\": '" + line.text + "'");
        break;
      case MapLineKind::kTooLong:
        problems.Add(line.number, std::to_string(line.length) + " characters, more than " +
                                      std::to_string(kMaxMapLineLength) +
                                      ": the reader stops here, and this line and the " +
                                      std::to_string(file.linesAfterTooLong) +
                                      " after it are ignored");
        break;
      case MapLineKind::kEmpty:
        notes.Add(line.number, "empty line, skipped");
        break;
      case MapLineKind::kComment:
      case MapLineKind::kRecord:
        break;
    }
  }
}

// The library's reading of the file must agree with the rules applied
// above; a difference means the doctor cannot vouch for the file.
void CompareWithLibrary(Section& section, const std::string& path, const MapAnalysis& map) {
  AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();
  reader->ReadCatalogMap(path.c_str(), AXOCorCSVMapReader::TranslatorExport);
  int exported = 0;
  for (const auto& [own, where] : map.exportMap) {
    CATUnicodeString foreign;
    if (reader->GetThirdPartyProfileName(own.c_str(), foreign) == S_OK &&
        where.second == foreign.ConvertToChar()) {
      ++exported;
    } else {
      section.Problem(1, LineRef(where.first),
                      "the library's reader exports '" + own + "' as '" + foreign.ConvertToChar() +
                          "', not '" + where.second + "'");
    }
  }
  reader->ReadCatalogMap(path.c_str(), AXOCorCSVMapReader::TranslatorImport);
  int imported = 0;
  for (const auto& [key, winner] : map.importMap) {
    if (winner.rank != 3) continue;  // only these are found through a normalised lookup
    CATUnicodeString own;
    if (reader->GetQZProfileName(winner.field.c_str(), own) == S_OK &&
        winner.value == own.ConvertToChar()) {
      ++imported;
    } else {
      section.Problem(1, LineRef(winner.line),
                      "the library's reader imports '" + winner.field + "' as '" +
                          own.ConvertToChar() + "', not '" + winner.value + "'");
    }
  }
  AXOCorCSVMapReader::RemoveInstance();
  section.Info(1, "library reader",
               std::to_string(exported) + " names exported, " + std::to_string(imported) +
                   " third-field names imported, as expected");
}

void CheckProfileMap(Section& section, const std::string& path) {
  std::ifstream in(AXOPlatform::Get()->NativePath(path), std::ios::binary);
  if (!in) {
    section.Problem(0, Shown(path), "cannot be opened: the translator reads an empty map");
    return;
  }
  const MapFileLines file = ReadProfileMapLines(in);
  int records = 0, comments = 0;
  for (const MapLine& line : file.lines) {
    records += line.kind == MapLineKind::kRecord;
    comments += line.kind == MapLineKind::kComment;
  }
  const int lines = static_cast<int>(file.lines.size()) + file.linesAfterTooLong;
  section.Info(0, Shown(path),
               std::to_string(lines) + " lines: " + std::to_string(records) + " records, " +
                   std::to_string(comments) + " comment lines");
  if (records == 0) section.Problem(1, Shown(path), "holds no record: the map is empty");
  CheckSkippedLines(section, file);
  MapAnalysis map;
  CheckRecords(section, file, map);
  CompareWithLibrary(section, path, map);
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
