#ifndef CATGeoShownData_h
#define CATGeoShownData_h

// What an object that shows geometry holds: the body it results in and
// how it is drawn.

#include <memory>

#include "CATBody.h"
#include "CATRep.h"

struct CATGeoShownData {
  CATBody_var result;           // null: none
  std::unique_ptr<CATRep> rep;  // null: never drawn
};

#endif  // CATGeoShownData_h
