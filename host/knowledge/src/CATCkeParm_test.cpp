#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "CATCkeGlobalFunctions.h"
#include "CATICkeParm.h"
#include "CATICkeParmFactory.h"
#include "CATMathConstant.h"

namespace {

// Every test ends with all knowledge objects released.
class CATCkeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    live_before_ = CATBaseUnknown::LiveObjectCount();
    factory_ = CATCkeGlobalFunctions::GetVolatileFactory();
    ASSERT_FALSE(!factory_);
  }
  void TearDown() override {
    factory_.Clear();
    CATCkeGlobalFunctions::SetVolatileFactoryAvailableForTesting(true);
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before_);
  }

  CATICkeParm_var Make(CATCkeValueKind kind) {
    switch (kind) {
      case CATCkeIntegerKind:
        return factory_->CreateInteger("i", 0);
      case CATCkeLengthKind:
        return factory_->CreateLength("l", 0.0);
      case CATCkeAngleKind:
      case CATCkeTextKind:
        break;
    }
    return factory_->CreateAngle("a", 0.0);
  }

  CATICkeParmFactory_var factory_;
  long live_before_ = 0;
};

struct ValuateCase {
  CATCkeValueKind kind;
  const char* text;
  double expected;  // internal unit
};

TEST_F(CATCkeTest, ValuateReadsNumbersWithTheirUnit) {
  const ValuateCase cases[] = {
      {CATCkeLengthKind, "5.0cm", 0.05},
      {CATCkeLengthKind, "0.25in", 0.00635},
      {CATCkeLengthKind, "3mm", 0.003},
      {CATCkeLengthKind, "2m", 2.0},
      {CATCkeLengthKind, "1ft", 0.3048},
      {CATCkeLengthKind, " 5 cm ", 0.05},
      {CATCkeLengthKind, "-2mm", -0.002},
      {CATCkeLengthKind, "1e3mm", 1.0},
      {CATCkeLengthKind, ".5m", 0.5},
      {CATCkeLengthKind, "+4.m", 4.0},
      {CATCkeAngleKind, "15.0deg", 15.0 / 180.0 * CATPI},
      {CATCkeAngleKind, "1.2rad", 1.2},
      {CATCkeAngleKind, "360deg", CAT2PI},
      {CATCkeAngleKind, "-90deg", -CATPI / 2.0},
      {CATCkeIntegerKind, "42", 42.0},
      {CATCkeIntegerKind, "-7", -7.0},
      {CATCkeIntegerKind, "+3", 3.0},
      {CATCkeIntegerKind, " 12\t", 12.0},
      {CATCkeIntegerKind, "2147483647", 2147483647.0},
  };
  for (const ValuateCase& c : cases) {
    SCOPED_TRACE(c.text);
    CATICkeParm_var parm = Make(c.kind);
    ASSERT_EQ(parm->Valuate(c.text), S_OK);
    EXPECT_DOUBLE_EQ(parm->Value()->AsReal(), c.expected);
  }
}

TEST_F(CATCkeTest, ValuateRefusesOtherTextsAndKeepsTheValue) {
  const struct {
    CATCkeValueKind kind;
    const char* text;
  } cases[] = {
      {CATCkeLengthKind, "5"},
      {CATCkeLengthKind, "5.0km"},
      {CATCkeLengthKind, "5.0CM"},
      {CATCkeLengthKind, "cm"},
      {CATCkeLengthKind, ""},
      {CATCkeLengthKind, "5.0cm x"},
      {CATCkeLengthKind, "nanmm"},
      {CATCkeLengthKind, "infmm"},
      {CATCkeLengthKind, "0x10mm"},
      {CATCkeLengthKind, "1e400mm"},
      {CATCkeLengthKind, "1e308ft"},
      {CATCkeLengthKind, "1e307m"},
      {CATCkeLengthKind, "5,0cm"},
      {CATCkeLengthKind, "15deg"},
      {CATCkeLengthKind, ".mm"},
      {CATCkeAngleKind, "15"},
      {CATCkeAngleKind, "15mm"},
      {CATCkeAngleKind, "15 degrees"},
      {CATCkeIntegerKind, "5.0"},
      {CATCkeIntegerKind, "5mm"},
      {CATCkeIntegerKind, "2147483648"},
      {CATCkeIntegerKind, ""},
      {CATCkeIntegerKind, "1e3"},
      {CATCkeIntegerKind, "x"},
      {CATCkeIntegerKind, "--1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CATICkeParm_var parm = Make(c.kind);
    const char* seed = c.kind == CATCkeIntegerKind  ? "9"
                       : c.kind == CATCkeLengthKind ? "9mm"
                                                    : "9rad";
    ASSERT_EQ(parm->Valuate(seed), S_OK);
    const double before = parm->Value()->AsReal();
    EXPECT_EQ(parm->Valuate(c.text), E_FAIL);
    EXPECT_EQ(parm->Value()->AsReal(), before);
  }
}

TEST_F(CATCkeTest, TextFormUsesMillimetresDegreesAndPlainIntegers) {
  EXPECT_EQ(factory_->CreateInteger("i", -42)->Value()->AsString(), "-42");
  EXPECT_EQ(factory_->CreateLength("l", 0.05)->Value()->AsString(), "50mm");
  EXPECT_EQ(factory_->CreateAngle("a", CAT2PI)->Value()->AsString(), "360deg");
  CATICkeParm_var angle = Make(CATCkeAngleKind);
  ASSERT_EQ(angle->Valuate("15.0deg"), S_OK);
  EXPECT_EQ(angle->Value()->AsString(), "15deg");
}

TEST_F(CATCkeTest, TextFormIsAcceptedBackByAParameterOfItsKind) {
  const struct {
    CATCkeValueKind kind;
    double value;
  } cases[] = {
      {CATCkeIntegerKind, 0},    {CATCkeIntegerKind, INT_MIN}, {CATCkeIntegerKind, INT_MAX},
      {CATCkeLengthKind, 0.05},  {CATCkeLengthKind, 0.0},      {CATCkeLengthKind, -1.5e-9},
      {CATCkeLengthKind, 1e300}, {CATCkeLengthKind, 0.00635},  {CATCkeAngleKind, 1.2},
      {CATCkeAngleKind, CAT2PI}, {CATCkeAngleKind, 1e-7},      {CATCkeAngleKind, -3.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    CATICkeParm_var made = c.kind == CATCkeIntegerKind  ? factory_->CreateInteger("s", c.value)
                           : c.kind == CATCkeLengthKind ? factory_->CreateLength("s", c.value)
                                                        : factory_->CreateAngle("s", c.value);
    const CATUnicodeString text = made->Value()->AsString();
    CATICkeParm_var back = Make(c.kind);
    ASSERT_EQ(back->Valuate(text), S_OK) << text.ConvertToChar();
    EXPECT_NEAR(back->Value()->AsReal(), c.value, std::fabs(c.value) * 1e-14);
    EXPECT_EQ(back->Value()->AsString(), text);
  }
  // The full turn comes back exactly, so an upper bound test at 2 pi holds.
  CATICkeParm_var turn = Make(CATCkeAngleKind);
  ASSERT_EQ(turn->Valuate(factory_->CreateAngle("t", CAT2PI)->Value()->AsString()), S_OK);
  EXPECT_EQ(turn->Value()->AsReal(), CAT2PI);
}

TEST_F(CATCkeTest, AsIntegerTruncatesRealsAndClampsToIntRange) {
  EXPECT_EQ(factory_->CreateLength("l", -3.7)->Value()->AsInteger(), -3);
  EXPECT_EQ(factory_->CreateLength("l", 1e12)->Value()->AsInteger(), INT_MAX);
  EXPECT_EQ(factory_->CreateAngle("a", -1e12)->Value()->AsInteger(), INT_MIN);
  EXPECT_EQ(factory_->CreateInteger("i", 17)->Value()->AsInteger(), 17);
}

TEST_F(CATCkeTest, ValueIsASnapshotOfTheParameter) {
  CATICkeParm_var parm = factory_->CreateInteger("CGRLimit", 5);
  EXPECT_EQ(parm->Name(), "CGRLimit");
  EXPECT_EQ(parm->Kind(), CATCkeIntegerKind);
  CATICkeInst_var value = parm->Value();
  ASSERT_EQ(parm->Valuate("6"), S_OK);
  EXPECT_EQ(value->AsInteger(), 5);
  EXPECT_EQ(parm->Value()->AsInteger(), 6);
}

TEST_F(CATCkeTest, FactoryRefusesEmptyNamesAndValuesWithoutATextForm) {
  EXPECT_TRUE(!factory_->CreateInteger("", 1));
  EXPECT_TRUE(!factory_->CreateLength("l", std::nan("")));
  EXPECT_TRUE(!factory_->CreateAngle("a", HUGE_VAL));
  EXPECT_TRUE(!factory_->CreateLength("l", 1e307));  // no millimetre text for it
}

TEST_F(CATCkeTest, TestingSwitchMakesTheFactoryUnavailable) {
  CATCkeGlobalFunctions::SetVolatileFactoryAvailableForTesting(false);
  EXPECT_TRUE(!CATCkeGlobalFunctions::GetVolatileFactory());
  CATCkeGlobalFunctions::SetVolatileFactoryAvailableForTesting(true);
  EXPECT_FALSE(!CATCkeGlobalFunctions::GetVolatileFactory());
}

TEST_F(CATCkeTest, ManipulatorKeepsTheRangeItWasGiven) {
  CATIParmManipulator_var range = factory_->CreateParmManipulator();
  double lower = -1.0, upper = -1.0;
  int lower_kind = -1, upper_kind = -1;
  range->GetAccurateRange(lower, lower_kind, upper, upper_kind);
  EXPECT_EQ(lower, 0.0);
  EXPECT_EQ(lower_kind, 0);
  EXPECT_EQ(upper, 0.0);
  EXPECT_EQ(upper_kind, 0);

  ASSERT_EQ(range->SetAccurateRange(50.0, 1, 360.0, 2), S_OK);
  EXPECT_EQ(range->SetAccurateRange(1.0, 3, 2.0, 0), E_INVALIDARG);
  EXPECT_EQ(range->SetAccurateRange(1.0, 0, 2.0, -1), E_INVALIDARG);

  CATICkeParm_var parm = factory_->CreateInteger("DisjoinLimit", 1000);
  EXPECT_TRUE(!parm->GetManipulator());
  parm->SetManipulator(range);
  range.Clear();  // the parameter keeps it alive
  parm->GetManipulator()->GetAccurateRange(lower, lower_kind, upper, upper_kind);
  EXPECT_EQ(lower, 50.0);
  EXPECT_EQ(lower_kind, 1);
  EXPECT_EQ(upper, 360.0);
  EXPECT_EQ(upper_kind, 2);
}

}  // namespace
