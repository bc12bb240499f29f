// Splitting a profile map stream into lines and records.
#include "AXOCorCSVMapLines.h"

#include <cstring>

namespace axo_profile_map {

namespace {

const char* Find(const char* begin, const char* end, char c) {
  return static_cast<const char*>(std::memchr(begin, c, static_cast<std::size_t>(end - begin)));
}

}  // namespace

// Room for the part of a line kept between blocks (at most
// kMaxLineLength + 1 bytes, else the line is too long) and one block.
MapLineReader::MapLineReader(std::istream& in, std::size_t blockSize)
    : in_(in),
      blockSize_(blockSize > 0 ? blockSize : 1),
      buffer_(new char[kMaxLineLength + 2 + blockSize_]) {}

void MapLineReader::Fill() {
  const std::size_t kept = end_ - begin_;
  if (kept > 0 && begin_ > 0) std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
  begin_ = 0;
  end_ = kept;
  // The stream, not its buffer: it turns read errors into an end of input.
  in_.read(buffer_.get() + end_, static_cast<std::streamsize>(blockSize_));
  const std::streamsize read = in_.gcount();
  if (read <= 0) {
    atEnd_ = true;
    return;
  }
  end_ += static_cast<std::size_t>(read);
}

bool MapLineReader::Next(MapLine& line) {
  if (inLongLine_) FinishLongLine();
  for (;;) {
    const char* start = buffer_.get() + begin_;
    const char* end = buffer_.get() + end_;
    if (const char* lineFeed = Find(start, end, '\n')) {
      begin_ += static_cast<std::size_t>(lineFeed - start) + 1;
      Classify(start, static_cast<std::size_t>(lineFeed - start), line);
      return true;
    }
    const std::size_t available = end_ - begin_;
    if (available > kMaxLineLength + 1) {
      // Too long even if its last byte is a carriage return that goes.
      begin_ = end_;
      inLongLine_ = true;
      longLength_ = available;
      longEndsInCr_ = end[-1] == '\r';
      line = MapLine{};
      line.kind = LineKind::kTooLong;
      line.text = std::string_view(start, available);
      return true;
    }
    if (!atEnd_) {
      Fill();
      continue;
    }
    if (available == 0) return false;
    begin_ = end_;  // the last line, without a line feed
    Classify(start, available, line);
    return true;
  }
}

std::size_t MapLineReader::FinishLongLine() {
  while (inLongLine_) {
    const char* start = buffer_.get() + begin_;
    const char* end = buffer_.get() + end_;
    const char* lineFeed = Find(start, end, '\n');
    const char* stop = lineFeed != nullptr ? lineFeed : end;
    if (stop > start) {
      longLength_ += static_cast<std::size_t>(stop - start);
      longEndsInCr_ = stop[-1] == '\r';
    }
    begin_ = static_cast<std::size_t>(stop - buffer_.get());
    if (lineFeed != nullptr) {
      ++begin_;
      break;
    }
    if (atEnd_) break;
    Fill();
  }
  if (inLongLine_) {
    inLongLine_ = false;
    if (longEndsInCr_) --longLength_;
  }
  return longLength_;
}

void MapLineReader::Classify(const char* start, std::size_t length, MapLine& line) {
  if (length > 0 && start[length - 1] == '\r') --length;
  line = MapLine{};
  line.text = std::string_view(start, length);
  const char* end = start + length;
  if (length > kMaxLineLength) {
    line.kind = LineKind::kTooLong;
    longLength_ = length;
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

}  // namespace axo_profile_map
