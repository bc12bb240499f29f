// Local-time conversions of the POSIX backend, through the C library's time
// zone (the TZ variable, else the system's zone).
#include <ctime>
#include <limits>
#include <string>

#include "../AXOCalendarFields.h"

#include "../AXOPlatformBackend.h"

namespace {

AXOStatus Unconverted(const std::string& what) {
  return AXOStatus(AXOStatusCode::kInvalidArgument, what, "cannot be converted to local time");
}

}  // namespace

AXOStatus AXOPlatformBackend::LocalTimeFromSeconds(std::int64_t seconds, AXOCalendarTime& local) {
  if (seconds < std::numeric_limits<std::time_t>::min() ||
      seconds > std::numeric_limits<std::time_t>::max()) {
    return Unconverted(std::to_string(seconds) + " s");
  }
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm fields{};
  // localtime_r, unlike mktime, need not read TZ again (glibc's does not):
  // without tzset a zone set while running would be seen by one direction
  // of the conversion and not by the other.
  ::tzset();
  if (::localtime_r(&time, &fields) == nullptr) return Unconverted(std::to_string(seconds) + " s");
  local = AXOCalendarFromTm(fields);
  return AXOStatus();
}

AXOStatus AXOPlatformBackend::SecondsFromLocalTime(const AXOCalendarTime& local,
                                                   std::int64_t& seconds) {
  if (local.year < std::numeric_limits<int>::min() + 1900) {
    return Unconverted("year " + std::to_string(local.year));
  }
  std::tm fields = AXOTmFromCalendar(local);
  // mktime returns -1 both on failure and for 1969-12-31 23:59:59 UTC; it
  // fills tm_wday only on success, which tells the two apart.
  fields.tm_wday = -1;
  const std::time_t result = std::mktime(&fields);
  if (result == static_cast<std::time_t>(-1) && fields.tm_wday == -1) {
    return Unconverted("year " + std::to_string(local.year));
  }
  seconds = static_cast<std::int64_t>(result);
  return AXOStatus();
}
