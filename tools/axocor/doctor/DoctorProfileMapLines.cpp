// Splitting a profile map file into classified lines.
#include "DoctorProfileMapLines.h"

namespace axocor::doctor {

namespace {

constexpr std::size_t kShownLength = 80;

// Reads one line without its line feed; false at the end of the input.
// A long line is read whole, whatever its length, so that the lines after
// it can be counted; only its first bytes are kept.
bool NextLine(std::istream& in, std::string& line, std::size_t& length) {
  line.clear();
  length = 0;
  std::streambuf* buffer = in.rdbuf();
  int c = buffer->sbumpc();
  if (c == std::char_traits<char>::eof()) return false;
  bool pendingCr = false;
  for (; c != std::char_traits<char>::eof() && c != '\n'; c = buffer->sbumpc()) {
    if (pendingCr) {
      if (line.size() <= kMaxMapLineLength) line.push_back('\r');
      ++length;
    }
    pendingCr = c == '\r';
    if (pendingCr) continue;
    if (line.size() <= kMaxMapLineLength) line.push_back(static_cast<char>(c));
    ++length;
  }
  return true;
}

void SplitRecord(MapLine& line) {
  const std::string& text = line.text;
  std::size_t start = 0;
  line.fieldCount = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    if (line.fieldCount < 3) {
      line.fields[line.fieldCount] = text.substr(start, comma - start);
    }
    ++line.fieldCount;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

}  // namespace

MapFileLines ReadProfileMapLines(std::istream& in) {
  MapFileLines file;
  std::string text;
  std::size_t length = 0;
  bool stopped = false;
  for (int number = 1; NextLine(in, text, length); ++number) {
    if (stopped) {
      ++file.linesAfterTooLong;
      continue;
    }
    MapLine line;
    line.number = number;
    line.length = length;
    line.text = text;
    if (length > kMaxMapLineLength) {
      line.kind = MapLineKind::kTooLong;
      line.text = text.substr(0, kShownLength);
      stopped = true;
    } else if (text.empty()) {
      line.kind = MapLineKind::kEmpty;
    } else if (text[0] == '#') {
      line.kind = MapLineKind::kComment;
    } else if (const auto first = text.find(',');
               first == std::string::npos || text.find(',', first + 1) == std::string::npos) {
      line.kind = MapLineKind::kTooFewFields;
    } else {
      SplitRecord(line);
    }
    file.lines.push_back(std::move(line));
  }
  return file;
}

}  // namespace axocor::doctor
