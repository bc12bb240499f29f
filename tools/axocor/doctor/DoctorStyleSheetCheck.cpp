// Style sheets: where each is, and whether each of its includes resolves
// and reads.
#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"
#include "DoctorStyleSheetText.h"
#include "textformats/AXOCorParserServicesGVSExpander.h"
#include "textformats/AXOCorParserServicesGVSFiles.h"

namespace axocor::doctor {

namespace {

constexpr const char kSheetFolder[] = "generativeparameters";
constexpr const char kIncludeFolder[] = "gvs_includes";

// The standard collection folders, in the library's search order.
std::vector<std::string> CollectionFolders() {
  std::vector<std::string> folders = PathListOf("CATCollectionStandard");
  for (const std::string& folder : PathListOf("CATDefaultCollectionStandard")) {
    folders.push_back(folder);
  }
  return folders;
}

// Every file of the collections' style-sheet folders named `name`.xml
// (letter case aside), in search order.
std::vector<std::string> SheetFiles(const std::string& name) {
  std::vector<std::string> files;
  for (const std::string& collection : CollectionFolders()) {
    const std::string folder = JoinPath(collection, kSheetFolder);
    CATListValCATUnicodeString entries;
    AXOCorGlobalServices::FindFilesInDirectoryWithExtension(folder.c_str(), "xml", entries);
    for (int i = 1; i <= entries.Size(); ++i) {
      CATUnicodeString base;
      AXOCorParserServices::RemoveExtensionFromFileName(entries[i], base);
      if (ToLower(base.ConvertToChar()) == ToLower(name)) {
        files.push_back(JoinPath(folder, entries[i].ConvertToChar()));
      }
    }
  }
  return files;
}

// Why an include name did not resolve, with a hint when a file of that name
// exists in another letter case (the library looks names up in lower case).
std::string MissingIncludeText(const std::string& name, const std::string& sheet) {
  std::string text = "included by " + sheet + ", not found";
  if (AXOIsGvsIncludePath(name.c_str())) {
    return text + " (a full path, opened as written in lower case)";
  }
  text += " in the \"gvs_includes\" folder of any standard collection";
  for (const std::string& collection : CollectionFolders()) {
    const std::string folder = JoinPath(collection, kIncludeFolder);
    for (const std::string& file : FilesOf(folder)) {
      if (ToLower(file) == name && file != name) {
        text += "; " + Shown(JoinPath(folder, file)) +
                " differs in letter case and the library looks for '" + name + "'";
      }
    }
  }
  return text;
}

std::string MalformedText(AXOGvsMalformed why) {
  switch (why) {
    case AXOGvsMalformed::kNoNodeStart:
      return "an include mark without a \"<std:node\" before it";
    case AXOGvsMalformed::kNoValue:
      return "an include node without \"<std:strval>\" name \"</std:strval>\"";
    case AXOGvsMalformed::kEmptyName:
      return "an include node with an empty file name";
    case AXOGvsMalformed::kNotClosed:
      break;
  }
  return "an include node without a closing \"</std:node>\"";
}

// What the library's expansion of one style sheet met, in its order.
class ExpansionLog : public AXOGvsObserver {
 public:
  // An include met, or (with `malformed` set) the malformed node that
  // ended the scan, `name` then being the file that holds it.
  struct Event {
    std::string name;
    std::string path;
    int depth;
    AXOGvsIncludeOutcome outcome;
    std::string malformed;
  };

  void OnInclude(const CATUnicodeString& name, const CATUnicodeString& path, int depth,
                 AXOGvsIncludeOutcome outcome) override {
    events.push_back(Event{name.ConvertToChar(), path.ConvertToChar(), depth, outcome, ""});
    ++includes;
  }
  void OnMalformed(AXOGvsMalformed why, const CATUnicodeString& file, int depth,
                   int markByte) override {
    events.push_back(
        Event{file.ConvertToChar(), "", depth, AXOGvsIncludeOutcome::kStopped,
              MalformedText(why) + " (include mark at byte " + std::to_string(markByte) + ")"});
  }

  std::vector<Event> events;
  std::size_t includes = 0;
};

// The bytes of the file at `hostPath`; "" when it cannot be read (which the
// expansion has reported already).
std::string FileText(const std::string& hostPath) {
  std::string text;
  if (!ReadWholeFile(hostPath, static_cast<std::size_t>(kAXOGvsMaxFileBytes), text).ok()) return "";
  return text;
}

// An include whose "<std:strval>" the file `holder` does not close before
// the next tag: one line, where it is and as it is written.
void ReportUnclosedValue(Section& section, int depth, const std::string& name,
                         const std::string& holder) {
  const auto consequence = [](const std::string& where) {
    return " is not closed: the library takes the text up to the \"</std:strval>\"" + where +
           " for the file name, which names no file, and drops the include";
  };
  UnclosedValue value;
  if (!FindUnclosedValue(FileText(holder), name, value)) {
    section.Problem(depth, Shown(holder),
                    "an include's \"<std:strval>" + name.substr(0, name.find_first_of("<\n")) +
                        "\"" + consequence(" after it"));
    return;
  }
  section.Problem(
      depth, Shown(holder) + ", line " + std::to_string(value.line),
      "\"" + value.written + "\"" + consequence(" on line " + std::to_string(value.closingLine)));
}

// An included file that contributes nothing: a problem when it is cut
// short, else a note.
void ReportEmptyInclude(Section& section, int depth, const ExpansionLog::Event& event) {
  const std::string why = WhyCutShort(FileText(event.path));
  if (why.empty()) {
    section.Note(depth, event.name,
                 Shown(event.path) + " contributes nothing: its root node has no child node");
  } else {
    section.Problem(depth, event.name,
                    Shown(event.path) + " is cut short: " + why + "; it contributes nothing");
  }
}

// Reports the includes in the order of the expansion, each under the
// include whose text it came with. The first include cycle ends the report.
void ReportIncludes(Section& section, const std::vector<ExpansionLog::Event>& events,
                    const std::string& sheetPath, const std::string& sheet) {
  std::vector<std::string> chain;  // the includes that brought the text in, outermost first
  // The files whose text holds the nodes of each depth: the style sheet,
  // then the includes that brought the text in.
  std::vector<std::string> holders{sheetPath};
  for (const ExpansionLog::Event& event : events) {
    const int depth = event.depth;
    if (!event.malformed.empty()) {
      section.Problem(depth, Shown(event.name),
                      event.malformed + ": it and the rest of the text are not expanded");
      continue;
    }
    chain.resize(static_cast<std::size_t>(depth - 1));
    holders.resize(static_cast<std::size_t>(depth));
    if (IsNameAcrossTags(event.name)) {
      ReportUnclosedValue(section, depth, event.name, holders.back());
      continue;
    }
    switch (event.outcome) {
      case AXOGvsIncludeOutcome::kNotFound:
        section.SearchProblem("CATCollectionStandard;CATDefaultCollectionStandard", depth,
                              event.name, MissingIncludeText(event.name, sheet));
        break;
      case AXOGvsIncludeOutcome::kCycle:
        section.Problem(depth, event.name,
                        Shown(event.path) + " includes itself" +
                            (chain.empty() ? "" : " (through " + JoinNames(chain) + ")") +
                            "; the expansion is cut there");
        return;
      case AXOGvsIncludeOutcome::kUnreadable:
        section.Problem(depth, event.name, Shown(event.path) + " cannot be read");
        break;
      case AXOGvsIncludeOutcome::kEmpty:
        ReportEmptyInclude(section, depth, event);
        break;
      case AXOGvsIncludeOutcome::kIncluded:
        section.Info(depth, event.name, Shown(event.path));
        chain.push_back(Shown(event.path));
        holders.push_back(event.path);
        break;
      case AXOGvsIncludeOutcome::kStopped:
        break;  // a bound stopped the expansion, which is reported as a whole
    }
  }
}

void CheckStyleSheet(Section& section, const std::string& name) {
  const std::vector<std::string> files = SheetFiles(name);
  if (files.empty()) {
    section.Problem(0, name, "listed by the library but no file was found for it");
    return;
  }
  const std::string& path = files.front();
  ExpansionLog log;
  if (AXOExpandGvs(path.c_str(), nullptr, &log) != AXOGvsExpansion::kExpanded) {
    section.Problem(0, Shown(path), "style sheet '" + name + "' cannot be read");
    return;
  }
  section.Info(0, name,
               Shown(path) + ", " + std::to_string(log.includes) +
                   (log.includes == 1 ? " include" : " includes"));
  for (std::size_t i = 1; i < files.size(); ++i) {
    section.Note(1, Shown(files[i]), "not used: '" + name + "' is taken from " + Shown(path));
  }
  ReportIncludes(section, log.events, path, "style sheet '" + name + "'");
}

}  // namespace

void CheckStyleSheets(Report& report) {
  Section& section = report.AddSection("styleSheets", "Style sheets");
  CATListValCATUnicodeString names;
  AXOCorEnvVarManager::GetGVSNames(names);
  if (names.Size() == 0) {
    if (!CollectionFolders().empty()) {
      section.Problem(0, "generativeparameters",
                      "no style sheet (*.xml) in the style-sheet folder of any standard "
                      "collection");
    }
    return;
  }
  for (int i = 1; i <= names.Size(); ++i) CheckStyleSheet(section, names[i].ConvertToChar());
}

}  // namespace axocor::doctor
