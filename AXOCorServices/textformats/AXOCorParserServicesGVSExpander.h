#ifndef AXOCorParserServicesGVSExpander_h
#define AXOCorParserServicesGVSExpander_h

// The expansion of include nodes in a style sheet, shared by
// ExpandIncludesInGVS, GetIncludesInGVS and the tool that explains them.
//
// The result is the one of the plain rule: find the first include mark from
// the start of the text, take the nearest "<std:node" at or before it as the
// node's start, replace the node by the included content, and search again
// from the start, until no include node is left or the first mark belongs
// to no complete node. That rule would run without end on include cycles,
// and a few hundred bytes can make it run for minutes; this expansion gives
// the same text on every input on which the rule ends within the bounds
// below, and ends in a fraction of a second on every input.

#include <cstdint>

#include "CATUnicodeString.h"

// Bounds of one expansion; beyond each the expansion fails. Includes that
// multiply (a file that includes another twice, which does the same, and so
// on) grow the text exponentially, and text that an include brings in can
// be removed again by the next replacement, so that the text stays short
// while the work grows. The expansion stops at whichever bound it would
// cross first:
// - `maxLength`: the text growing beyond this many characters;
// - `maxIncludes`: more include nodes than this being replaced;
// - `maxWork`: more work than this, counted as the bytes of the style sheet
//   and of every included file read (each file is read once), plus the
//   characters of the include names it reads (a name that comes in again
//   at the same place of the same file's content is read once), plus, each
//   time included content goes into the text, the include marks and the
//   node and value tags it holds (which the expansion then keeps track of).
// The defaults lie far beyond real style sheets; at them an expansion holds
// a few hundred MiB at most and takes well under a second.
constexpr int kAXOGvsMaxLength = 8 * 1024 * 1024;
constexpr int kAXOGvsMaxIncludes = 10000;
constexpr std::int64_t kAXOGvsMaxWork = std::int64_t{64} * 1024 * 1024;

struct AXOGvsLimits {
  int maxLength = kAXOGvsMaxLength;
  int maxIncludes = kAXOGvsMaxIncludes;
  std::int64_t maxWork = kAXOGvsMaxWork;
};

enum class AXOGvsExpansion {
  kExpanded,
  kUnreadable,       // the style sheet itself cannot be read
  kFileTooLarge,     // the style sheet or an included file holds more than 32 MiB
  kTooManyIncludes,  // more than maxIncludes include nodes
  kTooLong,          // the text would grow beyond maxLength characters
  kTooMuchWork,      // the work would exceed maxWork
};

// What became of one include node.
enum class AXOGvsIncludeOutcome {
  kIncluded,    // replaced by the content of its file
  kEmpty,       // its file's root node has no child node: replaced by ""
  kNotFound,    // no file found for its name: replaced by ""
  kUnreadable,  // its file cannot be read: replaced by ""
  kCycle,       // an include cycle (see AXOExpandGvs): replaced by ""
  kStopped,     // the expansion stopped here: a bound was reached
};

// Why the scan ended at an include mark: its node is malformed.
enum class AXOGvsMalformed {
  kNoNodeStart,  // no "<std:node" at or before the mark
  kNoValue,      // no "<std:strval>" after the node start, or no "</std:strval>" after it
  kEmptyName,    // nothing between "<std:strval>" and "</std:strval>"
  kNotClosed,    // no "</std:node>" after the value
};

// Told what the expansion does, in its order.
class AXOGvsObserver {
 public:
  virtual ~AXOGvsObserver() = default;
  // An include node named `name` (in lower case) was met. `path` is the
  // file it resolves to, "" when none was found. `depth` is 1 for a node of
  // the style sheet's own text and n + 1 for a node that lies within the
  // text brought in by an include of depth n.
  virtual void OnInclude(const CATUnicodeString& name, const CATUnicodeString& path, int depth,
                         AXOGvsIncludeOutcome outcome) = 0;
  // The scan ended at an include mark whose node is malformed; the text
  // keeps that node and everything after it. The mark came from the file
  // `file` (the style sheet, or the path of the include that brought it,
  // whose depth was `depth` - 1), where it stands `markByte` bytes after the
  // start of the style sheet's text or of the included content.
  virtual void OnMalformed(AXOGvsMalformed why, const CATUnicodeString& file, int depth,
                           int markByte) {
    (void)why, (void)file, (void)depth, (void)markByte;
  }
};

// Expands the include nodes of the style sheet at `path`. On kExpanded,
// `expanded` (when not null) receives the text with every include node
// replaced and every carriage return removed; otherwise it is untouched.
// `observer` (when not null) is told of every include node met, also of
// the one at which a bound stopped the expansion, and of a malformed node
// that ends the scan.
//
// Include cycles. The texts that includes brought in nest: a text of file F
// holds what F's content has become through the replacements inside it,
// as long as every node replaced since F's content went in lay within it,
// and its first character is still the "<" it began with or the search
// for the node's mark began within it (else a mark could form across its
// start). An include node that lies wholly within such a text (from its
// "<std:node" to the end of both its mark and its "</std:node>") and names
// F would bring in the same text with the same node again, without end;
// so would a node within the style sheet's own root content (which an
// include of the style sheet brings in) that names the style sheet. Such a
// node is replaced by "" instead (kCycle), like an unreadable file, and
// the expansion goes on. Any other node is expanded as the plain rule
// expands it; should that never end, a bound stops it. Paths are compared
// without regard to letter case (as the host's file system does), so the
// same file named by two different paths is only caught by the bounds.
AXOGvsExpansion AXOExpandGvs(const CATUnicodeString& path, CATUnicodeString* expanded,
                             AXOGvsObserver* observer = nullptr,
                             const AXOGvsLimits& limits = AXOGvsLimits());

#endif  // AXOCorParserServicesGVSExpander_h
