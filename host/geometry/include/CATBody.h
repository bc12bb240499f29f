#ifndef CATBody_h
#define CATBody_h

// Contract: every declaration here is the host's.

// A body: the topological result of a feature, made of domains, each of
// cells. Its bounding box (CATGeometry) is the box of its cells' points.

#include "CATDomain.h"
#include "CATGeometry.h"

extern CATHOST_API const IID IID_CATBody;

class CATHOST_API CATBody : public CATGeometry {
 public:
  static const IID& ClassId() { return IID_CATBody; }
  static const char* ClassName() { return "CATBody"; }

  virtual int GetNbDomains() = 0;
  // Domain `number` (1 to GetNbDomains()) with one reference for the
  // caller; null for another number.
  virtual CATDomain* GetDomain(int number) = 0;

  // The dimensions of the body's cells (0 vertex, 1 edge, 2 face, 3
  // volume): `highest` and `lowest` become the highest and the lowest
  // dimension among the cells counted. Counted are the cells of domain
  // `domain` (1 to GetNbDomains()), or of every domain for 0; of each such
  // domain, cell `cell` only (from 1), or every cell for 0. When no cell is
  // counted (no such domain or cell, no cell at all) both outputs keep what
  // the caller put there.
  virtual void GetDimension(short& highest, short& lowest, int domain, int cell) = 0;
};

typedef CATHandle<CATBody> CATBody_var;

#endif  // CATBody_h
