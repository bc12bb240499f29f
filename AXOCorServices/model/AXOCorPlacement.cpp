#include "model/AXOCorPlacement.h"

#include "CATI3DGeoVisu.h"
#include "CATMathPoint.h"

namespace {

// The six limits of `box` (x, y, z, each low then high); false for the
// empty box.
bool ReadLimits(const CATMathBox& box, double (&limits)[6]) {
  return SUCCEEDED(box.GetLimits(limits[0], limits[1], limits[2], limits[3], limits[4], limits[5]));
}

}  // namespace

CATMathTransformation AXOCorNestPositions(const CATMathTransformation& outer,
                                          const CATMathTransformation& inner) {
  double ra[9], ta[3], rb[9], tb[3], r[9], t[3];
  outer.GetCoef(ra, ta);
  inner.GetCoef(rb, tb);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      r[3 * i + j] = ra[3 * i] * rb[j] + ra[3 * i + 1] * rb[3 + j] + ra[3 * i + 2] * rb[6 + j];
    }
    t[i] = ra[3 * i] * tb[0] + ra[3 * i + 1] * tb[1] + ra[3 * i + 2] * tb[2] + ta[i];
  }
  return CATMathTransformation(r, t);
}

CATMathBox AXOCorPlaceLowAndHigh(const CATMathBox& box, const CATMathTransformation& position) {
  double limits[6];
  if (!ReadLimits(box, limits)) return box;
  CATMathPoint low;
  CATMathPoint high;
  box.GetLowLimit(low);
  box.GetHighLimit(high);
  return CATMathBox(position * low, position * high, 1);
}

CATMathBox AXOCorPlaceEnclosing(const CATMathBox& box, const CATMathTransformation& position) {
  double limits[6];
  CATMathBox placed;
  if (!ReadLimits(box, limits)) return placed;
  for (int corner = 0; corner < 8; ++corner) {
    const CATMathPoint point(limits[corner & 1], limits[2 + ((corner >> 1) & 1)],
                             limits[4 + ((corner >> 2) & 1)]);
    placed.AddInside(position * point);
  }
  return placed;
}

bool AXOCorRepresentationIsHidden(const CATBaseUnknown_var& object) {
  const CATI3DGeoVisu_var visu(object);
  CATRep* rep = !visu ? nullptr : visu->GiveRep();
  return rep != nullptr && rep->GetGraphicAttributeSet().IsHidden() != 0;
}
