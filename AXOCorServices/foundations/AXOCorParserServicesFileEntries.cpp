// Reading the lines of a text file.
//
// The file is read in binary mode and a carriage return before a line feed
// is dropped here, so a file with Windows line ends reads the same on every
// system. A line longer than the line buffer is cut: its first bytes are
// kept (never half a UTF-8 character) and the rest of it up to the line
// feed is skipped, so one line of the file stays one entry.
#include <string>

#include "AXOCorNativeFiles.h"
#include "AXOCorParserServices.h"

namespace {

// The line buffers of the two forms: 1024 and 256 bytes with their NUL.
constexpr std::size_t kMaxListLine = 1023;
constexpr std::size_t kMaxFirstLine = 255;

// Drops a UTF-8 sequence that the cut at `limit` bytes left incomplete.
void CutAtCharacter(std::string& line, std::size_t limit) {
  if (line.size() <= limit) return;
  std::size_t end = limit;
  // Continuation bytes (10xxxxxx) at the cut belong to the character whose
  // lead byte would otherwise end the line without them.
  while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;
  line.resize(end);
}

// Reads one line without its line end into `line`, keeping at most `limit`
// bytes. Returns false when the stream ended before a line feed.
bool ReadLine(std::streambuf& buffer, std::size_t limit, std::string& line) {
  line.clear();
  for (;;) {
    const auto c = buffer.sbumpc();
    if (c == std::char_traits<char>::eof()) {
      CutAtCharacter(line, limit);
      return false;
    }
    if (c == '\n') {
      // Past the limit the last byte kept may not be the one before the line
      // feed, but then the cut drops it anyway.
      if (!line.empty() && line.back() == '\r') line.pop_back();
      CutAtCharacter(line, limit);
      return true;
    }
    // One byte beyond the limit is kept to see where the cut falls.
    if (line.size() <= limit) line.push_back(static_cast<char>(c));
  }
}

}  // namespace

bool AXOCorParserServices::GetFileEntries(const CATUnicodeString& filePath,
                                          CATListValCATUnicodeString& lines) {
  // Only regular files: a directory reads as nothing, and a pipe or a
  // device may never end.
  const std::unique_ptr<AXOFileReader> file = AXOOpenRegularFile(filePath);
  if (file == nullptr) return false;
  std::string line;
  bool more = true;
  while (more) {
    more = ReadLine(*file, kMaxListLine, line);
    lines.Append(CATUnicodeString(line.c_str()));
  }
  return true;
}

bool AXOCorParserServices::GetFileEntries(const CATUnicodeString& filePath,
                                          CATUnicodeString& firstLine) {
  const std::unique_ptr<AXOFileReader> file = AXOOpenRegularFile(filePath);
  if (file == nullptr) return false;
  std::string line;
  ReadLine(*file, kMaxFirstLine, line);
  firstLine = CATUnicodeString(line.c_str());
  return true;
}
