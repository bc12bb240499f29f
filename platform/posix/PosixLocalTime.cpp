// Local-time conversions of the POSIX backend, through the C library's time
// zone (the TZ variable, else the system's zone).
#include <ctime>
#include <limits>

#include "../AXOCalendarFields.h"

#include "PosixPlatform.h"

bool PosixPlatform::LocalTimeFromSeconds(std::int64_t seconds, AXOCalendarTime& local) {
  if (seconds < std::numeric_limits<std::time_t>::min() ||
      seconds > std::numeric_limits<std::time_t>::max()) {
    return false;
  }
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm fields{};
  // localtime_r, unlike mktime, need not read TZ again (glibc's does not):
  // without tzset a zone set while running would be seen by one direction
  // of the conversion and not by the other.
  ::tzset();
  if (::localtime_r(&time, &fields) == nullptr) return false;
  local = AXOCalendarFromTm(fields);
  return true;
}

bool PosixPlatform::SecondsFromLocalTime(const AXOCalendarTime& local, std::int64_t& seconds) {
  if (local.year < std::numeric_limits<int>::min() + 1900) return false;
  std::tm fields = AXOTmFromCalendar(local);
  // mktime returns -1 both on failure and for 1969-12-31 23:59:59 UTC; it
  // fills tm_wday only on success, which tells the two apart.
  fields.tm_wday = -1;
  const std::time_t result = std::mktime(&fields);
  if (result == static_cast<std::time_t>(-1) && fields.tm_wday == -1) return false;
  seconds = static_cast<std::int64_t>(result);
  return true;
}
