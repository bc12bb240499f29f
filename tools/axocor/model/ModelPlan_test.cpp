// "axocor model plan": the drawing read back with an XML parser.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATHostPath.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"
#include "axocor/model/ModelCommandTestRun.h"

namespace {

// A rectangle of the drawing: its attributes and the title inside it.
struct Rect {
  std::map<std::string, std::string> attributes;
  std::string title;
};

// The rectangles of an SVG text; fails the test when it is no XML.
class RectReader : public AXOXmlSaxHandler {
 public:
  std::vector<Rect> rects;
  bool scale_bar = false;

  void StartElement(const std::string& name,
                    const std::vector<AXOXmlAttribute>& attributes) override {
    if (name == "rect") {
      rects.emplace_back();
      for (const AXOXmlAttribute& attribute : attributes) {
        rects.back().attributes[attribute.name] = attribute.value;
      }
    }
    for (const AXOXmlAttribute& attribute : attributes) {
      scale_bar |= attribute.name == "class" && attribute.value == "scale";
    }
    in_title_ = name == "title";
  }
  void EndElement(const std::string&) override { in_title_ = false; }
  void Characters(const std::string& text) override {
    if (in_title_ && !rects.empty()) rects.back().title += text;
  }

 private:
  bool in_title_ = false;
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
