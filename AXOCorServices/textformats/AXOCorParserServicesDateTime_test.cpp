#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "AXOCorParserServices.h"
#include "AXOPlatform.h"
#include "CATTime.h"

namespace {

// Runs each test under a chosen locale and time zone, and gives the process
// its own settings back afterwards.
class AXOParseDateTimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (Saved& saved : saved_)
      saved.set = AXOPlatform::Get()->GetEnv(saved.name, saved.value).ok();
    AXOPlatform::Get()->SetEnv("LC_TIME", nullptr);
    AXOPlatform::Get()->SetEnv("LANG", nullptr);
    // Central European time with its daylight-saving rules, spelled so that
    // both the C library and the Windows C runtime read it.
    AXOPlatform::Get()->SetEnv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
  }
  void TearDown() override {
    for (const Saved& saved : saved_) {
      AXOPlatform::Get()->SetEnv(saved.name, saved.set ? saved.value.c_str() : nullptr);
    }
  }

  // Sets the user's locale. False when the platform's date parser does not
  // follow it (Windows reads the user's settings, not the environment).
  static bool UseLocale(const std::string& locale) {
    AXOPlatform::Get()->SetEnv("LC_ALL", (locale + ".UTF-8").c_str());
    std::string used = AXOPlatform::Get()->UserDateLocale();
    for (char& c : used) {
      if (c == '-') c = '_';
    }
    return used == locale;
  }

  static bool Parse(const std::string& text, CATTime& time) {
    CATUnicodeString input(text.c_str());
    return AXOCorParserServices::AXOParseDateTime(input, time);
  }

 private:
  struct Saved {
    const char* name;
    bool set = false;
    std::string value;
  };
  Saved saved_[4] = {
      {"LC_ALL", false, ""}, {"LC_TIME", false, ""}, {"LANG", false, ""}, {"TZ", false, ""}};
};

struct Reading {
  const char* locale;
  const char* text;
  int year, month, day, hour, minute, second;
};

TEST_F(AXOParseDateTimeTest, ReadsTheFormsOfTheUserLocaleAndIsoDates) {
  // The locales alternate, so a result kept from an earlier locale shows.
  const Reading readings[] = {
      {"en_US", "03/04/2024", 2024, 3, 4, 0, 0, 0},
      {"en_GB", "03/04/2024", 2024, 4, 3, 0, 0, 0},
      {"en_US", "3/4/2024", 2024, 3, 4, 0, 0, 0},
      {"de_DE", "03.04.2024", 2024, 4, 3, 0, 0, 0},
      {"en_US", "3/15/24", 2024, 3, 15, 0, 0, 0},
      {"en_US", "Mar 15, 2024", 2024, 3, 15, 0, 0, 0},
      {"en_US", "March 15, 2024", 2024, 3, 15, 0, 0, 0},
      {"en_US", "Friday, March 15, 2024", 2024, 3, 15, 0, 0, 0},
      {"en_US", "3/15/2024 2:30 PM", 2024, 3, 15, 14, 30, 0},
      {"en_US", "3/15/2024 2:30:45 pm", 2024, 3, 15, 14, 30, 45},
      {"en_US", "  3/15/2024 9:05 AM  ", 2024, 3, 15, 9, 5, 0},
      {"en_GB", "15/03/2024 14:30", 2024, 3, 15, 14, 30, 0},
      {"en_GB", "15 March 2024", 2024, 3, 15, 0, 0, 0},
      {"de_DE", "15.03.2024 14:30:05", 2024, 3, 15, 14, 30, 5},
      {"de_DE", "15. M\xC3\xA4rz 2024", 2024, 3, 15, 0, 0, 0},
      {"en_US", "12/31/1999 11:59:59 PM", 1999, 12, 31, 23, 59, 59},
      {"en_US", "2/29/2024", 2024, 2, 29, 0, 0, 0},
      // ISO dates in every locale.
      {"en_US", "2024-03-15 14:30:05", 2024, 3, 15, 14, 30, 5},
      {"en_GB", "2024-03-15", 2024, 3, 15, 0, 0, 0},
      {"de_DE", "2024-03-15 14:30:05", 2024, 3, 15, 14, 30, 5},
      {"en_US", "2024-03-15", 2024, 3, 15, 0, 0, 0},
      {"en_GB", "2024-03-15 14:30:05", 2024, 3, 15, 14, 30, 5},
      {"de_DE", "2024-03-15", 2024, 3, 15, 0, 0, 0},
  };
  for (const Reading& r : readings) {
    SCOPED_TRACE(std::string(r.locale) + " '" + r.text + "'");
    if (!UseLocale(r.locale)) continue;  // the system's parser keeps the user's locale
    CATTime time(2001, 2, 3, 4, 5, 6);
    ASSERT_TRUE(Parse(r.text, time));
    EXPECT_EQ(r.year, time.GetYear());
    EXPECT_EQ(r.month, time.GetMonth());
    EXPECT_EQ(r.day, time.GetDay());
    EXPECT_EQ(r.hour, time.GetHour());
    EXPECT_EQ(r.minute, time.GetMinute());
    EXPECT_EQ(r.second, time.GetSecond());
  }
}

TEST_F(AXOParseDateTimeTest, RefusesTextItCannotReadAndKeepsTheTime) {
  const struct {
    const char* locale;
    std::vector<const char*> texts;
  } rejects[] = {
      {"en_US",
       {"", "   ", "abc", "13/13/2024", "2/30/2024", "2/29/2023", "3/15/2024 25:00",
        "3/15/2024 10:61", "3/15/2024 and more"}},
      {"en_GB", {"03/15/2024"}},
      {"de_DE", {"31.04.2024"}},
  };
  for (const auto& r : rejects) {
    SCOPED_TRACE(r.locale);
    if (!UseLocale(r.locale)) continue;
    for (const char* text : r.texts) {
      SCOPED_TRACE(std::string("'") + text + "'");
      const CATTime before(2001, 2, 3, 4, 5, 6);
      CATTime time = before;
      EXPECT_FALSE(Parse(text, time));
      EXPECT_TRUE(time == before);
    }
  }
}

TEST_F(AXOParseDateTimeTest, TakesTheTextAsLocalTime) {
  if (!UseLocale("en_US")) GTEST_SKIP() << "the date parser does not follow LC_ALL here";
  const struct {
    const char* text;
    std::int64_t seconds;  // since 1970-01-01 00:00:00 UTC
  } cases[] = {
      {"1/15/2024", 1705273200},           // midnight, UTC+1: 2024-01-14 23:00 UTC
      {"1/15/2024 12:00 PM", 1705316400},  // 11:00 UTC
      {"7/15/2024 12:00 PM", 1721037600},  // daylight saving, UTC+2: 10:00 UTC
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CATTime time;
    ASSERT_TRUE(Parse(c.text, time));
    EXPECT_EQ(c.seconds, time.GetTime());
  }
}

std::string Text(const AXOCalendarTime& f) {
  std::ostringstream s;
  s << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.minute << ':'
    << f.second;
  return s.str();
}

// A platform whose date parser reads every text as `fields`, and whose
// first local-time conversion after a parse gives 1234567 unless told to
// fail (the others, CATTime's own, go to the system).
class CalendarPlatform : public AXOPlatformWrapper {
 public:
  CalendarPlatform() : AXOPlatformWrapper(AXOPlatform::Get()) {}
  AXOStatus ParseUserDateTime(const std::string&, AXOCalendarTime& out) override {
    out = fields;
    parsed_ = true;
    return AXOStatus();
  }
  AXOStatus SecondsFromLocalTime(const AXOCalendarTime& local, std::int64_t& out) override {
    if (!parsed_) return AXOPlatformWrapper::SecondsFromLocalTime(local, out);
    parsed_ = false;
    converted = local;
    out = 1234567;
    return convertible ? AXOStatus() : AXOStatus(AXOStatusCode::kInvalidArgument, "fields");
  }
  AXOCalendarTime fields, converted;
  bool convertible = true;

 private:
  bool parsed_ = false;
};

// The fields that make a time: a year from 1900 on, and each other field
// within its range. Anything else, or a time the system cannot convert,
// leaves the time as it was.
TEST(AXOParseDateTime, TakesOnlyFieldsOfATimeFrom1900On) {
  const struct {
    AXOCalendarTime fields;
    bool taken;
  } cases[] = {{{1900, 1, 1, 0, 0, 0}, true},       {{9999, 12, 31, 23, 59, 59}, true},
               {{1899, 12, 31, 23, 59, 59}, false}, {{2024, 0, 1, 0, 0, 0}, false},
               {{2024, 13, 1, 0, 0, 0}, false},     {{2024, 1, 0, 0, 0, 0}, false},
               {{2024, 1, 32, 0, 0, 0}, false},     {{2024, 1, 1, -1, 0, 0}, false},
               {{2024, 1, 1, 24, 0, 0}, false},     {{2024, 1, 1, 0, -1, 0}, false},
               {{2024, 1, 1, 0, 60, 0}, false},     {{2024, 1, 1, 0, 0, -1}, false},
               {{2024, 1, 1, 0, 0, 60}, false}};
  CalendarPlatform platform;
  for (const bool convertible : {true, false}) {
    platform.convertible = convertible;
    for (const auto& c : cases) {
      SCOPED_TRACE(Text(c.fields) + (convertible ? "" : ", not convertible"));
      platform.fields = c.fields;
      platform.converted = AXOCalendarTime();
      CATTime time;
      time = 987654321;
      CATUnicodeString text("any");
      const bool taken = c.taken && convertible;
      AXOPlatform::SetForTesting(&platform);
      const bool result = AXOCorParserServices::AXOParseDateTime(text, time);
      AXOPlatform::SetForTesting(nullptr);
      EXPECT_EQ(result, taken);
      CATTime expected;
      expected = taken ? 1234567 : 987654321;
      EXPECT_TRUE(time == expected);
      // The fields go to the conversion as they are.
      EXPECT_EQ(Text(platform.converted), Text(c.taken ? c.fields : AXOCalendarTime()));
    }
  }
}

}  // namespace
