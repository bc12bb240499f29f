// Local-time conversions of the Windows backend, through the C runtime's
// 64-bit time functions (time zone from TZ, else the system's settings).
#include <time.h>

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
  const __time64_t time = static_cast<__time64_t>(seconds);
  struct tm fields = {};
  // The C runtime reads TZ once, on its first conversion; _tzset reads it
  // again, so that both directions follow a zone set while running.
  ::_tzset();
  if (::_localtime64_s(&fields, &time) != 0) return Unconverted(std::to_string(seconds) + " s");
  local = AXOCalendarFromTm(fields);
  return AXOStatus();
}

AXOStatus AXOPlatformBackend::SecondsFromLocalTime(const AXOCalendarTime& local,
                                                   std::int64_t& seconds) {
  if (local.year < std::numeric_limits<int>::min() + 1900) {
    return Unconverted("year " + std::to_string(local.year));
  }
  std::tm fields = AXOTmFromCalendar(local);
  ::_tzset();
  // _mktime64 covers 1970-01-01 00:00:00 to 3000-12-31 23:59:59 UTC and
  // reports anything else as -1, which is never a valid result here.
  const __time64_t result = ::_mktime64(&fields);
  if (result == -1) return Unconverted("year " + std::to_string(local.year));
  seconds = static_cast<std::int64_t>(result);
  return AXOStatus();
}
