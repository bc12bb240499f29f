#include "CATModelFileOut.h"

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

char* CATModelFileOut::Grow(std::size_t size) {
  const std::size_t at = text_.size();
  text_.resize(at + size);
  return &text_[at];
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
  text_ += ": ";
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
  ascii_.clear();
  for (char32_t c : chars) {
    if (c >= 0x80) return false;
    ascii_ += static_cast<char>(c);
  }
  Text(ascii_.data(), ascii_.size());
  return true;
}

void CATModelFileOut::Quoted(const char* text, std::size_t size) {
  text_ += '"';
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
    text_.append(text + plain, i - plain);
    Escape(byte);
    plain = ++i;
  }
  text_.append(text + plain, size - plain);
  text_ += '"';
}

void CATModelFileOut::Escape(unsigned char byte) {
  switch (byte) {
    case '"':
      text_ += "\\\"";
      break;
    case '\\':
      text_ += "\\\\";
      break;
    case '\b':
      text_ += "\\b";
      break;
    case '\f':
      text_ += "\\f";
      break;
    case '\n':
      text_ += "\\n";
      break;
    case '\r':
      text_ += "\\r";
      break;
    case '\t':
      text_ += "\\t";
      break;
    default:
      text_ += "\\u00";
      text_ += kHex[byte >> 4];
      text_ += kHex[byte & 0xF];
  }
}

void CATModelFileOut::Integer(long long number) {
  BeforeValue();
  AppendInteger(number);
}

void CATModelFileOut::AppendInteger(long long number) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  text_.append(digits, end);
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
  text_.append(digits, end);
}

void CATModelFileOut::Boolean(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
}

void CATModelFileOut::NumberList(const double* numbers, std::size_t count) {
  text_ += '[';
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text_ += ", ";
    AppendNumber(numbers[i]);
  }
  text_ += ']';
}

void CATModelFileOut::Numbers(const double* numbers, std::size_t count) {
  BeforeValue();
  NumberList(numbers, count);
}

void CATModelFileOut::Rows(const double* numbers, std::size_t rows, std::size_t columns) {
  BeforeValue();
  const bool one_line = rows * columns <= kCATModelFileOutLineNumbers;
  text_ += '[';
  if (!one_line) empty_.push_back(true);
  for (std::size_t row = 0; row < rows; ++row) {
    if (one_line) {
      if (row > 0) text_ += ", ";
    } else {
      BeforeValue();
    }
    NumberList(numbers + row * columns, columns);
  }
  if (one_line) {
    text_ += ']';
  } else {
    Close(']');
  }
}
