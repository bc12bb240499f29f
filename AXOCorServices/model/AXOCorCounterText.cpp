// Reading the text of a counter file.
#include "model/AXOCorCounterText.h"

#include <cerrno>
#include <cstdlib>

namespace axo_counters {

CounterText ReadCounterText(const std::string& content) {
  CounterText text;
  const char* begin = content.c_str();
  char* end = nullptr;
  errno = 0;
  text.number = std::strtoll(begin, &end, 10);
  text.hasNumber = end != begin;
  text.end = static_cast<std::size_t>(end - begin);
  if (!text.hasNumber || text.number == -1) {
    text.last = 0;
  } else if (errno == ERANGE || text.number < 0 || text.number > kMaxCounter) {
    text.last = -1;
  } else {
    text.last = text.number;
  }
  return text;
}

}  // namespace axo_counters
