#include "translatorsettings/AXOETrsDxfSettingAtt.h"

#include <gtest/gtest.h>

#include <climits>

#include "CATSettingInfo.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"
#include "translatorsettings/AXOTrsSettingDescription.h"

namespace {

const char* const kRepository = axo_settings::kDxf.repository;

typedef HRESULT (AXOETrsDxfSettingAtt::*Getter)(int&);
typedef HRESULT (AXOETrsDxfSettingAtt::*Setter)(const int&);

// The integer operations; their defaults are the description's.
struct IntegerSetting {
  const char* key;
  Getter get;
  Setter set;

  int Default() const { return axo_settings::SettingOf(axo_settings::kDxf, key).defaultNumber; }
};

const IntegerSetting kIntegers[] = {
    {"ImportLayerToComp", &AXOETrsDxfSettingAtt::GetImportLayerToComp,
     &AXOETrsDxfSettingAtt::SetImportLayerToComp},
    {"FilePerSolid", &AXOETrsDxfSettingAtt::GetFilePerSolid,
     &AXOETrsDxfSettingAtt::SetFilePerSolid},
    {"FilePerSurfaceMesh", &AXOETrsDxfSettingAtt::GetFilePerSurfaceMesh,
     &AXOETrsDxfSettingAtt::SetFilePerSurfaceMesh},
    {"ImportAsPartCGR", &AXOETrsDxfSettingAtt::GetImportAsPartCGR,
     &AXOETrsDxfSettingAtt::SetImportAsPartCGR},
    {"CLDLimit", &AXOETrsDxfSettingAtt::GetCLDLimit, &AXOETrsDxfSettingAtt::SetCLDLimit},
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
  CATSettingInfo::Type StoredType(const char* key) {
    CATSettingInfo info;
    Repository()->GetInfo(key, &info, 0);
    return info.GetType();
  }

  AXOETrsDxfSettingAtt* settings_ = nullptr;
};

// A key never written reads as present and keeps the preset default; a
// refused read fails, and the default is there all the same.
TEST_F(AXOETrsDxfSettingAttTest, GettersDeliverTheDefaultOfAKeyNotRead) {
  for (const bool refused : {false, true}) {
    for (const IntegerSetting& s : kIntegers) {
      SCOPED_TRACE(s.key);
      CATSettingRepositoryTesting::RefuseReads(kRepository, s.key, refused);
      int value = -77;
      EXPECT_EQ((Settings().*s.get)(value), refused ? E_FAIL : S_OK);
      EXPECT_EQ(value, s.Default());
    }
  }
}

TEST_F(AXOETrsDxfSettingAttTest, SettersStoreAnyIntegerAndFailWhenTheWriteIsRefused) {
  for (const IntegerSetting& s : kIntegers) {
    SCOPED_TRACE(s.key);
    for (const int value : {-1, INT_MAX}) {
      EXPECT_EQ((Settings().*s.set)(value), S_OK);
      int read = 0;
      EXPECT_EQ((Settings().*s.get)(read), S_OK);
      EXPECT_EQ(read, value);
    }
    EXPECT_EQ(StoredType(s.key), CATSettingInfo::TypeInteger);
    CATSettingRepositoryTesting::RefuseWrites(kRepository, s.key, true);
    EXPECT_EQ((Settings().*s.set)(2), E_FAIL);
  }
  EXPECT_EQ(Settings().SetUnitOfDxfFile(9), S_OK);  // any unit, in the long form
  EXPECT_EQ(StoredType("UnitOfDxfFile"), CATSettingInfo::TypeLong);
  int unit = 0;
  EXPECT_EQ(Settings().GetUnitOfDxfFile(unit), S_OK);
  EXPECT_EQ(unit, 9);
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

// The unit counts as read only when exactly one value is reported; the
// other integers when any is.
TEST_F(AXOETrsDxfSettingAttTest, AUnitNotReadAsOneValueCountsAsMillimetres) {
  StoreUnit(4);
  for (const bool overstated : {false, true}) {
    SCOPED_TRACE(overstated ? "more than one value reported" : "read refused");
    CATSettingRepositoryTesting::RefuseReads(kRepository, "UnitOfDxfFile", !overstated);
    CATSettingRepositoryTesting::OverstateReads(kRepository, "UnitOfDxfFile", overstated);
    CATSettingRepositoryTesting::OverstateReads(kRepository, "CLDLimit", overstated);
    double scale = -1.0;
    EXPECT_EQ(Settings().GetUnitOfDxfFileScale(scale), S_OK);
    EXPECT_EQ(scale, 1.0);
    int unit = -77;
    EXPECT_EQ(Settings().GetUnitOfDxfFile(unit), E_FAIL);
    EXPECT_EQ(unit, -77);  // no default is delivered for the unit
    EXPECT_EQ(Settings().Initialize(), S_OK);
  }
  int limit = 0;
  EXPECT_EQ(Settings().GetCLDLimit(limit), S_OK);
  EXPECT_EQ(limit, 5000);
}

TEST_F(AXOETrsDxfSettingAttTest, UnitInfoIsANewArrayOfOneRecordOrNone) {
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

  // Nothing is written through a null pointer.
  CATSettingInfo sentinel[1];
  info = sentinel;
  count = -1;
  EXPECT_EQ(Settings().GetUnitOfDxfFileInfo(&info, nullptr), E_FAIL);
  EXPECT_EQ(info, sentinel);
  EXPECT_EQ(Settings().GetUnitOfDxfFileInfo(nullptr, &count), E_FAIL);
  EXPECT_EQ(count, -1);

  CATSettingRepositoryTesting::RefuseReads(kRepository, "UnitOfDxfFile", true);
  EXPECT_EQ(Settings().GetUnitOfDxfFileInfo(&info, &count), E_FAIL);
  EXPECT_EQ(info, nullptr);
  EXPECT_EQ(count, 0);
}

TEST_F(AXOETrsDxfSettingAttTest, InitializeIgnoresTheUnitButNeedsEveryInteger) {
  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);
  for (const IntegerSetting& s : kIntegers) (Settings().*s.set)(1);
  EXPECT_EQ(Settings().Initialize(), S_OK);  // "UnitOfDxfFile" was never written

  for (const IntegerSetting& s : kIntegers) {
    SCOPED_TRACE(s.key);
    CATSettingRepositoryTesting::RefuseReads(kRepository, s.key, true);
    EXPECT_EQ(Settings().Initialize(), E_FAIL);
    CATSettingRepositoryTesting::RefuseReads(kRepository, s.key, false);
  }
}

TEST_F(AXOETrsDxfSettingAttTest, WithoutARepositoryEverythingFailsButTheScale) {
  CATSettingRepositoryTesting::SetUnavailable(kRepository, true);
  EXPECT_EQ(Settings().Initialize(), E_FAIL);
  for (const IntegerSetting& s : kIntegers) {
    SCOPED_TRACE(s.key);
    int value = -77;
    EXPECT_EQ((Settings().*s.get)(value), E_FAIL);
    EXPECT_EQ(value, s.Default());
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
  EXPECT_EQ(StoredType("CLDLimit"), CATSettingInfo::TypeNone);
}

}  // namespace
