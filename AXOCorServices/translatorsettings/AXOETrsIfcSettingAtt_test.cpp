#include <climits>
#include <string>

#include "CATSettingInfo.h"
#include "translatorsettings/AXOTrsSettingDescription.h"
#include "translatorsettings/IfcSettingsTestSupport.h"

namespace {

using Settings = AXOETrsIfcSettingAtt;
using ChoiceSetter = HRESULT (Settings::*)(const CATString&);

// The integer operations, with their row of the description.
struct IntegerAttribute {
  const char* key;
  HRESULT (Settings::*get)(int&);
  HRESULT (Settings::*set)(const int&);

  const axo_settings::Setting& Row() const {
    return axo_settings::SettingOf(axo_settings::kIfc, key);
  }
  // The smallest value a write accepts on a repository that holds no
  // setting it must exceed (INT_MIN: any).
  int Minimum() const {
    const axo_settings::Setting& row = Row();
    if (row.above == nullptr) return row.minimum;
    return axo_settings::SettingOf(axo_settings::kIfc, row.above).defaultNumber + 1;
  }
};

const IntegerAttribute kIntegers[] = {
    {"CGRLimit", &Settings::GetCGRLimit, &Settings::SetCGRLimit},
    {"ExportAllBodiesSets", &Settings::GetExportAllBodiesSets, &Settings::SetExportAllBodiesSets},
    {"ExportStdPropSets", &Settings::GetExportStdPropSets, &Settings::SetExportStdPropSets},
    {"ExportAllPackages", &Settings::GetExportAllPackages, &Settings::SetExportAllPackages},
    {"JoinLimit", &Settings::GetJoinLimit, &Settings::SetJoinLimit},
    {"DisjoinLimit", &Settings::GetDisjoinLimit, &Settings::SetDisjoinLimit},
    {"ImportPSet", &Settings::GetImportPSet, &Settings::SetImportPSet},
    {"MaxBEPerPart", &Settings::GetMaxBEPerPart, &Settings::SetMaxBEPerPart},
    {"ExportSpaceBoundaries", &Settings::GetExportSpaceBoundaries,
     &Settings::SetExportSpaceBoundaries},
    {"ExportGeoSetsAndBodies", &Settings::GetExportGeoSetsAndBodies,
     &Settings::SetExportGeoSetsAndBodies},
    {"ExportXRefs", &Settings::GetExportXRefs, &Settings::SetExportXRefs},
    {"ExportSATFiles", &Settings::GetExportSATFiles, &Settings::SetExportSATFiles},
    {"BrepOptNormalsOrientation", &Settings::GetBrepOptNormalsOrientation,
     &Settings::SetBrepOptNormalsOrientation},
    {"BrepOptMergeVertices", &Settings::GetBrepOptMergeVertices,
     &Settings::SetBrepOptMergeVertices},
    {"BrepOptDecimateTriangles", &Settings::GetBrepOptDecimateTriangles,
     &Settings::SetBrepOptDecimateTriangles},
};

// A key never written reads as present and keeps the preset default; a
// refused read fails, and the default is there all the same.
TEST_F(IfcSettingsTest, IntegerGettersDeliverTheDefaultOfAKeyNotRead) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  for (const bool refused : {false, true}) {
    for (const IntegerAttribute& attribute : kIntegers) {
      SCOPED_TRACE(attribute.key);
      CATSettingRepositoryTesting::RefuseReads(kRepository, attribute.key, refused);
      int value = -777;
      EXPECT_EQ((settings.*attribute.get)(value), refused ? E_FAIL : S_OK);
      EXPECT_EQ(value, attribute.Row().defaultNumber);
    }
  }
}

// Each on a fresh repository, where DisjoinLimit must exceed the preset 50.
TEST_F(IfcSettingsTest, IntegerSettersAcceptValuesFromTheirMinimumUp) {
  AXOETrsIfcSettingAtt& settings = *settings_;
  for (const IntegerAttribute& attribute : kIntegers) {
    SCOPED_TRACE(attribute.key);
    CATSettingRepositoryTesting::ResetAll();
    StoreInteger(attribute.key, 7777);
    const int minimum = attribute.Minimum();
    if (minimum != INT_MIN) {
      EXPECT_EQ((settings.*attribute.set)(minimum - 1), E_FAIL);
      EXPECT_EQ(StoredInteger(attribute.key), 7777);
    }
    EXPECT_EQ((settings.*attribute.set)(minimum), S_OK);
    EXPECT_EQ(StoredInteger(attribute.key), minimum);
    CATSettingRepositoryTesting::RefuseWrites(kRepository, attribute.key, true);
    EXPECT_EQ((settings.*attribute.set)(INT_MAX), E_FAIL);
  }
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
  // A JoinLimit that cannot be read counts as 50.
  CATSettingRepositoryTesting::RefuseReads(kRepository, "JoinLimit", true);
  EXPECT_EQ(settings_->SetDisjoinLimit(50), E_FAIL);
  EXPECT_EQ(settings_->SetDisjoinLimit(51), S_OK);
}

TEST_F(IfcSettingsTest, InfoPassesTheOptionOnAndFailsWithTheRepository) {
  CATSettingInfo info;
  EXPECT_EQ(settings_->GetJoinLimitInfo(&info, 0), S_OK);
  EXPECT_EQ(settings_->GetJoinLimitInfo(nullptr, 0), E_FAIL);
  EXPECT_EQ(settings_->GetJoinLimitInfo(&info, 1), E_FAIL);  // the repository takes only 0
  CATSettingRepositoryTesting::RefuseReads(kRepository, "JoinLimit", true);
  EXPECT_EQ(settings_->GetJoinLimitInfo(&info, 0), E_FAIL);
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
  CATSettingRepositoryTesting::RefuseWrites(kRepository, "BEPerPart", true);
  EXPECT_EQ(settings_->SetBEPerPart("Single"), E_FAIL);
}

TEST_F(IfcSettingsTest, ChoiceGettersKeepTheCallersTextWhenNothingUsableIsRead) {
  CATString value("mine");
  EXPECT_EQ(settings_->GetExportOption(value), S_OK);
  EXPECT_EQ(value, "Detailed");  // a key never written reads as its default

  StoreText("ExportOption", "Surfacic");
  CATSettingRepositoryTesting::OverstateReads(kRepository, "ExportOption", true);
  EXPECT_EQ(settings_->GetExportOption(value), S_OK);  // any number of values counts
  EXPECT_EQ(value, "Surfacic");

  value = "mine";
  StoreText("ExportOption", "");
  EXPECT_EQ(settings_->GetExportOption(value), S_OK);
  EXPECT_EQ(value, "mine");

  StoreText("BEPerPart", "Single");
  CATSettingRepositoryTesting::RefuseReads(kRepository, "BEPerPart", true);
  EXPECT_EQ(settings_->GetBEPerPart(value), S_OK);
  EXPECT_EQ(value, "mine");
}

TEST_F(IfcSettingsTest, FileNamesAreStoredAsTheyStandAndEmptiedOnAFailedRead) {
  const CATUnicodeString exportMap("C:\\Maps\\Zürich export.csv");
  ASSERT_EQ(settings_->SetExportMapFileName(exportMap), S_OK);
  ASSERT_EQ(settings_->SetImportMapFileName(""), S_OK);
  CATSettingRepositoryTesting::OverstateReads(kRepository, "ExportMapFileName", true);
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
