#ifndef AXOCorCounterText_h
#define AXOCorCounterText_h

// What the library reads in the text of a counter file. An internal unit:
// linked into the library and into its tools, never exported.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace axo_counters {

// The largest number a counter file holds: its text is a signed 32-bit
// number, whatever the width of `long`.
constexpr std::int64_t kMaxCounter = std::numeric_limits<std::int32_t>::max();

struct CounterText {
  // The text starts with a number, read as a stream reads one: blanks
  // skipped, an optional sign, decimal digits (saturated when too large).
  bool hasNumber = false;
  long long number = 0;
  std::size_t end = 0;  // where the number ends in the text
  // The last number handed out: 0 without a number and for -1 (none handed
  // out yet); -1 for a number that no counter holds: outside 32 bits, or
  // negative, which would hand out numbers that callers cannot tell from the
  // failure value -1.
  std::int64_t last = 0;
};

//   "41" => 41   "" / "abc" / "-1" => 0   "-2" / "99999999999" => -1
//   " 7 x" => 7, the number ending at 2
CounterText ReadCounterText(const std::string& content);

}  // namespace axo_counters

#endif  // AXOCorCounterText_h
