#ifndef ModelPlanSvg_h
#define ModelPlanSvg_h

// The plan of a document (ModelPlan.h) as an SVG drawing.

#include <string>

#include "ModelPlan.h"

// The drawing of `plan` on a white page. Every shape is a polygon given in
// the model's coordinates inside one group that scales and flips them onto
// the page (<g class="plan" transform="matrix(s 0 0 -s e f)">): first the
// rooms (class "room", one colour per room), then the features above
// them, each kind in its own style and class ("feature" for other kinds,
// then "wall", "window", "door", so that openings lie over the walls they
// cut), each shape's name as its title; hidden shapes dashed, their class
// ending in " hidden". A turned room has an arrow along its x direction
// (class "orientation") below its centre. Outside the group, on the page:
// each room's name at its centre, a scale bar and a legend of the styles.
// With `section`, only the shapes whose height range holds *section, and
// the names and arrows of the rooms drawn. A drawing without shapes says
// why: the document has no geometry, or none at that height.
std::string PlanSvg(const Plan& plan, const double* section);

#endif  // ModelPlanSvg_h
