// "axocor model plan": the drawing read back with an XML parser.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestBoxes.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATHostPath.h"
#include "CATTestModel.h"
#include "ModelPlan.h"
#include "axocor/CommandTestRun.h"
#include "axocor/model/ModelCommandTestRun.h"

namespace {

// A rectangle of the drawing: its attributes and the title inside it.
struct Rect {
  std::map<std::string, std::string> attributes;
  std::string title;
};

// A name written on the page, outside the scale bar.
struct Label {
  double x = 0;
  double y = 0;
  std::string text;
};

// The rectangles and names of an SVG text, and the transform that puts the
// rectangles on the page; fails the test when it is no XML.
class RectReader : public AXOXmlSaxHandler {
 public:
  std::vector<Rect> rects;
  std::vector<Label> labels;
  double transform[6] = {};  // of the group of rectangles: matrix(a b c d e f)
  bool scale_bar = false;

  void StartElement(const std::string& name,
                    const std::vector<AXOXmlAttribute>& attributes) override {
    std::map<std::string, std::string> read;
    for (const AXOXmlAttribute& attribute : attributes) read[attribute.name] = attribute.value;
    if (name == "rect") rects.push_back({read, ""});
    if (name == "g" && read["class"] == "plan") {
      std::istringstream matrix(read["transform"].substr(std::string("matrix(").size()));
      for (double& value : transform) matrix >> value;
    }
    scale_bar |= read["class"] == "scale";
    in_scale_ |= read["class"] == "scale";
    if (name == "text" && !in_scale_)
      labels.push_back({std::stod(read["x"]), std::stod(read["y"]), ""});
    in_title_ = name == "title";
    in_label_ = name == "text" && !in_scale_;
  }
  void EndElement(const std::string& name) override {
    in_title_ = false;
    in_label_ = false;
    in_scale_ &= name != "g";
  }
  void Characters(const std::string& text) override {
    if (in_title_ && !rects.empty()) rects.back().title += text;
    if (in_label_) labels.back().text += text;
  }

 private:
  bool in_title_ = false;
  bool in_label_ = false;
  bool in_scale_ = false;
};

RectReader ReadSvg(const std::string& svg) {
  RectReader reader;
  const AXOStatus status = AXOPlatform::Get()->ParseXml(svg, reader);
  EXPECT_TRUE(status.ok()) << status.ToString() << "\n" << svg;
  return reader;
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

TEST_F(ModelPlan, DrawsEachPlacedPartAndBodyWhereTheBoxCommandPlacesIt) {
  const CommandTestResult plan = Run({"plan", building_});
  ASSERT_EQ(plan.status, 0) << plan.err;
  const RectReader svg = ReadSvg(plan.out);
  EXPECT_TRUE(svg.scale_bar);
  const struct {
    const char* title;
    const char* path;  // of the box command
  } expected[] = {
      {"Room.1", "Room.1"},
      {"Level 1", "Room.1\\Level 1"},
      {"Room.2", "Room.2"},
      {"Level 1", "Room.2\\Level 1"},
  };
  ASSERT_EQ(svg.rects.size(), std::size(expected));
  std::vector<std::string> colours;
  for (size_t i = 0; i < svg.rects.size(); ++i) {
    const Rect& rect = svg.rects[i];
    SCOPED_TRACE(expected[i].path);
    EXPECT_EQ(rect.title, expected[i].title);
    EXPECT_EQ(rect.attributes.at("class"), "box");
    const double x = std::stod(rect.attributes.at("x"));
    const double y = std::stod(rect.attributes.at("y"));
    const std::string line =
        "\"" + std::string(expected[i].title) + "\": x " + rect.attributes.at("x") + " .. " +
        std::to_string(static_cast<int>(x + std::stod(rect.attributes.at("width")))) + "  y " +
        rect.attributes.at("y") + " .. " +
        std::to_string(static_cast<int>(y + std::stod(rect.attributes.at("height"))));
    const CommandTestResult box = Run({"box", building_, expected[i].path});
    EXPECT_EQ(box.out.rfind(line + "  z ", 0), 0u) << box.out << " drawn as " << line;
    colours.push_back(rect.attributes.at("stroke"));
  }
  EXPECT_EQ(colours[0], colours[1]) << "a part and its body";
  EXPECT_NE(colours[0], colours[2]) << "one colour per part";

  // Each name at the top left of its box on the page, a part's on the
  // first line inside the box, a body's on the second.
  ASSERT_EQ(svg.labels.size(), svg.rects.size());
  const double* page = svg.transform;
  for (size_t i = 0; i < svg.rects.size(); ++i) {
    const std::map<std::string, std::string>& rect = svg.rects[i].attributes;
    SCOPED_TRACE(expected[i].path);
    const double left = page[0] * std::stod(rect.at("x")) + page[4];
    const double top = page[3] * (std::stod(rect.at("y")) + std::stod(rect.at("height"))) + page[5];
    const bool body = rect.at("fill-opacity") == "0.15";
    EXPECT_EQ(svg.labels[i].text, expected[i].title);
    EXPECT_NEAR(svg.labels[i].x, left + 4, 1e-6);
    EXPECT_NEAR(svg.labels[i].y, top + (body ? 30 : 14), 1e-6);
  }
}

TEST_F(ModelPlan, DashesHiddenBoxesCutsAtAHeightAndWritesAFile) {
  std::ifstream sample(std::filesystem::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart",
                       std::ios::binary);
  std::string room((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
  room.replace(room.find("\"id\": \"level1\","), 0, "\"hidden\": true, ");
  folder_.WriteFile("Room.CATPart", room);
  const struct {
    std::vector<std::string> options;
    // Of the rectangles drawn: the part's box leaves its hidden geometry
    // out, so with all of it in the hidden body the part has none.
    std::vector<std::string> classes;
  } cases[] = {
      {{}, {"box hidden"}},
      {{"--section", "0"}, {"box hidden"}},
      {{"--section", "-1"}, {}},
      {{"--section", "1000"}, {"box hidden"}},
      {{"--section", "2700"}, {"box hidden"}},
      {{"--section", "3000"}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options.empty() ? "whole" : c.options[1]);
    std::vector<std::string> args{"plan", folder_.Host("Room.CATPart"), "-o",
                                  folder_.Host("plan.svg")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CommandTestResult plan = Run(args);
    ASSERT_EQ(plan.status, 0) << plan.err;
    EXPECT_EQ(plan.out, "");
    std::ifstream file(folder_.Native("plan.svg"), std::ios::binary);
    const RectReader svg = ReadSvg(
        std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()));
    std::vector<std::string> classes;
    for (const Rect& rect : svg.rects) {
      classes.push_back(rect.attributes.at("class"));
      EXPECT_EQ(rect.attributes.count("stroke-dasharray"), rect.title == "Level 1" ? 1u : 0u);
      EXPECT_EQ(rect.attributes.at("width"), "5000") << "the hidden body's geometry still counts";
    }
    EXPECT_EQ(classes, c.classes);
  }
  const CommandTestResult missing =
      Run({"plan", folder_.Host("Room.CATPart"), "-o", folder_.Host("none\\plan.svg")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("no such folder"), std::string::npos) << missing.err;
}

// A box placed through nested instances: each instance's position applied
// after those below it, and all eight corners of the box placed.
TEST_F(ModelPlan, PlacesABoxByEachInstanceOnItsWayAndByAllItsCorners) {
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
  bool complete = false;
  const std::vector<PlanBox> boxes = PlanBoxes(building.Document(), complete);
  EXPECT_TRUE(complete);
  const struct {
    const char* name;
    const char* limits;
  } expected[] = {
      {"Tilted", "-100 400 -100 400 -100 400"},
      {"Shell", "-100 400 -100 400 -100 400"},
      // Moved along x, then turned a quarter: the moved box's x becomes y.
      {"Moved", "-300 0 1000 1300 0 300"},
      {"Shell", "-300 0 1000 1300 0 300"},
  };
  ASSERT_EQ(boxes.size(), std::size(expected));
  for (size_t i = 0; i < boxes.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(boxes[i].name, expected[i].name);
    EXPECT_EQ(AXOTestLimits(boxes[i].box), expected[i].limits);
  }
}

TEST_F(ModelPlan, RefusesMoreInstancesThanItDraws) {
  // Each level holds two instances of the next: 2^14 placed rooms.
  std::ifstream sample(std::filesystem::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart",
                       std::ios::binary);
  folder_.WriteFile("Room.CATPart", std::string((std::istreambuf_iterator<char>(sample)),
                                                std::istreambuf_iterator<char>()));
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
  EXPECT_EQ(ReadSvg(small.out).rects.size(), 2u * 16) << "a part and its body in each room";
}

}  // namespace
