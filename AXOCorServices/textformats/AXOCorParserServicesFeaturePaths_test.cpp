#include <gtest/gtest.h>

#include <string>

#include "AXOCorParserServices.h"
#include "CATIAlias.h"
#include "CATIInstance.h"
#include "CATIProduct.h"
#include "CATISpecObject.h"
#include "CATModelTestFixture.h"

namespace {

using FeaturePaths = CATModelTest;

// The node's object as a feature handle.
CATISpecObject_var AsFeature(const CATTestNode& node) {
  return node;
}

TEST_F(FeaturePaths, WalkFromTheActiveElementSkippingWhatIsMissing) {
  const CATTestDocument site = model_.PartDocument("c:\\Parts\\Site.CATPart");
  const CATTestNode building = model_.Feature(site.Part(), "Building");
  // An earlier sibling whose name differs only in letter case.
  const CATTestNode upper = model_.Feature(building, "LEVEL 1");
  const CATTestNode upperWall = model_.Feature(upper, "Wall.1");
  const CATTestNode level = model_.Feature(building, "Level 1");
  model_.Feature(level, "Anon").Without(IID_CATIAlias);
  const CATTestNode wall = model_.Feature(level, "Wall.1");
  const CATTestNode roof = model_.Feature(building, "Roof");
  const CATTestNode roofWall = model_.Feature(roof, "Wall.1");
  model_.Feature(building, "Roof");  // a second of the name: the first counts
  model_.SetActiveElement(building);
  const struct {
    const char* path;
    CATTestNode found;  // names nothing: not found
  } cases[] = {
      {"Site\\Building\\Level 1\\Wall.1", wall},
      {"Building\\Level 1", level},
      {"Site\\Building\\Level 2\\Roof", roof},        // a missing element is skipped
      {"Building\\Level 1\\Roof\\Wall.1", wall},      // and one that matches no child
      {"Building\\Roof\\Wall.1", roofWall},           // the first of two of one name
      {"Building\\\\Level 1", level},                 // an empty element matches nothing
      {"Building\\Level 1\\", CATTestNode()},         // ... also the last one
      {"Level 1\\Building\\Wall.1", CATTestNode()},   // names before the active one count not
      {"Site\\Building", CATTestNode()},              // ends with the active element's name
      {"Building\\Level 1\\Missing", CATTestNode()},  // the last element must be found
      {"Site\\Level 1\\Wall.1", CATTestNode()},       // the active element's name is missing
      {"Building\\Level 1\\Anon", CATTestNode()},     // children without a name pass
      {"building\\Level 1", CATTestNode()},           // names compared exactly
      {"Building\\LEVEL 1\\Wall.1", upperWall},
      {"Building\\level 1\\Wall.1", CATTestNode()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    CATISpecObject_var feature = site.Part();
    EXPECT_EQ(AXOCorParserServices::GetFeatureFromPathElement(c.path, feature),
              !c.found.Id().empty());
    EXPECT_TRUE(feature == AsFeature(c.found));
  }
}

TEST_F(FeaturePaths, AChildBearingTheActiveElementsNameIsTheFirstStep) {
  const CATTestDocument site = model_.PartDocument("c:\\Parts\\Site.CATPart");
  const CATTestNode building = model_.Feature(site.Part(), "Building");
  const CATTestNode inner = model_.Feature(building, "Building");
  const CATTestNode core = model_.Feature(inner, "Core");
  model_.SetActiveElement(building);
  CATISpecObject_var feature;
  EXPECT_TRUE(AXOCorParserServices::GetFeatureFromPathElement("Building", feature));
  EXPECT_TRUE(feature == AsFeature(inner));
  EXPECT_TRUE(AXOCorParserServices::GetFeatureFromPathElement("Building\\Core", feature));
  EXPECT_TRUE(feature == AsFeature(core));
}

TEST_F(FeaturePaths, WithoutANamedActiveElementNothingIsFound) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  CATISpecObject_var feature = b.wall;
  EXPECT_FALSE(AXOCorParserServices::GetFeatureFromPathElement("Level 1\\Wall.1", feature));
  EXPECT_TRUE(!feature) << "no active element";
  model_.SetActiveElement(CATTestNode(b.level).Without(IID_CATIAlias));
  feature = b.wall;
  EXPECT_FALSE(AXOCorParserServices::GetFeatureFromPathElement("Level 1\\Wall.1", feature));
  EXPECT_TRUE(!feature) << "an active element without a name";
  feature = b.wall;
  EXPECT_FALSE(AXOCorParserServices::GetFeatureFromPathElement("", feature));
  EXPECT_TRUE(feature == AsFeature(b.wall)) << "an empty path leaves the feature";
}

TEST_F(FeaturePaths, PartPathIsTheDocumentThatAnInstanceRepresents) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestNode local = model_.Instance(b.building.Product(), b.building.Product(), "Self.1");
  const struct {
    const char* what;
    CATIProduct_var product;
    HRESULT result;
    const char* path;
  } cases[] = {
      {"an instance of a part", b.first, S_OK, "c:\\Parts\\Room.CATPart"},
      {"a reference product", b.room.Product(), E_FAIL, ""},
      {"an instance of its own document's product", local, E_FAIL, ""},
      {"a product without attribute values", CATTestNode(b.second).Without(IID_CATIInstance),
       E_FAIL, ""},
      {"no product", CATIProduct_var(), E_FAIL, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CATUnicodeString path = "before";
    EXPECT_EQ(AXOCorParserServices::GetPartPath(c.product, path), c.result);
    EXPECT_EQ(path, c.path);
  }
}

}  // namespace
