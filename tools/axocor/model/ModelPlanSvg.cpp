#include "ModelPlanSvg.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>
#include <vector>

#include "ModelLookup.h"

namespace {

const char* const kRoomColours[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd",
                                    "#ff7f0e", "#8c564b", "#e377c2", "#17becf"};

// How a kind of feature is drawn, in the order of drawing.
struct FeatureStyle {
  PlanKind kind;
  const char* css_class;
  const char* legend;
  const char* fill;
  const char* stroke;
};
const FeatureStyle kFeatureStyles[] = {
    {PlanKind::kOther, "feature", "other feature", "#ffffff", "#808080"},
    {PlanKind::kWall, "wall", "wall", "#4d4d4d", "#1a1a1a"},
    {PlanKind::kWindow, "window", "window", "#8fd3f4", "#1f6f99"},
    {PlanKind::kDoor, "door", "door", "#e08a2c", "#7a4310"},
};

// Dashes of hidden shapes, in pixels.
constexpr double kDash = 6;
constexpr double kDashGap = 4;
// The page around the drawing, in pixels.
constexpr double kMargin = 40;
constexpr double kDrawingSize = 800;
// The arrow of a turned room: its length and where it lies below the
// room's name, in pixels.
constexpr double kArrowLength = 32;
constexpr double kArrowBelow = 24;
// A legend entry's sign, and the space after its text, in pixels.
constexpr double kLegendSign = 30;
constexpr double kLegendGap = 20;

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

const char* RoomColour(int room) {
  return kRoomColours[room % (sizeof kRoomColours / sizeof kRoomColours[0])];
}

bool Drawn(const PlanShape& shape, const double* section) {
  return section == nullptr || (*section >= shape.bottom && *section <= shape.top);
}

struct Extent {
  double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;

  void Add(const std::vector<PlanPoint>& points) {
    for (const PlanPoint& p : points) {
      x0 = std::min(x0, p.x);
      x1 = std::max(x1, p.x);
      y0 = std::min(y0, p.y);
      y1 = std::max(y1, p.y);
    }
  }
  PlanPoint Centre() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
};

std::string PointsText(const std::vector<PlanPoint>& points) {
  std::string text;
  for (const PlanPoint& p : points) {
    text += (text.empty() ? "" : " ") + CoordinateText(p.x) + "," + CoordinateText(p.y);
  }
  return text;
}

// Strokes and dashes are given in the model's units, `pixel` long each,
// so that every renderer draws them alike whether or not it knows
// non-scaling strokes.
void Polygon(std::ostream& svg, const PlanShape& shape, const char* css_class, const char* fill,
             const char* fill_opacity, const char* stroke, double pixel) {
  svg << "<polygon class=\"" << css_class << (shape.hidden ? " hidden" : "") << "\" points=\""
      << PointsText(shape.outline) << "\" fill=\"" << fill << "\" fill-opacity=\""
      << (shape.hidden ? "0.3" : fill_opacity) << "\" stroke=\"" << stroke << "\" stroke-width=\""
      << CoordinateText(pixel) << "\"";
  if (shape.hidden) {
    svg << " stroke-dasharray=\"" << CoordinateText(kDash * pixel) << " "
        << CoordinateText(kDashGap * pixel) << "\"";
  }
  svg << "><title>" << Escaped(shape.name) << "</title></polygon>\n";
}

// An arrow from `tail` to `tip`, its head `head` long, its shaft `width`
// wide.
void Arrow(std::ostream& svg, PlanPoint tail, PlanPoint tip, double head, double width) {
  const double length = std::hypot(tip.x - tail.x, tip.y - tail.y);
  const PlanPoint along{(tip.x - tail.x) / length, (tip.y - tail.y) / length};
  const PlanPoint base{tip.x - along.x * head, tip.y - along.y * head};
  const PlanPoint across{-along.y * head / 2, along.x * head / 2};
  svg << "<line x1=\"" << CoordinateText(tail.x) << "\" y1=\"" << CoordinateText(tail.y)
      << "\" x2=\"" << CoordinateText(base.x) << "\" y2=\"" << CoordinateText(base.y)
      << "\" stroke=\"black\" stroke-width=\"" << CoordinateText(width) << "\"/><polygon points=\""
      << PointsText(
             {tip, {base.x + across.x, base.y + across.y}, {base.x - across.x, base.y - across.y}})
      << "\" fill=\"black\"/>";
}

struct LegendEntry {
  const char* text;
  const char* fill;  // null: the arrow of a turned room
  const char* fill_opacity;
  const char* stroke;
  bool dashed;
};

std::vector<LegendEntry> LegendEntries() {
  std::vector<LegendEntry> entries{{"room", "#808080", "0.15", "#808080", false}};
  for (const FeatureStyle& style : kFeatureStyles)
    entries.push_back({style.legend, style.fill, "1", style.stroke, false});
  entries.push_back({"hidden", "none", "1", "#000000", true});
  entries.push_back({"x direction", nullptr, nullptr, nullptr, false});
  return entries;
}

// Room for an entry's sign and its text, at about 7 pixels a letter.
double LegendEntryWidth(const LegendEntry& entry) {
  return kLegendSign + 7 * std::string(entry.text).size() + kLegendGap;
}

double LegendWidth() {
  double width = 0;
  for (const LegendEntry& entry : LegendEntries()) width += LegendEntryWidth(entry);
  return width;
}

// The legend on one line of the page, its text's baseline at `y`.
void Legend(std::ostream& svg, double left, double y) {
  svg << "<g class=\"legend\">";
  double x = left;
  for (const LegendEntry& entry : LegendEntries()) {
    if (entry.fill != nullptr) {
      svg << "<rect x=\"" << CoordinateText(x) << "\" y=\"" << CoordinateText(y - 10)
          << "\" width=\"24\" height=\"12\" fill=\"" << entry.fill << "\" fill-opacity=\""
          << entry.fill_opacity << "\" stroke=\"" << entry.stroke << "\"";
      if (entry.dashed) svg << " stroke-dasharray=\"" << kDash << " " << kDashGap << "\"";
      svg << "/>";
    } else {
      Arrow(svg, {x, y - 4}, {x + 24, y - 4}, 10, 2);
    }
    svg << "<text x=\"" << CoordinateText(x + kLegendSign) << "\" y=\"" << CoordinateText(y)
        << "\">" << entry.text << "</text>";
    x += LegendEntryWidth(entry);
  }
  svg << "</g>\n";
}

}  // namespace

std::string PlanSvg(const Plan& plan, const double* section) {
  std::vector<const PlanRoom*> rooms;
  std::vector<std::pair<const PlanShape*, const FeatureStyle*>> features;
  Extent all;
  for (const PlanRoom& room : plan.rooms) {
    if (!Drawn(room.outline, section)) continue;
    rooms.push_back(&room);
    all.Add(room.outline.outline);
  }
  for (const FeatureStyle& style : kFeatureStyles) {
    for (const PlanShape& feature : plan.features) {
      if (feature.kind != style.kind || !Drawn(feature, section)) continue;
      features.emplace_back(&feature, &style);
      all.Add(feature.outline);
    }
  }
  std::ostringstream svg;
  // A white page of `width` by `height` pixels.
  const auto page = [&svg](double width, double height) {
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" font-family=\"sans-serif\" "
           "font-size=\"12\" width=\""
        << CoordinateText(width) << "\" height=\"" << CoordinateText(height) << "\">\n"
        << "<rect class=\"page\" width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  };
  if (rooms.empty() && features.empty()) {
    page(400, 80);
    svg << "<text x=\"" << kMargin << "\" y=\"" << kMargin << "\">Nothing to draw: "
        << (section == nullptr ? "the document has no geometry"
                               : "no geometry at the height " + CoordinateText(*section) + " mm")
        << ".</text>\n</svg>\n";
    return svg.str();
  }
  const double width = std::max(all.x1 - all.x0, 1e-9);
  const double height = std::max(all.y1 - all.y0, 1e-9);
  const double scale = kDrawingSize / std::max(width, height);
  // The page in whole pixels, so that an image of it has the page's size.
  const double page_width = std::ceil(std::max(width * scale, LegendWidth()) + 2 * kMargin);
  const double page_height = std::ceil(height * scale + 3 * kMargin + 24);
  // Model (x, y) to the page: x right from the margin, y up from the
  // drawing's bottom.
  const auto page_x = [&](double x) { return kMargin + (x - all.x0) * scale; };
  const auto page_y = [&](double y) { return kMargin + (all.y1 - y) * scale; };

  page(page_width, page_height);
  svg << "<g class=\"plan\" transform=\"matrix(" << CoordinateText(scale) << " 0 0 "
      << CoordinateText(-scale) << " " << CoordinateText(kMargin - all.x0 * scale) << " "
      << CoordinateText(kMargin + all.y1 * scale) << ")\">\n";
  for (const PlanRoom* room : rooms) {
    const char* colour = RoomColour(room->outline.room);
    Polygon(svg, room->outline, "room", colour, "0.08", colour, 2 / scale);
  }
  for (const auto& [feature, style] : features)
    Polygon(svg, *feature, style->css_class, style->fill, "1", style->stroke, 1 / scale);
  for (const PlanRoom* room : rooms) {
    if (!room->turned) continue;
    Extent extent;
    extent.Add(room->outline.outline);
    const PlanPoint centre{extent.Centre().x, extent.Centre().y - kArrowBelow / scale};
    const double half = kArrowLength / 2 / scale;
    const PlanPoint& d = room->x_direction;
    svg << "<g class=\"orientation\"><title>" << Escaped(room->outline.name)
        << ": x direction</title>";
    Arrow(svg, {centre.x - d.x * half, centre.y - d.y * half},
          {centre.x + d.x * half, centre.y + d.y * half}, 10 / scale, 2 / scale);
    svg << "</g>\n";
  }
  svg << "</g>\n";
  for (const PlanRoom* room : rooms) {
    Extent extent;
    extent.Add(room->outline.outline);
    svg << "<text class=\"room\" x=\"" << CoordinateText(page_x(extent.Centre().x)) << "\" y=\""
        << CoordinateText(page_y(extent.Centre().y) - 4)
        << "\" text-anchor=\"middle\" stroke=\"white\" stroke-width=\"3\" paint-order=\"stroke\" "
           "fill=\""
        << RoomColour(room->outline.room) << "\">" << Escaped(room->outline.name) << "</text>\n";
  }
  const double bar = ScaleLength(width);
  const double bar_y = height * scale + 2 * kMargin;
  svg << "<g class=\"scale\"><line x1=\"" << CoordinateText(kMargin) << "\" y1=\""
      << CoordinateText(bar_y) << "\" x2=\"" << CoordinateText(kMargin + bar * scale) << "\" y2=\""
      << CoordinateText(bar_y) << "\" stroke=\"black\" stroke-width=\"3\"/><text x=\""
      << CoordinateText(kMargin) << "\" y=\"" << CoordinateText(bar_y + 16) << "\">"
      << CoordinateText(bar) << " mm</text></g>\n";
  Legend(svg, kMargin, bar_y + kMargin + 4);
  svg << "</svg>\n";
  return svg.str();
}
