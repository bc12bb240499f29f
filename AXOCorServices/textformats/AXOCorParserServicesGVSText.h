#ifndef AXOCorParserServicesGVSText_h
#define AXOCorParserServicesGVSText_h

#include <vector>

#include "CATUnicodeString.h"

// The text of a style sheet while its include nodes are expanded.
//
// Expansion looks for the first include node from the start of the text
// after every replacement, searching a lower-case copy. A replacement leaves
// the text before the node unchanged, so the text is kept in two parts: a
// scanned part, held whole with its lower-case copy, and after it pieces
// that no search has reached yet. Searches move the pieces into the scanned
// part in small chunks, only as far as they need; a replacement cuts the
// scanned part back to the node's start and puts the new content and the
// cut-off rest in front of the pieces. Each character is thus lowered and
// searched a few times at most, not once per include.
//
// Every character carries the origin given with the text it came in, a
// number the caller uses to tell where the character came from.
class AXOGvsWorkingText {
 public:
  AXOGvsWorkingText(const CATUnicodeString& text, int origin);

  // Characters in the whole text.
  int Length() const { return length_; }

  // Position of the first occurrence of `lowerPattern` (in lower case) in
  // the lower-case copy, beginning at or after `from` (>= 0); -1 when none.
  // The occurrence found lies in the scanned part until the next Replace.
  int Find(const CATUnicodeString& lowerPattern, int from);

  // The following take positions in the scanned part, that is positions
  // that Find returned (with the found pattern) since the last Replace, or
  // before them.

  // Position of the last occurrence of `lowerPattern` in the lower-case
  // copy that begins at or before `position`; -1 when none.
  int FindBackward(const CATUnicodeString& lowerPattern, int position) const;
  // `length` characters of the lower-case copy from `start`.
  CATUnicodeString LowerSubString(int start, int length) const;
  // The origin of the character at `position`.
  int OriginAt(int position) const;
  // Replaces the characters from `start` up to, not including, `end` by
  // `with`, whose characters get `origin`.
  void Replace(int start, int end, const CATUnicodeString& with, int origin);

  // The whole text in its own letter case.
  CATUnicodeString Text() const;

 private:
  // Text not yet scanned; its characters from `offset` on are still to come.
  struct Piece {
    CATUnicodeString text;
    int offset;
    int origin;
  };
  // The scanned characters from `start` up to the next run's start share
  // one origin.
  struct Run {
    int start;
    int origin;
  };

  // Moves the next chunk of the pieces into the scanned part; false when
  // there is nothing left to move.
  bool Pull();
  void AppendScanned(const CATUnicodeString& chunk, int origin);

  CATUnicodeString scanned_;
  CATUnicodeString scanned_lower_;
  std::vector<Run> runs_;
  std::vector<Piece> pieces_;  // the last one comes first in the text
  int length_ = 0;
};

#endif  // AXOCorParserServicesGVSText_h
