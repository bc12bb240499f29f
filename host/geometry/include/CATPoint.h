#ifndef CATPoint_h
#define CATPoint_h

// Contract: every declaration here is the host's.

// A geometric point: the geometry of a vertex.

#include "CATGeometry.h"
#include "CATMathPoint.h"

extern CATHOST_API const IID IID_CATPoint;

class CATHOST_API CATPoint : public CATGeometry {
 public:
  static const IID& ClassId() { return IID_CATPoint; }
  static const char* ClassName() { return "CATPoint"; }

  // Its coordinates.
  virtual void GetMathPoint(CATMathPoint& point) = 0;
};

typedef CATHandle<CATPoint> CATPoint_var;

#endif  // CATPoint_h
