#include "textformats/AXOCorParserServicesGVSExpander.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "foundations/AXOCorHostText.h"
#include "textformats/AXOCorParserServicesGVSFiles.h"
#include "textformats/AXOCorParserServicesGVSText.h"

namespace {

struct TextHash {
  std::size_t operator()(const CATUnicodeString& text) const {
    // Texts that differ may share a char form; that costs a collision only.
    return std::hash<std::string_view>()(text.ConvertToChar());
  }
};

// One expansion: the names and files already resolved and read (a name or
// file met again gives what it gave before), and the texts that includes
// brought in and that still hold the nodes being expanded.
class Expansion {
 public:
  Expansion(const CATUnicodeString& path, AXOGvsObserver* observer, const AXOGvsLimits& limits)
      : path_(path), observer_(observer), limits_(limits) {}

  AXOGvsExpansion Run(CATUnicodeString* expanded) {
    std::string sheet;
    std::int64_t bytes = 0;
    switch (AXOReadGvsFile(path_, sheet, &bytes)) {
      case AXOGvsFileRead::kRead:
        break;
      case AXOGvsFileRead::kUnreadable:
        return AXOGvsExpansion::kUnreadable;
      case AXOGvsFileRead::kTooLarge:
        return AXOGvsExpansion::kFileTooLarge;
    }
    work_ = bytes;
    if (work_ > limits_.maxWork) return AXOGvsExpansion::kTooMuchWork;
    sheet_ = std::make_unique<AXOGvsSource>(sheet);
    if (sheet_->Length() > limits_.maxLength) return AXOGvsExpansion::kTooLong;
    has_carriage_return_ = sheet_->HasCarriageReturn();
    AXOGvsWorkingText text(*sheet_, 0);
    ReserveFor(*sheet_);
    origins_.push_back(Origin{path_, 0, sheet_.get()});
    levels_.push_back(Level{0, 0, -1, 0});
    AddSheetAsOwnInclude(sheet);

    int from = 0;
    int replaced = 0;
    Node node;
    for (;;) {
      const int mark = text.FindForward(kAXOGvsMark, from);
      if (mark < 0) break;
      AXOGvsMalformed why;
      if (!FindNode(text, mark, node, why)) return Malformed(why, text, mark, expanded);
      LeaveTextsNotHolding(text, from, node.start,
                           std::max(node.end, mark + AXOGvsTokenLength(kAXOGvsMark)));
      const int depth = levels_.back().depth + 1;
      const Include& include = IncludeOf(text, node);
      const CATUnicodeString& name = *include.name;
      if (++replaced > limits_.maxIncludes) {
        return Stop(name, include, depth, AXOGvsExpansion::kTooManyIncludes);
      }
      const AXOGvsSource* content = nullptr;
      AXOGvsIncludeOutcome outcome = AXOGvsIncludeOutcome::kNotFound;
      const AXOGvsExpansion fetched = Fetch(include, content, outcome);
      if (fetched != AXOGvsExpansion::kExpanded) return Stop(name, include, depth, fetched);
      const int added = content != nullptr ? content->Length() : 0;
      if (text.Length() - (node.end - node.start) > limits_.maxLength - added) {
        return Stop(name, include, depth, AXOGvsExpansion::kTooLong);
      }
      if (content != nullptr) work_ += content->TokenCount();
      if (work_ > limits_.maxWork) return Stop(name, include, depth, AXOGvsExpansion::kTooMuchWork);

      if (observer_ != nullptr) observer_->OnInclude(name, include.path, depth, outcome);
      const int origin = static_cast<int>(origins_.size());
      if (content != nullptr) origins_.push_back(Origin{include.path, depth, content});
      text.Replace(node.start, node.end, content, origin);
      if (content != nullptr) {
        Enter(Level{node.start, text.Length() - (node.start + added), include.file, depth});
        has_carriage_return_ = has_carriage_return_ || content->HasCarriageReturn();
      }
      // Before the node nothing changed and no mark began there, but a mark
      // may now begin in its last characters and run into the new text.
      from = std::max(0, node.start - (AXOGvsTokenLength(kAXOGvsMark) - 1));
    }
    Finish(text, expanded);
    return AXOGvsExpansion::kExpanded;
  }

 private:
  // What an include node's name leads to.
  struct Include {
    const CATUnicodeString* name;  // in lower case
    CATUnicodeString path;         // "" when not found
    int file;                      // FileId of the path, -1 when not found
  };
  // Where a name stands in a source.
  struct Place {
    const AXOGvsSource* source;
    int offset;
    int length;
    bool operator==(const Place& o) const {
      return source == o.source && offset == o.offset && length == o.length;
    }
  };
  struct PlaceHash {
    std::size_t operator()(const Place& place) const {
      return std::hash<const void*>()(place.source) ^
             std::hash<long long>()((static_cast<long long>(place.offset) << 32) + place.length);
    }
  };
  struct File {
    bool read = false;
    AXOGvsFileRead result = AXOGvsFileRead::kUnreadable;
    std::unique_ptr<AXOGvsSource> content;  // null when it contributes nothing
  };
  // The include node of a mark: from its "<std:node" to the end of its
  // "</std:node>", and where its name lies.
  struct Node {
    int start = 0;
    int end = 0;
    int name_start = 0;
    int name_length = 0;
  };

  // Finds the node of the include mark at `mark`: the nearest "<std:node"
  // at or before it, then "<std:strval>", "</std:strval>" and "</std:node>"
  // one after the other. False, with `why`, when one of them is missing or
  // the name is empty.
  static bool FindNode(const AXOGvsWorkingText& text, int mark, Node& node, AXOGvsMalformed& why) {
    node.start = text.FindBackward(kAXOGvsNodeOpen, mark);
    if (node.start < 0) {
      why = AXOGvsMalformed::kNoNodeStart;
      return false;
    }
    const int value_open = text.FindForward(kAXOGvsValueOpen, node.start);
    const int value_close = value_open < 0 ? -1 : text.FindForward(kAXOGvsValueClose, value_open);
    if (value_close < 0) {
      why = AXOGvsMalformed::kNoValue;
      return false;
    }
    node.name_start = value_open + AXOGvsTokenLength(kAXOGvsValueOpen);
    node.name_length = value_close - node.name_start;
    if (node.name_length == 0) {
      why = AXOGvsMalformed::kEmptyName;
      return false;
    }
    const int node_close = text.FindForward(kAXOGvsNodeClose, value_close);
    if (node_close < 0) {
      why = AXOGvsMalformed::kNotClosed;
      return false;
    }
    node.end = node_close + AXOGvsTokenLength(kAXOGvsNodeClose);
    return true;
  }

  // What replaces a node of `include`: `content` (null for nothing) and
  // `outcome`. kExpanded, or the bound that reading the file crossed.
  AXOGvsExpansion Fetch(const Include& include, const AXOGvsSource*& content,
                        AXOGvsIncludeOutcome& outcome) {
    content = nullptr;
    if (include.file < 0) {
      outcome = AXOGvsIncludeOutcome::kNotFound;
      return AXOGvsExpansion::kExpanded;
    }
    if (on_levels_[static_cast<std::size_t>(include.file)] > 0) {
      outcome = AXOGvsIncludeOutcome::kCycle;
      return AXOGvsExpansion::kExpanded;
    }
    const File& file = Read(include);
    if (work_ > limits_.maxWork) return AXOGvsExpansion::kTooMuchWork;
    if (file.result == AXOGvsFileRead::kTooLarge) return AXOGvsExpansion::kFileTooLarge;
    content = file.content.get();
    outcome = file.result == AXOGvsFileRead::kUnreadable ? AXOGvsIncludeOutcome::kUnreadable
              : content == nullptr                       ? AXOGvsIncludeOutcome::kEmpty
                                                         : AXOGvsIncludeOutcome::kIncluded;
    return AXOGvsExpansion::kExpanded;
  }

  // A text that an include brought in, as long as every node replaced since
  // lay within it: from `start` up to `end_from_back` characters before the
  // end of the whole text (both stay put while only text inside changes).
  // Such a text holds what its file's content becomes, whatever comes
  // before or after it, so a node within it that names `file` again would
  // bring in the same text and the same node again, for ever.
  struct Level {
    int start;
    int end_from_back;
    int file;   // FileId, -1 for the whole text
    int depth;  // of the include that brought it in; 0 for the style sheet
  };
  // The texts put into the text, numbered by the order they came in: the
  // file they came from and where they came from.
  struct Origin {
    CATUnicodeString path;
    int depth;
    const AXOGvsSource* source;
  };

  // Room for an include file per include mark of the style sheet, the
  // common case, so that the tables are not rebuilt as they fill.
  void ReserveFor(const AXOGvsSource& sheet) {
    std::size_t marks = 0;
    for (const AXOGvsSource::Token& token : sheet.Tokens()) marks += token.token == kAXOGvsMark;
    marks = std::min(marks, static_cast<std::size_t>(limits_.maxIncludes)) + 1;
    origins_.reserve(marks);
    on_levels_.reserve(marks);
    files_.reserve(marks);
    includes_.reserve(marks);
    places_.reserve(marks);
    file_ids_.reserve(marks);
  }

  // The style sheet's root content is what an include of the style sheet
  // brings in; it stands in the style sheet as if such an include had put
  // it there.
  void AddSheetAsOwnInclude(const std::string& sheet) {
    const int sheet_file = FileId(path_);
    File& self = files_[static_cast<std::size_t>(sheet_file)];
    self.read = true;
    self.result = AXOGvsFileRead::kRead;
    int begin = 0;
    int end = 0;
    if (!AXOGvsContentRange(sheet, begin, end)) return;
    self.content = std::make_unique<AXOGvsSource>(sheet.substr(begin, end - begin));
    // The content lies between two ASCII bytes, so the characters before it
    // are those of the bytes before it.
    const int chars_before =
        sheet_->Ascii() != nullptr
            ? begin
            : AXOCorTextOfBytes(std::string_view(sheet).substr(0, static_cast<std::size_t>(begin)))
                  .GetLengthInChar();
    const int chars_after = sheet_->Length() - chars_before - self.content->Length();
    Enter(Level{chars_before, chars_after, sheet_file, 0});
  }

  void Enter(const Level& level) {
    levels_.push_back(level);
    if (level.file >= 0) ++on_levels_[static_cast<std::size_t>(level.file)];
  }

  // Leaves the texts that do not hold the node that the search from `from`
  // found between `low` and `high`. A text holds it when the node lies
  // within it and, if the search for the mark began before the text, no
  // mark can reach into it: its first character is still a "<".
  void LeaveTextsNotHolding(const AXOGvsWorkingText& text, int from, int low, int high) {
    while (levels_.size() > 1) {
      const Level& level = levels_.back();
      const bool holds = level.start <= low && high <= text.Length() - level.end_from_back &&
                         (from >= level.start || text.LowerAt(level.start) == U'<');
      if (holds) return;
      if (level.file >= 0) --on_levels_[static_cast<std::size_t>(level.file)];
      levels_.pop_back();
    }
  }

  // The include that `node` names. A name that lies in one stretch of a
  // source is taken from the text once for that place; text that comes in
  // again and again brings the same names at the same places.
  const Include& IncludeOf(const AXOGvsWorkingText& text, const Node& node) {
    Place place{nullptr, 0, node.name_length};
    const bool in_one_stretch =
        text.InOneStretch(node.name_start, node.name_length, place.source, place.offset);
    if (in_one_stretch) {
      const auto known = places_.find(place);
      if (known != places_.end()) return *known->second;
    }
    work_ += node.name_length;
    const Include& include = Resolve(text.LowerSubString(node.name_start, node.name_length));
    if (in_one_stretch) places_.emplace(place, &include);
    return include;
  }

  const Include& Resolve(const CATUnicodeString& name) {
    auto found = includes_.find(name);
    if (found == includes_.end()) {
      found = includes_.emplace(name, Include{nullptr, AXOResolveGvsInclude(name), -1}).first;
      Include& include = found->second;
      include.name = &found->first;
      if (include.path.GetLengthInChar() > 0) include.file = FileId(include.path);
    }
    return found->second;
  }

  // A number per file; paths that differ only in letter case name the same
  // file, as they do on the host's file system.
  int FileId(const CATUnicodeString& path) {
    CATUnicodeString key(path);
    key.ToLower();
    const auto added = file_ids_.emplace(std::move(key), static_cast<int>(file_ids_.size()));
    if (added.second) {
      on_levels_.push_back(0);
      files_.emplace_back();
    }
    return added.first->second;
  }

  const File& Read(const Include& include) {
    File& file = files_[static_cast<std::size_t>(include.file)];
    if (file.read) return file;
    file.read = true;
    std::string text;
    std::int64_t bytes = 0;
    file.result = AXOReadGvsFile(include.path, text, &bytes);
    if (file.result == AXOGvsFileRead::kRead) {
      work_ += bytes;
      int begin = 0;
      int end = 0;
      if (AXOGvsContentRange(text, begin, end)) {
        // Cut down in place: no second text of the file's size.
        text.resize(static_cast<std::size_t>(end));
        text.erase(0, static_cast<std::size_t>(begin));
        file.content = std::make_unique<AXOGvsSource>(std::move(text));
      }
    }
    return file;
  }

  AXOGvsExpansion Stop(const CATUnicodeString& name, const Include& include, int depth,
                       AXOGvsExpansion result) {
    if (observer_ != nullptr) {
      observer_->OnInclude(name, include.path, depth, AXOGvsIncludeOutcome::kStopped);
    }
    return result;
  }

  // The scan ends at the mark at `mark`; the text is what it is now.
  AXOGvsExpansion Malformed(AXOGvsMalformed why, const AXOGvsWorkingText& text, int mark,
                            CATUnicodeString* expanded) {
    if (observer_ != nullptr) {
      const AXOGvsWorkingText::Origin at = text.OriginAt(mark);
      const Origin& origin = origins_[static_cast<std::size_t>(at.origin)];
      const int bytes = origin.source->BytesBefore(at.offset);
      observer_->OnMalformed(why, origin.path, origin.depth + 1, bytes);
    }
    Finish(text, expanded);
    return AXOGvsExpansion::kExpanded;
  }

  void Finish(const AXOGvsWorkingText& text, CATUnicodeString* expanded) const {
    if (expanded == nullptr) return;
    *expanded = text.Text();
    if (has_carriage_return_) {
      *expanded = expanded->Strip(CATUnicodeString::CATStripModeAll, CATUnicodeChar('\r'));
    }
  }

  const CATUnicodeString path_;
  AXOGvsObserver* const observer_;
  const AXOGvsLimits limits_;
  std::int64_t work_ = 0;
  bool has_carriage_return_ = false;
  std::unique_ptr<AXOGvsSource> sheet_;
  std::vector<Origin> origins_;
  std::vector<Level> levels_;   // levels_[0] is the whole text
  std::vector<int> on_levels_;  // by FileId: how many levels are of that file
  std::unordered_map<CATUnicodeString, Include, TextHash> includes_;  // by name
  std::unordered_map<Place, const Include*, PlaceHash> places_;       // by where names stand
  std::unordered_map<CATUnicodeString, int, TextHash> file_ids_;      // by lower-case path
  std::vector<File> files_;                                           // by FileId
};

}  // namespace

AXOGvsExpansion AXOExpandGvs(const CATUnicodeString& path, CATUnicodeString* expanded,
                             AXOGvsObserver* observer, const AXOGvsLimits& limits) {
  return Expansion(path, observer, limits).Run(expanded);
}
