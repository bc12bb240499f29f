#ifndef CATJsonScan_h
#define CATJsonScan_h

// A quick reader of JSON text for the document files: it gives a handler
// of the JSON library's SAX interface (nlohmann::json_sax) the events that
// the library's own parser gives for the same text, with the same values,
// several times faster (the library keeps every character of a token for
// its error messages, and reads the text a character at a time through an
// iterator).
//
// CATJsonScan answers true when it read the whole text as one JSON value
// and gave every event. It answers false, having given the events of some
// first part of the text, when the text is not valid JSON, and for the few
// forms it leaves to the library: a text that starts with a byte order
// mark, a NUL byte after the value (where the library ends the text), and
// a number whose value the conversion reports out of range (too small or
// too large for a double). A handler's event that answers false
// stops the scan too. After false, the caller reads the text again with the
// library's parser, from the start and with a fresh handler: the library
// names the fault in its own words.
//
// What it takes as valid is JSON (RFC 8259) exactly as the library takes
// it: UTF-8 well formed in strings (no overlong forms, no surrogates, no
// code point above U+10FFFF), no control character unescaped in a string,
// an escaped surrogate only as the first half of a pair followed by its
// second. Numbers without fraction and exponent are integers (signed when
// negative, unsigned otherwise) unless they overflow 64 bits, and are read
// as doubles then; others are doubles, read in the C locale. The nesting
// has no limit and takes no stack.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

namespace CATJsonScanInternal {

inline bool IsSpace(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
inline int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The length of the well-formed UTF-8 sequence at `p` (whose first byte is
// 0x80 or more) before `end`; 0 when it is not well formed.
inline std::size_t Utf8Length(const unsigned char* p, const unsigned char* end) {
  const unsigned char first = p[0];
  std::size_t length = 0;
  unsigned char low = 0x80;  // the range of the second byte
  unsigned char high = 0xBF;
  if (first >= 0xC2 && first <= 0xDF) {
    length = 2;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3;
    if (first == 0xE0) low = 0xA0;   // no overlong form
    if (first == 0xED) high = 0x9F;  // no surrogate
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4;
    if (first == 0xF0) low = 0x90;   // no overlong form
    if (first == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (static_cast<std::size_t>(end - p) < length || p[1] < low || p[1] > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (p[i] < 0x80 || p[i] > 0xBF) return 0;
  }
  return length;
}

inline void AppendUtf8(std::uint32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The text being read. The character past its end is the string's
// terminating NUL, which is no valid character anywhere in JSON: each step
// looks at the next character without testing for the end first.
class Cursor {
 public:
  explicit Cursor(const std::string& text) : p_(text.c_str()), end_(p_ + text.size()) {}

  char Peek() const { return *p_; }
  bool AtEnd() const { return p_ == end_; }
  void Skip() { ++p_; }
  void SkipSpace() {
    while (IsSpace(*p_)) {
      ++p_;
      // The indentation of a written file: spaces, eight at a time.
      constexpr std::uint64_t kSpaces = 0x2020202020202020;
      for (std::uint64_t word; end_ - p_ >= 8; p_ += 8) {
        std::memcpy(&word, p_, sizeof word);
        if (word != kSpaces) break;
      }
    }
  }

  // `word` ("true", "false", "null") at the cursor, which is passed.
  bool Literal(const char* word, std::size_t length) {
    if (static_cast<std::size_t>(end_ - p_) < length || std::memcmp(p_, word, length) != 0) {
      return false;
    }
    p_ += length;
    return true;
  }

  // The string at the cursor (at its opening quote) into `out`.
  bool String(std::string& out) {
    out.clear();
    const char* run = ++p_;  // the characters not yet copied
    for (;;) {
      const unsigned char c = static_cast<unsigned char>(*p_);
      if (c == '"') {
        out.append(run, p_);
        ++p_;
        return true;
      }
      if (c == '\\') {
        out.append(run, p_);
        if (!Escape(out)) return false;
        run = p_;
      } else if (c < 0x20) {
        return false;  // a control character, or the end
      } else if (c < 0x80) {
        ++p_;
      } else {
        const std::size_t length = Utf8Length(reinterpret_cast<const unsigned char*>(p_),
                                              reinterpret_cast<const unsigned char*>(end_));
        if (length == 0) return false;
        p_ += length;
      }
    }
  }

  // The number at the cursor ("-" or a digit), as the library reads it.
  template <class Sax>
  bool Number(Sax& sax, std::string& token) {
    const char* start = p_;
    const bool negative = *p_ == '-';
    if (negative) ++p_;
    if (*p_ == '0') {
      ++p_;
    } else if (IsDigit(*p_)) {
      while (IsDigit(*p_)) ++p_;
    } else {
      return false;
    }
    bool integer = true;
    if (*p_ == '.') {
      integer = false;
      ++p_;
      if (!IsDigit(*p_)) return false;
      while (IsDigit(*p_)) ++p_;
    }
    if (*p_ == 'e' || *p_ == 'E') {
      integer = false;
      ++p_;
      if (*p_ == '+' || *p_ == '-') ++p_;
      if (!IsDigit(*p_)) return false;
      while (IsDigit(*p_)) ++p_;
    }
    if (integer && negative) {
      std::int64_t value = 0;
      const auto read = std::from_chars(start, p_, value);
      if (read.ec == std::errc() && read.ptr == p_) return sax.number_integer(value);
    } else if (integer) {
      std::uint64_t value = 0;
      const auto read = std::from_chars(start, p_, value);
      if (read.ec == std::errc() && read.ptr == p_) return sax.number_unsigned(value);
    }
    double value = 0;
    const auto read = std::from_chars(start, p_, value);
    if (read.ec != std::errc() || read.ptr != p_ || !std::isfinite(value)) return false;
    token.assign(start, p_);
    return sax.number_float(value, token);
  }

 private:
  // The escape at the cursor (at its backslash), appended to `out`.
  bool Escape(std::string& out) {
    ++p_;
    const char c = *p_++;
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out += c;
        return true;
      case 'b':
        out += '\b';
        return true;
      case 'f':
        out += '\f';
        return true;
      case 'n':
        out += '\n';
        return true;
      case 'r':
        out += '\r';
        return true;
      case 't':
        out += '\t';
        return true;
      case 'u':
        break;
      default:
        return false;
    }
    std::uint32_t code = 0;
    if (!Hex4(code)) return false;
    if (code >= 0xDC00 && code <= 0xDFFF) return false;  // a second half alone
    if (code >= 0xD800 && code <= 0xDBFF) {
      std::uint32_t second = 0;
      if (p_[0] != '\\' || p_[1] != 'u') return false;
      p_ += 2;
      if (!Hex4(second) || second < 0xDC00 || second > 0xDFFF) return false;
      code = 0x10000 + ((code - 0xD800) << 10) + (second - 0xDC00);
    }
    AppendUtf8(code, out);
    return true;
  }

  // Four hexadecimal digits at the cursor.
  bool Hex4(std::uint32_t& code) {
    for (int i = 0; i < 4; ++i) {
      const int digit = HexValue(*p_);  // the end's NUL is no digit: never read past it
      if (digit < 0) return false;
      code = code * 16 + static_cast<std::uint32_t>(digit);
      ++p_;
    }
    return true;
  }

  const char* p_;
  const char* const end_;
};

}  // namespace CATJsonScanInternal

template <class Sax>
bool CATJsonScan(const std::string& text, Sax& sax) {
  using CATJsonScanInternal::Cursor;
  constexpr std::size_t kUnknownSize = static_cast<std::size_t>(-1);
  if (!text.empty() && static_cast<unsigned char>(text[0]) == 0xEF) return false;  // a mark
  Cursor cursor(text);
  std::string buffer;      // the string or number token being given
  std::vector<bool> open;  // the containers open, innermost last: true for an object
  // A key, its colon, and the space around them.
  const auto key = [&cursor, &buffer, &sax]() {
    cursor.SkipSpace();
    if (cursor.Peek() != '"' || !cursor.String(buffer) || !sax.key(buffer)) return false;
    cursor.SkipSpace();
    if (cursor.Peek() != ':') return false;
    cursor.Skip();
    return true;
  };
  for (;;) {
    // A value.
    cursor.SkipSpace();
    bool given = false;
    switch (cursor.Peek()) {
      case '{':
      case '[': {
        const bool object = cursor.Peek() == '{';
        cursor.Skip();
        if (!(object ? sax.start_object(kUnknownSize) : sax.start_array(kUnknownSize))) {
          return false;
        }
        cursor.SkipSpace();
        if (cursor.Peek() == (object ? '}' : ']')) {  // empty
          cursor.Skip();
          given = object ? sax.end_object() : sax.end_array();
          break;
        }
        open.push_back(object);
        if (object && !key()) return false;
        continue;
      }
      case '"':
        given = cursor.String(buffer) && sax.string(buffer);
        break;
      case 't':
        given = cursor.Literal("true", 4) && sax.boolean(true);
        break;
      case 'f':
        given = cursor.Literal("false", 5) && sax.boolean(false);
        break;
      case 'n':
        given = cursor.Literal("null", 4) && sax.null();
        break;
      default:
        given = (cursor.Peek() == '-' || CATJsonScanInternal::IsDigit(cursor.Peek())) &&
                cursor.Number(sax, buffer);
        break;
    }
    if (!given) return false;
    // What follows a value: a comma and the next member or item, or the end
    // of the containers it closes, or the end of the text.
    for (;;) {
      cursor.SkipSpace();
      if (open.empty()) return cursor.AtEnd();
      const char c = cursor.Peek();
      if (c == ',') {
        cursor.Skip();
        if (open.back() && !key()) return false;
        break;
      }
      if (c != (open.back() ? '}' : ']')) return false;
      cursor.Skip();
      const bool object = open.back();
      open.pop_back();
      if (!(object ? sax.end_object() : sax.end_array())) return false;
    }
  }
}

#endif  // CATJsonScan_h
