// Reports killed half-way: whenever a process that writes the
// instrumentation report dies, the report is one whole report, never a cut
// one.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "AXOCorInstrumentation.h"
#include "AXOPlatform.h"
#include "AXOTestKilledChild.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

// The two reports the child writes in turn: of one record, and of this many.
constexpr int kManyRecords = 1000;

void AddRecords(int count) {
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  for (int i = 0; i < count; ++i) {
    CATUnicodeString id(("section." + std::to_string(i)).c_str());
    registry->GetInstrumentationData(id, true);
  }
}

// The child: writes the report of many records and of one in turn, until
// it is killed. Its drive root is the one its parent set.
TEST(InstrumentationReportCrashChild, DISABLED_DumpsUntilKilled) {
  const auto started = std::chrono::steady_clock::now();
  AddRecords(kManyRecords);
  AXOCorInstrumentation::GetInstance()->Dump();
  AXOTestChildIsReady();
  for (bool many = false; AXOTestChildMayGoOn(started); many = !many) {
    AXOCorInstrumentation::DeleteInstance();
    AddRecords(many ? kManyRecords : 1);
    AXOCorInstrumentation::GetInstance()->Dump();
  }
}

// The lines of a whole report: its header and one line per record, each
// with its line end; -1 for anything else.
int WholeReportLines(const std::string& report) {
  if (report.empty() || report.compare(report.size() - 2, 2, "\r\n") != 0) return -1;
  int lines = 0;
  for (std::size_t at = 0; (at = report.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  return lines;
}

// The temporary files of replacements in `folder`.
int TemporaryFiles(const fs::path& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().u8string();
    count += name.rfind(".axo-", 0) == 0 && entry.path().extension() == ".tmp";
  }
  return count;
}

TEST(InstrumentationReportCrash, EveryKilledReportLeavesAWholeReport) {
  AXOTestTempFolder folder;
  // Where drive letters are folders, the children's "c:" is one here; where
  // they are real, the report lies at the root of the drive.
  folder.MakeFolder("drives/c");
  std::string saved_root;
  const bool had_root = AXOPlatform::Get()->GetEnv("AXO_DRIVE_ROOT", saved_root).ok();
  ASSERT_TRUE(AXOPlatform::Get()
                  ->SetEnv("AXO_DRIVE_ROOT", folder.Native("drives").u8string().c_str())
                  .ok());
  const fs::path report =
      fs::u8path(AXOPlatform::Get()->NativePath("c:\\AXOInstrumentationLog.csv"));
  std::mt19937 random(20261208);
  int kill = 0;
  int short_ones = 0;
  for (const AXOTestKillBudget budget; budget.Another(kill); ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill));
    ASSERT_TRUE(AXOTestRunAndKillChild("InstrumentationReportCrashChild.DISABLED_DumpsUntilKilled",
                                       folder.Native("ready"), std::chrono::milliseconds(20),
                                       random));
    const int lines = WholeReportLines(AXOTestReadFile(report));
    ASSERT_TRUE(lines == 2 || lines == kManyRecords + 1) << "a report cut short: " << lines;
    if (lines == 2) ++short_ones;
    ASSERT_LE(TemporaryFiles(report.parent_path()), 1) << "at most the killed one's temporary file";
  }
  AXOPlatform::Get()->SetEnv("AXO_DRIVE_ROOT", had_root ? saved_root.c_str() : nullptr);
  EXPECT_GT(short_ones, 0) << "the children never replaced the first report";
}

}  // namespace
