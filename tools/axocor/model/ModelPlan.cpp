#include "ModelPlan.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "AXOCorGeomServices.h"
#include "CATIBodyRequest.h"
#include "CATIGeometricalElement.h"
#include "CATIMovable.h"
#include "CATIPartRequest.h"
#include "CATIProduct.h"
#include "CATISpecObject.h"
#include "CATMathPoint.h"
#include "ModelLookup.h"
#include "model/AXOCorPlacement.h"

namespace {

// The box of the geometry of `feature`, hidden or not.
CATMathBox GeometryBox(const CATBaseUnknown_var& feature) {
  CATMathBox box;
  const CATIGeometricalElement_var element(feature);
  const CATBody_var shape = !element ? CATBody_var() : element->GetBodyResult();
  if (!!shape) shape->GetBoundingBox(box);
  return box;
}

double Cross(const PlanPoint& o, const PlanPoint& a, const PlanPoint& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The convex outline of `points`, counter-clockwise from the least (x, y),
// without repeated or collinear points.
std::vector<PlanPoint> ConvexOutline(std::vector<PlanPoint> points) {
  const auto less = [](const PlanPoint& a, const PlanPoint& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
  };
  std::sort(points.begin(), points.end(), less);
  points.erase(
      std::unique(points.begin(), points.end(),
                  [](const PlanPoint& a, const PlanPoint& b) { return a.x == b.x && a.y == b.y; }),
      points.end());
  if (points.size() < 3) return points;
  std::vector<PlanPoint> outline;
  // The lower chain from left to right, then the upper one back.
  for (int pass = 0; pass < 2; ++pass) {
    const size_t start = outline.size();
    for (const PlanPoint& point : points) {
      while (outline.size() >= start + 2 &&
             Cross(outline[outline.size() - 2], outline.back(), point) <= 0) {
        outline.pop_back();
      }
      outline.push_back(point);
    }
    outline.pop_back();  // the first point of the other chain
    std::reverse(points.begin(), points.end());
  }
  return outline;
}

// `local` placed by `placement` into `shape`: its outline and heights.
// False for the empty box.
bool Place(const CATMathBox& local, const CATMathTransformation& placement, PlanShape& shape) {
  double limits[6];
  if (FAILED(local.GetLimits(limits[0], limits[1], limits[2], limits[3], limits[4], limits[5]))) {
    return false;
  }
  std::vector<PlanPoint> corners;
  shape.bottom = HUGE_VAL;
  shape.top = -HUGE_VAL;
  for (int corner = 0; corner < 8; ++corner) {
    const CATMathPoint placed =
        placement * CATMathPoint(limits[corner & 1], limits[2 + ((corner >> 1) & 1)],
                                 limits[4 + ((corner >> 2) & 1)]);
    corners.push_back({placed.GetX(), placed.GetY()});
    shape.bottom = std::min(shape.bottom, placed.GetZ());
    shape.top = std::max(shape.top, placed.GetZ());
  }
  shape.outline = ConvexOutline(corners);
  return true;
}

PlanKind KindOf(const CATBaseUnknown_var& feature) {
  const CATISpecObject_var object(feature);
  if (!object) return PlanKind::kOther;
  const struct {
    const char* type;
    PlanKind kind;
  } kinds[] = {{"Wall", PlanKind::kWall}, {"Door", PlanKind::kDoor}, {"Window", PlanKind::kWindow}};
  for (const CATUnicodeString& type : {object->GetType(), object->GetSuperType()}) {
    for (const auto& kind : kinds) {
      if (type == kind.type) return kind.kind;
    }
  }
  return PlanKind::kOther;
}

// Whether `placement` turns what it places, and where it turns the x axis
// to, seen from above.
void Orientation(const CATMathTransformation& placement, PlanRoom& room) {
  double r[9], t[3];
  placement.GetCoef(r, t);
  bool turned = false;
  for (int i = 0; i < 9; ++i) turned = turned || r[i] != (i % 4 == 0 ? 1.0 : 0.0);
  const double length = std::hypot(r[0], r[3]);
  room.turned = turned && length > 1e-9;
  if (room.turned) room.x_direction = {r[0] / length, r[3] / length};
}

class PlanWalk {
 public:
  Plan plan;

  void Part(const CATBaseUnknown_var& part, const CATMathTransformation& placement,
            const std::string& name) {
    const bool part_hidden = AXOCorRepresentationIsHidden(part);
    hidden_geometry_ = CATMathBox();
    CATListValCATBaseUnknown_var bodies;
    const CATIPartRequest_var request(part);
    if (!!request) request->GetAllBodies("", bodies);
    for (int i = 1; i <= bodies.Size(); ++i) Body(bodies[i], placement, part_hidden);
    // The part's box holds what it shows; the room holds what is hidden
    // of it too, as that is drawn as well.
    CATMathBox local;
    if (!part_hidden) AXOCorGeomServices::GetBoundingBox(part, local);
    PlanRoom room;
    PlanShape& outline = room.outline;
    outline.name = name;
    outline.kind = PlanKind::kRoom;
    outline.room = static_cast<int>(plan.rooms.size());
    outline.hidden = local.IsEmpty();
    local.AddInside(hidden_geometry_);
    if (!Place(local, placement, outline)) return;
    Orientation(placement, room);
    plan.rooms.push_back(room);
  }

  void Product(const CATIProduct_var& product, const CATMathTransformation& placement) {
    const CATBaseUnknown_var reference(product->GetReferenceProduct());
    CATBaseUnknown* const key = reference;
    if (std::find(path_.begin(), path_.end(), key) != path_.end()) return;
    path_.push_back(key);
    const std::unique_ptr<CATListValCATBaseUnknown_var> children(
        product->GetChildren("CATIProduct"));
    for (int i = 1; children != nullptr && i <= children->Size(); ++i) {
      const CATIProduct_var child((*children)[i]);
      if (!child || child->IsReference() == S_OK) continue;
      plan.complete = plan.complete && ++instances_ <= kPlanMaxInstances;
      if (!plan.complete) break;
      const CATIMovable_var movable(child);
      const CATMathTransformation placed =
          !movable ? placement : AXOCorNestPositions(placement, movable->GetPosition());
      const std::unique_ptr<CATListValCATBaseUnknown_var> below(child->GetChildren("CATIProduct"));
      if (below != nullptr && below->Size() > 0) {
        Product(child, placed);
      } else if (const CATIPrtPart_var part = PartOfInstance(child)) {
        Part(CATBaseUnknown_var(part), placed, NameOf(child));
      }
    }
    path_.pop_back();
  }

 private:
  // The features of `body` and of the bodies among its results.
  void Body(const CATBaseUnknown_var& body, const CATMathTransformation& placement,
            bool hidden_above) {
    const bool hidden = hidden_above || AXOCorRepresentationIsHidden(body);
    CATListValCATBaseUnknown_var results;
    const CATIBodyRequest_var request(body);
    if (!!request) request->GetResults("", results);
    for (int i = 1; i <= results.Size(); ++i) {
      if (const CATIBodyRequest_var inner = results[i]) {
        Body(results[i], placement, hidden);
      } else {
        Feature(results[i], placement, hidden);
      }
    }
  }

  void Feature(const CATBaseUnknown_var& feature, const CATMathTransformation& placement,
               bool hidden_above) {
    PlanShape shape;
    shape.hidden = hidden_above || AXOCorRepresentationIsHidden(feature);
    CATMathBox local;
    if (shape.hidden) {
      local = GeometryBox(feature);
      hidden_geometry_.AddInside(local);
    } else {
      AXOCorGeomServices::GetBoundingBox(feature, local);
    }
    if (!Place(local, placement, shape)) return;
    shape.name = NameOf(feature);
    shape.kind = KindOf(feature);
    shape.room = static_cast<int>(plan.rooms.size());  // the room being walked
    plan.features.push_back(shape);
  }

  long instances_ = 0;
  std::vector<CATBaseUnknown*> path_;
  CATMathBox hidden_geometry_;  // of the hidden features of the part being walked
};

}  // namespace

Plan PlanOf(CATDocument* document) {
  PlanWalk walk;
  const CATIPrtPart_var part = PartOfDocument(document);
  if (!!part) {
    walk.Part(CATBaseUnknown_var(part), CATMathTransformation(), NameOf(part));
  } else if (const CATIProduct_var root = RootProductOfDocument(document)) {
    walk.Product(root, CATMathTransformation());
  }
  return walk.plan;
}

bool PlanHeights(const Plan& plan, double& bottom, double& top) {
  bottom = HUGE_VAL;
  top = -HUGE_VAL;
  for (const PlanRoom& room : plan.rooms) {
    bottom = std::min(bottom, room.outline.bottom);
    top = std::max(top, room.outline.top);
  }
  for (const PlanShape& shape : plan.features) {
    bottom = std::min(bottom, shape.bottom);
    top = std::max(top, shape.top);
  }
  return !plan.rooms.empty();
}
