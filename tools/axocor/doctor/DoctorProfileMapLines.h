#ifndef AXOCOR_DOCTOR_PROFILE_MAP_LINES_H
#define AXOCOR_DOCTOR_PROFILE_MAP_LINES_H

// The lines of a profile map file as the library's reader sees them, so
// that the doctor can say which lines it skips and why. The rules are the
// reader's: a line ends at a line feed, a carriage return right before it
// (or before the end of the file) is not part of it; a line of more than
// 1023 bytes ends the reading; "#" in the first column makes a comment; a
// record needs two ","; only the first three fields count.

#include <istream>
#include <string>
#include <vector>

namespace axocor::doctor {

enum class MapLineKind { kRecord, kComment, kEmpty, kTooFewFields, kTooLong };

struct MapLine {
  int number = 0;  // from 1
  MapLineKind kind = MapLineKind::kRecord;
  std::string text;        // the line (cut after 80 bytes for a line too long)
  std::size_t length = 0;  // bytes of the whole line, line end not counted
  std::string fields[3];   // records: the first three fields
  int fieldCount = 0;      // records: all fields of the line
};

struct MapFileLines {
  std::vector<MapLine> lines;  // up to and including a line too long
  int linesAfterTooLong = 0;   // lines the reader never reaches
};

// The longest line the reader takes, line end not counted.
constexpr std::size_t kMaxMapLineLength = 1023;

MapFileLines ReadProfileMapLines(std::istream& in);

}  // namespace axocor::doctor

#endif  // AXOCOR_DOCTOR_PROFILE_MAP_LINES_H
