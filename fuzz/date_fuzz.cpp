// Date-time texts (AXOParseDateTime) in the locale of the run.
//   - A text that is refused leaves the time as it was.
//   - A text that is read gives a time whose local fields lie in range and
//     whose ISO 8601 text ("y-MM-dd H:mm:ss") reads as the same time.
#include <cstdio>
#include <string>

#include "AXOCorParserServices.h"
#include "AXOFuzzSupport.h"
#include "CATTime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CATUnicodeString text(reinterpret_cast<const char*>(data), size);
  const CATTime preset(2001, 2, 3, 4, 5, 6);
  CATTime time = preset;
  if (!AXOCorParserServices::AXOParseDateTime(text, time)) {
    AXO_FUZZ_CHECK(time == preset);
    return 0;
  }
  AXO_FUZZ_CHECK(time.GetYear() >= 1900);
  AXO_FUZZ_CHECK(time.GetMonth() >= 1 && time.GetMonth() <= 12);
  AXO_FUZZ_CHECK(time.GetDay() >= 1 && time.GetDay() <= 31);
  AXO_FUZZ_CHECK(time.GetHour() >= 0 && time.GetHour() <= 23);
  AXO_FUZZ_CHECK(time.GetMinute() >= 0 && time.GetMinute() <= 59);
  AXO_FUZZ_CHECK(time.GetSecond() >= 0 && time.GetSecond() <= 59);
  char iso[64];
  std::snprintf(iso, sizeof iso, "%04d-%02d-%02d %02d:%02d:%02d", time.GetYear(), time.GetMonth(),
                time.GetDay(), time.GetHour(), time.GetMinute(), time.GetSecond());
  CATUnicodeString again(iso);
  CATTime reread = preset;
  AXO_FUZZ_CHECK(AXOCorParserServices::AXOParseDateTime(again, reread));
  AXO_FUZZ_CHECK(reread == time);
  return 0;
}
