#ifndef AXOCorPlacement_h
#define AXOCorPlacement_h

// Placing boxes and positions of the product structure: the one rule of
// how a product's position places what lies in its axes. An internal unit:
// linked into the library and into its tools, never exported.

#include "CATBaseUnknown.h"
#include "CATMathBox.h"
#include "CATMathTransformation.h"

// The placement that applies `inner`, then `outer`: a point p of the inner
// space lands at outer * (inner * p).
CATMathTransformation AXOCorNestPositions(const CATMathTransformation& outer,
                                          const CATMathTransformation& inner);

// `box` placed by `position` as GetBoundingBox places a product's box: the
// box of its low and high corners placed, only these two. Under a pure
// translation that is the box moved; under a rotation it is not the box of
// all that the placed box covers (a quarter turn about an axis still is).
// The empty box stays empty.
CATMathBox AXOCorPlaceLowAndHigh(const CATMathBox& box, const CATMathTransformation& position);

// `box` placed by `position`, enclosing all it covers: the box of its
// eight corners placed. The empty box stays empty.
CATMathBox AXOCorPlaceEnclosing(const CATMathBox& box, const CATMathTransformation& position);

// True when `object`'s graphic representation is hidden (CATI3DGeoVisu);
// false for an object without one.
bool AXOCorRepresentationIsHidden(const CATBaseUnknown_var& object);

#endif  // AXOCorPlacement_h
