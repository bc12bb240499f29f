#ifndef CATListOfCATUnicodeString_h
#define CATListOfCATUnicodeString_h

#include "CATListVal.h"
#include "CATUnicodeString.h"

typedef CATListVal<CATUnicodeString> CATListValCATUnicodeString;

#endif  // CATListOfCATUnicodeString_h
