// Splitting a profile map text into lines and records.
#include "profilemap/AXOCorCSVMapLines.h"

#include <cstring>

namespace axo_profile_map {

namespace {

const char* Find(const char* begin, const char* end, char c) {
  return static_cast<const char*>(std::memchr(begin, c, static_cast<std::size_t>(end - begin)));
}

void Classify(const char* start, std::size_t length, MapLine& line) {
  if (length > 0 && start[length - 1] == '\r') --length;
  line = MapLine{};
  line.text = std::string_view(start, length);
  const char* end = start + length;
  if (length > kMaxLineLength) {
    line.kind = LineKind::kTooLong;
    return;
  }
  if (length == 0) return;  // kEmpty
  if (start[0] == '#') {
    line.kind = LineKind::kComment;
    return;
  }
  const char* first = Find(start, end, ',');
  const char* second = first != nullptr ? Find(first + 1, end, ',') : nullptr;
  if (second == nullptr) {
    line.kind = LineKind::kTooFewFields;
    return;
  }
  const char* third = Find(second + 1, end, ',');
  line.kind = LineKind::kRecord;
  line.fields[0] = std::string_view(start, static_cast<std::size_t>(first - start));
  line.fields[1] = std::string_view(first + 1, static_cast<std::size_t>(second - first - 1));
  const char* fieldEnd = third != nullptr ? third : end;
  line.fields[2] = std::string_view(second + 1, static_cast<std::size_t>(fieldEnd - second - 1));
  line.moreFields = third != nullptr;
}

}  // namespace

bool MapLineReader::Next(MapLine& line) {
  if (begin_ >= text_.size()) return false;
  const char* start = text_.data() + begin_;
  const char* end = text_.data() + text_.size();
  const char* lineFeed = Find(start, end, '\n');
  const char* stop = lineFeed != nullptr ? lineFeed : end;
  begin_ = static_cast<std::size_t>(stop - text_.data()) + (lineFeed != nullptr ? 1 : 0);
  Classify(start, static_cast<std::size_t>(stop - start), line);
  return true;
}

}  // namespace axo_profile_map
