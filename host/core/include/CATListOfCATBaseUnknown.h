#ifndef CATListOfCATBaseUnknown_h
#define CATListOfCATBaseUnknown_h

// Contract: every declaration here is the host's.

#include "CATBaseUnknown.h"
#include "CATListVal.h"

typedef CATListVal<CATBaseUnknown_var> CATListValCATBaseUnknown_var;

#endif  // CATListOfCATBaseUnknown_h
