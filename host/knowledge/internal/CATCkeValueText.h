#ifndef CATCkeValueText_h
#define CATCkeValueText_h

// The text forms of knowledge values: reading a value with its unit, and
// writing one back so that reading it again gives the same value (to 15
// significant digits). Locale-independent: the decimal mark is always ".".

#include <string>

#include "CATICkeInst.h"

// A unit that texts of a numeric kind carry: internal value = number /
// divisor * multiplier.
struct CATCkeUnitInfo {
  CATCkeValueKind kind;
  const char* symbol;  // "mm"
  const char* name;    // "Millimeter"
  double divisor;
  double multiplier;
};

// The units, grouped by kind; the first of a kind is the one texts are
// written in.
const CATCkeUnitInfo* CATCkeUnitsBegin();
const CATCkeUnitInfo* CATCkeUnitsEnd();

// Reads `text` as a value of `kind` into `*value`, in the internal unit
// (metres, radians; integers as they are). Returns false, *value unchanged,
// when the text is not a number with a unit of that kind (none for
// integers), or when the value is not representable (see below).
bool CATCkeParseValueText(CATCkeValueKind kind, const std::string& text, double* value);

// True when `value` (internal unit) is finite and so is its text form:
// a length of 1e307 metres is not, as it overflows in millimetres.
bool CATCkeIsRepresentable(CATCkeValueKind kind, double value);

// The text form of an internal value: "42", "50mm", "15deg".
std::string CATCkeFormatValueText(CATCkeValueKind kind, double value);

#endif  // CATCkeValueText_h
