// "axocor model plan": the drawing read back with an XML parser.
#include "ModelPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "AXOTestTempFolder.h"
#include "CATHostPath.h"
#include "CATTestModel.h"
#include "ModelPlanSvg.h"
#include "axocor/CommandTestRun.h"
#include "axocor/model/ModelCommandTestRun.h"
#include "axocor/model/PlanSvgReader.h"

namespace {

std::string SampleFile(const char* name) {
  std::ifstream sample(std::filesystem::path(AXOCOR_SAMPLE_MODELS) / name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
}

// The elements `name` of the drawing's scaled group, in their order.
std::vector<PlanSvgElement> InPlan(const PlanSvgReader& svg, const std::string& name) {
  std::vector<PlanSvgElement> found;
  for (const PlanSvgElement& element : svg.Of(name)) {
    if (element.group == "plan") found.push_back(element);
  }
  return found;
}

// "x0 x1 y0 y1" of a polygon, each rounded, as "axocor model box" prints
// the same ranges ("x 0 .. 5000  y 0 .. 200").
std::string BoxLine(const PlanSvgElement& polygon) {
  double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
  for (const auto& [x, y] : PlanSvgPoints(polygon)) {
    x0 = std::min(x0, x);
    x1 = std::max(x1, x);
    y0 = std::min(y0, y);
    y1 = std::max(y1, y);
  }
  const auto text = [](double value) { return std::to_string(std::lround(value)); };
  return "x " + text(x0) + " .. " + text(x1) + "  y " + text(y0) + " .. " + text(y1);
}

// The corners of `polygon`, in a fixed order, for comparing as a set.
std::vector<std::pair<double, double>> SortedCorners(const PlanSvgElement& polygon) {
  std::vector<std::pair<double, double>> corners = PlanSvgPoints(polygon);
  std::sort(corners.begin(), corners.end());
  return corners;
}

class ModelPlan : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(model_.LeakedObjects(), 0); }

  CommandTestResult Run(const std::vector<std::string>& args) {
    return RunModelForTest(model_, args);
  }

  const std::string building_ = CATHostPathOfNative(AXOCOR_SAMPLE_MODELS) + "\\Building.CATProduct";
  CATTestModel model_;
  AXOTestTempFolder folder_;
};

TEST_F(ModelPlan, DrawsEachRoomAndItsFeaturesWhereTheBoxCommandPlacesThem) {
  const CommandTestResult plan = Run({"plan", building_});
  ASSERT_EQ(plan.status, 0) << plan.err;
  EXPECT_EQ(plan.out, SampleFile("../../docs/building-plan.svg"))
      << "the README's picture is what the tool draws: draw it again";
  const PlanSvgReader svg = ReadPlanSvg(plan.out);
  // Rooms first, then walls, then the doors over them; Room.2 is turned
  // half a turn about its far corner, so its Wall.1 lies at the top.
  const struct {
    const char* css_class;
    const char* title;
    const char* path;  // of the box command
    const char* points;
  } expected[] = {
      {"room", "Room.1", "Room.1", "0,0 5000,0 5000,4000 0,4000"},
      {"room", "Room.2", "Room.2", "5000,0 10000,0 10000,4000 5000,4000"},
      {"wall", "Wall.1", "Room.1\\Level 1\\Wall.1", "0,0 5000,0 5000,200 0,200"},
      {"wall", "Wall.2", "Room.1\\Level 1\\Wall.2", "0,3800 5000,3800 5000,4000 0,4000"},
      {"wall", "Wall.1", "Room.2\\Level 1\\Wall.1", "5000,3800 10000,3800 10000,4000 5000,4000"},
      {"wall", "Wall.2", "Room.2\\Level 1\\Wall.2", "5000,0 10000,0 10000,200 5000,200"},
      {"door", "Door.1", "Room.1\\Level 1\\Door.1", "2000,0 2900,0 2900,200 2000,200"},
      {"door", "Door.1", "Room.2\\Level 1\\Door.1", "7100,3800 8000,3800 8000,4000 7100,4000"},
  };
  const std::vector<PlanSvgElement> polygons = InPlan(svg, "polygon");
  ASSERT_EQ(polygons.size(), std::size(expected)) << plan.out;
  for (size_t i = 0; i < polygons.size(); ++i) {
    SCOPED_TRACE(expected[i].path);
    const PlanSvgElement& polygon = polygons[i];
    EXPECT_EQ(polygon.Attribute("class"), expected[i].css_class);
    EXPECT_EQ(polygon.text, expected[i].title);
    EXPECT_EQ(polygon.Attribute("points"), expected[i].points);
    EXPECT_EQ(polygon.Attribute("stroke-dasharray"), "");
    const std::string line = "\"" + std::string(expected[i].title) + "\": " + BoxLine(polygon);
    const CommandTestResult box = Run({"box", building_, expected[i].path});
    EXPECT_EQ(box.out.rfind(line + "  z ", 0), 0u) << box.out << " drawn as " << line;
  }
  EXPECT_NE(polygons[0].Attribute("stroke"), polygons[1].Attribute("stroke"))
      << "one colour per room";
  EXPECT_EQ(polygons[2].Attribute("fill"), polygons[5].Attribute("fill")) << "one style per kind";
  EXPECT_NE(polygons[2].Attribute("fill"), polygons[6].Attribute("fill"));

  // One name per room, at its centre on the page.
  const std::vector<PlanSvgElement> labels = svg.Of("text", "room");
  ASSERT_EQ(labels.size(), 2u);
  const struct {
    const char* name;
    double x;
    double y;
  } centres[] = {{"Room.1", 2500, 2000}, {"Room.2", 7500, 2000}};
  for (size_t i = 0; i < labels.size(); ++i) {
    SCOPED_TRACE(centres[i].name);
    EXPECT_EQ(labels[i].text, centres[i].name);
    EXPECT_NEAR(std::stod(labels[i].Attribute("x")), svg.PageX(centres[i].x), 1e-6);
    EXPECT_NEAR(std::stod(labels[i].Attribute("y")), svg.PageY(centres[i].y) - 4, 1e-6);
  }

  // Only the turned room has an arrow: its x axis points to -x, inside it.
  const std::vector<PlanSvgElement> marks = svg.Of("g", "orientation");
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_EQ(marks[0].text, "Room.2: x direction");
  const std::vector<PlanSvgElement> shafts = svg.Of("line");
  const auto shaft = std::find_if(shafts.begin(), shafts.end(), [](const PlanSvgElement& line) {
    return line.group == "orientation";
  });
  ASSERT_NE(shaft, shafts.end());
  const double x1 = std::stod(shaft->Attribute("x1")), x2 = std::stod(shaft->Attribute("x2"));
  EXPECT_LT(x2, x1);
  EXPECT_EQ(shaft->Attribute("y1"), shaft->Attribute("y2"));
  EXPECT_GT(x2, 5000);
  EXPECT_LT(x1, 10000);

  std::vector<std::string> legend;
  for (const PlanSvgElement& text : svg.Of("text")) {
    if (text.group == "legend") legend.push_back(text.text);
  }
  EXPECT_EQ(legend, (std::vector<std::string>{"room", "other feature", "wall", "window", "door",
                                              "hidden", "x direction"}));
  EXPECT_EQ(svg.Of("g", "scale").size(), 1u);
}

TEST_F(ModelPlan, DashesHiddenShapesCutsWithinTheModelsHeightsAndWritesAFile) {
  std::string room = SampleFile("Room.CATPart");
  room.replace(room.find("\"id\": \"level1\","), 0, "\"hidden\": true, ");
  folder_.WriteFile("Room.CATPart", room);
  const std::vector<std::string> all{"room hidden", "wall hidden", "wall hidden", "door hidden"};
  const std::vector<std::string> walls{"room hidden", "wall hidden", "wall hidden"};
  const struct {
    std::vector<std::string> options;
    // Of the polygons drawn: with all the geometry in the hidden body, the
    // room is drawn from its hidden geometry, dashed as well.
    std::vector<std::string> classes;
    int status;
    const char* error;
  } cases[] = {
      {{}, all, 0, ""},
      {{"--section", "0"}, all, 0, ""},
      {{"--section", "2100"}, all, 0, ""},
      {{"--section", "2100.5"}, walls, 0, ""},
      {{"--section", "2700"}, walls, 0, ""},
      {{"--section", "-1"}, {}, 2, "--section -1: outside the model's heights 0 .. 2700 mm"},
      {{"--section", "99999"}, {}, 2, "--section 99999: outside the model's heights 0 .. 2700 mm"},
      {{"--section", "2.7e3"}, walls, 0, ""},
      {{"--section", "2.71e3"}, {}, 2, "--section 2.71e3: outside the model's heights 0 .. 2700"},
      {{"--section", "nan"}, {}, 2, "--section nan: not a finite height"},
      {{"--section", "inf"}, {}, 2, "--section inf: not a finite height"},
      {{"--section", "-inf"}, {}, 2, "--section -inf: not a finite height"},
      {{"--section", "tall"}, {}, 2, "Could not convert: --section = tall"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options.empty() ? "whole" : c.options[1]);
    std::filesystem::remove(folder_.Native("plan.svg"));
    std::vector<std::string> args{"plan", folder_.Host("Room.CATPart"), "-o",
                                  folder_.Host("plan.svg")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CommandTestResult plan = Run(args);
    ASSERT_EQ(plan.status, c.status) << plan.err;
    EXPECT_EQ(plan.out, "");
    if (c.status != 0) {
      EXPECT_EQ(plan.err.rfind(std::string("axocor: error: ") + c.error, 0), 0u) << plan.err;
      EXPECT_FALSE(std::filesystem::exists(folder_.Native("plan.svg")));
      continue;
    }
    std::ifstream file(folder_.Native("plan.svg"), std::ios::binary);
    const PlanSvgReader svg = ReadPlanSvg(
        std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()));
    std::vector<std::string> classes;
    for (const PlanSvgElement& polygon : InPlan(svg, "polygon")) {
      classes.push_back(polygon.Attribute("class"));
      EXPECT_NE(polygon.Attribute("stroke-dasharray"), "") << polygon.text;
    }
    EXPECT_EQ(classes, c.classes);
    EXPECT_EQ(svg.Of("text", "room").size(), 1u);
  }
  const CommandTestResult missing =
      Run({"plan", folder_.Host("Room.CATPart"), "-o", folder_.Host("none\\plan.svg")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("no such folder"), std::string::npos) << missing.err;
}

TEST_F(ModelPlan, SaysSoWhenThereIsNothingToDraw) {
  folder_.WriteFile("Empty.CATPart",
                    "{\"format\": \"AXO model document\", \"version\": 2, \"type\": \"CATPart\", "
                    "\"containers\": [{\"kind\": \"part container\", \"children\": [{\"kind\": "
                    "\"part\", \"id\": \"p\", \"name\": \"Empty\", \"children\": [{\"kind\": "
                    "\"body\", \"name\": \"Level 1\"}]}]}]}\n");
  const struct {
    std::vector<std::string> options;
    int status;
    const char* said;  // in the drawing, or in the error
  } cases[] = {
      {{}, 0, "Nothing to draw: the document has no geometry."},
      {{"--section", "0"}, 2, "axocor: error: --section 0: the model has no geometry to cut"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    std::vector<std::string> args{"plan", folder_.Host("Empty.CATPart")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CommandTestResult plan = Run(args);
    ASSERT_EQ(plan.status, c.status) << plan.err;
    EXPECT_NE((c.status == 0 ? plan.out : plan.err).find(c.said), std::string::npos)
        << plan.out << plan.err;
    if (c.status == 0) {
      EXPECT_TRUE(ReadPlanSvg(plan.out).Of("g", "scale").empty());
    }
  }
  // Within the model's heights, between two storeys.
  Plan storeys;
  for (const double bottom : {0.0, 2000.0}) {
    PlanRoom room;
    room.outline.outline = {{0, 0}, {1000, 0}, {1000, 1000}};
    room.outline.bottom = bottom;
    room.outline.top = bottom + 1000;
    storeys.rooms.push_back(room);
  }
  const double between = 1500;
  EXPECT_NE(PlanSvg(storeys, &between).find("Nothing to draw: no geometry at the height 1500 mm."),
            std::string::npos);
}

// A rotation about z by `degrees`, then a move by (tx, ty).
CATMathTransformation TurnAboutZ(double degrees, double tx, double ty) {
  const double a = degrees * std::acos(-1.0) / 180;
  return CATMathTransformation({std::cos(a), -std::sin(a), 0, std::sin(a), std::cos(a), 0, 0, 0, 1},
                               {tx, ty, 0});
}

TEST_F(ModelPlan, PutsATurnedRoomsDoorWhereItsTurnPutsIt) {
  const CATTestDocument room = model_.PartDocument("c:\\Plan\\Room.CATPart");
  const CATTestNode level = model_.Body(room.Part(), "Level 1");
  model_.Feature(level, "Wall.1", "Wall").Box({0, 0, 0}, {5000, 200, 2700});
  model_.Feature(level, "Door.1", "Door").Box({2000, 0, 0}, {2900, 200, 2100});
  const CATTestDocument building = model_.ProductDocument("c:\\Plan\\Building.CATProduct");
  const CATMathTransformation turn = TurnAboutZ(30, 1000, 2000);
  model_.Instance(building.Product(), room.Product(), "Turned").Position(turn);
  const PlanSvgReader svg = ReadPlanSvg(PlanSvg(PlanOf(building.Document()), nullptr));

  const std::vector<PlanSvgElement> polygons = InPlan(svg, "polygon");
  const auto door = std::find_if(polygons.begin(), polygons.end(), [](const PlanSvgElement& p) {
    return p.Attribute("class") == "door";
  });
  ASSERT_NE(door, polygons.end()) << svg.elements.size();
  std::vector<std::pair<double, double>> placed;
  for (const auto& [x, y] :
       {std::pair<double, double>{2000, 0}, {2900, 0}, {2900, 200}, {2000, 200}}) {
    const CATMathPoint corner = turn * CATMathPoint(x, y, 0);
    placed.emplace_back(corner.GetX(), corner.GetY());
  }
  std::sort(placed.begin(), placed.end());
  const std::vector<std::pair<double, double>> drawn = SortedCorners(*door);
  ASSERT_EQ(drawn.size(), placed.size()) << door->Attribute("points");
  for (size_t i = 0; i < drawn.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(drawn[i].first, placed[i].first, 1e-6);
    EXPECT_NEAR(drawn[i].second, placed[i].second, 1e-6);
  }

  // The arrow points along the turned x axis.
  for (const PlanSvgElement& line : svg.Of("line")) {
    if (line.group != "orientation") continue;
    const double dx = std::stod(line.Attribute("x2")) - std::stod(line.Attribute("x1"));
    const double dy = std::stod(line.Attribute("y2")) - std::stod(line.Attribute("y1"));
    EXPECT_NEAR(std::atan2(dy, dx) * 180 / std::acos(-1.0), 30, 1e-6);
  }
  EXPECT_EQ(svg.Of("g", "orientation").size(), 1u);
}

// Features are told apart by type, then by supertype; the features of
// nested bodies are drawn too, a hidden one dashed among shown ones.
TEST_F(ModelPlan, DrawsEachKindOfFeatureInItsOwnStyle) {
  const CATTestDocument part = model_.PartDocument("c:\\Plan\\Kinds.CATPart");
  const CATTestNode body = model_.Body(part.Part(), "Level 1");
  const CATTestNode inner = model_.Body(body, "Openings");
  const struct {
    const char* name;
    const char* type;
    const char* supertype;
    bool nested;
    bool hidden;
    const char* css_class;
  } features[] = {
      {"Column.1", "Column", "", false, false, "feature"},
      {"Wall.1", "Wall", "", false, false, "wall"},
      {"Curtain.1", "CurtainWall", "Wall", false, false, "wall"},
      {"Window.1", "Window", "", true, false, "window"},
      {"Door.1", "Door", "Opening", true, false, "door"},
      {"Wall.2", "Wall", "", false, true, "wall hidden"},
  };
  double x = 0;
  for (const auto& f : features) {
    model_.Feature(f.nested ? inner : body, f.name)
        .Type(f.type, f.supertype)
        .Box({x, 0, 0}, {x + 100, 100, 100})
        .Hide(f.hidden);
    x += 200;
  }
  const PlanSvgReader svg = ReadPlanSvg(PlanSvg(PlanOf(part.Document()), nullptr));
  const std::vector<PlanSvgElement> polygons = InPlan(svg, "polygon");
  ASSERT_EQ(polygons.size(), 1 + std::size(features));
  EXPECT_EQ(polygons[0].Attribute("class"), "room");
  EXPECT_EQ(polygons[0].Attribute("points"), "0,0 1100,0 1100,100 0,100")
      << "the room holds its hidden wall too";
  for (const auto& f : features) {
    SCOPED_TRACE(f.name);
    const auto drawn = std::find_if(polygons.begin(), polygons.end(),
                                    [&](const PlanSvgElement& p) { return p.text == f.name; });
    ASSERT_NE(drawn, polygons.end());
    EXPECT_EQ(drawn->Attribute("class"), f.css_class);
    EXPECT_EQ(drawn->Attribute("stroke-dasharray") != "", f.hidden);
  }
  // Drawn kind by kind, openings last, over the walls.
  EXPECT_EQ(polygons.back().Attribute("class"), "door");
  EXPECT_EQ(polygons[polygons.size() - 2].Attribute("class"), "window");
  EXPECT_EQ(svg.Of("text", "room").front().text, "Kinds") << "a part document: the part's name";
}

// "x0 x1 y0 y1 z0 z1" of a shape, each rounded.
std::string Limits(const PlanShape& shape) {
  double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
  for (const PlanPoint& p : shape.outline) {
    x0 = std::min(x0, p.x);
    x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y);
    y1 = std::max(y1, p.y);
  }
  std::string text;
  for (double limit : {x0, x1, y0, y1, shape.bottom, shape.top})
    text += (text.empty() ? "" : " ") + std::to_string(std::lround(limit));
  return text;
}

// A footprint placed through nested instances: each instance's position
// applied after those below it, and all eight corners of the box placed.
TEST_F(ModelPlan, PlacesAFootprintByEachInstanceOnItsWayAndByAllItsCorners) {
  const CATTestDocument room = model_.PartDocument("c:\\Plan\\Room.CATPart");
  model_.Feature(model_.Body(room.Part(), "Shell"), "Slab").Box({0, 0, 0}, {300, 300, 300});
  const CATTestDocument floor = model_.ProductDocument("c:\\Plan\\Floor.CATProduct");
  model_.Instance(floor.Product(), room.Product(), "Moved")
      .Position(CATMathTransformation({1, 0, 0, 0, 1, 0, 0, 0, 1}, {1000, 0, 0}));
  const CATTestDocument building = model_.ProductDocument("c:\\Plan\\Building.CATProduct");
  // A rotation with no zero in any row: (2 -1 2 / 2 2 -1 / -1 2 2) / 3.
  const double t = 1.0 / 3;
  model_.Instance(building.Product(), room.Product(), "Tilted")
      .Position(CATMathTransformation({2 * t, -t, 2 * t, 2 * t, 2 * t, -t, -t, 2 * t, 2 * t}, {}));
  model_.Instance(building.Product(), floor.Product(), "Turned")
      .Position(CATMathTransformation({0, -1, 0, 1, 0, 0, 0, 0, 1}, {}));
  const Plan plan = PlanOf(building.Document());
  EXPECT_TRUE(plan.complete);
  ASSERT_EQ(plan.rooms.size(), 2u);
  ASSERT_EQ(plan.features.size(), 2u);
  const struct {
    const PlanShape& shape;
    const char* name;
    const char* limits;
    size_t corners;  // seen from above
  } expected[] = {
      // A cube tilted about no axis of the plan shows a hexagon.
      {plan.rooms[0].outline, "Tilted", "-100 400 -100 400 -100 400", 6},
      {plan.features[0], "Slab", "-100 400 -100 400 -100 400", 6},
      // Moved along x, then turned a quarter: the moved box's x becomes y.
      {plan.rooms[1].outline, "Moved", "-300 0 1000 1300 0 300", 4},
      {plan.features[1], "Slab", "-300 0 1000 1300 0 300", 4},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.name);
    EXPECT_EQ(e.shape.name, e.name);
    EXPECT_EQ(Limits(e.shape), e.limits);
    EXPECT_EQ(e.shape.outline.size(), e.corners);
  }
  EXPECT_EQ(plan.features[1].room, 1);
  const struct {
    const PlanRoom& room;
    double x;
    double y;
  } directions[] = {{plan.rooms[0], 2 * t, 2 * t}, {plan.rooms[1], 0, 1}};
  for (const auto& d : directions) {
    SCOPED_TRACE(d.room.outline.name);
    EXPECT_TRUE(d.room.turned);
    EXPECT_NEAR(d.room.x_direction.x, d.x / std::hypot(d.x, d.y), 1e-12);
    EXPECT_NEAR(d.room.x_direction.y, d.y / std::hypot(d.x, d.y), 1e-12);
  }
}

TEST_F(ModelPlan, RefusesMoreInstancesThanItDraws) {
  // Each level holds two instances of the next: 2^14 placed rooms.
  folder_.WriteFile("Room.CATPart", SampleFile("Room.CATPart"));
  const int levels = 14;
  for (int level = 0; level < levels; ++level) {
    const std::string next = level + 1 < levels
                                 ? "L" + std::to_string(level + 1) + ".CATProduct\", \"id\": \"p"
                                 : std::string("Room.CATPart\", \"id\": \"product");
    std::string instances;
    for (const char* name : {"A", "B"}) {
      instances += std::string(instances.empty() ? "" : ",") +
                   "{\"kind\": \"product\", \"id\": \"" + name + "\", \"name\": \"" + name +
                   "\", \"type\": \"Product\", \"reference\": {\"document\": \"" + next + "\"}}";
    }
    folder_.WriteFile(
        "L" + std::to_string(level) + ".CATProduct",
        "{\"format\": \"AXO model document\", \"version\": 2, \"type\": \"CATProduct\", "
        "\"containers\": [{\"kind\": \"container\", \"children\": [{\"kind\": "
        "\"product\", \"id\": \"p\", \"name\": \"L\", \"type\": \"Product\", "
        "\"partNumber\": \"L" +
            std::to_string(level) + "\", \"children\": [" + instances + "]}]}]}\n");
  }
  const CommandTestResult plan = Run({"plan", folder_.Host("L0.CATProduct")});
  EXPECT_EQ(plan.status, 1);
  EXPECT_EQ(plan.out, "");
  EXPECT_EQ(plan.err, "axocor: error: more than 10000 placed instances: too many to draw\n");
  const CommandTestResult small = Run({"plan", folder_.Host("L10.CATProduct")});
  EXPECT_EQ(small.status, 0) << small.err;
  const PlanSvgReader svg = ReadPlanSvg(small.out);
  EXPECT_EQ(svg.Of("polygon", "room").size(), 16u);
  EXPECT_EQ(svg.Of("polygon", "door").size(), 16u);
}

}  // namespace
