#ifndef CATSettingFormat_h
#define CATSettingFormat_h

// The text form of a saved settings repository. One header line, one line
// per key, in key order, and an end marker with the number of key lines:
//
//   CATSettings 2
//   <key> TAB <type> TAB <value>
//   CATSettings end <number of key lines>
//
// Files of the older version 1 ("CATSettings 1") are read too; they were
// written without the marker at first, later with it.
// <type> is "int", "long", "string" or "unicode". A number value is one or
// more decimal 32-bit integers separated by single spaces; a text value is
// the text's bytes. In keys and texts a backslash is written "\\", a tab
// "\t", a line feed "\n", a carriage return "\r", and any other control
// byte "\xHH" (two hex digits), so every key and value fits on its line.
// A key starting with "CATSettings" is written with its first letter as
// "\x43", so that no key line reads as the header or the end marker; what
// the writer writes reads back equal, entry for entry.
// Lines end with LF; a CR before the LF is ignored when reading.

#include <string>

#include "CATSettingValue.h"

// The text of `settings`.
std::string CATFormatSettings(const CATSettingMap& settings);

// Reads the text of a repository into `settings` (cleared first). Returns
// false, with `settings` empty, when the header is not that of either
// version (a corrupt or foreign file) or the text is not whole: it ends
// inside a line, its end marker counts other lines than it follows,
// something comes after the marker, or a version 2 text has no marker (cut
// short at a line end). A version 1 text without a marker, written before
// the marker existed, is taken when it ends at a line end with its last
// line that holds anything a whole key line (or the header), which a text
// cut short matches only when cut exactly at a line end. The marker is
// "CATSettings end " and decimal digits alone: a line with more is a key
// line, as an older writer wrote keys that begin so. A malformed line (bad escape,
// unknown type, number out of range, missing field) is skipped; the other
// lines are kept. For a key on several lines the last line counts.
bool CATParseSettings(const std::string& text, CATSettingMap& settings);

#endif  // CATSettingFormat_h
