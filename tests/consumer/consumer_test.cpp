// An add-on's module tested against the installed stand-in under
// GoogleTest: a part with a body and a product with two placed instances,
// built with the model builder; services of the library called on them;
// failures printed through the installed printers; every reference given
// back.
#include <gtest/gtest.h>

#include "AXOCorGeomServices.h"
#include "AXOCorGlobalServices.h"
#include "CATCkeDictionaryTesting.h"
#include "CATICkeParm.h"
#include "CATICkeUnit.h"
#include "CATTestModel.h"
#include "CATTestPrinters.h"

namespace {

class BuildingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    room_ = model_.PartDocument("c:\\Parts\\Room.CATPart");
    const CATTestNode body = model_.Body(room_.Part(), "PartBody");
    model_.Feature(body, "Slab").Box({0, 0, 0}, {5000, 4000, 200});
    building_ = model_.ProductDocument("c:\\Parts\\Building.CATProduct");
    first_ = model_.Instance(building_.Product(), room_.Product(), "Room.1");
    const double turn[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    const double along[3] = {10000, 0, 0};
    model_.Instance(building_.Product(), room_.Product(), "Room.2")
        .Position(CATMathTransformation(turn, along));
  }
  // Names what is still referenced when a test forgot to let it go.
  void TearDown() override { EXPECT_NO_LEAKS(model_); }

  CATTestModel model_;
  CATTestDocument room_;
  CATTestDocument building_;
  CATTestNode first_;
};

TEST_F(BuildingTest, TheBoxOfTheBuildingHoldsBothRooms) {
  CATMathBox box;
  EXPECT_HRESULT_EQ(S_OK, AXOCorGeomServices::GetBoundingBox(building_.Product(), box));
  EXPECT_EQ(box, CATMathBox(CATMathPoint(0, 0, 0), CATMathPoint(15000, 4000, 200), 0));
}

TEST_F(BuildingTest, AProductSearchThatAnswersOneRoomAndANullGivesOneRoom) {
  building_.Product().List(CATTestList::kSearchResults, {first_, CATTestNode()});
  CATMathBox box;
  EXPECT_HRESULT_EQ(S_OK, AXOCorGeomServices::GetBoundingBox(building_.Product(), box));
  EXPECT_EQ(box, CATMathBox(CATMathPoint(0, 0, 0), CATMathPoint(5000, 4000, 200), 0));
}

TEST_F(BuildingTest, TheActivePartIsTheEditorsPart) {
  model_.SetCurrentEditor(building_, {building_.Product(), first_, room_.Part()});
  EXPECT_EQ(AXOCorGlobalServices::GetActivePart(), CATISpecObject_var(room_.Part()));
}

TEST_F(BuildingTest, ALengthShowsInTheMagnitudesCurrentUnit) {
  CATCkeDictionaryTesting::SetMagnitude(
      "LENGTH", {CATCkeTestUnit::Unit("mm", "Millimeter"), CATCkeTestUnit::Unit("m", "Meter")}, 1);
  const CATICkeParm_var height = model_.Parameter(room_.Part(), "Height", CATCkeLengthKind, 2.5);
  const CATICkeUnit_var unit = AXOCorGlobalServices::GetCurrentUnit(height);
  ASSERT_FALSE(!unit);
  EXPECT_EQ(unit->Symbol(), CATUnicodeString("m"));
}

}  // namespace
