#ifndef AXOTestBoxes_h
#define AXOTestBoxes_h

// Test support: a box as one text, so that its six limits are compared (and
// shown) at once.

#include <cmath>
#include <string>

#include "CATMathBox.h"

// "xmin xmax ymin ymax zmin zmax", each rounded to a whole number, or
// "empty" for a box that holds nothing.
inline std::string AXOTestLimits(const CATMathBox& box) {
  double l[6] = {};
  if (FAILED(box.GetLimits(l[0], l[1], l[2], l[3], l[4], l[5]))) return "empty";
  std::string text;
  for (double limit : l) text += (text.empty() ? "" : " ") + std::to_string(std::lround(limit));
  return text;
}

#endif
