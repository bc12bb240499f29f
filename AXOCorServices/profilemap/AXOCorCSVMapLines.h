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
#include <istream>
#include <memory>
#include <string_view>

namespace axo_profile_map {

// The longest line a map file may hold, line end not counted.
constexpr std::size_t kMaxLineLength = 1023;

enum class LineKind { kRecord, kComment, kEmpty, kTooFewFields, kTooLong };

struct MapLine {
  LineKind kind = LineKind::kEmpty;
  // The line without its line end. A line too long: the part read so far,
  // at least kMaxLineLength + 1 bytes (FinishLongLine gives its length).
  std::string_view text;
  // Records: the first three fields.
  std::string_view fields[3];
  // Records: true when the line holds fields after the third (ignored).
  bool moreFields = false;
};

// Reads the lines of a stream in blocks. Memory stays bounded whatever the
// input: a line is held only up to the point where it is known to be too
// long. Read errors (a folder opened as a file) end the input.
class MapLineReader {
 public:
  // `blockSize`: bytes asked of the stream at a time (at least 1).
  explicit MapLineReader(std::istream& in, std::size_t blockSize = 64 * 1024);
  MapLineReader(const MapLineReader&) = delete;
  MapLineReader& operator=(const MapLineReader&) = delete;

  // The next line. Its views stay valid until the next call of Next or
  // FinishLongLine. False at the end of the input.
  bool Next(MapLine& line);

  // After Next gave a line too long: reads to its end and returns its
  // length, line end not counted. The next Next gives the line after it
  // (Next also skips the rest of the line when this is not called).
  std::size_t FinishLongLine();

 private:
  // Moves the bytes not given out to the front and reads a block after
  // them; sets atEnd_ when the stream gives nothing more.
  void Fill();
  void Classify(const char* start, std::size_t length, MapLine& line);

  std::istream& in_;
  std::size_t blockSize_;
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0;  // first byte not yet given out
  std::size_t end_ = 0;    // end of the bytes read
  bool atEnd_ = false;
  bool inLongLine_ = false;     // a line too long was given and not read to its end
  std::size_t longLength_ = 0;  // bytes of that line so far
  bool longEndsInCr_ = false;   // its last byte so far is a carriage return
};

}  // namespace axo_profile_map

#endif  // AXOCorCSVMapLines_h
