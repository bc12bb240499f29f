#ifndef CATRep_h
#define CATRep_h

// Contract: every declaration here is the host's.

// The graphic representation of an object, owned by the object.

#include "CATGraphicAttributeSet.h"

class CATRep {
 public:
  CATGraphicAttributeSet& GetGraphicAttributeSet() { return attributes_; }
  const CATGraphicAttributeSet& GetGraphicAttributeSet() const { return attributes_; }

 private:
  CATGraphicAttributeSet attributes_;
};

#endif  // CATRep_h
