#include "AXOCorInstrumentation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "InstrumentationTestSupport.h"

namespace {

// Makes a registry copy that can live on the stack (the destructor is
// protected in the registry itself).
class RegistryCopy : public AXOCorInstrumentation {
 public:
  explicit RegistryCopy(const AXOCorInstrumentation& source) : AXOCorInstrumentation(source) {}
};

using InstrumentationTimers = InstrumentationTest;

TEST_F(InstrumentationTimers, AccumulatesHitsTimeAndMemoryOverSections) {
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  platform_.clock_ms = 1000;
  platform_.SetUsedKiB(10000);
  registry->Start("Export");
  platform_.clock_ms = 1250;
  platform_.SetUsedKiB(12048);
  registry->End("Export");

  platform_.clock_ms = 2000;
  registry->Start("Export");
  platform_.clock_ms = 2500;
  platform_.SetUsedKiB(12000);
  registry->End("Export");

  const AXOCorInstrumentationData* r = Record("Export");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->_HitCount, 2u);
  EXPECT_EQ(r->_StartClock, 2000);
  EXPECT_EQ(r->_EndClock, 2500);
  EXPECT_DOUBLE_EQ(r->_TotalTime, 0.75);
  EXPECT_EQ(r->_StartMemory, 12048.0);
  EXPECT_EQ(r->_EndMemory, 12000.0);
  EXPECT_EQ(r->_TotalMemory, 2048.0 - 48.0);  // memory released in a section counts negative
  EXPECT_EQ(r->_Identifier, "Export");
}

TEST_F(InstrumentationTimers, MemoryReadingIsUsedSpaceInWholeKiB) {
  struct Case {
    std::uint64_t total, avail;
    double reading;
  } cases[] = {
      {0, 0, 0.0},
      {1023, 0, 0.0},
      {1024, 0, 1.0},
      {5 * 1024 + 1023, 1024, 4.0},
      {std::uint64_t{1} << 40, 0, 1073741824.0},  // beyond 32 bits
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.total << " - " << c.avail);
    AXOCorInstrumentation::DeleteInstance();
    platform_.total_virtual = c.total;
    platform_.avail_virtual = c.avail;
    AXOCorInstrumentation::GetInstance()->Start("S");
    EXPECT_EQ(Record("S")->_StartMemory, c.reading);
  }
}

TEST_F(InstrumentationTimers, SameIdentifierDoesNotNest) {
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  platform_.clock_ms = 100;
  registry->Start("S");
  platform_.clock_ms = 300;
  registry->Start("S");
  platform_.clock_ms = 400;
  registry->End("S");
  platform_.clock_ms = 600;
  registry->End("S");
  // Both Ends measure from the second Start: 0.1 s + 0.3 s.
  EXPECT_EQ(Record("S")->_HitCount, 2u);
  EXPECT_DOUBLE_EQ(Record("S")->_TotalTime, 0.4);
}

TEST_F(InstrumentationTimers, EndWithoutRecordIsIgnoredAndCreatesNone) {
  AXOCorInstrumentation::GetInstance()->End("Never");
  EXPECT_EQ(Record("Never"), nullptr);
}

TEST_F(InstrumentationTimers, EndOnCreatedRecordMeasuresFromZero) {
  CATUnicodeString id("Init");
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  AXOCorInstrumentationData* created = registry->GetInstrumentationData(id, true);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->_HitCount, 0u);
  EXPECT_EQ(registry->GetInstrumentationData(id, true), created);

  platform_.clock_ms = 5000;
  platform_.SetUsedKiB(300);
  registry->End(id);
  EXPECT_DOUBLE_EQ(created->_TotalTime, 5.0);
  EXPECT_EQ(created->_TotalMemory, 300.0);
  EXPECT_EQ(created->_HitCount, 0u);
}

TEST_F(InstrumentationTimers, IntervalSurvivesThirtyTwoBitClockWrap) {
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  platform_.clock_ms = INT32_MAX - 99;
  registry->Start("S");
  platform_.clock_ms = std::int64_t{INT32_MAX} + 401;
  registry->End("S");
  EXPECT_DOUBLE_EQ(Record("S")->_TotalTime, 0.5);
}

constexpr int kChildWaitMilliseconds = 300;

// What the child process of EndOnCreatedRecordCountsFromProcessStart does:
// waits before anything reads the clock, then ends a record made without
// Start and writes its total time to the file AXO_CLOCK_CHILD_OUT. Run on
// request, on the system's own clock.
TEST(InstrumentationClockChild, DISABLED_EndsRecordMadeWithoutStart) {
  std::string out;
  ASSERT_TRUE(AXOPlatform::Get()->GetEnv("AXO_CLOCK_CHILD_OUT", out));
  std::this_thread::sleep_for(std::chrono::milliseconds(kChildWaitMilliseconds));
  CATUnicodeString id("Whole");
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  AXOCorInstrumentationData* record = registry->GetInstrumentationData(id, true);
  registry->End(id);
  std::ofstream(std::filesystem::u8path(out)) << record->_TotalTime;
}

// The clock counts from the start of the process, not from its first
// reading, so an End without Start adds the whole life of the process.
TEST(InstrumentationClock, EndOnCreatedRecordCountsFromProcessStart) {
  AXOTestTempFolder folder;
  const std::filesystem::path out = folder.Native("total.txt");
  AXOPlatform* platform = AXOPlatform::Get();
  platform->SetEnv("AXO_CLOCK_CHILD_OUT", out.u8string().c_str());
  const std::int64_t child = platform->StartProcess(
      {platform->ExecutablePath(),
       "--gtest_filter=InstrumentationClockChild.DISABLED_EndsRecordMadeWithoutStart",
       "--gtest_also_run_disabled_tests", "--gtest_brief=1"});
  platform->SetEnv("AXO_CLOCK_CHILD_OUT", nullptr);
  ASSERT_GT(child, 0);
  EXPECT_EQ(platform->WaitForProcess(child), 0);
  double total = -1.0;
  std::ifstream(out) >> total;
  EXPECT_GE(total, kChildWaitMilliseconds / 1000.0);
  EXPECT_LT(total, 60.0) << "the clock counts from long before the process";
}

using InstrumentationLifetime = InstrumentationTest;

TEST_F(InstrumentationLifetime, DeleteInstanceStartsEmptyAndKeepsRecordsAlive) {
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  EXPECT_EQ(AXOCorInstrumentation::GetInstance(), registry);
  platform_.clock_ms = 10;
  registry->Start("S");
  AXOCorInstrumentationData* before = Record("S");

  AXOCorInstrumentation::DeleteInstance();
  AXOCorInstrumentation::DeleteInstance();  // none left: nothing happens
  EXPECT_EQ(Record("S"), nullptr);
  CATListValCATUnicodeString rows;
  AXOCorInstrumentation::GetInstance()->GetResults(rows);
  EXPECT_EQ(rows.Size(), 0);

  // The old record is still usable (a sanitizer run catches a freed one).
  EXPECT_EQ(before->_HitCount, 1u);
  EXPECT_EQ(before->_Identifier, "S");
  AXOCorInstrumentation::GetInstance()->Start("S");
  EXPECT_EQ(Record("S")->_HitCount, 1u);
  EXPECT_NE(Record("S"), before);
}

TEST_F(InstrumentationLifetime, CopySharesRecordsWithItsSource) {
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  registry->Start("S");
  {
    RegistryCopy copy(*registry);
    CATUnicodeString id("S");
    EXPECT_EQ(copy.GetInstrumentationData(id, false), Record("S"));
    copy.Start("S");
  }
  // The copy is gone; its source and the shared record are intact.
  EXPECT_EQ(Record("S")->_HitCount, 2u);
}

}  // namespace
