// "axocor model plan": the drawing rendered by a real SVG renderer, so that
// what parses also shows.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AXOTestTempFolder.h"
#include "CATTestModel.h"
#include "axocor/model/ModelCommandTestRun.h"
#include "axocor/model/PlanSvgReader.h"

#ifdef AXOCOR_SVG_RENDERER
#include "AXOPlatformTesting.h"
#include "axocor/model/PngImage.h"
#endif

namespace {

#ifdef AXOCOR_SVG_RENDERER

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// "#rrggbb" at `opacity` over the white page.
PngPixel OnWhite(const std::string& colour, double opacity) {
  const auto channel = [&](size_t at) {
    const int value = std::stoi(colour.substr(at, 2), nullptr, 16);
    return static_cast<int>(std::lround(opacity * value + (1 - opacity) * 255));
  };
  return {channel(1), channel(3), channel(5), 255};
}

#endif

TEST(ModelPlanRender, ShowsWallsDoorsAndArrowsWherePlacedAndNothingBetweenTheRooms) {
#ifndef AXOCOR_SVG_RENDERER
  GTEST_SKIP() << "not rendered: " << AXOCOR_SVG_RENDERER_MISSING;
#else
  // The sample building with its turned room moved 3 m away from the other.
  AXOTestTempFolder folder;
  const std::filesystem::path samples(AXOCOR_SAMPLE_MODELS);
  folder.WriteFile("Room.CATPart", ReadAll(samples / "Room.CATPart"));
  std::string building = ReadAll(samples / "Building.CATProduct");
  const std::string moved = "\"translation\": [10000, 4000, 0]";
  ASSERT_NE(building.find(moved), std::string::npos);
  building.replace(building.find(moved), moved.size(), "\"translation\": [13000, 4000, 0]");
  folder.WriteFile("Building.CATProduct", building);
  CATTestModel model;
  const CommandTestResult plan = RunModelForTest(
      model, {"plan", folder.Host("Building.CATProduct"), "-o", folder.Host("plan.svg")});
  ASSERT_EQ(plan.status, 0) << plan.err;

  std::int64_t renderer = -1;
  ASSERT_TRUE(AXOPlatformTesting::Get()
                  .StartProcess({AXOCOR_SVG_RENDERER, "-o", folder.Native("plan.png").u8string(),
                                 folder.Native("plan.svg").u8string()},
                                renderer)
                  .ok());
  int exit_code = -1;
  ASSERT_TRUE(AXOPlatformTesting::Get().WaitForProcess(renderer, exit_code).ok());
  ASSERT_EQ(exit_code, 0) << AXOCOR_SVG_RENDERER;
  PngImage image;
  std::string why;
  ASSERT_TRUE(DecodePng(ReadAll(folder.Native("plan.png")), image, why)) << why;

  const PlanSvgReader svg = ReadPlanSvg(ReadAll(folder.Native("plan.svg")));
  EXPECT_EQ(image.width, std::stol(svg.svg.at("width")));
  EXPECT_EQ(image.height, std::stol(svg.svg.at("height")));
  const auto first = [&](const std::string& css_class) {
    const std::vector<PlanSvgElement> found = svg.Of("polygon", css_class);
    return found.empty() ? PlanSvgElement() : found.front();
  };
  const PlanSvgElement wall = first("wall");
  const PlanSvgElement door = first("door");
  const PlanSvgElement room = first("room");
  const PngPixel black{0, 0, 0, 255};
  const PngPixel white{255, 255, 255, 255};
  // The arrow of Room.2 (its centre at x 10500, turned to -x): the middle
  // of its shaft, which lies 24 pixels below the centre.
  const double arrow_y = 2000 - 24 / svg.transform[0];
  const struct {
    const char* what;
    double x;  // in the model
    double y;
    PngPixel colour;
    int tolerance;  // per channel
  } spots[] = {
      {"Room.1's Wall.1", 1000, 100, OnWhite(wall.Attribute("fill"), 1), 2},
      {"Room.1's Door.1", 2450, 100, OnWhite(door.Attribute("fill"), 1), 2},
      {"Room.2's Wall.1, turned to the top", 12000, 3900, OnWhite(wall.Attribute("fill"), 1), 2},
      {"Room.2's Door.1, turned to the top", 10550, 3900, OnWhite(door.Attribute("fill"), 1), 2},
      {"Room.1's Door.1 is not turned to the top", 2450, 3900, OnWhite(wall.Attribute("fill"), 1),
       2},
      {"inside Room.1", 2500, 1000,
       OnWhite(room.Attribute("fill"), std::stod(room.Attribute("fill-opacity"))), 2},
      {"Room.1's outline", 0, 2000, OnWhite(room.Attribute("stroke"), 1), 40},
      {"between the rooms", 6500, 2000, white, 0},
      {"Room.2's arrow", 10500, arrow_y, black, 40},
  };
  for (const auto& spot : spots) {
    SCOPED_TRACE(spot.what);
    const long x = static_cast<long>(std::floor(svg.PageX(spot.x)));
    const long y = static_cast<long>(std::floor(svg.PageY(spot.y)));
    ASSERT_TRUE(image.Holds(x, y)) << x << ", " << y;
    const PngPixel seen = image.At(x, y);
    EXPECT_NEAR(seen.r, spot.colour.r, spot.tolerance) << "at pixel " << x << ", " << y;
    EXPECT_NEAR(seen.g, spot.colour.g, spot.tolerance) << "at pixel " << x << ", " << y;
    EXPECT_NEAR(seen.b, spot.colour.b, spot.tolerance) << "at pixel " << x << ", " << y;
    EXPECT_EQ(seen.a, 255) << "at pixel " << x << ", " << y;
  }
  EXPECT_EQ(model.LeakedObjects(), 0);
#endif
}

}  // namespace
