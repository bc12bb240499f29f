#ifndef AXOCorNumberedName_h
#define AXOCorNumberedName_h

// The numbering rule of unique names, shared by the file and feature
// operations of AXOCorParserServices (see there for the rule).

#include <functional>
#include <string>

#include "CATUnicodeString.h"
#include "textformats/AXOCorTakenNames.h"

// The first name after `wanted` in its numbering that `isTaken` reports
// free. `wanted` itself is not tried.
CATUnicodeString AXOCorNextFreeName(const CATUnicodeString& wanted,
                                    const std::function<bool(const CATUnicodeString&)>& isTaken);
// The same name. While the stem's UTF-8 form is exact (AXOCorExactUtf8),
// so is each candidate's, and `isTakenUtf8` is asked with that form alone,
// without making the candidate's text: a numbering among n taken names
// makes one text. Otherwise `isTaken` is asked, as above.
CATUnicodeString AXOCorNextFreeName(const CATUnicodeString& wanted,
                                    const std::function<bool(const std::string&)>& isTakenUtf8,
                                    const std::function<bool(const CATUnicodeString&)>& isTaken);
// The same name, free among `taken`.
CATUnicodeString AXOCorNextFreeName(const CATUnicodeString& wanted, const AXOCorTakenNames& taken);

#endif  // AXOCorNumberedName_h
