#include "textformats/AXOCorNumberedName.h"

#include <limits>
#include <string>

#include "foundations/AXOCorHostText.h"

namespace {

constexpr int kLargest = std::numeric_limits<int>::max();

// A name split into a stem and the number that follows it.
struct NumberedName {
  CATUnicodeString stem;
  int number = 0;
  bool numbered = false;  // false: candidates put "." between stem and number
};

// The trailing run of decimal digits is the number. A run whose value does
// not fit an int, or is the largest int and cannot be continued, makes no
// number: the whole name is the stem.
NumberedName Split(const CATUnicodeString& name) {
  const std::u32string chars = AXOCorCodePoints(name);
  std::size_t start = chars.size();
  while (start > 0 && chars[start - 1] >= U'0' && chars[start - 1] <= U'9') --start;
  NumberedName split;
  split.stem = name;
  if (start == chars.size()) return split;
  long long value = 0;
  for (std::size_t i = start; i < chars.size(); ++i) {
    value = value * 10 + (chars[i] - U'0');
    if (value >= kLargest) return split;
  }
  split.stem = name.SubString(0, static_cast<int>(start));
  split.number = static_cast<int>(value);
  split.numbered = true;
  return split;
}

// The text that candidates of `split` start with.
CATUnicodeString PrefixOf(const NumberedName& split) {
  return split.numbered ? split.stem : split.stem + ".";
}

}  // namespace

CATUnicodeString AXOCorNextFreeName(const CATUnicodeString& wanted,
                                    const std::function<bool(const CATUnicodeString&)>& isTaken) {
  CATUnicodeString base = wanted;
  for (;;) {
    const NumberedName split = Split(base);
    const CATUnicodeString prefix = PrefixOf(split);
    CATUnicodeString candidate;
    for (int counter = split.number; counter < kLargest;) {
      // The counter in decimal, as "%d" writes it.
      candidate = prefix + std::to_string(++counter).c_str();
      if (!isTaken(candidate)) return candidate;
    }
    // Every number up to the largest int is taken; the last candidate ends
    // in that number, so the next round numbers it as a whole name.
    base = candidate;
  }
}

CATUnicodeString AXOCorNextFreeName(const CATUnicodeString& wanted,
                                    const std::function<bool(const std::string&)>& isTakenUtf8,
                                    const std::function<bool(const CATUnicodeString&)>& isTaken) {
  CATUnicodeString base = wanted;
  for (;;) {
    const NumberedName split = Split(base);
    std::string candidate;
    if (!AXOCorExactUtf8(PrefixOf(split), candidate)) return AXOCorNextFreeName(base, isTaken);
    // An exact form holds no NUL (its char form would end there), so each
    // candidate's text is read back whole from it.
    const std::size_t prefix = candidate.size();
    for (int counter = split.number; counter < kLargest;) {
      candidate.resize(prefix);
      candidate += std::to_string(++counter);
      if (!isTakenUtf8(candidate)) return CATUnicodeString(candidate.c_str());
    }
    // As above: the last candidate, numbered as a whole name.
    base = CATUnicodeString(candidate.c_str());
  }
}

CATUnicodeString AXOCorNextFreeName(const CATUnicodeString& wanted, const AXOCorTakenNames& taken) {
  return AXOCorNextFreeName(
      wanted, [&taken](const std::string& utf8) { return taken.ContainsExact(utf8); },
      [&taken](const CATUnicodeString& name) { return taken.Contains(name); });
}
