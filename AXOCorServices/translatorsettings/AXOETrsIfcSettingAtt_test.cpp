#include <climits>
#include <string>

#include "CATSettingInfo.h"
#include "IfcSettingsTestSupport.h"

namespace {

using Settings = AXOETrsIfcSettingAtt;
using IntegerGetter = HRESULT (Settings::*)(int&);
using IntegerSetter = HRESULT (Settings::*)(const int&);
using ChoiceSetter = HRESULT (Settings::*)(const CATString&);
using InfoGetter = HRESULT (Settings::*)(CATSettingInfo*, int);

struct IntegerAttribute {
  const char* key;
  IntegerGetter get;
  IntegerSetter set;
  int defaultValue;
};

const IntegerAttribute kIntegers[] = {
    {"CGRLimit", &Settings::GetCGRLimit, &Settings::SetCGRLimit, 500},
    {"ExportAllBodiesSets", &Settings::GetExportAllBodiesSets, &Settings::SetExportAllBodiesSets,
     0},
    {"ExportStdPropSets", &Settings::GetExportStdPropSets, &Settings::SetExportStdPropSets, 1},
    {"ExportAllPackages", &Settings::GetExportAllPackages, &Settings::SetExportAllPackages, 1},
    {"JoinLimit", &Settings::GetJoinLimit, &Settings::SetJoinLimit, 50},
    {"DisjoinLimit", &Settings::GetDisjoinLimit, &Settings::SetDisjoinLimit, 1000},
    {"ImportPSet", &Settings::GetImportPSet, &Settings::SetImportPSet, 1},
    {"MaxBEPerPart", &Settings::GetMaxBEPerPart, &Settings::SetMaxBEPerPart, 200},
    {"ExportSpaceBoundaries", &Settings::GetExportSpaceBoundaries,
     &Settings::SetExportSpaceBoundaries, 0},
    {"ExportGeoSetsAndBodies", &Settings::GetExportGeoSetsAndBodies,
     &Settings::SetExportGeoSetsAndBodies, 0},
    {"ExportXRefs", &Settings::GetExportXRefs, &Settings::SetExportXRefs, 0},
    {"ExportSATFiles", &Settings::GetExportSATFiles, &Settings::SetExportSATFiles, 0},
    {"BrepOptNormalsOrientation", &Settings::GetBrepOptNormalsOrientation,
     &Settings::SetBrepOptNormalsOrientation, 0},
    {"BrepOptMergeVertices", &Settings::GetBrepOptMergeVertices, &Settings::SetBrepOptMergeVertices,
     0},
    {"BrepOptDecimateTriangles", &Settings::GetBrepOptDecimateTriangles,
     &Settings::SetBrepOptDecimateTriangles, 0},
};

TEST_F(IfcSettingsTest, IntegerGettersPresetTheDefaultBeforeAReadThatIsRefused) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  for (const IntegerAttribute& attribute : kIntegers) {
    SCOPED_TRACE(attribute.key);
    CATSettingRepositoryTesting::RefuseReads(kRepository, attribute.key, true);
    int value = -777;
    EXPECT_EQ((settings.*attribute.get)(value), E_FAIL);
    EXPECT_EQ(value, attribute.defaultValue);
  }
}

TEST_F(IfcSettingsTest, IntegerGettersAnswerTheDefaultOfAKeyNeverWritten) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  for (const IntegerAttribute& attribute : kIntegers) {
    SCOPED_TRACE(attribute.key);
    int value = -777;
    EXPECT_EQ((settings.*attribute.get)(value), S_OK);
    EXPECT_EQ(value, attribute.defaultValue);
  }
}

TEST_F(IfcSettingsTest, IntegerSettersWriteTheirOwnKeyAndGettersReadItBack) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  // A value of its own per attribute, growing, so that DisjoinLimit stays
  // above the JoinLimit written before it.
  int next = 700;
  for (const IntegerAttribute& attribute : kIntegers) {
    SCOPED_TRACE(attribute.key);
    const int written = ++next;
    EXPECT_EQ((settings.*attribute.set)(written), S_OK);
    EXPECT_EQ(StoredInteger(attribute.key), written);
  }
  next = 700;
  for (const IntegerAttribute& attribute : kIntegers) {
    SCOPED_TRACE(attribute.key);
    int value = 0;
    EXPECT_EQ((settings.*attribute.get)(value), S_OK);
    EXPECT_EQ(value, ++next);
  }
}

TEST_F(IfcSettingsTest, IntegerSettersRefuseValuesBelowTheirMinimum) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  const struct {
    IntegerSetter set;
    int value;
    HRESULT expected;
  } cases[] = {
      {&Settings::SetCGRLimit, 0, S_OK},          {&Settings::SetCGRLimit, -1, E_FAIL},
      {&Settings::SetJoinLimit, 1, S_OK},         {&Settings::SetJoinLimit, 0, E_FAIL},
      {&Settings::SetMaxBEPerPart, 1, S_OK},      {&Settings::SetMaxBEPerPart, 0, E_FAIL},
      {&Settings::SetExportXRefs, INT_MIN, S_OK}, {&Settings::SetImportPSet, -3, S_OK},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ((settings.*c.set)(c.value), c.expected);
  }
  int join = 0;
  settings_->GetJoinLimit(join);
  EXPECT_EQ(join, 1);  // the refused 0 was not written
}

TEST_F(IfcSettingsTest, IntegerSettersFailWhenTheRepositoryRefusesTheWrite) {
  CATSettingRepositoryTesting::RefuseWrites(kRepository, "CGRLimit", true);
  EXPECT_EQ(settings_->SetCGRLimit(5), E_FAIL);
}

TEST_F(IfcSettingsTest, DisjoinLimitMustExceedTheStoredJoinLimit) {
  ASSERT_EQ(settings_->SetJoinLimit(60), S_OK);
  EXPECT_EQ(settings_->SetDisjoinLimit(60), E_FAIL);
  EXPECT_EQ(settings_->SetDisjoinLimit(61), S_OK);
  // Setting JoinLimit does not look at DisjoinLimit.
  EXPECT_EQ(settings_->SetJoinLimit(5000), S_OK);
  EXPECT_EQ(settings_->SetDisjoinLimit(5000), E_FAIL);
  ASSERT_EQ(settings_->SetJoinLimit(INT_MAX), S_OK);
  EXPECT_EQ(settings_->SetDisjoinLimit(INT_MAX), E_FAIL);
}

TEST_F(IfcSettingsTest, DisjoinLimitIsCheckedAgainstFiftyWhenJoinLimitCannotBeRead) {
  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);  // JoinLimit never written
  EXPECT_EQ(settings_->SetDisjoinLimit(50), E_FAIL);
  EXPECT_EQ(settings_->SetDisjoinLimit(51), S_OK);

  StoreInteger("JoinLimit", 10);
  CATSettingRepositoryTesting::RefuseReads(kRepository, "JoinLimit", true);
  EXPECT_EQ(settings_->SetDisjoinLimit(50), E_FAIL);
}

struct InfoOperation {
  const char* key;
  InfoGetter get;
};

const InfoOperation kInfoOperations[] = {
    {"CGRLimit", &Settings::GetCGRLimitInfo},
    {"ExportAllBodiesSets", &Settings::GetExportAllBodiesSetsInfo},
    {"ExportStdPropSets", &Settings::GetExportStdPropSetsInfo},
    {"ExportAllPackages", &Settings::GetExportAllPackagesInfo},
    {"ExportMapFileName", &Settings::GetExportMapFileNameInfo},
    {"JoinLimit", &Settings::GetJoinLimitInfo},
    {"DisjoinLimit", &Settings::GetDisjoinLimitInfo},
    {"SagFactor", &Settings::GetSagFactorInfo},
    {"Angle", &Settings::GetAngleInfo},
    {"Representation", &Settings::GetRepresentationInfo},
    {"ExportOption", &Settings::GetExportOptionInfo},
    {"BEPerPart", &Settings::GetBEPerPartInfo},
    {"MaxBEPerPart", &Settings::GetMaxBEPerPartInfo},
    {"SectionCatalogName", &Settings::GetSectionCatalogNameInfo},
    {"ImportMapFileName", &Settings::GetImportMapFileNameInfo},
    {"ExportSpaceBoundaries", &Settings::GetExportSpaceBoundariesInfo},
    {"ExportGeoSetsAndBodies", &Settings::GetExportGeoSetsAndBodiesInfo},
    {"ExportXRefs", &Settings::GetExportXRefsInfo},
    {"ExportSATFiles", &Settings::GetExportSATFilesInfo},
    {"BrepOptNormalsOrientation", &Settings::GetBrepOptNormalsOrientationInfo},
    {"BrepOptMergeVertices", &Settings::GetBrepOptMergeVerticesInfo},
    {"BrepOptDecimateTriangles", &Settings::GetBrepOptDecimateTrianglesInfo},
};

TEST_F(IfcSettingsTest, InfoOperationsDescribeTheirOwnKey) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  for (const InfoOperation& operation : kInfoOperations) {
    SCOPED_TRACE(operation.key);
    CATSettingInfo info;
    EXPECT_EQ((settings.*operation.get)(&info, 0), S_OK);
    EXPECT_EQ(info.GetKey(), operation.key);
    EXPECT_EQ((settings.*operation.get)(nullptr, 0), E_FAIL);
    // The option goes to the repository, which takes only 0.
    EXPECT_EQ((settings.*operation.get)(&info, 1), E_FAIL);
    CATSettingRepositoryTesting::RefuseReads(kRepository, operation.key, true);
    EXPECT_EQ((settings.*operation.get)(&info, 0), E_FAIL);
  }
}

TEST_F(IfcSettingsTest, ChoiceSettersTakeOnlyTheirTwoWordsInExactCase) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  const struct {
    ChoiceSetter set;
    const char* key;
    const char* word;
    HRESULT expected;
  } cases[] = {
      {&Settings::SetExportOption, "ExportOption", "Surfacic", S_OK},
      {&Settings::SetExportOption, "ExportOption", "Detailed", S_OK},
      {&Settings::SetExportOption, "ExportOption", "surfacic", E_FAIL},
      {&Settings::SetExportOption, "ExportOption", "", E_FAIL},
      {&Settings::SetBEPerPart, "BEPerPart", "Single", S_OK},
      {&Settings::SetBEPerPart, "BEPerPart", "Multiple", S_OK},
      {&Settings::SetBEPerPart, "BEPerPart", "single", E_FAIL},
      {&Settings::SetBEPerPart, "BEPerPart", "Multiple ", E_FAIL},
      {&Settings::SetRepresentation, "Representation", "Triangulated", S_OK},
      {&Settings::SetRepresentation, "Representation", "BRep", S_OK},
      {&Settings::SetRepresentation, "Representation", "BREP", E_FAIL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    StoreText(c.key, "before");
    EXPECT_EQ((settings.*c.set)(c.word), c.expected);
    EXPECT_EQ(StoredText(c.key), c.expected == S_OK ? c.word : "before");
  }
}

TEST_F(IfcSettingsTest, RepresentationIsAlwaysAnsweredAsBRep) {
  ASSERT_EQ(settings_->SetRepresentation("Triangulated"), S_OK);
  CATString value("Triangulated");
  EXPECT_EQ(settings_->GetRepresentation(value), S_OK);
  EXPECT_EQ(value, "BRep");
}

TEST_F(IfcSettingsTest, ChoiceGettersKeepTheCallersTextWhenNothingUsableIsRead) {
  CATString value("mine");
  EXPECT_EQ(settings_->GetExportOption(value), S_OK);
  EXPECT_EQ(value, "Detailed");  // a key never written reads as its default

  StoreText("ExportOption", "Surfacic");
  EXPECT_EQ(settings_->GetExportOption(value), S_OK);
  EXPECT_EQ(value, "Surfacic");

  value = "mine";
  StoreText("ExportOption", "");
  EXPECT_EQ(settings_->GetExportOption(value), S_OK);
  EXPECT_EQ(value, "mine");

  StoreText("BEPerPart", "Single");
  CATSettingRepositoryTesting::RefuseReads(kRepository, "ExportOption", true);
  CATSettingRepositoryTesting::RefuseReads(kRepository, "BEPerPart", true);
  EXPECT_EQ(settings_->GetExportOption(value), S_OK);
  EXPECT_EQ(value, "mine");
  EXPECT_EQ(settings_->GetBEPerPart(value), S_OK);
  EXPECT_EQ(value, "mine");
}

TEST_F(IfcSettingsTest, FileNamesAreStoredAsTheyStandAndEmptiedOnAFailedRead) {
  const CATUnicodeString exportMap("C:\\Maps\\Zürich export.csv");
  ASSERT_EQ(settings_->SetExportMapFileName(exportMap), S_OK);
  ASSERT_EQ(settings_->SetImportMapFileName(""), S_OK);
  CATUnicodeString value("stale");
  EXPECT_EQ(settings_->GetExportMapFileName(value), S_OK);
  EXPECT_EQ(value, exportMap);
  EXPECT_EQ(settings_->GetImportMapFileName(value), S_OK);
  EXPECT_EQ(value, "");

  CATSettingRepositoryTesting::RefuseReads(kRepository, "ExportMapFileName", true);
  value = "stale";
  EXPECT_EQ(settings_->GetExportMapFileName(value), E_FAIL);
  EXPECT_EQ(value, "");
  CATSettingRepositoryTesting::RefuseWrites(kRepository, "ImportMapFileName", true);
  EXPECT_EQ(settings_->SetImportMapFileName("x.csv"), E_FAIL);
}

TEST_F(IfcSettingsTest, WithoutRepositoryOnlyGetRepresentationSucceeds) {
  CATSettingRepositoryTesting::SetUnavailable(kRepository, true);
  AXOETrsIfcSettingAtt* detached = new AXOETrsIfcSettingAtt();

  int number = -1;
  EXPECT_EQ(detached->GetMaxBEPerPart(number), E_FAIL);
  EXPECT_EQ(number, 200);  // preset all the same
  EXPECT_EQ(detached->SetImportPSet(1), E_FAIL);
  CATUnicodeString text("stale");
  EXPECT_EQ(detached->GetImportMapFileName(text), E_FAIL);
  EXPECT_EQ(text, "");
  text = "stale";
  EXPECT_EQ(detached->GetSectionCatalogName(text), E_FAIL);
  EXPECT_EQ(text, "");
  EXPECT_EQ(detached->SetSectionCatalogName("IPE"), E_FAIL);
  CATString word("mine");
  EXPECT_EQ(detached->GetBEPerPart(word), E_FAIL);
  EXPECT_EQ(word, "mine");
  EXPECT_EQ(detached->SetExportOption("Surfacic"), E_FAIL);
  CATSettingInfo info;
  EXPECT_EQ(detached->GetAngleInfo(&info, 0), E_FAIL);
  CATICkeParm_var parm;
  EXPECT_EQ(detached->GetCGRLimitParm(parm), E_FAIL);
  EXPECT_EQ(detached->GetSagFactorParm(parm), E_FAIL);
  EXPECT_TRUE(!parm);
  EXPECT_EQ(detached->Initialize(), E_FAIL);
  EXPECT_EQ(detached->GetRepresentation(word), S_OK);
  EXPECT_EQ(word, "BRep");
  detached->Release();
}

}  // namespace
