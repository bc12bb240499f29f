#include "CATUnicodeString.h"

#include <algorithm>
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

const std::u32string& CATUnicodeString::NoChars() {
  static const std::u32string none;
  return none;
}

void CATUnicodeString::Free(Text* text) {
  delete text->utf8.load(std::memory_order_relaxed);
  delete text;
}

std::u32string& CATUnicodeString::Own(std::size_t room) {
  if (text_ == nullptr) {
    text_ = new Text();
  } else if (text_->refs.load(std::memory_order_acquire) != 1) {
    Text* shared = text_;
    text_ = new Text();
    text_->chars.reserve(std::max(room, shared->chars.size()));
    text_->chars.append(shared->chars);
    // The other holders may have let go meanwhile.
    if (shared->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) Free(shared);
  } else {
    delete text_->utf8.exchange(nullptr, std::memory_order_relaxed);
  }
  return text_->chars;
}

const std::string& CATUnicodeString::Utf8() const {
  static const std::string none;
  if (text_ == nullptr) return none;
  std::string* utf8 = text_->utf8.load(std::memory_order_acquire);
  if (utf8 != nullptr) return *utf8;
  // Copies in other threads may make it at the same time: the first one
  // kept is the one every copy uses.
  std::string* made = new std::string(CATEncodeUtf8(text_->chars));
  if (text_->utf8.compare_exchange_strong(utf8, made, std::memory_order_acq_rel,
                                          std::memory_order_acquire)) {
    return *made;
  }
  delete made;
  return *utf8;
}

CATUnicodeString::CATUnicodeString(const char* text) {
  if (text != nullptr && *text != '\0') Own() = CATDecodeUtf8(text, std::strlen(text));
}

CATUnicodeString::CATUnicodeString(const char* text, std::size_t length) {
  if (text != nullptr && length > 0) Own() = CATDecodeUtf8(text, length);
}

CATUnicodeString::CATUnicodeString(const CATUnicodeChar& c, int count) {
  if (count > 0) Own().assign(static_cast<std::size_t>(count), c.GetCode());
}

const char* CATUnicodeString::ConvertToChar() const {
  return Utf8().c_str();
}

int CATUnicodeString::GetLengthInByte() const {
  return static_cast<int>(Utf8().size());
}

int CATUnicodeString::SearchSubString(const CATUnicodeString& what, int start, int mode) const {
  const int length = GetLengthInChar();
  const int wanted = what.GetLengthInChar();
  if (wanted == 0 || start < 0 || start >= length) return -1;
  if (mode == CATSearchModeBackward) {
    const std::size_t last_start = static_cast<std::size_t>(length - 1 - start);
    const std::size_t found = Chars().rfind(what.Chars(), last_start);
    return found == std::u32string::npos ? -1 : static_cast<int>(found);
  }
  const std::size_t found = Chars().find(what.Chars(), static_cast<std::size_t>(start));
  return found == std::u32string::npos ? -1 : static_cast<int>(found);
}

CATUnicodeString CATUnicodeString::SubString(int start, int length) const {
  CATUnicodeString result;
  if (start < 0 || start >= GetLengthInChar() || length <= 0) return result;
  result.Own() = Chars().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
  return result;
}

CATUnicodeString& CATUnicodeString::ReplaceSubString(int start, int length,
                                                     const CATUnicodeString& with) {
  if (start < 0 || start > GetLengthInChar()) return *this;
  if (length < 0) length = 0;
  const CATUnicodeString kept(with);  // `with` may be this text
  Own().replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), kept.Chars());
  return *this;
}

int CATUnicodeString::ReplaceAll(const CATUnicodeString& what, const CATUnicodeString& with) {
  const std::u32string& chars = Chars();
  const std::u32string& wanted = what.Chars();
  if (wanted.empty()) return 0;
  std::u32string out;
  int count = 0;
  std::size_t from = 0;
  for (std::size_t at = chars.find(wanted); at != std::u32string::npos;
       at = chars.find(wanted, from)) {
    out.append(chars, from, at - from);
    out += with.Chars();
    from = at + wanted.size();
    ++count;
  }
  if (count == 0) return 0;
  out.append(chars, from, std::u32string::npos);
  *this = CATUnicodeString();
  Own().swap(out);
  return count;
}

CATUnicodeString CATUnicodeString::Strip(CATStripMode mode, CATUnicodeChar c) const {
  const char32_t code = c.GetCode();
  CATUnicodeString result;
  if (mode == CATStripModeAll) {
    std::u32string kept;
    for (char32_t ch : Chars()) {
      if (ch != code) kept.push_back(ch);
    }
    if (!kept.empty()) result.Own().swap(kept);
    return result;
  }
  const std::u32string& chars = Chars();
  std::size_t begin = 0;
  std::size_t end = chars.size();
  if (mode == CATStripModeLeading || mode == CATStripModeBoth) {
    while (begin < end && chars[begin] == code) ++begin;
  }
  if (mode == CATStripModeTrailing || mode == CATStripModeBoth) {
    while (end > begin && chars[end - 1] == code) --end;
  }
  if (begin == 0 && end == chars.size()) return *this;
  if (begin < end) result.Own() = chars.substr(begin, end - begin);
  return result;
}

void CATUnicodeString::ToLower() {
  if (text_ == nullptr) return;
  for (char32_t& ch : Own()) ch = CATToLowerChar(ch);
}

void CATUnicodeString::ToUpper() {
  if (text_ == nullptr) return;
  for (char32_t& ch : Own()) ch = CATToUpperChar(ch);
}

CATUnicodeString& CATUnicodeString::Append(const CATUnicodeString& other) {
  if (other.GetLengthInChar() == 0) return *this;
  if (text_ == nullptr) return *this = other;
  const CATUnicodeString kept(other);  // `other` may be this text
  Own(GetLengthInChar() + kept.GetLengthInChar()) += kept.Chars();
  return *this;
}

int CATUnicodeString::Compare(const CATUnicodeString& other) const {
  if (*this == other) return 2;
  const std::u32string& a = Chars();
  const std::u32string& b = other.Chars();
  if (a.size() != b.size()) return 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (CATToLowerChar(a[i]) != CATToLowerChar(b[i])) return 0;
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
  return Format(Own(), format, value);
}

int CATUnicodeString::BuildFromNum(unsigned int value, const char* format) {
  if (!FormatFits(format, "dicxXou", "")) return 0;
  return Format(Own(), format, value);
}

int CATUnicodeString::BuildFromNum(long value, const char* format) {
  if (!FormatFits(format, "dixXou", "l")) return 0;
  return Format(Own(), format, value);
}

int CATUnicodeString::BuildFromNum(double value, const char* format) {
  if (!FormatFits(format, "fFeEgGaA", "") && !FormatFits(format, "fFeEgGaA", "l")) return 0;
  return Format(Own(), format, value);
}

int CATUnicodeString::ConvertToNum(int* value, const char* format) const {
  if (value == nullptr || !FormatFits(format, "di", "")) return 0;
  const char* begin = ConvertToChar();
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
  const char* begin = ConvertToChar();
  char* end = nullptr;
  const double parsed = std::strtod(begin, &end);
  if (end == begin) return 0;
  *value = parsed;
  return 1;
}

void CATUnicodeString::BuildFromWChar(const wchar_t* text) {
  *this = CATUnicodeString();
  if (text != nullptr && *text != L'\0') Own() = CATDecodeWide(text, std::wcslen(text));
}

std::wstring CATUnicodeString::ConvertToWChar() const {
  return CATEncodeWide(Chars());
}

CATUnicodeChar CATUnicodeString::operator[](int index) const {
  if (index < 0 || index >= GetLengthInChar()) return CATUnicodeChar(' ');
  return CATUnicodeChar(Chars()[static_cast<std::size_t>(index)]);
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
