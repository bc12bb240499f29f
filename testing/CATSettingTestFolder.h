#ifndef CATSettingTestFolder_h
#define CATSettingTestFolder_h

// Test support (GoogleTest): a fixture whose settings folder
// ("CATUserSettingPath") is a new empty folder "user" below a folder of its
// own, with no administrator folder, and whose repositories start as in a
// new process.
//
// A test program that the test starts as a child process inherits the
// folder (through the variable AXO_TEST_SETTING_FOLDER) and uses it as it
// stands, so that what the parent saved is there to read; only the parent
// removes it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "AXOPlatform.h"
#include "CATSettingRepositoryTesting.h"

class CATSettingTestFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    AXOPlatform* platform = AXOPlatform::Get();
    std::string inherited;
    owner_ = !platform->GetEnv(kFolderVariable, inherited).ok() || inherited.empty();
    if (owner_) {
      static int serial = 0;
      folder_ =
          std::filesystem::temp_directory_path() /
          ("catsettings-" + std::to_string(platform->ProcessId()) + "-" + std::to_string(++serial));
      std::filesystem::remove_all(folder_);
      std::filesystem::create_directories(folder_ / "user");
      platform->SetEnv(kFolderVariable, folder_.u8string().c_str());
    } else {
      folder_ = std::filesystem::u8path(inherited);
    }
    platform->SetEnv("CATUserSettingPath", (folder_ / "user").u8string().c_str());
    platform->SetEnv("CATReferenceSettingPath", nullptr);
    CATSettingRepositoryTesting::ResetAll();
  }

  void TearDown() override {
    CATSettingRepositoryTesting::ResetAll();
    AXOPlatform* platform = AXOPlatform::Get();
    platform->SetEnv("CATUserSettingPath", nullptr);
    platform->SetEnv("CATReferenceSettingPath", nullptr);
    if (owner_) {
      platform->SetEnv(kFolderVariable, nullptr);
      std::error_code ignored;
      std::filesystem::remove_all(folder_, ignored);
    }
  }

  // The file of the repository `name` in the user's settings folder.
  std::filesystem::path UserFile(const std::string& name) const {
    return folder_ / "user" / (name + ".axosettings");
  }

  // Makes `folder` (below the test's folder) the administrator's folder.
  std::filesystem::path UseAdminFolder(const std::string& folder) {
    const std::filesystem::path admin = folder_ / folder;
    std::filesystem::create_directories(admin);
    AXOPlatform::Get()->SetEnv("CATReferenceSettingPath", admin.u8string().c_str());
    return admin;
  }

  static std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  static void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
  }

  static constexpr const char* kFolderVariable = "AXO_TEST_SETTING_FOLDER";

  std::filesystem::path folder_;
  bool owner_ = true;
};

#endif  // CATSettingTestFolder_h
