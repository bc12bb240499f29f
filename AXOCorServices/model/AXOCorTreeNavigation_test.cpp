#include <gtest/gtest.h>

#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOCorServices.h"
#include "AXOICorPartDocument.h"
#include "CATIAlias.h"
#include "CATIPrtPart.h"
#include "CATModelTestFixture.h"

namespace {

using TreeNavigation = CATModelTest;

// The names of `objects`, "null" for a null handle, "-" for one without a
// name: "Room.1,Room.2".
std::string Names(const CATListValCATISpecObject_var& objects) {
  std::string names;
  for (int i = 1; i <= objects.Size(); ++i) {
    if (i > 1) names += ",";
    const CATIAlias_var alias(objects[i]);
    names += !objects[i] ? "null" : !alias ? "-" : alias->GetAlias().ConvertToChar();
  }
  return names;
}

std::string NameOf(const CATISpecObject_var& object) {
  CATListValCATISpecObject_var one;
  one.Append(object);
  return Names(one);
}

TEST_F(TreeNavigation, DirectChildrenOfProductsInstancesAndFeaturesAreAppended) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  model_.Feature(b.level, "Anon").Without(IID_CATIAlias);
  const CATTestNode odd = model_.Instance(b.building.Product(), b.room.Product(), "Odd.1");
  CATTestNode(odd).Without(IID_CATISpecObject);
  const CATTestDocument wing = model_.ProductDocument("c:\\Parts\\Wing.CATProduct");
  model_.Instance(wing.Product(), b.room.Product(), "Room.3");
  const CATTestNode wingInstance = model_.Instance(b.building.Product(), wing.Product(), "Wing.1");
  const CATTestDocument empty = model_.ProductDocument("c:\\Parts\\Empty.CATProduct");
  const CATTestNode emptyInstance = model_.Instance(wing.Product(), empty.Product(), "Empty.1");
  const CATTestDocument bare = model_.PartDocument("c:\\Parts\\Bare.CATPart");
  CATTestNode(bare.Part()).Without(IID_CATIPrtPart);
  const CATTestNode bareInstance = model_.Instance(wing.Product(), bare.Product(), "Bare.1");
  const CATTestDocument gone = model_.PartDocument("c:\\Parts\\Gone.CATPart");
  const CATTestNode goneInstance = model_.Instance(wing.Product(), gone.Product(), "Gone.1");
  model_.Close(gone);

  const struct {
    const char* what;
    CATTestNode object;
    const char* children;  // after the caller's "Wall.1"
  } cases[] = {
      {"a product with children, one of them no feature", b.building.Product(),
       "Room.1,Room.2,null,Wing.1"},
      {"an instance answers for its reference", wingInstance, "Room.3,Empty.1,Bare.1,Gone.1"},
      {"an instance of a part gives the part", b.first, "Room"},
      {"a reference without children", b.room.Product(), ""},
      {"an instance of a product without children", emptyInstance, ""},
      {"an instance of a part without CATIPrtPart", bareInstance, ""},
      {"an instance whose document is closed", goneInstance, ""},
      {"a part", b.room.Part(), "Level 1"},
      {"a feature, children without a name included", b.level, "Wall.1,Door.1,-"},
      {"a feature without children", b.door, ""},
      {"nothing", CATTestNode(), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CATListValCATISpecObject_var children;
    children.Append(b.wall);
    GetDirectChildrenSpecObj(c.object, children);
    EXPECT_EQ(Names(children), std::string("Wall.1") + (*c.children ? "," : "") + c.children);
  }
}

TEST_F(TreeNavigation, SamePartComparesThePartsOfTheFeatureContainers) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestDocument other = model_.PartDocument("c:\\Parts\\Other.CATPart");
  const CATTestNode slab = model_.Feature(other.Part(), "Slab");
  const CATTestNode loose = model_.Feature(b.level, "Loose");
  const CATISpecObject_var removed = loose;  // held beyond its removal
  CATTestNode(loose).Delete();
  const struct {
    const char* what;
    CATISpecObject_var first, second;
    bool same;
  } cases[] = {
      {"two features of one part", b.wall, b.door, true},
      {"a feature with itself", b.wall, b.wall, true},
      {"a part and its feature", b.room.Part(), b.door, true},
      {"features of two parts", b.wall, slab, false},
      {"a product of a product document", b.building.Product(), b.wall, false},
      {"a feature taken out of its document", removed, b.wall, false},
      {"a null first handle", CATISpecObject_var(), b.wall, false},
      {"a null second handle", b.wall, CATISpecObject_var(), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(AXOCorGlobalServices::IsSamePart(c.first, c.second), c.same);
  }
  EXPECT_TRUE(!GetSpecObjectParent(b.wall)) << "null even for a feature with a parent";
}

TEST_F(TreeNavigation, ActivePartAndDocumentRootComeFromTheCurrentEditor) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestDocument drawing = model_.Document("c:\\Parts\\Plan.CATDrawing", "CATDrawing");
  EXPECT_EQ(NameOf(AXOCorGlobalServices::GetActivePart()), "null") << "no editor";
  EXPECT_EQ(NameOf(GetDocRoot()), "null") << "no editor";
  const struct {
    const char* what;
    CATTestDocument document;
    std::initializer_list<CATTestNode> path;
    const char* activePart;
    const char* root;
  } cases[] = {
      {"a feature of an instance's part",
       b.building,
       {b.building.Product(), b.first, b.room.Part(), b.wall},
       "Room",
       "Building"},
      {"a path without a part", b.building, {b.building.Product(), b.second}, "null", "Building"},
      {"a part document", b.room, {b.room.Part(), b.level}, "Room", "Room"},
      {"a document of another type", drawing, {}, "null", "null"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    model_.SetCurrentEditor(c.document, c.path);
    EXPECT_EQ(NameOf(AXOCorGlobalServices::GetActivePart()), c.activePart);
    EXPECT_EQ(NameOf(GetDocRoot()), c.root);
  }
  CATTestDocument(b.room).Without(IID_AXOICorPartDocument);
  model_.SetCurrentEditor(b.room, {b.room.Part()});
  EXPECT_EQ(NameOf(GetDocRoot()), "null") << "a part document without its interface";
}

}  // namespace
