#ifndef AXOCorTakenNames_h
#define AXOCorTakenNames_h

// A set of names for probes by exact text (letter case and every character
// counting), each name read once. A name is held by its UTF-8 form
// (ConvertToChar) when that form gives the name back exactly: valid UTF-8,
// one character per character of the name, and no U+FFFD, which the
// conversion puts for what it cannot encode. Other names are kept as they
// are and compared one by one; they are rare (text read from damaged
// input), and a text whose UTF-8 form is exact equals none of them.

#include <string>
#include <unordered_set>
#include <vector>

#include "CATUnicodeString.h"

// True with `utf8` set when the UTF-8 form of `text` (ConvertToChar)
// stands for it exactly, as described above.
bool AXOCorExactUtf8(const CATUnicodeString& text, std::string& utf8);

class AXOCorTakenNames {
 public:
  void Reserve(int count) { exact_.reserve(static_cast<std::size_t>(count)); }
  void Add(const CATUnicodeString& name);
  bool Contains(const CATUnicodeString& name) const;
  // Contains for a name whose UTF-8 form is exact (AXOCorExactUtf8), asked
  // by that form: a numbering probes many such names.
  bool ContainsExact(const std::string& utf8) const { return exact_.count(utf8) != 0; }

 private:
  std::unordered_set<std::string> exact_;
  std::vector<CATUnicodeString> others_;
};

#endif  // AXOCorTakenNames_h
