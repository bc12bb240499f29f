#ifndef CATSettingFormat_h
#define CATSettingFormat_h

// The text form of a saved settings repository. One header line, then one
// line per key, in key order:
//
//   CATSettings 1
//   <key> TAB <type> TAB <value>
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
// (a corrupt or foreign file). A malformed line (bad escape, unknown type,
// number out of range, missing field) is skipped; the other lines are kept.
// For a key on several lines the last line counts.
bool CATParseSettings(const std::string& text, CATSettingMap& settings);

#endif  // CATSettingFormat_h
