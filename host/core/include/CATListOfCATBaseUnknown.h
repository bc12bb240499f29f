#ifndef CATListOfCATBaseUnknown_h
#define CATListOfCATBaseUnknown_h

#include "CATBaseUnknown.h"
#include "CATListVal.h"

typedef CATListVal<CATBaseUnknown_var> CATListValCATBaseUnknown_var;

#endif  // CATListOfCATBaseUnknown_h
