#ifndef AXO_CALENDAR_FIELDS_H
#define AXO_CALENDAR_FIELDS_H

// Conversions between the C library's broken-down time and AXOCalendarTime,
// shared by the backends' local-time services.

#include <ctime>

#include "AXOPlatform.h"

inline AXOCalendarTime AXOCalendarFromTm(const std::tm& fields) {
  AXOCalendarTime local;
  local.year = fields.tm_year + 1900;
  local.month = fields.tm_mon + 1;
  local.day = fields.tm_mday;
  local.hour = fields.tm_hour;
  local.minute = fields.tm_min;
  local.second = fields.tm_sec;
  return local;
}

// The fields of `local`, with daylight-saving time left to the C library.
// The caller checks that the year does not underflow tm_year.
inline std::tm AXOTmFromCalendar(const AXOCalendarTime& local) {
  std::tm fields{};
  fields.tm_year = local.year - 1900;
  fields.tm_mon = local.month - 1;
  fields.tm_mday = local.day;
  fields.tm_hour = local.hour;
  fields.tm_min = local.minute;
  fields.tm_sec = local.second;
  fields.tm_isdst = -1;
  return fields;
}

#endif  // AXO_CALENDAR_FIELDS_H
