#include "AXOETrsDxfSettingAtt.h"

#include <gtest/gtest.h>

#include "CATSettingInfo.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"

namespace {

const char kRepository[] = "AXODxfUnitTypeElt";

typedef HRESULT (AXOETrsDxfSettingAtt::*Getter)(int&);
typedef HRESULT (AXOETrsDxfSettingAtt::*Setter)(const int&);

struct IntegerSetting {
  const char* key;
  int defaultValue;
  Getter get;
  Setter set;
};

const IntegerSetting kIntegers[] = {
    {"ImportLayerToComp", 0, &AXOETrsDxfSettingAtt::GetImportLayerToComp,
     &AXOETrsDxfSettingAtt::SetImportLayerToComp},
    {"FilePerSolid", 0, &AXOETrsDxfSettingAtt::GetFilePerSolid,
     &AXOETrsDxfSettingAtt::SetFilePerSolid},
    {"FilePerSurfaceMesh", 0, &AXOETrsDxfSettingAtt::GetFilePerSurfaceMesh,
     &AXOETrsDxfSettingAtt::SetFilePerSurfaceMesh},
    {"ImportAsPartCGR", 0, &AXOETrsDxfSettingAtt::GetImportAsPartCGR,
     &AXOETrsDxfSettingAtt::SetImportAsPartCGR},
    {"CLDLimit", 5000, &AXOETrsDxfSettingAtt::GetCLDLimit, &AXOETrsDxfSettingAtt::SetCLDLimit},
};

class AXOETrsDxfSettingAttTest : public CATSettingTestFolder {
 protected:
  void TearDown() override {
    if (settings_ != nullptr) settings_->Release();
    CATSettingTestFolder::TearDown();
  }
  // The extension, made after the test has prepared the repository.
  AXOETrsDxfSettingAtt& Settings() {
    if (settings_ == nullptr) settings_ = new AXOETrsDxfSettingAtt();
    return *settings_;
  }
  CATSettingRepository* Repository() {
    return CATSettingRepository::GetRepository(kRepository, 0, 1, nullptr);
  }
  void StoreUnit(long unit) { ASSERT_EQ(Repository()->WriteSetting("UnitOfDxfFile", &unit), 1); }
  void StoreInteger(const char* key, int value) {
    ASSERT_EQ(Repository()->WriteSetting(key, &value), 1);
  }

  AXOETrsDxfSettingAtt* settings_ = nullptr;
};

TEST_F(AXOETrsDxfSettingAttTest, OnAFreshInstallationEveryGetterGivesItsDefault) {
  EXPECT_EQ(Settings().Initialize(), S_OK);
  for (const IntegerSetting& s : kIntegers) {
    SCOPED_TRACE(s.key);
    int value = -77;
    EXPECT_EQ((Settings().*s.get)(value), S_OK);
    EXPECT_EQ(value, s.defaultValue);
  }
  int unit = -77;
  EXPECT_EQ(Settings().GetUnitOfDxfFile(unit), S_OK);
  EXPECT_EQ(unit, 0);
  double scale = 0.0;
  EXPECT_EQ(Settings().GetUnitOfDxfFileScale(scale), S_OK);
  EXPECT_EQ(scale, 1.0);
}

TEST_F(AXOETrsDxfSettingAttTest, SettersStoreAnyValueThatTheGettersReadBack) {
  for (const IntegerSetting& s : kIntegers) {
    for (const int value : {-1, 0, 7, 2147483647}) {
      SCOPED_TRACE(s.key);
      SCOPED_TRACE(value);
      EXPECT_EQ((Settings().*s.set)(value), S_OK);
      int read = 0;
      EXPECT_EQ((Settings().*s.get)(read), S_OK);
      EXPECT_EQ(read, value);
      CATSettingInfo info;
      ASSERT_EQ(Repository()->GetInfo(s.key, &info, 0), 0);
      EXPECT_EQ(info.GetType(), CATSettingInfo::TypeInteger);
    }
  }
  // Nothing is saved by the setters.
  EXPECT_FALSE(std::filesystem::exists(UserFile(kRepository)));
}

TEST_F(AXOETrsDxfSettingAttTest, GettersDeliverTheirDefaultWhenTheReadIsRefused) {
  for (const IntegerSetting& s : kIntegers) {
    SCOPED_TRACE(s.key);
    StoreInteger(s.key, 123);
    CATSettingRepositoryTesting::RefuseReads(kRepository, s.key, true);
    int value = -77;
    EXPECT_EQ((Settings().*s.get)(value), E_FAIL);
    EXPECT_EQ(value, s.defaultValue);
  }
}

TEST_F(AXOETrsDxfSettingAttTest, SettersFailWhenTheWriteIsRefused) {
  for (const IntegerSetting& s : kIntegers) {
    SCOPED_TRACE(s.key);
    StoreInteger(s.key, 1);
    CATSettingRepositoryTesting::RefuseWrites(kRepository, s.key, true);
    EXPECT_EQ((Settings().*s.set)(2), E_FAIL);
    int value = 0;
    EXPECT_EQ((Settings().*s.get)(value), S_OK);
    EXPECT_EQ(value, 1);
  }
  CATSettingRepositoryTesting::RefuseWrites(kRepository, "UnitOfDxfFile", true);
  EXPECT_EQ(Settings().SetUnitOfDxfFile(2), E_FAIL);
}

TEST_F(AXOETrsDxfSettingAttTest, ScaleFollowsTheUnitTable) {
  struct Case {
    long unit;
    double scale;
    HRESULT result;
  } const cases[] = {{0, 1.0, S_OK},   {1, 10.0, S_OK},   {2, 1000.0, S_OK},
                     {3, 25.4, S_OK},  {4, 304.8, S_OK},  {5, 1.0, E_FAIL},
                     {7, 1.0, E_FAIL}, {-1, 1.0, E_FAIL}, {2147483647, 1.0, E_FAIL}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.unit);
    StoreUnit(c.unit);
    double scale = -1.0;
    EXPECT_EQ(Settings().GetUnitOfDxfFileScale(scale), c.result);
    EXPECT_EQ(scale, c.scale);
  }
}

TEST_F(AXOETrsDxfSettingAttTest, AnUnreadableUnitCountsAsMillimetres) {
  StoreUnit(4);
  CATSettingRepositoryTesting::RefuseReads(kRepository, "UnitOfDxfFile", true);
  double scale = -1.0;
  EXPECT_EQ(Settings().GetUnitOfDxfFileScale(scale), S_OK);
  EXPECT_EQ(scale, 1.0);
  int unit = -77;
  EXPECT_EQ(Settings().GetUnitOfDxfFile(unit), E_FAIL);
  EXPECT_EQ(unit, -77);  // no default is delivered for the unit
}

TEST_F(AXOETrsDxfSettingAttTest, AnyUnitIsStoredInTheLongForm) {
  EXPECT_EQ(Settings().SetUnitOfDxfFile(9), S_OK);
  int unit = 0;
  EXPECT_EQ(Settings().GetUnitOfDxfFile(unit), S_OK);
  EXPECT_EQ(unit, 9);
  double scale = 0.0;
  EXPECT_EQ(Settings().GetUnitOfDxfFileScale(scale), E_FAIL);
  EXPECT_EQ(scale, 1.0);
  CATSettingInfo info;
  ASSERT_EQ(Repository()->GetInfo("UnitOfDxfFile", &info, 0), 0);
  EXPECT_EQ(info.GetType(), CATSettingInfo::TypeLong);
}

TEST_F(AXOETrsDxfSettingAttTest, UnitInfoIsANewArrayOfOneRecord) {
  EXPECT_EQ(Settings().SetUnitOfDxfFile(3), S_OK);
  CATSettingInfo* info = nullptr;
  int count = -1;
  ASSERT_EQ(Settings().GetUnitOfDxfFileInfo(&info, &count), S_OK);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(info[0].GetKey(), "UnitOfDxfFile");
  EXPECT_EQ(info[0].GetType(), CATSettingInfo::TypeLong);
  EXPECT_EQ(info[0].GetCount(), 1);
  delete[] info;
}

TEST_F(AXOETrsDxfSettingAttTest, UnitInfoWritesNothingThroughANullPointer) {
  CATSettingInfo sentinel[1];
  CATSettingInfo* info = sentinel;
  int count = -1;
  EXPECT_EQ(Settings().GetUnitOfDxfFileInfo(&info, nullptr), E_FAIL);
  EXPECT_EQ(info, sentinel);
  EXPECT_EQ(Settings().GetUnitOfDxfFileInfo(nullptr, &count), E_FAIL);
  EXPECT_EQ(count, -1);
}

TEST_F(AXOETrsDxfSettingAttTest, UnitInfoThatCannotBeHadGivesNoArray) {
  CATSettingRepositoryTesting::RefuseReads(kRepository, "UnitOfDxfFile", true);
  CATSettingInfo sentinel[1];
  CATSettingInfo* info = sentinel;
  int count = -1;
  EXPECT_EQ(Settings().GetUnitOfDxfFileInfo(&info, &count), E_FAIL);
  EXPECT_EQ(info, nullptr);
  EXPECT_EQ(count, 0);
}

TEST_F(AXOETrsDxfSettingAttTest, OperationsWithoutEffectAnswerTheSameWhateverIsStored) {
  for (const bool available : {true, false}) {
    SCOPED_TRACE(available);
    CATSettingRepositoryTesting::SetUnavailable(kRepository, !available);
    AXOETrsDxfSettingAtt* settings = new AXOETrsDxfSettingAtt();
    EXPECT_EQ(settings->IsUnitOfDxfFileEditable(), S_OK);
    EXPECT_EQ(settings->SetUnitOfDxfFileLock(), E_FAIL);
    settings->Release();
  }
}

TEST_F(AXOETrsDxfSettingAttTest, InitializeIgnoresTheUnitButNeedsEveryInteger) {
  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);
  for (const IntegerSetting& s : kIntegers) StoreInteger(s.key, 1);
  EXPECT_EQ(Settings().Initialize(), S_OK);  // "UnitOfDxfFile" was never written

  for (const IntegerSetting& s : kIntegers) {
    SCOPED_TRACE(s.key);
    CATSettingRepositoryTesting::RefuseReads(kRepository, s.key, true);
    EXPECT_EQ(Settings().Initialize(), E_FAIL);
    CATSettingRepositoryTesting::RefuseReads(kRepository, s.key, false);
  }
  EXPECT_EQ(Settings().Initialize(), S_OK);
}

TEST_F(AXOETrsDxfSettingAttTest, WithoutARepositoryEverythingFailsButTheScale) {
  CATSettingRepositoryTesting::SetUnavailable(kRepository, true);
  EXPECT_EQ(Settings().Initialize(), E_FAIL);
  for (const IntegerSetting& s : kIntegers) {
    SCOPED_TRACE(s.key);
    int value = -77;
    EXPECT_EQ((Settings().*s.get)(value), E_FAIL);
    EXPECT_EQ(value, s.defaultValue);
    EXPECT_EQ((Settings().*s.set)(1), E_FAIL);
  }
  int unit = -77;
  EXPECT_EQ(Settings().GetUnitOfDxfFile(unit), E_FAIL);
  EXPECT_EQ(unit, -77);
  EXPECT_EQ(Settings().SetUnitOfDxfFile(1), E_FAIL);
  double scale = -1.0;
  EXPECT_EQ(Settings().GetUnitOfDxfFileScale(scale), S_OK);
  EXPECT_EQ(scale, 1.0);
  CATSettingInfo* info = nullptr;
  int count = -1;
  EXPECT_EQ(Settings().GetUnitOfDxfFileInfo(&info, &count), E_FAIL);
  EXPECT_EQ(count, -1);

  // The host's repository was not touched.
  CATSettingRepositoryTesting::SetUnavailable(kRepository, false);
  CATSettingInfo stored;
  ASSERT_EQ(Repository()->GetInfo("CLDLimit", &stored, 0), 0);
  EXPECT_EQ(stored.GetType(), CATSettingInfo::TypeNone);
}

}  // namespace
