#ifndef CATCkeObjects_h
#define CATCkeObjects_h

// The functions that make the stand-in's knowledge objects.

#include "CATICkeInst.h"
#include "CATICkeParm.h"
#include "CATIParmManipulator.h"
#include "CATUnicodeString.h"

// `value` in the internal unit of `kind` (metres, radians), a numeric kind.
CATICkeInst_var CATCkeMakeValue(CATCkeValueKind kind, double value);
// A text value (CATCkeTextKind).
CATICkeInst_var CATCkeMakeTextValue(const CATUnicodeString& text);
CATICkeParm_var CATCkeMakeParm(const CATUnicodeString& name, CATCkeValueKind kind, double value);
CATIParmManipulator_var CATCkeMakeManipulator();

#endif  // CATCkeObjects_h
