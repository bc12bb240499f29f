#include <gtest/gtest.h>

#include <climits>

#include "AXOCorGeomServices.h"
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

TEST_F(TimeStamps, CountSecondsFromTheStartOf1970OnTheLocalClock) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const struct {
    int seconds;
    Reading reading;
  } cases[] = {
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
  for (const auto& c : cases) {
    SCOPED_TRACE(c.seconds);
    const CATTestNode feature = model_.Feature(room.Part(), "Wall").TimeStamp(c.seconds);
    CATTestNode(feature).UpdateStamp(c.seconds);
    ExpectReading(AXOCorGeomServices::GetTimeStamp(feature), c.reading);
    ExpectReading(AXOCorGeomServices::GetUpdateStamp(feature), c.reading);
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

}  // namespace
