// Style sheets: where each is, and whether each of its includes resolves
// and reads.
#include <algorithm>

#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "DoctorChecks.h"
#include "DoctorFiles.h"
#include "DoctorIncludeScanner.h"

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
  if (IsFullIncludePath(name)) return text + " (a full path, opened as written in lower case)";
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

// Walks the includes of one file in the order of the library's expansion,
// pairing each name with the path that the library listed for it.
class IncludeWalk {
 public:
  // `sheet` names the style sheet in texts, `sheetPath` is its file.
  IncludeWalk(Section& section, const std::vector<std::string>& listed, const std::string& sheet,
              const std::string& sheetPath)
      : section_(section), listed_(listed), sheet_(sheet), sheetPath_(sheetPath) {}

  void Walk(const std::string& text, std::vector<std::string>& chain, int depth) {
    const IncludeScan scan = ScanIncludes(text);
    for (const std::string& name : scan.names) {
      const std::string path = next_ < listed_.size() ? listed_[next_] : std::string();
      ++next_;
      Visit(name, path, chain, depth);
      if (stopped_) return;
    }
    if (!scan.malformed.empty()) {
      section_.Problem(depth, Shown(chain.empty() ? sheetPath_ : chain.back()),
                       scan.malformed + ": it and the rest of the text are not expanded");
    }
  }

  std::size_t walked() const { return next_; }
  bool stopped() const { return stopped_; }

 private:
  void Visit(const std::string& name, const std::string& path, std::vector<std::string>& chain,
             int depth) {
    if (path.empty()) {
      section_.Problem(depth, name, MissingIncludeText(name, sheet_));
      return;
    }
    if (std::find(chain.begin(), chain.end(), path) != chain.end()) {
      section_.Problem(depth, name,
                       Shown(path) + " includes itself (through " + JoinNames(chain) +
                           "); the expansion is cut there");
      stopped_ = true;
      return;
    }
    std::string content;
    if (!IsFile(path) || !ReadWholeFile(path, content)) {
      section_.Problem(depth, name, Shown(path) + " cannot be read");
      return;
    }
    const std::string contributed = IncludedContent(content);
    if (contributed.empty()) {
      section_.Note(depth, name,
                    Shown(path) + " contributes nothing: its root node has no child node");
      return;
    }
    section_.Info(depth, name, Shown(path));
    chain.push_back(path);
    Walk(contributed, chain, depth + 1);
    chain.pop_back();
  }

  Section& section_;
  const std::vector<std::string>& listed_;
  const std::string sheet_;
  const std::string sheetPath_;
  std::size_t next_ = 0;
  bool stopped_ = false;
};

void CheckStyleSheet(Section& section, const std::string& name) {
  const std::vector<std::string> files = SheetFiles(name);
  if (files.empty()) {
    section.Problem(0, name, "listed by the library but no file was found for it");
    return;
  }
  const std::string& path = files.front();
  CATUnicodeString expanded;
  std::string text;
  if (!AXOCorParserServices::ExpandIncludesInGVS(path.c_str(), expanded) ||
      !ReadWholeFile(path, text)) {
    section.Problem(0, Shown(path), "style sheet '" + name + "' cannot be read");
    return;
  }
  CATListValCATUnicodeString includes;
  AXOCorParserServices::GetIncludesInGVS(path.c_str(), includes);
  std::vector<std::string> listed;
  for (int i = 1; i <= includes.Size(); ++i) listed.emplace_back(includes[i].ConvertToChar());

  section.Info(0, name,
               Shown(path) + ", " + std::to_string(listed.size()) +
                   (listed.size() == 1 ? " include" : " includes"));
  for (std::size_t i = 1; i < files.size(); ++i) {
    section.Note(1, Shown(files[i]), "not used: '" + name + "' is taken from " + Shown(path));
  }
  IncludeWalk walk(section, listed, "style sheet '" + name + "'", path);
  std::vector<std::string> chain;
  walk.Walk(text, chain, 1);
  if (!walk.stopped() && walk.walked() != listed.size()) {
    section.Note(1, name,
                 "the library lists " + std::to_string(listed.size()) +
                     " includes where the doctor found " + std::to_string(walk.walked()));
  }
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
