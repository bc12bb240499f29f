#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "AXOCorGeomServices.h"
#include "AXOCorGlobalServices.h"
#include "AXOICorPartDocument.h"
#include "AXOTestBoxes.h"
#include "CATGeoFactory.h"
#include "CATILinkableObject.h"
#include "CATModelTestFixture.h"

namespace {

// An object, what GetBoundingBox returns for it and the box it gives.
struct BoxCase {
  const char* what;
  CATBaseUnknown_var object;
  HRESULT result;
  const char* box;
};

void ExpectBoxes(const std::vector<BoxCase>& cases) {
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.what);
    CATMathBox box;
    EXPECT_EQ(AXOCorGeomServices::GetBoundingBox(c.object, box), c.result);
    EXPECT_EQ(AXOTestLimits(box), c.box);
  }
}

CATMathTransformation Placement(double turn_degrees, double dx, double dy, double dz) {
  const double a = turn_degrees * std::acos(-1.0) / 180;
  const double c = std::cos(a);
  const double s = std::sin(a);
  return CATMathTransformation({c, -s, 0, s, c, 0, 0, 0, 1}, {dx, dy, dz});
}

using AXOCorGeomServicesTest = CATModelTest;

TEST_F(AXOCorGeomServicesTest, BoundingBoxesOfEachKindOfObject) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode shell = model_.Body(room.Part(), "Shell");
  const CATTestNode slab = model_.Feature(shell, "Slab").Box({0, 0, 0}, {5000, 4000, 200});
  model_.Feature(shell, "Wall").Box({0, 0, 0}, {5000, 200, 2700});
  const CATTestNode ghost = model_.Feature(shell, "Ghost").Box({-9e5, 0, 0}, {0, 1, 1}).Hide();
  const CATTestNode shown = model_.Feature(shell, "Shown").Box({0, 0, 0}, {1, 1, 1}).Hide(false);
  const CATTestNode hidden_set = model_.Body(shell, "Hidden set").Hide();
  const CATTestNode inner = model_.Feature(hidden_set, "Inner").Box({-500, -500, 0}, {0, 0, 9});
  const CATTestNode empty = model_.Feature(shell, "Empty");
  const CATTestNode loose = model_.Feature(room.Part(), "Loose").Box({0, 0, 0}, {9e5, 0, 0});
  const CATTestNode planes = model_.Body(room.Part(), "Planes");
  const CATTestNode at_bound = model_.Feature(planes, "At").Box({0, 0, 0}, {1e6, 1, 1});
  const CATTestNode below_bound = model_.Feature(planes, "Below").Box({-999999.4, 0, 0}, {1, 1, 1});
  const CATTestNode beyond_bound = model_.Feature(planes, "Beyond").Box({0, 0, -1e6}, {1, 1, 1});
  const CATTestNode point =
      model_.Feature(planes, "Point").Geometry({{{CATCellDescription::Vertex({7, 8, 9})}}});
  const CATTestNode parameter = model_.Parameter(slab, "Depth", CATCkeLengthKind, 0.2);

  ExpectBoxes({
      {"a solid", slab, S_OK, "0 5000 0 4000 0 200"},
      {"a hidden solid", ghost, S_OK, "empty"},
      {"a solid shown", shown, S_OK, "0 1 0 1 0 1"},
      {"below a hidden parent", inner, S_OK, "empty"},
      {"no result", empty, S_OK, "empty"},
      {"a limit at 1e6", at_bound, S_OK, "empty"},
      {"a limit at -1e6", beyond_bound, S_OK, "empty"},
      {"limits just inside", below_bound, S_OK, "-999999 1 0 1 0 1"},
      {"a point", point, S_OK, "7 7 8 8 9 9"},
      {"a body: its visible results", shell, S_OK, "0 5000 0 4000 0 2700"},
      {"a body of hidden results", hidden_set, S_OK, "empty"},
      {"a part: its bodies, not loose features", room.Part(), S_OK, "-999999 5000 0 4000 0 2700"},
      {"the product of a part document", room.Product(), S_OK, "-999999 5000 0 4000 0 2700"},
      {"a parameter", parameter, E_FAIL, "empty"},
      {"a document's container", room.Container(), E_FAIL, "empty"},
      {"nothing", CATBaseUnknown_var(), E_FAIL, "empty"},
  });
  (void)loose;

  CATMathBox grown(CATMathPoint(-1, -1, -1), CATMathPoint(1, 1, 1), 1);
  EXPECT_EQ(AXOCorGeomServices::GetBoundingBox(slab, grown), S_OK);
  EXPECT_EQ(AXOTestLimits(grown), "-1 5000 -1 4000 -1 200") << "grown, never reset";
}

TEST_F(AXOCorGeomServicesTest, ProductsPlaceTheirTwoCornersAndSkipWhatCannotBeReached) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode shell = model_.Body(room.Part(), "Shell");
  model_.Feature(shell, "Slab").Box({0, 0, 0}, {5000, 4000, 200});
  const CATTestDocument bare = model_.PartDocument("c:\\Parts\\Bare.CATPart");
  CATTestDocument lost = model_.PartDocument("c:\\Parts\\Lost.CATPart");
  const CATTestDocument closed = model_.PartDocument("c:\\Parts\\Closed.CATPart");
  const CATTestDocument building = model_.ProductDocument("c:\\Parts\\Building.CATProduct");
  const CATTestNode root = building.Product();
  const CATTestNode at_origin = model_.Instance(root, room.Product(), "At origin");
  const CATTestNode moved =
      model_.Instance(root, room.Product(), "Moved").Position(Placement(0, 100, -200, 300));
  const CATTestNode turned =
      model_.Instance(root, room.Product(), "Turned").Position(Placement(90, 0, 0, 0));
  const CATTestNode slanted =
      model_.Instance(root, room.Product(), "Slanted").Position(Placement(45, 0, 0, 0));
  const CATTestNode bare_one =
      model_.Instance(root, bare.Product(), "Bare").Position(Placement(0, -9000, 0, 0));
  const CATTestNode lost_one = model_.Instance(root, lost.Product(), "Lost");
  lost.Without(IID_AXOICorPartDocument);
  const CATTestNode closed_one = model_.Instance(root, closed.Product(), "Closed");
  model_.Close(closed);

  const CATTestDocument odd = model_.ProductDocument("c:\\Parts\\Odd.CATProduct");
  CATTestNode odd_one =
      model_.Instance(root, odd.Product(), "Odd").Position(Placement(0, 0, 0, 1000));
  odd_one.List(CATTestList::kSearchResults, {shell});

  // A listed but empty children list: no leaf, so its part does not count.
  const CATTestDocument hollow = model_.PartDocument("c:\\Parts\\Hollow.CATPart");
  model_.Feature(model_.Body(hollow.Part(), "Shell"), "Slab").Box({0, 0, 0}, {1, 1, 1});
  CATTestNode hollow_product = hollow.Product();
  hollow_product.List(CATTestList::kChildren, {});

  const CATTestDocument floor = model_.ProductDocument("c:\\Parts\\Floor.CATProduct");
  const CATTestNode upper =
      model_.Instance(floor.Product(), room.Product(), "Upper").Position(Placement(0, 0, 0, 3000));
  const CATTestNode wing =
      model_.Instance(floor.Product(), building.Product(), "Wing").Position(Placement(0, 0, 0, 10));

  ExpectBoxes({
      {"a leaf in place", at_origin, S_OK, "0 5000 0 4000 0 200"},
      {"a leaf moved", moved, S_OK, "100 5100 -200 3800 300 500"},
      {"a leaf turned a quarter", turned, S_OK, "-4000 0 0 5000 0 200"},
      // (5000, 4000) turned by 45 degrees is (707, 6364): the two corners
      // only, not the box of all eight.
      {"a leaf turned an eighth", slanted, S_OK, "0 707 0 6364 0 200"},
      {"a leaf without geometry", bare_one, S_OK, "empty"},
      {"a product with an empty list of children", hollow_product, S_OK, "empty"},
      {"a leaf whose document has no part", lost_one, E_FAIL, "empty"},
      {"a leaf whose document is closed", closed_one, E_FAIL, "empty"},
      {"a product whose search finds a body", odd_one, S_OK, "0 5000 0 4000 1000 1200"},
      {"an assembly: what can be reached", root, S_OK, "-4000 5100 -200 6364 0 1200"},
      {"an assembly within an assembly", floor.Product(), S_OK, "-4000 5100 -200 6364 10 3200"},
      {"an instance of an assembly", wing, S_OK, "-4000 5100 -200 6364 10 1210"},
      {"an instance of a part's product", upper, S_OK, "0 5000 0 4000 3000 3200"},
  });
  CATMathBox kept(CATMathPoint(1, 2, 3), CATMathPoint(4, 5, 6), 1);
  EXPECT_EQ(AXOCorGeomServices::GetBoundingBox(lost_one, kept), E_FAIL);
  EXPECT_EQ(AXOTestLimits(kept), "1 4 2 5 3 6") << "the caller's box untouched";
}

TEST_F(AXOCorGeomServicesTest, AProductThatContainsItselfEnds) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  model_.Feature(model_.Body(room.Part(), "Shell"), "Slab").Box({0, 0, 0}, {1, 1, 1});
  const CATTestDocument a = model_.ProductDocument("c:\\Parts\\A.CATProduct");
  const CATTestDocument b = model_.ProductDocument("c:\\Parts\\B.CATProduct");
  model_.Instance(a.Product(), room.Product(), "Room");
  model_.Instance(a.Product(), b.Product(), "B in A").Position(Placement(0, 10, 0, 0));
  model_.Instance(b.Product(), a.Product(), "A in B");
  CATMathBox box;
  EXPECT_EQ(AXOCorGeomServices::GetBoundingBox(a.Product(), box), S_OK);
  EXPECT_EQ(AXOTestLimits(box), "0 1 0 1 0 1")
      << "the room; B holds only A again, which is refused";
}

// A loop at the end of a chain whose every level holds two instances of the
// next is reached along 2^40 paths; each level is still expanded once.
TEST_F(AXOCorGeomServicesTest, ALoopReachedAlongManyPathsIsExpandedOnce) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  model_.Feature(model_.Body(room.Part(), "Shell"), "Slab").Box({0, 0, 0}, {1, 1, 1});
  constexpr int kLevels = 40;
  std::vector<CATTestDocument> levels;
  for (int i = 0; i <= kLevels; ++i) {
    const std::string path = "c:\\Parts\\L" + std::to_string(i) + ".CATProduct";
    levels.push_back(model_.ProductDocument(path.c_str()));
  }
  for (int i = 0; i < kLevels; ++i) {
    model_.Instance(levels[i].Product(), levels[i + 1].Product(), "Near");
    model_.Instance(levels[i].Product(), levels[i + 1].Product(), "Far")
        .Position(Placement(0, 10, 0, 0));
  }
  model_.Instance(levels[kLevels].Product(), room.Product(), "Room");
  model_.Instance(levels[kLevels].Product(), levels[0].Product(), "Loop");
  CATMathBox box;
  EXPECT_EQ(AXOCorGeomServices::GetBoundingBox(levels[0].Product(), box), S_OK);
  EXPECT_EQ(AXOTestLimits(box), "0 401 0 1 0 1") << "the room, moved by 10 on each level";
}

TEST_F(AXOCorGeomServicesTest, OnlyABodyOfOnePointGivesAPoint) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  CATGeoFactory_var factory;
  ASSERT_EQ(AXOCorGlobalServices::GetGeometryFactory(CATBaseUnknown_var(room.Part()), factory),
            S_OK);
  const CATMathPoint a(1.5, -2, 3e5);
  const CATMathPoint b(4, 5, 6);
  const CATCellDescription vertex = CATCellDescription::Vertex(a);
  const struct {
    const char* what;
    CATBodyDescription body;
    HRESULT result;
  } cases[] = {
      {"one vertex", {{{vertex}}}, S_OK},
      {"two vertices in one domain", {{{vertex, CATCellDescription::Vertex(b)}}}, E_FAIL},
      {"two domains of a vertex each", {{{vertex}, {CATCellDescription::Vertex(b)}}}, E_FAIL},
      {"one edge", {{{CATCellDescription::Edge(a, b)}}}, E_FAIL},
      {"a vertex and an edge", {{{vertex, CATCellDescription::Edge(a, b)}}}, E_FAIL},
      {"one face", {{{{2, {a}}}}}, E_FAIL},
      {"one empty domain", {{{}}}, E_FAIL},
      {"no domain", {}, E_FAIL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CATBody* body = factory->CreateBody(c.body);
    ASSERT_NE(body, nullptr);
    CATMathPoint point(-7, -7, -7);
    EXPECT_EQ(AXOCorGeomServices::GetMathPointFromBody(body, point), c.result);
    EXPECT_EQ(point, c.result == S_OK ? a : CATMathPoint(-7, -7, -7));
    body->Release();
  }
  CATMathPoint point;
  EXPECT_EQ(AXOCorGeomServices::GetMathPointFromBody(CATBody_var(), point), E_FAIL);
}

TEST_F(AXOCorGeomServicesTest, TheGeometryFactoryIsThatOfTheObjectsPartDocument) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode slab = model_.Feature(room.Part(), "Slab");
  const CATTestNode unlinked =
      model_.Feature(room.Part(), "Unlinked").Without(IID_CATILinkableObject);
  const CATTestDocument building = model_.ProductDocument("c:\\Parts\\Building.CATProduct");
  const CATTestDocument gone = model_.PartDocument("c:\\Parts\\Gone.CATPart");
  CATBaseUnknown_var orphan(gone.Part());
  model_.Close(gone);

  CATGeoFactory_var of_part;
  EXPECT_EQ(AXOCorGlobalServices::GetGeometryFactory(CATBaseUnknown_var(room.Part()), of_part),
            S_OK);
  ASSERT_TRUE(!!of_part);
  CATBody* made = of_part->CreateBody({});
  ASSERT_NE(made, nullptr);
  const CATBaseUnknown_var body(made);
  made->Release();

  const struct {
    const char* what;
    CATBaseUnknown_var object;
    HRESULT result;
    bool same_factory;
  } cases[] = {
      {"another feature of the part", slab, S_OK, true},
      {"a product document", building.Product(), E_FAIL, false},
      {"an object in no document", orphan, E_FAIL, false},
      {"no linkable object", unlinked, E_NOINTERFACE, false},
      {"a body", body, E_NOINTERFACE, false},
      {"nothing", CATBaseUnknown_var(), E_FAIL, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CATGeoFactory_var factory = of_part;
    EXPECT_EQ(AXOCorGlobalServices::GetGeometryFactory(c.object, factory), c.result);
    EXPECT_EQ(!!factory, c.same_factory);
    EXPECT_TRUE(!c.same_factory || factory == of_part);
  }
  orphan.Clear();
}

}  // namespace
