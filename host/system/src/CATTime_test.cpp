#include "CATTime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "AXOPlatform.h"
#include "CATTimeSpan.h"

// These tests hold in every time zone; CTest also runs them under a few
// zones set through TZ. The tests that know a zone's rules run only in it.

namespace {

struct Fields {
  int year, month, day, hour, minute, second;
};

void ExpectFields(const CATTime& time, const Fields& f) {
  EXPECT_EQ(time.GetYear(), f.year);
  EXPECT_EQ(time.GetMonth(), f.month);
  EXPECT_EQ(time.GetDay(), f.day);
  EXPECT_EQ(time.GetHour(), f.hour);
  EXPECT_EQ(time.GetMinute(), f.minute);
  EXPECT_EQ(time.GetSecond(), f.second);
}

std::string TimeZone() {
  std::string zone;
  AXOPlatform::Get()->GetEnv("TZ", zone).ok();
  return zone;
}

TEST(CATTime, GivesBackTheFieldsItWasBuiltFrom) {
  const Fields cases[] = {
      {2024, 2, 29, 13, 5, 9}, {1970, 1, 1, 0, 0, 0},   {1969, 12, 31, 23, 59, 59},
      {1900, 3, 1, 0, 0, 0},   {2038, 1, 19, 3, 14, 8}, {9999, 12, 31, 23, 59, 59},
      {1, 1, 1, 0, 0, 0},
  };
  for (const Fields& f : cases) {
    SCOPED_TRACE(testing::Message() << f.year << "-" << f.month << "-" << f.day);
    ExpectFields(CATTime(f.year, f.month, f.day, f.hour, f.minute, f.second), f);
  }
}

TEST(CATTime, DefaultIsTheStartOf1970OnTheLocalClock) {
  ExpectFields(CATTime(), {1970, 1, 1, 0, 0, 0});
  EXPECT_EQ(CATTime(), CATTime(1970, 1, 1, 0, 0, 0));
}

TEST(CATTime, FieldsOutOfRangeCarryOver) {
  struct {
    Fields given;
    Fields expect;
  } cases[] = {
      {{2024, 13, 1, 0, 0, 0}, {2025, 1, 1, 0, 0, 0}},
      {{2024, 0, 15, 0, 0, 0}, {2023, 12, 15, 0, 0, 0}},
      {{2024, 3, 0, 0, 0, 0}, {2024, 2, 29, 0, 0, 0}},
      {{2023, 2, 29, 0, 0, 0}, {2023, 3, 1, 0, 0, 0}},
      {{2024, 1, 1, 25, 0, 0}, {2024, 1, 2, 1, 0, 0}},
      {{2024, 1, 1, 0, -1, 0}, {2023, 12, 31, 23, 59, 0}},
      {{2024, 1, 1, 0, 0, 3600}, {2024, 1, 1, 1, 0, 0}},
      {{2024, -11, 1, 0, 0, 0}, {2023, 1, 1, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const Fields& g = c.given;
    SCOPED_TRACE(testing::Message() << g.year << "/" << g.month << "/" << g.day << " " << g.hour
                                    << ":" << g.minute << ":" << g.second);
    ExpectFields(CATTime(g.year, g.month, g.day, g.hour, g.minute, g.second), c.expect);
  }
}

TEST(CATTime, SpansMoveTheLocalClock) {
  const CATTime base(1970, 1, 1, 0, 0, 0);
  struct {
    int days, hours, minutes, seconds;
    Fields expect;
  } cases[] = {
      {0, 0, 0, 0, {1970, 1, 1, 0, 0, 0}},
      {0, 23, 59, 59, {1970, 1, 1, 23, 59, 59}},
      {1, 0, 0, 0, {1970, 1, 2, 0, 0, 0}},
      {0, 1, 1, 1, {1970, 1, 1, 1, 1, 1}},
      {24855, 3, 14, 7, {2038, 1, 19, 3, 14, 7}},
      {0, 0, 0, 86399, {1970, 1, 1, 23, 59, 59}},
      {-1, 0, 0, 0, {1969, 12, 31, 0, 0, 0}},
      {0, 0, 0, -1, {1969, 12, 31, 23, 59, 59}},
      {365 + 365 + 366, 0, 0, 0, {1973, 1, 1, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.days << "d " << c.hours << "h " << c.minutes << "m " << c.seconds << "s");
    const CATTimeSpan span(c.days, c.hours, c.minutes, c.seconds);
    const CATTime moved = base + span;
    ExpectFields(moved, c.expect);
    EXPECT_EQ(moved - span, base);
    CATTime stepped = base;
    stepped += span;
    EXPECT_EQ(stepped, moved);
    stepped -= span;
    EXPECT_EQ(stepped, base);
  }
}

TEST(CATTime, SpansAcrossDaylightSavingKeepTheClockTime) {
  // 2024-03-31 and 2024-10-27 change the clocks in Europe, 2024-03-10 and
  // 2024-11-03 in North America; whatever the zone, a day later is the same
  // clock time.
  const Fields days[] = {{2024, 3, 30, 12, 0, 0},
                         {2024, 10, 26, 12, 0, 0},
                         {2024, 3, 9, 12, 0, 0},
                         {2024, 11, 2, 12, 0, 0}};
  for (const Fields& f : days) {
    SCOPED_TRACE(testing::Message() << f.month << "-" << f.day);
    const CATTime next =
        CATTime(f.year, f.month, f.day, f.hour, f.minute, f.second) + CATTimeSpan(1, 0, 0, 0);
    ExpectFields(next, {f.year, f.month, f.day + 1, 12, 0, 0});
  }
}

TEST(CATTime, ComparesInClockOrder) {
  const CATTime early(2024, 5, 1, 8, 0, 0);
  EXPECT_TRUE(early < CATTime(2024, 5, 1, 8, 0, 1));
  EXPECT_TRUE(early >= CATTime(2024, 4, 30, 32, 0, 0));
  EXPECT_TRUE(early == CATTime(2024, 4, 30, 32, 0, 0));
}

TEST(CATTime, SecondsRoundTripThroughTheLocalClock) {
  // Noon avoids the hours that daylight-saving changes skip or repeat.
  const Fields cases[] = {{2024, 1, 15, 12, 0, 0},
                          {2024, 7, 15, 12, 30, 45},
                          {2001, 9, 9, 12, 46, 40},
                          {2037, 12, 31, 12, 0, 0}};
  for (const Fields& f : cases) {
    SCOPED_TRACE(testing::Message() << f.year << "-" << f.month << "-" << f.day);
    const CATTime original(f.year, f.month, f.day, f.hour, f.minute, f.second);
    const std::int64_t seconds = original.GetTime();
    ASSERT_NE(seconds, -1);
    CATTime copy;
    copy = seconds;
    EXPECT_EQ(copy, original);
  }
  // The same clock time a day later is 86400 seconds later outside a change.
  EXPECT_EQ(CATTime(2024, 1, 16, 12, 0, 0).GetTime() - CATTime(2024, 1, 15, 12, 0, 0).GetTime(),
            86400);
}

TEST(CATTime, UnconvertibleSecondsLeaveTheTimeUnchanged) {
  CATTime time(2024, 5, 1, 8, 0, 0);
  time = std::numeric_limits<std::int64_t>::max();
  ExpectFields(time, {2024, 5, 1, 8, 0, 0});
}

TEST(CATTime, ConversionsFollowAZoneChangedWhileRunning) {
  // Zones given as rules, which need no zone data; each is set in turn
  // before any other conversion runs under it. 1970-01-03 00:00:00 UTC:
  const std::int64_t kSeconds = 2 * 86400;
  std::string saved;
  const bool had_zone = AXOPlatform::Get()->GetEnv("TZ", saved).ok();
  const struct {
    const char* zone;
    Fields local;
  } cases[] = {
      {"UTC0", {1970, 1, 3, 0, 0, 0}},
      {"EST5", {1970, 1, 2, 19, 0, 0}},
      {"JST-9", {1970, 1, 3, 9, 0, 0}},
      {"UTC0", {1970, 1, 3, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zone);
    ASSERT_TRUE(AXOPlatform::Get()->SetEnv("TZ", c.zone).ok());
    CATTime time(2024, 5, 1, 8, 0, 0);
    time = kSeconds;
    ExpectFields(time, c.local);
    EXPECT_EQ(time.GetTime(), kSeconds);
  }
  AXOPlatform::Get()->SetEnv("TZ", had_zone ? saved.c_str() : nullptr);
}

TEST(CATTime, FollowsTheRulesOfBerlin) {
  if (TimeZone() != "Europe/Berlin") GTEST_SKIP() << "runs under TZ=Europe/Berlin";
  CATTime epoch;
  epoch = 0;
  ExpectFields(epoch, {1970, 1, 1, 1, 0, 0});
  // 2024-03-31: 02:00 CET becomes 03:00 CEST; 2024-10-27: back again.
  EXPECT_EQ(CATTime(2024, 3, 31, 3, 30, 0).GetTime() - CATTime(2024, 3, 31, 1, 30, 0).GetTime(),
            3600);
  EXPECT_EQ(CATTime(2024, 7, 1, 12, 0, 0).GetTime(), 1719828000);
  CATTime summer;
  summer = 1719828000;
  ExpectFields(summer, {2024, 7, 1, 12, 0, 0});
}

TEST(CATTime, FollowsTheRulesOfNewYork) {
  if (TimeZone() != "America/New_York") GTEST_SKIP() << "runs under TZ=America/New_York";
  CATTime epoch;
  epoch = 0;
  ExpectFields(epoch, {1969, 12, 31, 19, 0, 0});
  EXPECT_EQ(CATTime(1970, 1, 1, 0, 0, 0).GetTime(), 18000);
  // 2024-11-03: 02:00 EDT becomes 01:00 EST.
  EXPECT_EQ(CATTime(2024, 11, 3, 12, 0, 0).GetTime() - CATTime(2024, 11, 2, 12, 0, 0).GetTime(),
            90000);
}

TEST(CATTimeSpan, SplitsIntoDaysAndClockParts) {
  struct {
    CATTimeSpan span;
    std::int64_t total, days;
    int hours, minutes, seconds;
  } cases[] = {
      {CATTimeSpan(24855, 3, 14, 7), 2147483647, 24855, 3, 14, 7},
      {CATTimeSpan(0, 0, 90, 0), 5400, 0, 1, 30, 0},
      {CATTimeSpan(0, 0, 0, -3661), -3661, 0, -1, -1, -1},
      {CATTimeSpan(), 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.total);
    EXPECT_EQ(c.span.GetTotalSeconds(), c.total);
    EXPECT_EQ(c.span.GetDays(), c.days);
    EXPECT_EQ(c.span.GetHours(), c.hours);
    EXPECT_EQ(c.span.GetMinutes(), c.minutes);
    EXPECT_EQ(c.span.GetSeconds(), c.seconds);
  }
  EXPECT_EQ(CATTimeSpan(1, 0, 0, 0), CATTimeSpan(0, 24, 0, 0));
  EXPECT_NE(CATTimeSpan(1, 0, 0, 0), CATTimeSpan(0, 0, 0, 1));
}

}  // namespace
