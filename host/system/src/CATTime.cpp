#include "CATTime.h"

#include <limits>

#include "AXOPlatform.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, and
// back (the era-based conversion: 400-year cycles of 146097 days).
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = FloorDiv(year, 400);
  const unsigned year_of_era = static_cast<unsigned>(year - era * 400);
  const unsigned day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

struct CivilDate {
  std::int64_t year;
  unsigned month;
  unsigned day;
};

CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = FloorDiv(days, 146097);
  const unsigned day_of_era = static_cast<unsigned>(days - era * 146097);
  const unsigned year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const unsigned day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const unsigned shifted_month = (5 * day_of_year + 2) / 153;  // March = 0
  CivilDate date;
  date.day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
  date.month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
  date.year = static_cast<std::int64_t>(year_of_era) + era * 400 + (date.month <= 2 ? 1 : 0);
  return date;
}

// a + b, held at the limits of the type instead of overflowing.
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  if (b > 0 && a > kMax - b) return kMax;
  if (b < 0 && a < kMin - b) return kMin;
  return a + b;
}

int ClampToInt(std::int64_t value) {
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace

CATTime::CATTime(int year, int month, int day, int hour, int minute, int second) {
  // Months carry into years first, so that the day count starts from a
  // valid month; days, hours, minutes and seconds then simply add up.
  const std::int64_t months = std::int64_t{year} * 12 + (std::int64_t{month} - 1);
  const std::int64_t full_year = FloorDiv(months, 12);
  const unsigned month_of_year = static_cast<unsigned>(months - full_year * 12 + 1);
  const std::int64_t days = DaysFromCivil(full_year, month_of_year, 1) + (std::int64_t{day} - 1);
  clock_ = days * kSecondsPerDay + std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + second;
}

CATTime& CATTime::operator=(std::int64_t secondsSince1970) {
  AXOCalendarTime local;
  if (AXOPlatform::Get()->LocalTimeFromSeconds(secondsSince1970, local).ok()) {
    *this = CATTime(local.year, local.month, local.day, local.hour, local.minute, local.second);
  }
  return *this;
}

int CATTime::GetYear() const {
  return ClampToInt(CivilFromDays(FloorDiv(clock_, kSecondsPerDay)).year);
}

int CATTime::GetMonth() const {
  return static_cast<int>(CivilFromDays(FloorDiv(clock_, kSecondsPerDay)).month);
}

int CATTime::GetDay() const {
  return static_cast<int>(CivilFromDays(FloorDiv(clock_, kSecondsPerDay)).day);
}

int CATTime::GetHour() const {
  return static_cast<int>((clock_ - FloorDiv(clock_, kSecondsPerDay) * kSecondsPerDay) / 3600);
}

int CATTime::GetMinute() const {
  return static_cast<int>((clock_ - FloorDiv(clock_, 3600) * 3600) / 60);
}

int CATTime::GetSecond() const {
  return static_cast<int>(clock_ - FloorDiv(clock_, 60) * 60);
}

std::int64_t CATTime::GetTime() const {
  const CivilDate date = CivilFromDays(FloorDiv(clock_, kSecondsPerDay));
  if (date.year != ClampToInt(date.year)) return -1;
  AXOCalendarTime local;
  local.year = static_cast<int>(date.year);
  local.month = static_cast<int>(date.month);
  local.day = static_cast<int>(date.day);
  local.hour = GetHour();
  local.minute = GetMinute();
  local.second = GetSecond();
  std::int64_t seconds = -1;
  return AXOPlatform::Get()->SecondsFromLocalTime(local, seconds).ok() ? seconds : -1;
}

CATTime& CATTime::operator+=(const CATTimeSpan& span) {
  clock_ = SaturatingAdd(clock_, span.GetTotalSeconds());
  return *this;
}

CATTime& CATTime::operator-=(const CATTimeSpan& span) {
  // A span's count is far from the limits (it is built from int parts), so
  // its negation cannot overflow.
  clock_ = SaturatingAdd(clock_, -span.GetTotalSeconds());
  return *this;
}

CATTime CATTime::operator+(const CATTimeSpan& span) const {
  CATTime result(*this);
  result += span;
  return result;
}

CATTime CATTime::operator-(const CATTimeSpan& span) const {
  CATTime result(*this);
  result -= span;
  return result;
}
