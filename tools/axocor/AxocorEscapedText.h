#ifndef AxocorEscapedText_h
#define AxocorEscapedText_h

// Text that a command read from a file, as it prints it. A file may hold
// any bytes, and a terminal acts on some of them: control characters move
// the cursor, change colours or ring the bell, and bytes that are not UTF-8
// garble what follows. So whatever a command echoes of a file's content
// (a counter's text, a line of an environment file or a profile map, a
// name in a document, a catalog or a style sheet) goes through
// AxocorEscapedText first, and comes out as one line of printable text.

#include <string>
#include <string_view>

// `text` with every character that would not print as itself written as
// an escape: "\n", "\r" and "\t"; other control characters (C0, DEL) and
// bytes that are not part of a well-formed UTF-8 character as "\xNN"; the
// C1 control characters (U+0080 to U+009F) as "\u0080". Printable
// characters, those beyond ASCII included, stay as they are, and so does
// "\" itself: paths keep their folder separators, and escaping an escaped
// text changes nothing.
//   "abc\0def\xFF" => "abc\x00def\xFF"   "Wall\n" => "Wall\n" (two characters)
std::string AxocorEscapedText(std::string_view text);

// Why `bytes` are not text, at the first byte that makes them so: "line 3,
// column 7: a NUL byte", "...: the control character 0x1B", "...: the byte
// 0xFF, which is not UTF-8" (columns count bytes from 1); "" when they are
// text: well-formed UTF-8 with no control character but tab, line feed and
// carriage return.
std::string AxocorWhyNotText(std::string_view bytes);

#endif  // AxocorEscapedText_h
