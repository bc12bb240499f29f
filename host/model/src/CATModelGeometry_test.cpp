#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "AXOICorProductSearch.h"
#include "CATDocument.h"
#include "CATDocumentFileCheck.h"
#include "CATDocumentServices.h"
#include "CATGeoFactory.h"
#include "CATGeoObjects.h"
#include "CATI3DGeoVisu.h"
#include "CATIAlias.h"
#include "CATIBodyRequest.h"
#include "CATIContainerOfDocument.h"
#include "CATIGeometricalElement.h"
#include "CATIMovable.h"
#include "CATIPartRequest.h"
#include "CATModelTestFixture.h"

namespace {

template <class List>
std::string Names(const List& list) {
  std::string names;
  for (int i = 1; i <= list.Size(); ++i) {
    names += std::string(i > 1 ? "," : "") + CATIAlias_var(list[i])->GetAlias().ConvertToChar();
  }
  return names;
}

// -1 never drawn, 0 shown, 1 hidden.
int Hidden(const CATBaseUnknown_var& object) {
  CATRep* rep = CATI3DGeoVisu_var(object)->GiveRep();
  return rep == nullptr ? -1 : rep->GetGraphicAttributeSet().IsHidden();
}

const CATMathTransformation kHalfTurn({-1, 0, 0, 0, -1, 0, 0, 0, 1}, {100, 200, 0});

class CATModelGeometry : public CATModelTest {
 protected:
  // A part with a body of two solids (one hidden) and a nested set of a
  // point, a feature without result outside the bodies, and a product
  // with two placed instances of it.
  void Build(const std::string& folder) {
    room_ = model_.PartDocument((folder + "\\Room.CATPart").c_str());
    shell_ = model_.Body(room_.Part(), "Shell");
    model_.Feature(shell_, "Slab", "Slab").Box({0, 0, 0}, {5000, 4000, 200});
    model_.Feature(shell_, "Wall", "Wall").Box({0, 0, 0}, {5000, 200, 2700}).Hide();
    const CATTestNode points = model_.Body(shell_, "Points").Hide(false);
    model_.Feature(points, "Corner", "Point")
        .Geometry({{{CATCellDescription::Vertex({1.5, -2.25, 1e300})}}});
    model_.Feature(room_.Part(), "Sketch", "Sketch");
    building_ = model_.ProductDocument((folder + "\\Building.CATProduct").c_str());
    model_.Instance(building_.Product(), room_.Product(), "Room.1");
    model_.Instance(building_.Product(), room_.Product(), "Room.2").Position(kHalfTurn);
  }

  CATTestDocument room_;
  CATTestNode shell_;
  CATTestDocument building_;
};

TEST_F(CATModelGeometry, PartsListBodiesAndBodiesListTheirResults) {
  Build("c:\\Parts");
  CATListValCATBaseUnknown_var bodies;
  EXPECT_EQ(CATIPartRequest_var(room_.Part())->GetAllBodies("", bodies), S_OK);
  EXPECT_EQ(Names(bodies), "Shell") << "the sketch lies in no body";
  const struct {
    const char* type;
    const char* results;
  } cases[] = {
      {"", "Slab,Wall,Points"},
      {"Wall", "Wall"},
      {"CATIBodyRequest", "Points"},
      {"Door", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    CATListValCATBaseUnknown_var results;
    results.Append(CATBaseUnknown_var(shell_));
    EXPECT_EQ(CATIBodyRequest_var(shell_)->GetResults(c.type, results), S_OK);
    EXPECT_EQ(Names(results), std::string("Shell") + (*c.results ? "," : "") + c.results)
        << "appended";
  }
}

TEST_F(CATModelGeometry, FeaturesCarryResultsRepresentationsAndProductsPositions) {
  Build("c:\\Parts");
  CATListValCATBaseUnknown_var results;
  CATIBodyRequest_var(shell_)->GetResults("", results);
  ASSERT_EQ(results.Size(), 3);
  const CATBody_var slab = CATIGeometricalElement_var(results[1])->GetBodyResult();
  ASSERT_TRUE(!!slab);
  CATMathBox box;
  slab->GetBoundingBox(box);
  EXPECT_EQ(box, CATMathBox(CATMathPoint(0, 0, 0), CATMathPoint(5000, 4000, 200), 0));
  EXPECT_TRUE(slab == CATIGeometricalElement_var(results[1])->GetBodyResult()) << "the same body";
  EXPECT_FALSE(!!CATIGeometricalElement_var(results[3])->GetBodyResult()) << "a body's own";
  EXPECT_EQ(Hidden(results[1]), -1);
  EXPECT_EQ(Hidden(results[2]), 1);
  EXPECT_EQ(Hidden(results[3]), 0);

  std::unique_ptr<CATListValCATBaseUnknown_var> rooms(
      CATIProduct_var(building_.Product())->GetChildren("CATIProduct"));
  ASSERT_NE(rooms, nullptr);
  EXPECT_EQ(CATIMovable_var((*rooms)[1])->GetPosition(), CATMathTransformation());
  EXPECT_EQ(CATIMovable_var((*rooms)[2])->GetPosition(), kHalfTurn);
}

TEST_F(CATModelGeometry, TheProductSearchFindsProductsBelowOnceEach) {
  Build("c:\\Parts");
  const CATTestDocument floor = model_.ProductDocument("c:\\Parts\\Floor.CATProduct");
  const CATTestNode upper = model_.Instance(floor.Product(), building_.Product(), "Upper");
  model_.Instance(floor.Product(), building_.Product(), "Lower");
  const struct {
    const char* what;
    CATTestNode product;
    int allLevels;
    const char* found;
  } cases[] = {
      {"direct children", floor.Product(), 0, "Upper,Lower"},
      {"every level, each reference searched once", floor.Product(), 1,
       "Upper,Room.1,Room.2,Lower"},
      {"an instance searches its reference", upper, 0, "Room.1,Room.2"},
      {"a leaf", room_.Product(), 1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CATListValCATISpecObject_var found;
    EXPECT_EQ(AXOICorProductSearch_var(c.product)->FindProducts(found, c.allLevels), S_OK);
    EXPECT_EQ(Names(found), c.found);
  }
  model_.Close(building_);
  CATListValCATISpecObject_var found;
  EXPECT_EQ(AXOICorProductSearch_var(upper)->FindProducts(found, 0), E_FAIL);
  EXPECT_EQ(found.Size(), 0);
}

TEST_F(CATModelGeometry, APartDocumentKeepsOneGeometryFactory) {
  Build("c:\\Parts");
  const CATIContainerOfDocument_var containers(room_.Document());
  ASSERT_TRUE(!!containers);
  EXPECT_FALSE(!!CATIContainerOfDocument_var(building_.Document())) << "no geometry there";
  CATBaseUnknown* first = nullptr;
  CATBaseUnknown* second = nullptr;
  EXPECT_EQ(containers->GetResultContainer(first), S_OK);
  EXPECT_EQ(containers->GetResultContainer(second), S_OK);
  EXPECT_EQ(first, second);
  const CATGeoFactory_var factory(first);
  first->Release();
  second->Release();
  ASSERT_TRUE(!!factory);
  CATBody* made = factory->CreateBody({{{CATCellDescription::Edge({0, 0, 0}, {1, 1, 1})}}});
  ASSERT_NE(made, nullptr);
  made->Release();
  EXPECT_EQ(factory->CreateBody({{{{1, {}}}}}), nullptr);
}

TEST_F(CATModelGeometry, GeometryComesBackFromTheFile) {
  Build(folder_.Host());
  for (const char* name : {"Room.CATPart", "Building.CATProduct"}) {
    ASSERT_EQ(CATDocumentServices::SaveAs(model_.Open(folder_.Host(name).c_str()),
                                          folder_.Host(name).c_str(), "", 1),
              S_OK);
  }
  const std::string saved = ReadFile(folder_.Native("Room.CATPart"));
  // A point on one line; whole but too large for an integer.
  EXPECT_NE(saved.find("\"vertex\": [1.5, -2.25, 1e+300]\n"), std::string::npos) << saved;
  model_.LeakedObjects();

  const CATTestDocument building = model_.Open(folder_.Host("Building.CATProduct").c_str());
  const CATTestDocument room = model_.Open(folder_.Host("Room.CATPart").c_str());
  ASSERT_NE(room.Document(), nullptr);
  CATListValCATBaseUnknown_var bodies;
  CATIPartRequest_var(room.Part())->GetAllBodies("", bodies);
  ASSERT_EQ(bodies.Size(), 1);
  CATListValCATBaseUnknown_var results;
  CATIBodyRequest_var(bodies[1])->GetResults("", results);
  EXPECT_EQ(Names(results), "Slab,Wall,Points");
  EXPECT_EQ(Hidden(results[2]), 1);
  EXPECT_EQ(Hidden(results[3]), 0);
  CATListValCATBaseUnknown_var points;
  CATIBodyRequest_var(results[3])->GetResults("", points);
  ASSERT_EQ(points.Size(), 1);
  const CATBodyDescription* corner =
      CATGeoDescriptionOf(CATIGeometricalElement_var(points[1])->GetBodyResult());
  ASSERT_NE(corner, nullptr);
  EXPECT_EQ(corner->domains[0][0].points[0], CATMathPoint(1.5, -2.25, 1e300));
  std::unique_ptr<CATListValCATBaseUnknown_var> rooms(
      CATIProduct_var(building.Product())->GetChildren("CATIProduct"));
  ASSERT_NE(rooms, nullptr);
  EXPECT_EQ(CATIMovable_var((*rooms)[2])->GetPosition(), kHalfTurn);
}

TEST_F(CATModelGeometry, FaultyGeometryInAFileIsNamed) {
  const std::string head = R"({"format": "AXO model document", "version": 2, "type": "CATPart", )"
                           R"("containers": [{"kind": "part container", "children": [)";
  const struct {
    const char* what;
    std::string object;
    const char* fault;
  } cases[] = {
      {"unknown cell", R"({"kind": "feature", "geometry": [[{"line": []}]]})",
       "geometry[0][0]: expected {\"vertex\": point}"},
      {"two cells in one entry",
       R"({"kind": "feature", "geometry": [[{"vertex": [0, 0, 0], )"
       R"("edge": []}]]})",
       "geometry[0][0]: expected {\"vertex\": point}"},
      {"edge of one point", R"({"kind": "body", "geometry": [[{"edge": [[0, 0, 0]]}]]})",
       "geometry[0][0].edge: an edge has exactly two points"},
      {"point of two numbers", R"({"kind": "feature", "geometry": [[{"vertex": [0, 0]}]]})",
       "geometry[0][0].vertex: expected a list of 3 numbers"},
      {"coordinate not a number", R"({"kind": "feature", "geometry": [[{"vertex": [0, "1", 0]}]]})",
       "vertex[1]: expected a number"},
      {"domain not a list", R"({"kind": "feature", "geometry": [{"vertex": [0, 0, 0]}]})",
       "geometry[0]: expected a list"},
      {"geometry of a product", R"({"kind": "product", "geometry": []})",
       "not a field of a product"},
      {"hidden not a boolean", R"({"kind": "part", "hidden": 1})", "hidden: expected"},
      {"position of a feature", R"({"kind": "feature", "position": {}})",
       "not a field of a feature"},
      {"scaled position",
       R"({"kind": "product", "position": {"rotation": )"
       R"([[2, 0, 0], [0, 2, 0], [0, 0, 2]]}})",
       "position.rotation: not a rotation"},
      {"stretched and squeezed position",
       R"({"kind": "product", "position": {"rotation": )"
       R"([[2, 0, 0], [0, 0.5, 0], [0, 0, 1]]}})",
       "position.rotation: not a rotation"},
      {"mirrored position",
       R"({"kind": "product", "position": {"rotation": )"
       R"([[-1, 0, 0], [0, 1, 0], [0, 0, 1]]}})",
       "position.rotation: not a rotation"},
      {"two rows", R"({"kind": "product", "position": {"rotation": [[1, 0, 0], [0, 1, 0]]}})",
       "expected three rows"},
      {"unknown position field", R"({"kind": "product", "position": {"scale": 2}})",
       "position.scale: unknown field of a position"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    folder_.WriteFile("Damaged.CATPart", head + c.object + "]}]}");
    CATDocument* document = nullptr;
    EXPECT_EQ(
        CATDocumentServices::OpenDocument(folder_.Host("Damaged.CATPart").c_str(), document, 1),
        E_FAIL);
    CATDocumentFileSummary summary;
    CATUnicodeString fault;
    EXPECT_FALSE(CATCheckDocumentFile(folder_.Host("Damaged.CATPart").c_str(), summary, fault));
    EXPECT_NE(std::string(fault.ConvertToChar()).find(c.fault), std::string::npos) << fault;
  }
}

TEST_F(CATModelGeometry, TheBuilderRefusesGeometryThatMakesNoSense) {
  Build("c:\\Parts");
  EXPECT_THROW(room_.Product().Box({0, 0, 0}, {1, 1, 1}), std::logic_error);
  EXPECT_THROW(room_.Product().Hide(), std::logic_error);
  EXPECT_THROW(shell_.Geometry({{{{1, {{0, 0, 0}}}}}}), std::logic_error);
  EXPECT_THROW(shell_.Position(CATMathTransformation()), std::logic_error);
  EXPECT_THROW(room_.Product().Position(CATMathTransformation({2, 0, 0, 0, 2, 0, 0, 0, 2}, {})),
               std::logic_error);
  EXPECT_THROW(room_.Product().Position(CATMathTransformation({2, 0, 0, 0, 0.5, 0, 0, 0, 1}, {})),
               std::logic_error);
}

}  // namespace
