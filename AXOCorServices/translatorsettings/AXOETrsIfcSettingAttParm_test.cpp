#include <string>

#include "CATICkeParmFactory.h"
#include "CATMathConstant.h"
#include "catalogs/CatalogTestTree.h"
#include "translatorsettings/IfcSettingsTestSupport.h"

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

TEST_F(IfcSettingsTest, IntegerParametersAreBoundedBelow) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  StoreInteger("JoinLimit", 60);
  const struct {
    ParmGetter get;
    double lower;
  } cases[] = {
      {&Settings::GetCGRLimitParm, 0.0},
      {&Settings::GetJoinLimitParm, 0.0},
      {&Settings::GetDisjoinLimitParm, 60.0},  // the stored JoinLimit
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lower);
    CATICkeParm_var parm;
    ASSERT_EQ((settings.*c.get)(parm), S_OK);
    EXPECT_EQ(parm->Kind(), CATCkeIntegerKind);
    const Range range = RangeOf(parm);
    EXPECT_EQ(range.lower, c.lower);
    EXPECT_EQ(range.lowerKind, 1);
    EXPECT_EQ(range.upper, 0.0);
    EXPECT_EQ(range.upperKind, 0);
  }
  // Nothing readable: the defaults, and a JoinLimit of 50.
  CATSettingRepositoryTesting::ResetAll();
  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);
  CATICkeParm_var parm;
  ASSERT_EQ(settings_->GetDisjoinLimitParm(parm), S_OK);
  EXPECT_EQ(parm->Value()->AsInteger(), 1000);
  EXPECT_EQ(RangeOf(parm).lower, 50.0);
}

TEST_F(IfcSettingsTest, SagAndAngleParametersStartFromTheirDefaultTexts) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  StoreText("Angle", "");  // empty: the default stands
  const struct {
    ParmGetter get;
    CATCkeValueKind kind;
    double value, upper;
  } cases[] = {
      {&Settings::GetSagFactorParm, CATCkeLengthKind, 0.05, 0.0},
      {&Settings::GetAngleParm, CATCkeAngleKind, 15.0 / 180.0 * CATPI, 360.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.upper);
    CATICkeParm_var parm;
    ASSERT_EQ((settings.*c.get)(parm), S_OK);
    EXPECT_EQ(parm->Kind(), c.kind);
    EXPECT_DOUBLE_EQ(parm->Value()->AsReal(), c.value);
    const Range range = RangeOf(parm);
    EXPECT_EQ(range.lower, 0.0);
    EXPECT_EQ(range.lowerKind, 2);
    EXPECT_EQ(range.upper, c.upper);
    EXPECT_EQ(range.upperKind, 0);
  }
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

// Where keys never written count as missing, these eleven must be written,
// and each of them is needed.
TEST_F(IfcSettingsTest, InitializeNeedsToReadElevenIntegers) {
  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);
  EXPECT_EQ(settings_->Initialize(), E_FAIL);
  for (const char* key : kInitialIntegers) StoreInteger(key, 100);
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

// ---- Section catalog ----------------------------------------------------------

class IfcSectionCatalogTest : public IfcSettingsTest {
 protected:
  CatalogTestTree tree_;
};

// A stored name stands; without one (or when the read fails) the first
// steel catalog is answered and stored, and without catalogs the name
// stays empty and the read's result is answered.
TEST_F(IfcSectionCatalogTest, FallsBackToTheFirstSteelCatalog) {
  const struct {
    const char* stored;  // null: nothing stored
    bool readFails;
    bool catalogs;
    HRESULT result;
    const char* name;
  } cases[] = {
      {"My Sections", false, true, S_OK, "My Sections"},
      {nullptr, false, true, S_OK, "HEA"},
      {nullptr, true, true, S_OK, "HEA"},
      {nullptr, false, false, S_OK, ""},
      {nullptr, true, false, E_FAIL, ""},
  };
  tree_.WriteFile("p/Catalogs/Structural Steel/Euro/IPE.catalog");
  tree_.WriteFile("p/Catalogs/Structural Steel/Euro/HEA.catalog");
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.readFails << c.catalogs);
    CATSettingRepositoryTesting::ResetAll();
    tree_.SetStartupPaths({c.catalogs ? "p" : "nothing here"});
    if (c.stored != nullptr) {
      ASSERT_EQ(settings_->SetSectionCatalogName(c.stored), S_OK);
    }
    CATSettingRepositoryTesting::SetStrictReads(kRepository, c.readFails);
    CATUnicodeString name("stale");
    EXPECT_EQ(settings_->GetSectionCatalogName(name), c.result);
    EXPECT_EQ(name, c.name);
    CATSettingRepositoryTesting::SetStrictReads(kRepository, false);
    EXPECT_EQ(StoredText("SectionCatalogName"), c.name[0] != '\0' ? c.name : "<none>");
  }
}

}  // namespace
