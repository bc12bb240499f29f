#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "AXOTestChildProcess.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"
#include "CATIOsmExtension.h"

namespace {

namespace fs = std::filesystem;

// Two startup paths below a temporary folder, each with its counter folder;
// counters are put in place by the tests.
class GetIDSeqNumberTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.MakeFolder("first/IDSequenceNumbers");
    folder_.MakeFolder("second/IDSequenceNumbers");
    UseStartupPaths(folder_.Host("first") + ";" + folder_.Host("second"));
  }
  void TearDown() override { AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr); }

  static void UseStartupPaths(const std::string& value) {
    AXOPlatform::Get()->SetEnv("CATStartupPath", value.c_str());
  }
  fs::path Counter(const std::string& startup, const std::string& name) const {
    return folder_.Native(startup + "/IDSequenceNumbers/" + name);
  }
  fs::path PutCounter(const std::string& startup, const std::string& name,
                      const std::string& content) const {
    return folder_.WriteFile(startup + "/IDSequenceNumbers/" + name, content);
  }
  static long Reserve(const CATUnicodeString& name, long count, long preset = -7) {
    CATUnicodeString counter(name);
    long number = preset;
    AXOCorGlobalServices::GetIDSeqNumber(counter, count, number);
    return number;
  }

  AXOTestTempFolder folder_;
};

// A refused reservation gives -1 and leaves the counter as it was.
TEST_F(GetIDSeqNumberTest, AdvancesTheCounterByTheCountOrRefusesWhatWouldBreakIt) {
  const struct {
    const char* content;
    long count;
    long number;
    const char* after;
  } cases[] = {
      {"41", 1, 42, "42"},
      {"41", 10, 42, "51"},
      {"", 1, 1, "1"},        // nothing handed out yet
      {"-1", 1, 1, "1"},      // likewise
      {"abc", 3, 1, "3"},     // no number: likewise
      {" 7\r\n", 1, 8, "8"},  // written by hand
      {"0", 0, 1, "0"},
      {"2147483646", 1, 2147483647, "2147483647"},
      // Moving the counter back or beyond 32 bits is refused.
      {"2147483647", 1, -1, "2147483647"},  // the next number does not fit
      {"2147483640", 2147483647, -1, "2147483640"},
      {"99999999999", 1, -1, "99999999999"},
      {"-5", 1, -1, "-5"},  // would hand out negative numbers
      {"41", -3, -1, "41"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("'") + c.content + "' + " + std::to_string(c.count));
    const fs::path counter = PutCounter("first", "beams", c.content);
    EXPECT_EQ(c.number, Reserve("beams", c.count));
    EXPECT_EQ(c.after, AXOTestReadFile(counter));
  }
}

TEST_F(GetIDSeqNumberTest, LeavesARefusedCounterByteForByteWhateverItsSize) {
  const std::string long_tail(100 * 1024, ' ');
  const std::string contents[] = {
      "-5" + long_tail,                     // a negative number
      "2147483647" + long_tail,             // full
      "99999999999" + long_tail + "\n",     // beyond 32 bits
      "41" + std::string(70 * 1024, '\n'),  // a number, but no counter is that long
      std::string(65 * 1024, ' ') + "41",   // the number beyond what is read
  };
  for (const std::string& content : contents) {
    SCOPED_TRACE(content.substr(0, 12) + "... (" + std::to_string(content.size()) + " bytes)");
    const fs::path counter = PutCounter("first", "beams", content);
    fs::permissions(counter, fs::perms::owner_read);
    EXPECT_EQ(-1, Reserve("beams", 1));
    EXPECT_TRUE(AXOTestReadFile(counter) == content);
    EXPECT_EQ(fs::perms::none, fs::status(counter).permissions() & fs::perms::owner_write)
        << "left read-only";
    fs::permissions(counter, fs::perms::owner_read | fs::perms::owner_write);
  }
}

TEST_F(GetIDSeqNumberTest, RefusesNamesThatReachOutsideTheCounterFolder) {
  // A file that such a name could reach, one folder above the counters; a
  // counter of the same content inside them shows that nothing is used.
  const fs::path outside = folder_.WriteFile("first/precious", "7");
  fs::permissions(outside, fs::perms::owner_read);
  PutCounter("first", "sub/precious", "7");
  const std::string native_outside = outside.u8string();
  const std::string host_outside = folder_.Host("first") + "\\precious";
  const std::string names[] = {
      "..\\precious", "../precious", "sub\\..\\..\\precious", "sub/../../precious", "..",
      ".. \\precious", "...\\precious", "\\" + host_outside, "/" + native_outside, host_outside,
      "c:\\precious", "sub\\precious:stream",
      // A NUL would end the name before its steps up.
      std::string("sub\0\\..\\..\\precious", 18), std::string("sub\\precious\0", 13), ""};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    EXPECT_EQ(-1, Reserve(CATUnicodeString(name.data(), name.size()), 1, 5));
    CATUnicodeString counter(name.data(), name.size());
    EXPECT_TRUE(AXOCorGlobalServices::GetIDSeqNumber(counter, 1) == "-1");
  }
  EXPECT_EQ("7", AXOTestReadFile(outside));
  EXPECT_EQ(fs::perms::none, fs::status(outside).permissions() & fs::perms::owner_write);
  EXPECT_FALSE(fs::exists(outside.u8string() + ".axo-lock"));
  EXPECT_EQ("7", AXOTestReadFile(Counter("first", "sub/precious")));
  // Names that only look alike stay inside and are served.
  for (const char* name : {"sub\\precious", "sub/./precious", "sub\\\\precious"}) {
    SCOPED_TRACE(name);
    EXPECT_GT(Reserve(name, 1), 7);
  }
  // Where ":" may stand in a file name, a counter of that name is there to be
  // found, and is still not used: on Windows it names a drive or a stream.
  const fs::path colon = PutCounter("first", "beams:2", "7");
  EXPECT_EQ(-1, Reserve("beams:2", 1, 5));
  if (fs::exists(colon)) {
    EXPECT_EQ("7", AXOTestReadFile(colon));
  }
  // Where "..." is a name of its own (Windows reads it as ".."), a counter
  // in a folder of that name is there to be found, and is still not used.
  if (!AXOTestDriveLettersAreReal()) {
    const fs::path dots = PutCounter("first", ".../precious", "7");
    EXPECT_EQ(-1, Reserve("...\\precious", 1, 5));
    EXPECT_EQ("7", AXOTestReadFile(dots));
  }
  PutCounter("first", "..beams", "1");
  PutCounter("first", "beams..", "1");
  EXPECT_EQ(2, Reserve("..beams", 1));
  EXPECT_EQ(2, Reserve("beams..", 1));
}

TEST_F(GetIDSeqNumberTest, FormatsTheNumberAsTextMinusOneWhenThereIsNone) {
  PutCounter("first", "beams", "41");
  CATUnicodeString counter("beams");
  CATUnicodeString missing("walls");
  EXPECT_TRUE(AXOCorGlobalServices::GetIDSeqNumber(counter, 1) == "42");
  EXPECT_TRUE(AXOCorGlobalServices::GetIDSeqNumber(counter, 5) == "43");
  EXPECT_EQ("47", AXOTestReadFile(Counter("first", "beams")));
  EXPECT_TRUE(AXOCorGlobalServices::GetIDSeqNumber(missing, 1) == "-1");
  AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
  EXPECT_TRUE(AXOCorGlobalServices::GetIDSeqNumber(counter, 1) == "-1");
}

TEST_F(GetIDSeqNumberTest, UsesTheFirstStartupPathThatHoldsTheCounter) {
  PutCounter("second", "sub/slabs.txt", "9");
  EXPECT_EQ(10, Reserve("sub\\slabs.txt", 1));
  EXPECT_EQ("10", AXOTestReadFile(Counter("second", "sub/slabs.txt")));
  EXPECT_FALSE(fs::exists(Counter("first", "sub/slabs.txt")));

  EXPECT_EQ(-1, Reserve("walls", 1));  // in none: -1, and nothing is created
  EXPECT_TRUE(fs::is_empty(folder_.Native("first/IDSequenceNumbers")));
  EXPECT_EQ(1, std::distance(fs::directory_iterator(folder_.Native("second/IDSequenceNumbers")),
                             fs::directory_iterator()));
  AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
  EXPECT_EQ(-7, Reserve("beams", 1, -7));  // no startup path: the number stays
}

// A writable counter keeps its permissions; a read-only one is made
// writable for its owner (0600). Compared as this system reports the modes.
TEST_F(GetIDSeqNumberTest, KeepsTheCountersPermissionsOrMakesItWritable) {
  const struct {
    fs::perms before, after;
  } cases[] = {{fs::perms(0640), fs::perms(0640)},
               {fs::perms(0604), fs::perms(0604)},
               {fs::perms(0400), fs::perms(0600)},
               {fs::perms(0444), fs::perms(0600)}};
  const fs::path probe = folder_.WriteFile("probe");
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.before));
    fs::permissions(probe, c.after);
    const fs::perms expected = fs::status(probe).permissions();
    const fs::path counter = PutCounter("first", "beams", "41");
    fs::permissions(counter, c.before);
    EXPECT_EQ(42, Reserve("beams", 1));
    EXPECT_EQ("42", AXOTestReadFile(counter));
    EXPECT_EQ(static_cast<int>(expected), static_cast<int>(fs::status(counter).permissions()));
    fs::permissions(counter, fs::perms(0600));
  }
}

TEST_F(GetIDSeqNumberTest, LeavesOnlyTheCounterAndItsLockBehind) {
  PutCounter("first", "beams", "1");
  for (int i = 0; i < 3; ++i) Reserve("beams", 2);
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_.Native("first/IDSequenceNumbers"))) {
    names.insert(entry.path().filename().u8string());
  }
  EXPECT_EQ((std::set<std::string>{"beams", "beams.axo-lock"}), names);
  EXPECT_EQ("7", AXOTestReadFile(Counter("first", "beams")));
}

constexpr int kChildren = 4;
constexpr int kRoundsPerChild = 100;  // alternately 1 and 3 numbers: 200 in all

// What a child process does (see NoTwoProcessesGetTheSameNumber): wait until
// the file AXO_COUNTER_CHILD_GO exists, so that all children start
// together, then reserve numbers from the counter "shared" and write each
// first number and count to the file AXO_COUNTER_CHILD_OUT. Run on request.
TEST(CounterChild, DISABLED_ReservesNumbers) {
  std::string go, out;
  ASSERT_TRUE(AXOPlatform::Get()->GetEnv("AXO_COUNTER_CHILD_GO", go).ok());
  ASSERT_TRUE(AXOPlatform::Get()->GetEnv("AXO_COUNTER_CHILD_OUT", out).ok());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!fs::exists(fs::u8path(go))) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "never told to start";
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  std::ofstream record(fs::u8path(out));
  CATUnicodeString counter("shared");
  for (int i = 0; i < kRoundsPerChild; ++i) {
    const long count = i % 2 == 0 ? 1 : 3;
    long number = -1;
    AXOCorGlobalServices::GetIDSeqNumber(counter, count, number);
    record << number << ' ' << count << '\n';
  }
}

TEST_F(GetIDSeqNumberTest, NoTwoProcessesGetTheSameNumber) {
  AXOPlatform* platform = AXOPlatform::Get();
  const fs::path counter = PutCounter("first", "shared", "0");
  const fs::path go = folder_.Native("go");
  const std::vector<std::string> arguments = {
      "--gtest_filter=CounterChild.DISABLED_ReservesNumbers", "--gtest_also_run_disabled_tests",
      "--gtest_brief=1"};
  platform->SetEnv("AXO_COUNTER_CHILD_GO", go.u8string().c_str());
  std::vector<std::pair<std::int64_t, fs::path>> children;
  for (int i = 0; i < kChildren; ++i) {
    const fs::path out = folder_.Native("child" + std::to_string(i) + ".txt");
    platform->SetEnv("AXO_COUNTER_CHILD_OUT", out.u8string().c_str());
    children.emplace_back(AXOTestChildProcess::StartSelf(arguments), out);
    EXPECT_GT(children.back().first, 0);
  }
  platform->SetEnv("AXO_COUNTER_CHILD_GO", nullptr);
  platform->SetEnv("AXO_COUNTER_CHILD_OUT", nullptr);
  folder_.WriteFile("go");

  std::vector<std::pair<long, long>> ranges;  // first number, count
  for (const auto& child : children) {
    EXPECT_EQ(0, AXOTestChildProcess::Wait(child.first));
    std::ifstream in(child.second);
    for (long first, count; in >> first >> count;) ranges.emplace_back(first, count);
  }
  // Together the ranges cover 1 to the total without a gap or an overlap.
  const long total = kChildren * kRoundsPerChild * 2;
  ASSERT_EQ(static_cast<std::size_t>(kChildren * kRoundsPerChild), ranges.size());
  std::sort(ranges.begin(), ranges.end());
  long next = 1;
  for (const auto& range : ranges) {
    ASSERT_EQ(next, range.first) << "a number was handed out twice or skipped";
    next += range.second;
  }
  EXPECT_EQ(total + 1, next);
  EXPECT_EQ(std::to_string(total), AXOTestReadFile(counter));
}

TEST(GetExtensionID, GivesTheIdentifierOrTheEmptyText) {
  const long objects = CATBaseUnknown::LiveObjectCount();
  EXPECT_TRUE(AXOCorGlobalServices::GetExtensionID(static_cast<CATIOsmExtension*>(nullptr)) == "");
  CATIOsmExtension_var none;
  EXPECT_TRUE(AXOCorGlobalServices::GetExtensionID(none) == "");

  const struct {
    const char* id;
    const char* expected;
  } cases[] = {{"Ext-42", "Ext-42"}, {"", ""}, {nullptr, ""}, {"D\xC3\xA4mmung", "D\xC3\xA4mmung"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id != nullptr ? c.id : "(none)");
    CATIOsmExtension* extension = CATCreateOsmExtension(c.id);
    EXPECT_TRUE(AXOCorGlobalServices::GetExtensionID(extension) == c.expected);
    CATIOsmExtension_var handle(extension);
    EXPECT_TRUE(AXOCorGlobalServices::GetExtensionID(handle) == c.expected);
    extension->Release();
  }
  EXPECT_EQ(objects, CATBaseUnknown::LiveObjectCount());
}

}  // namespace
