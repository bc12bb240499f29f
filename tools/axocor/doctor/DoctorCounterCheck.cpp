// Counter files: present where the add-on's commands look, readable,
// holding a number, and advanceable, all without advancing any of them.
#include <map>

#include "AXOPlatform.h"
#include "CATLib.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"
#include "model/AXOCorCounterText.h"
#include "model/AXOCorCounters.h"

namespace axocor::doctor {

namespace {

using axo_counters::kCounterFolder;

// The counter files below `folder`, with their names relative to it
// ("WallID", "Doors\FrameID").
void CollectCounters(const std::string& folder, const std::string& prefix,
                     std::vector<std::string>& names) {
  const std::vector<FolderEntry> entries = ListEntries(folder);
  for (const FolderEntry& entry : entries) {
    if (!entry.folder) names.push_back(prefix + entry.name);
  }
  for (const FolderEntry& entry : entries) {
    if (entry.folder)
      CollectCounters(JoinPath(folder, entry.name), prefix + entry.name + "\\", names);
  }
}

// What the library makes of the counter's text.
void CheckContent(Section& section, const std::string& shown, const std::string& content) {
  const axo_counters::CounterText text = axo_counters::ReadCounterText(content);
  std::string rest = content.substr(text.end);
  rest.erase(0, rest.find_first_not_of(" \t\r\n"));
  const std::string number = std::to_string(text.number);
  if (content.find_first_not_of(" \t\r\n") == std::string::npos) {
    section.Info(1, shown, "empty: the next number handed out is 1");
  } else if (!text.hasNumber) {
    section.Problem(1, shown,
                    "holds no number ('" + content.substr(0, 40) +
                        "'): the library starts again at 1 and hands out numbers "
                        "already used");
  } else if (text.last < 0 || text.last >= axo_counters::kMaxCounter) {
    // As written: a number beyond 64 bits reads as the largest one.
    const std::size_t start = content.find_first_not_of(" \t\r\n");
    section.Problem(1, shown,
                    "holds '" + content.substr(start, text.end - start) + "', " +
                        (text.number < 0 ? "a negative number" : "a number too large") +
                        ": a counter hands out 0 to " +
                        std::to_string(axo_counters::kMaxCounter - 1));
  } else if (!rest.empty()) {
    section.Problem(1, shown,
                    "holds " + number + " followed by '" + rest.substr(0, 40) +
                        "', which the next advance drops");
  } else {
    section.Info(1, shown,
                 "holds " + number + ": the next number is " + std::to_string(text.last + 1));
  }
}

// Checks one counter file without touching its content, by the library's
// own rule of when a counter advances. True when the library could
// advance it.
bool CheckCounterFile(Section& section, const std::string& path) {
  const std::string shown = Shown(path);
  std::string content;
  const AXOStatus read = ReadWholeFile(path, AXOLockOptions().maxBytes, content);
  if (!read.ok()) {
    section.Problem(1, shown,
                    "cannot be read (" + read.reason() +
                        "): the library skips it and tries the next startup path");
    return false;
  }
  CheckContent(section, shown, content);
  bool made_writable = false;
  const AXOStatus advances = axo_counters::CheckCounterAdvances(path.c_str(), made_writable);
  if (advances.ok() && made_writable) {
    section.Problem(1, shown,
                    "is read-only: the library makes it writable (mode 0600) before "
                    "advancing it, which only its owner may do; make it writable");
  } else if (advances.code() == AXOStatusCode::kPermissionDenied) {
    section.Problem(1, shown,
                    advances.reason() +
                        ": it cannot be advanced (the library tries the next "
                        "startup path)");
  }
  return advances.ok();
}

}  // namespace

void CheckCounters(const Environment& environment, Report& report) {
  Section& section = report.AddSection("counters", "Counters");
  // Counter name -> the file the library uses, once one can be advanced.
  std::map<std::string, std::string> used;
  std::map<std::string, bool> seen;
  for (const std::string& startup : PathListOf("CATStartupPath")) {
    if (startup.empty() || !IsFolder(startup)) continue;  // reported with the path lists
    const std::string folder = JoinPath(startup, kCounterFolder);
    if (!IsFolder(folder)) continue;
    std::vector<std::string> names;
    CollectCounters(folder, "", names);
    section.Info(0, Shown(folder),
                 std::to_string(names.size()) + (names.size() == 1 ? " counter" : " counters"));
    for (const std::string& name : names) {
      const std::string path = JoinPath(folder, name);
      seen[name] = true;
      if (const auto first = used.find(name); first != used.end()) {
        section.Note(1, Shown(path),
                     "not used: the library advances " + Shown(first->second) +
                         ", in an earlier startup path");
        continue;
      }
      if (CheckCounterFile(section, path)) used.emplace(name, path);
    }
  }
  std::vector<std::string> expected;
  if (const std::string* list = environment.Find("AXOCounterNames")) expected = SplitList(*list);
  for (const std::string& name : expected) {
    if (!name.empty() && seen.count(name) == 0) {
      section.SearchProblem("CATStartupPath", 0, name,
                            "counter absent from the \"" + std::string(kCounterFolder) +
                                "\" folder of every "
                                "startup path: the library hands out -1 for it");
    }
  }
  if (seen.empty() && expected.empty()) {
    section.Note(0, kCounterFolder, "no counter file below any startup path");
  }
}

}  // namespace axocor::doctor
