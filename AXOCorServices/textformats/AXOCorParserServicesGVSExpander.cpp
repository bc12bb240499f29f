#include "AXOCorParserServicesGVSExpander.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "AXOCorParserServicesGVSFiles.h"
#include "AXOCorParserServicesGVSText.h"

namespace {

struct TextHash {
  std::size_t operator()(const CATUnicodeString& text) const {
    return std::hash<std::u32string>()(text.Characters());
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
    CATUnicodeString sheet;
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
    if (sheet.GetLengthInChar() > limits_.maxLength) return AXOGvsExpansion::kTooLong;
    sheet_ = std::make_unique<AXOGvsSource>(sheet);
    has_carriage_return_ = sheet_->HasCarriageReturn();
    AXOGvsWorkingText text(*sheet_, 0);
    origins_.push_back(Origin{path_, 0, sheet_.get()});
    levels_.push_back(Level{0, 0, -1, 0});
    AddSheetAsOwnInclude(sheet);

    int from = 0;
    int replaced = 0;
    for (;;) {
      const int mark = text.FindForward(kAXOGvsMark, from);
      if (mark < 0) break;
      const int start = text.FindBackward(kAXOGvsNodeOpen, mark);
      if (start < 0) return Malformed(AXOGvsMalformed::kNoNodeStart, text, mark, expanded);
      const int value_open = text.FindForward(kAXOGvsValueOpen, start);
      const int value_close = value_open < 0 ? -1 : text.FindForward(kAXOGvsValueClose, value_open);
      if (value_close < 0) return Malformed(AXOGvsMalformed::kNoValue, text, mark, expanded);
      const int name_start = value_open + AXOGvsTokenLength(kAXOGvsValueOpen);
      if (value_close == name_start) {
        return Malformed(AXOGvsMalformed::kEmptyName, text, mark, expanded);
      }
      const int node_close = text.FindForward(kAXOGvsNodeClose, value_close);
      if (node_close < 0) return Malformed(AXOGvsMalformed::kNotClosed, text, mark, expanded);
      const int end = node_close + AXOGvsTokenLength(kAXOGvsNodeClose);

      LeaveTextsNotHolding(text, from, start, std::max(end, mark + AXOGvsTokenLength(kAXOGvsMark)));
      const int depth = levels_.back().depth + 1;
      const CATUnicodeString name = text.LowerSubString(name_start, value_close - name_start);
      const Include& include = Resolve(name);
      if (++replaced > limits_.maxIncludes) {
        return Stop(name, include, depth, AXOGvsExpansion::kTooManyIncludes);
      }

      const AXOGvsSource* content = nullptr;
      AXOGvsIncludeOutcome outcome = AXOGvsIncludeOutcome::kNotFound;
      if (include.file >= 0 && on_levels_[static_cast<std::size_t>(include.file)] > 0) {
        outcome = AXOGvsIncludeOutcome::kCycle;
      } else if (include.file >= 0) {
        const File& file = Read(include);
        if (work_ > limits_.maxWork) {
          return Stop(name, include, depth, AXOGvsExpansion::kTooMuchWork);
        }
        if (file.result == AXOGvsFileRead::kTooLarge) {
          return Stop(name, include, depth, AXOGvsExpansion::kFileTooLarge);
        }
        content = file.content.get();
        outcome = file.result == AXOGvsFileRead::kUnreadable ? AXOGvsIncludeOutcome::kUnreadable
                  : content == nullptr                       ? AXOGvsIncludeOutcome::kEmpty
                                                             : AXOGvsIncludeOutcome::kIncluded;
      }
      const int added = content != nullptr ? content->Length() : 0;
      if (text.Length() - (end - start) > limits_.maxLength - added) {
        return Stop(name, include, depth, AXOGvsExpansion::kTooLong);
      }
      if (content != nullptr) work_ += content->TokenCount();
      if (work_ > limits_.maxWork) return Stop(name, include, depth, AXOGvsExpansion::kTooMuchWork);

      if (observer_ != nullptr) observer_->OnInclude(name, include.path, depth, outcome);
      const int origin = static_cast<int>(origins_.size());
      if (content != nullptr) origins_.push_back(Origin{include.path, depth, content});
      text.Replace(start, end, content, origin);
      if (content != nullptr) {
        Enter(Level{start, text.Length() - (start + added), include.file, depth});
        has_carriage_return_ = has_carriage_return_ || content->HasCarriageReturn();
      }
      // Before the node nothing changed and no mark began there, but a mark
      // may now begin in its last characters and run into the new text.
      from = std::max(0, start - (AXOGvsTokenLength(kAXOGvsMark) - 1));
    }
    Finish(text, expanded);
    return AXOGvsExpansion::kExpanded;
  }

 private:
  // What an include node's name leads to.
  struct Include {
    CATUnicodeString path;  // "" when not found
    int file;               // FileId of the path, -1 when not found
  };
  struct File {
    bool read = false;
    AXOGvsFileRead result = AXOGvsFileRead::kUnreadable;
    std::unique_ptr<AXOGvsSource> content;  // null when it contributes nothing
  };
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

  // The style sheet's root content is what an include of the style sheet
  // brings in; it stands in the style sheet as if such an include had put
  // it there.
  void AddSheetAsOwnInclude(const CATUnicodeString& sheet) {
    const int sheet_file = FileId(path_);
    File& self = files_[static_cast<std::size_t>(sheet_file)];
    self.read = true;
    self.result = AXOGvsFileRead::kRead;
    int begin = 0;
    int end = 0;
    if (!AXOGvsContentRange(sheet, begin, end)) return;
    self.content = std::make_unique<AXOGvsSource>(sheet.SubString(begin, end - begin));
    Enter(Level{begin, sheet.GetLengthInChar() - end, sheet_file, 0});
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
    CATUnicodeString text;
    std::int64_t bytes = 0;
    file.result = AXOReadGvsFile(include.path, text, &bytes);
    if (file.result == AXOGvsFileRead::kRead) {
      work_ += bytes;
      int begin = 0;
      int end = 0;
      if (AXOGvsContentRange(text, begin, end)) {
        file.content = std::make_unique<AXOGvsSource>(text.SubString(begin, end - begin));
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
      const int bytes = origin.source->Text().SubString(0, at.offset).GetLengthInByte();
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
  std::unordered_map<CATUnicodeString, int, TextHash> file_ids_;      // by lower-case path
  std::vector<File> files_;                                           // by FileId
};

}  // namespace

AXOGvsExpansion AXOExpandGvs(const CATUnicodeString& path, CATUnicodeString* expanded,
                             AXOGvsObserver* observer, const AXOGvsLimits& limits) {
  return Expansion(path, observer, limits).Run(expanded);
}
