// Finding include nodes in style-sheet text.
#include "DoctorIncludeScanner.h"

#include "DoctorFiles.h"

namespace axocor::doctor {

namespace {

constexpr const char kMark[] = "\"includefile\">";
constexpr const char kNodeOpen[] = "<std:node";
constexpr const char kValueOpen[] = "<std:strval>";
constexpr const char kValueClose[] = "</std:strval>";
constexpr const char kNodeClose[] = "</std:node>";

}  // namespace

IncludeScan ScanIncludes(const std::string& text) {
  IncludeScan scan;
  // The text ends at its first zero byte, as the library reads it.
  const std::string lower = ToLower(text.substr(0, text.find('\0')));
  std::size_t from = 0;
  while (true) {
    const std::size_t mark = lower.find(kMark, from);
    if (mark == std::string::npos) return scan;
    const std::string where = " (include mark at byte " + std::to_string(mark) + ")";
    const std::size_t node = lower.rfind(kNodeOpen, mark);
    if (node == std::string::npos || node < from) {
      scan.malformed = "an include mark without a \"<std:node\" before it" + where;
      return scan;
    }
    const std::size_t valueOpen = lower.find(kValueOpen, node);
    const std::size_t valueClose =
        valueOpen == std::string::npos ? valueOpen : lower.find(kValueClose, valueOpen);
    if (valueClose == std::string::npos) {
      scan.malformed = "an include node without \"<std:strval>\" name \"</std:strval>\"" + where;
      return scan;
    }
    const std::size_t nameStart = valueOpen + sizeof kValueOpen - 1;
    if (valueClose <= nameStart) {
      scan.malformed = "an include node with an empty file name" + where;
      return scan;
    }
    const std::size_t close = lower.find(kNodeClose, valueClose);
    if (close == std::string::npos) {
      scan.malformed = "an include node without a closing \"</std:node>\"" + where;
      return scan;
    }
    scan.names.push_back(lower.substr(nameStart, valueClose - nameStart));
    from = close + sizeof kNodeClose - 1;
  }
}

std::string IncludedContent(const std::string& text) {
  const std::string content = text.substr(0, text.find('\0'));
  const std::size_t first = content.find(kNodeOpen);
  if (first == std::string::npos) return "";
  const std::size_t second = content.find(kNodeOpen, first + 1);
  const std::size_t last = content.rfind("</std:node");
  if (second == std::string::npos || last == std::string::npos || last < second) return "";
  return content.substr(second, last - second);
}

bool IsFullIncludePath(const std::string& name) {
  return name.find(':') != std::string::npos || name.find('\\') != std::string::npos;
}

}  // namespace axocor::doctor
