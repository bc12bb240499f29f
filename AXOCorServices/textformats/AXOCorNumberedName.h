#ifndef AXOCorNumberedName_h
#define AXOCorNumberedName_h

// The numbering rule of unique names, shared by the file and feature
// operations of AXOCorParserServices (see there for the rule).

#include <functional>

#include "CATUnicodeString.h"

// The first name after `wanted` in its numbering that `isTaken` reports
// free. `wanted` itself is not tried.
CATUnicodeString AXOCorNextFreeName(const CATUnicodeString& wanted,
                                    const std::function<bool(const CATUnicodeString&)>& isTaken);

#endif  // AXOCorNumberedName_h
