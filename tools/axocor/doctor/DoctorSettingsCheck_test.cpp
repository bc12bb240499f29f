// The settings check hands stored values to the setters: afterwards the
// repositories hold what they held before, in memory as on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AXOTestTempFolder.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "DoctorChecks.h"

namespace axocor::doctor {
namespace {

TEST(DoctorSettings, LeavesTheRepositoriesAsTheyWereRead) {
  AXOTestTempFolder folder;
  std::filesystem::copy(AXOCOR_SAMPLE_INSTALLATION, folder.Native(),
                        std::filesystem::copy_options::recursive);
  // No section catalog: reading it through the interface stores the first
  // steel catalog; a refused value and an accepted one.
  const std::string settings = "CATSettings 1\nCGRLimit\tint\t-5\nJoinLimit\tint\t7\n";
  folder.WriteFile("settings/AXOIfcExport.axosettings", settings);
  Environment environment;
  std::string error;
  ASSERT_TRUE(LoadInstallationFolder(folder.Native().string(), environment, error)) << error;
  ApplyEnvironment(environment);
  CATSettingRepositoryTesting::ResetAll();

  const Report report = RunChecks(environment);
  EXPECT_NE(FormatReportText(report).find("CGRLimit: -5: below 0"), std::string::npos);
  CATSettingRepository* repository = CATSettingRepository::GetRepository("AXOIfcExport", 0, 1);
  ASSERT_NE(repository, nullptr);
  CATUnicodeString catalog("none stored");
  repository->ReadSetting("SectionCatalogName", &catalog);
  EXPECT_EQ(catalog, "none stored");
  int join = 0;
  repository->ReadSetting("JoinLimit", &join);
  EXPECT_EQ(join, 7);
  std::ifstream file(folder.Native("settings/AXOIfcExport.axosettings"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), settings);
}

}  // namespace
}  // namespace axocor::doctor
