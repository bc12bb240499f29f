#ifndef CATListOfCATUnicodeString_h
#define CATListOfCATUnicodeString_h

// Contract: every declaration here is the host's.

#include "CATListVal.h"
#include "CATUnicodeString.h"

typedef CATListVal<CATUnicodeString> CATListValCATUnicodeString;

#endif  // CATListOfCATUnicodeString_h
