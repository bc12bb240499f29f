#ifndef ModelPlan_h
#define ModelPlan_h

// The plan view of a document: the boxes of every placed part and of each
// of its bodies, seen from above (x to the right, y up), as an SVG drawing
// ("axocor model plan", PlanCommand.cpp).

#include <string>
#include <vector>

#include "CATMathBox.h"

class CATDocument;

struct PlanBox {
  std::string name;  // the instance's name for a part, the body's for a body
  CATMathBox box;    // in the document root's space
  int part = 0;      // which placed part it belongs to, from 0
  bool body = false;
  bool hidden = false;
};

// The boxes of `document`'s placed parts and their bodies, depth first in
// the order of the instances (a part document: its part, unplaced); each
// part's box first, then its bodies'. A visible object's box is the
// library's (GetBoundingBox), which leaves out hidden geometry; a hidden
// one's is that of its geometry, hidden or not, so that it can be drawn.
// Empty boxes are left out; a product that holds itself is not entered
// again. Products shared at every level place a part once per path, so
// the walk stops after kPlanMaxInstances instances, with `complete` false;
// true otherwise.
constexpr long kPlanMaxInstances = 10000;
std::vector<PlanBox> PlanBoxes(CATDocument* document, bool& complete);

// The SVG drawing of `boxes`: one rectangle per box, given in the model's
// coordinates inside a group that scales and flips them onto the page
// (<rect class="box" x="x0" y="y0" width=".." height="..">, class "box
// hidden" and dashed for hidden ones), one colour per part, each part's
// name at its box's top left and each body's inside it, and a scale bar.
// With `section`, only the boxes whose height range holds *section.
std::string PlanSvg(const std::vector<PlanBox>& boxes, const double* section);

#endif  // ModelPlan_h
