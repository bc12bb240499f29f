#include "ModelPlan.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>

#include "AXOCorGeomServices.h"
#include "CATIBodyRequest.h"
#include "CATIGeometricalElement.h"
#include "CATIMovable.h"
#include "CATIPartRequest.h"
#include "CATIProduct.h"
#include "ModelLookup.h"
#include "model/AXOCorPlacement.h"

namespace {

// The box of the geometry of `object` (a part or a body), hidden or not.
CATMathBox GeometryBox(const CATBaseUnknown_var& object) {
  CATMathBox box;
  CATListValCATBaseUnknown_var bodies;
  if (const CATIPartRequest_var part = object) {
    part->GetAllBodies("", bodies);
  } else {
    bodies.Append(object);
  }
  for (int b = 1; b <= bodies.Size(); ++b) {
    const CATIBodyRequest_var body(bodies[b]);
    CATListValCATBaseUnknown_var results;
    if (!!body) body->GetResults("", results);
    for (int r = 1; r <= results.Size(); ++r) {
      const CATIGeometricalElement_var element(results[r]);
      const CATBody_var shape = !element ? CATBody_var() : element->GetBodyResult();
      if (!shape) continue;
      CATMathBox local;
      shape->GetBoundingBox(local);
      box.AddInside(local);
    }
  }
  return box;
}

class PlanWalk {
 public:
  std::vector<PlanBox> boxes;

  void Part(const CATBaseUnknown_var& part, const CATMathTransformation& placement,
            const std::string& name, bool hiddenAbove) {
    Add(part, placement, name, false, hiddenAbove);
    CATListValCATBaseUnknown_var bodies;
    const CATIPartRequest_var request(part);
    if (!!request) request->GetAllBodies("", bodies);
    const bool hidden = hiddenAbove || AXOCorRepresentationIsHidden(part);
    for (int i = 1; i <= bodies.Size(); ++i)
      Add(bodies[i], placement, NameOf(bodies[i]), true, hidden);
    ++parts_;
  }

  // False once more instances were met than a plan draws.
  bool complete = true;

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
      complete = complete && ++instances_ <= kPlanMaxInstances;
      if (!complete) break;
      const CATIMovable_var movable(child);
      const CATMathTransformation placed =
          !movable ? placement : AXOCorNestPositions(placement, movable->GetPosition());
      const std::unique_ptr<CATListValCATBaseUnknown_var> below(child->GetChildren("CATIProduct"));
      if (below != nullptr && below->Size() > 0) {
        Product(child, placed);
      } else if (const CATIPrtPart_var part = PartOfInstance(child)) {
        Part(CATBaseUnknown_var(part), placed, NameOf(child), false);
      }
    }
    path_.pop_back();
  }

 private:
  void Add(const CATBaseUnknown_var& object, const CATMathTransformation& placement,
           const std::string& name, bool body, bool hiddenAbove) {
    PlanBox added;
    added.name = name;
    added.part = parts_;
    added.body = body;
    added.hidden = hiddenAbove || AXOCorRepresentationIsHidden(object);
    CATMathBox local;
    if (added.hidden) {
      local = GeometryBox(object);
    } else if (FAILED(AXOCorGeomServices::GetBoundingBox(object, local))) {
      return;
    }
    added.box = AXOCorPlaceEnclosing(local, placement);
    if (!added.box.IsEmpty()) boxes.push_back(added);
  }

  int parts_ = 0;
  long instances_ = 0;
  std::vector<CATBaseUnknown*> path_;
};

const char* const kColours[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd",
                                "#ff7f0e", "#8c564b", "#e377c2", "#17becf"};

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// A round length (1, 2 or 5 times a power of ten) near a fifth of `width`.
double ScaleLength(double width) {
  const double wanted = width / 5;
  const double power = std::pow(10.0, std::floor(std::log10(wanted)));
  for (const double step : {5.0, 2.0, 1.0}) {
    if (step * power <= wanted) return step * power;
  }
  return power;
}

}  // namespace

std::vector<PlanBox> PlanBoxes(CATDocument* document, bool& complete) {
  PlanWalk walk;
  const CATIPrtPart_var part = PartOfDocument(document);
  if (!!part) {
    walk.Part(CATBaseUnknown_var(part), CATMathTransformation(), NameOf(part), false);
  } else if (const CATIProduct_var root = RootProductOfDocument(document)) {
    walk.Product(root, CATMathTransformation());
  }
  complete = walk.complete;
  return walk.boxes;
}

std::string PlanSvg(const std::vector<PlanBox>& boxes, const double* section) {
  std::vector<const PlanBox*> drawn;
  CATMathBox all;
  for (const PlanBox& box : boxes) {
    double x0, x1, y0, y1, z0, z1;
    box.box.GetLimits(x0, x1, y0, y1, z0, z1);
    if (section != nullptr && (*section < z0 || *section > z1)) continue;
    drawn.push_back(&box);
    all.AddInside(box.box);
  }
  double x0 = 0, x1 = 1, y0 = 0, y1 = 1, z0 = 0, z1 = 0;
  all.GetLimits(x0, x1, y0, y1, z0, z1);
  const double width = std::max(x1 - x0, 1e-9);
  const double height = std::max(y1 - y0, 1e-9);
  const double margin = 40;
  const double scale = 800 / std::max(width, height);
  const double page_width = width * scale + 2 * margin;
  const double page_height = height * scale + 3 * margin;
  // Model (x, y) to the page: x right from the margin, y up from the
  // drawing's bottom.
  const auto page_x = [&](double x) { return margin + (x - x0) * scale; };
  const auto page_y = [&](double y) { return margin + (y1 - y) * scale; };

  std::ostringstream svg;
  svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << CoordinateText(page_width)
      << "\" height=\"" << CoordinateText(page_height)
      << "\" font-family=\"sans-serif\" font-size=\"12\">\n";
  svg << "<g class=\"plan\" transform=\"matrix(" << CoordinateText(scale) << " 0 0 "
      << CoordinateText(-scale) << " " << CoordinateText(margin - x0 * scale) << " "
      << CoordinateText(margin + y1 * scale) << ")\">\n";
  for (const PlanBox* box : drawn) {
    double bx0, bx1, by0, by1, bz0, bz1;
    box->box.GetLimits(bx0, bx1, by0, by1, bz0, bz1);
    const char* colour = kColours[box->part % (sizeof kColours / sizeof kColours[0])];
    svg << "<rect class=\"box" << (box->hidden ? " hidden" : "") << "\" x=\"" << CoordinateText(bx0)
        << "\" y=\"" << CoordinateText(by0) << "\" width=\"" << CoordinateText(bx1 - bx0)
        << "\" height=\"" << CoordinateText(by1 - by0) << "\" fill=\"" << colour
        << "\" fill-opacity=\"" << (box->body ? "0.15" : "0.05") << "\" stroke=\"" << colour
        << "\" vector-effect=\"non-scaling-stroke\""
        << (box->hidden ? " stroke-dasharray=\"6 4\"" : "") << "><title>" << Escaped(box->name)
        << "</title></rect>\n";
  }
  svg << "</g>\n";
  for (const PlanBox* box : drawn) {
    double bx0, bx1, by0, by1, bz0, bz1;
    box->box.GetLimits(bx0, bx1, by0, by1, bz0, bz1);
    const char* colour = kColours[box->part % (sizeof kColours / sizeof kColours[0])];
    svg << "<text x=\"" << CoordinateText(page_x(bx0) + 4) << "\" y=\""
        << CoordinateText(page_y(by1) + (box->body ? 30 : 14)) << "\" fill=\"" << colour << "\">"
        << Escaped(box->name) << "</text>\n";
  }
  const double bar = ScaleLength(width);
  const double bar_y = page_height - margin;
  svg << "<g class=\"scale\"><line x1=\"" << CoordinateText(margin) << "\" y1=\""
      << CoordinateText(bar_y) << "\" x2=\"" << CoordinateText(margin + bar * scale) << "\" y2=\""
      << CoordinateText(bar_y) << "\" stroke=\"black\" stroke-width=\"3\"/><text x=\""
      << CoordinateText(margin) << "\" y=\"" << CoordinateText(bar_y + 16) << "\">"
      << CoordinateText(bar) << " mm</text></g>\n";
  svg << "</svg>\n";
  return svg.str();
}
