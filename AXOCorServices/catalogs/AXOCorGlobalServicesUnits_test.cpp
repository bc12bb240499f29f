#include <gtest/gtest.h>

#include <string>

#include "AXOCorGlobalServices.h"
#include "CATCkeDictionaryTesting.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeParm.h"
#include "CATICkeUnit.h"
#include "CATTestModel.h"

namespace {

// "symbol/name" of a unit; "null" for none.
std::string Describe(CATICkeUnit* unit) {
  if (unit == nullptr) return "null";
  return std::string(unit->Symbol().ConvertToChar()) + "/" + unit->Name().ConvertToChar();
}

class Units : public ::testing::Test {
 protected:
  void TearDown() override {
    CATCkeDictionaryTesting::Reset();
    EXPECT_EQ(model_.LeakedObjects(), 0) << "references not given back";
  }
  CATTestModel model_;
};

// A unit that the tests hand to GetUnit as the out pointer's value, to see
// whether it is left as it was.
CATICkeUnit_var Sentinel() {
  return CATCkeGlobalFunctions::GetParmDictionary()->FindUnit("rad");
}

TEST_F(Units, GetUnitTakesTheFirstUnitWhoseSymbolOrNameMatches) {
  ASSERT_TRUE(CATCkeDictionaryTesting::AddUnit("LENGTH", "Foot", "Survey foot"));
  ASSERT_TRUE(CATCkeDictionaryTesting::AddMagnitude("MASS", true));
  ASSERT_TRUE(CATCkeDictionaryTesting::AddNonUnit("MASS", true));
  ASSERT_TRUE(CATCkeDictionaryTesting::AddMagnitude("AREA", false));
  ASSERT_TRUE(CATCkeDictionaryTesting::AddMagnitude("VOLUME", true));
  ASSERT_TRUE(CATCkeDictionaryTesting::AddNonUnit("VOLUME", false));
  ASSERT_TRUE(CATCkeDictionaryTesting::AddNonUnit("VOLUME", true));
  ASSERT_TRUE(CATCkeDictionaryTesting::AddUnit("VOLUME", "l", "Litre"));
  const struct {
    const char* magnitude;
    const char* text;
    const char* expected;  // null: the pointer is left as the caller set it
  } cases[] = {
      {"LENGTH", "ft", "ft/Foot"},
      {"LENGTH", "Foot", "ft/Foot"},  // by name, before the later symbol "Foot"
      {"LENGTH", "Survey foot", "Foot/Survey foot"},
      {"ANGLE", "rad", "rad/Radian"},
      {"LENGTH", "FT", "null"},
      {"LENGTH", "foot", "null"},
      {"LENGTH", "deg", "null"},
      {"LENGTH", "", "null"},
      {"VOLUME", "l", "l/Litre"},  // past an element that is no unit and a null one
      {"VOLUME", "m", "null"},
      {"length", "ft", nullptr},  // no such magnitude
      {"NOPE", "ft", nullptr},
      {"AREA", "ft", nullptr},  // no unit list
      {"MASS", "ft", nullptr},  // only a null element
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.magnitude) + " " + c.text);
    const CATICkeUnit_var sentinel = Sentinel();
    CATICkeUnit* unit = sentinel;
    AXOCorGlobalServices::GetUnit(c.magnitude, c.text, unit);
    if (c.expected == nullptr) {
      EXPECT_EQ(unit, static_cast<CATICkeUnit*>(sentinel));
      continue;
    }
    EXPECT_EQ(Describe(unit), c.expected);
    if (unit != nullptr) unit->Release();
  }

  CATCkeDictionaryTesting::SetDictionaryAvailable(false);
  CATICkeUnit* unit = nullptr;
  AXOCorGlobalServices::GetUnit("LENGTH", "ft", unit);
  EXPECT_EQ(unit, nullptr);
}

TEST_F(Units, GetCurrentUnitsGivesTheMagnitudesCurrentUnit) {
  ASSERT_TRUE(CATCkeDictionaryTesting::SetCurrentUnit("ANGLE", "Radian"));
  ASSERT_TRUE(CATCkeDictionaryTesting::AddMagnitude("MASS", true));
  const struct {
    const char* magnitude;
    const char* expected;
  } cases[] = {
      {"LENGTH", "mm/Millimeter"},
      {"ANGLE", "rad/Radian"},
      {"MASS", "null"},
      {"Length", "null"},
      {"", "null"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.magnitude);
    CATUnicodeString magnitude = c.magnitude;
    CATICkeUnit_var unit = Sentinel();
    AXOCorGlobalServices::GetCurrentUnits(magnitude, unit);
    EXPECT_EQ(Describe(unit), c.expected);
  }
  CATICkeUnit_var unit = Sentinel();
  CATCkeDictionaryTesting::SetDictionaryAvailable(false);
  CATUnicodeString length = "LENGTH";
  AXOCorGlobalServices::GetCurrentUnits(length, unit);
  EXPECT_TRUE(!unit);
}

// Adds the unit `symbol`/`name` to `magnitude` and makes it the current one.
void UseUnit(const char* magnitude, const char* symbol, const char* name) {
  CATCkeDictionaryTesting::AddUnit(magnitude, symbol, name);
  CATCkeDictionaryTesting::SetCurrentUnit(magnitude, name);
}

TEST_F(Units, GetCurrentUnitFallsBackToFeetForLengthsWithoutSymbol) {
  const struct {
    const char* what;
    void (*setUp)();
    CATCkeValueKind kind;
    const char* expected;
  } cases[] = {
      {"length", [] {}, CATCkeLengthKind, "mm/Millimeter"},
      {"angle", [] {}, CATCkeAngleKind, "deg/Degree"},
      {"integer: its type is no magnitude", [] {}, CATCkeIntegerKind, "null"},
      {"length whose type is no magnitude",
       [] { CATCkeDictionaryTesting::SetParameterType(CATCkeLengthKind, "Real"); },
       CATCkeLengthKind, "null"},
      {"length without symbol", [] { UseUnit("LENGTH", "", "Plain"); }, CATCkeLengthKind,
       "ft/Foot"},
      {"length without symbol, no dictionary",
       [] {
         UseUnit("LENGTH", "", "Plain");
         CATCkeDictionaryTesting::SetDictionaryAvailable(false);
       },
       CATCkeLengthKind, "/Plain"},
      {"length with a blank symbol", [] { UseUnit("LENGTH", " ", "Blank"); }, CATCkeLengthKind,
       " /Blank"},
      {"angle without symbol", [] { UseUnit("ANGLE", "", "Plain"); }, CATCkeAngleKind, "/Plain"},
      {"magnitude named 'Length' without symbol",
       [] {
         CATCkeDictionaryTesting::AddMagnitude("Length", true);
         UseUnit("Length", "", "Plain");
         CATCkeDictionaryTesting::SetParameterType(CATCkeAngleKind, "Length");
       },
       CATCkeAngleKind, "ft/Foot"},
      {"length without current unit",
       [] {
         CATCkeDictionaryTesting::AddMagnitude("Length", true);
         CATCkeDictionaryTesting::SetParameterType(CATCkeLengthKind, "Length");
       },
       CATCkeLengthKind, "ft/Foot"},
      {"angle without current unit",
       [] {
         CATCkeDictionaryTesting::AddMagnitude("Turns", false);
         CATCkeDictionaryTesting::SetParameterType(CATCkeAngleKind, "Turns");
       },
       CATCkeAngleKind, "null"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.setUp();
    const CATICkeParmFactory_var factory = CATCkeGlobalFunctions::GetVolatileFactory();
    const CATICkeParm_var parameter = c.kind == CATCkeIntegerKind  ? factory->CreateInteger("p", 1)
                                      : c.kind == CATCkeLengthKind ? factory->CreateLength("p", 1)
                                                                   : factory->CreateAngle("p", 1);
    EXPECT_EQ(Describe(AXOCorGlobalServices::GetCurrentUnit(parameter)), c.expected);
    CATCkeDictionaryTesting::Reset();
  }
  EXPECT_TRUE(!AXOCorGlobalServices::GetCurrentUnit(CATICkeParm_var()));
}

// A parameter of a document's model has a type like any other.
TEST_F(Units, GetCurrentUnitOfAModelParameter) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATICkeParm_var height = model_.Parameter(room.Part(), "Height", CATCkeLengthKind, 2.7);
  EXPECT_EQ(Describe(AXOCorGlobalServices::GetCurrentUnit(height)), "mm/Millimeter");
}

}  // namespace
