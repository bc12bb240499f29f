#include "textformats/AXOCorParserServicesGVSText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "foundations/AXOCorHostText.h"

namespace {

// In lower case; every token begins with a character that has no letter
// case ("\"" or "<").
const std::string_view kTokens[kAXOGvsTokenCount] = {
    "\"includefile\">", "<std:node", "<std:strval>", "</std:strval>", "</std:node>"};
constexpr int kLongestToken = 14;
// At most one token begins at each position, and those across a seam
// begin before it by less than the longest token.
constexpr int kTokensAcross = kLongestToken;

inline char32_t CharOf(char c) {
  return static_cast<unsigned char>(c);
}
inline char32_t CharOf(char32_t c) {
  return c;
}

// True when `token` begins at `at` in the lower-case form of `chars`,
// which hold `count` characters.
template <class Char>
inline bool TokenAt(AXOGvsToken token, const Char* chars, int count, int at) {
  const std::string_view text = kTokens[token];
  if (at + static_cast<int>(text.size()) > count) return false;
  // Bytes in lower case already, the common case, compare at once.
  if constexpr (std::is_same_v<Char, char>) {
    if (std::memcmp(chars + at, text.data(), text.size()) == 0) return true;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = CharOf(chars[at + static_cast<int>(i)]);
    const char32_t t = CharOf(text[i]);
    if (c == t) continue;
    if (c < 0x80 ? c < U'A' || c > U'Z' || c + (U'a' - U'A') != t : AXOGvsLowerChar(c) != t) {
      return false;
    }
  }
  return true;
}

// True for a character that may begin a token (a quotation mark or a "<")
// or is a carriage return. The test has no branch on the character's range,
// which text mixes freely.
inline bool IsTokenStart(char32_t c) {
  constexpr std::uint64_t kWanted =
      (std::uint64_t{1} << U'"') | (std::uint64_t{1} << U'<') | (std::uint64_t{1} << U'\r');
  return (((kWanted >> (c & 63)) & 1) & static_cast<std::uint64_t>(c < 64)) != 0;
}

// Calls `visit(at)` for each of the `count` characters of `chars`, in order,
// that IsTokenStart holds for.
template <class Char, class Visit>
void ForEachTokenStart(const Char* chars, int count, Visit visit) {
  for (int at = 0; at < count; ++at) {
    if (IsTokenStart(CharOf(chars[at]))) visit(at);
  }
}

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighs = 0x8080808080808080;

// The same for bytes, eight at a time: a word's test flags every byte that
// is one of them, and may flag bytes above one that is (a borrow of the
// subtraction), never below, so each flag is checked. Words are read in
// the order of x86-64, lowest address in the lowest byte; the last few
// bytes one by one.
template <class Visit>
void ForEachTokenStart(const char* chars, int count, Visit visit) {
  // Flags the bytes of `word` that are `byte` (the zero bytes of the xor).
  const auto holds = [](std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & kHighs;
  };
  int base = 0;
  for (; base + 8 <= count; base += 8) {
    std::uint64_t word;
    std::memcpy(&word, chars + base, sizeof word);
    std::uint64_t flags = holds(word, '"') | holds(word, '<') | holds(word, '\r');
    for (; flags != 0; flags &= flags - 1) {
      const int at = base + (__builtin_ctzll(flags) >> 3);
      if (IsTokenStart(CharOf(chars[at]))) visit(at);
    }
  }
  for (; base < count; ++base) {
    if (IsTokenStart(CharOf(chars[base]))) visit(base);
  }
}

bool IsAscii(const std::string& bytes) {
  std::uint64_t high = 0;
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + at, sizeof word);
    high |= word;
  }
  for (; at < bytes.size(); ++at) high |= static_cast<unsigned char>(bytes[at]);
  return (high & kHighs) == 0;
}

}  // namespace

int AXOGvsTokenLength(AXOGvsToken token) {
  return static_cast<int>(kTokens[token].size());
}

char32_t AXOGvsLowerChar(char32_t c) {
  if (c < 0x80) return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
  CATUnicodeString one{CATUnicodeChar(c)};
  one.ToLower();
  return one[0].GetCode();
}

AXOGvsSource::AXOGvsSource(std::string bytes) {
  if (IsAscii(bytes)) {
    ascii_ = std::move(bytes);
    length_ = static_cast<int>(ascii_.size());
    FindTokens(ascii_.data(), length_);
  } else {
    is_ascii_ = false;
    wide_ = AXOCorTextOfBytes(bytes);
    chars_ = AXOCorCodePoints(wide_);
    length_ = static_cast<int>(chars_.size());
    FindTokens(chars_.data(), length_);
  }
}

template <class Char>
void AXOGvsSource::FindTokens(const Char* chars, int count) {
  // Room for a token every sixteen characters, about what style sheets hold.
  tokens_.reserve(static_cast<std::size_t>(count / 16));
  const auto add_if_at = [&](AXOGvsToken token, int at) {
    if (TokenAt(token, chars, count, at)) tokens_.push_back(Token{at, token});
  };
  // The tokens that begin with "<" (then "std:" or "/std:") differ first
  // in the letter after the colon: "n" for a node, "s" for a value.
  const auto node_or_value = [&](int after_colon) {
    return after_colon < count && AXOGvsLowerChar(CharOf(chars[after_colon])) == U'n';
  };
  ForEachTokenStart(chars, count, [&](int at) {
    const Char* const next = chars + at;
    if (*next == '"') {
      add_if_at(kAXOGvsMark, at);
    } else if (*next == '\r') {
      has_carriage_return_ = true;
    } else if (at + 1 < count && next[1] == '/') {
      add_if_at(node_or_value(at + 6) ? kAXOGvsNodeClose : kAXOGvsValueClose, at);
    } else {
      add_if_at(node_or_value(at + 5) ? kAXOGvsNodeOpen : kAXOGvsValueOpen, at);
    }
  });
}

void AXOGvsSource::CopyChars(int offset, int count, char32_t* out) const {
  if (is_ascii_) {
    const char* chars = ascii_.data() + offset;
    for (int i = 0; i < count; ++i) out[i] = CharOf(chars[i]);
  } else {
    const char32_t* chars = chars_.data() + offset;
    std::copy(chars, chars + count, out);
  }
}

CATUnicodeString AXOGvsSource::SubText(int offset, int count) const {
  if (is_ascii_) {
    return AXOCorTextOfBytes(std::string_view(ascii_).substr(static_cast<std::size_t>(offset),
                                                             static_cast<std::size_t>(count)));
  }
  return wide_.SubString(offset, count);
}

int AXOGvsSource::BytesBefore(int offset) const {
  return is_ascii_ || offset == 0 ? offset : wide_.SubString(0, offset).GetLengthInByte();
}

AXOGvsWorkingText::AXOGvsWorkingText(const AXOGvsSource& text, int origin)
    : length_(text.Length()) {
  if (length_ == 0) return;
  pieces_.push_back(Piece{&text, 0, length_, origin});
  const std::vector<AXOGvsSource::Token>& tokens = text.Tokens();
  for (auto token = tokens.rbegin(); token != tokens.rend(); ++token) {
    starts_after_[token->token].push_back(length_ - token->position);
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
    if (lower.GetLengthInChar() == 0) {
      lower = source.SubText(offset, count);
    } else {
      lower.Append(source.SubText(offset, count));
    }
  });
  lower.ToLower();
  return lower;
}

char32_t AXOGvsWorkingText::LowerAt(int position) const {
  char32_t c = 0;
  VisitRange(position, 1,
             [&](const AXOGvsSource& source, int offset, int, int) { c = source.At(offset); });
  return AXOGvsLowerChar(c);
}

bool AXOGvsWorkingText::InOneStretch(int start, int length, const AXOGvsSource*& source,
                                     int& offset) const {
  int stretches = 0;
  VisitRange(start, length, [&](const AXOGvsSource& in, int at, int, int) {
    source = &in;
    offset = at;
    ++stretches;
  });
  return stretches == 1;
}

AXOGvsWorkingText::Origin AXOGvsWorkingText::OriginAt(int position) const {
  Origin found{-1, -1};
  VisitRange(position, 1, [&](const AXOGvsSource&, int offset, int, int origin) {
    found = Origin{origin, offset};
  });
  return found;
}

CATUnicodeString AXOGvsWorkingText::Text() const {
  // Text of ASCII sources only is joined as bytes and read as a host text
  // once; any other is made at its full length at once and overwritten
  // stretch by stretch. (Bytes of other text are not joined: where two
  // stretches meet, bytes that each reads as a character of its own could
  // read as one.)
  bool ascii = true;
  VisitRange(0, length_, [&](const AXOGvsSource& source, int, int, int) {
    ascii = ascii && source.Ascii() != nullptr;
  });
  if (ascii) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(length_));
    VisitRange(0, length_, [&](const AXOGvsSource& source, int offset, int count, int) {
      bytes.append(*source.Ascii(), static_cast<std::size_t>(offset),
                   static_cast<std::size_t>(count));
    });
    return AXOCorTextOfBytes(bytes);
  }
  CATUnicodeString text(CATUnicodeChar(U' '), length_);
  int at = 0;
  VisitRange(0, length_, [&](const AXOGvsSource& source, int offset, int count, int) {
    text.ReplaceSubString(at, count, source.SubText(offset, count));
    at += count;
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
  // After the gap, from the end of the new text towards the gap: tokens
  // across its end, then its own; before the gap, those across its start.
  AXOGvsSource::Token across[kTokensAcross];
  if (added > 0) {
    const int count = TokensAcross(start + added, start, start + added, across);
    for (int i = count; i-- > 0;) {
      starts_after_[across[i].token].push_back(length_ - across[i].position);
    }
    const std::vector<AXOGvsSource::Token>& own = with->Tokens();
    for (auto token = own.rbegin(); token != own.rend(); ++token) {
      starts_after_[token->token].push_back(length_ - start - token->position);
    }
  }
  const int count = TokensAcross(start, 0, start, across);
  for (int i = 0; i < count; ++i) starts_before_[across[i].token].push_back(across[i].position);
}

int AXOGvsWorkingText::TokensAcross(int seam, int lowest, int below,
                                    AXOGvsSource::Token* found) const {
  const int first = std::max({lowest, seam - kLongestToken + 1, 0});
  const int window_end = std::min(length_, below - 1 + kLongestToken);
  if (first >= below || first >= window_end) return 0;
  char32_t window[2 * kLongestToken];
  int filled = 0;
  VisitRange(first, window_end - first,
             [&](const AXOGvsSource& source, int offset, int count, int) {
               source.CopyChars(offset, count, window + filled);
               filled += count;
             });
  int count = 0;
  for (int at = first; at < below; ++at) {
    const char32_t c = window[at - first];
    if (c != U'<' && c != U'"') continue;  // no token begins otherwise
    for (int token = 0; token < kAXOGvsTokenCount; ++token) {
      const int length = AXOGvsTokenLength(static_cast<AXOGvsToken>(token));
      if (at + length > seam &&
          TokenAt(static_cast<AXOGvsToken>(token), window, filled, at - first)) {
        found[count++] = AXOGvsSource::Token{at, static_cast<AXOGvsToken>(token)};
      }
    }
  }
  return count;
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
