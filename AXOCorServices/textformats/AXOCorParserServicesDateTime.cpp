// Date-time texts written by users, read in the user's regional settings.
#include <cstdint>

#include "AXOCorParserServices.h"
#include "AXOPlatform.h"
#include "CATTime.h"

namespace {

// The calendar fields that make a time the library hands out; anything
// else (a time of day alone, which the system's parser puts on 1899-12-30,
// or a date before 1900) is refused.
bool InRange(const AXOCalendarTime& fields) {
  return fields.year >= 1900 && fields.month >= 1 && fields.month <= 12 && fields.day >= 1 &&
         fields.day <= 31 && fields.hour >= 0 && fields.hour <= 23 && fields.minute >= 0 &&
         fields.minute <= 59 && fields.second >= 0 && fields.second <= 59;
}

}  // namespace

bool AXOCorParserServices::AXOParseDateTime(CATUnicodeString& text, CATTime& time) {
  AXOPlatform* platform = AXOPlatform::Get();
  const char* chars = text.ConvertToChar();
  AXOCalendarTime fields;
  if (!platform->ParseUserDateTime(chars != nullptr ? chars : "", fields).ok() ||
      !InRange(fields)) {
    return false;
  }
  // The fields are the local clock's; daylight saving is for the system to
  // determine, as for any local time.
  std::int64_t seconds = 0;
  if (!platform->SecondsFromLocalTime(fields, seconds).ok()) return false;
  time = seconds;
  return true;
}
