#ifndef CATModelTestFixture_h
#define CATModelTestFixture_h

// Test support (GoogleTest): a fixture with a model builder and a folder of
// its own, which checks at the end of every test that no reference was
// left behind; and a small building to work on.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "AXOTestTempFolder.h"
#include "CATTestModel.h"

// A small building: a product with two instances of one part, whose part
// has features in two levels, attributes, a link, a parameter and one
// publication.
struct CATTestBuilding {
  CATTestDocument room;      // "<folder>\Room.CATPart"
  CATTestNode level;         // "Level 1", a feature of the part
  CATTestNode wall;          // "Wall.1" below the level
  CATTestNode door;          // "Door.1" below the level, linked from the wall
  CATTestNode height;        // a length parameter owned by the wall
  CATTestDocument building;  // "<folder>\Building.CATProduct"
  CATTestNode first;         // "Room.1", an instance of the room
  CATTestNode second;        // "Room.2"

  static CATTestBuilding Build(CATTestModel& model, const std::string& folder) {
    CATTestBuilding b;
    b.room = model.PartDocument((folder + "\\Room.CATPart").c_str());
    b.level = model.Feature(b.room.Part(), "Level 1", "Level").TimeStamp(86400);
    b.wall = model.Feature(b.level, "Wall.1", "Wall")
                 .Type("Wall", "MechanicalFeature")
                 .TimeStamp(90061)
                 .Key("Height", tk_double, sp_IN)
                 .ListKey("Layers", tk_string, sp_OUT);
    b.door = model.Feature(b.level, "Door.1", "Door").TimeStamp(3661);
    b.wall.Link(b.door);
    b.height = model.Parameter(b.wall, "Height", CATCkeLengthKind, 2.5);
    b.room.Product().Publish("Entrance", b.door);
    b.building = model.ProductDocument((folder + "\\Building.CATProduct").c_str());
    b.first = model.Instance(b.building.Product(), b.room.Product(), "Room.1");
    b.second = model.Instance(b.building.Product(), b.room.Product(), "Room.2");
    return b;
  }
};

class CATModelTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(model_.LeakedObjects(), 0) << "references not given back"; }

  static std::string ReadFile(const std::filesystem::path& path) { return AXOTestReadFile(path); }

  CATTestModel model_;
  AXOTestTempFolder folder_;
};

#endif  // CATModelTestFixture_h
