// Reading the lines of a text file.
//
// The file is read in binary mode and a carriage return before a line feed
// is dropped here, so a file with Windows line ends reads the same on every
// system. A line longer than the line buffer is cut: its first bytes are
// kept (never half a UTF-8 character) and the rest of it up to the line
// feed is skipped, so one line of the file stays one entry.
#include <string>
#include <string_view>

#include "AXOCorParserServices.h"
#include "foundations/AXOCorNativeFiles.h"

namespace {

// The line buffers of the two forms: 1024 and 256 bytes with their NUL.
constexpr std::size_t kMaxListLine = 1023;
constexpr std::size_t kMaxFirstLine = 255;

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The bytes of the UTF-8 character that the lead byte `c` starts; 1 for a
// byte that starts none.
std::size_t SequenceLength(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u >= 0xC0 && u < 0xE0 ? 2 : u >= 0xE0 && u < 0xF0 ? 3 : u >= 0xF0 && u < 0xF8 ? 4 : 1;
}

// Cuts `line` to `limit` bytes, dropping the start of a UTF-8 character that
// the cut would split. A byte that is part of no character (a stray
// continuation byte) is a character of its own, as in the host's texts, so
// at most the 3 bytes of one character are dropped.
void CutAtCharacter(std::string& line, std::size_t limit) {
  if (line.size() <= limit) return;
  if (IsContinuation(line[limit])) {
    for (std::size_t back = 1; back <= 3 && back <= limit; ++back) {
      if (IsContinuation(line[limit - back])) continue;
      if (SequenceLength(line[limit - back]) > back) limit -= back;
      break;
    }
  }
  line.resize(limit);
}

// The most the list form reads: its entries take about as much memory as
// the file, so a larger file is not read at all. The first-line form reads
// only the start of the file, enough for its line and the byte after it.
constexpr std::size_t kMaxListFileBytes = std::size_t{1} << 30;
constexpr std::size_t kFirstLineBytes = 4096;

// Takes one line without its line end from the front of `text` into
// `line`, keeping at most `limit` bytes. Returns false when the text ended
// before a line feed.
bool ReadLine(std::string_view& text, std::size_t limit, std::string& line) {
  const std::size_t lineFeed = text.find('\n');
  std::string_view taken = text.substr(0, lineFeed);
  text.remove_prefix(lineFeed == std::string_view::npos ? text.size() : lineFeed + 1);
  if (lineFeed != std::string_view::npos && !taken.empty() && taken.back() == '\r') {
    taken.remove_suffix(1);
  }
  // One byte beyond the limit is kept to see where the cut falls.
  line.assign(taken.substr(0, limit + 1));
  CutAtCharacter(line, limit);
  return lineFeed != std::string_view::npos;
}

}  // namespace

bool AXOCorParserServices::GetFileEntries(const CATUnicodeString& filePath,
                                          CATListValCATUnicodeString& lines) {
  // Only regular files: a directory reads as nothing, and a pipe or a
  // device may never end.
  std::string bytes;
  if (!AXOReadFile(filePath, {kMaxListFileBytes, false}, bytes).ok()) return false;
  std::string_view text(bytes);
  std::string line;
  bool more = true;
  while (more) {
    more = ReadLine(text, kMaxListLine, line);
    lines.Append(CATUnicodeString(line.c_str()));
  }
  return true;
}

bool AXOCorParserServices::GetFileEntries(const CATUnicodeString& filePath,
                                          CATUnicodeString& firstLine) {
  std::string bytes;
  if (!AXOReadFile(filePath, {kFirstLineBytes, false, true}, bytes).ok()) return false;
  std::string_view text(bytes);
  std::string line;
  ReadLine(text, kMaxFirstLine, line);
  firstLine = CATUnicodeString(line.c_str());
  return true;
}
