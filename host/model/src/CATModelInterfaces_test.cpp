#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AXOIAttLogical.h"
#include "AXOICorPartDocument.h"
#include "AXOICorProductDocument.h"
#include "CATDocument.h"
#include "CATIAlias.h"
#include "CATIAttributesDescription.h"
#include "CATICkeParm.h"
#include "CATIContainer.h"
#include "CATIDescendants.h"
#include "CATIDocId.h"
#include "CATIInstance.h"
#include "CATILinkableObject.h"
#include "CATIMechanicalFeature.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIProduct.h"
#include "CATIPrtContainer.h"
#include "CATIPrtPart.h"
#include "CATIRedrawEvent.h"
#include "CATISpecAttrAccess.h"
#include "CATISpecUpdate.h"
#include "CATInit.h"
#include "CATModelTestFixture.h"
#include "CATPathElement.h"

namespace {

struct NamedIID {
  const char* name;
  const IID* iid;
};

const NamedIID kInterfaces[] = {
    {"CATISpecObject", &IID_CATISpecObject},
    {"CATIAlias", &IID_CATIAlias},
    {"CATIDescendants", &IID_CATIDescendants},
    {"CATIMechanicalFeature", &IID_CATIMechanicalFeature},
    {"CATISpecUpdate", &IID_CATISpecUpdate},
    {"CATISpecAttrAccess", &IID_CATISpecAttrAccess},
    {"CATILinkableObject", &IID_CATILinkableObject},
    {"CATIContainer", &IID_CATIContainer},
    {"CATIPrtContainer", &IID_CATIPrtContainer},
    {"CATIPrtPart", &IID_CATIPrtPart},
    {"CATIRedrawEvent", &IID_CATIRedrawEvent},
    {"CATIProduct", &IID_CATIProduct},
    {"CATIPrdObjectPublisher", &IID_CATIPrdObjectPublisher},
    {"CATIAttributesDescription", &IID_CATIAttributesDescription},
    {"CATIInstance", &IID_CATIInstance},
    {"CATICkeParm", &IID_CATICkeParm},
    {"AXOIAttLogical", &IID_AXOIAttLogical},
    {"CATInit", &IID_CATInit},
    {"AXOICorPartDocument", &IID_AXOICorPartDocument},
    {"AXOICorProductDocument", &IID_AXOICorProductDocument},
};

// The names of the interfaces of kInterfaces that `object` offers.
std::string Offered(CATBaseUnknown* object) {
  std::string names;
  for (const NamedIID& entry : kInterfaces) {
    void* out = nullptr;
    if (FAILED(object->QueryInterface(*entry.iid, &out))) continue;
    static_cast<CATBaseUnknown*>(out)->Release();
    names += std::string(names.empty() ? "" : " ") + entry.name;
  }
  return names;
}

const char kFeature[] =
    "CATISpecObject CATIAlias CATIDescendants CATIMechanicalFeature CATISpecUpdate "
    "CATISpecAttrAccess CATILinkableObject";
const char kProduct[] =
    "CATISpecObject CATIAlias CATISpecUpdate CATISpecAttrAccess CATILinkableObject CATIProduct "
    "CATIPrdObjectPublisher CATIAttributesDescription CATIInstance";

using CATModelInterfaces = CATModelTest;

TEST_F(CATModelInterfaces, EachKindOfObjectOffersItsSet) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestNode logical = model_.Logical(b.level, "Walls");
  const CATTestDocument other = model_.Document("c:\\Parts\\Sections.catalog", "CATfct");
  const struct {
    const char* what;
    CATBaseUnknown_var object;
    std::string expected;
  } cases[] = {
      {"part container", b.room.Container(), "CATIContainer CATIPrtContainer"},
      {"container", b.building.Container(), "CATIContainer"},
      {"part", b.room.Part(), std::string(kFeature) + " CATIPrtPart CATIRedrawEvent"},
      {"feature", b.wall, kFeature},
      {"logical node", logical, std::string(kFeature) + " AXOIAttLogical"},
      {"reference product", b.room.Product(), kProduct},
      {"instance", b.first, kProduct},
      {"parameter", b.height,
       "CATISpecObject CATIAlias CATISpecUpdate CATILinkableObject CATICkeParm"},
      {"part document", b.room.Document(), "CATInit AXOICorPartDocument"},
      {"product document", b.building.Document(), "CATInit AXOICorProductDocument"},
      {"document of another type", other.Document(), "CATInit"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_FALSE(!c.object);
    EXPECT_EQ(Offered(c.object), c.expected);
  }
}

TEST_F(CATModelInterfaces, AnObjectLosesOneInterfaceAndTheOthersKeepIt) {
  CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestNode anonymous = model_.Feature(b.level, "Anon").Without(IID_CATIAlias);
  b.room.Without(IID_AXOICorPartDocument);
  EXPECT_TRUE(!CATIAlias_var(anonymous));
  EXPECT_FALSE(!CATISpecObject_var(anonymous));
  EXPECT_FALSE(!CATIAlias_var(b.wall));
  EXPECT_EQ(Offered(b.room.Document()), "CATInit");
  EXPECT_EQ(Offered(b.building.Document()), "CATInit AXOICorProductDocument");
  void* out = &out;
  EXPECT_EQ(CATBaseUnknown_var(anonymous)->QueryInterface(IID_CATIAlias, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
}

TEST_F(CATModelInterfaces, EveryInterfaceOfAnObjectIsThatObject) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  for (const CATTestNode& node : {b.room.Part(), b.wall, b.first, b.height}) {
    SCOPED_TRACE(node.Id());
    const CATBaseUnknown_var identity = node;
    std::vector<CATBaseUnknown*> interfaces;
    for (const NamedIID& entry : kInterfaces) {
      void* out = nullptr;
      if (SUCCEEDED(identity->QueryInterface(*entry.iid, &out))) {
        interfaces.push_back(static_cast<CATBaseUnknown*>(out));
      }
    }
    ASSERT_GE(interfaces.size(), 4u);
    for (CATBaseUnknown* first : interfaces) {
      EXPECT_EQ(first->IsEqual(identity), 1);
      EXPECT_STREQ(first->IsA(), identity->IsA());
      for (CATBaseUnknown* second : interfaces) EXPECT_TRUE(CATIsSameObject(first, second));
      EXPECT_FALSE(CATIsSameObject(first, CATBaseUnknown_var(b.door)));
    }
    for (CATBaseUnknown* pointer : interfaces) pointer->Release();
  }
  EXPECT_TRUE(CATISpecObject_var(b.wall) == CATIAlias_var(b.wall));
  EXPECT_TRUE(CATISpecObject_var(b.wall) != CATISpecObject_var(b.door));
  EXPECT_STREQ(CATISpecObject_var(b.wall)->IsA(), "CATModelFeature");
  EXPECT_STREQ(b.room.Document()->IsA(), "CATDocument");
}

TEST_F(CATModelInterfaces, CountedQueriesCarryOneReferenceEach) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  CATListValCATBaseUnknown_var path_objects;
  path_objects.Append(CATBaseUnknown_var(b.room.Part()));
  const CATPathElement path(path_objects);
  const CATISpecObject_var wall = b.wall;
  const CATISpecObject_var height = b.height;
  const CATInit_var init(b.room.Document());
  const CATIInstance_var instance = b.first;
  const struct {
    const char* what;
    std::function<CATBaseUnknown*()> query;
  } cases[] = {
      {"GetFather", [&] { return wall->GetFather(); }},
      {"GetOwner", [&] { return height->GetOwner(); }},
      {"GetFeatContainer", [&] { return wall->GetFeatContainer(); }},
      {"GetRootContainer", [&] { return init->GetRootContainer("CATIPrtContainer"); }},
      {"Search", [&] { return path.Search(IID_CATIPrtPart); }},
      {"GetValue", [&] { return instance->GetValue("DefaultRepSource"); }},
      {"GetDocId",
       [&] {
         CATIDocId* id = nullptr;
         EXPECT_EQ(b.room.Document()->GetDocId(&id), S_OK);
         return id;
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const long live_before = CATBaseUnknown::LiveObjectCount();
    CATBaseUnknown* result = c.query();
    ASSERT_NE(result, nullptr);
    result->AddRef();
    const ULONG with_result = result->Release();
    CATBaseUnknown* again = c.query();
    ASSERT_NE(again, nullptr);
    // An object that lives on (a feature, a kept interface) gains exactly
    // one reference a query; one made for the query has the caller's alone.
    result->AddRef();
    EXPECT_EQ(result->Release(), again == result ? with_result + 1 : 1u);
    again->Release();
    result->Release();
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before) << "one release gives all back";
  }
  EXPECT_EQ(b.room.Document()->GetDocId(nullptr), E_INVALIDARG);
  for (const CATTestDocument& document : {b.room, b.building}) {
    CATIDocId* id = nullptr;
    ASSERT_EQ(document.Document()->GetDocId(&id), S_OK);
    CATUnicodeString type;
    EXPECT_EQ(id->GetType(type), S_OK);
    EXPECT_EQ(type, document == b.room ? "CATPart" : "CATProduct");
    id->Release();
  }
}

}  // namespace
