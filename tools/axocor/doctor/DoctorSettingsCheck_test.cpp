// The settings check hands stored values to the setters: afterwards the
// repositories hold what they held before, in memory as on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
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

// The file the doctor names for a repository is the one the host keeps it
// in, also for a settings folder whose name holds ";" (no path list).
TEST(DoctorSettings, NamesTheFileTheHostKeepsTheRepositoryIn) {
  AXOTestTempFolder folder;
  folder.WriteFile("a;b/AXOIfcExport.axosettings", "CATSettings 2\nCATSettings end 0\n");
  Environment environment;
  environment.variables = {{"CATUserSettingPath", folder.Host("a;b")}};
  ApplyEnvironment(environment);
  CATSettingRepositoryTesting::ResetAll();
  const std::string report = FormatReportText(RunChecks(environment));
  const std::string file = CATSettingRepository::FileOf("AXOIfcExport");
  EXPECT_EQ(file, (folder.Native("a;b") / "AXOIfcExport.axosettings").u8string());
  EXPECT_NE(report.find("AXOIfcExport: " + file + "\n"), std::string::npos) << report;
}

// The doctor's report on a copy of the sample installation in which
// `change` wrote some files.
std::string ReportOnChangedSample(const std::function<void(AXOTestTempFolder&)>& change) {
  AXOTestTempFolder folder;
  std::filesystem::copy(AXOCOR_SAMPLE_INSTALLATION, folder.Native(),
                        std::filesystem::copy_options::recursive);
  change(folder);
  Environment environment;
  std::string error;
  EXPECT_TRUE(LoadInstallationFolder(folder.Native().string(), environment, error)) << error;
  ApplyEnvironment(environment);
  CATSettingRepositoryTesting::ResetAll();
  return FormatReportText(RunChecks(environment));
}

// A repository file that cannot be read, and one that an earlier save set
// aside, are problems: the user's values in them are not used.
TEST(DoctorSettings, ReportsUnreadableAndSetAsideRepositoryFiles) {
  const std::string text = ReportOnChangedSample([](AXOTestTempFolder& folder) {
    folder.WriteFile("settings/AXOIfcExport.axosettings", "not a settings file\n");
    folder.WriteFile("settings/AXOCatalogSettings.axosettings.unreadable", "damaged");
  });
  EXPECT_NE(text.find("AXOIfcExport.axosettings: cannot be read as settings"), std::string::npos)
      << text;
  EXPECT_NE(text.find("AXOCatalogSettings.axosettings.unreadable: set aside by an earlier save"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("AXODxfUnitTypeElt.axosettings: cannot"), std::string::npos);
}

// The sample's IFC options cut short: the options after the cut are lost,
// and the doctor says so instead of taking their defaults for the user's.
TEST(DoctorSettings, ReportsARepositoryFileCutShort) {
  const std::string text = ReportOnChangedSample([](AXOTestTempFolder& folder) {
    std::ifstream sample(folder.Native("settings/AXOIfcExport.axosettings"), std::ios::binary);
    const std::string whole(std::istreambuf_iterator<char>(sample), {});
    ASSERT_GT(whole.size(), 120u);
    folder.WriteFile("settings/AXOIfcExport.axosettings", whole.substr(0, 120));
  });
  EXPECT_NE(text.find("AXOIfcExport.axosettings: cannot be read as settings"), std::string::npos)
      << text;
}

}  // namespace
}  // namespace axocor::doctor
