// Reading a profile map file into the reader's map.
#include <cstddef>
#include <istream>
#include <map>
#include <string>

#include "AXOCorCSVMapReader.h"
#include "foundations/AXOCorNativeFiles.h"

namespace {

// The longest line a map file may hold, line end not counted.
constexpr std::size_t kMaxLineLength = 1023;

enum class LineStatus { kLine, kEndOfFile, kTooLong };

// Reads the next line into `line`, without its line feed and without a
// carriage return right before the line feed or the end of the file. Stops
// reading as soon as the line is known to be too long, so an endless line
// costs no more than kMaxLineLength bytes of memory. Reads through the
// istream, not its buffer: the stream turns read errors (a directory opened
// as a file) into an end of input instead of an exception.
LineStatus ReadLine(std::istream& in, std::string& line) {
  line.clear();
  char c = 0;
  if (!in.get(c)) return LineStatus::kEndOfFile;
  while (c != '\n') {
    // One character beyond the limit is kept: it may be a CR that goes.
    if (line.size() > kMaxLineLength) return LineStatus::kTooLong;
    line.push_back(c);
    if (!in.get(c)) break;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line.size() > kMaxLineLength ? LineStatus::kTooLong : LineStatus::kLine;
}

// The first three fields of a record line.
struct MapRecord {
  CATUnicodeString qzName;
  CATUnicodeString field2;
  CATUnicodeString field3;
};

// Splits `line` at its first three ","; fields after the third are dropped.
// False for comments, empty lines and lines with fewer than two ",".
bool SplitRecord(const std::string& line, MapRecord& record) {
  if (line.empty() || line[0] == '#') return false;
  const std::size_t first = line.find(',');
  if (first == std::string::npos) return false;
  const std::size_t second = line.find(',', first + 1);
  if (second == std::string::npos) return false;
  std::size_t third = line.find(',', second + 1);
  if (third == std::string::npos) third = line.size();
  record.qzName = CATUnicodeString(line.data(), first);
  record.field2 = CATUnicodeString(line.data() + first + 1, second - first - 1);
  record.field3 = CATUnicodeString(line.data() + second + 1, third - second - 1);
  return true;
}

// A foreign-name field of fewer than two characters stands for "none".
bool IsName(const CATUnicodeString& field) {
  return field.GetLengthInChar() >= 2;
}

}  // namespace

HRESULT AXOCorCSVMapReader::ReadCatalogMap(const CATUnicodeString& path,
                                           enumTranslatorType direction) {
  map_.clear();
  // A pipe or a device is not read: it might never end.
  const std::unique_ptr<AXOFileReader> opened = AXOOpenRegularFile(path);
  if (opened == nullptr) return S_OK;
  std::istream file(opened.get());

  // Import keys from fields 2 and 1 must not displace a field-3 key of a
  // later line, so they are collected apart and merged at the end.
  std::map<CATUnicodeString, CATUnicodeString> byField2;
  std::map<CATUnicodeString, CATUnicodeString> byQZName;
  std::string line;
  MapRecord record;
  while (ReadLine(file, line) == LineStatus::kLine) {
    if (!SplitRecord(line, record)) continue;
    if (direction == TranslatorImport) {
      if (IsName(record.field3)) {
        CATUnicodeString key;
        ProcessStringForMap(record.field3, key);
        map_.emplace(key, record.qzName);
      }
      if (IsName(record.field2)) byField2.emplace(record.field2, record.qzName);
      byQZName.emplace(record.qzName, record.qzName);
    } else {
      const CATUnicodeString& foreign = IsName(record.field3)   ? record.field3
                                        : IsName(record.field2) ? record.field2
                                                                : record.qzName;
      map_.emplace(record.qzName, foreign);
    }
  }
  map_.insert(byField2.begin(), byField2.end());
  map_.insert(byQZName.begin(), byQZName.end());
  return S_OK;
}
