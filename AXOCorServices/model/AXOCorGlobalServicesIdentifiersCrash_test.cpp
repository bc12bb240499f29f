// Reservations killed half-way: whenever a process that reserves numbers
// dies, the counter holds the last number of one whole reservation, and no
// temporary file outlives the next reservation.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "AXOTestKilledChild.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

// The child: reserves 1, 2 or 3 numbers at a time from the counter "crash"
// of the startup path its parent set, until it is killed.
TEST(CounterCrashChild, DISABLED_ReservesUntilKilled) {
  const auto started = std::chrono::steady_clock::now();
  CATUnicodeString counter("crash");
  AXOTestChildIsReady();
  for (long count = 1; AXOTestChildMayGoOn(started); count = count % 3 + 1) {
    long number = -1;
    AXOCorGlobalServices::GetIDSeqNumber(counter, count, number);
    ASSERT_GT(number, 0);
  }
}

class CounterCrash : public ::testing::Test {
 protected:
  void SetUp() override {
    counter_ = folder_.WriteFile("startup/IDSequenceNumbers/crash", "0");
    AXOPlatform::Get()->SetEnv("CATStartupPath", folder_.Host("startup").c_str());
  }
  void TearDown() override { AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr); }

  // The counter's number; -1 unless the file holds decimal digits only.
  long SavedNumber() const {
    std::ifstream in(counter_, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != text.npos) {
      return -1;
    }
    return std::stol(text);
  }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(counter_.parent_path())) {
      names.insert(entry.path().filename().u8string());
    }
    return names;
  }

  AXOTestTempFolder folder_;
  fs::path counter_;
};

TEST_F(CounterCrash, EveryKilledReservationLeavesAWholeNumberAndTheNextCleansUp) {
  std::mt19937 random(20240612);
  long last = 0;
  int progressed = 0;
  const AXOTestKillBudget budget;
  int kill = 0;
  for (; budget.Another(kill); ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill));
    ASSERT_TRUE(AXOTestRunAndKillChild("CounterCrashChild.DISABLED_ReservesUntilKilled",
                                       folder_.Native("ready"), std::chrono::milliseconds(20),
                                       random));
    const long number = SavedNumber();
    ASSERT_GE(number, last) << "the counter is damaged or went back";
    if (number > last) ++progressed;
    last = number;
    // The counter, its lock and at most the killed reservation's own
    // temporary file.
    ASSERT_LE(Names().size(), 3u);
  }
  EXPECT_GT(progressed, kill / 10) << "the children hardly reserved anything before being killed";
  CATUnicodeString counter("crash");
  long number = -1;
  AXOCorGlobalServices::GetIDSeqNumber(counter, 1, number);
  EXPECT_EQ(number, last + 1);
  EXPECT_EQ(Names(), (std::set<std::string>{"crash", "crash.axo-lock"}));
}

}  // namespace
