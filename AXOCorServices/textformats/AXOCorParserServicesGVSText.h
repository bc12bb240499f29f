#ifndef AXOCorParserServicesGVSText_h
#define AXOCorParserServicesGVSText_h

// The text of a style sheet while its include nodes are expanded.

#include <string>
#include <vector>

#include "CATUnicodeString.h"

// The pieces of text that the expansion looks for, all matched in lower
// case: the include mark ("includefile" in quotation marks, then ">"), the
// opening of a node, the opening and the closing of a value, and the
// closing of a node.
enum AXOGvsToken {
  kAXOGvsMark,
  kAXOGvsNodeOpen,
  kAXOGvsValueOpen,
  kAXOGvsValueClose,
  kAXOGvsNodeClose,
  kAXOGvsTokenCount
};

// The characters of a token.
int AXOGvsTokenLength(AXOGvsToken token);

// The lower-case form of one character, as CATUnicodeString::ToLower gives
// it. Letters A to Z are lowered here (as every letter-case table does);
// the host is asked only for characters beyond ASCII.
char32_t AXOGvsLowerChar(char32_t c);

// A text that goes into an expansion (a style sheet, or what an included
// file contributes), read once and never changed: its characters, and where
// each token begins in its lower-case form. Text of ASCII only, the common
// case, is kept as its bytes, one a character; other text as the host's
// text and its characters, four bytes each.
class AXOGvsSource {
 public:
  // `bytes`: text as read from a file, UTF-8 (other bytes are taken as the
  // host's text takes them).
  explicit AXOGvsSource(std::string bytes);

  int Length() const { return length_; }
  // The character at `offset` (0 <= offset < Length()).
  char32_t At(int offset) const {
    return is_ascii_ ? static_cast<unsigned char>(ascii_[static_cast<std::size_t>(offset)])
                     : chars_[static_cast<std::size_t>(offset)];
  }
  // Copies the `count` characters from `offset` to `out`.
  void CopyChars(int offset, int count, char32_t* out) const;
  // The `count` characters from `offset` (count > 0) as a host text.
  CATUnicodeString SubText(int offset, int count) const;
  // The bytes that the first `offset` characters take in UTF-8.
  int BytesBefore(int offset) const;
  // The text when it is ASCII only; null otherwise.
  const std::string* Ascii() const { return is_ascii_ ? &ascii_ : nullptr; }

  // The occurrences of the tokens that lie wholly in the text, by position.
  struct Token {
    int position;
    AXOGvsToken token;
  };
  const std::vector<Token>& Tokens() const { return tokens_; }
  int TokenCount() const { return static_cast<int>(tokens_.size()); }
  bool HasCarriageReturn() const { return has_carriage_return_; }

 private:
  template <class Char>
  void FindTokens(const Char* chars, int count);

  bool is_ascii_ = true;
  std::string ascii_;      // the text, when it is ASCII only
  CATUnicodeString wide_;  // the text otherwise
  std::u32string chars_;   // and its characters
  int length_ = 0;
  std::vector<Token> tokens_;
  bool has_carriage_return_ = false;
};

// The whole text, as a sequence of stretches of sources, and an index of
// where every token begins in it.
//
// Expansion replaces one include node at a time and then looks for the next
// from the start of the text. Characters are never copied while it does:
// the text is a list of stretches that refer to their source, split at a
// gap. A replacement moves the gap to the node's start, drops the node's
// stretches and puts the new source's stretch behind the gap. Token starts
// before the gap are kept by position, those after it by their distance to
// the end of the text, so that neither list changes when text at the gap
// changes; a replacement only drops the starts of the tokens that overlap
// the node, adds those of the new source and looks for tokens across the
// two new seams. Every search is a binary search in the index. The gap
// moves forward over each character once, and backward only over text that
// a replacement then removes (and at most a token's length besides).
//
// Each stretch carries an origin, a number that the caller gives with the
// source and gets back for each position.
class AXOGvsWorkingText {
 public:
  // `text` (and every source given to Replace) must outlive this object.
  AXOGvsWorkingText(const AXOGvsSource& text, int origin);

  // Characters in the whole text.
  int Length() const { return length_; }

  // Position of the first occurrence of `token` that begins at or after
  // `from`; -1 when there is none.
  int FindForward(AXOGvsToken token, int from) const;
  // Position of the last occurrence of `token` that begins at or before
  // `position`; -1 when there is none.
  int FindBackward(AXOGvsToken token, int position) const;

  // `length` characters from `start`, in lower case.
  CATUnicodeString LowerSubString(int start, int length) const;
  // The character at `position` (0 <= position < Length()), in lower case.
  char32_t LowerAt(int position) const;
  // True when the `length` characters from `start` (length > 0) are one
  // stretch of one source, with that source and the stretch's offset in it.
  bool InOneStretch(int start, int length, const AXOGvsSource*& source, int& offset) const;

  // Where the character at `position` (0 <= position < Length()) came
  // from: the origin of its source and its offset in that source.
  struct Origin {
    int origin;
    int offset;
  };
  Origin OriginAt(int position) const;

  // Replaces the characters from `start` up to, not including, `end`
  // (0 <= start <= end <= Length()) by the text of `with` (null for
  // nothing), whose characters get `origin`.
  void Replace(int start, int end, const AXOGvsSource* with, int origin);

  // The whole text in its own letter case.
  CATUnicodeString Text() const;

 private:
  // Characters before the gap: from `start` up to the next run's start,
  // they are those of `source` from `offset` on.
  struct Run {
    int start;
    const AXOGvsSource* source;
    int offset;
    int origin;
  };
  // Characters after the gap: those of `source` from `begin` up to `end`.
  struct Piece {
    const AXOGvsSource* source;
    int begin;
    int end;
    int origin;
  };
  // Calls `visit(source, offset, count, origin)` for the stretches that
  // make up the `count` characters from `start`, in order.
  template <class Visit>
  void VisitRange(int start, int count, Visit visit) const;

  void MoveGap(int position);
  void AppendRun(const AXOGvsSource* source, int offset, int origin);
  // The tokens that begin in [lowest, below) and cover the character at
  // `seam`, by position, into `found` (room for every token at each of the
  // positions before a seam that a token can reach across); their number.
  int TokensAcross(int seam, int lowest, int below, AXOGvsSource::Token* found) const;

  std::vector<Run> runs_;      // the characters before the gap
  std::vector<Piece> pieces_;  // the characters after it, the last piece first
  int gap_ = 0;
  int length_ = 0;
  std::vector<int> starts_before_[kAXOGvsTokenCount];  // positions, ascending
  std::vector<int> starts_after_[kAXOGvsTokenCount];   // length_ - position, ascending
};

#endif  // AXOCorParserServicesGVSText_h
