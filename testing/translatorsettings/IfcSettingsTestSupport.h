#ifndef IfcSettingsTestSupport_h
#define IfcSettingsTestSupport_h

// The fixture of the IFC settings tests: a fresh extension over a fresh
// "AXOIfcExport" repository in the test's own settings folder, direct
// access to that repository, and a check that every object made was
// released.

#include <gtest/gtest.h>

#include <string>

#include "CATCkeGlobalFunctions.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"
#include "translatorsettings/AXOETrsIfcSettingAtt.h"

class IfcSettingsTest : public CATSettingTestFolder {
 protected:
  static constexpr const char* kRepository = "AXOIfcExport";

  void SetUp() override {
    CATSettingTestFolder::SetUp();
    live_before_ = CATBaseUnknown::LiveObjectCount();
    settings_ = new AXOETrsIfcSettingAtt();
  }
  void TearDown() override {
    settings_->Release();
    CATCkeGlobalFunctions::SetVolatileFactoryAvailableForTesting(true);
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before_);
    CATSettingTestFolder::TearDown();
  }

  // The repository behind the extension, for writing and reading around it.
  static CATSettingRepository* Repository() {
    return CATSettingRepository::GetRepository(kRepository, 0, 1, nullptr);
  }
  static void StoreInteger(const char* key, int value) {
    ASSERT_EQ(Repository()->WriteSetting(key, &value), 1);
  }
  static void StoreText(const char* key, const char* text) {
    const CATString value(text);
    ASSERT_EQ(Repository()->WriteSetting(key, &value), 1);
  }
  static int StoredInteger(const char* key) {
    int value = -12345;
    Repository()->ReadSetting(key, &value);
    return value;
  }
  static std::string StoredText(const char* key) {
    CATString value("<none>");
    Repository()->ReadSetting(key, &value);
    return value.CastToCharPtr();
  }

  // Tests that call operations through member pointers do so on a local
  // reference to it: GCC 12 instruments `settings_->*member` wrongly under
  // UBSan (a false "invalid vptr" on the fixture).
  AXOETrsIfcSettingAtt* settings_ = nullptr;

 private:
  long live_before_ = 0;
};

#endif  // IfcSettingsTestSupport_h
