#include <string>

#include "../catalogs/CatalogTestTree.h"
#include "CATICkeParmFactory.h"
#include "CATMathConstant.h"
#include "IfcSettingsTestSupport.h"

namespace {

using Settings = AXOETrsIfcSettingAtt;
using ParmGetter = HRESULT (Settings::*)(CATICkeParm_var&);
using ParmSetter = HRESULT (Settings::*)(const CATICkeParm_var&);

struct Range {
  double lower;
  int lowerKind;
  double upper;
  int upperKind;
};

Range RangeOf(const CATICkeParm_var& parm) {
  Range range = {-1.0, -1, -1.0, -1};
  CATIParmManipulator_var manipulator = parm->GetManipulator();
  if (!!manipulator) {
    manipulator->GetAccurateRange(range.lower, range.lowerKind, range.upper, range.upperKind);
  }
  return range;
}

CATICkeParm_var Length(const char* text) {
  CATICkeParm_var parm = CATCkeGlobalFunctions::GetVolatileFactory()->CreateLength("l", 0.0);
  EXPECT_EQ(parm->Valuate(text), S_OK) << text;
  return parm;
}

CATICkeParm_var Angle(const char* text) {
  CATICkeParm_var parm = CATCkeGlobalFunctions::GetVolatileFactory()->CreateAngle("a", 0.0);
  EXPECT_EQ(parm->Valuate(text), S_OK) << text;
  return parm;
}

CATICkeParm_var Integer(int value) {
  return CATCkeGlobalFunctions::GetVolatileFactory()->CreateInteger("i", value);
}

TEST_F(IfcSettingsTest, IntegerParametersCarryTheStoredValueNameAndRange) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  StoreInteger("CGRLimit", 42);
  StoreInteger("JoinLimit", 60);
  StoreInteger("DisjoinLimit", 900);
  const struct {
    ParmGetter get;
    const char* name;
    int value;
    double lower;
  } cases[] = {
      {&Settings::GetCGRLimitParm, "CGRLimit", 42, 0.0},
      {&Settings::GetJoinLimitParm, "JoinLimit", 60, 0.0},
      {&Settings::GetDisjoinLimitParm, "DisjoinLimit", 900, 60.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CATICkeParm_var parm;
    ASSERT_EQ((settings.*c.get)(parm), S_OK);
    EXPECT_EQ(parm->Name(), c.name);
    EXPECT_EQ(parm->Kind(), CATCkeIntegerKind);
    EXPECT_EQ(parm->Value()->AsInteger(), c.value);
    const Range range = RangeOf(parm);
    EXPECT_EQ(range.lower, c.lower);
    EXPECT_EQ(range.lowerKind, 1);
    EXPECT_EQ(range.upper, 0.0);
    EXPECT_EQ(range.upperKind, 0);
  }
}

TEST_F(IfcSettingsTest, DisjoinLimitParameterIsBoundedByFiftyWhenJoinLimitCannotBeRead) {
  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);
  CATICkeParm_var parm;
  ASSERT_EQ(settings_->GetDisjoinLimitParm(parm), S_OK);
  EXPECT_EQ(parm->Value()->AsInteger(), 1000);  // the default, as nothing could be read
  EXPECT_EQ(RangeOf(parm).lower, 50.0);
}

TEST_F(IfcSettingsTest, SagAndAngleParametersStartFromTheirDefaultTexts) {
  CATICkeParm_var sag;
  ASSERT_EQ(settings_->GetSagFactorParm(sag), S_OK);
  EXPECT_EQ(sag->Name(), "Sag");
  EXPECT_EQ(sag->Kind(), CATCkeLengthKind);
  EXPECT_DOUBLE_EQ(sag->Value()->AsReal(), 0.05);
  const Range sagRange = RangeOf(sag);
  EXPECT_EQ(sagRange.lower, 0.0);
  EXPECT_EQ(sagRange.lowerKind, 2);
  EXPECT_EQ(sagRange.upper, 0.0);
  EXPECT_EQ(sagRange.upperKind, 0);

  CATICkeParm_var angle;
  ASSERT_EQ(settings_->GetAngleParm(angle), S_OK);
  EXPECT_EQ(angle->Name(), "Angle");
  EXPECT_EQ(angle->Kind(), CATCkeAngleKind);
  EXPECT_DOUBLE_EQ(angle->Value()->AsReal(), 15.0 / 180.0 * CATPI);
  const Range angleRange = RangeOf(angle);
  EXPECT_EQ(angleRange.lowerKind, 2);
  EXPECT_EQ(angleRange.upper, 360.0);
  EXPECT_EQ(angleRange.upperKind, 0);

  StoreText("SagFactor", "0.25in");
  StoreText("Angle", "");  // empty: the default stands
  ASSERT_EQ(settings_->GetSagFactorParm(sag), S_OK);
  EXPECT_DOUBLE_EQ(sag->Value()->AsReal(), 0.00635);
  ASSERT_EQ(settings_->GetAngleParm(angle), S_OK);
  EXPECT_DOUBLE_EQ(angle->Value()->AsReal(), 15.0 / 180.0 * CATPI);
}

TEST_F(IfcSettingsTest, SagAndAngleSettersCheckTheValueAndStoreItsText) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  const struct {
    ParmSetter set;
    const char* key;
    CATICkeParm_var parm;
    HRESULT expected;
    const char* stored;
  } cases[] = {
      {&Settings::SetAngleParm, "Angle", Angle("400deg"), E_FAIL, "before"},
      {&Settings::SetAngleParm, "Angle", Angle("-1deg"), E_FAIL, "before"},
      {&Settings::SetAngleParm, "Angle", Angle("6.283185307179586rad"), S_OK, "360deg"},
      {&Settings::SetAngleParm, "Angle", Angle("0rad"), S_OK, "0deg"},
      {&Settings::SetAngleParm, "Angle", Length("1mm"), E_FAIL, "before"},
      {&Settings::SetAngleParm, "Angle", CATICkeParm_var(), E_FAIL, "before"},
      {&Settings::SetSagFactorParm, "SagFactor", Length("-1mm"), E_FAIL, "before"},
      {&Settings::SetSagFactorParm, "SagFactor", Length("0m"), S_OK, "0mm"},
      {&Settings::SetSagFactorParm, "SagFactor", Length("5.0cm"), S_OK, "50mm"},
      {&Settings::SetSagFactorParm, "SagFactor", Angle("1deg"), E_FAIL, "before"},
      {&Settings::SetSagFactorParm, "SagFactor", Integer(3), E_FAIL, "before"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    StoreText(c.key, "before");
    EXPECT_EQ((settings.*c.set)(c.parm), c.expected);
    EXPECT_EQ(StoredText(c.key), c.stored);
  }
}

TEST_F(IfcSettingsTest, AFullTurnStoredReadsBackAsAFullTurn) {
  CATICkeParm_var turn = CATCkeGlobalFunctions::GetVolatileFactory()->CreateAngle("a", CAT2PI);
  ASSERT_EQ(settings_->SetAngleParm(turn), S_OK);
  CATICkeParm_var back;
  ASSERT_EQ(settings_->GetAngleParm(back), S_OK);
  EXPECT_EQ(back->Value()->AsReal(), CAT2PI);
  EXPECT_EQ(settings_->SetAngleParm(back), S_OK);
}

TEST_F(IfcSettingsTest, IntegerParameterSettersApplyTheIntegerRules) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  StoreInteger("JoinLimit", 60);
  const struct {
    ParmSetter set;
    const char* key;
    CATICkeParm_var parm;
    HRESULT expected;
  } cases[] = {
      {&Settings::SetCGRLimitParm, "CGRLimit", Integer(-1), E_FAIL},
      {&Settings::SetCGRLimitParm, "CGRLimit", Integer(0), S_OK},
      {&Settings::SetDisjoinLimitParm, "DisjoinLimit", Integer(60), E_FAIL},
      {&Settings::SetDisjoinLimitParm, "DisjoinLimit", Integer(61), S_OK},
      // Last, as they overwrite the JoinLimit of 60.
      {&Settings::SetJoinLimitParm, "JoinLimit", Integer(0), E_FAIL},
      {&Settings::SetJoinLimitParm, "JoinLimit", CATICkeParm_var(), E_FAIL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    StoreInteger(c.key, 7777);
    EXPECT_EQ((settings.*c.set)(c.parm), c.expected);
    EXPECT_EQ(StoredInteger(c.key), c.expected == S_OK ? c.parm->Value()->AsInteger() : 7777);
  }
}

TEST_F(IfcSettingsTest, AnEditedParameterIsStoredThroughItsSetter) {
  CATICkeParm_var parm;
  ASSERT_EQ(settings_->GetCGRLimitParm(parm), S_OK);
  ASSERT_EQ(parm->Valuate("77"), S_OK);
  EXPECT_EQ(settings_->SetCGRLimitParm(parm), S_OK);
  int value = 0;
  EXPECT_EQ(settings_->GetCGRLimit(value), S_OK);
  EXPECT_EQ(value, 77);
}

TEST_F(IfcSettingsTest, ParametersNeedTheKnowledgeFactory) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  CATCkeGlobalFunctions::SetVolatileFactoryAvailableForTesting(false);
  const ParmGetter getters[] = {&Settings::GetCGRLimitParm, &Settings::GetJoinLimitParm,
                                &Settings::GetDisjoinLimitParm, &Settings::GetSagFactorParm,
                                &Settings::GetAngleParm};
  for (ParmGetter get : getters) {
    CATICkeParm_var parm;
    EXPECT_EQ((settings.*get)(parm), E_FAIL);
    EXPECT_TRUE(!parm);
  }
  EXPECT_EQ(settings_->Initialize(), E_FAIL);
}

// The integers that Initialize reads; any of them unreadable makes it fail.
const char* const kInitialIntegers[] = {
    "JoinLimit",
    "DisjoinLimit",
    "ImportPSet",
    "CGRLimit",
    "ExportSpaceBoundaries",
    "ExportGeoSetsAndBodies",
    "ExportXRefs",
    "ExportSATFiles",
    "BrepOptNormalsOrientation",
    "BrepOptMergeVertices",
    "BrepOptDecimateTriangles",
};

TEST_F(IfcSettingsTest, InitializeFailsOnTheFirstIntegerItCannotRead) {
  EXPECT_EQ(settings_->Initialize(), S_OK);
  for (const char* key : kInitialIntegers) {
    SCOPED_TRACE(key);
    CATSettingRepositoryTesting::RefuseReads(kRepository, key, true);
    EXPECT_EQ(settings_->Initialize(), E_FAIL);
    CATSettingRepositoryTesting::RefuseReads(kRepository, key, false);
  }
}

TEST_F(IfcSettingsTest, InitializeIgnoresTheAttributesItDoesNotNeed) {
  for (const char* key : {"ExportOption", "SagFactor", "Angle", "MaxBEPerPart", "BEPerPart",
                          "ExportAllBodiesSets", "SectionCatalogName", "Representation"}) {
    CATSettingRepositoryTesting::RefuseReads(kRepository, key, true);
  }
  EXPECT_EQ(settings_->Initialize(), S_OK);
}

TEST_F(IfcSettingsTest, InitializeNeedsTheIntegersWrittenWhenKeysNeverWrittenAreMissing) {
  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);
  EXPECT_EQ(settings_->Initialize(), E_FAIL);
  for (const char* key : kInitialIntegers) StoreInteger(key, 100);
  EXPECT_EQ(settings_->Initialize(), S_OK);
}

// ---- Section catalog ----------------------------------------------------------

class IfcSectionCatalogTest : public IfcSettingsTest {
 protected:
  void InstallSteelCatalogs() {
    tree_.WriteFile("p/Catalogs/Structural Steel/Euro/IPE.catalog");
    tree_.WriteFile("p/Catalogs/Structural Steel/Euro/HEA.catalog");
    tree_.SetStartupPaths({"p"});
  }
  CatalogTestTree tree_;
};

TEST_F(IfcSectionCatalogTest, AStoredNameIsAnsweredAsItIs) {
  InstallSteelCatalogs();
  ASSERT_EQ(settings_->SetSectionCatalogName("My Sections"), S_OK);
  CATUnicodeString name;
  EXPECT_EQ(settings_->GetSectionCatalogName(name), S_OK);
  EXPECT_EQ(name, "My Sections");
}

TEST_F(IfcSectionCatalogTest, WithoutStoredNameTheFirstSteelCatalogIsChosenAndStored) {
  InstallSteelCatalogs();
  CATUnicodeString name("stale");
  EXPECT_EQ(settings_->GetSectionCatalogName(name), S_OK);
  EXPECT_EQ(name, "HEA");
  EXPECT_EQ(StoredText("SectionCatalogName"), "HEA");

  // Also when the read itself fails.
  CATSettingRepositoryTesting::ResetAll();
  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);
  EXPECT_EQ(settings_->GetSectionCatalogName(name), S_OK);
  EXPECT_EQ(name, "HEA");
}

TEST_F(IfcSectionCatalogTest, WithoutStoredNameOrCatalogsTheNameStaysEmpty) {
  tree_.SetStartupPaths({"nothing here"});
  CATUnicodeString name("stale");
  EXPECT_EQ(settings_->GetSectionCatalogName(name), S_OK);
  EXPECT_EQ(name, "");

  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);
  name = "stale";
  EXPECT_EQ(settings_->GetSectionCatalogName(name), E_FAIL);
  EXPECT_EQ(name, "");
}

}  // namespace
