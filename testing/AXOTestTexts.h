#ifndef AXOTestTexts_h
#define AXOTestTexts_h

// Test support: a host list of texts as a vector, so that a whole list is
// compared (and shown) at once.

#include <string>
#include <vector>

#include "CATListOfCATUnicodeString.h"

// The texts of `list` in order, in UTF-8.
inline std::vector<std::string> AXOTestTexts(const CATListValCATUnicodeString& list) {
  std::vector<std::string> texts;
  for (int i = 1; i <= list.Size(); ++i) texts.push_back(list[i].ConvertToChar());
  return texts;
}

#endif
