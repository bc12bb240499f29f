#include <gtest/gtest.h>

#include <string>

#include "CATCkeDictionaryTesting.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeMagnitude.h"
#include "CATICkeParm.h"

namespace {

class CATCkeDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override { live_before_ = CATBaseUnknown::LiveObjectCount(); }
  void TearDown() override {
    CATCkeDictionaryTesting::Reset();
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before_);
  }
  long live_before_ = 0;
};

// "mm cm ..." from the magnitude's list; the current unit's symbol in [].
std::string Units(const CATICkeMagnitude_var& magnitude) {
  const CATICkeUnit_var current = magnitude->CurrentUnit();
  std::string text;
  const CATListValCATBaseUnknown_var* units = magnitude->ListUnits();
  for (int i = 1; units != nullptr && i <= units->Size(); ++i) {
    const CATICkeUnit_var unit((*units)[i]);
    const std::string symbol = !unit ? "-" : unit->Symbol().ConvertToChar();
    text += (text.empty() ? "" : " ") + (unit == current && !!unit ? "[" + symbol + "]" : symbol);
  }
  return text;
}

// The magnitudes hold the units that parameters' value texts take, so a
// unit the dictionary lists is one Valuate reads.
TEST_F(CATCkeDictionaryTest, MagnitudesListTheUnitsOfValueTexts) {
  const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
  ASSERT_FALSE(!dictionary);
  const CATICkeParmFactory_var factory = CATCkeGlobalFunctions::GetVolatileFactory();
  const struct {
    const char* magnitude;
    const char* units;
    CATICkeParm_var parameter;
  } cases[] = {
      {"LENGTH", "[mm] cm m in ft", factory->CreateLength("l", 0)},
      {"ANGLE", "[deg] rad", factory->CreateAngle("a", 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.magnitude);
    const CATICkeMagnitude_var magnitude = dictionary->FindMagnitude(c.magnitude);
    ASSERT_FALSE(!magnitude);
    EXPECT_EQ(Units(magnitude), c.units);
    const CATListValCATBaseUnknown_var* units = magnitude->ListUnits();
    for (int i = 1; i <= units->Size(); ++i) {
      const CATUnicodeString text = CATUnicodeString("2") + CATICkeUnit_var((*units)[i])->Symbol();
      EXPECT_EQ(c.parameter->Valuate(text), S_OK) << text.ConvertToChar();
    }
    // The parameter's type is its magnitude.
    const CATICkeMagnitude_var type = c.parameter->GetType();
    ASSERT_FALSE(!type);
    EXPECT_EQ(type->Name(), c.magnitude);
  }
  EXPECT_TRUE(!CATICkeMagnitude_var(factory->CreateInteger("i", 0)->GetType()));
  EXPECT_EQ(factory->CreateInteger("i", 0)->GetType()->Name(), "Integer");
  EXPECT_TRUE(!dictionary->FindMagnitude("length"));
  EXPECT_EQ(dictionary->FindUnit("ft")->Name(), "Foot");
  EXPECT_TRUE(!dictionary->FindUnit("Foot"));  // by symbol only
}

TEST_F(CATCkeDictionaryTest, ControlsChangeWhatLaterLookupsGive) {
  const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
  const CATICkeMagnitude_var before = dictionary->FindMagnitude("LENGTH");
  EXPECT_TRUE(CATCkeDictionaryTesting::AddUnit("LENGTH", "", "Plain"));
  EXPECT_TRUE(CATCkeDictionaryTesting::SetCurrentUnit("LENGTH", "Inch"));
  EXPECT_FALSE(CATCkeDictionaryTesting::SetCurrentUnit("LENGTH", "in"));  // by name
  EXPECT_FALSE(CATCkeDictionaryTesting::AddMagnitude("ANGLE", true));
  EXPECT_TRUE(CATCkeDictionaryTesting::AddMagnitude("AREA", false));
  EXPECT_FALSE(CATCkeDictionaryTesting::AddUnit("AREA", "m2", "Square meter"));
  EXPECT_TRUE(CATCkeDictionaryTesting::AddMagnitude("MASS", true));
  EXPECT_TRUE(CATCkeDictionaryTesting::AddNonUnit("MASS", true));
  EXPECT_TRUE(CATCkeDictionaryTesting::AddNonUnit("MASS", false));

  EXPECT_EQ(Units(before), "[mm] cm m in ft");  // objects keep what they showed
  EXPECT_EQ(Units(dictionary->FindMagnitude("LENGTH")), "mm cm m [in] ft ");
  EXPECT_EQ(dictionary->FindMagnitude("AREA")->ListUnits(), nullptr);
  EXPECT_EQ(Units(dictionary->FindMagnitude("MASS")), "- -");
  EXPECT_TRUE(!dictionary->FindMagnitude("MASS")->CurrentUnit());
  const CATListValCATUnicodeString names = dictionary->ListMagnitudeNames();
  ASSERT_EQ(names.Size(), 4);  // in the order they were added
  EXPECT_EQ(names[1], "LENGTH");
  EXPECT_EQ(names[3], "AREA");
  EXPECT_EQ(names[4], "MASS");

  CATCkeDictionaryTesting::SetDictionaryAvailable(false);
  EXPECT_TRUE(!CATCkeGlobalFunctions::GetParmDictionary());
  CATCkeDictionaryTesting::Reset();
  EXPECT_EQ(Units(CATCkeGlobalFunctions::GetParmDictionary()->FindMagnitude("LENGTH")),
            "[mm] cm m in ft");
}

}  // namespace
