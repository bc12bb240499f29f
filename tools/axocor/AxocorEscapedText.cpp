// Escaping of file text for printing, and the test for text.
#include "AxocorEscapedText.h"

#include <cstdio>

namespace {

// One character of UTF-8 text at the start of `rest`: its bytes and code
// point, or one byte that starts no well-formed character (`valid` false).
// Overlong forms, surrogates and code points beyond U+10FFFF are not
// well-formed.
struct Utf8Char {
  std::size_t length = 1;
  char32_t code = 0;
  bool valid = false;
};

Utf8Char NextChar(std::string_view rest) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
  Utf8Char c;
  const unsigned char first = byte(0);
  c.code = first;
  if (first < 0x80) {
    c.valid = true;
    return c;
  }
  std::size_t length = 0;
  char32_t lowest = 0;
  if ((first & 0xE0) == 0xC0) {
    length = 2, lowest = 0x80, c.code = first & 0x1F;
  } else if ((first & 0xF0) == 0xE0) {
    length = 3, lowest = 0x800, c.code = first & 0x0F;
  } else if ((first & 0xF8) == 0xF0) {
    length = 4, lowest = 0x10000, c.code = first & 0x07;
  } else {
    return c;
  }
  if (rest.size() < length) return c;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return c;
    c.code = (c.code << 6) | (byte(i) & 0x3F);
  }
  if (c.code < lowest || c.code > 0x10FFFF || (c.code >= 0xD800 && c.code <= 0xDFFF)) return c;
  c.length = length;
  c.valid = true;
  return c;
}

bool IsControl(char32_t code) {
  return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
}

std::string Hex(const char* format, unsigned value) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string AxocorEscapedText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char c = NextChar(text.substr(at));
    if (!c.valid) {
      escaped += Hex("\\x%02X", static_cast<unsigned char>(text[at]));
    } else if (c.code == '\n') {
      escaped += "\\n";
    } else if (c.code == '\r') {
      escaped += "\\r";
    } else if (c.code == '\t') {
      escaped += "\\t";
    } else if (c.code >= 0x80 && IsControl(c.code)) {
      escaped += Hex("\\u%04X", static_cast<unsigned>(c.code));
    } else if (IsControl(c.code)) {
      escaped += Hex("\\x%02X", static_cast<unsigned>(c.code));
    } else {
      escaped.append(text.substr(at, c.length));
    }
    at += c.length;
  }
  return escaped;
}

std::string AxocorWhyNotText(std::string_view bytes) {
  std::size_t line = 1;
  std::size_t lineStart = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    const Utf8Char c = NextChar(bytes.substr(at));
    const std::string where =
        "line " + std::to_string(line) + ", column " + std::to_string(at - lineStart + 1) + ": ";
    if (!c.valid) {
      return where + Hex("the byte 0x%02X", static_cast<unsigned char>(bytes[at])) +
             ", which is not UTF-8";
    }
    if (c.code == 0) return where + "a NUL byte";
    if (IsControl(c.code) && c.code != '\t' && c.code != '\n' && c.code != '\r') {
      return where +
             Hex(c.code < 0x80 ? "the control character 0x%02X" : "the control character U+%04X",
                 static_cast<unsigned>(c.code));
    }
    at += c.length;
    if (c.code == '\n') {
      ++line;
      lineStart = at;
    }
  }
  return "";
}
