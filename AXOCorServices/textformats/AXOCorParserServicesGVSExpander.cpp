#include "AXOCorParserServicesGVSExpander.h"

#include <map>
#include <utility>
#include <vector>

#include "AXOCorParserServicesGVSFiles.h"
#include "AXOCorParserServicesGVSText.h"

namespace {

// The include mark: an attribute value "includefile" closing a start tag.
const CATUnicodeString kIncludeMark("\"includefile\">");
const CATUnicodeString kNodeOpen("<std:node");
const CATUnicodeString kValueOpen("<std:strval>");
const CATUnicodeString kValueClose("</std:strval>");
const CATUnicodeString kNodeClose("</std:node>");
const CATUnicodeString kNothing;

// An include node found in the text.
struct IncludeNode {
  int start = 0;  // its "<std:node"
  int end = 0;    // just after its "</std:node>"
  int mark = 0;   // its include mark
  CATUnicodeString name;
};

// Finds the first include node at or after `from` (a position before which
// the text holds no include mark). False when there is none, or when the
// first mark does not belong to a well-formed node: the scan ends there.
bool FindIncludeNode(AXOGvsWorkingText& text, int from, IncludeNode& node) {
  node.mark = text.Find(kIncludeMark, from);
  if (node.mark < 0) return false;
  node.start = text.FindBackward(kNodeOpen, node.mark);
  if (node.start < 0) return false;
  const int value_open = text.Find(kValueOpen, node.start);
  if (value_open < 0) return false;
  const int value_close = text.Find(kValueClose, value_open);
  if (value_close < 0) return false;
  const int name_start = value_open + kValueOpen.GetLengthInChar();
  node.name = text.LowerSubString(name_start, value_close - name_start);
  if (node.name.GetLengthInChar() == 0) return false;
  const int node_close = text.Find(kNodeClose, value_close);
  if (node_close < 0) return false;
  node.end = node_close + kNodeClose.GetLengthInChar();
  return true;
}

// One expansion: the include chains met, and the names and files already
// resolved and read (a name or file met again gives what it gave before).
class Expansion {
 public:
  explicit Expansion(const CATUnicodeString& path) { links_.push_back(Link{-1, FileId(path)}); }

  AXOGvsExpansion Run(const CATUnicodeString& sheet, CATUnicodeString* expanded,
                      CATListValCATUnicodeString* includes) {
    if (sheet.GetLengthInChar() > kAXOGvsMaxLength) return AXOGvsExpansion::kTooLarge;
    AXOGvsWorkingText text(sheet, 0);
    int replaced = 0;
    int from = 0;
    IncludeNode node;
    while (FindIncludeNode(text, from, node)) {
      const Include& include = Resolve(node.name);
      if (includes != nullptr) includes->Append(include.path);
      if (++replaced > kAXOGvsMaxIncludes) return AXOGvsExpansion::kTooLarge;

      // The chain of the node is the one of the text that holds its mark.
      const int origin = text.OriginAt(node.mark);
      const CachedFile* file = nullptr;
      int content_origin = origin;
      if (include.file >= 0 && !OnChain(origin, include.file)) {
        file = &Read(include);
        if (file->result == AXOGvsFileRead::kTooLarge) return AXOGvsExpansion::kTooLarge;
        links_.push_back(Link{origin, include.file});
        content_origin = static_cast<int>(links_.size()) - 1;
      }
      const CATUnicodeString& content = file != nullptr ? file->content : kNothing;
      const int node_length = node.end - node.start;
      if (text.Length() - node_length > kAXOGvsMaxLength - content.GetLengthInChar()) {
        return AXOGvsExpansion::kTooLarge;
      }
      text.Replace(node.start, node.end, content, content_origin);
      // Before the node nothing changed and no mark stood there, but a mark
      // may now begin in its last characters and run into the new text.
      from = node.start - (kIncludeMark.GetLengthInChar() - 1);
      if (from < 0) from = 0;
    }
    if (expanded != nullptr) {
      *expanded = text.Text().Strip(CATUnicodeString::CATStripModeAll, CATUnicodeChar('\r'));
    }
    return AXOGvsExpansion::kExpanded;
  }

 private:
  // One step of an include chain: a file, and the chain that included it.
  struct Link {
    int parent;  // index in links_, -1 for the style sheet
    int file;    // FileId
  };
  // What an include node's name leads to.
  struct Include {
    CATUnicodeString path;  // "" when not found
    int file;               // FileId of the path, -1 when not found
  };
  struct CachedFile {
    AXOGvsFileRead result;
    CATUnicodeString content;  // what the file contributes
  };

  const Include& Resolve(const CATUnicodeString& name) {
    auto found = includes_.find(name);
    if (found == includes_.end()) {
      Include include{AXOResolveGvsInclude(name), -1};
      if (include.path.GetLengthInChar() > 0) include.file = FileId(include.path);
      found = includes_.emplace(name, std::move(include)).first;
    }
    return found->second;
  }

  // A number per file; paths that differ only in letter case name the same
  // file, as they do on the host's file system.
  int FileId(const CATUnicodeString& path) {
    CATUnicodeString key(path);
    key.ToLower();
    return file_ids_.emplace(key, static_cast<int>(file_ids_.size())).first->second;
  }

  bool OnChain(int origin, int file) const {
    for (int link = origin; link >= 0; link = links_[static_cast<std::size_t>(link)].parent) {
      if (links_[static_cast<std::size_t>(link)].file == file) return true;
    }
    return false;
  }

  const CachedFile& Read(const Include& include) {
    auto cached = files_.find(include.file);
    if (cached == files_.end()) {
      CachedFile file{AXOGvsFileRead::kUnreadable, ""};
      CATUnicodeString text;
      file.result = AXOReadGvsFile(include.path, text);
      if (file.result == AXOGvsFileRead::kRead) file.content = AXOGvsIncludedContent(text);
      cached = files_.emplace(include.file, std::move(file)).first;
    }
    return cached->second;
  }

  std::vector<Link> links_;                       // links_[0] is the style sheet itself
  std::map<CATUnicodeString, Include> includes_;  // by name
  std::map<CATUnicodeString, int> file_ids_;      // by lower-case path
  std::map<int, CachedFile> files_;               // by FileId
};

}  // namespace

AXOGvsExpansion AXOExpandGvs(const CATUnicodeString& path, CATUnicodeString* expanded,
                             CATListValCATUnicodeString* includes) {
  CATUnicodeString sheet;
  switch (AXOReadGvsFile(path, sheet)) {
    case AXOGvsFileRead::kRead:
      break;
    case AXOGvsFileRead::kUnreadable:
      return AXOGvsExpansion::kUnreadable;
    case AXOGvsFileRead::kTooLarge:
      return AXOGvsExpansion::kTooLarge;
  }
  return Expansion(path).Run(sheet, expanded, includes);
}
