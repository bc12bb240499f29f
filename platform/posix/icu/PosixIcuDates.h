#ifndef AXO_POSIX_ICU_DATES_H
#define AXO_POSIX_ICU_DATES_H

// The entry point of the date module of the POSIX backend: a small shared
// library that links ICU, loaded by the backend on the first date text it
// reads. Programs that never read a date do not load ICU, whose dynamic
// relocations would otherwise cost every process start more than the rest
// of its libraries together.

#include <cstddef>

#include "AXOPlatform.h"

extern "C" {

// What AXOIcuParseDateTime did. No exception leaves the module, which may
// use a C++ runtime other than its caller's (axocor links its own).
enum AXOIcuDateRead {
  kAXOIcuDateNotRead = 0,      // the text is no date of the locale
  kAXOIcuDateRead = 1,         // `fields` holds the date read
  kAXOIcuDateOutOfMemory = 2,  // memory ran out
};

// Reads the `length` bytes of UTF-8 at `text` the way ParseUserDateTime
// documents it, under the ICU locale `locale` ("de_DE", "en_US_POSIX").
// `fields` changes only with kAXOIcuDateRead. Safe to call from several
// threads.
typedef AXOIcuDateRead (*AXOIcuParseDateTimeFunction)(const char* text, std::size_t length,
                                                      const char* locale, AXOCalendarTime* fields);

#define AXO_ICU_PARSE_DATE_TIME_SYMBOL "AXOIcuParseDateTime"

}  // extern "C"

#endif  // AXO_POSIX_ICU_DATES_H
