#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "AXOCorGlobalServices.h"
#include "CATIAlias.h"
#include "CATILinkableObject.h"
#include "CATIMechanicalFeature.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIRedrawEvent.h"
#include "CATModelTestFixture.h"

namespace {

// The publications of a product, "name->alias of the object" each, in order;
// none without a publisher.
std::string Publications(const CATIPrdObjectPublisher_var& publisher) {
  if (!publisher) return "";
  CATListValCATUnicodeString names;
  publisher->ListPublications(names);
  std::string text;
  for (int i = 1; i <= names.Size(); ++i) {
    CATBaseUnknown_var object;
    publisher->GetPublication(names[i], object);
    const CATIAlias_var alias(object);
    text += std::string(i > 1 ? " " : "") + names[i].ConvertToChar() + "->" +
            (!alias ? "?" : alias->GetAlias().ConvertToChar());
  }
  return text;
}

// Whether `product` has a connector that designates `feature`.
bool HasConnector(const CATIProduct_var& product, const CATTestNode& feature) {
  const CATILinkableObject_var linkable = feature;
  return !!product && !!linkable && !!product->FindConnector(linkable);
}

// The product of the room's part; null once it is deleted.
CATIProduct_var RoomProduct(const CATTestBuilding& b) {
  return CATIPrtPart_var(b.room.Part())->GetProduct();
}

// Sets a model up and gives the feature that the operation is asked about.
typedef std::function<CATTestNode(CATTestModel&, CATTestBuilding&)> Arrange;

// What the room's product looks like after the call.
struct Outcome {
  HRESULT result;
  const char* publications;
  bool connector;  // the product designates the feature
  int redraws;     // notifications of the room's part
};

class Publication : public CATModelTest {
 protected:
  template <class Operation>
  void Check(const char* what, const Arrange& arrange, const Operation& operation,
             const Outcome& expected) {
    SCOPED_TRACE(what);
    CATTestBuilding b = CATTestBuilding::Build(model_, folder_.Host());
    const CATTestNode feature = arrange(model_, b);
    EXPECT_EQ(operation(CATISpecObject_var(feature)), expected.result);
    EXPECT_EQ(Publications(RoomProduct(b)), expected.publications);
    EXPECT_EQ(HasConnector(RoomProduct(b), feature), expected.connector);
    EXPECT_EQ(b.room.Part().RedrawCount(), expected.redraws);
    EXPECT_EQ(model_.LeakedObjects(), 0);
  }
};

// Arrangements shared by both operations.
CATTestNode Wall(CATTestModel&, CATTestBuilding& b) {
  return b.wall;
}
CATTestNode Height(CATTestModel&, CATTestBuilding& b) {
  return b.height;
}
CATTestNode Nothing(CATTestModel&, CATTestBuilding&) {
  return CATTestNode();
}
CATTestNode Unnamed(CATTestModel&, CATTestBuilding& b) {
  return b.wall.Without(IID_CATIAlias);
}
CATTestNode Loose(CATTestModel& m, CATTestBuilding& b) {
  return m.Feature(b.room.Container(), "Loose");
}
CATTestNode WallOfProductWithoutPublisher(CATTestModel&, CATTestBuilding& b) {
  b.room.Product().Without(IID_CATIPrdObjectPublisher);
  return b.wall;
}

const char kReplaced[] = "ElevationGridHeightReference";
const char kSample[] = "Entrance->Door.1";  // the building's publication

TEST_F(Publication, PublishNamesRefusalsAndReplacement) {
  const struct {
    const char* what;
    Arrange arrange;
    const char* name;
    Outcome expected;
  } cases[] = {
      {"empty name: the alias", Wall, "", {S_OK, "Entrance->Door.1 Wall.1->Wall.1", true, 1}},
      {"given name", Wall, "Front", {S_OK, "Entrance->Door.1 Front->Wall.1", true, 1}},
      {"letter case counts",
       Wall,
       "ENTRANCE",
       {S_OK, "Entrance->Door.1 ENTRANCE->Wall.1", true, 1}},
      {"name taken: refused, the first kept", Wall, "Entrance", {E_FAIL, kSample, true, 0}},
      {"alias taken by an earlier call",
       [](CATTestModel&, CATTestBuilding& b) {
         EXPECT_EQ(AXOCorGlobalServices::Publish(b.wall, ""), S_OK);
         return b.wall;
       },
       "",
       {E_FAIL, "Entrance->Door.1 Wall.1->Wall.1", true, 1}},
      {"replacement name replaces",
       [](CATTestModel&, CATTestBuilding& b) {
         b.room.Product().Publish(kReplaced, b.door);
         return b.wall;
       },
       kReplaced,
       {S_OK, "Entrance->Door.1 ElevationGridHeightReference->Wall.1", true, 1}},
      {"replacement name in other letters",
       [](CATTestModel&, CATTestBuilding& b) {
         b.room.Product().Publish("elevationGRIDheightreference", b.door);
         return b.wall;
       },
       "elevationGRIDheightreference",
       {S_OK, "Entrance->Door.1 elevationGRIDheightreference->Wall.1", true, 1}},
      {"replacement name not yet taken",
       Wall,
       kReplaced,
       {S_OK, "Entrance->Door.1 ElevationGridHeightReference->Wall.1", true, 1}},
      {"only a given name replaces, not the alias",
       [](CATTestModel& m, CATTestBuilding& b) {
         b.room.Product().Publish(kReplaced, b.door);
         return m.Feature(b.level, kReplaced);
       },
       "",
       {E_FAIL, "Entrance->Door.1 ElevationGridHeightReference->Door.1", true, 0}},
      {"refusing product: redrawn all the same",
       [](CATTestModel&, CATTestBuilding& b) {
         b.room.Product().RefusePublications();
         return b.wall;
       },
       "Front",
       {E_FAIL, kSample, true, 1}},
      {"part without redraw notification",
       [](CATTestModel&, CATTestBuilding& b) {
         b.room.Part().Without(IID_CATIRedrawEvent);
         return b.wall;
       },
       "Front",
       {S_OK, "Entrance->Door.1 Front->Wall.1", true, 0}},
      {"null feature", Nothing, "Front", {E_FAIL, kSample, false, 0}},
      {"feature without alias", Unnamed, "Front", {E_FAIL, kSample, false, 0}},
      {"feature in no part", Loose, "Front", {E_FAIL, kSample, false, 0}},
      {"part without product",
       [](CATTestModel&, CATTestBuilding& b) {
         b.room.Product().Delete();
         return b.wall;
       },
       "Front",
       {E_FAIL, "", false, 0}},
      {"product without publisher: the connector stays",
       WallOfProductWithoutPublisher,
       "Front",
       {E_FAIL, "", true, 0}},
      {"parameter with owner and parent: through the owner",
       Height,
       "",
       {S_OK, "Entrance->Door.1 Height->Height", true, 1}},
      {"parameter whose parent places nothing: through its owner",
       [](CATTestModel& m, CATTestBuilding& b) {
         const CATTestNode set = m.Feature(b.room.Part(), "Parameters", "ParameterSet")
                                     .Without(IID_CATIMechanicalFeature);
         return m.Parameter(set, "Span", CATCkeLengthKind, 4.0).Owner(b.wall);
       },
       "",
       {S_OK, "Entrance->Door.1 Span->Span", true, 1}},
      {"parameter without owner",
       [](CATTestModel&, CATTestBuilding& b) { return b.height.Owner(CATTestNode()); },
       "",
       {E_FAIL, kSample, false, 0}},
      {"parameter with owner, without parent",
       [](CATTestModel& m, CATTestBuilding& b) {
         return m.Parameter(b.room.Container(), "Span", CATCkeLengthKind, 4.0).Owner(b.wall);
       },
       "",
       {E_FAIL, kSample, false, 0}},
      {"parameter whose owner is in no part",
       [](CATTestModel& m, CATTestBuilding& b) {
         return m.Parameter(Loose(m, b), "Span", CATCkeLengthKind, 4.0);
       },
       "",
       {E_FAIL, kSample, false, 0}},
      {"neither mechanical feature nor parameter",
       [](CATTestModel&, CATTestBuilding& b) { return b.wall.Without(IID_CATIMechanicalFeature); },
       "Front",
       {E_FAIL, kSample, false, 0}},
  };
  for (const auto& c : cases) {
    Check(
        c.what, c.arrange,
        [&](const CATISpecObject_var& f) { return AXOCorGlobalServices::Publish(f, c.name); },
        c.expected);
  }
}

TEST_F(Publication, IsPublishedTellsWhetherTheNameIsFree) {
  const struct {
    const char* what;
    Arrange arrange;
    const char* name;
    Outcome expected;
  } cases[] = {
      {"free name", Wall, "Front", {S_OK, kSample, true, 0}},
      {"taken name", Wall, "Entrance", {E_FAIL, kSample, true, 0}},
      {"letter case counts", Wall, "entrance", {S_OK, kSample, true, 0}},
      {"empty name", Wall, "", {S_OK, kSample, true, 0}},
      {"taken by another feature",
       [](CATTestModel&, CATTestBuilding& b) { return b.level; },
       "Entrance",
       {E_FAIL, kSample, true, 0}},
      {"product without publications",
       [](CATTestModel&, CATTestBuilding& b) {
         CATIPrdObjectPublisher_var(b.room.Product())->Unpublish("Entrance");
         return b.wall;
       },
       "Entrance",
       {S_OK, "", true, 0}},
      {"null feature", Nothing, "Front", {E_FAIL, kSample, false, 0}},
      {"feature without alias", Unnamed, "Front", {E_FAIL, kSample, false, 0}},
      {"feature in no part", Loose, "Front", {E_FAIL, kSample, false, 0}},
      {"parameter: no mechanical feature", Height, "Front", {E_FAIL, kSample, false, 0}},
      {"product without publisher: the connector stays",
       WallOfProductWithoutPublisher,
       "Front",
       {E_FAIL, "", true, 0}},
  };
  for (const auto& c : cases) {
    Check(
        c.what, c.arrange,
        [&](const CATISpecObject_var& f) { return AXOCorGlobalServices::IsPublished(f, c.name); },
        c.expected);
  }
}

}  // namespace
