// The date module of the POSIX backend: date-time texts read with ICU's
// date formats in the date and time forms of a locale.
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "PosixIcuDates.h"

namespace {

// The forms that texts are read in under one locale, and the calendar that
// checks the fields read.
struct DateForms {
  std::vector<std::unique_ptr<icu::SimpleDateFormat>> formats;
  std::unique_ptr<icu::Calendar> calendar;
};

// ICU writes a narrow no-break space before "AM"/"PM" and no-break spaces
// elsewhere; people type plain blanks. Both patterns and texts get blanks.
void PlainBlanks(icu::UnicodeString& text) {
  text.findAndReplace(icu::UnicodeString(static_cast<UChar32>(0x202F)), icu::UnicodeString(' '));
  text.findAndReplace(icu::UnicodeString(static_cast<UChar32>(0x00A0)), icu::UnicodeString(' '));
}

icu::UnicodeString PatternOf(icu::DateFormat* format) {
  icu::UnicodeString pattern;
  // createInstance gives a SimpleDateFormat for every Gregorian locale.
  if (auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format)) simple->toPattern(pattern);
  delete format;
  PlainBlanks(pattern);
  return pattern;
}

// The patterns tried, in order: each of the locale's four date forms joined
// to a time of day the locale's way ("{date}, {time}", "{date} 'at' {time}")
// and with a blank, then alone; last the ISO 8601 forms. Times are the
// locale's short and medium forms and the 24-hour clock.
std::vector<icu::UnicodeString> PatternsOf(const icu::Locale& locale) {
  using icu::DateFormat;
  const DateFormat::EStyle date_styles[] = {DateFormat::kShort, DateFormat::kMedium,
                                            DateFormat::kLong, DateFormat::kFull};
  const DateFormat::EStyle time_styles[] = {DateFormat::kShort, DateFormat::kMedium};
  std::vector<icu::UnicodeString> times;
  for (DateFormat::EStyle time_style : time_styles) {
    times.push_back(PatternOf(DateFormat::createTimeInstance(time_style, locale)));
  }
  times.push_back(u"H:mm");
  times.push_back(u"H:mm:ss");

  std::vector<icu::UnicodeString> patterns;
  for (DateFormat::EStyle date_style : date_styles) {
    for (DateFormat::EStyle time_style : time_styles) {
      patterns.push_back(
          PatternOf(DateFormat::createDateTimeInstance(date_style, time_style, locale)));
    }
    const icu::UnicodeString date = PatternOf(DateFormat::createDateInstance(date_style, locale));
    for (const icu::UnicodeString& time : times) patterns.push_back(date + u" " + time);
    patterns.push_back(date);
  }
  for (const char16_t* iso :
       {u"y-MM-dd H:mm:ss", u"y-MM-dd H:mm", u"y-MM-dd'T'H:mm:ss", u"y-MM-dd'T'H:mm", u"y-MM-dd"}) {
    patterns.push_back(iso);
  }
  return patterns;
}

std::unique_ptr<DateForms> MakeDateForms(const std::string& localeName) {
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale locale(localeName.c_str());
  // Years are Gregorian years whatever calendar the locale prefers.
  locale.setKeywordValue("calendar", "gregorian", status);

  auto forms = std::make_unique<DateForms>();
  std::set<icu::UnicodeString> seen;
  for (const icu::UnicodeString& pattern : PatternsOf(locale)) {
    if (pattern.isEmpty() || !seen.insert(pattern).second) continue;
    status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(pattern, locale, status);
    if (U_FAILURE(status)) continue;
    // A lenient format forgives the blanks, separators, letter case and
    // number widths that people type; the strict calendar below still
    // refuses fields out of range instead of rolling them over.
    format->setLenient(true);
    forms->formats.push_back(std::move(format));
  }
  // Fields are read as they stand, in a zone without daylight saving; the
  // caller converts them to local time.
  status = U_ZERO_ERROR;
  forms->calendar =
      std::make_unique<icu::GregorianCalendar>(icu::TimeZone::getGMT()->clone(), locale, status);
  if (U_FAILURE(status)) return nullptr;
  forms->calendar->setLenient(false);
  return forms;
}

// Reads `text` whole with `format` into the fields of `calendar`.
bool ReadWith(const icu::SimpleDateFormat& format, const icu::UnicodeString& text,
              icu::Calendar& calendar, AXOCalendarTime& fields) {
  calendar.clear();
  icu::ParsePosition position(0);
  format.parse(text, calendar, position);
  // ICU accepts a match of the start of the text; only the whole counts.
  if (position.getErrorIndex() >= 0 || position.getIndex() != text.length()) return false;
  UErrorCode status = U_ZERO_ERROR;
  AXOCalendarTime read;
  read.year = calendar.get(UCAL_EXTENDED_YEAR, status);
  read.month = calendar.get(UCAL_MONTH, status) + 1;
  read.day = calendar.get(UCAL_DATE, status);
  read.hour = calendar.get(UCAL_HOUR_OF_DAY, status);
  read.minute = calendar.get(UCAL_MINUTE, status);
  read.second = calendar.get(UCAL_SECOND, status);
  // The strict calendar fails here on fields that do not make a date.
  if (U_FAILURE(status)) return false;
  fields = read;
  return true;
}

bool ParseDateTime(const char* utf8Text, std::size_t length, const std::string& locale,
                   AXOCalendarTime& fields) {
  icu::UnicodeString text =
      icu::UnicodeString::fromUTF8(icu::StringPiece(utf8Text, static_cast<std::int32_t>(length)));
  PlainBlanks(text);
  text.trim();
  if (text.isEmpty()) return false;

  // Formats cost tens of microseconds each to build, so each locale's set is
  // built once; ICU formats must not be used by two threads at once.
  static std::mutex mutex;
  static auto* const cache = new std::map<std::string, std::unique_ptr<DateForms>>();
  std::lock_guard<std::mutex> lock(mutex);
  std::unique_ptr<DateForms>& forms = (*cache)[locale];
  if (forms == nullptr) forms = MakeDateForms(locale);
  if (forms == nullptr) return false;
  for (const auto& format : forms->formats) {
    if (ReadWith(*format, text, *forms->calendar, fields)) return true;
  }
  return false;
}

}  // namespace

// The only exceptions that arise here are the standard containers' failures
// to allocate.
extern "C" __attribute__((visibility("default"))) AXOIcuDateRead AXOIcuParseDateTime(
    const char* utf8Text, std::size_t length, const char* locale, AXOCalendarTime* fields) {
  try {
    return ParseDateTime(utf8Text, length, locale, *fields) ? kAXOIcuDateRead : kAXOIcuDateNotRead;
  } catch (...) {
    return kAXOIcuDateOutOfMemory;
  }
}
