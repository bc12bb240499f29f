#include "CATUnicodeString.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "CATTextEncoding.h"

CATUnicodeString::CATUnicodeString(const char* text) {
  if (text != nullptr) chars_ = CATDecodeUtf8(text, std::strlen(text));
}

CATUnicodeString::CATUnicodeString(const char* text, std::size_t length) {
  if (text != nullptr) chars_ = CATDecodeUtf8(text, length);
}

CATUnicodeString::CATUnicodeString(const CATUnicodeChar& c, int count) {
  if (count > 0) chars_.assign(static_cast<std::size_t>(count), c.GetCode());
}

const char* CATUnicodeString::ConvertToChar() const {
  // The cache keeps its buffer while the text is unchanged, so that every
  // char form handed out stays valid until the text changes, also across
  // further calls (f(s.ConvertToChar(), s.ConvertToChar()) is common).
  std::string fresh = CATEncodeUtf8(chars_);
  if (fresh != utf8_) utf8_.swap(fresh);
  return utf8_.c_str();
}

int CATUnicodeString::GetLengthInByte() const {
  return static_cast<int>(CATEncodeUtf8(chars_).size());
}

int CATUnicodeString::SearchSubString(const CATUnicodeString& what, int start, int mode) const {
  const int length = GetLengthInChar();
  const int wanted = what.GetLengthInChar();
  if (wanted == 0 || start < 0 || start >= length) return -1;
  if (mode == CATSearchModeBackward) {
    const std::size_t last_start = static_cast<std::size_t>(length - 1 - start);
    const std::size_t found = chars_.rfind(what.chars_, last_start);
    return found == std::u32string::npos ? -1 : static_cast<int>(found);
  }
  const std::size_t found = chars_.find(what.chars_, static_cast<std::size_t>(start));
  return found == std::u32string::npos ? -1 : static_cast<int>(found);
}

CATUnicodeString CATUnicodeString::SubString(int start, int length) const {
  CATUnicodeString result;
  if (start < 0 || start >= GetLengthInChar() || length <= 0) return result;
  result.chars_ = chars_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
  return result;
}

CATUnicodeString& CATUnicodeString::ReplaceSubString(int start, int length,
                                                     const CATUnicodeString& with) {
  if (start < 0 || start > GetLengthInChar()) return *this;
  if (length < 0) length = 0;
  chars_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), with.chars_);
  return *this;
}

int CATUnicodeString::ReplaceAll(const CATUnicodeString& what, const CATUnicodeString& with) {
  if (what.chars_.empty()) return 0;
  std::u32string out;
  int count = 0;
  std::size_t from = 0;
  for (std::size_t at = chars_.find(what.chars_); at != std::u32string::npos;
       at = chars_.find(what.chars_, from)) {
    out.append(chars_, from, at - from);
    out += with.chars_;
    from = at + what.chars_.size();
    ++count;
  }
  out.append(chars_, from, std::u32string::npos);
  chars_.swap(out);
  return count;
}

CATUnicodeString CATUnicodeString::Strip(CATStripMode mode, CATUnicodeChar c) const {
  const char32_t code = c.GetCode();
  CATUnicodeString result;
  if (mode == CATStripModeAll) {
    for (char32_t ch : chars_) {
      if (ch != code) result.chars_.push_back(ch);
    }
    return result;
  }
  std::size_t begin = 0;
  std::size_t end = chars_.size();
  if (mode == CATStripModeLeading || mode == CATStripModeBoth) {
    while (begin < end && chars_[begin] == code) ++begin;
  }
  if (mode == CATStripModeTrailing || mode == CATStripModeBoth) {
    while (end > begin && chars_[end - 1] == code) --end;
  }
  result.chars_ = chars_.substr(begin, end - begin);
  return result;
}

void CATUnicodeString::ToLower() {
  for (char32_t& ch : chars_) ch = CATToLowerChar(ch);
}

void CATUnicodeString::ToUpper() {
  for (char32_t& ch : chars_) ch = CATToUpperChar(ch);
}

CATUnicodeString& CATUnicodeString::Append(const CATUnicodeString& other) {
  chars_ += other.chars_;
  return *this;
}

int CATUnicodeString::Compare(const CATUnicodeString& other) const {
  if (chars_ == other.chars_) return 2;
  if (chars_.size() != other.chars_.size()) return 0;
  for (std::size_t i = 0; i < chars_.size(); ++i) {
    if (CATToLowerChar(chars_[i]) != CATToLowerChar(other.chars_[i])) return 0;
  }
  return 1;
}

namespace {

// Checks that `format` holds exactly one conversion, of one of the
// `conversions` characters, with the given length modifier ("" or "l"), and
// nothing that reads further arguments ("*", "%n").
bool FormatFits(const char* format, const char* conversions, const char* length_modifier) {
  if (format == nullptr) return false;
  int found = 0;
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr) ++p;
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') {
      ++p;
      while (*p >= '0' && *p <= '9') ++p;
    }
    const std::size_t modifier_length = std::strlen(length_modifier);
    if (std::strncmp(p, length_modifier, modifier_length) != 0) return false;
    p += modifier_length;
    if (*p == '\0' || std::strchr(conversions, *p) == nullptr) return false;
    ++found;
  }
  return found == 1;
}

template <class T>
int Format(std::u32string& chars, const char* format, T value) {
  const int needed = std::snprintf(nullptr, 0, format, value);
  if (needed < 0) return 0;
  std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
  std::snprintf(buffer.data(), buffer.size(), format, value);
  chars = CATDecodeUtf8(buffer.data(), static_cast<std::size_t>(needed));
  return static_cast<int>(chars.size());
}

}  // namespace

int CATUnicodeString::BuildFromNum(int value, const char* format) {
  if (!FormatFits(format, "dicxXou", "")) return 0;
  return Format(chars_, format, value);
}

int CATUnicodeString::BuildFromNum(unsigned int value, const char* format) {
  if (!FormatFits(format, "dicxXou", "")) return 0;
  return Format(chars_, format, value);
}

int CATUnicodeString::BuildFromNum(long value, const char* format) {
  if (!FormatFits(format, "dixXou", "l")) return 0;
  return Format(chars_, format, value);
}

int CATUnicodeString::BuildFromNum(double value, const char* format) {
  if (!FormatFits(format, "fFeEgGaA", "") && !FormatFits(format, "fFeEgGaA", "l")) return 0;
  return Format(chars_, format, value);
}

int CATUnicodeString::ConvertToNum(int* value, const char* format) const {
  if (value == nullptr || !FormatFits(format, "di", "")) return 0;
  const std::string text = CATEncodeUtf8(chars_);
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(begin, &end, 10);
  if (end == begin || errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX) return 0;
  *value = static_cast<int>(parsed);
  return 1;
}

int CATUnicodeString::ConvertToNum(double* value, const char* format) const {
  if (value == nullptr ||
      (!FormatFits(format, "fFeEgGaA", "l") && !FormatFits(format, "fFeEgGaA", ""))) {
    return 0;
  }
  const std::string text = CATEncodeUtf8(chars_);
  const char* begin = text.c_str();
  char* end = nullptr;
  const double parsed = std::strtod(begin, &end);
  if (end == begin) return 0;
  *value = parsed;
  return 1;
}

void CATUnicodeString::BuildFromWChar(const wchar_t* text) {
  chars_.clear();
  if (text == nullptr) return;
  chars_ = CATDecodeWide(text, std::wcslen(text));
}

std::wstring CATUnicodeString::ConvertToWChar() const {
  return CATEncodeWide(chars_);
}

CATUnicodeChar CATUnicodeString::operator[](int index) const {
  if (index < 0 || index >= GetLengthInChar()) return CATUnicodeChar(' ');
  return CATUnicodeChar(chars_[static_cast<std::size_t>(index)]);
}

CATUnicodeString operator+(const CATUnicodeString& a, const CATUnicodeString& b) {
  CATUnicodeString result(a);
  result.Append(b);
  return result;
}

CATUnicodeString operator+(const CATUnicodeString& a, const char* b) {
  return a + CATUnicodeString(b);
}

CATUnicodeString operator+(const char* a, const CATUnicodeString& b) {
  return CATUnicodeString(a) + b;
}
