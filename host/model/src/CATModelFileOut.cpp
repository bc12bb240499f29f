#include "CATModelFileOut.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "CATModelFileFields.h"

namespace {

// The length of the well-formed UTF-8 sequence at `text` (at most `size`
// bytes), or 0 when there is none: no overlong forms, surrogates or code
// points beyond U+10FFFF.
std::size_t SequenceLength(const unsigned char* text, std::size_t size) {
  const unsigned char lead = text[0];
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (length > size || text[1] < low || text[1] > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (text[i] < 0x80 || text[i] > 0xBF) return 0;
  }
  return length;
}

const char kHex[] = "0123456789abcdef";

// True for the ASCII characters written as they are in a text.
bool IsPlain(unsigned char c) {
  return c >= 0x20 && c < 0x80 && c != '"' && c != '\\';
}

// True when every byte of `text` is written as it is.
bool AllPlain(const char* text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    if (!IsPlain(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

}  // namespace

std::size_t CATModelFileOut::LineLength() const {
  return 1 + 2 * empty_.size();
}

char* CATModelFileOut::Line(char* at) const {
  const std::size_t indent = 2 * empty_.size();
  *at = '\n';
  std::memset(at + 1, ' ', indent);
  return at + 1 + indent;
}

void CATModelFileOut::Expand(std::size_t size) {
  text_.resize(std::max({used_ + size, text_.capacity(), 2 * text_.size()}));
}

void CATModelFileOut::Append(const char* bytes, std::size_t size) {
  if (size > 0) std::memcpy(Grow(size), bytes, size);
}

char* CATModelFileOut::Start(std::size_t size) {
  if (after_key_ || empty_.empty()) {
    after_key_ = false;
    return Grow(size);
  }
  // A member or item after others takes a comma; each its own line.
  const bool comma = !empty_.back();
  empty_.back() = false;
  char* at = Grow(comma + LineLength() + size);
  if (comma) *at++ = ',';
  return Line(at);
}

void CATModelFileOut::BeforeValue() {
  Start(0);
}

void CATModelFileOut::BeginObject() {
  *Start(1) = '{';
  empty_.push_back(true);
}

void CATModelFileOut::BeginArray() {
  *Start(1) = '[';
  empty_.push_back(true);
}

void CATModelFileOut::Close(char bracket) {
  const bool empty = empty_.back();
  empty_.pop_back();
  char* at = Grow(empty ? 1 : LineLength() + 1);
  if (!empty) at = Line(at);
  *at = bracket;
}

void CATModelFileOut::EndObject() {
  Close('}');
}

void CATModelFileOut::EndArray() {
  Close(']');
}

void CATModelFileOut::Key(const std::string& name) {
  Key(name.data(), name.size());
}

void CATModelFileOut::Key(const char* name) {
  Key(name, std::strlen(name));
}

void CATModelFileOut::Key(const char* name, std::size_t size) {
  Text(name, size);
  Append(": ", 2);
  after_key_ = true;
}

void CATModelFileOut::Text(const std::string& utf8) {
  Text(utf8.data(), utf8.size());
}

void CATModelFileOut::Text(const char* utf8, std::size_t size) {
  if (AllPlain(utf8, size)) {
    char* at = Start(size + 2);
    *at = '"';
    std::memcpy(at + 1, utf8, size);
    at[size + 1] = '"';
    return;
  }
  BeforeValue();
  Quoted(utf8, size);
}

bool CATModelFileOut::AsciiText(const std::u32string& chars) {
  bool plain = true;
  for (char32_t c : chars) {
    if (c >= 0x80) return false;
    plain = plain && IsPlain(static_cast<unsigned char>(c));
  }
  if (plain) {
    char* at = Start(chars.size() + 2);
    *at++ = '"';
    for (char32_t c : chars) *at++ = static_cast<char>(c);
    *at = '"';
    return true;
  }
  ascii_.clear();
  for (char32_t c : chars) ascii_ += static_cast<char>(c);
  BeforeValue();
  Quoted(ascii_.data(), ascii_.size());
  return true;
}

void CATModelFileOut::Quoted(const char* text, std::size_t size) {
  Append('"');
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  std::size_t plain = 0;  // start of the bytes not yet copied
  for (std::size_t i = 0; i < size;) {
    const unsigned char byte = bytes[i];
    if (byte >= 0x80) {
      const std::size_t length = SequenceLength(bytes + i, size - i);
      if (length == 0) throw CATModelFileFault{"a text of the document is not valid Unicode"};
      i += length;
      continue;
    }
    if (IsPlain(byte)) {
      ++i;
      continue;
    }
    Append(text + plain, i - plain);
    Escape(byte);
    plain = ++i;
  }
  Append(text + plain, size - plain);
  Append('"');
}

void CATModelFileOut::Escape(unsigned char byte) {
  // The characters that have an escape of one letter, and their letters.
  static const char kShort[] = "\"\\\b\f\n\r\t";
  static const char kLetters[] = "\"\\bfnrt";
  const char* const shortened = byte != 0 ? std::strchr(kShort, byte) : nullptr;
  if (shortened != nullptr) {
    char* at = Grow(2);
    at[0] = '\\';
    at[1] = kLetters[shortened - kShort];
    return;
  }
  char* at = Grow(6);
  std::memcpy(at, "\\u00", 4);
  at[4] = kHex[byte >> 4];
  at[5] = kHex[byte & 0xF];
}

void CATModelFileOut::Integer(long long number) {
  BeforeValue();
  AppendInteger(number);
}

void CATModelFileOut::AppendInteger(long long number) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  Append(digits, static_cast<std::size_t>(end - digits));
}

void CATModelFileOut::Number(double number) {
  BeforeValue();
  AppendNumber(number);
}

void CATModelFileOut::AppendNumber(double number) {
  if (std::nearbyint(number) == number && std::fabs(number) < 9007199254740992.0) {
    AppendInteger(static_cast<long long>(number));
    return;
  }
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  Append(digits, static_cast<std::size_t>(end - digits));
}

void CATModelFileOut::Boolean(bool value) {
  BeforeValue();
  if (value) {
    Append("true", 4);
  } else {
    Append("false", 5);
  }
}

void CATModelFileOut::NumberList(const double* numbers, std::size_t count) {
  Append('[');
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) Append(", ", 2);
    AppendNumber(numbers[i]);
  }
  Append(']');
}

void CATModelFileOut::Numbers(const double* numbers, std::size_t count) {
  BeforeValue();
  NumberList(numbers, count);
}

void CATModelFileOut::Rows(const double* numbers, std::size_t rows, std::size_t columns) {
  BeforeValue();
  const bool one_line = rows * columns <= kCATModelFileOutLineNumbers;
  Append('[');
  if (!one_line) empty_.push_back(true);
  for (std::size_t row = 0; row < rows; ++row) {
    if (one_line) {
      if (row > 0) Append(", ", 2);
    } else {
      BeforeValue();
    }
    NumberList(numbers + row * columns, columns);
  }
  if (one_line) {
    Append(']');
  } else {
    Close(']');
  }
}
