#include "AXOCorParserServicesGVSText.h"

#include <algorithm>
#include <string_view>

namespace {

const std::u32string_view kTokens[kAXOGvsTokenCount] = {
    U"\"includefile\">", U"<std:node", U"<std:strval>", U"</std:strval>", U"</std:node>"};
constexpr int kLongestToken = 14;

// True when `token` begins at `at` in `chars`, which hold `count` characters.
bool TokenAt(AXOGvsToken token, const char32_t* chars, int count, int at) {
  const std::u32string_view text = kTokens[token];
  return at + static_cast<int>(text.size()) <= count &&
         std::u32string_view(chars + at, text.size()) == text;
}

}  // namespace

int AXOGvsTokenLength(AXOGvsToken token) {
  return static_cast<int>(kTokens[token].size());
}

AXOGvsSource::AXOGvsSource(const CATUnicodeString& text) : text_(text), lower_(text) {
  lower_.ToLower();
  const std::u32string& chars = lower_.Characters();
  const int count = static_cast<int>(chars.size());
  for (int at = 0; at < count; ++at) {
    // Every token begins with one of two characters.
    const char32_t c = chars[static_cast<std::size_t>(at)];
    if (c == U'\r') has_carriage_return_ = true;
    if (c != U'"' && c != U'<') continue;
    for (int token = 0; token < kAXOGvsTokenCount; ++token) {
      if (TokenAt(static_cast<AXOGvsToken>(token), chars.data(), count, at)) {
        starts_[token].push_back(at);
        ++token_count_;
      }
    }
  }
}

AXOGvsWorkingText::AXOGvsWorkingText(const AXOGvsSource& text, int origin)
    : length_(text.Length()) {
  if (length_ == 0) return;
  pieces_.push_back(Piece{&text, 0, length_, origin});
  for (int token = 0; token < kAXOGvsTokenCount; ++token) {
    const std::vector<int>& starts = text.Starts(static_cast<AXOGvsToken>(token));
    for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
      starts_after_[token].push_back(length_ - *start);
    }
  }
}

int AXOGvsWorkingText::FindForward(AXOGvsToken token, int from) const {
  const std::vector<int>& before = starts_before_[token];
  const auto in_before = std::lower_bound(before.begin(), before.end(), from);
  if (in_before != before.end()) return *in_before;
  // After the gap the nearest start has the largest distance to the end
  // that is still at most length_ - from.
  const std::vector<int>& after = starts_after_[token];
  const auto beyond = std::upper_bound(after.begin(), after.end(), length_ - from);
  return beyond == after.begin() ? -1 : length_ - *std::prev(beyond);
}

int AXOGvsWorkingText::FindBackward(AXOGvsToken token, int position) const {
  const std::vector<int>& after = starts_after_[token];
  const auto in_after = std::lower_bound(after.begin(), after.end(), length_ - position);
  if (in_after != after.end()) return length_ - *in_after;
  const std::vector<int>& before = starts_before_[token];
  const auto beyond = std::upper_bound(before.begin(), before.end(), position);
  return beyond == before.begin() ? -1 : *std::prev(beyond);
}

template <class Visit>
void AXOGvsWorkingText::VisitRange(int start, int count, Visit visit) const {
  int position = start;
  int left = count;
  if (position < gap_ && left > 0) {
    auto run = std::prev(std::upper_bound(runs_.begin(), runs_.end(), position,
                                          [](int p, const Run& r) { return p < r.start; }));
    for (; run != runs_.end() && left > 0; ++run) {
      const int run_end = std::next(run) != runs_.end() ? std::next(run)->start : gap_;
      const int take = std::min(run_end - position, left);
      visit(*run->source, run->offset + (position - run->start), take, run->origin);
      position += take;
      left -= take;
    }
  }
  int skip = position - gap_;
  for (auto piece = pieces_.rbegin(); piece != pieces_.rend() && left > 0; ++piece) {
    const int length = piece->end - piece->begin;
    if (skip >= length) {
      skip -= length;
      continue;
    }
    const int take = std::min(length - skip, left);
    visit(*piece->source, piece->begin + skip, take, piece->origin);
    skip = 0;
    left -= take;
  }
}

CATUnicodeString AXOGvsWorkingText::LowerSubString(int start, int length) const {
  CATUnicodeString lower;
  VisitRange(start, length, [&](const AXOGvsSource& source, int offset, int count, int) {
    if (offset == 0 && count == source.Length()) {
      lower.Append(source.Lower());
    } else {
      lower.Append(source.Lower().SubString(offset, count));
    }
  });
  return lower;
}

char32_t AXOGvsWorkingText::LowerAt(int position) const {
  char32_t c = 0;
  VisitRange(position, 1, [&](const AXOGvsSource& source, int offset, int, int) {
    c = source.Lower().Characters()[static_cast<std::size_t>(offset)];
  });
  return c;
}

AXOGvsWorkingText::Origin AXOGvsWorkingText::OriginAt(int position) const {
  Origin found{-1, -1};
  VisitRange(position, 1, [&](const AXOGvsSource&, int offset, int, int origin) {
    found = Origin{origin, offset};
  });
  return found;
}

CATUnicodeString AXOGvsWorkingText::Text() const {
  CATUnicodeString text;
  VisitRange(0, length_, [&](const AXOGvsSource& source, int offset, int count, int) {
    if (offset == 0 && count == source.Length()) {
      text.Append(source.Text());
    } else {
      text.Append(source.Text().SubString(offset, count));
    }
  });
  return text;
}

void AXOGvsWorkingText::Replace(int start, int end, const AXOGvsSource* with, int origin) {
  MoveGap(start);
  for (int left = end - start; left > 0;) {
    Piece& piece = pieces_.back();
    const int take = std::min(piece.end - piece.begin, left);
    piece.begin += take;
    left -= take;
    if (piece.begin == piece.end) pieces_.pop_back();
  }
  // Tokens that reach into the node are gone; those after it keep their
  // distance to the end.
  for (int token = 0; token < kAXOGvsTokenCount; ++token) {
    const int length = AXOGvsTokenLength(static_cast<AXOGvsToken>(token));
    std::vector<int>& before = starts_before_[token];
    while (!before.empty() && before.back() + length > start) before.pop_back();
    std::vector<int>& after = starts_after_[token];
    while (!after.empty() && length_ - after.back() < end) after.pop_back();
  }
  length_ -= end - start;

  const int added = with != nullptr ? with->Length() : 0;
  if (added > 0) {
    pieces_.push_back(Piece{with, 0, added, origin});
    length_ += added;
  }
  std::vector<int> across_start[kAXOGvsTokenCount];
  std::vector<int> across_end[kAXOGvsTokenCount];
  IndexAcross(start, 0, start, across_start);
  if (added > 0) IndexAcross(start + added, start, start + added, across_end);
  for (int token = 0; token < kAXOGvsTokenCount; ++token) {
    // After the gap, from the end of the new text towards the gap: tokens
    // across its end, then its own.
    std::vector<int>& after = starts_after_[token];
    for (auto at = across_end[token].rbegin(); at != across_end[token].rend(); ++at) {
      after.push_back(length_ - *at);
    }
    if (added > 0) {
      const std::vector<int>& own = with->Starts(static_cast<AXOGvsToken>(token));
      for (auto at = own.rbegin(); at != own.rend(); ++at) after.push_back(length_ - start - *at);
    }
    std::vector<int>& before = starts_before_[token];
    before.insert(before.end(), across_start[token].begin(), across_start[token].end());
  }
}

void AXOGvsWorkingText::IndexAcross(int seam, int lowest, int below,
                                    std::vector<int> (&found)[kAXOGvsTokenCount]) {
  const int first = std::max({lowest, seam - kLongestToken + 1, 0});
  const int window_end = std::min(length_, below - 1 + kLongestToken);
  if (first >= below || first >= window_end) return;
  char32_t window[2 * kLongestToken];
  int filled = 0;
  VisitRange(first, window_end - first,
             [&](const AXOGvsSource& source, int offset, int count, int) {
               const char32_t* chars = source.Lower().Characters().data() + offset;
               std::copy(chars, chars + count, window + filled);
               filled += count;
             });
  for (int at = first; at < below; ++at) {
    for (int token = 0; token < kAXOGvsTokenCount; ++token) {
      const int length = AXOGvsTokenLength(static_cast<AXOGvsToken>(token));
      if (at + length > seam &&
          TokenAt(static_cast<AXOGvsToken>(token), window, filled, at - first)) {
        found[token].push_back(at);
      }
    }
  }
}

void AXOGvsWorkingText::MoveGap(int position) {
  while (gap_ < position) {
    Piece& piece = pieces_.back();
    const int take = std::min(piece.end - piece.begin, position - gap_);
    AppendRun(piece.source, piece.begin, piece.origin);
    piece.begin += take;
    gap_ += take;
    if (piece.begin == piece.end) pieces_.pop_back();
  }
  while (gap_ > position) {
    const Run& run = runs_.back();
    const int from = std::max(run.start, position);
    pieces_.push_back(Piece{run.source, run.offset + (from - run.start),
                            run.offset + (gap_ - run.start), run.origin});
    gap_ = from;
    if (from == run.start) runs_.pop_back();
  }
  for (int token = 0; token < kAXOGvsTokenCount; ++token) {
    std::vector<int>& before = starts_before_[token];
    std::vector<int>& after = starts_after_[token];
    while (!after.empty() && length_ - after.back() < gap_) {
      before.push_back(length_ - after.back());
      after.pop_back();
    }
    while (!before.empty() && before.back() >= gap_) {
      after.push_back(length_ - before.back());
      before.pop_back();
    }
  }
}

void AXOGvsWorkingText::AppendRun(const AXOGvsSource* source, int offset, int origin) {
  if (!runs_.empty()) {
    const Run& last = runs_.back();
    if (last.source == source && last.origin == origin &&
        last.offset + (gap_ - last.start) == offset) {
      return;  // the same stretch goes on
    }
  }
  runs_.push_back(Run{gap_, source, offset, origin});
}
