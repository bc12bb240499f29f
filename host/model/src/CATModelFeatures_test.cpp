#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "AXOIAttLogical.h"
#include "CATError.h"
#include "CATIAlias.h"
#include "CATICkeParm.h"
#include "CATIContainer.h"
#include "CATIDescendants.h"
#include "CATILinkableObject.h"
#include "CATIMechanicalFeature.h"
#include "CATIPrtContainer.h"
#include "CATIPrtPart.h"
#include "CATISpecAttrAccess.h"
#include "CATISpecUpdate.h"
#include "CATModelTestFixture.h"

namespace {

// The names (CATIAlias, "-" without) of a list of objects, comma-separated.
template <class List>
std::string Names(const List& list) {
  std::string names;
  for (int i = 1; i <= list.Size(); ++i) {
    const CATIAlias_var alias(list[i]);
    names += std::string(i > 1 ? "," : "") + (!alias ? "-" : alias->GetAlias().ConvertToChar());
  }
  return names;
}

template <class List>
std::string Names(const std::unique_ptr<List>& list) {
  return list == nullptr ? "(none)" : Names(*list);
}

using CATModelFeatures = CATModelTest;

TEST_F(CATModelFeatures, DirectChildrenAreChosenByInterfaceOrTypeAndAppended) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  model_.Feature(b.level, "Anon").Without(IID_CATIAlias);
  model_.Feature(b.level, "Hidden").Without(IID_CATISpecObject);
  model_.Parameter(b.level, "Span", CATCkeIntegerKind, 3);
  const struct {
    const char* name;
    const char* expected;
  } cases[] = {
      {"CATISpecObject", "Wall.1,Door.1,-,Span"},
      {"CATBaseUnknown", "Wall.1,Door.1,-,Span"},
      {"", "Wall.1,Door.1,-,Span"},
      {"CATIAlias", "Wall.1,Door.1,Span"},
      {"CATICkeParm", "Span"},
      {"Wall", "Wall.1"},               // a type
      {"MechanicalFeature", "Wall.1"},  // a supertype
      {"CATIProduct", ""},
      {"Window", ""},
  };
  const CATIDescendants_var level = b.level;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CATListValCATISpecObject_var children;
    children.Append(CATISpecObject_var(b.room.Part()));
    level->GetDirectChildren(c.name, children);
    EXPECT_EQ(Names(children), std::string("Room") + (*c.expected ? "," : "") + c.expected);
  }
  CATListValCATISpecObject_var all;
  level->GetDirectChildren(nullptr, all);
  EXPECT_EQ(Names(all), "Wall.1,Door.1,-,Span");
}

TEST_F(CATModelFeatures, ParentsContainersAndPartsFollowTheTree) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestNode loose = model_.Feature(b.building.Container(), "Loose");

  const CATISpecObject_var wall = b.wall;
  CATISpecObject* father = wall->GetFather();
  EXPECT_TRUE(CATBaseUnknown_var(father) == CATBaseUnknown_var(b.level));
  father->Release();
  EXPECT_EQ(CATISpecObject_var(b.room.Part())->GetFather(), nullptr) << "the part is at the top";
  EXPECT_EQ(CATISpecObject_var(loose)->GetFather(), nullptr);

  CATIContainer* container = wall->GetFeatContainer();
  EXPECT_TRUE(CATBaseUnknown_var(container) == CATBaseUnknown_var(b.room.Container()));
  const CATIPrtContainer_var part_container(container);
  container->Release();
  ASSERT_FALSE(!part_container);
  EXPECT_TRUE(part_container->GetPart() == CATBaseUnknown_var(b.room.Part()));
  EXPECT_TRUE(CATIPrtContainer_var(b.building.Container()) == CATBaseUnknown_var());

  EXPECT_TRUE(CATIMechanicalFeature_var(b.wall)->GetPart() == CATBaseUnknown_var(b.room.Part()));
  EXPECT_TRUE(CATIMechanicalFeature_var(b.room.Part())->GetPart() ==
              CATBaseUnknown_var(b.room.Part()));
  EXPECT_TRUE(!CATIMechanicalFeature_var(loose)->GetPart()) << "in no part";
  EXPECT_TRUE(CATIPrtPart_var(b.room.Part())->GetProduct() == CATBaseUnknown_var(b.room.Product()));

  CATListValCATBaseUnknown_var members;
  CATIContainer_var(b.room.Container())->ListMembersHere("CATIProduct", members);
  CATIContainer_var(b.room.Container())->ListMembersHere("CATIPrtPart", members);
  EXPECT_EQ(Names(members), "Room,Room");
  EXPECT_TRUE(members[1] == CATBaseUnknown_var(b.room.Product()));
  EXPECT_TRUE(members[2] == CATBaseUnknown_var(b.room.Part()));
}

TEST_F(CATModelFeatures, ComponentsAreTheChildrenInOrder) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const std::unique_ptr<CATListValCATBaseUnknown_var> level(
      CATISpecObject_var(b.level)->GetComponents());
  EXPECT_EQ(Names(level), "Wall.1,Door.1");
  const std::unique_ptr<CATListValCATBaseUnknown_var> wall(
      CATISpecObject_var(b.wall)->GetComponents());
  EXPECT_EQ(Names(wall), "Height") << "the parameter placed below it";
  EXPECT_EQ(CATISpecObject_var(b.door)->GetComponents(), nullptr);
}

// The update stamps of the part, the level, the wall, its parameter and
// the door, in that order.
std::string Stamps(const CATTestBuilding& b) {
  std::string stamps;
  for (const CATTestNode& node : {b.room.Part(), b.level, b.wall, b.height, b.door}) {
    stamps += std::to_string(CATISpecUpdate_var(node)->GetUpdateStamp());
  }
  return stamps;
}

TEST_F(CATModelFeatures, UpdateGoesDownTheTreeUntilAFaultRaisesOrThrows) {
  CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  CATISpecObject_var(b.room.Part())->Update(CATIDomain_var());
  EXPECT_EQ(Stamps(b), "11111");

  b.height.UpdateRaises("bad sketch");
  std::string message;
  CATTry {
    CATISpecObject_var(b.room.Part())->Update(CATIDomain_var());
  }
  CATCatch(CATError, error) {
    message = error->GetNLSMessage().ConvertToChar();
    Flush(error);
  }
  CATEndTry;
  EXPECT_EQ(message, "bad sketch");
  EXPECT_EQ(Stamps(b), "22211") << "updated before the parameter, not after";

  b.height.UpdateThrows("not a host error");
  EXPECT_THROW(CATISpecObject_var(b.wall)->Update(CATIDomain_var()), std::runtime_error);
  CATISpecObject_var(b.door)->Update(CATIDomain_var());
  EXPECT_EQ(Stamps(b), "22312");
}

TEST_F(CATModelFeatures, AttributeKeysCarryNameKindsAndQuality) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  CATTestNode door = b.door;
  door.Key("Odd", static_cast<CATAttrKind>(99), static_cast<CATAttrQuality>(7))
      .ListKey("Nested", tk_list);
  const CATISpecAttrAccess_var access = b.door;
  CATListValCATISpecAttrKey_var keys;
  access->ListAttrKeys(keys);
  ASSERT_EQ(keys.Size(), 2);
  EXPECT_EQ(keys[1]->GetName(), "Odd");
  EXPECT_EQ(keys[1]->GetType(), 99);
  EXPECT_EQ(access->GetQuality(keys[1]), 7);
  EXPECT_EQ(keys[2]->GetType(), tk_list);
  EXPECT_EQ(keys[2]->GetListType(), tk_list);
  EXPECT_EQ(access->GetQuality(keys[2]), sp_NEUTRAL);
  EXPECT_EQ(access->GetQuality(CATISpecAttrKey_var()), sp_NEUTRAL);

  CATListValCATISpecAttrKey_var wall_keys;
  CATISpecAttrAccess_var(b.wall)->ListAttrKeys(wall_keys);
  ASSERT_EQ(wall_keys.Size(), 2);
  EXPECT_EQ(wall_keys[2]->GetName(), "Layers");
  EXPECT_EQ(wall_keys[2]->GetListType(), tk_string);
  EXPECT_EQ(access->GetQuality(wall_keys[2]), sp_OUT) << "a key answers for itself";
}

TEST_F(CATModelFeatures, LinkedObjectsAreFilteredFollowedAndCounted) {
  CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestDocument other = model_.PartDocument("c:\\Parts\\Other.CATPart");
  const CATTestDocument closed = model_.PartDocument("c:\\Parts\\Closed.CATPart");
  const CATTestNode beam = model_.Feature(other.Part(), "Beam.1");
  b.wall.Link(b.door).Link(beam).Link(b.door).Link(closed.Part()).Link(b.room.Product());
  b.level.Link(b.room.Part());
  model_.Close(closed);
  const CATISpecAttrAccess_var wall = b.wall;
  const CATISpecAttrAccess_var level = b.level;
  const struct {
    const char* what;
    CATListValCATBaseUnknown_var* list;
    const char* expected;
  } cases[] = {
      {"each once, across documents, not into a closed one",
       wall->ListLinkedObjects(IID_CATISpecObject, 0, 0), "Door.1,Beam.1,Room"},
      {"by interface", wall->ListLinkedObjects(IID_CATIProduct, 0, 0), "Room"},
      {"none offers it", wall->ListLinkedObjects(IID_AXOIAttLogical, 0, 0), "(none)"},
      {"at most", wall->ListLinkedObjects(IID_CATISpecObject, 0, 2), "Door.1,Beam.1"},
      {"own only", level->ListLinkedObjects(IID_CATISpecObject, 0, 0), "Room"},
      {"with components: the part, then the wall's (its product is another Room)",
       level->ListLinkedObjects(IID_CATISpecObject, 1, 0), "Room,Door.1,Beam.1,Room"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Names(std::unique_ptr<CATListValCATBaseUnknown_var>(c.list)), c.expected);
  }
}

TEST_F(CATModelFeatures, ParametersAreKnowledgeParametersWithAnOwner) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  CATTestNode free = model_.Parameter(b.room.Container(), "Free", CATCkeAngleKind, 0.5);
  const CATICkeParm_var height = b.height;
  EXPECT_EQ(height->Name(), "Height");
  EXPECT_EQ(height->Kind(), CATCkeLengthKind);
  EXPECT_EQ(height->Value()->AsString(), "2500mm");
  EXPECT_EQ(height->Valuate("3m"), S_OK);
  EXPECT_EQ(height->Value()->AsString(), "3000mm");
  EXPECT_EQ(height->Valuate("3deg"), E_FAIL);

  CATISpecObject* owner = CATISpecObject_var(b.height)->GetOwner();
  EXPECT_TRUE(CATBaseUnknown_var(owner) == CATBaseUnknown_var(b.wall));
  owner->Release();
  EXPECT_EQ(CATISpecObject_var(free)->GetOwner(), nullptr);
  EXPECT_EQ(CATISpecObject_var(free)->GetFather(), nullptr);
  free.Owner(b.door);
  owner = CATISpecObject_var(free)->GetOwner();
  EXPECT_TRUE(CATBaseUnknown_var(owner) == CATBaseUnknown_var(b.door));
  owner->Release();
}

TEST_F(CATModelFeatures, LogicalNodesListTheirChildrenAsMembers) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestNode walls = model_.Logical(b.level, "Walls");
  model_.Feature(walls, "Wall.2");
  model_.Feature(walls, "Wall.3");
  CATListValCATBaseUnknown_var members;
  members.Append(CATBaseUnknown_var(b.wall));
  EXPECT_EQ(AXOIAttLogical_var(walls)->ListMembers(members), S_OK);
  EXPECT_EQ(Names(members), "Wall.1,Wall.2,Wall.3");
}

TEST_F(CATModelFeatures, AnObjectHeldAfterItsDocumentClosedIsInNoDocument) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  CATISpecObject_var wall = b.wall;
  CATILinkableObject_var linkable = b.wall;
  EXPECT_EQ(linkable->GetDocument(), b.room.Document());
  model_.Close(b.room);
  EXPECT_TRUE(!CATISpecObject_var(b.wall)) << "the test's node names nothing any more";
  EXPECT_EQ(linkable->GetDocument(), nullptr);
  EXPECT_EQ(wall->GetFather(), nullptr);
  EXPECT_EQ(wall->GetFeatContainer(), nullptr);
  EXPECT_TRUE(!CATIMechanicalFeature_var(wall)->GetPart());
  EXPECT_EQ(CATIAlias_var(wall)->GetAlias(), "Wall.1");
  EXPECT_THROW(CATTestNode(b.wall).TimeStamp(1), std::logic_error);
  wall.Clear();
  linkable.Clear();
}

}  // namespace
