#include "foundations/AXOCorAdoptedHandle.h"

#include <gtest/gtest.h>

#include "CATIAlias.h"
#include "CATISpecObject.h"
#include "CATModelTestFixture.h"

namespace {

// The fixture fails a test that leaves a reference behind.
class AdoptedHandle : public CATModelTest {};

TEST_F(AdoptedHandle, HoldsTheObjectAndGivesTheQuerysReferenceBack) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode level = model_.Feature(room.Part(), "Level 1");
  const CATISpecObject_var wall = model_.Feature(level, "Wall.1");

  const CATISpecObject_var father = AXOCorAdoptHandle<CATISpecObject>(wall->GetFather());
  EXPECT_TRUE(father == CATISpecObject_var(level));
  const CATIAlias_var alias = AXOCorAdoptHandle<CATIAlias>(wall->GetFather());
  ASSERT_FALSE(!alias) << "another interface of the same object";
  EXPECT_TRUE(alias == father);
}

TEST_F(AdoptedHandle, IsNullForNoObjectOrOneWithoutTheInterface) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode level = model_.Feature(room.Part(), "Level 1").Without(IID_CATIAlias);
  const CATISpecObject_var wall = model_.Feature(level, "Wall.1");

  EXPECT_TRUE(!AXOCorAdoptHandle<CATIAlias>(wall->GetFather())) << "released all the same";
  EXPECT_TRUE(!AXOCorAdoptHandle<CATISpecObject>(static_cast<CATISpecObject*>(nullptr)));
}

}  // namespace
