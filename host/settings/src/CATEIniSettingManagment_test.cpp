#include "CATEIniSettingManagment.h"

#include <gtest/gtest.h>

#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"

namespace {

class CATEIniSettingManagmentTest : public CATSettingTestFolder {
 protected:
  void SetUp() override {
    CATSettingTestFolder::SetUp();
    management_ = new CATEIniSettingManagment("Managed");
    repository_ = CATSettingRepository::GetRepository("Managed", 0, 1, nullptr);
  }
  void TearDown() override {
    management_->Release();
    CATSettingTestFolder::TearDown();
  }
  int Read(const char* key, int preset) {
    repository_->ReadSetting(key, &preset, 1);
    return preset;
  }
  void Write(const char* key, int value) { repository_->WriteSetting(key, &value, 1, 0); }

  CATEIniSettingManagment* management_ = nullptr;
  CATSettingRepository* repository_ = nullptr;
};

TEST_F(CATEIniSettingManagmentTest, AppliesEachOperationToItsRepository) {
  Write("Key", 1);
  EXPECT_EQ(management_->Commit(), S_OK);
  Write("Key", 2);
  EXPECT_EQ(management_->Rollback(), S_OK);
  EXPECT_EQ(Read("Key", 0), 1);

  EXPECT_EQ(management_->SaveRepository(), S_OK);
  EXPECT_EQ(ReadFile(UserFile("Managed")), "CATSettings 2\nKey\tint\t1\nCATSettings end 1\n");
  EXPECT_FALSE(std::filesystem::exists(UserFile("Other")));

  EXPECT_EQ(management_->ResetToAdminValues(), S_OK);
  EXPECT_EQ(Read("Key", 99), 99);
}

TEST_F(CATEIniSettingManagmentTest, FailsEveryOperationWithoutItsRepository) {
  CATSettingRepositoryTesting::SetUnavailable("Managed", true);
  EXPECT_EQ(management_->Commit(), E_FAIL);
  EXPECT_EQ(management_->ResetToAdminValues(), E_FAIL);
  EXPECT_EQ(management_->Rollback(), E_FAIL);
  EXPECT_EQ(management_->SaveRepository(), E_FAIL);
  EXPECT_FALSE(std::filesystem::exists(UserFile("Managed")));
}

TEST_F(CATEIniSettingManagmentTest, IsDeclaredToTheObjectModel) {
  EXPECT_STREQ(management_->IsA(), "CATEIniSettingManagment");
  EXPECT_TRUE(management_->IsAKindOf("CATBaseUnknown"));
  EXPECT_FALSE(management_->IsAKindOf("CATIIniSettingManagment"));
}

}  // namespace
