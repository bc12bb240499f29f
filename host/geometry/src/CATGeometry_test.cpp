#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "AXOTestBoxes.h"
#include "CATBody.h"
#include "CATBodyDescription.h"
#include "CATGeoObjects.h"
#include "CATMathBox.h"
#include "CATMathTransformation.h"
#include "CATPoint.h"
#include "CATTestModel.h"

namespace {

TEST(CATMathBox, GrowsFromEmptyAndKeepsItsCornersInOrder) {
  const CATMathPoint a(1, 5, -2);
  const CATMathPoint b(4, 2, 3);
  CATMathBox grown;
  grown.AddInside(CATMathBox());
  const CATMathBox one_point = [&] {
    CATMathBox box;
    box.AddInside(a);
    return box;
  }();
  CATMathBox both = one_point;
  both.AddInside(CATMathBox(b, b, 0));
  const struct {
    const char* what;
    CATMathBox box;
    const char* limits;
  } cases[] = {
      {"built empty", CATMathBox(), "empty"},
      {"an empty box added", grown, "empty"},
      {"one point", one_point, "1 1 5 5 -2 -2"},
      {"two boxes", both, "1 4 2 5 -2 3"},
      {"corners sorted", CATMathBox(a, b, 1), "1 4 2 5 -2 3"},
      {"corners taken as given, in order", CATMathBox(CATMathPoint(1, 2, -2), b, 0),
       "1 4 2 2 -2 3"},
      {"corners taken as given, crossed", CATMathBox(a, b, 0), "empty"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(AXOTestLimits(c.box), c.limits);
  }
  double untouched = 7;
  EXPECT_EQ(
      CATMathBox().GetLimits(untouched, untouched, untouched, untouched, untouched, untouched),
      E_FAIL);
  EXPECT_EQ(untouched, 7);
  CATMathPoint low;
  CATMathPoint high;
  both.GetLowLimit(low);
  both.GetHighLimit(high);
  EXPECT_EQ(low, CATMathPoint(1, 2, -2));
  EXPECT_EQ(high, CATMathPoint(4, 5, 3));
  EXPECT_EQ(CATMathBox(a, b, 1), both);
  EXPECT_NE(CATMathBox(), both);
}

TEST(CATMathTransformation, PlacesPointsAndKnowsARotation) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    double rotation[9];
    double translation[3];
    bool rigid;
    CATMathPoint placed;  // of (1, 2, 3)
  } cases[] = {
      {"identity", {1, 0, 0, 0, 1, 0, 0, 0, 1}, {0, 0, 0}, true, {1, 2, 3}},
      {"translation", {1, 0, 0, 0, 1, 0, 0, 0, 1}, {10, -20, 30}, true, {11, -18, 33}},
      {"quarter turn about z", {0, -1, 0, 1, 0, 0, 0, 0, 1}, {0, 0, 0}, true, {-2, 1, 3}},
      {"half turn and move", {-1, 0, 0, 0, -1, 0, 0, 0, 1}, {100, 0, 0}, true, {99, -2, 3}},
      {"mirror", {-1, 0, 0, 0, 1, 0, 0, 0, 1}, {0, 0, 0}, false, {-1, 2, 3}},
      {"scale", {2, 0, 0, 0, 2, 0, 0, 0, 2}, {0, 0, 0}, false, {2, 4, 6}},
      {"shear", {1, 1, 0, 0, 1, 0, 0, 0, 1}, {0, 0, 0}, false, {3, 2, 3}},
      {"rows at right angles, determinant 1, not of length 1",
       {2, 0, 0, 0, 0.5, 0, 0, 0, 1},
       {0, 0, 0},
       false,
       {2, 1, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CATMathTransformation t(c.rotation, c.translation);
    EXPECT_EQ(t.IsRigid(), c.rigid);
    EXPECT_EQ(t * CATMathPoint(1, 2, 3), c.placed);
  }
  EXPECT_TRUE(CATMathTransformation().IsRigid());
  EXPECT_FALSE(CATMathTransformation({nan, 0, 0, 0, 1, 0, 0, 0, 1}, {0, 0, 0}).IsRigid());
  const double s = std::sqrt(0.5);
  EXPECT_TRUE(CATMathTransformation({s, -s, 0, s, s, 0, 0, 0, 1}, {0, 0, 0}).IsRigid())
      << "an eighth turn, rounded";
}

TEST(CATBodyDescription, NamesTheFirstCellThatCannotBeMade) {
  const double inf = std::numeric_limits<double>::infinity();
  const CATMathPoint o;
  const struct {
    const char* what;
    CATBodyDescription body;
    const char* fault;
  } cases[] = {
      {"nothing", {}, ""},
      {"a solid", CATBodyDescription::Solid(o, {1, 1, 1}), ""},
      {"a vertex of two points",
       {{{{0, {o, o}}}}},
       "domain 1, cell 1: a vertex has exactly one point"},
      {"an edge of one point",
       {{{}, {CATCellDescription::Vertex(o), {1, {o}}}}},
       "domain 2, cell 2: an edge has exactly two points"},
      {"a face of no point",
       {{{{2, {}}}}},
       "domain 1, cell 1: a face or a volume has one point or more"},
      {"dimension 4", {{{{4, {o}}}}}, "domain 1, cell 1: a cell has dimension 0, 1, 2 or 3"},
      {"an infinite point",
       {{{CATCellDescription::Vertex({inf, 0, 0})}}},
       "domain 1, cell 1: a point is finite"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CATBodyDescriptionFault(c.body), c.fault);
    CATBody* body = CATGeoNewBody(c.body);
    EXPECT_EQ(body != nullptr, *c.fault == '\0');
    if (body != nullptr) body->Release();
  }
}

// Checks that the bodies' objects are all given back.
class CATBodyTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(model_.LeakedObjects(), 0); }
  CATTestModel model_;
};

TEST_F(CATBodyTest, ItsTopologyIsTheDescriptionsAndItsBoxSpansItsPoints) {
  const CATBodyDescription described{
      {{CATCellDescription::Vertex({1, 2, 3}), CATCellDescription::Edge({0, 0, 0}, {5, 0, 0})},
       {{2, {{0, -1, 0}, {0, 4, 7}, {2, 2, 2}}}}}};
  CATBody* body = CATGeoNewBody(described);
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(CATGeoDescriptionOf(body), CATGeoDescriptionOf(CATBaseUnknown_var(body)));
  ASSERT_NE(CATGeoDescriptionOf(body), nullptr);
  EXPECT_EQ(CATGeoDescriptionOf(body)->domains.size(), 2u);
  CATMathBox box(CATMathPoint(-9, -9, -9), CATMathPoint(-8, -8, -8), 1);
  body->GetBoundingBox(box);
  EXPECT_EQ(AXOTestLimits(box), "0 5 -1 4 0 7") << "set, not grown";

  EXPECT_EQ(body->GetNbDomains(), 2);
  EXPECT_EQ(body->GetDomain(0), nullptr);
  EXPECT_EQ(body->GetDomain(3), nullptr);
  CATDomain* first = body->GetDomain(1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetNbCells(), 2);
  EXPECT_EQ(first->GetCell(3), nullptr);
  const struct {
    int cell;
    short dimension;
    bool point;
  } cells[] = {{1, 0, true}, {2, 1, false}};
  for (const auto& c : cells) {
    SCOPED_TRACE(c.cell);
    CATCell* cell = first->GetCell(c.cell);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetDimension(), c.dimension);
    CATGeometry* geometry = cell->GetGeometry();
    ASSERT_NE(geometry, nullptr);
    const CATPoint_var point(geometry);
    EXPECT_EQ(!!point, c.point);
    if (!!point) {
      CATMathPoint xyz;
      point->GetMathPoint(xyz);
      EXPECT_EQ(xyz, CATMathPoint(1, 2, 3));
    }
    geometry->Release();
    cell->Release();
  }
  first->Release();

  const struct {
    int domain;
    int cell;
    short highest;
    short lowest;
  } dimensions[] = {{0, 0, 2, 0}, {1, 0, 1, 0},  {2, 0, 2, 2}, {0, 2, 1, 1},
                    {1, 1, 0, 0}, {3, 0, -1, 9}, {0, 5, -1, 9}};
  for (const auto& d : dimensions) {
    SCOPED_TRACE(std::to_string(d.domain) + "/" + std::to_string(d.cell));
    short highest = -1;
    short lowest = 9;
    body->GetDimension(highest, lowest, d.domain, d.cell);
    EXPECT_EQ(highest, d.highest);
    EXPECT_EQ(lowest, d.lowest);
  }
  body->Release();
}

TEST_F(CATBodyTest, AVolumeHasNoCarryingGeometry) {
  CATBody* body = CATGeoNewBody(CATBodyDescription::Solid({0, 0, 0}, {1, 1, 1}));
  ASSERT_NE(body, nullptr);
  CATDomain* domain = body->GetDomain(1);
  CATCell* cell = domain->GetCell(1);
  EXPECT_EQ(cell->GetDimension(), 3);
  EXPECT_EQ(cell->GetGeometry(), nullptr);
  cell->Release();
  domain->Release();
  body->Release();
}

}  // namespace
