// The doctor on whole installations: the sample, and copies of it broken in
// the ways administrators break them.
#include "DoctorChecks.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "AXOPlatform.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"
#include "CATLib.h"
#include "CATSettingRepositoryTesting.h"

namespace axocor::doctor {
namespace {

namespace fs = std::filesystem;

// Every file below `root` with its content and permissions.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {}) + "|" +
                                   std::to_string(static_cast<int>(entry.status().permissions()));
  }
  return files;
}

class Doctor : public ::testing::Test {
 protected:
  void SetUp() override {
    copy_ = fs::temp_directory_path() / ("axo-doctor-" + std::to_string(std::random_device()()));
    fs::copy(AXOCOR_SAMPLE_INSTALLATION, copy_, fs::copy_options::recursive);
  }
  void TearDown() override {
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(copy_, error)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::remove_all(copy_, error);
  }

  // Checks the installation in `folder` as "axocor doctor --root" does and
  // returns the report's JSON, parsed.
  nlohmann::json Check(const fs::path& folder) {
    Environment environment;
    std::string error;
    EXPECT_TRUE(LoadInstallationFolder(folder.string(), environment, error)) << error;
    ApplyEnvironment(environment);
    CATSettingRepositoryTesting::ResetAll();  // as in a new process
    const Report report = RunChecks(environment);
    text_ = FormatReportText(report);
    return nlohmann::json::parse(FormatReportJson(report));
  }

  void Write(const char* relative, const std::string& content, bool append = false) {
    std::ofstream(copy_ / relative, std::ios::binary | (append ? std::ios::app : std::ios::trunc))
        << content;
  }

  fs::path copy_;
  std::string text_;  // the text form of the latest report
};

TEST_F(Doctor, SampleInstallationHasOnlyTheMissingIncludeAndStaysUntouched) {
  const auto before = Snapshot(AXOCOR_SAMPLE_INSTALLATION);
  const nlohmann::json report = Check(AXOCOR_SAMPLE_INSTALLATION);
  EXPECT_EQ(Snapshot(AXOCOR_SAMPLE_INSTALLATION), before);

  ASSERT_EQ(report["problemCount"], 1) << text_;
  EXPECT_EQ(report["problems"][0]["section"], "styleSheets");
  EXPECT_EQ(report["problems"][0]["subject"], "door_hardware.xml");
  EXPECT_NE(report["problems"][0]["text"].get<std::string>().find("style sheet 'Doors'"),
            std::string::npos);
  EXPECT_EQ(report["summary"], "1 problem found");
  std::vector<std::string> sections;
  for (const auto& section : report["sections"]) sections.push_back(section["id"]);
  EXPECT_EQ(sections,
            (std::vector<std::string>{"pathLists", "styleSheets", "catalogs", "dictionaries",
                                      "counters", "settings", "profileMaps"}));
  // What is there is reported too.
  for (const char* shown : {"wall_materials.xml", "EU_HEB", "13. AXOUnspecifiedGroups.CATfct",
                            "14. AXOCustomSteel.CATfct", "holds 41: the next number is 42",
                            "SectionCatalogName: EU_HEB", "404 names exported"}) {
    EXPECT_NE(text_.find(shown), std::string::npos) << shown << "\n" << text_;
  }
}

TEST_F(Doctor, BrokenCopyReportsEachFault) {
  const fs::path steel = copy_ / "startup/site/Catalogs/Structural Steel";
  fs::create_directories(steel / "Asian");
  Write("startup/site/Catalogs/Structural Steel/Loose.catalog", "loose\n");
  fs::permissions(copy_ / "startup/main/IDSequenceNumbers/WallID",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  Write("startup/site/IDSequenceNumbers/SlabID", "abc");
  fs::remove(copy_ / "graphic/Dictionaries/AXOMasterFormat.CATfct");
  // Removed and written anew: a rename that only changes letter case may
  // keep the old name on a file system that ignores case.
  fs::remove(copy_ / "graphic/Dictionaries/AXOUniformat.CATfct");
  Write("graphic/Dictionaries/AXOUniformat.catfct", "dictionary\n");
  Write("collection/default/generativeparameters/Slabs.xml",
        "<std:node><std:node type=\"includefile\"><std:strval></std:strval></std:node></std:node>");
  Write("axocor-env.txt",
        "CATStartupPath=startup/main;startup/site;startup/gone\n"
        "CATCollectionStandard=collection/standard\n"
        "CATDefaultCollectionStandard=collection/default\n"
        "CATGraphicPath=graphic/Dictionaries;resources/graphic/\n"
        "CATUserSettingPath=settings\n"
        "AXOProfileMap=profilemaps/ifc_export_map.csv\n"
        "AXOCounterNames=WallID;BeamID\n");
  Write("profilemaps/ifc_export_map.csv",
        "HEB100;HE100B;HE 100 B\n"
        "HEB100,HE100-B,HE-100-B\n"
        " ZZ1,HE 100 A,HE 100 A\n" +
            std::string(1500, 'x') + "\nA,B,C\nD,E,F\n",
        true);
  Write("settings/AXOIfcExport.axosettings",
        "CATSettings 1\nCGRLimit\tint\t-1\nExportOption\tstring\tdetailed\nSagFactor\tstring\t5.0\n"
        "SectionCatalogName\tunicode\tEU_XYZ\nJoinLimit\tint\t60\nDisjoinLimit\tint\t60\n");
  Write("settings/AXODxfUnitTypeElt.axosettings", "CATSettings 1\nUnitOfDxfFile\tlong\t7\n");

  const nlohmann::json report = Check(copy_);
  // Problems that the missing startup folder may cause are grouped under
  // it: their section is that of the folder.
  struct Expected {
    const char* section;
    const char* subject;          // a part of it
    const char* text;             // a part of it
    const char* under = nullptr;  // a part of the subject of the missing folder
  } expected[] = {
      {"pathLists", "gone", "folder does not exist (entry 3 of CATStartupPath)"},
      {"styleSheets", "door_hardware.xml", "not found"},
      {"styleSheets", "Slabs.xml", "an include node with an empty file name"},
      {"catalogs", "Asian", "holds no catalog"},
      {"catalogs", "Loose.catalog", "lies directly in \"Structural Steel\""},
      {"dictionaries", "6. AXOMasterFormat.CATfct", "not installed"},
      {"dictionaries", "7. AXOUniformat.CATfct", "installed only as 'AXOUniformat.catfct'"},
      {"dictionaries", "resources", "not looked into for dictionaries"},
      {"counters", "WallID", "is read-only"},
      {"counters", "SlabID", "holds no number ('abc')"},
      {"pathLists", "BeamID", "absent", "gone"},
      {"settings", "UnitOfDxfFile", "7: not a unit"},
      {"settings", "CGRLimit", "-1: below 0"},
      {"settings", "DisjoinLimit", "not above JoinLimit (60)"},
      {"settings", "ExportOption", "'detailed': neither 'Detailed' nor 'Surfacic'"},
      {"settings", "SagFactor", "'5.0' is not a length"},
      {"pathLists", "SectionCatalogName", "'EU_XYZ' is not an installed steel catalog", "gone"},
      {"profileMaps", "line 410", "fewer than two \",\""},
      {"profileMaps", "line 411", "'HEB100' is also on line 29"},
      {"profileMaps", "line 412", "own name ' ZZ1' has blanks"},
      {"profileMaps", "line 412", "leads to the same import key 'HE100A'"},
      {"profileMaps", "line 413", "the reader stops here, and this line and the 2 after it"},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(std::string(e.section) + " / " + e.subject + " / " + e.text);
    const auto matches = [](const nlohmann::json& problem, const char* subject, const char* text) {
      return problem["subject"].get<std::string>().find(subject) != std::string::npos &&
             problem["text"].get<std::string>().find(text) != std::string::npos;
    };
    bool found = false;
    for (const auto& problem : report["problems"]) {
      if (problem["section"] != e.section) continue;
      if (e.under == nullptr) {
        found = found || matches(problem, e.subject, e.text);
      } else if (matches(problem, e.under, "") && problem.contains("consequences")) {
        for (const auto& consequence : problem["consequences"]) {
          found = found || matches(consequence, e.subject, e.text);
        }
      }
    }
    EXPECT_TRUE(found) << text_;
  }
  EXPECT_EQ(report["problemCount"], std::size(expected) - 2) << text_;  // two grouped
}

// A FIFO where the installation holds a file: each reader refuses it at
// once and says what it is, and the check goes on with the rest.
TEST_F(Doctor, AFifoInPlaceOfAFileIsNamedAndNeverWaitedOn) {
  const struct {
    const char* file;
    const char* section;
  } cases[] = {
      {"profilemaps/ifc_export_map.csv", "profileMaps"},
      {"startup/main/IDSequenceNumbers/WallID", "counters"},
      {"settings/AXOIfcExport.axosettings", "settings"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TearDown();
    SetUp();
    const fs::path fifo = copy_ / c.file;
    fs::remove(fifo);
    if (!AXOTestMakeFifo(fifo)) GTEST_SKIP() << "no FIFOs here";
    nlohmann::json report;
    EXPECT_TRUE(AXOTestReturnsWithin(
        std::chrono::seconds(5), [&] { report = Check(copy_); },
        [&] { AXOTestReleaseFifoReader(fifo); }));
    bool named = false;
    for (const auto& problem : report["problems"]) {
      named = named || (problem["section"] == c.section &&
                        problem.dump().find("is a FIFO, not a file") != std::string::npos);
    }
    EXPECT_TRUE(named) << text_;
  }
  // The environment file itself.
  fs::remove(copy_ / "axocor-env.txt");
  ASSERT_TRUE(AXOTestMakeFifo(copy_ / "axocor-env.txt"));
  Environment environment;
  std::string error;
  EXPECT_TRUE(AXOTestReturnsWithin(
      std::chrono::seconds(5),
      [&] { EXPECT_FALSE(LoadInstallationFolder(copy_.string(), environment, error)); },
      [&] { AXOTestReleaseFifoReader(copy_ / "axocor-env.txt"); }));
  EXPECT_NE(error.find("axocor-env.txt: is a FIFO, not a file"), std::string::npos) << error;
}

// The sample's settings files carry their end marker: one cut short at a
// line end, as "head" leaves it, is damaged, not read as a shorter whole.
TEST_F(Doctor, ASettingsFileCutAtALineEndIsReported) {
  const fs::path file = copy_ / "settings/AXOIfcExport.axosettings";
  std::string text = AXOTestReadFile(file);
  std::size_t end = 0;
  for (int line = 0; line < 10; ++line) end = text.find('\n', end) + 1;
  Write("settings/AXOIfcExport.axosettings", text.substr(0, end));
  const nlohmann::json report = Check(copy_);
  bool reported = false;
  for (const auto& problem : report["problems"]) {
    reported = reported || (problem["section"] == "settings" &&
                            problem.dump().find("cannot be read as settings") != std::string::npos);
  }
  EXPECT_TRUE(reported) << text_;
}

TEST_F(Doctor, NothingSetIsReportedWithoutCrashing) {
  fs::create_directories(copy_ / "empty");
  Write("axocor-env.txt", "CATUserSettingPath=empty\n");
  const nlohmann::json report = Check(copy_);
  std::vector<std::string> subjects;
  for (const auto& problem : report["problems"]) subjects.push_back(problem["subject"]);
  EXPECT_EQ(subjects,
            (std::vector<std::string>{"CATStartupPath", "CATGraphicPath",
                                      "CATCollectionStandard, CATDefaultCollectionStandard",
                                      "SectionCatalogName"}))
      << text_;
}

TEST_F(Doctor, ApplyingAnEnvironmentRemovesHostVariablesItDoesNotSet) {
  Environment environment;
  environment.variables = {{"CATStartupPath", "x"}};
  ASSERT_TRUE(AXOPlatform::Get()->SetEnv("CATGraphicPath", "leaked").ok());
  ApplyEnvironment(environment);
  char* value = nullptr;
  EXPECT_EQ(CATGetEnvValue("CATGraphicPath", &value), -1);
  ASSERT_EQ(CATGetEnvValue("CATStartupPath", &value), 0);
  EXPECT_STREQ(value, "x");
  std::free(value);
}

}  // namespace
}  // namespace axocor::doctor
