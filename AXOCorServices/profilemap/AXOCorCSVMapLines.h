#ifndef AXOCorCSVMapLines_h
#define AXOCorCSVMapLines_h

// The lines of a profile map file as the map reader takes them. An internal
// unit: linked into the library and into its tools, never exported.
//
// A line ends at a line feed; a carriage return right before the line feed
// (or before the end of the input) is not part of it. A line of more than
// kMaxLineLength bytes ends the reading: the reader gives it as kTooLong and
// its caller stops there. A line starting with "#" is a comment, an empty
// line is skipped, a line with fewer than two "," is no record. A record's
// fields are separated by "," with no quoting and no trimming; only the
// first three count, the third ending at a third "," or at the line's end.
//
//   "HEB100,HE100B,HE 100 B\r\n" => record "HEB100" | "HE100B" | "HE 100 B"
//   "A,B,C,D"                    => record "A" | "B" | "C", moreFields
//   "A,B" / "#A,B,C" / ""        => kTooFewFields / kComment / kEmpty

#include <cstddef>
#include <string_view>

namespace axo_profile_map {

// The longest line a map file may hold, line end not counted.
constexpr std::size_t kMaxLineLength = 1023;

enum class LineKind { kRecord, kComment, kEmpty, kTooFewFields, kTooLong };

struct MapLine {
  LineKind kind = LineKind::kEmpty;
  // The line without its line end (also for a line too long).
  std::string_view text;
  // Records: the first three fields.
  std::string_view fields[3];
  // Records: true when the line holds fields after the third (ignored).
  bool moreFields = false;
};

// Gives the lines of a text, read whole beforehand, one at a time. The
// views it gives point into that text.
class MapLineReader {
 public:
  explicit MapLineReader(std::string_view text) : text_(text) {}

  // The next line; false at the end of the text.
  bool Next(MapLine& line);

 private:
  std::string_view text_;
  std::size_t begin_ = 0;  // first byte not yet given out
};

}  // namespace axo_profile_map

#endif  // AXOCorCSVMapLines_h
