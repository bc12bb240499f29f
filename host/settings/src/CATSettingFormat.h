#ifndef CATSettingFormat_h
#define CATSettingFormat_h

// The text form of a saved settings repository. One header line, one line
// per key, in key order, and an end marker with the number of key lines:
//
//   CATSettings 1
//   <key> TAB <type> TAB <value>
//   CATSettings end <number of key lines>
//
// <type> is "int", "long", "string" or "unicode". A number value is one or
// more decimal 32-bit integers separated by single spaces; a text value is
// the text's bytes. In keys and texts a backslash is written "\\", a tab
// "\t", a line feed "\n", a carriage return "\r", and any other control
// byte "\xHH" (two hex digits), so every key and value fits on its line.
// Lines end with LF; a CR before the LF is ignored when reading.

#include <string>

#include "CATSettingValue.h"

// The text of `settings`.
std::string CATFormatSettings(const CATSettingMap& settings);

// Reads the text of a repository into `settings` (cleared first). Returns
// false, with `settings` empty, when the header is not that of this format
// (a corrupt or foreign file) or the text is not whole: it ends inside a
// line, its end marker counts other lines than it follows, or something
// comes after the marker. Texts written before the marker existed have
// none; one is taken when it ends at a line end with its last line that
// holds anything a whole key line (or the header), which a text cut short
// matches only when cut exactly at a line end. A malformed line (bad escape,
// unknown type, number out of range, missing field) is skipped; the other
// lines are kept. For a key on several lines the last line counts.
bool CATParseSettings(const std::string& text, CATSettingMap& settings);

#endif  // CATSettingFormat_h
