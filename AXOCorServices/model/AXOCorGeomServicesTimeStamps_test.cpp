#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "AXOCorGeomServices.h"
#include "AXOPlatform.h"
#include "CATISpecUpdate.h"
#include "CATModelTestFixture.h"

// CTest runs these tests once more under several time zones (TZ): the
// readings are those of the local clock, the same in every zone.

namespace {

using TimeStamps = CATModelTest;

struct Reading {
  int year, month, day, hour, minute, second;
};

void ExpectReading(const CATTime& time, const Reading& r) {
  EXPECT_EQ(time.GetYear(), r.year);
  EXPECT_EQ(time.GetMonth(), r.month);
  EXPECT_EQ(time.GetDay(), r.day);
  EXPECT_EQ(time.GetHour(), r.hour);
  EXPECT_EQ(time.GetMinute(), r.minute);
  EXPECT_EQ(time.GetSecond(), r.second);
}

struct StampCase {
  int seconds;
  Reading reading;
};

const StampCase kStamps[] = {
    {0, {1970, 1, 1, 0, 0, 0}},
    {-1, {1970, 1, 1, 0, 0, 0}},
    {INT_MIN, {1970, 1, 1, 0, 0, 0}},
    {59, {1970, 1, 1, 0, 0, 59}},
    {3661, {1970, 1, 1, 1, 1, 1}},
    {86399, {1970, 1, 1, 23, 59, 59}},
    {86400, {1970, 1, 2, 0, 0, 0}},
    {951782400, {2000, 2, 29, 0, 0, 0}},
    {1700000000, {2023, 11, 14, 22, 13, 20}},
    {INT_MAX, {2038, 1, 19, 3, 14, 7}},
};

// Sets TZ for the test's lifetime and puts the process's zone back after.
class ZoneForTest {
 public:
  ZoneForTest() : had_zone_(AXOPlatform::Get()->GetEnv("TZ", saved_).ok()) {}
  ~ZoneForTest() { AXOPlatform::Get()->SetEnv("TZ", had_zone_ ? saved_.c_str() : nullptr); }
  bool Set(const char* zone) { return AXOPlatform::Get()->SetEnv("TZ", zone).ok(); }

 private:
  std::string saved_;
  bool had_zone_;
};

// First in the process's own zone, then in zones given as rules (no zone
// data needed), set in turn in this process with conversions of the host in
// between: a conversion that kept an earlier zone once read an hour off. The
// readings are those of UTC, where the host's own conversion of the count
// agrees with them.
TEST_F(TimeStamps, CountSecondsFromTheStartOf1970OnTheLocalClockWhateverTheZone) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  ZoneForTest zone;
  for (const char* rule : {"", "UTC0", "EST5EDT,M3.2.0,M11.1.0", "JST-9", "ACST-9:30", "UTC0"}) {
    SCOPED_TRACE(*rule != '\0' ? rule : "the process's zone");
    if (*rule != '\0') {
      ASSERT_TRUE(zone.Set(rule));
    }
    for (const StampCase& c : kStamps) {
      SCOPED_TRACE(c.seconds);
      const CATTestNode feature = model_.Feature(room.Part(), "Wall").TimeStamp(c.seconds);
      CATTestNode(feature).UpdateStamp(c.seconds);
      const CATTime stamp = AXOCorGeomServices::GetTimeStamp(feature);
      ExpectReading(stamp, c.reading);
      ExpectReading(AXOCorGeomServices::GetUpdateStamp(feature), c.reading);
      // The host's conversion, both ways, under the zone just set; on
      // Windows it converts no local time that lies before 1970 in UTC, so
      // the first day is left out.
      if (*rule == '\0' || c.seconds < 86400) continue;
      CATTime converted(2024, 5, 1, 8, 0, 0);
      converted = std::int64_t{c.seconds};
      EXPECT_EQ(converted.GetTime(), c.seconds);
      if (std::string(rule) == "UTC0") {
        EXPECT_EQ(converted, stamp);
      }
    }
  }
}

TEST_F(TimeStamps, WithoutAStampGiveADefaultTime) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode wall =
      model_.Feature(room.Part(), "Wall").UpdateStamp(86400).Without(IID_CATISpecUpdate);
  EXPECT_EQ(AXOCorGeomServices::GetTimeStamp(CATISpecObject_var()), CATTime());
  EXPECT_EQ(AXOCorGeomServices::GetUpdateStamp(CATISpecObject_var()), CATTime());
  EXPECT_EQ(AXOCorGeomServices::GetUpdateStamp(wall), CATTime());
}

// A feature's two stamps differ once it was changed after its last update:
// each service reads its own.
TEST_F(TimeStamps, TheTimeStampAndTheUpdateStampAreReadEachFromItsOwn) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode wall = model_.Feature(room.Part(), "Wall").TimeStamp(86400).UpdateStamp(3661);
  ExpectReading(AXOCorGeomServices::GetTimeStamp(wall), {1970, 1, 2, 0, 0, 0});
  ExpectReading(AXOCorGeomServices::GetUpdateStamp(wall), {1970, 1, 1, 1, 1, 1});
}

}  // namespace
