#include "foundations/AXOCorTextLines.h"

void AXOCorAppendTextLines(std::string& out, std::string_view text, std::string_view lineEnd) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t feed = text.find('\n', start);
    if (feed == std::string_view::npos) {
      out.append(text.substr(start));
      return;
    }
    out.append(text.substr(start, feed - start));
    out.append(lineEnd);
    start = feed + 1;
  }
}
