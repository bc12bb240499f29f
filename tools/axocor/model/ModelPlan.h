#ifndef ModelPlan_h
#define ModelPlan_h

// The plan view of a document, seen from above (x to the right, y up):
// each placed part is a room, drawn as the footprint of its box, and the
// features of its bodies are drawn as the footprints of their own boxes,
// all placed in the document root's space ("axocor model plan",
// PlanCommand.cpp; the drawing itself: ModelPlanSvg.h).

#include <string>
#include <vector>

class CATDocument;

// What a shape of the plan stands for. Features are told apart by their
// type, or else their supertype: "Wall", "Door", "Window"; any other
// feature is kOther.
enum class PlanKind { kRoom, kWall, kDoor, kWindow, kOther };

struct PlanPoint {
  double x = 0;
  double y = 0;
};

// The footprint of a box placed in the document root's space: the convex
// outline of its eight placed corners seen from above, counter-clockwise
// from the corner of least x (then least y), without repeated or collinear
// corners, and the height range it covers.
struct PlanShape {
  std::string name;  // a room's instance name (a part document: the part's), a feature's name
  PlanKind kind = PlanKind::kOther;
  int room = 0;  // the room the shape belongs to, from 0
  // Hidden itself or below a hidden body or part. A room is hidden when
  // none of its geometry is shown.
  bool hidden = false;
  std::vector<PlanPoint> outline;
  double bottom = 0;
  double top = 0;
};

// A placed part.
struct PlanRoom {
  // Of kind kRoom: the footprint of the part's box, grown by the boxes of
  // its hidden features, so that it holds all that is drawn of the part.
  PlanShape outline;
  // Placed with a rotation whose x axis does not point straight up or down:
  // `x_direction` is that axis seen from above, of length 1.
  bool turned = false;
  PlanPoint x_direction;
};

struct Plan {
  std::vector<PlanRoom> rooms;
  std::vector<PlanShape> features;  // with geometry, in the order of the rooms and of their trees
  // False when the walk stopped after kPlanMaxInstances instances.
  bool complete = true;
};

// The plan of `document`: its placed parts, depth first in the order of the
// instances (a part document: its part, unplaced), and the features of
// each body (nested bodies' too). A visible object's box is the library's
// (GetBoundingBox), which leaves out hidden geometry; a hidden one's is
// that of its geometry, hidden or not, so that it can be drawn. Objects
// without geometry are left out; a product that holds itself is not
// entered again. Products shared at every level place a part once per
// path, so the walk stops after kPlanMaxInstances instances.
constexpr long kPlanMaxInstances = 10000;
Plan PlanOf(CATDocument* document);

// The height range of all the shapes of `plan`; false when it has none.
bool PlanHeights(const Plan& plan, double& bottom, double& top);

#endif  // ModelPlan_h
