#include "AXOCorParserServicesGVSText.h"

#include <algorithm>
#include <iterator>

namespace {

// Characters moved into the scanned part at a time: small enough that a
// replacement hands back little of what was scanned beyond the node, large
// enough that searches run over long stretches.
constexpr int kChunkLength = 4096;

}  // namespace

AXOGvsWorkingText::AXOGvsWorkingText(const CATUnicodeString& text, int origin)
    : length_(text.GetLengthInChar()) {
  if (length_ > 0) pieces_.push_back(Piece{text, 0, origin});
}

int AXOGvsWorkingText::Find(const CATUnicodeString& lowerPattern, int from) {
  int start = from;
  for (;;) {
    const int found =
        scanned_lower_.SearchSubString(lowerPattern, start, CATUnicodeString::CATSearchModeForward);
    if (found >= 0) return found;
    const int reached = scanned_lower_.GetLengthInChar();
    if (!Pull()) return -1;
    // An occurrence may begin in the last characters already searched.
    start = std::max(from, reached - lowerPattern.GetLengthInChar() + 1);
  }
}

int AXOGvsWorkingText::FindBackward(const CATUnicodeString& lowerPattern, int position) const {
  const int length = scanned_lower_.GetLengthInChar();
  if (position < 0 || position >= length) return -1;
  return scanned_lower_.SearchSubString(lowerPattern, length - 1 - position,
                                        CATUnicodeString::CATSearchModeBackward);
}

CATUnicodeString AXOGvsWorkingText::LowerSubString(int start, int length) const {
  return scanned_lower_.SubString(start, length);
}

int AXOGvsWorkingText::OriginAt(int position) const {
  auto after = std::upper_bound(runs_.begin(), runs_.end(), position,
                                [](int p, const Run& run) { return p < run.start; });
  return after == runs_.begin() ? -1 : std::prev(after)->origin;
}

void AXOGvsWorkingText::Replace(int start, int end, const CATUnicodeString& with, int origin) {
  const int scanned_length = scanned_.GetLengthInChar();
  // The scanned characters after the node go back in front of the pieces,
  // one piece per run so that they keep their origins; the last run is
  // pushed first so that the first one comes first.
  for (std::size_t i = runs_.size(); i-- > 0;) {
    const int run_end = i + 1 < runs_.size() ? runs_[i + 1].start : scanned_length;
    if (run_end <= end) break;
    const int run_start = std::max(runs_[i].start, end);
    pieces_.push_back(
        Piece{scanned_.SubString(run_start, run_end - run_start), 0, runs_[i].origin});
  }
  if (with.GetLengthInChar() > 0) pieces_.push_back(Piece{with, 0, origin});

  scanned_.ReplaceSubString(start, scanned_length - start, "");
  scanned_lower_.ReplaceSubString(start, scanned_length - start, "");
  while (!runs_.empty() && runs_.back().start >= start) runs_.pop_back();
  length_ += with.GetLengthInChar() - (end - start);
}

CATUnicodeString AXOGvsWorkingText::Text() const {
  CATUnicodeString text(scanned_);
  for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece) {
    text.Append(piece->text.SubString(piece->offset, piece->text.GetLengthInChar()));
  }
  return text;
}

bool AXOGvsWorkingText::Pull() {
  if (pieces_.empty()) return false;
  Piece& piece = pieces_.back();
  const int left = piece.text.GetLengthInChar() - piece.offset;
  const int count = std::min(kChunkLength, left);
  AppendScanned(piece.text.SubString(piece.offset, count), piece.origin);
  if (count == left) {
    pieces_.pop_back();
  } else {
    piece.offset += count;
  }
  return true;
}

void AXOGvsWorkingText::AppendScanned(const CATUnicodeString& chunk, int origin) {
  if (runs_.empty() || runs_.back().origin != origin) {
    runs_.push_back(Run{scanned_.GetLengthInChar(), origin});
  }
  CATUnicodeString lower(chunk);
  lower.ToLower();
  scanned_.Append(chunk);
  scanned_lower_.Append(lower);
}
