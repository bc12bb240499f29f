// The lines of a text file (GetFileEntries), with the input as the file.
//   - The list form gives one entry per line feed and one more; the
//     first-line form gives the first of them.
//   - An entry is its line without the carriage return before the line
//     feed; a line longer than the buffer (1023 resp. 255 bytes) is cut to
//     at most that many bytes, losing no more than an incomplete UTF-8
//     character. Entries end at a NUL byte, as texts built from the
//     host's char buffers do.
#include <string>
#include <vector>

#include "AXOCorParserServices.h"
#include "AXOFuzzSupport.h"

namespace {

std::vector<std::string> LinesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = bytes.find('\n', begin);
    std::string line = bytes.substr(begin, end == std::string::npos ? end : end - begin);
    if (end != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    if (end == std::string::npos) return lines;
    begin = end + 1;
  }
}

// Whether `entry` is `line` when it fits `limit` bytes, else `line` cut to
// `limit` bytes or up to 3 fewer (an incomplete character dropped).
bool IsEntryOf(const CATUnicodeString& entry, const std::string& line, std::size_t limit) {
  if (line.size() <= limit) return entry == CATUnicodeString(line.c_str());
  for (std::size_t cut = limit; cut + 3 >= limit; --cut) {
    if (entry == CATUnicodeString(line.substr(0, cut).c_str())) return true;
    if (cut == 0) break;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = AXOFuzzBytes(data, size);
  AXOFuzzFolder& folder = AXOFuzzFolder::Get();
  folder.Write("lines.txt", bytes);
  const CATUnicodeString path(folder.Host("lines.txt").c_str());

  CATListValCATUnicodeString entries;
  AXO_FUZZ_CHECK(AXOCorParserServices::GetFileEntries(path, entries));
  const std::vector<std::string> lines = LinesOf(bytes);
  AXO_FUZZ_CHECK(entries.Size() == static_cast<int>(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    AXO_FUZZ_CHECK(IsEntryOf(entries[static_cast<int>(i) + 1], lines[i], 1023));
  }
  CATUnicodeString first;
  AXO_FUZZ_CHECK(AXOCorParserServices::GetFileEntries(path, first));
  AXO_FUZZ_CHECK(IsEntryOf(first, lines[0], 255));
  return 0;
}
